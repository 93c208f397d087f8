// Text nobody would type on purpose, pasted into the value boxes and the selector:
// it is kept exactly, shown back after paging, and only the rule lower-cases it.
#include "WindowDriver.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>

using namespace Qt::StringLiterals;

namespace {

QString lowerTrimmedBySpaces(const QString &text)
{
    QString lower = text.toLower();
    while (lower.startsWith(u' '))
        lower.remove(0, 1);
    while (lower.endsWith(u' '))
        lower.chop(1);
    return lower;
}

} // namespace

class TestHostile : public QObject {
    Q_OBJECT

private:
    static void paste(QLineEdit *edit, const QString &text)
    {
        QApplication::clipboard()->setText(text);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    }

private Q_SLOTS:
    void pastedValues_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("tab, CR and LF inside") << u"a\tb\rc\nd\r\ne"_s;
        QTest::newRow("NUL") << QString(u"x\0y"_s);
        QTest::newRow("emoji beyond 16 bits") << u"😀 Red 𝔘"_s;
        QTest::newRow("combining marks") << u"Ŕe\u0301\u0301d"_s;
        QTest::newRow("right to left") << u"\u05E9\u05DC\u05D5\u05DD RED \u0627"_s;
        QTest::newRow("lower case longer than itself") << u"\u0130STANBUL"_s;
        QTest::newRow("only spaces") << u"     "_s;
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + u"x"_s;
        QTest::newRow("the compose item with a space") << u"složit z dílčích hodnot "_s;
    }
    void pastedValues()
    {
        QFETCH(QString, text);
        WindowDriver d;
        d.scroll()->setValue(33); // Color in row 1
        paste(d.box(1)->lineEdit(), text);
        QCOMPARE(d.box(1)->currentText(), text);
        QCOMPARE(d.w().catalogue().vlastnost(33).Hodnota, text);
        const QString written = lowerTrimmedBySpaces(text);
        const QString expected = written.isEmpty()
                                     ? u"\r\n  {\r\n  }"_s
                                     : u"\r\n  {\r\n  color: "_s + written + u";\r\n  }"_s;
        QCOMPARE(d.pane(), expected);
        d.scroll()->setValue(93);
        d.scroll()->setValue(33);
        QCOMPARE(d.box(1)->currentText(), text);
        QCOMPARE(d.pane(), expected);
    }

    void pastedSelectors_data() { pastedValues_data(); }
    void pastedSelectors()
    {
        QFETCH(QString, text);
        WindowDriver d;
        paste(d.selector()->lineEdit(), text);
        QCOMPARE(d.selector()->currentText(), text);
        QCOMPARE(d.pane(), lowerTrimmedBySpaces(text) + u"\r\n  {\r\n  }"_s);
    }

    void oneMegabytePaste()
    {
        WindowDriver d;
        QString big;
        big.reserve(1 << 20);
        const QString chunk = u"Ab😀 č\t"_s;
        while (big.size() < (1 << 20))
            big += chunk;
        QElapsedTimer clock;
        clock.start();
        paste(d.box(3)->lineEdit(), big);
        QCOMPARE(d.w().catalogue().vlastnost(3).Hodnota, big);
        QCOMPARE(d.box(3)->currentText().size(), big.size());
        QVERIFY(d.pane().contains(big.toLower()));
        d.scroll()->setValue(2);
        d.scroll()->setValue(1);
        QCOMPARE(d.box(3)->currentText(), big);
        QTest::keyClick(d.box(3)->lineEdit(), Qt::Key_End);
        QTest::keyClick(d.box(3)->lineEdit(), Qt::Key_X);
        QCOMPARE(d.w().catalogue().vlastnost(3).Hodnota, big + u"x"_s);
        qInfo("1 MB paste, page away and back, one more key: %lld ms", clock.elapsed());
        QVERIFY2(clock.elapsed() < 20000, "a 1 MB value must not hang the window");
    }
};

QTEST_MAIN(TestHostile)
#include "tst_hostile.moc"
