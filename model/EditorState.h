#pragma once

#include "Catalogue.h"

// Everything the user edits in the main window, as one value: what a step of the
// history restores.
struct EditorState {
    Catalogue catalogue;
    QString selector;
    bool onlyChanged = true;

    friend bool operator==(const EditorState &, const EditorState &) = default;
};
