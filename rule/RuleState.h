#pragma once

#include "PropertyValues.h"

#include <QList>
#include <QStringList>

#include <array>

// A piece of a rule read that the catalogue does not take, kept as written: a declaration
// of a property it does not know (newer CSS, vendor prefixes), a fallback of one it knows,
// a comment between declarations, a nested rule or a piece that is no declaration.
struct KeptPiece {
    QString text;
    // Its place in the rule read, which decides where it stands among the lines that set
    // what it sets; 0 for none.
    int rank = 0;
    // The catalogue property it is a fallback of, beside whose line it is written; 0 for
    // none: it is written after the catalogue's declarations.
    int fallbackOf = 0;
    // For a declaration, what decides its place among others: whether it is !important,
    // and the longhands it sets (none when a browser drops it); found as it is read.
    bool important = false;
    QStringList longhands;

    friend bool operator==(const KeptPiece &, const KeptPiece &) = default;
};

// Everything the user edits, as one value: what the rule is written from, and what a step
// of the history restores.
struct RuleState {
    PropertyValues values;
    QList<KeptPiece> kept; // in the order the rule writes them
    QString selector;
    bool onlyChanged = true;
    // Each property's place in the rule read (see KeptPiece::rank); 0 for none.
    std::array<int, PropertyCount> ranks{};

    friend bool operator==(const RuleState &, const RuleState &) = default;
};
