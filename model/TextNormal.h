#pragma once

#include <QString>

// The program's one text normalisation: leading and trailing U+0020 go, nothing
// else (tabs and line breaks stay), and lower case uses Unicode's full mapping.
[[nodiscard]] QString trimSpaces(const QString &text);
[[nodiscard]] QString lowerTrimmed(const QString &text);
// lowerTrimmed(a) == lowerTrimmed(b), without lower-casing a long text to learn that it
// differs from a short one.
[[nodiscard]] bool sameLowerTrimmed(const QString &a, const QString &b);
