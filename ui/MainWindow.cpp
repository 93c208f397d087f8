#include "MainWindow.h"

#include "AboutDialog.h"
#include "Composer.h"
#include "EditableCombo.h"
#include "FindPopup.h"
#include "HistoryStep.h"
#include "Layout.h"
#include "RuleBuilder.h"
#include "RuleImport.h"
#include "RulePane.h"
#include "Version.h"
#include "WindowFonts.h"
#include "WrappingButton.h"
#include "WrappingCheckBox.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>
#include <QUndoStack>

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

// What a read of the pane took, for the note beside it: short, the space is small.
QString readNote(const ImportedRule &imported)
{
    QStringList note{u"Převzato deklarací: %1."_s.arg(imported.declarationCount)};
    if (!imported.keptNames.isEmpty()) {
        const qsizetype more = imported.keptNames.size() - 3;
        note << u"Neznámé vlastnosti ponechány: %1%2."_s.arg(
            imported.keptNames.mid(0, 3).join(u", "_s),
            more > 0 ? u" a další (%1)"_s.arg(more) : QString());
    }
    if (imported.keptOther > 0)
        note << u"Ponecháno jiných částí: %1."_s.arg(imported.keptOther);
    if (imported.switchTurnedOff)
        note << u"Volba „Zapisovat pouze změněné vlastnosti“ vypnuta: pravidlo uvádí výchozí "
                u"hodnoty."_s;
    return note.join(u' ');
}

// Why the pane's text could not be read, and where.
QString unreadableNote(const ReadRule &read, const QString &text)
{
    static const QStringList faults{{},
                                    u"neuzavřený komentář"_s,
                                    u"neuzavřený řetězec nebo zpětné lomítko na konci"_s,
                                    u"neuzavřená závorka"_s,
                                    u"chybí uzavírací závorka }"_s,
                                    u"druhá závorka { uvnitř pravidla"_s,
                                    u"text za koncem pravidla"_s,
                                    u"závorka } bez otevírací {"_s};
    const qsizetype lineStart =
        read.errorAt == 0 ? 0 : text.lastIndexOf(u'\n', read.errorAt - 1) + 1;
    return u"Pravidlo nelze načíst: %1 (řádek %2, znak %3). Text zůstává, jak je napsán."_s
        .arg(faults.at(int(read.error)))
        .arg(text.left(read.errorAt).count(u'\n') + 1)
        .arg(read.errorAt - lineStart + 1);
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : WindowSurface(parent)
    , m_css1Button(new WrappingButton(u"CSS 1"_s, this))
    , m_css2Button(new WrappingButton(u"CSS 2"_s, this))
    , m_note(new QLabel(this))
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
    , m_history(new QUndoStack(this))
{
    placeControls();
    orderTabs();
    createActions();
    connectControls();
    refreshRows();
    rebuildRule();
    m_committed = state();
    m_rulePane->setFocus();
}

MainWindow::~MainWindow()
{
    // Hiding a window takes the focus from its controls, and they tell this window so:
    // it must happen while the window is whole, not in QWidget's destructor.
    hide();
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

    m_note->setObjectName(u"note"_s);
    m_note->setGeometry(layout::note.pixels());
    m_note->setWordWrap(true);
    QFont small = font();
    small.setPointSizeF(8.25);
    m_note->setFont(small);
    m_note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_note->hide();

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

void MainWindow::createActions()
{
    // The window's history serves every control, the text fields included.
    auto *const undo = new QAction(u"Zpět"_s, this);
    undo->setToolTip(u"vrátí poslední změnu (Ctrl+Z)"_s);
    undo->setShortcut(QKeySequence::Undo);
    connect(undo, &QAction::triggered, this, &MainWindow::undo);
    auto *const redo = new QAction(u"Znovu"_s, this);
    redo->setToolTip(u"provede vrácenou změnu znovu (Ctrl+Shift+Z nebo Ctrl+Y)"_s);
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(redo, &QAction::triggered, this, &MainWindow::redo);
    auto *const find = new QAction(u"Najít vlastnost"_s, this);
    find->setToolTip(u"najde vlastnost podle názvu nebo slova z popisu (Ctrl+F)"_s);
    find->setShortcut(QKeySequence::Find);
    connect(find, &QAction::triggered, this, [this] {
        if (m_find == nullptr) {
            m_find = new FindPopup(this);
            connect(m_find, &FindPopup::chosen, this,
                    [this](int property) { showProperty(property, true); });
        }
        const QRect rows = layout::rowCheck(0).pixels().united(layout::valueBox(0).pixels());
        m_find->open(mapToGlobal(rows.topLeft()), rows.width());
    });
    addActions({undo, redo, find});

    // Copying reads whatever waits in the pane first.
    const auto copying = [this](const QString &text, QString (*made)(bool, const Catalogue &)) {
        auto *const action = new QAction(text, this);
        connect(action, &QAction::triggered, this, [this, made] {
            if (m_rulePane->hasUnreadText())
                readRulePane();
            copy(made ? made(m_onlyChangedCheck->isChecked(), m_catalogue) : m_rulePane->text());
        });
        return action;
    };
    const QList<QAction *> copies{copying(u"Kopírovat pravidlo"_s, nullptr),
                                  copying(u"Kopírovat deklarace"_s, &declarationText),
                                  copying(u"Kopírovat jako atribut style"_s, &styleAttribute)};
    m_rulePane->setMenuActions({undo, redo, find}, copies);
    m_copyButton->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_copyButton, &QWidget::customContextMenuRequested, this,
            [this, undo, redo, find, copies](QPoint at) {
                QMenu menu(this);
                menu.setToolTipsVisible(true); // they name the keys
                menu.addActions({undo, redo, find});
                menu.addSeparator();
                menu.addActions(copies);
                menu.exec(m_copyButton->mapToGlobal(at));
            });
}

void MainWindow::connectControls()
{
    for (int row = 0; row < RowCount; ++row) {
        connect(m_rowChecks[row], &QCheckBox::clicked, this, [this, row] { setRowIncluded(row); });
        // A value is stored when the user changes the box's text (typing, pasting,
        // dropping, deleting) or picks an item from its list, and at no other time.
        EditableCombo *const box = m_valueBoxes[row];
        connect(box->lineEdit(), &QLineEdit::textEdited, this,
                [this, row] { storeRowValue(row, Edit::Typing); });
        connect(box, &QComboBox::activated, this, [this, row] { storeRowValue(row, Edit::Other); });
    }
    connect(m_selectorBox->lineEdit(), &QLineEdit::textEdited, this,
            [this] { storeSelector(Edit::Typing); });
    connect(m_selectorBox, &QComboBox::activated, this, [this] { storeSelector(Edit::Other); });
    connect(m_rowScrollBar, &QScrollBar::valueChanged, this, &MainWindow::refreshRows);
    connect(m_deferredRefresh, &QTimer::timeout, this, &MainWindow::refreshRows);
    connect(m_onlyChangedCheck, &QCheckBox::clicked, this, [this] { commit(Edit::Other, 0); });
    connect(m_css1Button, &QPushButton::clicked, this, [this] { selectCssLevel(CssLevel::Css1); });
    connect(m_css2Button, &QPushButton::clicked, this, [this] { selectCssLevel(CssLevel::Css2); });
    connect(m_resetButton, &QPushButton::clicked, this, &MainWindow::resetValues);
    connect(m_copyButton, &QPushButton::clicked, this, [this] { copy(m_rulePane->text()); });
    connect(m_rulePane, &RulePane::readRequested, this, &MainWindow::readRulePane);
    // A run of typing ends where the focus moves.
    connect(qApp, &QApplication::focusChanged, this, [this] { ++m_typingRun; });
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

void MainWindow::storeRowValue(int row, Edit edit)
{
    const QString text = m_valueBoxes[row]->currentText();
    const int index = propertyAt(row);
    if (text == QStringView(ComposeItem)) {
        composeShorthand(m_catalogue, index);
        m_deferredRefresh->start();
        commit(Edit::Other, index);
    } else if (text != m_catalogue.value(index)) { // else a pick of the value stored
        m_catalogue.setValue(index, text);
        commit(edit, index);
    }
}

void MainWindow::setRowIncluded(int row)
{
    m_catalogue.setIncluded(propertyAt(row), m_rowChecks[row]->isChecked());
    commit(Edit::Other, propertyAt(row));
}

void MainWindow::storeSelector(Edit edit)
{
    if (m_selectorBox->currentText() != m_committed.selector)
        commit(edit, 0);
}

void MainWindow::rebuildRule()
{
    m_rulePane->setRule(
        ruleText(m_selectorBox->currentText(), m_onlyChangedCheck->isChecked(), m_catalogue));
}

// After every change the user makes: the rule is rebuilt, the note of the last read
// goes, and the change becomes a step of the history.
void MainWindow::commit(Edit edit, int property)
{
    rebuildRule();
    showNote({});
    EditorState after = state();
    m_history->push(new HistoryStep(m_committed, after, property,
                                    edit == Edit::Typing ? m_typingRun : 0,
                                    [this](const EditorState &s, int p) { restore(s, p); }));
    m_committed = std::move(after);
}

void MainWindow::selectCssLevel(CssLevel level)
{
    m_catalogue.selectCssLevel(level);
    refreshRows();
    commit(Edit::Other, 0);
}

void MainWindow::resetValues()
{
    m_catalogue.resetValues();
    refreshRows();
    commit(Edit::Other, 0);
}

void MainWindow::readRulePane()
{
    if (!m_rulePane->hasUnreadText()) {
        rebuildRule(); // the pane's own undo may have brought back an older rule
        return;
    }
    const QString text = m_rulePane->toPlainText();
    const ReadRule read = readRule(text);
    if (read.error != ReadRule::Error::None) {
        showNote(unreadableNote(read, text));
        return;
    }
    const ImportedRule imported = importRule(read, m_catalogue, m_onlyChangedCheck->isChecked());
    m_catalogue = imported.catalogue;
    if (imported.selector)
        m_selectorBox->setEditText(*imported.selector);
    m_onlyChangedCheck->setChecked(imported.onlyChanged);
    m_rulePane->markRead();
    refreshRows();
    if (state() == m_committed) {
        rebuildRule();
        return;
    }
    commit(Edit::Other, 0);
    showNote(readNote(imported));
}

void MainWindow::copy(const QString &text)
{
    QClipboard *const clipboard = QGuiApplication::clipboard();
    clipboard->setText(text);
    if (clipboard->text() != text)
        std::fputs("stylomat: the text could not be put on the clipboard\n", stderr);
}

void MainWindow::showAbout()
{
    AboutDialog about;
    about.exec();
}

void MainWindow::showNote(const QString &note)
{
    if (note == m_note->text())
        return;
    m_note->setText(note);
    m_note->setVisible(!note.isEmpty());
    m_rulePane->setAccessibleDescription(note);
    if (!note.isEmpty()) {
        QAccessibleEvent alert(m_note, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
}

EditorState MainWindow::state() const
{
    return {m_catalogue, m_selectorBox->currentText(), m_onlyChangedCheck->isChecked()};
}

void MainWindow::restore(const EditorState &state, int property)
{
    m_catalogue = state.catalogue;
    m_selectorBox->setEditText(state.selector);
    m_onlyChangedCheck->setChecked(state.onlyChanged);
    m_committed = state;
    ++m_typingRun;
    const int first = m_rowScrollBar->value();
    if (property > 0 && (property < first || property >= first + RowCount))
        showProperty(property, false);
    refreshRows();
    rebuildRule();
    showNote({});
}

void MainWindow::undo()
{
    // Typing in the pane that is not read yet is the pane's own to take back first. Taken
    // back entirely, it leaves the rule it was typed over, which may be out of date.
    if (m_rulePane->hasFocus() && m_rulePane->document()->isUndoAvailable()) {
        m_rulePane->undo();
        rebuildRule();
    } else {
        m_history->undo();
    }
}

void MainWindow::redo()
{
    if (m_rulePane->hasFocus() && m_rulePane->document()->isRedoAvailable())
        m_rulePane->redo();
    else
        m_history->redo();
}

// Pages the rows so that the property is in the top row, or on the last page.
void MainWindow::showProperty(int property, bool focusValue)
{
    m_rowScrollBar->setValue(std::min(property, m_rowScrollBar->maximum()));
    if (focusValue)
        m_valueBoxes[property - m_rowScrollBar->value()]->setFocus(Qt::OtherFocusReason);
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
