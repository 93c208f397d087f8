#pragma once

#include "PropertyValues.h"

#include <QStringList>

// Everything the user edits, as one value: what the rule is written from, and what a step
// of the history restores.
struct RuleState {
    PropertyValues values;
    // Declarations of a rule the user brought in that the catalogue does not know (newer
    // CSS, vendor prefixes) and pieces that are no declaration, each as written. The rule
    // writes them after the catalogue's declarations.
    QStringList kept;
    QString selector;
    bool onlyChanged = true;

    friend bool operator==(const RuleState &, const RuleState &) = default;
};
