#pragma once

#include <QScrollBar>

// The scroll bar that pages the rows. The wheel pages them wherever it is turned over the
// window's own controls, and a touchpad sends a notch in several small turns: they add up
// here to whole rows.
class RowScrollBar : public QScrollBar {
    Q_OBJECT

public:
    explicit RowScrollBar(QWidget *parent);

    // A turn of the wheel over the window, in eighths of a degree.
    void turn(int angleDelta);

private:
    int m_turned = 0; // eighths of a degree turned and not yet a row
};
