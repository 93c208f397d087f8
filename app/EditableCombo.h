#pragma once

#include "ColourInValue.h"
#include "FamilyCompleter.h"

#include <QComboBox>

#include <optional>

class QAction;
class QStringListModel;

// An editable drop-down box that keeps whatever the user types exactly: no inline
// completion, nothing inserted or matched on Enter, no length limit, and the mouse wheel
// is left to the window instead of changing the value.
//
// A value longer than longText::Limit is shown shortened, ending in "…", until the user
// works in the box: the focus coming in, a key, a click or a drop first puts the whole
// value back. So paging past a long value costs no more than past a short one.
//
// Ctrl+Up and Ctrl+Down, with Shift or Alt, ask for the number at the cursor to be stepped;
// a box that offers a colour shows a swatch of the colour at the cursor at its start, which
// a click or Ctrl+Shift+C asks to choose.
class EditableCombo : public QComboBox {
    Q_OBJECT
    // What the frame says of the value, for a test or a tool that reads the box's state.
    Q_PROPERTY(Mark mark READ currentMark)

public:
    explicit EditableCombo(QWidget *parent);

    // Replaces the list and shows `text`, as setValue().
    void fill(const QStringList &items, const QString &text);
    // Shows `text`, with no item current, so that the first Down goes to the first item
    // whatever the text is.
    void setValue(const QString &text);
    // The value the box holds: its text, or the whole of a shortened one.
    [[nodiscard]] QString value() const { return m_whole.isNull() ? currentText() : m_whole; }
    [[nodiscard]] bool isShortened() const { return !m_whole.isNull(); }
    // What a screen reader announces for the box and its text field; the description is
    // also the tooltip.
    void describe(const QString &name, const QString &description);
    // A frame that says what the value means: none when it is valid, amber when CSS 2.1
    // dropped it, red when it is invalid. The reason follows the description in the tooltip
    // and in what a screen reader says.
    enum class Mark { None, Dropped, Invalid };
    Q_ENUM(Mark)
    void mark(Mark mark, const QString &reason);
    [[nodiscard]] Mark currentMark() const { return m_mark; }
    // Dims the value, still editable, when it is not in the rule; `note` says so after the
    // description. An empty note: the value is in the rule.
    void setLeftOut(const QString &note);
    // The window's undo and redo, which the box's own context menu offers in place of the
    // text field's.
    void setHistoryActions(QAction *undo, QAction *redo);
    // Whether Ctrl+Up and Ctrl+Down, with Shift or Alt, ask for steps, and the description
    // names them: for a property whose values hold numbers.
    void offerSteps(bool offer);
    // Whether the box shows a swatch of the value's colour, for a property that takes one.
    void offerColour(bool offer);
    // The colour the swatch shows, where it stands in the value; none when there is none.
    [[nodiscard]] ColourInValue colourAtCursor() const;
    // Completes the font family typed at the end of the text, or nothing.
    void completeFamilies(std::optional<FamilyCompleter::Where> where);

    void showPopup() override;

Q_SIGNALS:
    // The focus left the box: what was typed there is done with.
    void focusLeft();
    // A run of steps begins or ends: the keystrokes before it are done with.
    void runEnded();
    // Ctrl+Up or Ctrl+Down: the number at the cursor is to change by `by`.
    void stepRequested(double by);
    // The swatch was clicked or its key pressed.
    void colourRequested();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void showWhole();
    void describeWithReason();
    void showShortened(const QString &whole);
    void showContextMenu(QPoint at);
    void findColours(bool redraw);
    void showColour(bool redraw);

    QStringListModel *const m_items;
    QString m_whole; // the value while the box shows it shortened, else null
    bool m_shortening = false;
    QString m_name;
    QString m_description;
    Mark m_mark = Mark::None;
    QString m_reason;
    QString m_leftOut;
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
    bool m_steps = false;
    bool m_stepping = false;        // the last change was a step
    QAction *m_swatch = nullptr;    // made when first offered
    QList<ColourInValue> m_colours; // of the value, while the swatch is offered
    ColourInValue m_shownColour;    // what the swatch shows
    FamilyCompleter *m_families = nullptr;
};
