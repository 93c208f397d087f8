#include "Application.h"

#include "FrmStylomat.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

#include <cstdio>
#include <cstdlib>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// Installed only while the window system is being reached: a missing display is
// reported in one line of ours instead of Qt's several lines and an abort.
// Qt's warnings that lead up to such a failure are dropped: they say the same at length.
void startUpMessages(QtMsgType type, const QMessageLogContext &, const QString &)
{
    if (type == QtFatalMsg) {
        const QByteArray display = qgetenv("DISPLAY");
        if (display.isEmpty() && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            std::fputs("stylomat: cannot open a window: no display is set (DISPLAY and "
                       "WAYLAND_DISPLAY are empty)\n",
                       stderr);
        else
            std::fprintf(stderr,
                         "stylomat: cannot open a window: the display %s could not be reached "
                         "or Qt has no platform plugin for it\n",
                         display.isEmpty() ? "(Wayland)" : display.constData());
        std::_Exit(1);
    }
}

void print(const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stdout);
}

// Returns an exit code when the command line asks for something other than the window.
std::optional<int> answerCommandLine(int argc, char *argv[])
{
    if (argc <= 1)
        return std::nullopt;
    // The parser names the program from the application's arguments, so one is needed
    // for as long as it works; it is gone before the window system is touched.
    const QCoreApplication parsing(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Writes one CSS style rule without typing it. / Sestaví jedno pravidlo stylu CSS."_s);
    const QCommandLineOption help({u"h"_s, u"help"_s}, u"Displays this help."_s);
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "stylomat: %s\nTry 'stylomat --help' for more information.\n",
                     qPrintable(parser.errorText()));
        return 1;
    }
    if (parser.isSet(help)) {
        print(parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        print(u"%1 %2\n"_s.arg(QCoreApplication::applicationName(),
                               QCoreApplication::applicationVersion()));
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr,
                     "stylomat: unexpected argument '%s'\nTry 'stylomat --help' for more "
                     "information.\n",
                     qPrintable(parser.positionalArguments().constFirst()));
        return 1;
    }
    return std::nullopt;
}

} // namespace

int runStylomat(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(u"Stylomat"_s);
    QCoreApplication::setApplicationVersion(u"1.01.0017"_s);
    if (const std::optional<int> exitCode = answerCommandLine(argc, argv))
        return *exitCode;

    qInstallMessageHandler(startUpMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);

    QGuiApplication::setDesktopFileName(u"org.example.stylomat"_s);
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 256})
        icon.addFile(u":/icons/stylomat-%1.png"_s.arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);

    FrmStylomat window;
    window.show();
    return QApplication::exec();
}
