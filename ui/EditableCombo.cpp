#include "EditableCombo.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>

#include <limits>

EditableCombo::EditableCombo(QWidget *parent)
    : QComboBox(parent)
{
    // Giving the box its line edit makes it editable without building the list's popup
    // up front, which setEditable() does; the popup is built when first opened.
    setLineEdit(new QLineEdit(this));
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setMaxVisibleItems(12);
    lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    lineEdit()->installEventFilter(this);
}

void EditableCombo::showPopup()
{
    // What setEditable() would have set up front: a long list scrolls with a bar.
    view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QComboBox::showPopup();
}

void EditableCombo::describe(const QString &name, const QString &description)
{
    if (name == accessibleName() && description == accessibleDescription())
        return;
    setAccessibleName(name);
    setAccessibleDescription(description);
    lineEdit()->setAccessibleName(name);
    lineEdit()->setAccessibleDescription(description);
}

void EditableCombo::clearItems()
{
    clear();
}

void EditableCombo::appendItem(const QString &item)
{
    addItem(item);
}

bool EditableCombo::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != lineEdit())
        return QComboBox::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        // Enter would make the box pick the list item that matches the text without
        // regard to case, replacing what was typed.
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
        break;
    }
    case QEvent::KeyRelease:
        if (!static_cast<QKeyEvent *>(event)->isAutoRepeat())
            Q_EMIT keyReleased();
        break;
    case QEvent::FocusOut: {
        // Only a move to another control of the window counts, not the box's own
        // list popping up or another program taking the focus.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            Q_EMIT focusLeaving();
        break;
    }
    default:
        break;
    }
    return false;
}

void EditableCombo::wheelEvent(QWheelEvent *event)
{
    event->ignore();
}
