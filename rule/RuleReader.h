#pragma once

#include "CssFault.h"

#include <QList>
#include <QString>
#include <QStringView>

// One piece of a declaration list: the text between two semicolons.
struct DeclarationPiece {
    // The piece as written, comments kept, outer white space trimmed and each run of white
    // space (line breaks included) outside strings one space.
    QString text;
    // The property's name as written, before the colon; empty when the piece does not
    // start with a name and a colon.
    QString name;
    // The name as CSS matches it: escapes read, ASCII letters lower-cased.
    QString key;
    // After the colon, comments out (a space where the tokens on either side would join),
    // white space runs one space, trimmed; a final "!important" is written " !important".
    QString value;
    bool important = false;
    qsizetype at = 0; // where the piece starts in the text
    // A declaration's comments before its name, as written; a rule keeps them where they
    // stand, while its value goes without its own.
    QString leading;
    // The comments after a declaration's name, which its value leaves out, and where the
    // first one starts in the text (-1 for none).
    int innerComments = 0;
    qsizetype firstInnerComment = -1;
    // A rule nested in the block ("&:hover { … }", "@media … { … }"), read whole.
    bool isRule = false;
    // A piece without a name and colon, or with an empty value, is no declaration.
    [[nodiscard]] bool isDeclaration() const { return !name.isEmpty() && !value.isEmpty(); }
};

struct ReadRule {
    using Error = Css::Fault; // why the text could not be read as one rule
    Error error = Error::None;
    qsizetype errorAt = -1;   // UTF-16 offset in the text where the fault is
    bool hasSelector = false; // the text had a "{": `selector` holds what came before it
    // Text before the "{", white space runs one space, trimmed; its comments out, but for
    // one whose tokens on either side would join without it ("UL/**/LI").
    QString selector;
    // In order of appearance; pieces empty after trimming are dropped.
    QList<DeclarationPiece> pieces;
    // The comments the selector and the text after the block leave out, and where the
    // first one starts (-1 for none).
    int droppedComments = 0;
    qsizetype firstDroppedComment = -1;
    // The text ended inside the block, which CSS closes there.
    bool closedAtEnd = false;
};

// Reads one rule ("selector { declarations }") or, when the text has no "{", a bare list of
// declarations, tokenizing as CSS Syntax Level 3 does, in one pass. "<!--" and "-->"
// around the rule are ignored; a block (and rules nested in it) left open at the end of the
// text is closed there, as CSS closes it. On any error the other fields are unspecified
// and the caller must not use them.
[[nodiscard]] ReadRule readRule(QStringView text);

// Whether a text pasted over the rule would replace it: it reads as a rule, or as a list
// with at least one declaration. A value or a word does not.
[[nodiscard]] bool readsAsRule(const ReadRule &read);
