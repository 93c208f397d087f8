// The window's commands: the CSS levels, reset, the only-changed switch, and the About
// window a double-click on the bare surface opens.
#include "AboutDialog.h"
#include "WindowDriver.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include <cmath>
#include <functional>

namespace {

int declarations(const QString &rule)
{
    return int(rule.count(u"\r\n"_s)) - 2;
}

// Runs `whileOpen` once a modal window is up and reports whether it closed after that.
template <class Action> bool closesOn(Action whileOpen, const std::function<void()> &open)
{
    bool closed = false;
    QTimer::singleShot(50, [&] {
        QWidget *const modal = QApplication::activeModalWidget();
        if (modal == nullptr)
            return;
        whileOpen(static_cast<AboutDialog *>(modal));
        QTest::qWait(20);
        closed = !modal->isVisible();
        if (!closed)
            static_cast<QDialog *>(modal)->done(0);
    });
    open();
    return closed;
}

} // namespace

class TestCommands : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cssLevels()
    {
        WindowDriver d;
        d.click(u"onlyChangedCheck"_s);
        QCOMPARE(declarations(d.rule()), 78);
        d.pageTo(33);
        d.click(d.check(1)); // Color off: CSS 1 must not tick it again
        d.click(u"css1Button"_s);
        QCOMPARE(d.bar()->value(), 33);
        QCOMPARE(declarations(d.rule()), 37); // 41 CSS 2 defaults gone
        const QString once = d.rule();
        d.click(u"css1Button"_s);
        QCOMPARE(d.rule(), once);
        for (const auto &[row, ticked] : {std::pair{1, false}, {2, false}, {5, false}, {7, true}})
            QCOMPARE(d.check(row)->isChecked(), ticked); // Color, Content, Cursor, Display
        d.pageTo(70);
        QVERIFY(!d.check(1)->isChecked()); // Outline
        d.pageTo(92);
        QVERIFY(d.check(1)->isChecked()); // Text-shadow
        d.click(u"css2Button"_s);
        QCOMPARE(declarations(d.rule()), 78);
        for (int row = 1; row <= 10; ++row)
            QVERIFY(d.check(row)->isChecked());
    }

    void resetRestoresValuesOnly()
    {
        WindowDriver d;
        auto *const selector = d.get<QComboBox>(u"selectorBox"_s);
        d.edit(selector, u"P"_s);
        d.pageTo(40);
        d.edit(d.box(4), u"Arial"_s); // Font-family
        d.edit(d.box(2), u"left"_s);  // Float
        d.click(d.check(2));
        QCOMPARE(d.rule(), u"p\r\n  {\r\n  font-family: arial;\r\n  }"_s);
        d.click(u"resetButton"_s);
        QCOMPARE(d.rule(), u"p\r\n  {\r\n  }"_s);
        QCOMPARE(d.box(4)->currentText() + d.box(2)->currentText(), u"none"_s);
        QVERIFY(!d.check(2)->isChecked());
        QCOMPARE(d.bar()->value(), 40);
        d.click(u"onlyChangedCheck"_s);
        QCOMPARE(declarations(d.rule()), 77); // Float stays out
        QVERIFY(!d.rule().contains(u"float"_s));
        QCOMPARE(selector->currentText(), u"P"_s);
    }

    void doubleClickOpensAboutOnTheSurfaceOnly_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QPoint>("at"); // in the window
        QTest::addColumn<bool>("opens");
        QTest::addRow("bare surface") << QString() << QPoint(80, 100) << true;
        QTest::addRow("window corner") << QString() << QPoint(2, 2) << true;
        for (const char *name : {"css2Button", "resetButton", "onlyChangedCheck", "selectorLabel",
                                 "selectorBox", "valueBox4", "rowScrollBar", "rulePane"})
            QTest::addRow("%s", name) << QString::fromLatin1(name) << QPoint() << false;
        QTest::addRow("row tick past its caption") << u"rowCheck1"_s << QPoint(300, 15) << false;
    }
    void doubleClickOpensAboutOnTheSurfaceOnly()
    {
        QFETCH(QString, control);
        QFETCH(QPoint, at);
        QFETCH(bool, opens);
        WindowDriver d;
        if (!control.isEmpty())
            at = d.get(control)->geometry().center();
        bool opened = false;
        closesOn([&](AboutDialog *) { opened = true; },
                 [&] { QTest::mouseDClick(&d.window, Qt::LeftButton, {}, at); });
        QTest::qWait(100);
        QCOMPARE(opened, opens);
        QCOMPARE(d.rule(), u"\r\n  {\r\n  }"_s);
    }

    void aboutWindow()
    {
        AboutDialog about;
        QCOMPARE(about.windowTitle(), u"Hlavolam 1.0"_s);
        QCOMPARE(about.size(), QSize(249, 129));
        const auto *const picture = about.findChild<QLabel *>(u"aboutPicture"_s);
        QCOMPARE(picture->geometry(), QRect(8, 8, 235, 115));
        QCOMPARE(picture->pixmap().size(), QSize(235, 115));
        QCOMPARE(about.palette().color(QPalette::Window), QColor(Qt::black));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const auto half = [](int free) { return int(std::lround(free / 2.0)); };
        QCOMPARE(about.pos(), screen.topLeft() +
                                  QPoint(half(screen.width() - 249), half(screen.height() - 129)));
        QCOMPARE(AboutDialog::centredOrigin({1280, 1024}, {249, 129}), QPoint(516, 448));
        QCOMPARE(AboutDialog::centredOrigin({200, 100}, {249, 129}), QPoint(-25, -15));
    }

    void aboutClosesOnCharactersAndClicks_data()
    {
        QTest::addColumn<int>("key"); // 0: a click at `at`
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("closes");
        const std::initializer_list<std::tuple<const char *, int, QString, bool>> keys = {
            {"Enter", Qt::Key_Return, u"\r"_s, true},
            {"Esc", Qt::Key_Escape, u"\x1b"_s, true},
            {"Backspace", Qt::Key_Backspace, u"\b"_s, true},
            {"Space", Qt::Key_Space, u" "_s, true},
            {"letter", Qt::Key_Q, u"q"_s, true},
            {"Czech letter", 0x10c, u"č"_s, true},
            {"digit", Qt::Key_7, u"7"_s, true},
            {"arrow", Qt::Key_Left, {}, false},
            {"function key", Qt::Key_F1, {}, false},
            {"Shift", Qt::Key_Shift, {}, false},
            {"Ctrl", Qt::Key_Control, {}, false},
            {"Page Down", Qt::Key_PageDown, {}, false}};
        for (const auto &[name, key, text, closes] : keys)
            QTest::addRow("%s", name) << key << text << QPoint() << closes;
        QTest::addRow("click on the picture") << 0 << QString() << QPoint(120, 60) << true;
        QTest::addRow("click on the margin") << 0 << QString() << QPoint(246, 126) << true;
    }
    void aboutClosesOnCharactersAndClicks()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(QPoint, at);
        QFETCH(bool, closes);
        AboutDialog about;
        const bool closed = closesOn(
            [&](AboutDialog *open) {
                if (key != 0)
                    QTest::sendKeyEvent(QTest::Click, open->windowHandle(), Qt::Key(key), text, {});
                else
                    QTest::mouseClick(open->windowHandle(), Qt::LeftButton, {}, at);
            },
            [&] { about.exec(); });
        QCOMPARE(closed, closes);
    }

    // While About is open the main window takes no input, but its deferred refresh runs.
    void aboutBlocksTheMainWindow()
    {
        WindowDriver d;
        d.pageTo(70); // Outline
        QVERIFY(WindowDriver::pick(d.box(1), u"složit z dílčích hodnot"_s));
        QString shown;
        closesOn(
            [&](AboutDialog *) {
                shown = d.box(1)->currentText();
                d.click(u"css1Button"_s);
            },
            [&] { QTest::mouseDClick(&d.window, Qt::LeftButton, {}, QPoint(80, 100)); });
        QCOMPARE(shown, u"invert none medium"_s);
        QVERIFY(d.check(1)->isChecked());
        d.click(u"css1Button"_s);
        QVERIFY(!d.check(1)->isChecked());
    }
};

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
