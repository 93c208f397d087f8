#pragma once

#include <QPushButton>

// A push button whose caption wraps onto a second line when it does not fit.
class WrappingButton : public QPushButton {
    Q_OBJECT

public:
    WrappingButton(const QString &caption, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};
