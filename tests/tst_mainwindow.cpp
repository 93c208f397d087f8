#include "WindowDriver.h"

#include <QApplication>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

namespace {

// The expected rule: selector line, "  {", the declarations, "  }", CR LF between.
QString rule(const QString &selector, const QStringList &declarations = {})
{
    QStringList lines{selector, u"  {"_s};
    for (const QString &d : declarations)
        lines << u"  "_s + d;
    lines << u"  }"_s;
    return lines.join(u"\r\n"_s);
}

const QString composeItem = u"složit z dílčích hodnot"_s;

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startUp()
    {
        WindowDriver d;
        QCOMPARE(d.pane(), u"\r\n  {\r\n  }"_s);
        QCOMPARE(d.w().windowTitle(), u"Stylomat 1.1"_s);
        QCOMPARE(d.w().size(), QSize(505, 337));
        QCOMPARE(d.selector()->currentText(), QString());
        QCOMPARE(d.selector()->count(), 51);
        QCOMPARE(d.selector()->itemText(0), u"a"_s);
        QCOMPARE(d.selector()->itemText(8), u"body"_s);
        QCOMPARE(d.selector()->itemText(50), u"ul"_s);
        QVERIFY(d.onlyChanged()->isChecked());
        QCOMPARE(d.scroll()->value(), 1);
        QCOMPARE(d.scroll()->minimum(), 1);
        QCOMPARE(d.scroll()->maximum(), 93);
        QCOMPARE(d.scroll()->singleStep(), 1);
        QCOMPARE(d.scroll()->pageStep(), 10);
        QVERIFY(!d.timer()->isActive());
        QCOMPARE(d.timer()->interval(), 5);
        QCOMPARE(d.rowNames(),
                 (QStringList{u"Background"_s, u"Background-attachment"_s, u"Background-color"_s,
                              u"Background-image"_s, u"Background-position"_s,
                              u"Background-repeat"_s, u"Border"_s, u"Border-bottom"_s,
                              u"Border-bottom-color"_s, u"Border-bottom-style"_s}));
        for (int row = 1; row <= 10; ++row)
            QVERIFY(d.tick(row)->isChecked());
        QCOMPARE(d.tick(3)->toolTip(), u"určuje barvu pozadí"_s);
        QCOMPARE(d.box(2)->currentText(), u"scroll"_s);
        QCOMPARE(d.box(5)->currentText(), u"0% 0%"_s);
        QCOMPARE(d.box(1)->currentText(), QString());
        QCOMPARE(d.box(1)->count(), 3);
        QCOMPARE(d.box(1)->itemText(2), composeItem);
        QVERIFY(d.box(1)->isEditable());
        QVERIFY(QTest::qWaitForWindowActive(&d.w()));
        QCOMPARE(QApplication::focusWidget(), d.find<QWidget>(u"rtbStyl"_s));
    }

    void theRoadOfOneEdit()
    {
        WindowDriver d;
        QVERIFY(d.pick(d.box(3), u"yellow"_s));
        QCOMPARE(d.pane(), rule(QString(), {u"background-color: yellow;"_s}));
        QCOMPARE(d.w().catalogue().vlastnost(3).Hodnota, u"yellow"_s);
    }

    void eachKeyReleaseStores()
    {
        WindowDriver d;
        d.scroll()->setValue(33); // Color in row 1
        QCOMPARE(d.tick(1)->text(), u"Color"_s);
        QComboBox *const color = d.box(1);
        const QStringList typed{u"r"_s, u"re"_s, u"red"_s};
        for (const QString &stage : typed) {
            d.type(color, stage.right(1));
            QCOMPARE(d.w().catalogue().vlastnost(33).Hodnota, stage);
            QCOMPARE(d.pane(), rule(QString(), {u"color: "_s + stage + u";"_s}));
        }
        QTest::keyClick(color->lineEdit(), Qt::Key_Shift);
        QTest::keyClick(color->lineEdit(), Qt::Key_Left);
        QTest::keyClick(color->lineEdit(), Qt::Key_Backspace);
        QCOMPARE(d.w().catalogue().vlastnost(33).Hodnota, u"rd"_s);
        QCOMPARE(d.pane(), rule(QString(), {u"color: rd;"_s}));
    }

    // A key release alone stores the text, whatever edited it before.
    void keyReleaseStoresWhatTheBoxHolds()
    {
        WindowDriver d;
        d.box(2)->lineEdit()->setText(u"Fixed"_s); // not stored: no key, no pick
        QCOMPARE(d.w().catalogue().vlastnost(2).Hodnota, u"scroll"_s);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Shift, Qt::NoModifier);
        QApplication::sendEvent(d.box(2)->lineEdit(), &release);
        QCOMPARE(d.w().catalogue().vlastnost(2).Hodnota, u"Fixed"_s);
        QCOMPARE(d.pane(), rule(QString(), {u"background-attachment: fixed;"_s}));
    }

    void typedTextIsKeptExactly_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("capitals, trailing space") << u"RED "_s << u"red"_s;
        QTest::newRow("czech") << u"Žlutá"_s << u"žlutá"_s;
        QTest::newRow("inner spaces") << u"1px  solid"_s << u"1px  solid"_s;
        QTest::newRow("matches an item but for case") << u"AQUA"_s << u"aqua"_s;
    }
    void typedTextIsKeptExactly()
    {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        WindowDriver d;
        d.scroll()->setValue(33);
        d.type(d.box(1), typed);
        QTest::keyClick(d.box(1)->lineEdit(), Qt::Key_Return);
        QCOMPARE(d.box(1)->currentText(), typed);
        QCOMPARE(d.w().catalogue().vlastnost(33).Hodnota, typed);
        QCOMPARE(d.pane(), rule(QString(), {u"color: "_s + written + u";"_s}));
        // Paging away and back shows it again as typed.
        d.scroll()->setValue(50);
        d.scroll()->setValue(33);
        QCOMPARE(d.box(1)->currentText(), typed);
    }

    void pagingShowsTheCatalogue_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("first page") << 1 << u"Background"_s << u"Border-bottom-style"_s;
        QTest::newRow("one row down")
            << 2 << u"Background-attachment"_s << u"Border-bottom-width"_s;
        QTest::newRow("last page") << 93 << u"Text-transform"_s << u"Z-index"_s;
    }
    void pagingShowsTheCatalogue()
    {
        QFETCH(int, value);
        QFETCH(QString, first);
        QFETCH(QString, last);
        WindowDriver d;
        d.scroll()->setValue(value);
        QCOMPARE(d.tick(1)->text(), first);
        QCOMPARE(d.tick(10)->text(), last);
        QCOMPARE(d.tick(10)->toolTip(),
                 value == 93 ? u"určuje pořadí prvku na ose z"_s : d.tick(10)->toolTip());
    }

    void scrollBarSteps()
    {
        WindowDriver d;
        QScrollBar *const bar = d.scroll();
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_Down);
        QCOMPARE(bar->value(), 2);
        QCOMPARE(d.tick(1)->text(), u"Background-attachment"_s);
        QTest::keyClick(bar, Qt::Key_PageDown);
        QCOMPARE(bar->value(), 12);
        QCOMPARE(d.tick(1)->text(), u"Border-collapse"_s);
        QTest::keyClick(bar, Qt::Key_End);
        QCOMPARE(bar->value(), 93);
        QTest::keyClick(bar, Qt::Key_PageDown);
        QCOMPARE(bar->value(), 93);
        QCOMPARE(d.tick(10)->text(), u"Z-index"_s);
        QCOMPARE(d.box(10)->count(), 2);
        QTest::keyClick(bar, Qt::Key_Home);
        QTest::keyClick(bar, Qt::Key_Up);
        QCOMPARE(bar->value(), 1);
        QCOMPARE(d.tick(1)->text(), u"Background"_s);
        // A click on the lower arrow moves one row, one in the trough a page.
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 3));
        QCOMPARE(bar->value(), 2);
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 40));
        QCOMPARE(bar->value(), 12);
    }

    // A value box leaves the wheel to the window (Qt passes an ignored wheel event on
    // to the parent), and the window pages the rows with it.
    void wheelPagesInsteadOfChangingValues()
    {
        WindowDriver d;
        QComboBox *const box = d.box(2);
        const auto wheelDown = [](QWidget *over) {
            return QWheelEvent(QPointF(5, 5), over->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, -120),
                               Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        };
        QWheelEvent onBox = wheelDown(box);
        QApplication::sendEvent(box, &onBox);
        QVERIFY(!onBox.isAccepted());
        QCOMPARE(box->currentText(), u"scroll"_s);
        QCOMPARE(d.scroll()->value(), 1);
        QWheelEvent onWindow = wheelDown(&d.w());
        QApplication::sendEvent(&d.w(), &onWindow);
        QCOMPARE(d.scroll()->value(), 2);
        QCOMPARE(d.tick(1)->text(), u"Background-attachment"_s);
        QCOMPARE(d.w().catalogue().vlastnost(2).Hodnota, u"scroll"_s);
    }

    void tickSurvivesPaging()
    {
        WindowDriver d;
        d.scroll()->setValue(5);
        QCOMPARE(d.tick(3)->text(), u"Border"_s);
        d.box(3)->lineEdit()->setFocus();
        d.type(d.box(3), u"1px solid red"_s);
        QCOMPARE(d.pane(), rule(QString(), {u"border: 1px solid red;"_s}));
        d.click(d.tick(3));
        QVERIFY(!d.tick(3)->isChecked());
        QCOMPARE(d.w().catalogue().zapsat(7), qint16(0));
        QCOMPARE(d.pane(), rule(QString()));
        d.scroll()->setValue(50);
        QVERIFY(d.tick(1)->isChecked());
        d.scroll()->setValue(5);
        QVERIFY(!d.tick(3)->isChecked());
        QCOMPARE(d.pane(), rule(QString()));
        // Shown one row lower, the same property keeps its tick.
        d.scroll()->setValue(4);
        QVERIFY(!d.tick(4)->isChecked());
        QVERIFY(d.tick(3)->isChecked());
        d.click(d.tick(4));
        QCOMPARE(d.pane(), rule(QString(), {u"border: 1px solid red;"_s}));
    }

    void composingShowsTheValueALittleLater()
    {
        WindowDriver d;
        d.scroll()->setValue(58); // Margin in row 1
        d.box(5)->lineEdit()->clear();
        d.type(d.box(5), u"1em"_s); // Margin-top
        QVERIFY(d.pick(d.box(1), composeItem));
        QCOMPARE(d.w().catalogue().vlastnost(58).Hodnota, u"1em 0 0 0"_s);
        QCOMPARE(d.pane(), rule(QString(), {u"margin: 1em 0 0 0;"_s, u"margin-top: 1em;"_s}));
        QVERIFY(d.timer()->isActive());
        QCOMPARE(d.box(1)->currentText(), composeItem); // not yet refreshed
        QTRY_COMPARE_WITH_TIMEOUT(d.box(1)->currentText(), u"1em 0 0 0"_s, 1000);
        QVERIFY(!d.timer()->isActive());
        QCOMPARE(d.box(1)->count(), 4);
    }

    void typingTheComposeItemComposes()
    {
        WindowDriver d;
        d.scroll()->setValue(33); // Color: no composition, so nothing changes
        d.box(1)->lineEdit()->clear();
        d.type(d.box(1), composeItem);
        QCOMPARE(d.w().catalogue().vlastnost(33).Hodnota, u"složit z dílčích hodnot"_s.left(22));
        QTRY_COMPARE_WITH_TIMEOUT(d.box(1)->currentText(), u"složit z dílčích hodno"_s, 1000);
        d.scroll()->setValue(42); // Font in row 1
        d.box(1)->lineEdit()->clear();
        d.type(d.box(1), composeItem);
        QTRY_COMPARE_WITH_TIMEOUT(d.box(1)->currentText(),
                                  u"normal normal normal medium/normal serif"_s, 1000);
    }

    void pickingTheEmptyItemEmptiesTheValue()
    {
        WindowDriver d;
        d.type(d.box(1), u"red"_s);
        QCOMPARE(d.pane(), rule(QString(), {u"background: red;"_s}));
        QVERIFY(d.pick(d.box(1), QString()));
        QCOMPARE(d.w().catalogue().vlastnost(1).Hodnota, QString());
        QCOMPARE(d.pane(), rule(QString()));
    }

    void selectorRebuilds()
    {
        WindowDriver d;
        d.pick(d.box(3), u"red"_s);
        QComboBox *const selector = d.selector();
        selector->lineEdit()->setFocus();
        QTest::keyClicks(selector->lineEdit(), u"DIV "_s);
        QCOMPARE(d.pane(), rule(u"div"_s, {u"background-color: red;"_s}));
        QTest::keyClick(selector->lineEdit(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(selector->lineEdit(), Qt::Key_Delete);
        QCOMPARE(d.pane(), rule(QString(), {u"background-color: red;"_s}));
        QVERIFY(d.pick(selector, u"blockquote"_s));
        QCOMPARE(d.pane(), rule(u"blockquote"_s, {u"background-color: red;"_s}));
    }

    void onlyChangedSwitch()
    {
        WindowDriver d;
        d.click(d.onlyChanged());
        QCOMPARE(d.pane().count(u"\r\n"_s), 80);
        QVERIFY(d.pane().startsWith(u"\r\n  {\r\n  background-attachment: scroll;\r\n"_s));
        d.click(d.onlyChanged());
        QCOMPARE(d.pane(), rule(QString()));
    }

    void paneShowsTheRuleLineByLine()
    {
        WindowDriver d;
        d.box(3)->lineEdit()->clear();
        d.type(d.box(3), u"Lime"_s);
        const auto *const pane = d.find<QPlainTextEdit>(u"rtbStyl"_s);
        QCOMPARE(pane->toPlainText(), u"\n  {\n  background-color: lime;\n  }"_s);
        QCOMPARE(pane->blockCount(), 4);
        QVERIFY(pane->isReadOnly());
        QVERIFY(QFontInfo(pane->font()).fixedPitch());
    }

    void tabOrder()
    {
        WindowDriver d;
        QWidget *w = d.find<QWidget>(u"rtbStyl"_s);
        QStringList order;
        for (int i = 0; i < 28; ++i) {
            order << w->objectName();
            w = w->nextInFocusChain();
            while (w->focusPolicy() == Qt::NoFocus || w->objectName().isEmpty() ||
                   w->objectName().startsWith(u"qt_"_s))
                w = w->nextInFocusChain();
        }
        QStringList expected{u"rtbStyl"_s, u"cmdReset"_s, u"cmdCopy"_s};
        for (int r = 1; r <= 10; ++r)
            expected << u"cmbHodnota%1"_s.arg(r);
        for (int r = 1; r <= 10; ++r)
            expected << u"chkPopisek%1"_s.arg(r);
        expected << u"vscVlastnost"_s << u"chkStyl"_s << u"cmbSelektor"_s << u"cmdCSS1"_s
                 << u"cmdCSS2"_s;
        QCOMPARE(order, expected);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
