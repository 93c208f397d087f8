#pragma once

#include <QFont>

// "Times New Roman" 9.75 pt for the window (Liberation Serif stands in on Linux).
[[nodiscard]] QFont windowFont();

// A fixed-pitch 9.75 pt font that shows Czech letters for the rule pane: the first of
// "Courier New CE", "Courier New" and "Liberation Mono" that is installed, else the
// system's fixed font.
[[nodiscard]] QFont paneFont();
