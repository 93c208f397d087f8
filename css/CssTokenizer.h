#pragma once

#include <QString>
#include <QStringView>

// The program's one CSS tokenizer, as CSS Syntax Level 3 tokenizes: everything that reads
// CSS reads through it (the rule reader, the value grammar, the pane's colours, the
// preview's page). Tokens are ranges of the text; nothing is
// copied. Comments come as tokens of their own, so that a reader can keep or drop them.
// Code units from U+0080 up (surrogates and NUL included) count as name characters.
struct CssToken {
    enum class Type : unsigned char {
        End,        // past the last character
        Whitespace, // space, tab, line feed, carriage return, form feed
        Comment,    // "/* ... */"; `unclosed` when the text ends first
        Ident,
        Function,  // an ident directly followed by "(", which the range includes
        AtKeyword, // "@" and a name
        Hash,      // "#" and a name
        String,    // `unclosed` when the text ends first
        BadString, // ends at an unescaped line break, which it does not include
        Url,       // url( with an unquoted address, up to and with its ")"
        BadUrl,    // url( that goes wrong: a quote, "(" or bad escape in it; ends at ")"
        Number,
        Percentage,
        Dimension, // a number and a unit: `unitAt` is where the unit starts
        Delim,     // any other single character
        Colon,
        Semicolon,
        Comma,
        OpenSquare,
        CloseSquare,
        OpenParen,
        CloseParen,
        OpenCurly,
        CloseCurly,
        Cdo, // "<!--"
        Cdc, // "-->"
    };
    Type type = Type::End;
    qsizetype begin = 0;
    qsizetype end = 0;
    qsizetype unitAt = -1;  // Dimension
    bool isInteger = false; // Number, Dimension: written without "." or exponent
    bool unclosed = false;  // Comment, String, Url: the text ended inside
    bool idHash = false;    // Hash: its name would be an identifier
    [[nodiscard]] qsizetype size() const { return end - begin; }
};

class CssTokenizer {
public:
    explicit CssTokenizer(QStringView text)
        : m_text(text)
    {
    }

    // The next token, or End.
    [[nodiscard]] CssToken next();
    [[nodiscard]] qsizetype position() const { return m_at; }
    [[nodiscard]] QStringView text() const { return m_text; }

    // CSS's white space: space, tab, line feed, carriage return, form feed.
    [[nodiscard]] static bool isWhitespace(QChar c);
    // Whether an odd run of backslashes ends just before `at`, so that the character there
    // (or whatever is written after the text, for `at` at its end) is escaped.
    [[nodiscard]] static bool escapesNext(QStringView text, qsizetype at);
    // A name as written ("\63 olor", "col\or") as CSS reads it ("color").
    [[nodiscard]] static QString unescaped(QStringView name);
    // What a String token holds, its quotes gone, escapes read and continued lines joined.
    [[nodiscard]] static QString stringValue(QStringView raw);
    // The address of a Url token ("url( a\ b.png )" is "a b.png").
    [[nodiscard]] static QString urlAddress(QStringView raw);
    // Whether two texts are the same but for ASCII letter case: CSS's case-insensitive
    // match, under which a Kelvin sign is no "k".
    [[nodiscard]] static bool equalsIgnoringAsciiCase(QStringView a, QStringView b);
    [[nodiscard]] static QString asciiLower(QStringView text);
    // Whether a value ends in "!important", in any case, spaced or not.
    [[nodiscard]] static bool endsImportant(QStringView value);
    // A token written on one line, reading the same: each line break (CR LF, CR, LF, FF)
    // a space, but in a string a line continued with a backslash is joined.
    [[nodiscard]] static QString oneLine(const CssToken &token, QStringView raw);

private:
    [[nodiscard]] char16_t at(qsizetype i) const
    {
        return i < m_text.size() ? m_text[i].unicode() : char16_t(0xFFFF);
    }
    [[nodiscard]] bool startsEscape(qsizetype i) const;
    [[nodiscard]] bool startsIdent(qsizetype i) const;
    [[nodiscard]] bool startsNumber(qsizetype i) const;
    void skipEscape();
    void skipName();
    void number(CssToken &token);
    void identLike(CssToken &token);
    void string(CssToken &token, char16_t quote);
    void url(CssToken &token);

    QStringView m_text;
    qsizetype m_at = 0;
};
