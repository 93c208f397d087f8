#pragma once

#include <QCheckBox>

// A check box whose caption wraps onto further lines when it is wider than the box,
// and which toggles on a click anywhere inside its rectangle.
class WrappingCheckBox : public QCheckBox {
    Q_OBJECT

public:
    explicit WrappingCheckBox(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
    [[nodiscard]] bool hitButton(const QPoint &pos) const override;
};
