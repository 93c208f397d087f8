#include "RowScrollBar.h"

#include <QWheelEvent>

RowScrollBar::RowScrollBar(QWidget *parent)
    : QScrollBar(Qt::Vertical, parent)
{
}

void RowScrollBar::turn(int angleDelta)
{
    m_turned += angleDelta;
    const int steps = m_turned / QWheelEvent::DefaultDeltasPerStep;
    m_turned -= steps * QWheelEvent::DefaultDeltasPerStep;
    setValue(value() - steps);
}
