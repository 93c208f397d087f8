#include "WrappingCheckBox.h"

#include "WrappedCaption.h"

WrappingCheckBox::WrappingCheckBox(QWidget *parent)
    : QCheckBox(parent)
{
}

void WrappingCheckBox::paintEvent(QPaintEvent *)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    drawWithWrappedCaption(this,
                           option,
                           QStyle::CE_CheckBox,
                           QStyle::SE_CheckBoxContents,
                           Qt::AlignLeft | Qt::AlignVCenter,
                           QPalette::WindowText);
}

bool WrappingCheckBox::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}
