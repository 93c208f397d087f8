// The main window as a user meets it: its controls, the rows paging through the
// catalogue, and every edit rebuilding the rule in the pane.
#include "WindowDriver.h"

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>

namespace {

QString accessibleName(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

} // namespace

class TestWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QString>("text"); // caption, or the accessible name
        QTest::addColumn<QString>("toolTip");
        const auto row = [](const char *name, QRect place, const QString &text,
                            const QString &tip = {}) {
            QTest::addRow("%s", name) << QString::fromLatin1(name) << place << text << tip;
        };
        row("css1Button", {16, 16, 57, 17}, u"CSS 1"_s, u"vybere vlastnosti definované v CSS 1"_s);
        row("css2Button", {88, 16, 57, 17}, u"CSS 2"_s, u"vybere vlastnosti definované v CSS 2"_s);
        row("selectorLabel", {16, 168, 57, 17}, u"Selektor:"_s);
        row("selectorBox", {16, 184, 129, 23}, u"Selektor"_s);
        row("onlyChangedCheck", {16, 216, 129, 33}, u"Zapisovat pouze změněné vlastnosti"_s);
        row("rowCheck1", {160, 8, 153, 25}, u"Background"_s,
            u"sdružená vlastnost určující vlastnosti pozadí prvku"_s);
        row("rowCheck10", {160, 224, 153, 25}, u"Border-bottom-style"_s,
            u"určuje styl spodního orámování prvku"_s);
        row("valueBox1", {312, 8, 161, 23}, u"Hodnota vlastnosti Background"_s);
        row("valueBox7", {312, 152, 161, 23}, u"Hodnota vlastnosti Border"_s);
        row("rowScrollBar", {480, 8, 17, 241}, u"Posun seznamu vlastností"_s);
        row("rulePane", {8, 256, 385, 73}, u"Pravidlo stylu"_s,
            u"Pravidlo lze přepsat nebo vložit; načte se po Ctrl+Enter nebo při odchodu z pole. "
            u"Zpět: Ctrl+Z, hledat vlastnost: Ctrl+F."_s);
        row("resetButton", {400, 256, 97, 33}, u"nastav výchozí hodnoty"_s,
            u"vrátí všem vlastnostem výchozí hodnoty (zpět: Ctrl+Z)"_s);
        row("copyButton", {400, 296, 97, 33}, u"vlož styl do schránky"_s,
            u"vloží pravidlo do schránky; další způsoby kopírování v místní nabídce"_s);
    }
    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        QFETCH(QString, text);
        QFETCH(QString, toolTip);
        WindowDriver d;
        QWidget *const control = d.get(name);
        QCOMPARE(control->geometry(), place);
        QCOMPARE(control->toolTip(), toolTip);
        if (auto *const label = qobject_cast<QLabel *>(control))
            QCOMPARE(label->text(), text);
        QCOMPARE(accessibleName(control), text);
    }

    void startUp()
    {
        WindowDriver d;
        QCOMPARE(d.window.windowTitle(), u"Stylomat 1.1"_s);
        QCOMPARE(d.window.size(), QSize(505, 337));
        QCOMPARE(d.rule(), u"\r\n  {\r\n  }"_s);
        QCOMPARE(QApplication::focusWidget(), d.get(u"rulePane"_s));
        QVERIFY(QFontInfo(d.get(u"rulePane"_s)->font()).fixedPitch());
        QVERIFY(d.get<QCheckBox>(u"onlyChangedCheck"_s)->isChecked());
        const auto *const selector = d.get<QComboBox>(u"selectorBox"_s);
        QCOMPARE(selector->currentText(), QString());
        QCOMPARE(selector->count(), 51);
        QCOMPARE(selector->itemText(0) + selector->itemText(8) + selector->itemText(50),
                 u"abodyul"_s);
        QCOMPARE(d.bar()->minimum() * 100 + d.bar()->maximum(), 193);
        QCOMPARE(d.bar()->pageStep(), 10);
        for (int row = 1; row <= 10; ++row)
            QVERIFY(d.check(row)->isChecked());
        QCOMPARE(d.box(2)->currentText(), u"scroll"_s);
        QCOMPARE(d.box(1)->count(), 3);
        QCOMPARE(d.box(1)->itemText(2), u"složit z dílčích hodnot"_s);
        // Every name fits its row, the widest included.
        for (int i = 1; i <= PropertyCount; ++i)
            QVERIFY(d.check(1)->fontMetrics().horizontalAdvance(Property::at(i).name) <
                    d.check(1)->width() - 24);
    }

    void tabOrder()
    {
        WindowDriver d;
        QStringList expected{u"rulePane"_s, u"resetButton"_s, u"copyButton"_s};
        for (int r = 1; r <= 10; ++r)
            expected << u"valueBox%1"_s.arg(r);
        for (int r = 1; r <= 10; ++r)
            expected << u"rowCheck%1"_s.arg(r);
        expected << u"rowScrollBar"_s << u"onlyChangedCheck"_s << u"selectorBox"_s
                 << u"css1Button"_s << u"css2Button"_s << u"rulePane"_s;
        QStringList order{QApplication::focusWidget()->objectName()};
        while (order.size() < expected.size()) {
            d.key(Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, expected);
    }

    // Every keystroke stores the box's text and rebuilds the rule; the text is kept as typed.
    void typing()
    {
        WindowDriver d;
        d.pageTo(33);
        QCOMPARE(d.check(1)->text(), u"Color"_s);
        d.click(d.box(1));
        for (const QString &typed : {u"r"_s, u"re"_s, u"red"_s}) {
            d.type(typed.right(1));
            QCOMPARE(d.rule(), rule({}, {u"color: "_s + typed}));
        }
        d.key(Qt::Key_Left);
        d.key(Qt::Key_Backspace);
        QCOMPARE(d.rule(), rule({}, {u"color: rd"_s}));
        d.edit(d.box(1), u" Žlutá  RED "_s);
        d.key(Qt::Key_Return); // must not swap the text for a list item
        QCOMPARE(d.rule(), rule({}, {u"color: žlutá  red"_s}));
        d.pageTo(50);
        d.pageTo(33);
        QCOMPARE(d.box(1)->currentText(), u" Žlutá  RED "_s);
        QCOMPARE(d.window.catalogue().value(33), u" Žlutá  RED "_s);
    }

    // With no item current, Down goes to the first item and stores it.
    void downKeyWalksTheList()
    {
        WindowDriver d;
        d.pageTo(33);
        d.click(d.box(1));
        d.key(Qt::Key_Down);
        QCOMPARE(d.rule(), rule({}, {u"color: aqua"_s}));
        d.key(Qt::Key_Down);
        QCOMPARE(d.rule(), rule({}, {u"color: black"_s}));
        d.click(d.box(10)); // Font, also empty
        d.key(Qt::Key_Down);
        QCOMPARE(d.rule(), rule({}, {u"color: black"_s, u"font: caption"_s}));
    }

    void paging()
    {
        WindowDriver d;
        const auto top = [&] { return d.check(1)->text() + u".."_s + d.check(10)->text(); };
        d.click(d.bar(), QPoint(8, d.bar()->height() - 3)); // lower arrow: one row
        QCOMPARE(top(), u"Background-attachment..Border-bottom-width"_s);
        d.click(d.bar(), QPoint(8, d.bar()->height() - 40)); // the trough: a page
        QCOMPARE(d.bar()->value(), 12);
        QCOMPARE(d.check(1)->text(), u"Border-collapse"_s);
        d.key(Qt::Key_End);
        d.key(Qt::Key_PageDown);
        QCOMPARE(top(), u"Text-transform..Z-index"_s);
        QCOMPARE(d.check(10)->toolTip(), u"určuje pořadí prvku na ose z"_s);
        QCOMPARE(d.box(10)->count(), 2);
        d.key(Qt::Key_Home);
        d.key(Qt::Key_Up);
        QCOMPARE(top(), u"Background..Border-bottom-style"_s);
        // The wheel over a value box pages the rows and leaves the value alone.
        QWheelEvent wheel(QPointF(5, 5), d.box(2)->mapToGlobal(QPointF(5, 5)), {}, {0, -120},
                          Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&wheel); // as the window system sends it
        QApplication::instance()->notify(d.box(2), &wheel);
        QCOMPARE(top(), u"Background-attachment..Border-bottom-width"_s);
        QCOMPARE(d.rule(), rule({}));
    }

    void tickSurvivesPaging()
    {
        WindowDriver d;
        d.pageTo(5);
        QCOMPARE(d.check(3)->text(), u"Border"_s);
        d.edit(d.box(3), u"1px solid red"_s);
        QCOMPARE(d.rule(), rule({}, {u"border: 1px solid red"_s}));
        d.click(d.check(3), QPoint(100, 12)); // past the caption still ticks
        QCOMPARE(d.rule(), rule({}));
        d.pageTo(50);
        QVERIFY(d.check(3)->isChecked());
        d.pageTo(4);
        QVERIFY(!d.check(4)->isChecked());
        QVERIFY(d.check(3)->isChecked());
        d.click(d.check(4));
        QCOMPARE(d.rule(), rule({}, {u"border: 1px solid red"_s}));
    }

    // The rule has the composed value at once; the box shows it a moment later.
    void composing()
    {
        WindowDriver d;
        d.pageTo(58); // Margin, then Margin-bottom, -left, -right, -top
        d.edit(d.box(5), u"1em"_s);
        QVERIFY(WindowDriver::pick(d.box(1), u"složit z dílčích hodnot"_s));
        QCOMPARE(d.rule(), rule({}, {u"margin: 1em 0 0 0"_s, u"margin-top: 1em"_s}));
        QCOMPARE(d.box(1)->currentText(), u"složit z dílčích hodnot"_s);
        QTRY_COMPARE_WITH_TIMEOUT(d.box(1)->currentText(), u"1em 0 0 0"_s, 1000);
        QCOMPARE(d.box(1)->count(), 4);
        d.pageTo(42); // typing the item composes too
        d.edit(d.box(1), u"složit z dílčích hodnot"_s);
        QTRY_COMPARE_WITH_TIMEOUT(d.box(1)->currentText(),
                                  u"normal normal normal medium/normal serif"_s, 1000);
        QVERIFY(WindowDriver::pick(d.box(1), QString())); // the empty item empties it
        QCOMPARE(d.rule(), rule({}, {u"margin: 1em 0 0 0"_s, u"margin-top: 1em"_s}));
    }

    void selector()
    {
        WindowDriver d;
        auto *const selector = d.get<QComboBox>(u"selectorBox"_s);
        QVERIFY(WindowDriver::pick(d.box(3), u"red"_s));
        d.edit(selector, u"DIV "_s);
        QCOMPARE(d.rule(), rule(u"div"_s, {u"background-color: red"_s}));
        d.key(Qt::Key_A, Qt::ControlModifier);
        d.key(Qt::Key_Delete);
        QCOMPARE(d.rule(), rule({}, {u"background-color: red"_s}));
        QVERIFY(WindowDriver::pick(selector, u"blockquote"_s));
        QCOMPARE(d.rule(), rule(u"blockquote"_s, {u"background-color: red"_s}));
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
