// Saves a picture of the main window as it appears on screen, for the README.
// Usage: stylomat-screenshot OUT.png [selector] — run it under a real X server (Xvfb).
#include "FrmStylomat.h"

#include <QApplication>
#include <QComboBox>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        std::fputs("usage: stylomat-screenshot OUT.png\n", stderr);
        return 2;
    }
    FrmStylomat window;
    window.move(0, 0);
    window.show();
    int status = 1;
    QTimer::singleShot(500, &app, [&] {
        const QPixmap shot = window.grab();
        status = shot.save(args.at(1)) ? 0 : 1;
        app.quit();
    });
    QApplication::exec();
    return status;
}
