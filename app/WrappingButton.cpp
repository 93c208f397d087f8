#include "WrappingButton.h"

#include "WrappedCaption.h"

WrappingButton::WrappingButton(const QString &caption, QWidget *parent)
    : QPushButton(caption, parent)
{
    setAutoDefault(false);
}

void WrappingButton::paintEvent(QPaintEvent *)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    drawWithWrappedCaption(this,
                           option,
                           QStyle::CE_PushButton,
                           QStyle::SE_PushButtonContents,
                           Qt::AlignCenter,
                           QPalette::ButtonText);
}
