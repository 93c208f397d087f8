#pragma once

#include <QStringList>

// The 51 HTML element names the selector box offers, in its order.
[[nodiscard]] const QStringList &selectorNames();
