#pragma once

#include <QString>
#include <QStringView>

// What a property's value means in CSS, by the property's value grammar (its row in the
// property table). The program never rejects or changes a value: the verdict only tells
// the user what they typed.
struct ValueVerdict {
    enum class Kind {
        Valid,          // matches CSS 2.1's grammar (an empty or blank value counts as valid)
        DroppedInCss21, // valid in CSS 2, but CSS 2.1 dropped it and today's CSS has it not
        Invalid,        // matches nothing CSS 2.1 or today's CSS allows
        Later,          // valid in today's CSS, not in CSS 2.1
        NoEffect,       // valid, but the rest of the rule makes it do nothing (RuleContext)
    };
    Kind kind = Kind::Valid;
    // The UTF-16 offset in the value where the fault or what is newer than CSS 2.1 begins,
    // and how many characters it spans; -1 and 0 when valid, -1 when the fault is the
    // property's name.
    qsizetype at = -1;
    qsizetype length = 0;
    // A short reason in the user's language, such as "chybí jednotka délky", what replaces
    // a dropped value, or the module that brought a later one; empty when valid.
    QString reason;
    // What the Baseline data says of the property or its value (TodayCss::support()), for
    // a view that asks for it; empty otherwise.
    QString support;

    // The reason and the support, a line each.
    [[nodiscard]] QString explanation() const
    {
        return reason.isEmpty() || support.isEmpty() ? reason + support : reason + u'\n' + support;
    }
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
//   'x'              the character x              [ a ]!       a, not matching nothing
// "inherit", "initial", "unset", "revert" or "revert-layer" alone, a value with var(), and
// calc() and the other math functions where a number or length goes, are left to the
// browser; so is a value whose check would take too long, which none of the catalogue's
// grammars makes (GrammarMatcher::StepsPerToken).
//
// A value is judged by CSS 2.1's grammar first (with today's units, math functions and
// colours, which make it Later), then by today's (TodayCss), which decides only what CSS
// 2.1's does not take.

// The verdict for `value` of the property with this index (1..102), as the user typed it:
// outer white space and a final "!important" are allowed, keywords match in any case.
[[nodiscard]] ValueVerdict checkValue(int property, QStringView value);

// Any property's name as the check knows it: 0 for a custom property (--x), whose value
// is anything, and for a vendor's property no CSS module defines
// (-webkit-font-smoothing), 1..102 for the catalogue's, a key of today's CSS, with
// VendorPrefixedKey set for a name with a vendor's prefix (-webkit-transition), or
// UnknownPropertyKey. `name` is as CSS reads it (escapes undone), in any case. Keys fit in 12 bits.
inline constexpr int VendorPrefixedKey = 1 << 11;
inline constexpr int UnknownPropertyKey = (1 << 11) - 1;
[[nodiscard]] int declarationKey(QStringView name);
// The verdict on a declaration of the property with this key; an unknown name is Invalid
// at -1. A vendor's prefix is noted; with it a valid value is Later.
[[nodiscard]] ValueVerdict checkDeclaration(int key, QStringView value);

// Whether a name is a keyword of the property's grammar (1..102), in any case.
[[nodiscard]] bool isKeywordOf(int property, QStringView name);
// Whether the property's grammar (1..102) takes a colour, or a number of its own (a length,
// a percentage, font-weight's 400; not the numbers inside rgb()).
[[nodiscard]] bool takesColour(int property);
[[nodiscard]] bool takesNumber(int property);
