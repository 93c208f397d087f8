#pragma once

#include <QString>
#include <QStringView>

// What a property's value means in CSS, by the property's value grammar (its row in the
// property table). The program never rejects or changes a value: the verdict only tells
// the user what they typed.
struct ValueVerdict {
    enum class Kind {
        Valid,          // matches the grammar (an empty or blank value counts as valid)
        DroppedInCss21, // valid in CSS 2, but CSS 2.1 dropped it (the value or the property)
        Invalid,        // matches nothing the grammar allows
    };
    Kind kind = Kind::Valid;
    // Dropped or Invalid: the UTF-16 offset in the value where the fault begins, and how
    // many characters it spans; -1 and 0 when valid.
    qsizetype at = -1;
    qsizetype length = 0;
    // Dropped or Invalid: a short Czech reason, such as "chybí jednotka délky" or what
    // replaces a dropped value; empty when valid.
    QString reason;
};

// The notation of Property::grammar is CSS's value-definition syntax:
//   keyword          a name, in any case; a number such as 100 stands for itself
//   <length>         also <percentage> <number> <integer> <angle> <string> <uri>
//                    <identifier> <color> <counter> <shape> and the types CSS 2.1 names
//                    (<border-width>, <margin-width>, …); a number type may take a range,
//                    <length [0,∞]>
//   <'font-size'>    what another property's grammar allows, "inherit" aside
//   a b              both, in this order        a && b   both, in any order
//   a || b           one or both, in any order  a | b    exactly one
//   [ a ]            grouping                   , /      those characters themselves
//   a? a* a+         at most once, any number of times, at least once
//   a{2} a{1,4} a{2,}  so many times             a# a#{1,4}   the same, comma-separated
//   f( a )           the function f with a as its arguments
// "inherit", "initial", "unset", "revert" or "revert-layer" alone, a value with var(), and
// calc(), min(), max() or clamp() where a number or length goes, are left to the browser;
// so is a value whose check would take too long, which none of the catalogue's grammars
// makes (GrammarMatcher::StepsPerToken).

// The verdict for `value` of the property with this index (1..102), as the user typed it:
// outer white space and a final "!important" are allowed, keywords match in any case.
[[nodiscard]] ValueVerdict checkValue(int property, QStringView value);

// Whether a name is a keyword of the property's grammar (1..102), in any case.
[[nodiscard]] bool isKeywordOf(int property, QStringView name);
