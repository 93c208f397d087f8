#pragma once

#include <QString>

// The program's one text normalisation: leading and trailing U+0020 go, nothing
// else (tabs and line breaks stay), and lower case uses Unicode's full mapping.
[[nodiscard]] QString trimSpaces(const QString &text);
[[nodiscard]] QString lowerTrimmed(const QString &text);
// lowerTrimmed(a) == lowerTrimmed(b), without lower-casing a long text to learn that it
// differs from a short one.
[[nodiscard]] bool sameLowerTrimmed(const QString &a, const QString &b);

// Whether two texts share their data: the very same text, known without reading it, however
// long it is. What the program keeps of a value it shares, so a value that did not change
// shares its data with what was kept of it.
[[nodiscard]] inline bool isSharedText(const QString &a, const QString &b)
{
    return a.constData() == b.constData() && a.size() == b.size() && a.isNull() == b.isNull();
}

// Equal texts, those that share their data known equal without comparing them.
[[nodiscard]] inline bool sameText(const QString &a, const QString &b)
{
    return isSharedText(a, b) || a == b;
}
