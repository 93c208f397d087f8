#pragma once

#include "RuleState.h"

#include <QObject>

#include <deque>
#include <optional>

// The undo history of a rule. A step keeps only what it changed: the values and ticks of
// the properties that differ, the selector, the switch and the kept declarations if they
// differ; the texts are shared with the rule's state, not copied. A run of typing in one
// box is one step. The history is bounded: at most MaxSteps steps, and at most MaxTextBytes
// of text held by its steps, whichever comes first; the oldest steps go.
class History : public QObject {
    Q_OBJECT

public:
    static constexpr int MaxSteps = 500;
    static constexpr qsizetype MaxTextBytes = qsizetype(64) << 20;

    explicit History(QObject *parent = nullptr);
    ~History() override;

    // Records the change from `before` to `after`; a change of nothing is no step.
    // `property` is the one property changed, or 0. `typingRun` is 0 for a change that is
    // no typing, else the run the keystroke belongs to: keystrokes of one run and one
    // property (0 for the selector) fold into one step, and one typed and taken back
    // leaves none.
    void record(const RuleState &before, const RuleState &after, int property, int typingRun);
    // Takes back the last step in `state`, which must be the state after it; returns the
    // property it changed (0 for none in particular), or nothing when there is no step.
    std::optional<int> undo(RuleState &state);
    std::optional<int> redo(RuleState &state);

    [[nodiscard]] bool canUndo() const { return m_done > 0; }
    [[nodiscard]] bool canRedo() const;
    [[nodiscard]] qsizetype stepCount() const;
    // The text the steps hold, in bytes, counting a text shared by two steps twice.
    [[nodiscard]] qsizetype textBytes() const { return m_textBytes; }

Q_SIGNALS:
    void canUndoChanged(bool canUndo);
    void canRedoChanged(bool canRedo);

private:
    struct Step;

    void changed(bool couldUndo, bool couldRedo);

    std::deque<Step> m_steps;
    std::size_t m_done = 0; // steps before this one are done
    qsizetype m_textBytes = 0;
};
