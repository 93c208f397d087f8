#pragma once

#include "RuleState.h"
#include "RuleWriter.h"
#include "ValueGrammar.h"

#include <QObject>

#include <array>

class History;
struct ReadRule;

// The rule the user edits, and everything about it: the values and ticks of the 102
// properties, the selector, the only-changed switch, the declarations kept as written,
// the rule's lines, what each value means in CSS, the note on the last read of a rule,
// and the undo history. Its verbs are the user's acts; each one that changes something
// brings the lines up to date, becomes a step of the history and says what changed.
// The windows only show it:
//
//   control -> verb -> state -> lines, history -> signals -> rows, pane, preview, note
class RuleDocument : public QObject {
    Q_OBJECT

public:
    // Keystrokes in one box fold into one step until endTypingRun(); any other edit is a
    // step of its own.
    enum class Edit { Typing, Other };

    explicit RuleDocument(QObject *parent = nullptr);
    ~RuleDocument() override;

    [[nodiscard]] const RuleState &state() const { return m_state; }
    [[nodiscard]] const QString &value(int property) const
    {
        return m_state.values.value(property);
    }
    [[nodiscard]] bool isIncluded(int property) const
    {
        return m_state.values.isIncluded(property);
    }
    [[nodiscard]] const QString &selector() const { return m_state.selector; }
    [[nodiscard]] bool onlyChanged() const { return m_state.onlyChanged; }
    // The rule as written, line by line, and whole.
    [[nodiscard]] const RuleLines &lines() const { return m_lines; }
    [[nodiscard]] QString ruleText() const { return m_lines.text(); }
    // What the property's value means in CSS, with its Baseline support; NoEffect when the
    // rule writes it and its other declarations or selector make it do nothing
    // (RuleContext). The value's own meaning is found once for each value, so that paging
    // past a long value does not check it again.
    [[nodiscard]] ValueVerdict verdict(int property) const;
    // What the last read of a rule took, or why a text could not be read; empty when there
    // is nothing to say.
    [[nodiscard]] const QString &note() const { return m_note; }
    [[nodiscard]] bool canUndo() const;
    [[nodiscard]] bool canRedo() const;

    // A value as the user gives it. The compose item composes the shorthand instead.
    void setValue(int property, const QString &value, Edit edit);
    void setIncluded(int property, bool included);
    void setSelector(const QString &selector, Edit edit);
    void setOnlyChanged(bool onlyChanged);
    void selectCssLevel(CssLevel level);
    // Every value back to its default; ticks, selector and switch stay.
    void resetValues();
    // The shorthand's value composed from its parts; a property that is no shorthand
    // changes nothing.
    void compose(int shorthand);
    // Takes a rule or declarations read from `text`, which the cascade decides; the note
    // says what was taken. A text that cannot be read changes nothing, and the note says
    // why and where. Returns whether the text was read.
    bool read(const QString &text);
    // The same for a text given over the rule, which is taken only when it reads as a rule
    // or as declarations; anything else (a value, a word) is not, and changes nothing.
    bool readIfRule(const QString &text);
    void undo();
    void redo();
    // The next keystroke starts a step of its own: the focus left the box typed in.
    void endTypingRun();
    // Whether text the user typed over the rule waits to be read. Meanwhile a change keeps
    // the note, which may say why that text could not be read.
    void setDraftPending(bool pending);

Q_SIGNALS:
    // The value or the tick of a property changed.
    void propertyChanged(int property);
    void selectorChanged(const QString &selector);
    void onlyChangedChanged(bool onlyChanged);
    void linesChanged();
    void noteChanged(const QString &note);
    void canUndoChanged(bool canUndo);
    void canRedoChanged(bool canRedo);
    // An undo or redo restored a step; it changed this property (0 for none in particular),
    // which a view may bring into sight.
    void restored(int property);

private:
    // Takes a rule read without fault from `text`.
    void take(const ReadRule &read, const QString &text);
    // After the state changed from `before`: the lines, the signals, the note and the step.
    void changed(const RuleState &before, int property, Edit edit, bool record = true);
    void setNote(const QString &note);
    // The value's own meaning, without what the rest of the rule makes of it.
    [[nodiscard]] const ValueVerdict &valueVerdict(int property) const;

    RuleState m_state;
    RuleLines m_lines;
    History *const m_history;
    int m_typingRun = 1;
    bool m_draftPending = false;
    QString m_note;
    // Each value's meaning, and the value it was found for.
    mutable std::array<std::pair<QString, ValueVerdict>, PropertyCount> m_verdicts;
};
