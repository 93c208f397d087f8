#pragma once

#include "EditorState.h"
#include "WindowSurface.h"

#include <array>

class EditableCombo;
class FindPopup;
class QAction;
class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;
class QUndoStack;
class RulePane;
class WrappingCheckBox;

// The main window. Ten rows show ten properties of the catalogue at a time; the scroll
// bar says which. Every edit goes the same way: one value moves from a control into the
// catalogue, then commit() rebuilds the whole rule in the pane and makes the edit a step
// of the history. The rows hold nothing of their own: refreshRows() rewrites them from
// the catalogue. A rule the user types or pastes into the pane is read back by
// readRulePane().
class MainWindow : public WindowSurface {
    Q_OBJECT

public:
    static constexpr int RowCount = 10;

    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    [[nodiscard]] const Catalogue &catalogue() const { return m_catalogue; }

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    // What a step of the history is, for the steps that fold together.
    enum class Edit { Typing, Other };

    void placeControls();
    void orderTabs();
    void createActions();
    void connectControls();

    [[nodiscard]] int propertyAt(int row) const;
    void refreshRows();
    void storeRowValue(int row, Edit edit);
    void setRowIncluded(int row);
    void storeSelector(Edit edit);
    void rebuildRule();
    void commit(Edit edit, int property);
    void selectCssLevel(CssLevel level);
    void resetValues();
    void readRulePane();
    void copy(const QString &text);
    void showAbout();
    void showNote(const QString &note);

    [[nodiscard]] EditorState state() const;
    void restore(const EditorState &state, int property);
    void undo();
    void redo();
    void showProperty(int property, bool focusValue);

    Catalogue m_catalogue;
    EditorState m_committed; // the state the last step of the history left
    int m_typingRun = 1;     // a new run starts whenever the focus moves

    // Created in this order, which is also the stacking order: the label sits under
    // the selector box it overlaps by one pixel.
    QPushButton *const m_css1Button;
    QPushButton *const m_css2Button;
    QLabel *const m_note;
    QLabel *const m_selectorLabel;
    EditableCombo *const m_selectorBox;
    WrappingCheckBox *const m_onlyChangedCheck;
    const std::array<WrappingCheckBox *, RowCount> m_rowChecks;
    const std::array<EditableCombo *, RowCount> m_valueBoxes;
    QScrollBar *const m_rowScrollBar;
    RulePane *const m_rulePane;
    QPushButton *const m_resetButton;
    QPushButton *const m_copyButton;
    // Shows a composed value in its box once the pick that asked for it is over.
    QTimer *const m_deferredRefresh;
    QUndoStack *const m_history;
    FindPopup *m_find = nullptr; // made when first asked for
};
