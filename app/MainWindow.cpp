#include "MainWindow.h"

#include "AboutDialog.h"
#include "EditableCombo.h"
#include "FindPopup.h"
#include "HistoryKeys.h"
#include "Layout.h"
#include "PreviewWindow.h"
#include "RowScrollBar.h"
#include "RuleDocument.h"
#include "RulePane.h"
#include "Selectors.h"
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

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : WindowSurface(parent)
    , m_document(new RuleDocument(this))
    , m_css1Button(new WrappingButton(u"CSS 1"_s, this))
    , m_css2Button(new WrappingButton(u"CSS 2"_s, this))
    , m_note(new QLabel(this))
    , m_selectorLabel(new QLabel(tr("Selektor:"), this))
    , m_selectorBox(new EditableCombo(this))
    , m_onlyChangedCheck(new WrappingCheckBox(this))
    , m_rowChecks(makeRows<WrappingCheckBox>(this))
    , m_valueBoxes(makeRows<EditableCombo>(this))
    , m_rowScrollBar(new RowScrollBar(this))
    , m_rulePane(new RulePane(this))
    , m_resetButton(new WrappingButton(tr("nastav výchozí hodnoty"), this))
    , m_copyButton(new WrappingButton(tr("vlož styl do schránky"), this))
    , m_deferredRefresh(new QTimer(this))
{
    placeControls();
    orderTabs();
    createActions();
    connectControls();
    observeDocument();
    refreshRows();
    m_rulePane->setFocus();
}

MainWindow::~MainWindow()
{
    // Hiding a window, or closing the preview, moves the focus, and this window hears of
    // it: that must happen while the window is whole, not in QWidget's destructor.
    delete m_preview;
    hide();
}

void MainWindow::placeControls()
{
    setObjectName(u"mainWindow"_s);
    setWindowTitle(u"Stylomat %1"_s.arg(ShortVersion));
    setFixedSize(layout::mainClient.pixels().size());

    m_css1Button->setObjectName(u"css1Button"_s);
    m_css1Button->setToolTip(tr("vybere vlastnosti definované v CSS 1"));
    m_css1Button->setGeometry(layout::css1Button.pixels());
    m_css2Button->setObjectName(u"css2Button"_s);
    m_css2Button->setToolTip(tr("vybere vlastnosti definované v CSS 2"));
    m_css2Button->setGeometry(layout::css2Button.pixels());

    m_selectorLabel->setObjectName(u"selectorLabel"_s);
    m_selectorLabel->setGeometry(layout::selectorLabel.pixels());
    QFont bold = font();
    bold.setWeight(QFont::Bold);
    m_selectorLabel->setFont(bold);
    m_selectorLabel->setBuddy(m_selectorBox);

    m_selectorBox->setObjectName(u"selectorBox"_s);
    m_selectorBox->describe(tr("Selektor"),
                            tr("prvek nebo jiný selektor, pro který pravidlo platí"));
    m_selectorBox->setGeometry(layout::selectorBox.pixels());
    m_selectorBox->fill(selectorNames(), QString());

    m_onlyChangedCheck->setObjectName(u"onlyChangedCheck"_s);
    m_onlyChangedCheck->setText(tr("Zapisovat pouze změněné vlastnosti"));
    m_onlyChangedCheck->setGeometry(layout::onlyChangedCheck.pixels());
    m_onlyChangedCheck->setChecked(m_document->onlyChanged());

    for (int row = 0; row < RowCount; ++row) {
        m_rowChecks[row]->setObjectName(u"rowCheck%1"_s.arg(row + 1));
        m_rowChecks[row]->setGeometry(layout::rowCheck(row).pixels());
        m_valueBoxes[row]->setObjectName(u"valueBox%1"_s.arg(row + 1));
        m_valueBoxes[row]->setGeometry(layout::valueBox(row).pixels());
    }

    m_rowScrollBar->setObjectName(u"rowScrollBar"_s);
    m_rowScrollBar->setAccessibleName(tr("Posun seznamu vlastností"));
    m_rowScrollBar->setAccessibleDescription(tr("vybírá, kterých deset vlastností řádky ukazují"));
    m_rowScrollBar->setGeometry(layout::rowScrollBar.pixels());
    m_rowScrollBar->setRange(1, PropertyCount - RowCount + 1);
    m_rowScrollBar->setPageStep(RowCount);
    m_rowScrollBar->setTracking(false); // the rows follow a dragged thumb when it is let go
    m_rowScrollBar->setFocusPolicy(Qt::StrongFocus);

    m_rulePane->setObjectName(u"rulePane"_s);
    m_rulePane->setAccessibleName(tr("Pravidlo stylu"));
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
    // The window's actions, with their keys. A tooltip names the keys, which the menu
    // shows too.
    const auto action =
        [this](const QString &text, const QString &tip, const QList<QKeySequence> &keys, auto act) {
            auto *const made = new QAction(text, this);
            made->setShortcuts(keys);
            if (!tip.isEmpty())
                made->setToolTip(tip.arg(QKeySequence::listToString(keys, QKeySequence::NativeText)
                                             .replace(u"; "_s, tr(" nebo "))));
            connect(made, &QAction::triggered, this, act);
            addAction(made);
            return made;
        };
    // The window's history serves every control, the text fields included.
    m_undoAction =
        action(tr("Zpět"), tr("vrátí poslední změnu (%1)"), undoKeys(), &MainWindow::undo);
    m_redoAction =
        action(tr("Znovu"), tr("provede vrácenou změnu znovu (%1)"), redoKeys(), &MainWindow::redo);
    QAction *const find =
        action(tr("Najít vlastnost"),
               tr("najde vlastnost podle názvu nebo slova z popisu (%1)"),
               QKeySequence::keyBindings(QKeySequence::Find),
               [this] {
                   if (m_find == nullptr) {
                       m_find = new FindPopup(this);
                       connect(m_find, &FindPopup::chosen, this, [this](int property) {
                           showProperty(property, true);
                       });
                   }
                   const QRect rows =
                       layout::rowCheck(0).pixels().united(layout::valueBox(0).pixels());
                   m_find->open(mapToGlobal(rows.topLeft()), rows.width());
               });
    QAction *const preview = action(tr("Náhled"),
                                    tr("ukáže, jak pravidlo vypadá na ukázce prvku (%1)"),
                                    {QKeySequence(Qt::CTRL | Qt::Key_P)},
                                    &MainWindow::showPreview);
    QAction *const about = action(tr("O programu"),
                                  tr("ukáže informace o programu (%1)"),
                                  QKeySequence::keyBindings(QKeySequence::HelpContents),
                                  &MainWindow::showAbout);
    // Copying reads whatever waits in the pane first.
    const auto copying = [this](const QString &text, QString (*made)(const RuleState &)) {
        auto *const copyAction = new QAction(text, this);
        connect(copyAction, &QAction::triggered, this, [this, made] { copy(made); });
        return copyAction;
    };

    m_menu = new QMenu(this);
    m_menu->setObjectName(u"contextMenu"_s);
    m_menu->setToolTipsVisible(true);
    m_menu->addActions({m_undoAction, m_redoAction, find});
    m_menu->addSeparator();
    m_menu->addActions(m_rulePane->editActions());
    m_editingSeparator = m_menu->addSeparator();
    m_menu->addActions({copying(tr("Kopírovat pravidlo"), nullptr),
                        copying(tr("Kopírovat deklarace"), &declarationText),
                        copying(tr("Kopírovat jako atribut style"), &styleAttribute)});
    m_menu->addSeparator();
    m_menu->addActions({preview, about});
    connect(m_rulePane, &RulePane::menuRequested, this, [this](QPoint at) { showMenu(at, true); });
    m_copyButton->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_copyButton, &QWidget::customContextMenuRequested, this, [this](QPoint at) {
        showMenu(m_copyButton->mapToGlobal(at), false);
    });
    updateHistoryActions();
}

void MainWindow::connectControls()
{
    for (int row = 0; row < RowCount; ++row) {
        connect(m_rowChecks[row], &QCheckBox::clicked, this, [this, row](bool checked) {
            m_document->setIncluded(propertyAt(row), checked);
        });
        // A value is stored when the user changes the box's text (typing, pasting,
        // dropping, deleting) or picks an item from its list, and at no other time.
        EditableCombo *const box = m_valueBoxes[row];
        connect(box->lineEdit(), &QLineEdit::textEdited, this, [this, row] {
            storeRowValue(row, true);
        });
        connect(box, &QComboBox::activated, this, [this, row] { storeRowValue(row, false); });
        connect(box, &EditableCombo::focusLeft, m_document, &RuleDocument::endTypingRun);
    }
    const auto storeSelector = [this](RuleDocument::Edit edit) {
        m_document->setSelector(m_selectorBox->value(), edit);
    };
    connect(m_selectorBox->lineEdit(), &QLineEdit::textEdited, this, [storeSelector] {
        storeSelector(RuleDocument::Edit::Typing);
    });
    connect(m_selectorBox, &QComboBox::activated, this, [storeSelector] {
        storeSelector(RuleDocument::Edit::Other);
    });
    connect(m_selectorBox, &EditableCombo::focusLeft, m_document, &RuleDocument::endTypingRun);
    connect(m_rowScrollBar, &QScrollBar::valueChanged, this, &MainWindow::refreshRows);
    connect(m_deferredRefresh, &QTimer::timeout, this, &MainWindow::refreshRows);
    connect(m_onlyChangedCheck, &QCheckBox::clicked, m_document, &RuleDocument::setOnlyChanged);
    connect(m_css1Button, &QPushButton::clicked, this, [this] {
        m_document->selectCssLevel(CssLevel::Css1);
    });
    connect(m_css2Button, &QPushButton::clicked, this, [this] {
        m_document->selectCssLevel(CssLevel::Css2);
    });
    connect(m_resetButton, &QPushButton::clicked, m_document, &RuleDocument::resetValues);
    connect(m_copyButton, &QPushButton::clicked, this, [this] { copy(nullptr); });
    connect(m_rulePane, &RulePane::readRequested, this, &MainWindow::readRulePane);
    m_rulePane->setPasteHandler(
        [this](const QString &text) { return m_document->readIfRule(text); });
    QTextDocument *const typed = m_rulePane->document();
    connect(typed, &QTextDocument::modificationChanged, m_document, &RuleDocument::setDraftPending);
    connect(typed, &QTextDocument::undoAvailable, this, &MainWindow::updateHistoryActions);
    connect(typed, &QTextDocument::redoAvailable, this, &MainWindow::updateHistoryActions);
    connect(typed, &QTextDocument::modificationChanged, this, &MainWindow::updateHistoryActions);
}

void MainWindow::observeDocument()
{
    m_rulePane->observe(m_document);
    connect(m_document, &RuleDocument::propertyChanged, this, [this](int property) {
        if (const int row = rowOf(property); row >= 0)
            showRow(row);
    });
    connect(m_document, &RuleDocument::selectorChanged, this, [this](const QString &selector) {
        if (m_selectorBox->value() != selector)
            m_selectorBox->setEditText(selector);
    });
    connect(
        m_document, &RuleDocument::onlyChangedChanged, m_onlyChangedCheck, &QCheckBox::setChecked);
    connect(m_document, &RuleDocument::noteChanged, this, &MainWindow::showNote);
    connect(m_document, &RuleDocument::canUndoChanged, this, &MainWindow::updateHistoryActions);
    connect(m_document, &RuleDocument::canRedoChanged, this, &MainWindow::updateHistoryActions);
    connect(m_document, &RuleDocument::restored, this, [this](int property) {
        if (property > 0 && rowOf(property) < 0)
            showProperty(property, false);
    });
}

int MainWindow::propertyAt(int row) const
{
    return m_rowScrollBar->value() + row;
}

int MainWindow::rowOf(int property) const
{
    const int row = property - m_rowScrollBar->value();
    return row >= 0 && row < RowCount ? row : -1;
}

void MainWindow::refreshRows()
{
    for (int row = 0; row < RowCount; ++row) {
        const int index = propertyAt(row);
        const Property &p = Property::at(index);
        m_rowChecks[row]->setText(p.name);
        const QString description = p.shownDescription();
        m_rowChecks[row]->setToolTip(description);
        m_valueBoxes[row]->fill(p.offeredValues, m_document->value(index));
        m_valueBoxes[row]->describe(tr("Hodnota vlastnosti %1").arg(p.name), description);
        showRow(row);
    }
}

// The row's tick, its value unless the box shows it already, and what the value means
// in CSS.
void MainWindow::showRow(int row)
{
    const int index = propertyAt(row);
    m_rowChecks[row]->setChecked(m_document->isIncluded(index));
    EditableCombo *const box = m_valueBoxes[row];
    if (box->value() != m_document->value(index))
        box->setValue(m_document->value(index));
    const ValueVerdict verdict = m_document->verdict(index);
    using Kind = ValueVerdict::Kind;
    box->mark(verdict.kind == Kind::Invalid ? EditableCombo::Mark::Invalid
              : verdict.kind == Kind::Valid || verdict.kind == Kind::Later
                  ? EditableCombo::Mark::None
                  : EditableCombo::Mark::Dropped,
              verdict.explanation());
}

void MainWindow::storeRowValue(int row, bool typing)
{
    const QString text = m_valueBoxes[row]->value();
    const int index = propertyAt(row);
    m_document->setValue(
        index, text, typing ? RuleDocument::Edit::Typing : RuleDocument::Edit::Other);
    // A composed value, or what stays of the compose item: the box shows it once the pick
    // is over.
    if (m_document->value(index) != text)
        m_deferredRefresh->start();
}

// The preview is made when first asked for, and draws the document's rule.
void MainWindow::showPreview()
{
    if (m_preview == nullptr)
        m_preview = new PreviewWindow(m_document, this);
    m_preview->show();
    m_preview->raise();
    m_preview->activateWindow();
}

void MainWindow::readRulePane()
{
    if (m_rulePane->hasUnreadText() && m_document->read(m_rulePane->documentText()))
        m_rulePane->markRead();
}

void MainWindow::copy(QString (*made)(const RuleState &))
{
    if (m_rulePane->hasUnreadText())
        readRulePane();
    const QString text = made ? made(m_document->state()) : m_rulePane->text();
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

// The one context menu, with the pane's editing actions when it opens over the pane.
void MainWindow::showMenu(QPoint at, bool editing)
{
    for (QAction *const action : m_rulePane->editActions())
        action->setVisible(editing);
    m_editingSeparator->setVisible(editing);
    m_menu->exec(at);
}

// Typing in the pane that waits to be read is taken back first, wherever the focus is, and
// brought back first: it stands over the rule. Then the document's steps.
void MainWindow::updateHistoryActions()
{
    m_undoAction->setEnabled(m_document->canUndo() || m_rulePane->canUndoTyping());
    m_redoAction->setEnabled(m_document->canRedo() || m_rulePane->canRedoTyping());
}

void MainWindow::undo()
{
    if (m_rulePane->canUndoTyping())
        m_rulePane->undoTyping();
    else
        m_document->undo();
}

void MainWindow::redo()
{
    if (m_rulePane->canRedoTyping())
        m_rulePane->redoTyping();
    else
        m_document->redo();
}

// Pages the rows so that the property is in the top row, or on the last page; the found
// value's box then has the focus with its text selected, so that typing replaces it.
void MainWindow::showProperty(int property, bool focusValue)
{
    m_rowScrollBar->setValue(std::min(property, m_rowScrollBar->maximum()));
    if (!focusValue)
        return;
    EditableCombo *const box = m_valueBoxes[property - m_rowScrollBar->value()];
    box->setFocus(Qt::ShortcutFocusReason); // which selects the text, as a shortcut's does
    box->lineEdit()->selectAll();           // when the focus is there already
}

void MainWindow::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Controls pass on the double-clicks they do not use; only the bare surface counts.
    if (event->button() == Qt::LeftButton && childAt(event->position().toPoint()) == nullptr)
        showAbout();
}

void MainWindow::wheelEvent(QWheelEvent *event)
{
    m_rowScrollBar->turn(event->angleDelta().y());
}
