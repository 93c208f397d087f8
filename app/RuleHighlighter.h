#pragma once

#include "Property.h"

#include <QColor>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>

#include <array>
#include <bitset>

class QPalette;

// Colours the rule pane: the selector, property names, values, strings, comments and
// "!important", and puts a red wavy underline under a property name no CSS has and under
// what makes a value invalid (checkDeclaration), an amber one under a value the rest of the
// rule makes do nothing (RuleContext). Only formats change; the text stays as it is.
//
// Each block (line) is read once, from the state the line before it left: where in the
// rule it starts (selector, name or value, and which property) and whether a comment or a
// string runs on. A value over several lines is checked whole, read from the lines around
// it up to MaxGathered characters, and its lines are coloured again when one changes.
class RuleHighlighter : public QSyntaxHighlighter {
    Q_OBJECT

public:
    RuleHighlighter(QTextDocument *document, const QPalette &palette);
    // QSyntaxHighlighter's destructor takes its colours off the document, which tells of
    // that as a change: this one must be deaf to it by then.
    ~RuleHighlighter() override { disconnect(m_changes); }

    // Picks colours readable on the palette's base, light or dark, and colours again.
    void setPalette(const QPalette &palette);

    enum class Part { Selector, Name, Value, String, Comment, Important, Count };
    [[nodiscard]] QTextCharFormat partFormat(Part part) const
    {
        return m_formats[std::size_t(part)];
    }
    [[nodiscard]] QColor underlineColour() const { return m_underline; }
    [[nodiscard]] QColor noEffectColour() const { return m_noEffect; }

    // A value over more lines, or with more characters on its other lines, is not
    // checked: every line of it reads all of them again.
    static constexpr qsizetype MaxGatheredLines = 64;
    static constexpr qsizetype MaxGathered = 1 << 14;
    // A longer text is not read whole on each change for what its rule says of the
    // element, so no value in it is said to have no effect: reading 64 KiB of declarations
    // made a keystroke take 6 ms.
    static constexpr int MaxContextText = 1 << 16;

protected:
    void highlightBlock(const QString &text) override;

private:
    void documentChanged(int position, int removed, int added);
    [[nodiscard]] int initialState() const;
    void recolourAll();
    void underline(qsizetype from, qsizetype to, const QColor &colour);
    // Reads again which of the catalogue's properties the rest of the rule makes do
    // nothing (RuleContext); whether that changed.
    bool updateContext();

    std::array<QTextCharFormat, std::size_t(Part::Count)> m_formats;
    QColor m_underline;
    QColor m_noEffect;
    std::bitset<PropertyCount> m_withoutEffect;
    // The text has no "{": it is a list of declarations, as the rule reader takes it.
    bool m_declarationsOnly = false;
    bool m_rechecking = false;
    QMetaObject::Connection m_changes;
};
