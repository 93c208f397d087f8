// Floors for the program's start-up, each a whole process: a window of the main window's
// size with one label, and (START_KINDS) one with a widget of each kind the main window
// uses. scripts/bench.sh starts them and the program alike and waits until Qt reports the
// first paint.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(505, 337);
    QLabel label(QStringLiteral("Stylomat"), &window);
#if defined(START_KINDS)
    QComboBox combo(&window);
    combo.setEditable(true);
    combo.setGeometry(100, 10, 160, 22);
    QCheckBox check(QStringLiteral("CSS"), &window);
    check.setGeometry(10, 40, 120, 20);
    QPushButton button(QStringLiteral("CSS 1"), &window);
    button.setGeometry(10, 70, 100, 26);
    QScrollBar bar(Qt::Vertical, &window);
    bar.setGeometry(480, 10, 17, 230);
    QPlainTextEdit pane(QStringLiteral("p\n  {\n  }"), &window);
    pane.setGeometry(10, 250, 380, 80);
#endif
    window.show();
    return QApplication::exec();
}
