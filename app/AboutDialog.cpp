#include "AboutDialog.h"

#include "Layout.h"
#include "Version.h"
#include "WindowSurface.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

#include <cmath>

using namespace Qt::StringLiterals;

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent)
    , m_picture(new QLabel(this))
{
    setObjectName(u"aboutDialog"_s);
    setWindowTitle(tr("Hlavolam 1.0"));
    setFixedSize(layout::aboutClient.pixels().size());
    dressInBlack(this);

    m_picture->setObjectName(u"aboutPicture"_s);
    m_picture->setAccessibleName(tr("Stylomat %1, verze %2").arg(ShortVersion, DisplayVersion));
    m_picture->setAccessibleDescription(tr("Okno zavřete kliknutím nebo libovolnou klávesou."));
    m_picture->setGeometry(layout::aboutPicture.pixels());
    m_picture->setPixmap(QPixmap(u":/info.jpg"_s));
    m_picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    centreOnScreen();
}

QPoint AboutDialog::centredOrigin(QSize screen, QSize outer)
{
    const auto half = [](int whole, int part) {
        const float left = (float(whole) - float(part)) / 2.0F;
        return int(std::lround(left));
    };
    return {half(screen.width(), outer.width()), half(screen.height(), outer.height())};
}

void AboutDialog::centreOnScreen()
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

void AboutDialog::mouseReleaseEvent(QMouseEvent *event)
{
    // The picture takes no clicks of its own, so a click on it arrives here as well
    // as one on the black margin.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        dismiss();
}

void AboutDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->text().isEmpty()) {
        event->ignore(); // arrows, function keys, modifiers
        return;
    }
    dismiss();
}

void AboutDialog::dismiss()
{
    hide();
    done(QDialog::Accepted);
}
