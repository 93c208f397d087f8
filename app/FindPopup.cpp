#include "FindPopup.h"

#include "Property.h"
#include "PropertySearch.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

FindPopup::FindPopup(QWidget *parent)
    : QFrame(parent, Qt::Popup)
    , m_field(new QLineEdit(this))
    , m_matches(new QListWidget(this))
{
    setObjectName(u"findPopup"_s);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    auto *const column = new QVBoxLayout(this);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(2);
    column->addWidget(m_field);
    column->addWidget(m_matches);
    m_field->setObjectName(u"findField"_s);
    m_field->setAccessibleName(tr("Najít vlastnost"));
    m_field->setPlaceholderText(tr("název nebo slovo z popisu"));
    m_matches->setObjectName(u"findMatches"_s);
    m_matches->setAccessibleName(tr("Nalezené vlastnosti"));
    m_matches->setFocusPolicy(Qt::NoFocus);
    m_field->installEventFilter(this);
    connect(m_field, &QLineEdit::textEdited, this, &FindPopup::list);
    connect(m_matches, &QListWidget::itemClicked, this, &FindPopup::choose);
    connect(m_matches, &QListWidget::currentRowChanged, this, [this](int row) {
        // A screen reader hears the match the field points at.
        m_field->setAccessibleDescription(row < 0 ? QString() : m_matches->item(row)->text());
    });
}

void FindPopup::open(QPoint at, int width)
{
    m_field->clear();
    list(QString());
    setGeometry(at.x(), at.y(), width, 200);
    show();
    m_field->setFocus(Qt::PopupFocusReason);
}

void FindPopup::list(const QString &query)
{
    m_matches->clear();
    for (const int index : findProperties(query)) {
        const Property &p = Property::at(index);
        const QString description = p.shownDescription();
        auto *const item = new QListWidgetItem(
            description.isEmpty() ? p.name : p.name + u" – "_s + description, m_matches);
        item->setData(Qt::UserRole, index);
    }
    if (m_matches->count() > 0 || query.trimmed().isEmpty()) {
        m_matches->setCurrentRow(m_matches->count() > 0 ? 0 : -1);
        return;
    }
    // An item nothing can choose, which a screen reader hears from the field.
    const QString none = tr("Nic nenalezeno");
    (new QListWidgetItem(none, m_matches))->setFlags(Qt::NoItemFlags);
    m_field->setAccessibleDescription(none);
}

void FindPopup::choose()
{
    const QListWidgetItem *const item = m_matches->currentItem();
    if (item == nullptr || !item->flags().testFlag(Qt::ItemIsEnabled))
        return;
    hide();
    Q_EMIT chosen(item->data(Qt::UserRole).toInt());
}

bool FindPopup::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_field && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const int row = m_matches->currentRow();
        if (key == Qt::Key_Down || key == Qt::Key_Up) {
            const int next = row + (key == Qt::Key_Down ? 1 : -1);
            if (next >= 0 && next < m_matches->count())
                m_matches->setCurrentRow(next);
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            choose();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}
