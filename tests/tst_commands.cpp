#include "WindowDriver.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

namespace {

QString emptyRule()
{
    return u"\r\n  {\r\n  }"_s;
}

} // namespace

class TestCommands : public QObject {
    Q_OBJECT

private:
    // Double-clicks at `pos` in `target` and reports whether a modal window opened;
    // one that did is closed again with Esc.
    static QString doubleClickOpens(QWidget *target, QPoint pos)
    {
        QString opened;
        QTimer::singleShot(50, target, [&opened] {
            if (QWidget *const modal = QApplication::activeModalWidget()) {
                opened = modal->objectName();
                QTest::keyClick(modal, Qt::Key_Escape);
            }
        });
        QTest::mouseDClick(target, Qt::LeftButton, {}, pos);
        QTest::qWait(100);
        return opened;
    }

private Q_SLOTS:
    void css1NeverTicks()
    {
        WindowDriver d;
        d.scroll()->setValue(33);
        d.click(d.tick(1)); // untick Color, which CSS 1 defines
        QVERIFY(!d.tick(1)->isChecked());
        d.click(d.button("cmdCSS1"));
        QCOMPARE(d.scroll()->value(), 33);
        QVERIFY(!d.tick(1)->isChecked());
        QCOMPARE(d.w().catalogue().zapsat(33), qint16(0));
        QCOMPARE(d.tick(2)->text(), u"Content"_s);
        QVERIFY(!d.tick(2)->isChecked());
        QCOMPARE(d.tick(5)->text(), u"Cursor"_s);
        QVERIFY(!d.tick(5)->isChecked());
        QCOMPARE(d.tick(6)->text(), u"Direction"_s);
        QVERIFY(!d.tick(6)->isChecked());
        QCOMPARE(d.tick(7)->text(), u"Display"_s);
        QVERIFY(d.tick(7)->isChecked());
    }

    void css1KeepsTextShadowAndDropsOutline()
    {
        WindowDriver d;
        d.click(d.button("cmdCSS1"));
        d.scroll()->setValue(70);
        const QStringList names = d.rowNames();
        QCOMPARE(names.mid(0, 4), (QStringList{u"Outline"_s, u"Outline-color"_s, u"Outline-style"_s,
                                               u"Outline-width"_s}));
        for (int row = 1; row <= 4; ++row)
            QVERIFY(!d.tick(row)->isChecked());
        d.scroll()->setValue(92);
        QCOMPARE(d.tick(1)->text(), u"Text-shadow"_s);
        QVERIFY(d.tick(1)->isChecked());
    }

    void css1TwiceIsCss1Once()
    {
        WindowDriver once;
        once.click(once.button("cmdCSS1"));
        WindowDriver twice;
        twice.click(twice.button("cmdCSS1"));
        twice.click(twice.button("cmdCSS1"));
        for (int i = 1; i <= 102; ++i)
            QCOMPARE(twice.w().catalogue().zapsat(i), once.w().catalogue().zapsat(i));
    }

    void css2TicksEverything()
    {
        WindowDriver d;
        d.click(d.onlyChanged());
        d.click(d.button("cmdCSS1"));
        QCOMPARE(d.pane().count(u"\r\n"_s), 80 - 41); // 41 of the 78 defaults are CSS 2 only
        d.scroll()->setValue(12);
        d.click(d.tick(1));  // Border-collapse back on
        d.click(d.tick(10)); // Border-left-width off
        d.click(d.button("cmdCSS2"));
        QCOMPARE(d.scroll()->value(), 12);
        for (int row = 1; row <= 10; ++row)
            QVERIFY(d.tick(row)->isChecked());
        for (int i = 1; i <= 102; ++i)
            QCOMPARE(d.w().catalogue().zapsat(i), qint16(1));
        QCOMPARE(d.pane().count(u"\r\n"_s), 80);
    }

    void css1ChangesTheRule()
    {
        WindowDriver d;
        d.type(d.box(2), u"x"_s); // Background-attachment "scrollx"
        d.scroll()->setValue(29);
        d.box(1)->lineEdit()->clear();
        d.type(d.box(1), u"1px"_s); // Bottom, CSS 2 only
        QCOMPARE(d.pane(),
                 u"\r\n  {\r\n  background-attachment: scrollx;\r\n  bottom: 1px;\r\n  }"_s);
        d.click(d.button("cmdCSS1"));
        QCOMPARE(d.pane(), u"\r\n  {\r\n  background-attachment: scrollx;\r\n  }"_s);
        QCOMPARE(d.w().catalogue().vlastnost(29).Hodnota, u"1px"_s);
        QCOMPARE(d.box(1)->currentText(), u"1px"_s);
    }

    void resetRestoresValuesOnly()
    {
        WindowDriver d;
        d.selector()->lineEdit()->setText(u"p"_s);
        d.scroll()->setValue(40);
        d.box(4)->lineEdit()->clear();
        d.type(d.box(4), u"Arial"_s); // Font-family
        d.click(d.tick(2));           // untick Float
        d.click(d.onlyChanged());
        QVERIFY(d.pane().contains(u"  font-family: arial;"_s));
        d.click(d.button("cmdReset"));
        QCOMPARE(d.scroll()->value(), 40);
        QCOMPARE(d.box(4)->currentText(), QString());
        QCOMPARE(d.box(2)->currentText(), u"none"_s);
        QVERIFY(!d.tick(2)->isChecked());
        QCOMPARE(d.w().catalogue().zapsat(41), qint16(0));
        QCOMPARE(d.selector()->currentText(), u"p"_s);
        QVERIFY(!d.onlyChanged()->isChecked());
        QVERIFY(!d.pane().contains(u"font-family"_s));
        QVERIFY(!d.pane().contains(u"float"_s));
        QCOMPARE(d.pane().count(u"\r\n"_s), 79);
        for (int i = 1; i <= 102; ++i)
            QCOMPARE(d.w().catalogue().vlastnost(i).Hodnota,
                     d.w().catalogue().vlastnost(i).Vychozi);
    }

    void resetWithTheSwitchTickedLeavesNoDeclarations()
    {
        WindowDriver d;
        d.selector()->lineEdit()->setText(u"H1"_s);
        for (int row = 1; row <= 10; ++row)
            d.type(d.box(row), u"9"_s);
        QCOMPARE(d.pane().count(u"\r\n"_s), 12);
        d.click(d.button("cmdReset"));
        QCOMPARE(d.pane(), u"h1"_s + emptyRule());
    }

    void copyPutsThePaneOnTheClipboard()
    {
        WindowDriver d;
        d.type(d.box(3), u"Navy"_s);
        d.selector()->lineEdit()->setText(u"Em"_s);
        const QString before = d.pane();
        QCOMPARE(before, u"em\r\n  {\r\n  background-color: transparentnavy;\r\n  }"_s);
        QApplication::clipboard()->setText(u"something else"_s);
        d.click(d.button("cmdCopy"));
        QCOMPARE(QApplication::clipboard()->text(), before);
        d.click(d.button("cmdCopy"));
        QCOMPARE(QApplication::clipboard()->text(), before);
        QCOMPARE(d.pane(), before);
        QCOMPARE(d.box(3)->currentText(), u"transparentNavy"_s);
    }

    void switchRebuildsAtOnce()
    {
        WindowDriver d;
        d.click(d.onlyChanged());
        QCOMPARE(d.pane().count(u"\r\n"_s), 80);
        QVERIFY(d.pane().contains(u"\r\n  content: empty string;\r\n"_s));
        QCOMPARE(d.scroll()->value(), 1);
        d.click(d.onlyChanged());
        QCOMPARE(d.pane(), emptyRule());
    }

    void doubleClickOnTheSurfaceOpensAbout()
    {
        WindowDriver d;
        QCOMPARE(doubleClickOpens(&d.w(), QPoint(80, 100)), u"FrmOProgramu"_s); // left column
        QCOMPARE(doubleClickOpens(&d.w(), QPoint(3, 3)), u"FrmOProgramu"_s);    // corner
        QCOMPARE(d.pane(), emptyRule());
    }

    void doubleClickOnAControlDoesNot_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QPoint>("pos"); // inside the control; (-1,-1) for its centre
        QTest::newRow("button") << u"cmdCSS2"_s << QPoint(-1, -1);
        QTest::newRow("reset") << u"cmdReset"_s << QPoint(-1, -1);
        QTest::newRow("row tick, past its caption") << u"chkPopisek1"_s << QPoint(150, 12);
        QTest::newRow("switch") << u"chkStyl"_s << QPoint(-1, -1);
        QTest::newRow("label") << u"lblPopisek"_s << QPoint(50, 8);
        QTest::newRow("value box") << u"cmbHodnota4"_s << QPoint(20, 10);
        QTest::newRow("selector") << u"cmbSelektor"_s << QPoint(20, 10);
        QTest::newRow("scroll bar") << u"vscVlastnost"_s << QPoint(-1, -1);
        QTest::newRow("pane") << u"rtbStyl"_s << QPoint(-1, -1);
    }
    void doubleClickOnAControlDoesNot()
    {
        QFETCH(QString, control);
        QFETCH(QPoint, pos);
        WindowDriver d;
        QWidget *target = d.find<QWidget>(control);
        if (auto *const combo = qobject_cast<QComboBox *>(target))
            target = combo->lineEdit();
        if (auto *const pane = qobject_cast<QPlainTextEdit *>(target))
            target = pane->viewport();
        const QPoint at = pos == QPoint(-1, -1) ? target->rect().center() : pos;
        QCOMPARE(doubleClickOpens(target, at), QString());
    }
};

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
