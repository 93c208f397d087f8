#include "MainWindow.h"

#include "AboutDialog.h"
#include "EditableCombo.h"
#include "FindPopup.h"
#include "HistoryKeys.h"
#include "Layout.h"
#include "NumberStep.h"
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
#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

std::optional<FamilyCompleter::Where> familiesIn(int property)
{
    static const int family = Property::indexOf(u"font-family");
    static const int font = Property::indexOf(u"font");
    if (property == family)
        return FamilyCompleter::Where::FamilyList;
    if (property == font)
        return FamilyCompleter::Where::FontValue;
    return std::nullopt;
}

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
    , m_momentOver(new QTimer(this))
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
    // The designed size is the smallest; more room goes to the values and the rule.
    setMinimumSize(layout::mainClient.pixels().size());
    resize(minimumSize());
    layOut();

    m_css1Button->setObjectName(u"css1Button"_s);
    m_css1Button->setToolTip(tr("vybere vlastnosti definované v CSS 1"));
    m_css2Button->setObjectName(u"css2Button"_s);
    m_css2Button->setToolTip(tr("vybere vlastnosti definované v CSS 2"));

    m_selectorLabel->setObjectName(u"selectorLabel"_s);
    QFont bold = font();
    bold.setWeight(QFont::Bold);
    m_selectorLabel->setFont(bold);
    m_selectorLabel->setBuddy(m_selectorBox);

    m_selectorBox->setObjectName(u"selectorBox"_s);
    m_selectorBox->describe(tr("Selektor"),
                            tr("prvek nebo jiný selektor, pro který pravidlo platí"));
    m_selectorBox->fill(selectorNames(), QString());

    m_onlyChangedCheck->setObjectName(u"onlyChangedCheck"_s);
    m_onlyChangedCheck->setText(tr("Zapisovat pouze změněné vlastnosti"));
    m_onlyChangedCheck->setChecked(m_document->onlyChanged());

    for (int row = 0; row < RowCount; ++row) {
        m_rowChecks[row]->setObjectName(u"rowCheck%1"_s.arg(row + 1));
        m_valueBoxes[row]->setObjectName(u"valueBox%1"_s.arg(row + 1));
    }

    m_rowScrollBar->setObjectName(u"rowScrollBar"_s);
    m_rowScrollBar->setAccessibleName(tr("Posun seznamu vlastností"));
    m_rowScrollBar->setAccessibleDescription(tr("vybírá, kterých deset vlastností řádky ukazují"));
    m_rowScrollBar->setRange(1, PropertyCount - RowCount + 1);
    m_rowScrollBar->setPageStep(RowCount);
    m_rowScrollBar->setTracking(false); // the rows follow a dragged thumb when it is let go
    m_rowScrollBar->setFocusPolicy(Qt::StrongFocus);

    m_rulePane->setObjectName(u"rulePane"_s);
    m_rulePane->setAccessibleName(tr("Pravidlo stylu"));
    m_rulePane->setFont(paneFont());

    m_resetButton->setObjectName(u"resetButton"_s);
    m_resetButton->setToolTip(
        tr("vrátí všem vlastnostem výchozí hodnoty; zaškrtnutí, selektor a přepínač zůstanou"));
    m_copyButton->setObjectName(u"copyButton"_s);
    m_copyButton->setToolTip(tr("vloží pravidlo do schránky; místní nabídka (pravé tlačítko "
                                "nebo klávesa Menu) zkopíruje jen deklarace nebo atribut style"));

    m_note->setObjectName(u"note"_s);
    m_note->setWordWrap(true);
    QFont small = font();
    small.setPointSizeF(8.25);
    m_note->setFont(small);
    m_note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_note->hide();

    m_deferredRefresh->setObjectName(u"deferredRefresh"_s);
    m_deferredRefresh->setSingleShot(true);
    m_deferredRefresh->setInterval(5);
    m_momentOver->setSingleShot(true);
    m_momentOver->setInterval(3000);
}

void MainWindow::layOut()
{
    const QSize extra = (size() - layout::mainClient.pixels().size()).expandedTo({0, 0});
    const auto place = [extra](QWidget *control,
                               const layout::Twips &at,
                               layout::Stretch stretch = layout::Stretch::None) {
        control->setGeometry(layout::placed(at, stretch, extra));
    };
    using enum layout::Stretch;
    place(m_css1Button, layout::css1Button);
    place(m_css2Button, layout::css2Button);
    place(m_note, layout::note);
    place(m_selectorLabel, layout::selectorLabel);
    place(m_selectorBox, layout::selectorBox);
    place(m_onlyChangedCheck, layout::onlyChangedCheck);
    for (int row = 0; row < RowCount; ++row) {
        place(m_rowChecks[row], layout::rowCheck(row));
        place(m_valueBoxes[row], layout::valueBox(row), Widens);
    }
    place(m_rowScrollBar, layout::rowScrollBar, MovesRight);
    place(m_rulePane, layout::rulePane, Grows);
    place(m_resetButton, layout::resetButton, MovesRight);
    place(m_copyButton, layout::copyButton, MovesRight);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    WindowSurface::resizeEvent(event);
    layOut();
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
    for (EditableCombo *const box : m_valueBoxes)
        box->setHistoryActions(m_undoAction, m_redoAction);
    m_selectorBox->setHistoryActions(m_undoAction, m_redoAction);
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
                       m_rowChecks[0]->geometry().united(m_valueBoxes[0]->geometry());
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
    // Copying reads whatever waits in the pane first, and says what it copied.
    const auto copying = [this](const QString &text,
                                QString (*made)(const RuleState &),
                                const QString &said) {
        auto *const copyAction = new QAction(text, this);
        connect(copyAction, &QAction::triggered, this, [this, made, said] { copy(made, said); });
        return copyAction;
    };
    QAction *const copyRule =
        copying(tr("Kopírovat pravidlo"), nullptr, tr("Pravidlo zkopírováno."));
    connect(m_copyButton, &QPushButton::clicked, copyRule, &QAction::trigger);

    m_menu = new QMenu(this);
    m_menu->setObjectName(u"contextMenu"_s);
    m_menu->setToolTipsVisible(true);
    m_menu->addActions({m_undoAction, m_redoAction, find});
    m_menu->addSeparator();
    m_menu->addActions(m_rulePane->editActions());
    m_editingSeparator = m_menu->addSeparator();
    m_menu->addActions({copyRule,
                        copying(tr("Kopírovat deklarace"),
                                &declarationText,
                                tr("Pravidlo zkopírováno: jen deklarace.")),
                        copying(tr("Kopírovat jako atribut style"),
                                &styleAttribute,
                                tr("Pravidlo zkopírováno: jako atribut style."))});
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
        connect(box, &EditableCombo::runEnded, m_document, &RuleDocument::endTypingRun);
        connect(box, &EditableCombo::stepRequested, this, [this, row](double by) {
            stepNumber(row, by);
        });
        connect(box, &EditableCombo::colourRequested, this, [this, row] { chooseColour(row); });
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
    connect(m_rowScrollBar, &QScrollBar::valueChanged, this, &MainWindow::pageRows);
    connect(m_deferredRefresh, &QTimer::timeout, this, &MainWindow::refreshRows);
    connect(m_momentOver, &QTimer::timeout, this, [this] { say(m_document->note(), false); });
    connect(m_onlyChangedCheck, &QCheckBox::clicked, m_document, &RuleDocument::setOnlyChanged);
    connect(m_css1Button, &QPushButton::clicked, this, [this] {
        m_document->selectCssLevel(CssLevel::Css1);
    });
    connect(m_css2Button, &QPushButton::clicked, this, [this] {
        m_document->selectCssLevel(CssLevel::Css2);
    });
    connect(m_resetButton, &QPushButton::clicked, m_document, &RuleDocument::resetValues);
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
        EditableCombo *const box = m_valueBoxes[row];
        // The value first: a swatch offered looks for colours in the value it will show.
        box->fill(p.offeredValues, m_document->value(index));
        box->offerColour(takesColour(index));
        box->offerSteps(takesNumber(index));
        box->completeFamilies(familiesIn(index));
        box->describe(tr("Hodnota vlastnosti %1").arg(p.name), description);
        showRow(row);
    }
}

// The rows show other properties. A focused value box or tick follows its property to the
// row that shows it now, with its cursor and selection, or gives the focus to the scroll
// bar when the property left the view: typing never goes into another property.
void MainWindow::pageRows()
{
    int from = -1;
    for (int row = 0; row < RowCount; ++row) {
        if (m_valueBoxes[row]->hasFocus() || m_rowChecks[row]->hasFocus())
            from = row;
    }
    if (from < 0) {
        refreshRows();
        return;
    }
    const bool inBox = m_valueBoxes[from]->hasFocus();
    // The row's caption names the property it showed until now.
    const int property = Property::indexOf(m_rowChecks[from]->text());
    const QLineEdit *const edit = m_valueBoxes[from]->lineEdit();
    const int cursor = edit->cursorPosition();
    const int start = edit->selectionStart();
    const int length = edit->selectionLength();
    refreshRows();
    const int to = rowOf(property);
    if (to < 0) {
        m_rowScrollBar->setFocus(Qt::OtherFocusReason);
    } else if (!inBox) {
        m_rowChecks[to]->setFocus(Qt::OtherFocusReason);
    } else {
        m_valueBoxes[to]->setFocus(Qt::OtherFocusReason);
        QLineEdit *const field = m_valueBoxes[to]->lineEdit();
        if (length > 0 && cursor == start)
            field->setSelection(start + length, -length);
        else if (length > 0)
            field->setSelection(start, length);
        else
            field->setCursorPosition(cursor);
    }
}

// The row's tick, its value unless the box shows it already, and what the value means
// in CSS.
void MainWindow::showRow(int row)
{
    const int index = propertyAt(row);
    const bool included = m_document->isIncluded(index);
    m_rowChecks[row]->setChecked(included);
    EditableCombo *const box = m_valueBoxes[row];
    box->setLeftOut(included ? QString()
                             : tr("hodnota není v pravidle, dokud je vlastnost nezaškrtnutá"));
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

// The number at the box's cursor stepped, as typing is: a run of steps is one step to undo.
void MainWindow::stepNumber(int row, double by)
{
    EditableCombo *const box = m_valueBoxes[row];
    const int index = propertyAt(row);
    const std::optional<NumberStep> stepped =
        NumberStep::in(index, box->value(), box->lineEdit()->cursorPosition(), by);
    if (!stepped)
        return;
    m_document->setValue(index, stepped->value, RuleDocument::Edit::Typing);
    box->lineEdit()->setCursorPosition(int(stepped->cursor));
}

// Qt's colour dialog on the colour at the box's cursor, or on black; the colour chosen
// replaces that one, written as it was. A value with no colour gets it after what it holds
// where its grammar allows that, else in its place.
void MainWindow::chooseColour(int row)
{
    EditableCombo *const box = m_valueBoxes[row];
    const int index = propertyAt(row);
    const QString value = m_document->value(index);
    const ColourInValue found = box->colourAtCursor();
    QColor start = found.isFound() ? found.colour : QColor(Qt::black);
    if (!found.hasAlpha)
        start.setAlpha(255);
    QColorDialog::ColorDialogOptions options = QColorDialog::DontUseNativeDialog;
    options.setFlag(QColorDialog::ShowAlphaChannel, found.hasAlpha);
    const QColor chosen = QColorDialog::getColor(
        start, this, tr("Barva vlastnosti %1").arg(Property::at(index).name), options);
    if (!chosen.isValid())
        return;
    QString changed;
    if (found.isFound()) {
        changed = value.left(found.begin) + found.written(chosen) + value.mid(found.end);
    } else {
        const QString hex = chosen.name(QColor::HexRgb);
        const QString after = value.trimmed().isEmpty() ? hex : value.trimmed() + u' ' + hex;
        changed = checkValue(index, after).kind == ValueVerdict::Kind::Invalid ? hex : after;
    }
    m_document->setValue(index, changed, RuleDocument::Edit::Other); // a step of its own
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

void MainWindow::copy(QString (*made)(const RuleState &), const QString &said)
{
    if (m_rulePane->hasUnreadText())
        readRulePane();
    const QString text = made ? made(m_document->state()) : m_rulePane->text();
    QClipboard *const clipboard = QGuiApplication::clipboard();
    clipboard->setText(text);
    if (clipboard->text() == text) {
        sayForAMoment(said);
    } else {
        std::fputs("stylomat: the text could not be put on the clipboard\n", stderr);
        sayForAMoment(tr("Pravidlo se nepodařilo vložit do schránky."));
    }
}

// The note says it until the moment is over, then what the document's note says; the focus
// stays where it is.
void MainWindow::sayForAMoment(const QString &said)
{
    say(said);
    m_momentOver->start();
}

void MainWindow::showAbout()
{
    AboutDialog about;
    about.exec();
}

// The document's note, which also describes the pane.
void MainWindow::showNote(const QString &note)
{
    m_rulePane->setAccessibleDescription(note);
    say(note);
}

// Shows the text in the note; a screen reader hears it, even when it is said again, unless
// it only comes back after a moment.
void MainWindow::say(const QString &text, bool heard)
{
    m_momentOver->stop();
    if (text != m_note->text()) {
        m_note->setText(text);
        m_note->setVisible(!text.isEmpty());
    }
    if (heard && !text.isEmpty()) {
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
