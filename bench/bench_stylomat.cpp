// What the user waits for in the main window, with a 1 KB and a 1 MB value in the rule side
// by side: a keystroke in a value box, a page change, undo and redo, each until the window
// has handled it and until it has painted; reading a 1 MB paste; the memory 30 read-backs
// keep. Each figure is the median of its runs, in milliseconds. Run with
// ./scripts/bench.sh (offscreen).
#include "MainWindow.h"
#include "RuleDocument.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <malloc.h>
#include <memory>
#include <string>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype OneMegabyte = 1 << 20;

double median(QList<double> times)
{
    std::sort(times.begin(), times.end());
    return times.isEmpty() ? 0 : times.at(times.size() / 2);
}

struct Times {
    double handled; // until the window has handled the input
    double painted; // and painted what changed
};

// The median times of `act`.
Times timed(const std::function<void(int)> &act, int runs)
{
    QList<double> handled;
    QList<double> painted;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        act(run);
        handled << double(clock.nsecsElapsed()) / 1e6;
        QCoreApplication::processEvents();
        painted << double(clock.nsecsElapsed()) / 1e6;
    }
    return {median(handled), median(painted)};
}

// Resident memory, in MiB.
double residentMiB()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    }
    return 0;
}

QString dataUri(qsizetype size, int variant = 0)
{
    QString data(size, u'A');
    data[0] = QChar(u'a' + variant % 26);
    return u"url(data:image/png;base64,"_s + data + u')';
}

struct Window {
    MainWindow window;

    Window()
    {
        window.show();
        window.activateWindow();
        (void)QTest::qWaitForWindowActive(&window);
    }
    template <class T = QWidget> T *get(const QString &name) const
    {
        return window.findChild<T *>(name);
    }
    // Pastes over the pane's text, as a user does: select all, paste.
    void paste(const QString &text) const
    {
        auto *const pane = get(u"rulePane"_s);
        pane->setFocus();
        QApplication::clipboard()->setText(text);
        QTest::keyClick(pane, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(pane, Qt::Key_V, Qt::ControlModifier);
    }
};

// A window with a data URI as the value of Background-image: 1 MB large, or 1 KB small,
// so that what differs is only the value's size.
std::unique_ptr<Window> window(bool large)
{
    auto made = std::make_unique<Window>();
    made->paste(u"body { background-image: "_s + dataUri(large ? OneMegabyte : 1000) + u" }"_s);
    QCoreApplication::processEvents();
    return made;
}

void report(const char *what, double small, double large)
{
    std::printf("%-58s %9.3f ms %9.3f ms %6.2fx\n", what, small, large, large / small);
}

} // namespace

int main(int argc, char *argv[])
{
    mallopt(M_MMAP_THRESHOLD, 256 << 10); // as the program does at start
    QApplication app(argc, argv);
    std::printf("%-58s %12s %12s %7s\n", "median", "1 KB value", "1 MB value", "ratio");

    // Memory first, before other work has grown the heap: 30 read-backs of different 0.5 MB
    // rules, which the history keeps.
    {
        Window w;
        QCoreApplication::processEvents();
        const double before = residentMiB();
        for (int n = 0; n < 30; ++n) {
            w.paste(u"body { background-image: "_s + dataUri(OneMegabyte / 2, n) + u" }"_s);
            QCoreApplication::processEvents();
        }
        if (!w.window.document().ruleText().contains(dataUri(OneMegabyte / 2, 29)))
            return 1;
        std::printf("%-58s %9.1f MiB\n",
                    "memory added by 30 read-backs of a 0.5 MB rule",
                    residentMiB() - before);
    }

    Times figures[2][3] = {};
    for (const bool large : {false, true}) {
        const auto w = window(large);
        auto *const box = w->get<QComboBox>(u"valueBox3"_s); // Background-color
        box->setFocus();
        figures[large][0] = timed(
            [&](int run) { QTest::keyClick(box, run % 2 ? Qt::Key_Backspace : Qt::Key_X); }, 201);
        // Undo and redo of one keystroke each.
        QTest::keyClick(box, Qt::Key_Y);
        figures[large][1] = timed(
            [&](int run) {
                QTest::keyClick(box,
                                Qt::Key_Z,
                                run % 2 ? Qt::ControlModifier | Qt::ShiftModifier
                                        : Qt::ControlModifier);
            },
            201);
        // Onto and off the page with the large value's row: its box shows it shortened.
        auto *const bar = w->get<QScrollBar>(u"rowScrollBar"_s);
        bar->setFocus();
        figures[large][2] = timed(
            [&](int run) { QTest::keyClick(bar, run % 2 ? Qt::Key_PageUp : Qt::Key_PageDown); },
            101);
    }
    const char *const what[] = {"keystroke in a value box",
                                "undo or redo of a keystroke",
                                "page change onto and off the row of the value"};
    for (int figure = 0; figure < 3; ++figure) {
        report((what[figure] + std::string(", handled")).c_str(),
               figures[0][figure].handled,
               figures[1][figure].handled);
        report((what[figure] + std::string(", and painted")).c_str(),
               figures[0][figure].painted,
               figures[1][figure].painted);
    }

    // Reading a 1 MB paste, rows and pane brought up to date.
    QString minified = u"p{"_s;
    for (int n = 0; minified.size() < OneMegabyte; ++n)
        minified += u"color:#%1;margin:0 auto;-x-shadow:0 0 %2px #000;"_s
                        .arg(n % 999999, 6, 10, QChar(u'0'))
                        .arg(n);
    minified += u'}';
    const QString withUri = u"body { background-image: "_s + dataUri(OneMegabyte) + u" }"_s;
    for (const auto &[what, text] :
         {std::pair{"1 MB paste read back: a data URI in one value", withUri},
          std::pair{"1 MB paste read back: a minified rule", minified}}) {
        QList<double> times;
        for (int run = 0; run < 7; ++run) {
            Window w;
            times << timed([&](int) { w.paste(text); }, 1).painted;
        }
        std::printf("%-58s %22.3f ms\n", what, median(times));
    }

    return 0;
}
