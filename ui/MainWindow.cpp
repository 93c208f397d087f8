#include "MainWindow.h"

#include "AboutDialog.h"
#include "Composer.h"
#include "EditableCombo.h"
#include "Layout.h"
#include "RuleBuilder.h"
#include "RulePane.h"
#include "Version.h"
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

using namespace Qt::StringLiterals;

namespace {

template <class Control> std::array<Control *, MainWindow::RowCount> makeRows(QWidget *parent)
{
    std::array<Control *, MainWindow::RowCount> rows{};
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

MainWindow::MainWindow(QWidget *parent)
    : WindowSurface(parent)
    , m_css1Button(new WrappingButton(u"CSS 1"_s, this))
    , m_css2Button(new WrappingButton(u"CSS 2"_s, this))
    , m_selectorLabel(new QLabel(u"Selektor:"_s, this))
    , m_selectorBox(new EditableCombo(this))
    , m_onlyChangedCheck(new WrappingCheckBox(this))
    , m_rowChecks(makeRows<WrappingCheckBox>(this))
    , m_valueBoxes(makeRows<EditableCombo>(this))
    , m_rowScrollBar(new QScrollBar(Qt::Vertical, this))
    , m_rulePane(new RulePane(this))
    , m_resetButton(new WrappingButton(u"nastav výchozí hodnoty"_s, this))
    , m_copyButton(new WrappingButton(u"vlož styl do schránky"_s, this))
    , m_deferredRefresh(new QTimer(this))
{
    placeControls();
    orderTabs();
    connectControls();
    refreshRows();
    rebuildRule();
    m_rulePane->setFocus();
}

void MainWindow::placeControls()
{
    setObjectName(u"mainWindow"_s);
    setWindowTitle(u"Stylomat %1"_s.arg(ShortVersion));
    setFixedSize(layout::mainClient.pixels().size());

    m_css1Button->setObjectName(u"css1Button"_s);
    m_css1Button->setToolTip(u"vybere vlastnosti definované v CSS 1"_s);
    m_css1Button->setGeometry(layout::css1Button.pixels());
    m_css2Button->setObjectName(u"css2Button"_s);
    m_css2Button->setToolTip(u"vybere vlastnosti definované v CSS 2"_s);
    m_css2Button->setGeometry(layout::css2Button.pixels());

    m_selectorLabel->setObjectName(u"selectorLabel"_s);
    m_selectorLabel->setGeometry(layout::selectorLabel.pixels());
    QFont bold = font();
    bold.setWeight(QFont::Bold);
    m_selectorLabel->setFont(bold);
    m_selectorLabel->setBuddy(m_selectorBox);

    m_selectorBox->setObjectName(u"selectorBox"_s);
    m_selectorBox->describe(u"Selektor"_s, u"prvek nebo jiný selektor, pro který pravidlo platí"_s);
    m_selectorBox->setGeometry(layout::selectorBox.pixels());
    m_selectorBox->fill(selectorNames(), QString());

    m_onlyChangedCheck->setObjectName(u"onlyChangedCheck"_s);
    m_onlyChangedCheck->setText(u"Zapisovat pouze změněné vlastnosti"_s);
    m_onlyChangedCheck->setGeometry(layout::onlyChangedCheck.pixels());
    m_onlyChangedCheck->setChecked(true);

    for (int row = 0; row < RowCount; ++row) {
        m_rowChecks[row]->setObjectName(u"rowCheck%1"_s.arg(row + 1));
        m_rowChecks[row]->setGeometry(layout::rowCheck(row).pixels());
        m_valueBoxes[row]->setObjectName(u"valueBox%1"_s.arg(row + 1));
        m_valueBoxes[row]->setGeometry(layout::valueBox(row).pixels());
    }

    m_rowScrollBar->setObjectName(u"rowScrollBar"_s);
    m_rowScrollBar->setAccessibleName(u"Posun seznamu vlastností"_s);
    m_rowScrollBar->setAccessibleDescription(u"vybírá, kterých deset vlastností řádky ukazují"_s);
    m_rowScrollBar->setGeometry(layout::rowScrollBar.pixels());
    m_rowScrollBar->setRange(1, PropertyCount - RowCount + 1);
    m_rowScrollBar->setPageStep(RowCount);
    m_rowScrollBar->setTracking(false); // the rows follow a dragged thumb when it is let go
    m_rowScrollBar->setFocusPolicy(Qt::StrongFocus);

    m_rulePane->setObjectName(u"rulePane"_s);
    m_rulePane->setAccessibleName(u"Pravidlo stylu"_s);
    m_rulePane->setGeometry(layout::rulePane.pixels());
    m_rulePane->setFont(paneFont());

    m_resetButton->setObjectName(u"resetButton"_s);
    m_resetButton->setGeometry(layout::resetButton.pixels());
    m_copyButton->setObjectName(u"copyButton"_s);
    m_copyButton->setGeometry(layout::copyButton.pixels());

    m_deferredRefresh->setObjectName(u"deferredRefresh"_s);
    m_deferredRefresh->setSingleShot(true);
    m_deferredRefresh->setInterval(5);
}

void MainWindow::orderTabs()
{
    QList<QWidget *> order{m_rulePane, m_resetButton, m_copyButton};
    order.append(QList<QWidget *>(m_valueBoxes.begin(), m_valueBoxes.end()));
    order.append(QList<QWidget *>(m_rowChecks.begin(), m_rowChecks.end()));
    order << m_rowScrollBar << m_onlyChangedCheck << m_selectorBox << m_css1Button << m_css2Button;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void MainWindow::connectControls()
{
    for (int row = 0; row < RowCount; ++row) {
        connect(m_rowChecks[row], &QCheckBox::clicked, this, [this, row] { setRowIncluded(row); });
        // A value is stored when the user changes the box's text (typing, pasting,
        // dropping, deleting) or picks an item from its list, and at no other time.
        EditableCombo *const box = m_valueBoxes[row];
        connect(box->lineEdit(), &QLineEdit::textEdited, this, [this, row] { storeRowValue(row); });
        connect(box, &QComboBox::activated, this, [this, row] { storeRowValue(row); });
    }
    connect(m_rowScrollBar, &QScrollBar::valueChanged, this, &MainWindow::refreshRows);
    connect(m_deferredRefresh, &QTimer::timeout, this, &MainWindow::refreshRows);
    connect(m_selectorBox, &QComboBox::editTextChanged, this, &MainWindow::rebuildRule);
    connect(m_onlyChangedCheck, &QCheckBox::clicked, this, &MainWindow::rebuildRule);
    connect(m_css1Button, &QPushButton::clicked, this, [this] { selectCssLevel(CssLevel::Css1); });
    connect(m_css2Button, &QPushButton::clicked, this, [this] { selectCssLevel(CssLevel::Css2); });
    connect(m_resetButton, &QPushButton::clicked, this, &MainWindow::resetValues);
    connect(m_copyButton, &QPushButton::clicked, this, &MainWindow::copyRule);
}

int MainWindow::propertyAt(int row) const
{
    return m_rowScrollBar->value() + row;
}

void MainWindow::refreshRows()
{
    for (int row = 0; row < RowCount; ++row) {
        const int index = propertyAt(row);
        const Property &p = Property::at(index);
        m_rowChecks[row]->setText(p.name);
        m_rowChecks[row]->setToolTip(p.description);
        m_rowChecks[row]->setChecked(m_catalogue.isIncluded(index));
        m_valueBoxes[row]->fill(p.offeredValues, m_catalogue.value(index));
        m_valueBoxes[row]->describe(u"Hodnota vlastnosti "_s + p.name, p.description);
    }
}

void MainWindow::storeRowValue(int row)
{
    const QString text = m_valueBoxes[row]->currentText();
    const int index = propertyAt(row);
    if (text == QStringView(ComposeItem)) {
        composeShorthand(m_catalogue, index);
        m_deferredRefresh->start();
    } else if (text == m_catalogue.value(index)) {
        return; // a pick of the value already stored
    } else {
        m_catalogue.setValue(index, text);
    }
    rebuildRule();
}

void MainWindow::setRowIncluded(int row)
{
    m_catalogue.setIncluded(propertyAt(row), m_rowChecks[row]->isChecked());
    rebuildRule();
}

void MainWindow::rebuildRule()
{
    m_rulePane->setText(
        ruleText(m_selectorBox->currentText(), m_onlyChangedCheck->isChecked(), m_catalogue));
}

void MainWindow::selectCssLevel(CssLevel level)
{
    m_catalogue.selectCssLevel(level);
    refreshRows();
    rebuildRule();
}

void MainWindow::resetValues()
{
    m_catalogue.resetValues();
    refreshRows();
    rebuildRule();
}

void MainWindow::copyRule()
{
    const QString text = m_rulePane->text();
    QClipboard *const clipboard = QGuiApplication::clipboard();
    clipboard->setText(text);
    if (clipboard->text() != text)
        std::fputs("stylomat: the rule could not be put on the clipboard\n", stderr);
}

void MainWindow::showAbout()
{
    AboutDialog about;
    about.exec();
}

void MainWindow::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Controls pass on the double-clicks they do not use; only the bare surface counts.
    if (event->button() == Qt::LeftButton && childAt(event->position().toPoint()) == nullptr)
        showAbout();
}

void MainWindow::wheelEvent(QWheelEvent *event)
{
    // The wheel pages the rows wherever it is turned over the window's own controls.
    const int steps = event->angleDelta().y() / QWheelEvent::DefaultDeltasPerStep;
    m_rowScrollBar->setValue(m_rowScrollBar->value() - steps);
}
