// On a real X server: what the copy command puts on the clipboard is what another
// program reads from it, byte for byte.
#include "WindowDriver.h"

#include <QProcess>

class TestClipboard : public QObject {
    Q_OBJECT

    // Reads the clipboard through xclip while our event loop answers its request.
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
    void copyReachesOtherPrograms()
    {
        if (QGuiApplication::platformName() != u"xcb"_s)
            QSKIP("needs a real X server");
        WindowDriver d;
        d.edit(d.get<QComboBox>(u"selectorBox"_s), u"Tělo "_s);
        d.click(u"onlyChangedCheck"_s);
        d.edit(d.box(3), u"X"_s);
        const QString rule = d.rule();
        QVERIFY(rule.startsWith(u"tělo\r\n  {\r\n  background-attachment: scroll;\r\n"_s));
        d.click(u"copyButton"_s);
        QCOMPARE(readWithXclip(), rule.toUtf8());
        d.click(u"copyButton"_s);
        QCOMPARE(readWithXclip(), rule.toUtf8());
        QCOMPARE(d.rule(), rule);
    }
};

QTEST_MAIN(TestClipboard)
#include "tst_clipboard.moc"
