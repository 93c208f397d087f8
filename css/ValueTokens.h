#pragma once

#include "CssFault.h"
#include "CssTokenizer.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <vector>

// One token of a value as the grammar sees it.
struct ValueToken {
    CssToken::Type type = CssToken::Type::End;
    bool isInteger = false; // Number, Percentage, Dimension
    bool isSigned = false;  // the same, written with "+" or "-"
    qsizetype begin = 0;    // UTF-16 range in the value
    qsizetype end = 0;
    double number = 0; // Number, Percentage, Dimension
    // Ident, Function (without "("), Hash (without "#"): the name as CSS reads it;
    // Dimension: the unit; String: the text between the quotes, escapes as written;
    // Delim: its character.
    QStringView name;
    // Function and opening brackets: the index of the matching closing token, or the
    // token count when the value ends first.
    qsizetype close = -1;
    // The index where the block this token lies in ends: its closing token, or the token
    // count at the top. A closing token ends its own block.
    qsizetype blockEnd = 0;
};

// The tokens of a value that its grammar matches: white space and comments are left out,
// each block's extent is known, numbers and names are read. Built in one pass. The names
// are views of the value, which must outlive the tokens.
class ValueTokens {
public:
    explicit ValueTokens(QStringView value);
    explicit ValueTokens(QString &&value) = delete; // it would go before the tokens

    [[nodiscard]] qsizetype size() const { return qsizetype(m_tokens.size()); }
    [[nodiscard]] const ValueToken &operator[](qsizetype i) const
    {
        return m_tokens[std::size_t(i)];
    }
    [[nodiscard]] bool isEmpty() const { return m_tokens.empty(); }
    // How the value breaks the rule it is written into, so that the text that follows it
    // would be read as part of it (an unclosed comment, string or url(, a bad string or
    // url(, a backslash at its end), and the UTF-16 range of the text that causes it.
    [[nodiscard]] Css::Fault breaks() const { return m_break; }
    [[nodiscard]] qsizetype breakBegin() const { return m_breakBegin; }
    [[nodiscard]] qsizetype breakEnd() const { return m_breakEnd; }
    // The first function that stands for text known only later (var(), env(), attr(),
    // if(), an author's --name()), or -1: with one, a browser only asks of the value that
    // it hold together.
    [[nodiscard]] qsizetype substitution() const { return m_substitution; }
    [[nodiscard]] static bool isSubstitution(QStringView function);
    // How many ")", "]" and "}" without their opening partner lie in [from, to).
    [[nodiscard]] qsizetype straysWithin(qsizetype from, qsizetype to) const
    {
        return m_straysBefore[std::size_t(to)] - m_straysBefore[std::size_t(from)];
    }

private:
    void add(const CssToken &token, QStringView value);
    void noteBreak(Css::Fault kind, qsizetype begin, qsizetype end);
    [[nodiscard]] QStringView read(QStringView name);

    std::vector<ValueToken> m_tokens;
    QList<QString> m_unescaped; // the names that had escapes, as the tokens' views see them
    Css::Fault m_break = Css::Fault::None;
    qsizetype m_breakBegin = -1;
    qsizetype m_breakEnd = -1;
    qsizetype m_substitution = -1;
    std::vector<qsizetype> m_straysBefore; // for each index, the strays before it
};
