#pragma once

#include "Property.h"
#include "RuleState.h"

#include <QStringList>

#include <array>

// How the rule writes a selector and a value: every run of white space with a line break in
// it one space, so that each declaration keeps to one line; spaces trimmed at both ends. A
// selector is written as typed but for its element names, which CSS matches whatever their
// case: those are lower-cased. A value is lower-cased but for what CSS reads as written:
// strings, url() addresses, var() with its custom property, and the names a property
// takes for counters, counter styles and pages (counter-reset: LIST). Lower-casing is
// ASCII's, as CSS compares: "İnfo" stays.
[[nodiscard]] QString selectorText(const QString &selector);
[[nodiscard]] QString valueText(int property, const QString &value);

// One property's declaration as the rule writes it, "name: value;", or a null string when
// the rule leaves it out: when it is not included, its value is blank, or, with
// onlyChanged, its value is its default (both lower-cased and trimmed of spaces first).
[[nodiscard]] QString declaration(int index, bool onlyChanged, const PropertyValues &values);

// The rule line by line, for a view that replaces only the lines that change. An update
// works only on what changed since the last one: a property whose value (the same shared
// text), inclusion and switch are as before keeps its line, the very same text.
//
// The lines stand in the catalogue's order, each fallback beside its property's line, then
// the kept pieces in their order; but two lines that set a longhand in common keep the
// order they were read in, so that the same declaration wins as before (RuleOrder.h).
class RuleLines {
public:
    // One line as written: a catalogue property's declaration, or a kept piece.
    struct Line {
        int property = 0;    // 1..102, or 0 for a kept piece
        qsizetype kept = -1; // the kept piece's index
        friend bool operator==(const Line &, const Line &) = default;
    };

    RuleLines();
    void update(const RuleState &state);
    [[nodiscard]] static RuleLines of(const RuleState &state);

    [[nodiscard]] const QString &selector() const { return m_selector; } // selectorText()
    // declaration() of each property, in catalogue order.
    [[nodiscard]] const std::array<QString, PropertyCount> &declarations() const
    {
        return m_declarations;
    }
    // Each kept piece as written, with a ";" after a declaration or another piece.
    [[nodiscard]] const QStringList &kept() const { return m_kept; }
    // The lines written, in the rule's order.
    [[nodiscard]] const QList<Line> &written() const { return m_written; }
    // Whether the lines stand simply so: the catalogue's declarations in its order, then
    // the kept pieces in theirs.
    [[nodiscard]] bool isPlainOrder() const { return m_plain; }
    // Whether lines stand out of that order to keep what wins.
    [[nodiscard]] bool keepsReadOrder() const { return m_reordered; }
    // The rule: the selector line, "  {", each line indented by two spaces, "  }", joined
    // by CR LF with none after the last.
    [[nodiscard]] QString text() const;
    // The lines alone, in the rule's order.
    [[nodiscard]] QStringList all() const;

private:
    // What a line is to the order: its facts, found once for each value.
    struct Facts {
        bool important = false;
        QStringList longhands; // none when a browser drops it
    };
    void order();

    QString m_selector;
    std::array<QString, PropertyCount> m_declarations;
    QStringList m_kept;
    QList<Line> m_written;
    bool m_plain = true;
    bool m_reordered = false;
    std::array<Facts, PropertyCount> m_facts;
    QList<Facts> m_keptFacts;
    // What the lines were made from.
    bool m_made = false;
    QString m_selectorFrom;
    bool m_onlyChanged = false;
    std::array<QString, PropertyCount> m_values;
    std::array<bool, PropertyCount> m_included{};
    std::array<int, PropertyCount> m_ranks{};
    QList<KeptPiece> m_keptFrom;
};

// RuleLines::of(state).text().
[[nodiscard]] QString ruleText(const RuleState &state);

// The declarations alone, one per line, joined by CR LF.
[[nodiscard]] QString declarationText(const RuleState &state);

// The declarations as an HTML attribute, style="name: value; name: value", with & and "
// in them written as &amp; and &quot;.
[[nodiscard]] QString styleAttribute(const RuleState &state);
