// Saves a picture of the main window, with a small rule in progress, for the README.
// Usage: stylomat-screenshot OUT.png — run it under a real X server (Xvfb).
#include "FrmStylomat.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QTimer>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// Puts text into a control's line edit and releases a key there, as typing does.
void typeInto(FrmStylomat &window, const QString &control, const QString &text)
{
    QLineEdit *const edit = window.findChild<QComboBox *>(control)->lineEdit();
    edit->setText(text);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_End, Qt::NoModifier);
    QApplication::sendEvent(edit, &release);
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
    FrmStylomat window;
    window.findChild<QComboBox *>(u"cmbSelektor"_s)->lineEdit()->setText(u"BODY"_s);
    typeInto(window, u"cmbHodnota3"_s, u"yellow"_s);
    typeInto(window, u"cmbHodnota6"_s, u"no-repeat"_s);
    window.show();
    int status = 1;
    QTimer::singleShot(500, &app, [&] {
        status = window.grab().save(args.at(1)) ? 0 : 1;
        app.quit();
    });
    QApplication::exec();
    return status;
}
