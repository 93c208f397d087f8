#pragma once

#include "RuleReader.h"
#include "RuleState.h"

// What a rule read from the pane makes of the state, and what of it the note names.
struct ImportedRule {
    RuleState state;          // the selector stays when the text was declarations only
    int declarationCount = 0; // declarations of catalogue properties taken
    QStringList keptNames;    // unknown names kept as written, in order
    int keptOther = 0;        // pieces that are no declaration, kept as written
    // Declarations that lose to another of the same property, as written, in order.
    QStringList overridden;
    // Declarations a shorthand given after them overrides, as written, in order.
    QStringList overriddenByShorthand;
    bool switchTurnedOff = false;
};

// Every property the rule names gets the value that wins in CSS's cascade (the last one,
// unless an earlier one is !important) and is included; every other property goes back
// to its default. A property a shorthand overrides (margin-top before margin) is left out,
// as its shorthand is written first. While onlyChanged is on, the others keep their
// inclusion, so the rule already equals the text; while it is off, they are left out. A
// named value equal to its default only stays in the rule with the switch off, so then the
// switch goes off and the others are left out. Declarations the catalogue does not know
// and pieces that are no declaration are kept as written. `read` must have no error.
[[nodiscard]] ImportedRule importRule(const ReadRule &read, const RuleState &current);
