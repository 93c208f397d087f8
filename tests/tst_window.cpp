// The main window as a user meets it: its controls, and what the rule pane shows after
// each thing the user does.
#include "WindowDriver.h"

#include <QAccessible>
#include <QFontInfo>

class TestWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void controls_data()
    {
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QString>("name"); // what a screen reader says: caption or name
        QTest::addColumn<QString>("toolTip");
        const auto row = [](const char *control, QRect place, const QString &name,
                            const QString &tip = {}) {
            QTest::addRow("%s", control) << place << name << tip;
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
        row("valueBox7", {312, 152, 161, 23}, u"Hodnota vlastnosti Border"_s);
        row("rowScrollBar", {480, 8, 17, 241}, u"Posun seznamu vlastností"_s);
        row("rulePane", {8, 256, 385, 73}, u"Pravidlo stylu"_s);
        row("resetButton", {400, 256, 97, 33}, u"nastav výchozí hodnoty"_s);
        row("copyButton", {400, 296, 97, 33}, u"vlož styl do schránky"_s);
    }
    void controls()
    {
        QFETCH(QRect, place);
        QFETCH(QString, name);
        QFETCH(QString, toolTip);
        WindowDriver d;
        QWidget *const control = d.get(QString::fromLatin1(QTest::currentDataTag()));
        QCOMPARE(control->geometry(), place);
        QCOMPARE(control->toolTip(), toolTip);
        QCOMPARE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name), name);
    }

    void startUp()
    {
        WindowDriver d;
        QCOMPARE(d.window.windowTitle(), u"Stylomat 1.1"_s);
        QCOMPARE(d.window.size(), QSize(505, 337));
        QCOMPARE(d.rule(), u"\r\n  {\r\n  }"_s);
        QCOMPARE(QApplication::focusWidget(), d.get(u"rulePane"_s));
        QVERIFY(QFontInfo(d.get(u"rulePane"_s)->font()).fixedPitch());
        const auto *const selector = d.get<QComboBox>(u"selectorBox"_s);
        QCOMPARE(selector->count(), 51);
        QCOMPARE(selector->itemText(0) + selector->itemText(8) + selector->itemText(50),
                 u"abodyul"_s);
        QCOMPARE(QList<int>({d.bar()->minimum(), d.bar()->maximum(), d.bar()->pageStep()}),
                 QList<int>({1, 93, 10}));
        QCOMPARE(d.box(1)->itemText(2), u"složit z dílčích hodnot"_s);
        for (int row = 1; row <= 10; ++row)
            QVERIFY(d.check(row)->isChecked());
    }

    // See WindowDriver::run for the steps.
    void whatTheUserDoes_data()
    {
        QTest::addColumn<QString>("steps");
        const auto row = [](const char *name, const QString &steps) {
            QTest::addRow("%s", name) << steps;
        };
        row("the tab order",
            u"tabs resetButton copyButton valueBox1 valueBox2 valueBox3 valueBox4 valueBox5 "
            u"valueBox6 valueBox7 valueBox8 valueBox9 valueBox10 rowCheck1 rowCheck2 rowCheck3 "
            u"rowCheck4 rowCheck5 rowCheck6 rowCheck7 rowCheck8 rowCheck9 rowCheck10 rowScrollBar "
            u"onlyChangedCheck selectorBox css1Button css2Button rulePane"_s);
        row("each keystroke stores the value and rebuilds",
            u"page 33 • click valueBox1 • type r • rule |  {|  color: r;|  } • type e • rule |  {| "
            u" "
            u"color: re;|  } • key Left • key Backspace • key Shift • rule |  {|  color: e;|  }"_s);
        row("typed text kept exactly across paging, Enter changes nothing",
            u"page 33 • edit valueBox1 AQUA • key Return • show valueBox1 AQUA • edit valueBox1  "
            u"Žlutá  RED  • rule |  {|  color: žlutá  red;|  } • page 50 • page 33 • show "
            u"valueBox1  Žlutá  RED "_s);
        row("Down from an empty value gives the first item",
            u"page 33 • click valueBox1 • key Down • key Down • click valueBox10 • key Down • "
            u"rule |  {|  color: black;|  font: caption;|  }"_s);
        row("a tick survives paging",
            u"page 5 • edit valueBox3 1px solid red • click rowCheck3 • rule |  {|  } • page 50 • "
            u"show rowCheck3 1 • page 4 • show rowCheck4 0 • show rowCheck3 1 • click rowCheck4 • "
            u"rule |  {|  border: 1px solid red;|  }"_s);
        row("paging with the mouse and the keyboard",
            u"click rowScrollBar • has rowScrollBar Border-bottom-width.. • key Down • has "
            u"rowScrollBar Border-collapse.. • key PgDown • has rowScrollBar Border-spacing.. • "
            u"key "
            u"End • key Down • show rowScrollBar Text-transform..Z-index • key "
            u"Home • key Up • has rowScrollBar Background.."_s);
        row("a composed value is in the rule at once and in its box a moment later",
            u"page 58 • edit valueBox5 1em • pick valueBox1 složit z dílčích hodnot • rule |  {|"
            u"  margin: 1em 0 0 0;|  margin-top: 1em;|  } • wait • show valueBox1 1em 0 0 0"_s);
        row("typing the compose item composes; the empty item empties",
            u"page 42 • edit valueBox1 složit z dílčích hodnot • wait • show valueBox1 normal "
            u"normal normal medium/normal serif • pick valueBox1  • rule |  {|  }"_s);
        row("the selector, typed, cleared and picked",
            u"pick valueBox3 red • edit selectorBox DIV  • rule div|  {|  background-color: red;|"
            u"  } • key Ctrl+A • key Del • rule |  {|  background-color: red;|  } • pick "
            u"selectorBox blockquote • rule blockquote|  {|  background-color: red;|  }"_s);
        row("CSS 1 only unticks, CSS 2 ticks all",
            u"click onlyChangedCheck • page 33 • click rowCheck1 • click css1Button • count 37 • "
            u"has rowScrollBar Color.. • show rowCheck1 0 • show rowCheck2 0 • show rowCheck5 0 • "
            u"show rowCheck7 1 • click css1Button • count 37 • page 70 • show rowCheck1 0 • "
            u"page 92 • show rowCheck1 1 • click css2Button • count 78 • show rowCheck1 1"_s);
        row("reset restores values only",
            u"edit selectorBox P • page 40 • edit valueBox4 Arial • edit valueBox2 left • click "
            u"rowCheck2 • rule p|  {|  font-family: arial;|  } • click resetButton • rule p|  {|"
            u"  } • show valueBox2 none • show rowCheck2 0 • has rowScrollBar Empty-cells.. • "
            u"click onlyChangedCheck • count 77 • show selectorBox P"_s);
        row("a pasted rule is read back, unknown declarations kept",
            u"click rulePane • key Ctrl+A • paste P {\n Margin: 0 auto; COLOR: #333 !important; "
            u"/* x; */ border-radius: 4px;\n junk; color: #444 } • rule p|  {|  color: #444;|  "
            u"margin: 0 auto;|  border-radius: 4px;|  junk;|  } • show selectorBox P • show note "
            u"Převzato deklarací: 3. Neznámé vlastnosti ponechány: border-radius. Ponecháno "
            u"jiných částí: 1. • "
            u"click css1Button • click resetButton • rule p|  {|  border-radius: 4px;|  junk;|  "
            u"} • show note "_s);
        row("pasted declarations with a default value turn the switch off",
            u"edit valueBox2 fixed • click rulePane • key Ctrl+A • paste color: red; margin-top: 0 "
            u"• "
            u"rule |  {|  color: red;|  margin-top: 0;|  } • show onlyChangedCheck 0 • has note "
            u"vypnuta • show valueBox2 scroll • show rowCheck2 0"_s);
        row("a text that changes nothing is shown rebuilt, with no note",
            u"edit rulePane {} • key Ctrl+Return • rule |  {|  } • show note "_s);
        row("text that is not one rule stays as typed",
            u"edit rulePane p { color: red }\na {} • click valueBox1 • rule p { color: "
            u"red }|a {} • has note text za koncem pravidla (řádek 2, znak 1) • edit valueBox3 "
            u"red • rule p { color: red }|a {} • edit rulePane p { /* } • key "
            u"Ctrl+Return • has note neuzavřený komentář (řádek 1, znak 5) • edit rulePane x: "
            u"'a; • key Ctrl+Return • has note řetězec"_s);
        row("each step undone and redone, byte for byte",
            u"keep • page 33 • click valueBox1 • type red • keep • click rowCheck1 • keep • click "
            u"onlyChangedCheck • keep • click css1Button • keep • click resetButton • keep • page "
            u"58 • pick valueBox1 složit z dílčích hodnot • keep • page 1 • key Ctrl+Z • same 5 • "
            u"has rowScrollBar Margin.. • key Ctrl+Z • same 4 • key Ctrl+Z • same 3 • key Ctrl+Z • "
            u"same 2 • key Ctrl+Z • same 1 • key Ctrl+Z • same 0 • key Ctrl+Y • same 1 • key "
            u"Ctrl+Shift+Z • same 2 • key Ctrl+Y • key Ctrl+Y • key Ctrl+Y • key Ctrl+Y • same 6 • "
            u"show valueBox1 0 0 0 0"_s);
        row("typing in the pane is undone there first, and the rule shown as it is now",
            u"edit rulePane x: 'a; • edit valueBox2 fixed • click rulePane • key Ctrl+Z • rule |  "
            u"{|  background-attachment: fixed;|  } • key Ctrl+Z • rule |  {|  }"_s);
        row("copy the rule three ways, as another program reads it",
            u"edit selectorBox Tělo  • edit valueBox4 url(a&b.png) • page 43 • edit valueBox1 "
            u"\"Times New Roman\", serif • keep • rule tělo|  {|  background-image: url(a&b.png);"
            u"|  font-family: \"times new roman\", serif;|  } • click copyButton • clipboard "
            u"tělo|  {|  background-image: url(a&b.png);|  font-family: \"times new roman\", "
            u"serif;|  } • menu copyButton Kopírovat deklarace • clipboard background-image: "
            u"url(a&b.png);|font-family: \"times new roman\", serif; • menu rulePane Kopírovat "
            u"jako atribut style • clipboard style=\"background-image: url(a&amp;b.png); "
            u"font-family: &quot;times new roman&quot;, serif\" • menu rulePane Kopírovat "
            u"pravidlo • clipboard tělo|  {|  background-image: url(a&b.png);|  font-family: "
            u"\"times new roman\", serif;|  } • same 0"_s);
        row("find by name",
            u"click valueBox2 • key Ctrl+F • show focus findField • type LineHeight • key Return • "
            u"has rowScrollBar Line-height.. • show focus valueBox1"_s);
        row("find by a Czech word without diacritics",
            u"key Ctrl+F • type sirka • key Down • key Return • has rowScrollBar "
            u"Border-left-width.."_s);
        row("found on the last page", u"key Ctrl+F • type z-ind • key Return • show rowScrollBar "
                                      u"Text-transform..Z-index • show focus "
                                      u"valueBox10"_s);
        row("Esc finds nothing", u"click valueBox2 • key Ctrl+F • type color • key Esc • has "
                                 u"rowScrollBar Background.. • "
                                 u"show focus valueBox2 • rule |  {|  }"_s);
    }
    void whatTheUserDoes()
    {
        QFETCH(QString, steps);
        WindowDriver d;
        d.run(steps.split(u" • "_s));
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
