#pragma once

#include <QWidget>

// The program's windows are black with white text.
void dressInBlack(QWidget *window);

// A window's own surface: black, with white text in the window font. It is dressed
// before any control is put on it, so every control is laid out once, in the right font.
class WindowSurface : public QWidget {
    Q_OBJECT

protected:
    explicit WindowSurface(QWidget *parent);
};
