#include "FrmStylomat.h"

#include "Composer.h"
#include "EditableCombo.h"
#include "FrmOProgramu.h"
#include "Layout.h"
#include "RuleBuilder.h"
#include "RulePane.h"
#include "Vocabulary.h"
#include "WindowFonts.h"
#include "WrappingButton.h"
#include "WrappingCheckBox.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>

#include <cstdio>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

template <class Control> std::array<Control *, FrmStylomat::RowCount> makeRows(QWidget *parent)
{
    std::array<Control *, FrmStylomat::RowCount> rows{};
    for (Control *&row : rows)
        row = new Control(parent);
    return rows;
}

const QStringList &selectorNames()
{
    static const QStringList names = {
        u"a"_s,    u"abbr"_s,       u"acronym"_s, u"address"_s, u"b"_s,      u"basefont"_s,
        u"big"_s,  u"blockquote"_s, u"body"_s,    u"caption"_s, u"center"_s, u"cite"_s,
        u"code"_s, u"dd"_s,         u"dfn"_s,     u"div"_s,     u"dl"_s,     u"dt"_s,
        u"em"_s,   u"h1"_s,         u"h2"_s,      u"h3"_s,      u"h4"_s,     u"h5"_s,
        u"h6"_s,   u"i"_s,          u"img"_s,     u"ins"_s,     u"label"_s,  u"legend"_s,
        u"li"_s,   u"ol"_s,         u"p"_s,       u"pre"_s,     u"q"_s,      u"s"_s,
        u"samp"_s, u"small"_s,      u"span"_s,    u"strike"_s,  u"strong"_s, u"style"_s,
        u"sub"_s,  u"sup"_s,        u"table"_s,   u"td"_s,      u"th"_s,     u"tr"_s,
        u"tt"_s,   u"u"_s,          u"ul"_s};
    return names;
}

} // namespace

FrmStylomat::FrmStylomat(QWidget *parent)
    : WindowSurface(parent)
    , cmdCSS{new WrappingButton(u"CSS 1"_s, this), new WrappingButton(u"CSS 2"_s, this)}
    , lblPopisek(new QLabel(u"Selektor:"_s, this))
    , cmbSelektor(new EditableCombo(this))
    , chkStyl(new WrappingCheckBox(this))
    , chkPopisek(makeRows<WrappingCheckBox>(this))
    , cmbHodnota(makeRows<EditableCombo>(this))
    , vscVlastnost(new QScrollBar(Qt::Vertical, this))
    , rtbStyl(new RulePane(this))
    , cmdReset(new WrappingButton(u"nastav výchozí hodnoty"_s, this))
    , cmdCopy(new WrappingButton(u"vlož styl do schránky"_s, this))
    , tmrHodnota(new QTimer(this))
{
    placeControls();
    orderTabs();
    connectHandlers();
    // Loading fills the catalogue before the first refresh draws the rows from it;
    // ticking the rows in that refresh builds the first rule.
    Form_Load();
    Form_Initialize();
    rtbStyl->setFocus();
}

void FrmStylomat::placeControls()
{
    setObjectName(u"FrmStylomat"_s);
    setWindowTitle(u"Stylomat 1.1"_s);
    setFixedSize(layout::mainClient.pixels().size());

    const QStringList cssTips = {u"vybere vlastnosti definované v CSS 1"_s,
                                 u"vybere vlastnosti definované v CSS 2"_s};
    const std::array<layout::Twips, 2> cssPlaces = {layout::cmdCSS1, layout::cmdCSS2};
    for (std::size_t i = 0; i < cmdCSS.size(); ++i) {
        cmdCSS[i]->setObjectName(u"cmdCSS%1"_s.arg(i + 1));
        cmdCSS[i]->setToolTip(cssTips[qsizetype(i)]);
        cmdCSS[i]->setGeometry(cssPlaces[i].pixels());
    }

    lblPopisek->setObjectName(u"lblPopisek"_s);
    lblPopisek->setGeometry(layout::lblPopisek.pixels());
    QFont bold = font();
    bold.setWeight(QFont::Bold);
    lblPopisek->setFont(bold);
    lblPopisek->setBuddy(cmbSelektor);

    cmbSelektor->setObjectName(u"cmbSelektor"_s);
    cmbSelektor->describe(u"Selektor"_s, u"prvek nebo jiný selektor, pro který pravidlo platí"_s);
    cmbSelektor->setGeometry(layout::cmbSelektor.pixels());
    cmbSelektor->addItems(selectorNames());
    cmbSelektor->setCurrentIndex(-1);
    cmbSelektor->setEditText(QString());

    chkStyl->setObjectName(u"chkStyl"_s);
    chkStyl->setText(u"Zapisovat pouze změněné vlastnosti"_s);
    chkStyl->setGeometry(layout::chkStyl.pixels());
    chkStyl->setChecked(true);

    for (int row = 1; row <= RowCount; ++row) {
        WrappingCheckBox *const tick = chkPopisek[std::size_t(row - 1)];
        tick->setObjectName(u"chkPopisek%1"_s.arg(row));
        tick->setGeometry(layout::chkPopisek(row).pixels());
        EditableCombo *const box = cmbHodnota[std::size_t(row - 1)];
        box->setObjectName(u"cmbHodnota%1"_s.arg(row));
        box->setGeometry(layout::cmbHodnota(row).pixels());
    }

    vscVlastnost->setObjectName(u"vscVlastnost"_s);
    vscVlastnost->setAccessibleName(u"Posun seznamu vlastností"_s);
    vscVlastnost->setAccessibleDescription(u"vybírá, kterých deset vlastností řádky ukazují"_s);
    vscVlastnost->setGeometry(layout::vscVlastnost.pixels());
    vscVlastnost->setRange(1, Catalogue::Count - RowCount + 1);
    vscVlastnost->setSingleStep(1);
    vscVlastnost->setPageStep(RowCount);
    vscVlastnost->setValue(1);
    vscVlastnost->setTracking(false); // the rows follow a dragged thumb when it is let go
    vscVlastnost->setFocusPolicy(Qt::StrongFocus);

    rtbStyl->setObjectName(u"rtbStyl"_s);
    rtbStyl->setAccessibleName(u"Pravidlo stylu"_s);
    rtbStyl->setGeometry(layout::rtbStyl.pixels());
    rtbStyl->setFont(paneFont());

    cmdReset->setObjectName(u"cmdReset"_s);
    cmdReset->setGeometry(layout::cmdReset.pixels());
    cmdCopy->setObjectName(u"cmdCopy"_s);
    cmdCopy->setGeometry(layout::cmdCopy.pixels());

    tmrHodnota->setObjectName(u"tmrHodnota"_s);
    tmrHodnota->setInterval(5);
}

void FrmStylomat::orderTabs()
{
    QList<QWidget *> order{rtbStyl, cmdReset, cmdCopy};
    order.append(QList<QWidget *>(cmbHodnota.begin(), cmbHodnota.end()));
    order.append(QList<QWidget *>(chkPopisek.begin(), chkPopisek.end()));
    order << vscVlastnost << chkStyl << cmbSelektor << cmdCSS[0] << cmdCSS[1];
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void FrmStylomat::connectHandlers()
{
    for (int index = 1; index <= int(cmdCSS.size()); ++index)
        connect(cmdCSS[std::size_t(index - 1)], &QPushButton::clicked, this,
                [this, index] { cmdCSS_Click(index); });
    for (int index = 1; index <= RowCount; ++index) {
        // toggled also fires when a refresh sets the tick from code, as the tick
        // handler has to.
        connect(chkPopisek[std::size_t(index - 1)], &QCheckBox::toggled, this,
                [this, index] { chkPopisek_Click(index); });
        EditableCombo *const box = cmbHodnota[std::size_t(index - 1)];
        connect(box, &QComboBox::activated, this, [this, index] { cmbHodnota_Click(index); });
        connect(box, &EditableCombo::keyReleased, this, [this, index] { cmbHodnota_KeyUp(index); });
        connect(box->lineEdit(), &QLineEdit::textEdited, this,
                [this, index] { cmbHodnota_Edited(index); });
    }
    connect(vscVlastnost, &QScrollBar::valueChanged, this, &FrmStylomat::vscVlastnost_Change);
    connect(tmrHodnota, &QTimer::timeout, this, &FrmStylomat::tmrHodnota_Timer);
    connect(cmbSelektor, &QComboBox::activated, this, &FrmStylomat::cmbSelektor_Click);
    connect(cmbSelektor, &QComboBox::editTextChanged, this, &FrmStylomat::cmbSelektor_Change);
    connect(cmbSelektor, &EditableCombo::focusLeaving, this, &FrmStylomat::cmbSelektor_Validate);
    connect(chkStyl, &QCheckBox::toggled, this, &FrmStylomat::chkStyl_Click);
    connect(cmdReset, &QPushButton::clicked, this, &FrmStylomat::cmdReset_Click);
    connect(cmdCopy, &QPushButton::clicked, this, &FrmStylomat::cmdCopy_Click);
}

QString FrmStylomat::selectorText() const
{
    return cmbSelektor->currentText();
}

int FrmStylomat::onlyChangedValue() const
{
    return chkStyl->isChecked() ? 1 : 0;
}

QString FrmStylomat::paneText() const
{
    return rtbStyl->text();
}

void FrmStylomat::replacePaneText(const QString &text)
{
    rtbStyl->setText(text);
}

int FrmStylomat::firstVisible() const
{
    return vscVlastnost->value();
}

ValueList &FrmStylomat::valueList(int row)
{
    if (row < 1 || row > RowCount)
        throw std::out_of_range("row " + std::to_string(row) + " is outside 1..10");
    return *cmbHodnota[std::size_t(row - 1)];
}

int FrmStylomat::propertyAt(int row) const
{
    return vscVlastnost->value() + row - 1;
}

void FrmStylomat::KonstrukceStylu()
{
    ::KonstrukceStylu(*this, model);
}

// ---- Rows and paging

void FrmStylomat::vscVlastnost_Change()
{
    for (int row = 1; row <= RowCount; ++row) {
        const int p = propertyAt(row);
        const Vlastnost &v = model.vlastnost(p);
        WrappingCheckBox *const tick = chkPopisek[std::size_t(row - 1)];
        tick->setText(v.Nazev);
        tick->setToolTip(v.Popis);
        tick->setChecked(model.zapsat(p) == 1); // may run chkPopisek_Click nested
        NaplnVyber(*this, qint16(row - 1));
        EditableCombo *const box = cmbHodnota[std::size_t(row - 1)];
        box->setEditText(v.Hodnota);
        box->describe(u"Hodnota vlastnosti "_s + v.Nazev, v.Popis);
    }
}

void FrmStylomat::chkPopisek_Click(int index)
{
    model.setZapsat(propertyAt(index), chkPopisek[std::size_t(index - 1)]->isChecked() ? 1 : 0);
    KonstrukceStylu();
}

void FrmStylomat::takeRowValue(int index)
{
    const QString text = cmbHodnota[std::size_t(index - 1)]->currentText();
    const int p = propertyAt(index);
    if (text == QStringView(ComposeItem)) {
        SlozeniHodnot(model, qint16(p));
        tmrHodnota->start();
    } else if (text == model.vlastnost(p).Hodnota) {
        return; // already stored, and the rule was built from it
    } else {
        model.setHodnota(p, text);
    }
    KonstrukceStylu();
}

void FrmStylomat::cmbHodnota_Click(int index)
{
    takeRowValue(index);
}

void FrmStylomat::cmbHodnota_KeyUp(int index)
{
    takeRowValue(index);
}

// Text that arrives without a key release (pasted or dropped with the mouse) is
// stored at once too, so the rule never disagrees with what the box shows.
void FrmStylomat::cmbHodnota_Edited(int index)
{
    takeRowValue(index);
}

void FrmStylomat::tmrHodnota_Timer()
{
    vscVlastnost_Change();
    tmrHodnota->stop();
}

void FrmStylomat::cmbSelektor_Click()
{
    KonstrukceStylu();
}

void FrmStylomat::cmbSelektor_Change()
{
    KonstrukceStylu();
}

void FrmStylomat::cmbSelektor_Validate()
{
    KonstrukceStylu();
}

// ---- Commands

void FrmStylomat::cmdCSS_Click(int index)
{
    model.selectCssLevel(index);
    vscVlastnost_Change();
    KonstrukceStylu();
}

void FrmStylomat::cmdReset_Click()
{
    model.resetValues();
    vscVlastnost_Change();
    KonstrukceStylu();
}

void FrmStylomat::cmdCopy_Click()
{
    const QString text = rtbStyl->text();
    QClipboard *const clipboard = QGuiApplication::clipboard();
    clipboard->setText(text);
    if (clipboard->text() != text)
        std::fputs("stylomat: the rule could not be put on the clipboard\n", stderr);
}

void FrmStylomat::chkStyl_Click()
{
    KonstrukceStylu();
}

void FrmStylomat::Form_Load()
{
    model.load();
}

void FrmStylomat::Form_Initialize()
{
    vscVlastnost_Change();
}

void FrmStylomat::Form_DblClick()
{
    FrmOProgramu about;
    about.exec();
}

void FrmStylomat::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Controls pass on the double-clicks they do not use; only the bare surface counts.
    if (event->button() == Qt::LeftButton && childAt(event->position().toPoint()) == nullptr)
        Form_DblClick();
}

void FrmStylomat::wheelEvent(QWheelEvent *event)
{
    // The wheel pages the rows wherever it is turned over the window's own controls.
    const int steps = event->angleDelta().y() / QWheelEvent::DefaultDeltasPerStep;
    if (steps == 0)
        return;
    vscVlastnost->setValue(vscVlastnost->value() - steps);
}
