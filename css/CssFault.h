#pragma once

#include <QObject>
#include <QString>

// What keeps CSS text from being read as the program writes it: the faults of a rule read
// back and of a value judged, with one wording each, for the note and the verdicts alike.
namespace Css {
Q_NAMESPACE
enum class Fault {
    None,
    UnclosedComment,         // "/*" without "*/"
    UnclosedString,          // a quote without its partner before the text ends
    BadString,               // a line break inside a string, which ends it there
    StrayBackslash,          // a backslash that escapes nothing: last, or before a line break
    UnclosedBracket,         // "(" or "[" (or url( ) still open where the block or text ends
    BadUrl,                  // url( with a quote, "(" or bad escape in its address
    AtRule,                  // an at-rule (@media, @page, @import) around or in place of the rule
    TextAfterRule,           // anything but white space and comments after the closing "}"
    StrayClosingBrace,       // "}" with no "{" before it
    DeclarationsBeforeBlock, // the text before "{" is declarations, not a selector
};
Q_ENUM_NS(Fault)

// The fault in the language the program speaks; empty for None.
[[nodiscard]] QString faultText(Fault fault);
} // namespace Css
