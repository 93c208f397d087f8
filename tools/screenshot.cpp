// Saves a picture of the main window, with a small rule in progress, for the README.
// Usage: stylomat-screenshot OUT.png — run it under a real X server (Xvfb).
#include "MainWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPixmap>
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
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        std::fputs("usage: stylomat-screenshot OUT.png\n", stderr);
        return 2;
    }
    MainWindow window;
    typeInto(window, u"selectorBox"_s, u"BODY"_s);
    typeInto(window, u"valueBox3"_s, u"yellow"_s);
    typeInto(window, u"valueBox6"_s, u"no-repeat"_s);
    window.show();
    int status = 1;
    QTimer::singleShot(500, &app, [&] {
        status = window.grab().save(args.at(1)) ? 0 : 1;
        app.quit();
    });
    QApplication::exec();
    return status;
}
