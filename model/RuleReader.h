#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// One piece of a declaration list: the text between two semicolons.
struct DeclarationPiece {
    QString text;  // the piece as written, comments removed, outer white space trimmed
    QString name;  // before the first colon, outer white space trimmed
    QString value; // after the first colon, outer white space trimmed; "!important" stays in it
    // A piece without a colon, or with an empty name or value, is no declaration.
    [[nodiscard]] bool isDeclaration() const { return !name.isEmpty() && !value.isEmpty(); }
};

struct ReadRule {
    enum class Error {
        None,
        UnclosedComment,     // "/*" without "*/"
        UnclosedString,      // a quote without its partner, or a backslash ending the text
        UnclosedBracket,     // "(" or "[" still open where the block or text ends
        MissingClosingBrace, // "{" without "}"
        NestedBlock,         // a second "{" inside the block
        TextAfterRule,       // anything but white space and comments after the closing "}"
        StrayClosingBrace,   // "}" with no "{" before it
    };
    Error error = Error::None;
    qsizetype errorAt = -1;   // UTF-16 offset in the text where the fault is (the opening
                              // quote/comment/bracket/brace, or the offending character)
    bool hasSelector = false; // the text had a "{": `selector` holds what came before it
    // Text before the first "{", comments removed, outer white space trimmed.
    QString selector;
    // In order of appearance; pieces empty after trimming are dropped.
    QList<DeclarationPiece> pieces;
};

// Reads one rule ("selector { declarations }") or, when the text has no "{", a bare list of
// declarations. On any error the other fields are unspecified and the caller must not use them.
//
// White space is space, tab, LF, CR and form feed only. A backslash keeps the character after
// it from being structural, and an escaped white space character is never trimmed. Where
// removing a comment would join a "/" before it and a "*" after it, the comment stays, so that
// the pieces read the same after being written out again.
[[nodiscard]] ReadRule readRule(QStringView text);
