#pragma once

#include "EditorState.h"
#include "RuleBuilder.h"
#include "ValueGrammar.h"
#include "WindowSurface.h"

#include <array>

class EditableCombo;
class FindPopup;
class History;
class PreviewWindow;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QScrollBar;
class QTimer;
class RulePane;
struct ReadRule;
class WrappingCheckBox;

// The main window. Ten rows show ten properties of the catalogue at a time; the scroll
// bar says which. Every edit goes the same way: one value moves from a control into the
// catalogue, then commit() brings the rule's lines in the pane up to date and makes the
// edit a step of the history. The rows hold nothing of their own: refreshRows() rewrites
// them from the catalogue. A rule the user types or pastes into the pane is read back by
// readRulePane().
class MainWindow : public WindowSurface {
    Q_OBJECT

public:
    static constexpr int RowCount = 10;

    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    [[nodiscard]] const Catalogue &catalogue() const { return m_catalogue; }
    // The rule as built from what the window holds now.
    [[nodiscard]] QString rule() const { return m_lines.text(); }

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
    void markRow(int row);
    void storeRowValue(int row, Edit edit);
    void setRowIncluded(int row);
    void storeSelector(Edit edit);
    void rebuildRule();
    void commit(Edit edit, int property);
    void selectCssLevel(CssLevel level);
    void resetValues();
    void readRulePane();
    bool takeRule(const ReadRule &read);
    void copy(QString (*made)(bool, const Catalogue &));
    void showAbout();
    void showPreview();
    void showNote(const QString &note);
    void showMenu(QPoint at, bool editing);
    void updateHistoryActions();

    [[nodiscard]] EditorState state() const;
    void restore(const EditorState &state, int property);
    void undo();
    void redo();
    void showProperty(int property, bool focusValue);

    Catalogue m_catalogue;
    EditorState m_committed; // the state the last step of the history left
    RuleLines m_lines;       // the rule of the state
    int m_typingRun = 1;     // a new run starts whenever the focus moves
    int m_wheelTurn = 0;     // eighths of a degree turned and not yet a row
    // What each value means in CSS, and the value it was found for.
    std::array<std::pair<QString, ValueVerdict>, PropertyCount> m_verdicts;

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
    History *const m_history;
    QAction *m_undoAction = nullptr;
    QAction *m_redoAction = nullptr;
    // One menu for the pane and the copy button, built once: a screen reader then meets
    // the same menu each time it opens.
    QMenu *m_menu = nullptr;
    QAction *m_editingSeparator = nullptr;
    FindPopup *m_find = nullptr;        // made when first asked for
    PreviewWindow *m_preview = nullptr; // made when first asked for
};
