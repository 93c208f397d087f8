#include "ValueBoxAccessible.h"

#include "EditableCombo.h"

#include <QAbstractItemView>
#include <QLineEdit>

namespace {

QAccessibleInterface *forValueBox(const QString &className, QObject *object)
{
    if (className == QLatin1String(EditableCombo::staticMetaObject.className()))
        return new ValueBoxAccessible(static_cast<EditableCombo *>(object));
    return nullptr;
}

} // namespace

ValueBoxAccessible::ValueBoxAccessible(EditableCombo *box)
    : QAccessibleWidget(box, QAccessible::ComboBox)
{
}

void ValueBoxAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&forValueBox);
        return true;
    }();
    (void)installed;
}

EditableCombo *ValueBoxAccessible::box() const
{
    return static_cast<EditableCombo *>(widget());
}

QString ValueBoxAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return box()->value();
    return QAccessibleWidget::text(t);
}

QAccessible::State ValueBoxAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.expandable = true;
    // The list is made when first opened; until then it is not open.
    const auto *const list = box()->findChild<QAbstractItemView *>();
    state.expanded = list != nullptr && list->isVisible();
    state.collapsed = !state.expanded;
    return state;
}

// The list first, then the text field, as Qt's own combo box has them.
int ValueBoxAccessible::childCount() const
{
    return 2;
}

QAccessibleInterface *ValueBoxAccessible::child(int index) const
{
    if (index == 0)
        return QAccessible::queryAccessibleInterface(box()->view());
    if (index == 1)
        return QAccessible::queryAccessibleInterface(box()->lineEdit());
    return nullptr;
}

int ValueBoxAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (child == nullptr)
        return -1;
    if (child->object() == box()->view())
        return 0;
    return child->object() == box()->lineEdit() ? 1 : -1;
}

QStringList ValueBoxAccessible::actionNames() const
{
    return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
}

void ValueBoxAccessible::doAction(const QString &actionName)
{
    if (actionName == showMenuAction())
        box()->showPopup();
    else
        QAccessibleWidget::doAction(actionName);
}
