// The About window: how it looks, where it opens, what closes it, and that only a
// double-click on the bare surface of the main window opens it.
#include "AboutDialog.h"
#include "WindowDriver.h"

#include <QScreen>

#include <cmath>
#include <functional>

namespace {

// Runs `whileOpen` once `open` has brought up a modal window; says whether it closed.
bool closes(const std::function<void()> &whileOpen, const std::function<void()> &open)
{
    bool closed = false;
    QObject scope; // nothing is waited for if nothing opened
    WindowDriver::when(
        &scope,
        [] { return QApplication::activeModalWidget() != nullptr; },
        [&] {
            QWidget *const modal = QApplication::activeModalWidget();
            modal->activateWindow(); // as a window manager does
            (void)QTest::qWaitForWindowActive(modal);
            whileOpen(); // input is handled before it returns
            closed = !modal->isVisible();
            static_cast<QDialog *>(modal)->done(0);
        });
    open();
    return closed;
}

} // namespace

class TestAbout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void looksAndOpensCentred()
    {
        AboutDialog about;
        QCOMPARE(about.windowTitle(), u"Hlavolam 1.0"_s);
        QCOMPARE(about.size(), QSize(249, 129));
        const auto *const picture = about.findChild<QLabel *>(u"aboutPicture"_s);
        QCOMPARE(picture->geometry(), QRect(8, 8, 235, 115));
        QCOMPARE(picture->pixmap().size(), QSize(235, 115));
        QCOMPARE(picture->accessibleName(), u"Stylomat 1.1, verze 1.01.0017"_s);
        QCOMPARE(about.palette().color(QPalette::Window), QColor(Qt::black));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const auto half = [](int free) { return int(std::lround(free / 2.0)); };
        QCOMPARE(about.pos(),
                 screen.topLeft() +
                     QPoint(half(screen.width() - 249), half(screen.height() - 129)));
        QCOMPARE(AboutDialog::centredOrigin({200, 100}, {249, 129}), QPoint(-25, -15));
    }

    void closesOnCharactersAndClicks_data()
    {
        QTest::addColumn<QString>("input"); // "KEY:TEXT", or "x,y" for a click there
        for (const QString &input : u"Return:\r|Esc:\x1b|Backspace:\b|Space: |Q:q|Č:č|7:7|Left:|"
                                    u"F1:|Shift:|Ctrl:|PgDown:|120,60|246,126"_s.split(u'|'))
            QTest::addRow("%s", qPrintable(input.section(u':', 0, 0))) << input;
    }
    void closesOnCharactersAndClicks()
    {
        QFETCH(QString, input);
        AboutDialog about;
        const auto act = [&] {
            const QStringList at = input.split(u',');
            at.size() == 2 ? QTest::mouseClick(about.windowHandle(),
                                               Qt::LeftButton,
                                               {},
                                               QPoint(at[0].toInt(), at[1].toInt()))
                           : WindowDriver::key(input.section(u':', 0, 0), input.section(u':', 1));
        };
        // Characters and clicks close it; keys that type nothing do not.
        QCOMPARE(::closes(act, [&] { about.exec(); }), !input.endsWith(u':'));
    }

    void doubleClickOnTheSurfaceOnly_data()
    {
        QTest::addColumn<QString>("control"); // none: the window's surface at `at`
        QTest::addColumn<QPoint>("at");
        QTest::addRow("bare surface") << QString() << QPoint(80, 100);
        QTest::addRow("window corner") << QString() << QPoint(2, 2);
        for (const char *name : {"css2Button",
                                 "resetButton",
                                 "onlyChangedCheck",
                                 "selectorLabel",
                                 "selectorBox",
                                 "valueBox4",
                                 "rowCheck1",
                                 "rowScrollBar",
                                 "rulePane"})
            QTest::addRow("%s", name) << QString::fromLatin1(name) << QPoint();
    }
    void doubleClickOnTheSurfaceOnly()
    {
        QFETCH(QString, control);
        QFETCH(QPoint, at);
        WindowDriver d;
        if (!control.isEmpty()) // near the right end: past a tick's caption
            at = d.get(control)->geometry().topRight() + QPoint(-4, 10);
        bool opened = false;
        closes([&] { opened = true; },
               [&] { QTest::mouseDClick(&d.window, Qt::LeftButton, {}, at); });
        QCOMPARE(opened, control.isEmpty());
    }

    // The keyboard's ways in: F1 anywhere in the main window, or the item in a context menu.
    void opensFromTheKeyboard_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("F1") << QStringList{u"key F1"_s};
        QTest::newRow("F1 in a value box") << QStringList{u"click valueBox3"_s, u"key F1"_s};
        QTest::newRow("the copy button's menu") << QStringList{u"menu copyButton O programu"_s};
        QTest::newRow("the pane's menu") << QStringList{u"menu rulePane O programu"_s};
    }
    void opensFromTheKeyboard()
    {
        QFETCH(QStringList, steps);
        WindowDriver d;
        QVERIFY(::closes([] { WindowDriver::key(u"Esc"_s, u"\x1b"_s); }, [&] { d.run(steps); }));
    }

    // While About is open the main window takes no input, but its deferred refresh runs.
    void blocksTheMainWindowButNotItsRefresh()
    {
        WindowDriver d;
        d.run({u"page 70"_s, u"pick valueBox1 složit z dílčích hodnot"_s});
        bool refreshed = false;
        closes(
            [&] {
                refreshed = QTest::qWaitFor(
                    [&] { return d.shows(u"valueBox1"_s) == u"invert none medium"_s; });
                d.run({u"click css1Button"_s});
            },
            [&] { QTest::mouseDClick(&d.window, Qt::LeftButton, {}, QPoint(80, 100)); });
        QVERIFY(refreshed);
        d.run({u"show rowCheck1 1"_s, u"click css1Button"_s, u"show rowCheck1 0"_s});
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
