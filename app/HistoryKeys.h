#pragma once

#include <QKeySequence>

class QEvent;

// The keys of the window's undo and redo, named in one place: the actions take them, and
// the text fields leave them to the actions instead of keeping their own undo.
[[nodiscard]] QList<QKeySequence> undoKeys();
[[nodiscard]] QList<QKeySequence> redoKeys();
// Whether a text field is asked to keep one of them for itself: it answers no.
[[nodiscard]] bool isHistoryKey(const QEvent *event);
