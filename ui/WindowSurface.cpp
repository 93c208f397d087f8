#include "WindowSurface.h"

#include "WindowFonts.h"

WindowSurface::WindowSurface(QWidget *parent)
    : QWidget(parent)
{
    setFont(windowFont());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::black);
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);
}
