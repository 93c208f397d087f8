#pragma once

#include <QComboBox>

class QStringListModel;

// An editable drop-down box that keeps whatever the user types exactly: no inline
// completion, nothing inserted or matched on Enter, no length limit, and the mouse wheel
// is left to the window instead of changing the value.
class EditableCombo : public QComboBox {
    Q_OBJECT

public:
    explicit EditableCombo(QWidget *parent);

    // Replaces the list and shows `text`, with no item current, so that the first Down
    // goes to the first item whatever the text is.
    void fill(const QStringList &items, const QString &text);
    // What a screen reader announces for the box and its text field.
    void describe(const QString &name, const QString &description);

    void showPopup() override;

protected:
    bool event(QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    QStringListModel *const m_items;
};
