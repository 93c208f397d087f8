// Runs on a real X server (xvfb-run): the copy command must reach the system
// clipboard that other programs read, byte for byte.
#include "WindowDriver.h"

#include <QApplication>
#include <QClipboard>
#include <QProcess>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

class TestClipboard : public QObject {
    Q_OBJECT

private:
    // Reads the X clipboard through another program while our event loop keeps
    // answering its request.
    static QByteArray readWithXclip()
    {
        QProcess xclip;
        xclip.start(u"xclip"_s, {u"-selection"_s, u"clipboard"_s, u"-o"_s});
        QDeadlineTimer deadline(5000);
        while (xclip.state() != QProcess::NotRunning && !deadline.hasExpired())
            QTest::qWait(10);
        return xclip.readAllStandardOutput();
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != u"xcb"_s)
            QSKIP("needs a real X server");
        if (QStandardPaths::findExecutable(u"xclip"_s).isEmpty())
            QFAIL("xclip is not installed");
    }

    void copyReachesOtherPrograms()
    {
        WindowDriver d;
        QVERIFY(QTest::qWaitForWindowExposed(&d.w()));
        d.selector()->lineEdit()->setText(u"Tělo "_s);
        d.click(d.onlyChanged());
        d.type(d.box(3), u"X"_s);
        const QString rule = d.pane();
        QCOMPARE(rule.count(u"\r\n"_s), 80);
        QVERIFY(rule.startsWith(u"tělo\r\n  {\r\n  background-attachment: scroll;\r\n"_s));

        QApplication::clipboard()->setText(u"older text"_s);
        d.click(d.button("cmdCopy"));
        QCOMPARE(QApplication::clipboard()->text(), rule);
        const QByteArray seen = readWithXclip();
        QCOMPARE(seen, rule.toUtf8());
        QVERIFY(seen.contains("transparentx;\r\n  background-image"));
        QVERIFY(seen.endsWith("  }"));

        d.click(d.button("cmdCopy"));
        QCOMPARE(readWithXclip(), rule.toUtf8());
        QCOMPARE(d.pane(), rule);
    }
};

QTEST_MAIN(TestClipboard)
#include "tst_clipboard.moc"
