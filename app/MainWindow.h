#pragma once

#include "WindowSurface.h"

#include <array>

class EditableCombo;
class FindPopup;
class PreviewWindow;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class RowScrollBar;
class RuleDocument;
class RulePane;
struct RuleState;
class WrappingCheckBox;

// The main window: the controls of a RuleDocument. Ten rows show ten properties of the
// catalogue at a time; the scroll bar says which. A control's change goes to one of the
// document's verbs, and what the document says changed is shown: a row, the selector, the
// switch, the note, the undo actions. The pane and the preview observe the document
// themselves. The window keeps no state of its own but its controls'.
class MainWindow : public WindowSurface {
    Q_OBJECT

public:
    static constexpr int RowCount = 10;

    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    [[nodiscard]] const RuleDocument &document() const { return *m_document; }

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeControls();
    // Places the controls for the window's size.
    void layOut();
    void orderTabs();
    void createActions();
    void connectControls();
    void observeDocument();

    [[nodiscard]] int propertyAt(int row) const;
    // The row that shows the property, or -1.
    [[nodiscard]] int rowOf(int property) const;
    void refreshRows();
    void pageRows();
    void showRow(int row);
    void storeRowValue(int row, bool typing);
    void stepNumber(int row, double by);
    void chooseColour(int row);
    void readRulePane();
    void copy(QString (*made)(const RuleState &), const QString &said);
    void sayForAMoment(const QString &said);
    void showAbout();
    void showPreview();
    void showNote(const QString &note);
    void say(const QString &text, bool heard = true);
    void showMenu(QPoint at, bool editing);
    void updateHistoryActions();
    void undo();
    void redo();
    void showProperty(int property, bool focusValue);

    RuleDocument *const m_document;
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
    RowScrollBar *const m_rowScrollBar;
    RulePane *const m_rulePane;
    QPushButton *const m_resetButton;
    QPushButton *const m_copyButton;
    // Shows a composed value in its box once the pick that asked for it is over.
    QTimer *const m_deferredRefresh;
    // Ends what the note said of a copy.
    QTimer *const m_momentOver;
    QAction *m_undoAction = nullptr;
    QAction *m_redoAction = nullptr;
    // One menu for the pane and the copy button, built once: a screen reader then meets
    // the same menu each time it opens.
    QMenu *m_menu = nullptr;
    QAction *m_editingSeparator = nullptr;
    FindPopup *m_find = nullptr;        // made when first asked for
    PreviewWindow *m_preview = nullptr; // made when first asked for
};
