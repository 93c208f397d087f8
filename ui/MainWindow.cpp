#include "MainWindow.h"

#include "AboutDialog.h"
#include "Composer.h"
#include "EditableCombo.h"
#include "FindPopup.h"
#include "History.h"
#include "HistoryKeys.h"
#include "Layout.h"
#include "PreviewWindow.h"
#include "RuleBuilder.h"
#include "RuleImport.h"
#include "RulePane.h"
#include "Selectors.h"
#include "TextNormal.h"
#include "ValueGrammar.h"
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

// Up to three texts, and how many more there are.
QString someOf(const QStringList &texts)
{
    const qsizetype more = texts.size() - 3;
    return texts.mid(0, 3).join(u", "_s) +
           (more > 0 ? MainWindow::tr(" a další (%1)").arg(more) : QString());
}

// What a read of the pane took, for the note beside it: short, the space is small.
QString readNote(const ImportedRule &imported)
{
    QStringList note{MainWindow::tr("Převzato deklarací: %1.").arg(imported.declarationCount)};
    if (!imported.overridden.isEmpty())
        note << MainWindow::tr("Přepsáno: %1.").arg(someOf(imported.overridden));
    if (!imported.overriddenByShorthand.isEmpty())
        note << MainWindow::tr("Vynecháno, přepíše je sdružená vlastnost: %1.")
                    .arg(someOf(imported.overriddenByShorthand));
    if (!imported.keptNames.isEmpty())
        note << MainWindow::tr("Neznámé vlastnosti ponechány: %1.").arg(someOf(imported.keptNames));
    if (imported.keptOther > 0)
        note << MainWindow::tr("Ponecháno jiných částí: %1.").arg(imported.keptOther);
    if (imported.switchTurnedOff)
        note << MainWindow::tr("Volba „Zapisovat pouze změněné vlastnosti“ vypnuta: pravidlo "
                               "uvádí výchozí hodnoty.");
    return note.join(u' ');
}

QString fault(Reading::Error error)
{
    switch (error) {
    case Reading::Error::None:
        break;
    case Reading::Error::UnclosedComment:
        return MainWindow::tr("neuzavřený komentář");
    case Reading::Error::UnclosedString:
        return MainWindow::tr("neuzavřený řetězec");
    case Reading::Error::BadString:
        return MainWindow::tr("řetězec přerušený koncem řádku");
    case Reading::Error::StrayBackslash:
        return MainWindow::tr("zpětné lomítko, které nic neuvozuje");
    case Reading::Error::UnclosedBracket:
        return MainWindow::tr("neuzavřená závorka");
    case Reading::Error::MissingClosingBrace:
        return MainWindow::tr("chybí uzavírací závorka }");
    case Reading::Error::NestedBlock:
        return MainWindow::tr("druhá závorka { uvnitř pravidla");
    case Reading::Error::TextAfterRule:
        return MainWindow::tr("text za koncem pravidla");
    case Reading::Error::StrayClosingBrace:
        return MainWindow::tr("závorka } bez otevírací {");
    case Reading::Error::DeclarationsBeforeBlock:
        return MainWindow::tr("před { stojí deklarace, ne selektor");
    }
    return {};
}

// Why the pane's text could not be read, and where.
QString unreadableNote(const ReadRule &read, const QString &text)
{
    const qsizetype lineStart =
        read.errorAt == 0 ? 0 : text.lastIndexOf(u'\n', read.errorAt - 1) + 1;
    return MainWindow::tr("Pravidlo nelze načíst: %1 (řádek %2, znak %3). Text zůstává, jak "
                          "je napsán.")
        .arg(fault(read.error))
        .arg(QStringView(text).first(read.errorAt).count(u'\n') + 1)
        .arg(read.errorAt - lineStart + 1);
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : WindowSurface(parent)
    , m_css1Button(new WrappingButton(u"CSS 1"_s, this))
    , m_css2Button(new WrappingButton(u"CSS 2"_s, this))
    , m_note(new QLabel(this))
    , m_selectorLabel(new QLabel(tr("Selektor:"), this))
    , m_selectorBox(new EditableCombo(this))
    , m_onlyChangedCheck(new WrappingCheckBox(this))
    , m_rowChecks(makeRows<WrappingCheckBox>(this))
    , m_valueBoxes(makeRows<EditableCombo>(this))
    , m_rowScrollBar(new QScrollBar(Qt::Vertical, this))
    , m_rulePane(new RulePane(this))
    , m_resetButton(new WrappingButton(tr("nastav výchozí hodnoty"), this))
    , m_copyButton(new WrappingButton(tr("vlož styl do schránky"), this))
    , m_deferredRefresh(new QTimer(this))
    , m_history(new History(this))
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
    // Hiding a window, or closing the preview, moves the focus, and this window hears of
    // it: that must happen while the window is whole, not in QWidget's destructor.
    delete m_preview;
    hide();
    disconnect(qApp, nullptr, this, nullptr);
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
    m_onlyChangedCheck->setChecked(true);

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
    const auto copying = [this](const QString &text, QString (*made)(bool, const Catalogue &)) {
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
        connect(m_rowChecks[row], &QCheckBox::clicked, this, [this, row] { setRowIncluded(row); });
        // A value is stored when the user changes the box's text (typing, pasting,
        // dropping, deleting) or picks an item from its list, and at no other time.
        EditableCombo *const box = m_valueBoxes[row];
        connect(box->lineEdit(), &QLineEdit::textEdited, this, [this, row] {
            storeRowValue(row, Edit::Typing);
        });
        connect(box, &QComboBox::activated, this, [this, row] { storeRowValue(row, Edit::Other); });
    }
    connect(m_selectorBox->lineEdit(), &QLineEdit::textEdited, this, [this] {
        storeSelector(Edit::Typing);
    });
    connect(m_selectorBox, &QComboBox::activated, this, [this] { storeSelector(Edit::Other); });
    connect(m_rowScrollBar, &QScrollBar::valueChanged, this, &MainWindow::refreshRows);
    connect(m_deferredRefresh, &QTimer::timeout, this, &MainWindow::refreshRows);
    connect(m_onlyChangedCheck, &QCheckBox::clicked, this, [this] { commit(Edit::Other, 0); });
    connect(m_css1Button, &QPushButton::clicked, this, [this] { selectCssLevel(CssLevel::Css1); });
    connect(m_css2Button, &QPushButton::clicked, this, [this] { selectCssLevel(CssLevel::Css2); });
    connect(m_resetButton, &QPushButton::clicked, this, &MainWindow::resetValues);
    connect(m_copyButton, &QPushButton::clicked, this, [this] { copy(nullptr); });
    connect(m_rulePane, &RulePane::readRequested, this, &MainWindow::readRulePane);
    m_rulePane->setPasteHandler([this](const QString &text) {
        const ReadRule read = readRule(text);
        return readsAsRule(read) && takeRule(read);
    });
    connect(m_history, &History::canUndoChanged, this, &MainWindow::updateHistoryActions);
    connect(m_history, &History::canRedoChanged, this, &MainWindow::updateHistoryActions);
    connect(m_rulePane->document(),
            &QTextDocument::undoAvailable,
            this,
            &MainWindow::updateHistoryActions);
    connect(m_rulePane->document(),
            &QTextDocument::redoAvailable,
            this,
            &MainWindow::updateHistoryActions);
    // A run of typing ends where the focus moves.
    connect(qApp, &QApplication::focusChanged, this, [this] {
        ++m_typingRun;
        updateHistoryActions();
    });
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
        const QString description = p.shownDescription();
        m_rowChecks[row]->setToolTip(description);
        m_rowChecks[row]->setChecked(m_catalogue.isIncluded(index));
        m_valueBoxes[row]->fill(p.offeredValues, m_catalogue.value(index));
        m_valueBoxes[row]->describe(tr("Hodnota vlastnosti %1").arg(p.name), description);
        markRow(row);
    }
}

// The box says what its value means in CSS. A verdict is kept until the value changes, so
// that paging past a long value does not check it again.
void MainWindow::markRow(int row)
{
    const int index = propertyAt(row);
    const QString &value = m_catalogue.value(index);
    auto &[checked, verdict] = m_verdicts[std::size_t(index - 1)];
    if (checked.isNull() || !isSharedText(checked, value)) {
        checked = value;
        verdict = checkValue(index, value);
    }
    using Kind = ValueVerdict::Kind;
    m_valueBoxes[row]->mark(verdict.kind == Kind::Invalid ? EditableCombo::Mark::Invalid
                            : verdict.kind == Kind::Valid ? EditableCombo::Mark::None
                                                          : EditableCombo::Mark::Dropped,
                            verdict.reason);
}

void MainWindow::storeRowValue(int row, Edit edit)
{
    const QString text = m_valueBoxes[row]->value();
    const int index = propertyAt(row);
    if (text == QStringView(ComposeItem)) {
        composeShorthand(m_catalogue, index);
        m_deferredRefresh->start();
        commit(Edit::Other, index);
    } else if (text != m_catalogue.value(index)) { // else a pick of the value stored
        m_catalogue.setValue(index, text);
        markRow(row);
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
    if (m_selectorBox->value() != m_committed.selector)
        commit(edit, 0);
}

// Brings the rule's lines up to date with the state, and the pane with them.
void MainWindow::rebuildRule()
{
    m_lines.update(m_selectorBox->value(), m_onlyChangedCheck->isChecked(), m_catalogue);
    m_rulePane->showRule(m_lines);
    if (m_preview != nullptr)
        m_preview->ruleChanged(); // it draws a moment later, once for many changes
}

// The preview is made when first asked for, and draws the rule as the window builds it.
void MainWindow::showPreview()
{
    if (m_preview == nullptr) {
        m_preview = new PreviewWindow(
            [this] {
                PreviewRule rule{m_lines.selector(), {}};
                for (const QString &line : m_lines.all()) // "name: value;", split there
                    rule.declarations.append({line.chopped(1), QString()});
                return rule;
            },
            this);
    }
    m_preview->show();
    m_preview->raise();
    m_preview->activateWindow();
}

// After every change the user makes: the rule is brought up to date, the note of the
// last read goes unless the pane still holds text it could not read, and the change
// becomes a step of the history.
void MainWindow::commit(Edit edit, int property)
{
    rebuildRule();
    if (!m_rulePane->hasUnreadText())
        showNote({});
    EditorState after = state();
    m_history->record(m_committed, after, property, edit == Edit::Typing ? m_typingRun : 0);
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
    const QString text = m_rulePane->documentText();
    const ReadRule read = readRule(text);
    if (read.error != Reading::Error::None) {
        showNote(unreadableNote(read, text));
        return;
    }
    m_rulePane->markRead();
    takeRule(read);
}

// Makes a rule read without fault the window's state; says whether it changed anything.
bool MainWindow::takeRule(const ReadRule &read)
{
    const ImportedRule imported = importRule(read, m_catalogue, m_onlyChangedCheck->isChecked());
    m_catalogue = imported.catalogue;
    if (imported.selector)
        m_selectorBox->setEditText(*imported.selector);
    m_onlyChangedCheck->setChecked(imported.onlyChanged);
    refreshRows();
    const bool changed = !(state() == m_committed);
    commit(Edit::Other, 0);
    showNote(changed ? readNote(imported) : QString());
    return true;
}

void MainWindow::copy(QString (*made)(bool, const Catalogue &))
{
    if (m_rulePane->hasUnreadText())
        readRulePane();
    const QString text =
        made ? made(m_onlyChangedCheck->isChecked(), m_catalogue) : m_rulePane->text();
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

// Undo and redo are there while the history has a step, or the pane has typing of its own.
void MainWindow::updateHistoryActions()
{
    const bool pane = m_rulePane->hasFocus();
    m_undoAction->setEnabled(m_history->canUndo() ||
                             (pane && m_rulePane->document()->isUndoAvailable()));
    m_redoAction->setEnabled(m_history->canRedo() ||
                             (pane && m_rulePane->document()->isRedoAvailable()));
}

EditorState MainWindow::state() const
{
    return {m_catalogue, m_selectorBox->value(), m_onlyChangedCheck->isChecked()};
}

void MainWindow::restore(const EditorState &state, int property)
{
    m_catalogue = state.catalogue;
    if (state.selector != m_selectorBox->value())
        m_selectorBox->setEditText(state.selector);
    m_onlyChangedCheck->setChecked(state.onlyChanged);
    m_committed = state;
    ++m_typingRun;
    const int first = m_rowScrollBar->value();
    if (property > 0 && (property < first || property >= first + RowCount))
        showProperty(property, false);
    refreshRows();
    rebuildRule();
    if (!m_rulePane->hasUnreadText())
        showNote({});
}

void MainWindow::undo()
{
    // Typing in the pane that is not read yet is the pane's own to take back first. Taken
    // back entirely, it leaves the rule it was typed over, which may be out of date.
    if (m_rulePane->hasFocus() && m_rulePane->document()->isUndoAvailable()) {
        m_rulePane->undo();
        rebuildRule();
        return;
    }
    EditorState state = m_committed;
    if (const std::optional<int> property = m_history->undo(state))
        restore(state, *property);
}

void MainWindow::redo()
{
    if (m_rulePane->hasFocus() && m_rulePane->document()->isRedoAvailable()) {
        m_rulePane->redo();
        return;
    }
    EditorState state = m_committed;
    if (const std::optional<int> property = m_history->redo(state))
        restore(state, *property);
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
    // The wheel pages the rows wherever it is turned over the window's own controls. A
    // touchpad sends a notch in several small turns; they add up.
    m_wheelTurn += event->angleDelta().y();
    const int steps = m_wheelTurn / QWheelEvent::DefaultDeltasPerStep;
    m_wheelTurn -= steps * QWheelEvent::DefaultDeltasPerStep;
    m_rowScrollBar->setValue(m_rowScrollBar->value() - steps);
}
