#pragma once

#include "Catalogue.h"
#include "RuleWindow.h"
#include "ValueList.h"
#include "WindowSurface.h"

#include <array>

class EditableCombo;
class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;
class RulePane;
class WrappingCheckBox;

// The main window. Every edit goes the same way: a handler moves one value from a
// control into the catalogue, then KonstrukceStylu rebuilds the whole rule into the
// pane. The rows are a view of ten catalogue entries, rewritten by the row refresh.
class FrmStylomat : public WindowSurface, public RuleWindow, public RowPage {
    Q_OBJECT

public:
    static constexpr int RowCount = 10;

    explicit FrmStylomat(QWidget *parent = nullptr);

    // The catalogue and flags the window edits.
    [[nodiscard]] const Catalogue &catalogue() const { return model; }

    // RuleWindow
    [[nodiscard]] QString selectorText() const override;
    [[nodiscard]] int onlyChangedValue() const override;
    [[nodiscard]] QString paneText() const override;
    void replacePaneText(const QString &text) override;

    // RowPage
    [[nodiscard]] int firstVisible() const override;
    [[nodiscard]] ValueList &valueList(int row) override;

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void placeControls();
    void connectHandlers();
    void orderTabs();

    [[nodiscard]] int propertyAt(int row) const;
    void KonstrukceStylu();
    void takeRowValue(int index);

    // Rows and paging
    void vscVlastnost_Change();
    void chkPopisek_Click(int index);
    void cmbHodnota_Click(int index);
    void cmbHodnota_KeyUp(int index);
    void cmbHodnota_Edited(int index);
    void tmrHodnota_Timer();
    void cmbSelektor_Click();
    void cmbSelektor_Change();
    void cmbSelektor_Validate();

    // Commands
    void cmdCSS_Click(int index);
    void cmdReset_Click();
    void cmdCopy_Click();
    void chkStyl_Click();
    void Form_Load();
    void Form_Initialize();
    void Form_DblClick();

    Catalogue model;

    // Created in this order, which is also the stacking order: the label sits under
    // the selector box it overlaps by one pixel.
    const std::array<QPushButton *, 2> cmdCSS; // elements 1 and 2 at [0] and [1]
    QLabel *const lblPopisek;
    EditableCombo *const cmbSelektor;
    WrappingCheckBox *const chkStyl;
    const std::array<WrappingCheckBox *, RowCount> chkPopisek; // row r at [r - 1]
    const std::array<EditableCombo *, RowCount> cmbHodnota;    // row r at [r - 1]
    QScrollBar *const vscVlastnost;
    RulePane *const rtbStyl;
    QPushButton *const cmdReset;
    QPushButton *const cmdCopy;
    QTimer *const tmrHodnota;
};
