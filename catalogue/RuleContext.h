#pragma once

#include <QString>
#include <QStringView>

#include <functional>

// What a rule says of the element it styles, as far as that decides whether a declaration
// in it has any effect: the element its selector names and the values it gives display,
// position, float and border-collapse. Judged from the rule alone, as a browser's tools
// explain an inactive declaration: where the rule cannot tell (a class selector with no
// display), nothing is said.
struct RuleContext {
    QString element; // lower case; empty when the selector names no one element
    // The keywords of each value as the rule declares it, lower case, one space apart;
    // null when it does not declare it, Unreadable when the value is more than keywords
    // (var()).
    static constexpr char16_t Unreadable[] = u"?";
    QString display;
    QString position;
    QString floating;
    QString borderCollapse;

    // The values from `declared`, which gives the value the rule declares for a property
    // (by lower-case name), or a null string.
    [[nodiscard]] static RuleContext of(QStringView selector,
                                        const std::function<QString(QStringView)> &declared);
    // The element every selector of the list ends in ("ul > li.x, li" is li), lower case;
    // empty for none, a universal or pseudo-element selector, or selectors that differ.
    [[nodiscard]] static QString elementOf(QStringView selector);
    // Why a declaration of the property (lower case) has no effect in the rule, in the
    // user's language; empty when it may have one.
    [[nodiscard]] QString noEffect(QStringView property) const;
};
