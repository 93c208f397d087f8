// One whole-process start-up to measure: create the application and one window, and
// the moment that window has been painted for the first time, say so on stdout and
// leave at once (teardown is not start-up). Built three times: the main window with
// its first rule, a bare Qt window of the same size, and one that shows a line of
// text, which is the least any window with text costs.
#include <QApplication>
#include <QLabel>
#include <QPaintEvent>

#include <cstdio>
#include <cstdlib>

#if defined(START_STYLOMAT)
#include "MainWindow.h"
#endif

namespace {

class FirstPaint : public QObject {
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            static_cast<QWidget *>(watched)->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this,
                [] {
                    std::fputs("shown\n", stdout);
                    std::fflush(stdout);
                    std::_Exit(0);
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
#if defined(START_STYLOMAT)
    MainWindow window;
#elif defined(START_LABEL)
    QWidget window;
    window.resize(505, 337);
    QLabel label(QStringLiteral("Stylomat"), &window);
#else
    QWidget window;
    window.resize(505, 337);
#endif
    FirstPaint watcher;
    window.installEventFilter(&watcher);
    window.show();
    return QApplication::exec();
}
