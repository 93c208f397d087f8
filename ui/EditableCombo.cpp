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
}

void EditableCombo::fill(const QStringList &items, const QString &text)
{
    clear();
    addItems(items);
    setCurrentIndex(-1);
    setEditText(text);
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

void EditableCombo::showPopup()
{
    // What setEditable() would have set up front: a long list scrolls with a bar.
    view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QComboBox::showPopup();
}

void EditableCombo::keyPressEvent(QKeyEvent *event)
{
    // Enter would make the box pick the list item that matches the text without regard
    // to case, replacing what was typed.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void EditableCombo::wheelEvent(QWheelEvent *event)
{
    event->ignore();
}
