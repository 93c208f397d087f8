#pragma once

#include <QFont>

// "Times New Roman" 9.75 pt for the window; its metric twin Liberation Serif stands in
// where it is missing.
[[nodiscard]] QFont windowFont();

// "Courier New CE" 9.75 pt for the rule pane, or "Courier New", or its metric twin
// Liberation Mono, or else the system's fixed-pitch font.
[[nodiscard]] QFont paneFont();
