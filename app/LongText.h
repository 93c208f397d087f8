#pragma once

#include <QString>

// Texts too long to lay out on every change: a value box and the rule pane show such a
// text shortened, and the whole of it once the user works on it. Laying out a line costs
// about 0.1 ms per thousand characters, and painting it as much again (measured with a
// QLineEdit and a QPlainTextEdit under Xvfb: 1 MB took 195 ms and 100 ms to paint), so
// from this length on a text is shortened.
namespace longText {

inline constexpr qsizetype Limit = 256;
// What a shortened text shows of its start and its end.
inline constexpr qsizetype Head = 64;
inline constexpr qsizetype Tail = 8;

[[nodiscard]] inline bool isLong(QStringView text)
{
    return text.size() > Limit;
}

} // namespace longText
