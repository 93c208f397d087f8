#pragma once

#include "ValueList.h"

#include <QComboBox>

// An editable drop-down box that keeps whatever the user types exactly: no inline
// completion, no insertion or case-folding match on Enter, no length limit, and the
// mouse wheel is left to the window instead of changing the value. It reports every
// key release and the moment the focus is about to leave.
class EditableCombo : public QComboBox, public ValueList {
    Q_OBJECT

public:
    explicit EditableCombo(QWidget *parent);

    // What a screen reader announces for the box and its text field.
    void describe(const QString &name, const QString &description);

    void showPopup() override;

    void clearItems() override;
    void appendItem(const QString &item) override;

Q_SIGNALS:
    void keyReleased();
    void focusLeaving();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
};
