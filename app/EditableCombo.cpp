#include "EditableCombo.h"

#include "HistoryKeys.h"
#include "LongText.h"
#include "ValueBoxAccessible.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QStringListModel>

#include <QStyle>

#include <limits>
#include <utility>

EditableCombo::EditableCombo(QWidget *parent)
    : QComboBox(parent)
    , m_items(new QStringListModel(this))
{
    ValueBoxAccessible::install();
    // A plain list of texts: the box's own model would make an item object of each.
    setModel(m_items);
    // Giving the box its line edit makes it editable without building the list's popup
    // up front, which setEditable() does; the popup is built when first opened. The box
    // would also build an inline completer for a line edit that has none; one completer,
    // taken away again at once, stands in for it in every box.
    static QCompleter *const standIn = new QCompleter(QCoreApplication::instance());
    auto *const edit = new QLineEdit(this);
    edit->setCompleter(standIn);
    setLineEdit(edit);
    setCompleter(nullptr);
    // Enter then neither adds the text to the list nor swaps it for an item that matches
    // it but for case.
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(12);
    lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    lineEdit()->installEventFilter(this);
    // Any change of the text but the shortening itself makes the text the value.
    connect(lineEdit(), &QLineEdit::textChanged, this, [this] {
        if (m_shortening)
            return;
        m_whole = QString();
        findColours(false);
    });
    connect(lineEdit(), &QLineEdit::cursorPositionChanged, this, [this] { showColour(false); });
    // Connected before anyone else hears of the edit: typing after steps is a step of its own.
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
        if (std::exchange(m_stepping, false))
            Q_EMIT runEnded();
    });
}

void EditableCombo::fill(const QStringList &items, const QString &text)
{
    if (m_items->stringList() != items)
        m_items->setStringList(items);
    setValue(text);
}

void EditableCombo::setValue(const QString &text)
{
    setCurrentIndex(-1);
    if (hasFocus() || !longText::isLong(text))
        setEditText(text);
    else
        showShortened(text);
}

// Lays out only the start of a long text: the whole would cost as much as its length.
void EditableCombo::showShortened(const QString &whole)
{
    if (!longText::isLong(whole))
        return;
    m_shortening = true;
    setEditText(whole.left(longText::Head) + u'…');
    m_shortening = false;
    m_whole = whole;
}

void EditableCombo::showWhole()
{
    if (m_whole.isNull())
        return;
    const QString whole = m_whole;
    setEditText(whole);
    lineEdit()->setCursorPosition(0);
}

bool EditableCombo::eventFilter(QObject *watched, QEvent *event)
{
    // Whatever the user does in the text, they do it to the whole value.
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::DragEnter:
    case QEvent::Drop:
    case QEvent::InputMethod:
        showWhole();
        break;
    case QEvent::ContextMenu:
        if (watched == lineEdit()) {
            showWhole();
            showContextMenu(static_cast<QContextMenuEvent *>(event)->globalPos());
            return true;
        }
        break;
    default:
        break;
    }
    return QComboBox::eventFilter(watched, event);
}

void EditableCombo::focusInEvent(QFocusEvent *event)
{
    showWhole();
    QComboBox::focusInEvent(event);
}

void EditableCombo::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers keys = event->modifiers() & ~Qt::KeypadModifier;
    const double step = keys == Qt::ControlModifier                         ? 1
                        : keys == (Qt::ControlModifier | Qt::ShiftModifier) ? 10
                        : keys == (Qt::ControlModifier | Qt::AltModifier)   ? 0.1
                                                                            : 0;
    if (!m_steps || step == 0 || (event->key() != Qt::Key_Up && event->key() != Qt::Key_Down)) {
        QComboBox::keyPressEvent(event);
        return;
    }
    if (!std::exchange(m_stepping, true))
        Q_EMIT runEnded();
    Q_EMIT stepRequested(event->key() == Qt::Key_Up ? step : -step);
}

void EditableCombo::focusOutEvent(QFocusEvent *event)
{
    m_stepping = false;
    QComboBox::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        showShortened(currentText());
    Q_EMIT focusLeft();
}

void EditableCombo::describe(const QString &name, const QString &description)
{
    if (name == m_name && description == m_description)
        return;
    m_name = name;
    m_description = description;
    setAccessibleName(name);
    lineEdit()->setAccessibleName(name);
    describeWithReason();
}

void EditableCombo::mark(Mark mark, const QString &reason)
{
    if (mark == m_mark && reason == m_reason)
        return;
    m_mark = mark;
    m_reason = reason;
    describeWithReason();
    update();
}

void EditableCombo::setLeftOut(const QString &note)
{
    if (note == m_leftOut)
        return;
    m_leftOut = note;
    QPalette colours = lineEdit()->palette();
    const QColor text =
        palette().color(note.isEmpty() ? QPalette::Active : QPalette::Disabled, QPalette::Text);
    colours.setColor(QPalette::Active, QPalette::Text, text);
    colours.setColor(QPalette::Inactive, QPalette::Text, text);
    lineEdit()->setPalette(colours);
    describeWithReason();
}

void EditableCombo::setHistoryActions(QAction *undo, QAction *redo)
{
    m_undo = undo;
    m_redo = redo;
}

void EditableCombo::offerSteps(bool offer)
{
    if (std::exchange(m_steps, offer) != offer)
        describeWithReason();
}

void EditableCombo::offerColour(bool offer)
{
    if (m_swatch == nullptr) {
        if (!offer)
            return;
        // In the text field, so that it takes no room of the window's layout; its key works
        // wherever the focus is in the box.
        m_swatch = new QAction(tr("Vybrat barvu"), this);
        m_swatch->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
        m_swatch->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        m_swatch->setToolTip(tr("vybere barvu v dialogu (%1)")
                                 .arg(m_swatch->shortcut().toString(QKeySequence::NativeText)));
        connect(m_swatch, &QAction::triggered, this, &EditableCombo::colourRequested);
        lineEdit()->addAction(m_swatch, QLineEdit::LeadingPosition);
        addAction(m_swatch);
    } else if (offer == m_swatch->isVisible()) {
        return;
    }
    m_swatch->setVisible(offer);
    findColours(true);
    describeWithReason();
}

ColourInValue EditableCombo::colourAtCursor() const
{
    return m_shownColour;
}

// The value's colours, found once for each value.
void EditableCombo::findColours(bool redraw)
{
    if (m_swatch == nullptr || !m_swatch->isVisible())
        return;
    m_colours = ColourInValue::all(value());
    showColour(redraw);
}

// A square of the colour, over checks where it lets them through; an empty square for none.
void EditableCombo::showColour(bool redraw)
{
    if (m_swatch == nullptr || !m_swatch->isVisible())
        return;
    const ColourInValue shown =
        ColourInValue::at(m_colours, isShortened() ? -1 : lineEdit()->cursorPosition());
    const bool same = shown.colour == m_shownColour.colour;
    m_shownColour = shown;
    if (same && !redraw)
        return;
    const qreal ratio = devicePixelRatioF();
    const int side = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    QPixmap square(QSize(side, side) * ratio);
    square.setDevicePixelRatio(ratio);
    square.fill(Qt::transparent);
    QPainter painter(&square);
    const QRectF inside(2.5, 2.5, side - 5, side - 5);
    if (shown.colour.isValid()) {
        if (shown.colour.alpha() < 255) {
            painter.fillRect(inside, Qt::white);
            const qreal half = inside.width() / 2;
            painter.fillRect(QRectF(inside.topLeft(), QSizeF(half, half)), Qt::lightGray);
            painter.fillRect(QRectF(inside.center(), QSizeF(half, half)), Qt::lightGray);
        }
        painter.fillRect(inside, shown.colour);
    }
    painter.setPen(QColor(0x60, 0x60, 0x60));
    painter.drawRect(inside);
    painter.end();
    m_swatch->setIcon(QIcon(square));
}

void EditableCombo::completeFamilies(std::optional<FamilyCompleter::Where> where)
{
    if (m_families != nullptr && where == m_families->where())
        return;
    delete m_families;
    m_families = where ? new FamilyCompleter(this, *where) : nullptr;
}

// The text field's menu, with the window's undo and redo in place of the field's own,
// which the window's history replaces.
void EditableCombo::showContextMenu(QPoint at)
{
    QMenu *const menu = lineEdit()->createStandardContextMenu();
    // The field's items are known by their object names from Qt 6.5 on, by their texts in
    // the field's translation before.
    const auto is = [](const QAction *item, const char16_t *name, const char *text) {
        return item->objectName() == name ||
               item->text().section(u'\t', 0, 0) == QCoreApplication::translate("QLineEdit", text);
    };
    for (QAction *const item : menu->actions()) {
        QAction *const instead = is(item, u"edit-undo", "&Undo")   ? m_undo
                                 : is(item, u"edit-redo", "&Redo") ? m_redo
                                                                   : nullptr;
        if (instead != nullptr) {
            menu->insertAction(item, instead);
            delete item;
        }
    }
    if (m_swatch != nullptr && m_swatch->isVisible()) {
        menu->addSeparator();
        menu->addAction(m_swatch);
    }
    menu->exec(at);
    delete menu;
}

void EditableCombo::describeWithReason()
{
    // What the value is and means, then the keys the box has.
    QStringList lines{m_description, m_leftOut, m_reason};
    if (m_steps)
        lines << tr("Ctrl+↑ a Ctrl+↓ změní číslo u kurzoru o 1, se Shiftem o 10, s Altem o 0,1");
    if (m_swatch != nullptr && m_swatch->isVisible())
        lines << m_swatch->toolTip();
    lines.removeAll(QString());
    const QString text = lines.join(u'\n');
    setToolTip(text);
    setAccessibleDescription(text);
    lineEdit()->setAccessibleDescription(text);
}

void EditableCombo::paintEvent(QPaintEvent *event)
{
    QComboBox::paintEvent(event);
    if (m_mark == Mark::None)
        return;
    QPainter painter(this);
    painter.setPen(
        QPen(m_mark == Mark::Invalid ? QColor(0xd0, 0x10, 0x10) : QColor(0xe0, 0x90, 0x00), 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

void EditableCombo::showPopup()
{
    // What setEditable() would have set up front: a long list scrolls with a bar.
    view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QComboBox::showPopup();
}

bool EditableCombo::event(QEvent *event)
{
    // Undo and redo are the window's: its history replaces the text field's own.
    return isHistoryKey(event) || QComboBox::event(event);
}

void EditableCombo::wheelEvent(QWheelEvent *event)
{
    event->ignore();
}
