// Starts the program: answers --help and --version, or opens the main window and runs
// until it is closed.
#include "Language.h"
#include "MainWindow.h"
#include "Version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QTimer>

#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <optional>
#include <thread>

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

// Qt's own options, which QApplication takes out of the arguments itself: known here
// only so that they pass, with their values, when --help or --version is looked for.
void addQtOptions(QCommandLineParser &parser)
{
    for (const char16_t *name : {u"platform",
                                 u"platformpluginpath",
                                 u"platformtheme",
                                 u"plugin",
                                 u"qwindowgeometry",
                                 u"qwindowicon",
                                 u"qwindowtitle",
                                 u"session",
                                 u"style",
                                 u"stylesheet",
                                 u"display",
                                 u"geometry",
                                 u"name",
                                 u"title",
                                 u"icon",
                                 u"qmljsdebugger"}) {
        QCommandLineOption option(QString::fromUtf16(name), QString(), u"value"_s);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char16_t *name : {u"reverse", u"widgetcount", u"nograb", u"dograb", u"sync"}) {
        QCommandLineOption option(QString::fromUtf16(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// Returns an exit code when the command line asks for something other than the window.
std::optional<int> answerCommandLine(int argc, char *argv[])
{
    if (argc <= 1)
        return std::nullopt;
    // The parser names the program from the application's arguments, so one is needed
    // for as long as it works; it is gone before the window system is touched.
    QCoreApplication parsing(argc, argv);
    speak(desktopLanguage(), &parsing);
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Sestaví jedno pravidlo stylu CSS bez psaní."));
    const QCommandLineOption help({u"h"_s, u"help"_s},
                                  QCoreApplication::translate("main", "Zobrazí tuto nápovědu."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    addQtOptions(parser);
    const QString moreHelp =
        QCoreApplication::translate("main", "Více řekne „stylomat --help“.") + u'\n';
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fputs(qPrintable(u"stylomat: "_s + parser.errorText() + u'\n' + moreHelp), stderr);
        return 1;
    }
    if (parser.isSet(help)) {
        print(parser.helpText() + u'\n' +
              QCoreApplication::translate("main",
                                          "Přijímá i standardní volby Qt (-platform, "
                                          "-style, -qwindowgeometry, -reverse, …).") +
              u'\n');
        return 0;
    }
    if (parser.isSet(version)) {
        print(u"%1 %2\n"_s.arg(QCoreApplication::applicationName(),
                               QCoreApplication::applicationVersion()));
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        std::fputs(qPrintable(u"stylomat: "_s +
                              QCoreApplication::translate("main", "nečekaný argument „%1“")
                                  .arg(parser.positionalArguments().constFirst()) +
                              u'\n' + moreHelp),
                   stderr);
        return 1;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char *argv[])
{
    // Blocks from 256 KiB on (a long value, a pasted rule, its pieces while it is read) come
    // from the system and go back to it when freed. Left to itself, glibc raises that
    // threshold after the first such block is freed and keeps what later ones free: 30
    // read-backs of a 0.5 MB rule then kept 47.6 MiB instead of 33.8 MiB (bench_stylomat).
    mallopt(M_MMAP_THRESHOLD, 256 << 10);
    QCoreApplication::setApplicationName(u"Stylomat"_s);
    QCoreApplication::setApplicationVersion(QString::fromUtf16(DisplayVersion));
    if (const std::optional<int> exitCode = answerCommandLine(argc, argv))
        return *exitCode;

    // Fontconfig reads its configuration, a few dozen XML files, the first time a font is
    // asked for, which the window's text fields do as they are built. Read on a second
    // thread while Qt connects to the display, it is off the way to the window.
    std::thread readFontConfiguration(FcInit);
    const QtMessageHandler previous = qInstallMessageHandler(startUpMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    speak(desktopLanguage(), &app);
    readFontConfiguration.join();

    QGuiApplication::setDesktopFileName(QString::fromUtf16(AppId));
    MainWindow window;
    window.show();
    // The icon once the window is on its way: reading its pictures, the first the program
    // reads, took 1.4 to 1.9 ms before the window could be shown.
    QTimer::singleShot(0, &window, [] {
        QIcon icon;
        for (const int size : {16, 32, 48, 64}) // larger ones are for launchers, not the title bar
            icon.addFile(u":/icons/stylomat-%1.png"_s.arg(size), QSize(size, size));
        QApplication::setWindowIcon(icon);
    });
    return QApplication::exec();
}
