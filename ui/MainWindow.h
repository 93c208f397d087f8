#pragma once

#include "Catalogue.h"
#include "WindowSurface.h"

#include <array>

class EditableCombo;
class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;
class RulePane;
class WrappingCheckBox;

// The main window. Ten rows show ten properties of the catalogue at a time; the scroll
// bar says which. Every edit goes the same way: one value moves from a control into
// the catalogue, then rebuildRule() writes the whole rule into the pane again. The rows
// hold nothing of their own: refreshRows() rewrites them from the catalogue.
class MainWindow : public WindowSurface {
    Q_OBJECT

public:
    static constexpr int RowCount = 10;

    explicit MainWindow(QWidget *parent = nullptr);

    [[nodiscard]] const Catalogue &catalogue() const { return m_catalogue; }

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void placeControls();
    void orderTabs();
    void connectControls();

    [[nodiscard]] int propertyAt(int row) const;
    void refreshRows();
    void storeRowValue(int row);
    void setRowIncluded(int row);
    void rebuildRule();
    void selectCssLevel(CssLevel level);
    void resetValues();
    void copyRule();
    void showAbout();

    Catalogue m_catalogue;

    // Created in this order, which is also the stacking order: the label sits under
    // the selector box it overlaps by one pixel.
    QPushButton *const m_css1Button;
    QPushButton *const m_css2Button;
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
};
