#include "FrmOProgramu.h"

#include "Layout.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

#include <cmath>

using namespace Qt::StringLiterals;

FrmOProgramu::FrmOProgramu(QWidget *parent)
    : QDialog(parent)
    , imgInfo(new QLabel(this))
{
    setObjectName(u"FrmOProgramu"_s);
    setWindowTitle(u"Hlavolam 1.0"_s);
    setFixedSize(layout::aboutClient.pixels().size());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::black);
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);

    imgInfo->setObjectName(u"imgInfo"_s);
    imgInfo->setAccessibleName(u"Stylomat 1.1, verze 1.01.0017"_s);
    imgInfo->setAccessibleDescription(u"Okno zavřete kliknutím nebo libovolnou klávesou."_s);
    imgInfo->setGeometry(layout::imgInfo.pixels());
    imgInfo->setPixmap(QPixmap(u":/info.jpg"_s));
    imgInfo->setScaledContents(false);
    imgInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Form_Load();
}

QPoint FrmOProgramu::centredOrigin(QSize screen, QSize outer)
{
    const auto half = [](int whole, int part) {
        const float left = (float(whole) - float(part)) / 2.0F;
        return int(std::lround(left));
    };
    return {half(screen.width(), outer.width()), half(screen.height(), outer.height())};
}

void FrmOProgramu::Form_Load()
{
    // Before the window is first shown the window manager has not told us its frame,
    // so the frame of an already shown window of the program stands in for it.
    QSize outer = frameGeometry().size();
    if (outer == size()) {
        for (const QWidget *shown : QApplication::topLevelWidgets()) {
            if (shown != this && shown->isVisible()) {
                outer += shown->frameGeometry().size() - shown->size();
                break;
            }
        }
    }
    const QScreen *const screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect area = screen->geometry();
    move(area.topLeft() + centredOrigin(area.size(), outer));
}

void FrmOProgramu::mouseReleaseEvent(QMouseEvent *event)
{
    // The picture takes no clicks of its own, so a click on it arrives here as well
    // as one on the black margin.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Form_Click();
}

void FrmOProgramu::keyPressEvent(QKeyEvent *event)
{
    if (event->text().isEmpty()) {
        event->ignore(); // arrows, function keys, modifiers
        return;
    }
    Form_KeyPress();
}

void FrmOProgramu::Form_Click()
{
    closeWindow();
}

void FrmOProgramu::Form_KeyPress()
{
    closeWindow();
}

void FrmOProgramu::closeWindow()
{
    hide();
    done(QDialog::Accepted);
}
