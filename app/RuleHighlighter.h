#pragma once

#include <QColor>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>

#include <array>

class QPalette;

// Colours the rule pane: the selector, property names, values, strings, comments and
// "!important", and puts a wavy underline under what makes a value of a known property
// invalid (checkValue). Only formats change; the text stays as it is.
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

    // A value over more lines, or with more characters on its other lines, is not
    // checked: every line of it reads all of them again.
    static constexpr qsizetype MaxGatheredLines = 64;
    static constexpr qsizetype MaxGathered = 1 << 14;

protected:
    void highlightBlock(const QString &text) override;

private:
    void documentChanged(int position, int removed, int added);
    [[nodiscard]] int initialState() const;
    void recolourAll();
    void underline(qsizetype from, qsizetype to);

    std::array<QTextCharFormat, std::size_t(Part::Count)> m_formats;
    QColor m_underline;
    // The text has no "{": it is a list of declarations, as the rule reader takes it.
    bool m_declarationsOnly = false;
    bool m_rechecking = false;
    QMetaObject::Connection m_changes;
};
