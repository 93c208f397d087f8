#include "WindowSurface.h"

#include "WindowFonts.h"

WindowSurface::WindowSurface(QWidget *parent)
    : QWidget(parent)
{
    setFont(windowFont());
    dressInBlack(this);
}

void dressInBlack(QWidget *window)
{
    QPalette colours = window->palette();
    colours.setColor(QPalette::Window, Qt::black);
    colours.setColor(QPalette::WindowText, Qt::white);
    window->setPalette(colours);
    window->setAutoFillBackground(true);
}
