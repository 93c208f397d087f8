#pragma once

#include "RuleReader.h"
#include "RuleState.h"

// What a rule read from the pane makes of the state, and what of it the note names.
struct ImportedRule {
    RuleState state;          // the selector stays when the text was declarations only
    int declarationCount = 0; // declarations of catalogue properties taken
    QStringList keptNames;    // unknown names kept as written, in order
    int keptOther = 0;        // pieces that are no declaration, kept as written
    int fallbacks = 0;        // declarations kept beside the one that wins, as fallbacks
    // Declarations that lose to another of the same property, as written, in order.
    QStringList overridden;
    // Declarations a shorthand given after them overrides, as written, in order.
    QStringList overriddenByShorthand;
    bool switchTurnedOff = false;
    // Comments left out (inside a catalogue property's value, in the selector, after the
    // rule), and where the first one was.
    int commentsLeftOut = 0;
    qsizetype firstCommentLeftOut = -1;
    bool closedAtEnd = false; // the text ended inside the block
    // Lines stand out of the catalogue's order to keep what wins; the rule's lines say.
    bool keepsReadOrder = false;
};

// Every property the rule names gets the value that wins in CSS's cascade and is included;
// every other property goes back to its default. A browser drops a declaration its grammar
// rejects (browserAccepts()): such a one neither wins nor overrides, while a valid one
// does. The one that wins is the last valid one, unless an earlier valid one is !important
// (or, with none valid, the last one). Declarations of the property that differ from it in
// validity or in a vendor prefix in the value are its fallbacks, kept as written beside
// its line; the others lose. A property a later valid shorthand overrides (margin-top
// before margin) is left out. While onlyChanged is on, the others keep their inclusion, so
// the rule already equals the text; while it is off, they are left out. A named value
// equal to its default only stays in the rule with the switch off, so then the switch goes
// off and the others are left out. Declarations the catalogue does not know, comments
// between declarations, nested rules and pieces that are no declaration are kept as
// written, in their order. Each line keeps its place in the text as its rank, so that the
// rule can keep what wins (RuleLines). `read` must have no error.
[[nodiscard]] ImportedRule importRule(const ReadRule &read, const RuleState &current);
