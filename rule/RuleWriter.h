#pragma once

#include "Property.h"

#include <QStringList>

#include <array>

class PropertyValues;
struct RuleState;

// How the rule writes a selector and a value: lower-cased, but for what CSS reads as
// written (quoted strings and url() addresses; in a selector also class names, IDs and
// attribute values); every run of white space with a line break in it one space, so that
// each declaration keeps to one line; spaces trimmed at both ends.
[[nodiscard]] QString selectorText(const QString &selector);
[[nodiscard]] QString valueText(const QString &value);

// One property's declaration as the rule writes it, "name: value;", or a null string when
// the rule leaves it out: when it is not included, its value is blank, or, with
// onlyChanged, its value is its default (both lower-cased and trimmed of spaces first).
[[nodiscard]] QString declaration(int index, bool onlyChanged, const PropertyValues &values);

// The rule line by line, for a view that replaces only the lines that change. An update
// works only on what changed since the last one: a property whose value (the same shared
// text), inclusion and switch are as before keeps its line, the very same text.
class RuleLines {
public:
    void update(const RuleState &state);
    [[nodiscard]] static RuleLines of(const RuleState &state);

    [[nodiscard]] const QString &selector() const { return m_selector; } // selectorText()
    // declaration() of each property, in catalogue order.
    [[nodiscard]] const std::array<QString, PropertyCount> &declarations() const
    {
        return m_declarations;
    }
    [[nodiscard]] const QStringList &kept() const { return m_kept; } // each with its ";"
    // The rule: the selector line, "  {", each declaration indented by two spaces in
    // catalogue order, then the kept ones, "  }", joined by CR LF with none after the last.
    [[nodiscard]] QString text() const;
    // The declarations alone, in the rule's order.
    [[nodiscard]] QStringList all() const;

private:
    QString m_selector;
    std::array<QString, PropertyCount> m_declarations;
    QStringList m_kept;
    // What the lines were made from.
    bool m_made = false;
    QString m_selectorFrom;
    bool m_onlyChanged = false;
    std::array<QString, PropertyCount> m_values;
    std::array<bool, PropertyCount> m_included{};
    QStringList m_keptFrom;
};

// RuleLines::of(state).text().
[[nodiscard]] QString ruleText(const RuleState &state);

// The declarations alone, one per line, joined by CR LF.
[[nodiscard]] QString declarationText(const RuleState &state);

// The declarations as an HTML attribute, style="name: value; name: value", with & and "
// in them written as &amp; and &quot;.
[[nodiscard]] QString styleAttribute(const RuleState &state);
