#pragma once

#include "EditorState.h"

#include <QKeyEvent>
#include <QUndoCommand>

#include <functional>

// Whether a text field is asked to keep the Undo or Redo keys for itself: the window's
// history takes them instead, so a field answers no.
[[nodiscard]] inline bool isHistoryShortcut(const QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    const auto *const key = static_cast<const QKeyEvent *>(event);
    return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo);
}

// One step of the window's history: the state before and after it. A run of typing in
// one box is one step: keystrokes of the same run fold into it.
class HistoryStep : public QUndoCommand {
public:
    // Restores a state; `property` is the one property the step changed, or 0.
    using Restore = std::function<void(const EditorState &state, int property)>;

    // `typingRun` is 0 for a step that is no typing, else the run the keystroke belongs
    // to; keystrokes fold together when they are of one run and one property (0 for the
    // selector).
    HistoryStep(EditorState before, EditorState after, int property, int typingRun,
                Restore restore);

    void undo() override;
    void redo() override;
    [[nodiscard]] int id() const override { return m_typingRun == 0 ? -1 : 1; }
    bool mergeWith(const QUndoCommand *other) override;

private:
    EditorState m_before;
    EditorState m_after;
    int m_property;
    int m_typingRun;
    Restore m_restore;
    bool m_done = true; // pushed after the change was made
};
