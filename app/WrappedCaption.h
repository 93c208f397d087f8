#pragma once

#include <QStyleOptionButton>
#include <QStylePainter>

// Draws a button-like control with its caption wrapped onto further lines where it does
// not fit: the style draws the control without its text, then the text in the contents'
// rectangle.
inline void drawWithWrappedCaption(QWidget *control, QStyleOptionButton option,
                                   QStyle::ControlElement element, QStyle::SubElement contents,
                                   Qt::Alignment alignment, QPalette::ColorRole role)
{
    QStylePainter painter(control);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(element, option);
    const QRect textRect = control->style()->subElementRect(contents, &option, control);
    painter.drawItemText(textRect,
                         alignment | Qt::TextWordWrap,
                         control->palette(),
                         control->isEnabled(),
                         caption,
                         role);
}
