// Saves a picture of the main window, with a small rule in progress, for the README; with
// --preview, the main window and its preview side by side.
// Usage: stylomat-screenshot [--preview] OUT.png — run it under a real X server (Xvfb).
#include "Language.h"
#include "MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// Types into a box as the keyboard does: the box has the focus and gets the keys.
void typeInto(MainWindow &window, const QString &control, const QString &text)
{
    QComboBox *const box = window.findChild<QComboBox *>(control);
    box->lineEdit()->selectAll();
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    speak(desktopLanguage(), &app); // as the program does
    const QStringList args = QApplication::arguments();
    const bool preview = args.size() == 3 && args.at(1) == u"--preview"_s;
    if (args.size() != (preview ? 3 : 2)) {
        std::fputs("usage: stylomat-screenshot [--preview] OUT.png\n", stderr);
        return 2;
    }
    MainWindow window;
    window.move(0, 0);
    if (preview) {
        typeInto(window, u"selectorBox"_s, u"P"_s);
        typeInto(window, u"valueBox3"_s, u"#ffe9a8"_s);
        typeInto(window, u"valueBox7"_s, u"3px double #805000"_s);
    } else {
        typeInto(window, u"selectorBox"_s, u"BODY"_s);
        typeInto(window, u"valueBox3"_s, u"yellow"_s);
        typeInto(window, u"valueBox6"_s, u"no-repeat"_s);
    }
    window.show();
    QWidget *shown = &window;
    if (preview) {
        // The window's action for the preview, which then stands beside the window.
        for (QAction *const action : window.actions()) {
            if (action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_P))
                action->trigger();
        }
        shown = window.findChild<QWidget *>(u"previewWindow"_s);
        if (shown == nullptr)
            return 1;
        shown->setGeometry(window.width() + 8, 0, 420, window.height());
    }
    int status = 1;
    QTimer::singleShot(800, &app, [&] {
        const QRect both = window.frameGeometry().united(shown->frameGeometry());
        const QPixmap picture =
            preview ? window.screen()->grabWindow(0, both.x(), both.y(), both.width(),
                                                  both.height())
                    : window.grab();
        status = picture.save(args.last()) ? 0 : 1;
        app.quit();
    });
    QApplication::exec();
    return status;
}
