// The main window as a user meets it: its controls, and what the rule pane shows after
// each thing the user does.
#include "WindowDriver.h"

#include <QAccessible>
#include <QFontInfo>

class TestWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // What each control says to a screen reader and in its tooltip.
    void controls_data()
    {
        QTest::addColumn<QString>("name"); // what a screen reader says: caption or name
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>(
            "description"); // what a screen reader says of it, "|" a line break
        const auto row = [](const char *control,
                            const QString &name,
                            const QString &tip = {},
                            const QString &description = {}) {
            QTest::addRow("%s", control)
                << name << tip << (description.isNull() ? tip : description);
        };
        row("css1Button", u"CSS 1"_s, u"vybere vlastnosti definované v CSS 1"_s);
        row("css2Button", u"CSS 2"_s, u"vybere vlastnosti definované v CSS 2"_s);
        row("selectorLabel", u"Selektor:"_s);
        row("selectorBox", u"Selektor"_s, u"prvek nebo jiný selektor, pro který pravidlo platí"_s);
        row("onlyChangedCheck", u"Zapisovat pouze změněné vlastnosti"_s);
        row("rowCheck1", u"Background"_s, u"sdružená vlastnost určující vlastnosti pozadí prvku"_s);
        row("rowCheck10", u"Border-bottom-style"_s, u"určuje styl spodního orámování prvku"_s);
        // A value box is named by its property, not by the value it holds.
        row("valueBox2",
            u"Hodnota vlastnosti Background-attachment"_s,
            u"určuje závislost obrázku na pozadí na posunu stránky|Baseline: široce dostupné od "
            u"2018"_s);
        row("valueBox7",
            u"Hodnota vlastnosti Border"_s,
            u"sdružení vlastnost určující orámování prvku (nahoře-vpravo-dole-vlevo)|Baseline: "
            u"široce dostupné od 2018|Ctrl+↑ a Ctrl+↓ změní číslo u kurzoru o 1, se Shiftem o "
            u"10, s Altem o 0,1|vybere barvu v dialogu (Ctrl+Shift+C)"_s);
        row("rowScrollBar",
            u"Posun seznamu vlastností"_s,
            {},
            u"vybírá, kterých deset vlastností řádky ukazují"_s);
        row("rulePane", u"Pravidlo stylu"_s);
        row("resetButton",
            u"nastav výchozí hodnoty"_s,
            u"vrátí všem vlastnostem výchozí hodnoty; zaškrtnutí, selektor a přepínač zůstanou"_s);
        row("copyButton",
            u"vlož styl do schránky"_s,
            u"vloží pravidlo do schránky; místní nabídka (pravé tlačítko nebo klávesa Menu) "
            u"zkopíruje jen deklarace nebo atribut style"_s);
    }
    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, toolTip);
        QFETCH(QString, description);
        WindowDriver d;
        QWidget *const control = d.get(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(control != nullptr);
        QCOMPARE(control->toolTip(), toolTip.replace(u'|', u'\n'));
        QAccessibleInterface *const spoken = QAccessible::queryAccessibleInterface(control);
        QCOMPARE(spoken->text(QAccessible::Name), name);
        QCOMPARE(spoken->text(QAccessible::Description), description.replace(u'|', u'\n'));
    }

    // The layout as designed: how the controls stand to each other, which a misplaced one
    // breaks.
    void layout()
    {
        WindowDriver d;
        const auto at = [&d](const QString &name) { return d.get(name)->geometry(); };
        QCOMPARE(d.window.size(), QSize(505, 337));
        QCOMPARE(d.window.minimumSize(), QSize(505, 337));
        for (int row = 1; row <= 10; ++row) { // rows one step apart, the box overlapping the tick
            const QRect tick = at(u"rowCheck%1"_s.arg(row));
            const QRect box = at(u"valueBox%1"_s.arg(row));
            QCOMPARE(tick.top(), at(u"rowCheck1"_s).top() + (row - 1) * 24);
            QCOMPARE(box.top(), tick.top());
            QCOMPARE(box.left(), tick.right());
        }
        // The scroll bar spans the rows; the option box ends level with them.
        QCOMPARE(at(u"rowScrollBar"_s).top(), at(u"rowCheck1"_s).top());
        QCOMPARE(at(u"rowScrollBar"_s).bottom(), at(u"rowCheck10"_s).bottom());
        QCOMPARE(at(u"onlyChangedCheck"_s).bottom(), at(u"rowCheck10"_s).bottom());
        // The label reaches a pixel into the box below it.
        QCOMPARE(at(u"selectorLabel"_s).bottom(), at(u"selectorBox"_s).top());
        // The buttons beside the pane: level with its top and its bottom, and with the
        // scroll bar's right edge.
        QCOMPARE(at(u"resetButton"_s).top(), at(u"rulePane"_s).top());
        QCOMPARE(at(u"copyButton"_s).bottom(), at(u"rulePane"_s).bottom());
        QCOMPARE(at(u"copyButton"_s).right(), at(u"rowScrollBar"_s).right());
        QCOMPARE(at(u"css2Button"_s).top(), at(u"css1Button"_s).top());
    }

    // Enlarged by the window system, the window gives the extra width to the value boxes and
    // the pane, the extra height to the pane; what stands right of them moves with them.
    void grows_data()
    {
        QTest::addColumn<QRect>("change"); // of left, top, width and height
        const QRect none;
        const QRect right(200, 0, 0, 0);
        QTest::newRow("css1Button") << none;
        QTest::newRow("note") << none;
        QTest::newRow("selectorBox") << none;
        QTest::newRow("onlyChangedCheck") << none;
        QTest::newRow("rowCheck1") << none;
        QTest::newRow("rowCheck10") << none;
        QTest::newRow("valueBox1") << QRect(0, 0, 200, 0);
        QTest::newRow("valueBox10") << QRect(0, 0, 200, 0);
        QTest::newRow("rowScrollBar") << right;
        QTest::newRow("rulePane") << QRect(0, 0, 200, 100);
        QTest::newRow("resetButton") << right;
        QTest::newRow("copyButton") << right;
    }
    void grows()
    {
        QFETCH(QRect, change);
        WindowDriver d;
        QWidget *const control = d.get(QString::fromLatin1(QTest::currentDataTag()));
        const QRect before = control->geometry();
        d.window.windowHandle()->resize(705, 437);
        QTRY_COMPARE(d.window.size(), QSize(705, 437));
        const QRect after = control->geometry();
        QCOMPARE(QRect(after.left() - before.left(),
                       after.top() - before.top(),
                       after.width() - before.width(),
                       after.height() - before.height()),
                 change);
    }

    void startUp()
    {
        WindowDriver d;
        QCOMPARE(d.window.windowTitle(), u"Stylomat 1.1"_s);
        QCOMPARE(d.rule(), u"\r\n  {\r\n  }"_s);
        QCOMPARE(QApplication::focusWidget(), d.get(u"rulePane"_s));
        QVERIFY(QFontInfo(d.get(u"rulePane"_s)->font()).fixedPitch());
        const auto *const selector = d.get<QComboBox>(u"selectorBox"_s);
        QCOMPARE(selector->count(), 51);
        QCOMPARE(selector->itemText(0) + selector->itemText(8) + selector->itemText(50),
                 u"abodyul"_s);
        QCOMPARE(d.box(1)->itemText(2), u"složit z dílčích hodnot"_s);
        for (int row = 1; row <= 10; ++row)
            QVERIFY(d.check(row)->isChecked());
    }

    // A context menu opened again speaks as it did the first time: a screen reader meets
    // its items as children of the menu on screen. Over the pane it has the pane's editing
    // items, over the copy button not.
    void menuAccessibility()
    {
        WindowDriver d;
        for (const char *over : {"rulePane", "copyButton", "rulePane"}) {
            QObject scope;
            QObject *parent = nullptr;
            QMenu *menu = nullptr;
            QString name;
            QStringList shown;
            WindowDriver::when(
                &scope,
                [] { return qobject_cast<QMenu *>(QApplication::activePopupWidget()); },
                [&] {
                    menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
                    QAccessibleInterface *const item =
                        QAccessible::queryAccessibleInterface(menu)->child(0);
                    parent = item->parent() ? item->parent()->object() : nullptr;
                    name = item->text(QAccessible::Name);
                    for (const QAction *const action : menu->actions())
                        if (action->isVisible())
                            shown << action->text();
                    menu->close();
                });
            d.run({u"rightclick "_s + QString::fromLatin1(over)});
            QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
            QCOMPARE(parent, menu);
            QCOMPARE(name, u"Zpět"_s);
            QCOMPARE(shown.contains(u"Vybrat vše"_s), qstrcmp(over, "rulePane") == 0);
        }
    }

    // See WindowDriver::run for the steps.
    void whatTheUserDoes_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("the tab order") << QStringList{
            u"tabs resetButton copyButton valueBox1 valueBox2 valueBox3 valueBox4"_s,
            u"tabs valueBox5 valueBox6 valueBox7 valueBox8 valueBox9 valueBox10"_s,
            u"tabs rowCheck1 rowCheck2 rowCheck3 rowCheck4 rowCheck5 rowCheck6"_s,
            u"tabs rowCheck7 rowCheck8 rowCheck9 rowCheck10 rowScrollBar onlyChangedCheck"_s,
            u"tabs selectorBox css1Button css2Button rulePane"_s,
        };
        QTest::newRow("each keystroke stores the value and rebuilds") << QStringList{
            u"click color"_s,
            u"type r"_s,
            u"rule |  {|  color: r;|  }"_s,
            u"type e"_s,
            u"rule |  {|  color: re;|  }"_s,
            u"key Left"_s,
            u"key Backspace"_s,
            u"key Shift"_s,
            u"rule |  {|  color: e;|  }"_s,
        };
        QTest::newRow("typed text kept exactly across paging, Enter changes nothing")
            << QStringList{
                   u"edit color AQUA"_s,
                   u"key Return"_s,
                   u"show color AQUA"_s,
                   u"edit color  Žlutá  RED "_s,
                   u"rule |  {|  color: Žlutá  red;|  }"_s,
                   u"page 50"_s,
                   u"show color  Žlutá  RED "_s,
               };
        QTest::newRow("Down from an empty value gives the first item") << QStringList{
            u"click color"_s,
            u"key Down"_s,
            u"key Down"_s,
            u"click font"_s,
            u"key Down"_s,
            u"rule |  {|  color: black;|  font: caption;|  }"_s,
        };
        QTest::newRow("a tick survives paging") << QStringList{
            u"edit border 1px solid red"_s,
            u"click tick:border"_s,
            u"rule |  {|  }"_s,
            u"page 50"_s,
            u"show tick:letter-spacing 1"_s,
            u"page 4"_s,
            u"show tick:border 0"_s,
            u"show tick:background-repeat 1"_s,
            u"click tick:border"_s,
            u"rule |  {|  border: 1px solid red;|  }"_s,
        };
        QTest::newRow("paging with the mouse and the keyboard") << QStringList{
            u"click rowScrollBar"_s,
            u"has rowScrollBar Border-bottom-width.."_s,
            u"key Down"_s,
            u"has rowScrollBar Border-collapse.."_s,
            u"key PgDown"_s,
            u"has rowScrollBar Border-spacing.."_s,
            u"key End"_s,
            u"key Down"_s,
            u"show rowScrollBar Text-transform..Z-index"_s,
            u"key Home"_s,
            u"key Up"_s,
            u"has rowScrollBar Background.."_s,
        };
        QTest::newRow("a colour chosen in the dialog, written as the value wrote it; one undo")
            << QStringList{
                   u"edit border 1px solid RGB(10, 20, 30)"_s,
                   u"dialog #3366cc"_s,
                   u"click swatch:border"_s,
                   u"rule |  {|  border: 1px solid rgb(51, 102, 204);|  }"_s,
                   u"key Ctrl+Z"_s,
                   u"rule |  {|  border: 1px solid rgb(10, 20, 30);|  }"_s,
                   u"edit color red"_s,
                   u"dialog #3366CC"_s,
                   u"key Ctrl+Shift+C"_s,
                   u"rule |  {|  border: 1px solid rgb(10, 20, 30);|  color: #3366cc;|  }"_s,
                   u"edit background-color hsl(0, 100%, 50%)"_s,
                   u"key Home"_s,
                   u"dialog #3366cc"_s,
                   u"key Ctrl+Shift+C"_s,
                   u"show background-color hsl(220, 60%, 50%)"_s,
                   u"edit outline thin dotted"_s,
                   u"dialog #000080"_s,
                   u"click swatch:outline"_s,
                   u"show outline thin dotted #000080"_s,
               };
        QTest::newRow("numbers stepped with their units; a run of steps is one step to undo")
            << QStringList{
                   u"edit margin 0 auto"_s,
                   u"key Ctrl+Up"_s,
                   u"rule |  {|  margin: 1px auto;|  }"_s,
                   u"key Ctrl+Up"_s,
                   u"key Ctrl+Alt+Down"_s,
                   u"rule |  {|  margin: 1.9px auto;|  }"_s,
                   u"key Ctrl+Z"_s,
                   u"rule |  {|  margin: 0 auto;|  }"_s,
                   u"key Ctrl+Z"_s,
                   u"rule |  {|  }"_s,
                   u"edit line-height 1.5"_s,
                   u"key Ctrl+Shift+Up"_s,
                   u"edit font-weight 400"_s,
                   u"key Ctrl+Up"_s,
                   u"rule |  {|  font-weight: 500;|  line-height: 11.5;|  }"_s,
                   u"edit z-index 0"_s,
                   u"key Ctrl+Down"_s,
                   u"show z-index -1"_s,
                   u"edit width auto"_s,
                   u"key Ctrl+Up"_s,
                   u"show width auto"_s,
               };
        QTest::newRow("a font family completed from the desktop's, quoted where CSS needs it")
            << QStringList{
                   u"edit font-family Liberation"_s,
                   u"key Down"_s,
                   u"key Return"_s,
                   u"rule |  {|  font-family: \"Liberation Mono\";|  }"_s,
                   u"type , mono"_s,
                   u"key Down"_s,
                   u"key Return"_s,
                   u"show font-family \"Liberation Mono\", monospace"_s,
                   u"edit font bold 12px/1.5 Liberation Se"_s,
                   u"key Down"_s,
                   u"key Return"_s,
                   u"show font bold 12px/1.5 \"Liberation Serif\""_s,
               };
        QTest::newRow("a composed value is in the rule at once and in its box a moment later")
            << QStringList{
                   u"edit margin-top 1em"_s,
                   u"pick margin složit z dílčích hodnot"_s,
                   u"rule |  {|  margin: 1em 0 0 0;|  margin-top: 1em;|  }"_s,
                   u"wait"_s,
                   u"show margin 1em 0 0 0"_s,
               };
        QTest::newRow("typing the compose item composes; the empty item empties") << QStringList{
            u"edit font složit z dílčích hodnot"_s,
            u"wait"_s,
            u"show font normal normal normal medium/normal serif"_s,
            u"pick font "_s,
            u"rule |  {|  }"_s,
        };
        QTest::newRow("the selector, typed, cleared and picked") << QStringList{
            u"pick background-color red"_s,
            u"edit selectorBox DIV "_s,
            u"rule div|  {|  background-color: red;|  }"_s,
            u"key Ctrl+A"_s,
            u"key Del"_s,
            u"rule |  {|  background-color: red;|  }"_s,
            u"pick selectorBox blockquote"_s,
            u"rule blockquote|  {|  background-color: red;|  }"_s,
        };
        QTest::newRow("CSS 1 only unticks, CSS 2 ticks all") << QStringList{
            u"click onlyChangedCheck"_s,
            u"click tick:color"_s,
            u"click css1Button"_s,
            u"count 37"_s,
            u"has rowScrollBar Color.."_s,
            u"show tick:color 0"_s,
            u"show tick:content 0"_s,
            u"show tick:cursor 0"_s,
            u"show tick:display 1"_s,
            u"click css1Button"_s,
            u"count 37"_s,
            u"show tick:outline 0"_s,
            u"show tick:text-shadow 1"_s,
            u"click css2Button"_s,
            u"count 78"_s,
            u"show tick:color 1"_s,
        };
        QTest::newRow("reset restores values only") << QStringList{
            u"edit selectorBox P"_s,
            u"page 40"_s,
            u"edit font-family Arial"_s,
            u"edit float left"_s,
            u"click tick:float"_s,
            u"rule p|  {|  font-family: arial;|  }"_s,
            u"click resetButton"_s,
            u"rule p|  {|  }"_s,
            u"has rowScrollBar Empty-cells.."_s,
            u"show float none"_s,
            u"show tick:float 0"_s,
            u"click onlyChangedCheck"_s,
            u"count 77"_s,
            u"show selectorBox P"_s,
        };
        QTest::newRow("a pasted rule is read back, unknown declarations kept") << QStringList{
            u"click rulePane"_s,
            u"key Ctrl+A"_s,
            u"paste P {\n Margin: 0 auto; COLOR: #333 !important; /* x; */ border-radius: 4px;\n junk; color: #444 }"_s,
            u"rule p|  {|  color: #333 !important;|  margin: 0 auto;|  /* x; */ border-radius: 4px;|  junk;|  }"_s,
            u"show selectorBox P"_s,
            u"show note Převzato deklarací: 2. Přepsáno: color: #444. Neznámé vlastnosti ponechány: border-radius. Ponecháno jiných částí: 1."_s,
            u"click css1Button"_s,
            u"click resetButton"_s,
            u"rule p|  {|  /* x; */ border-radius: 4px;|  junk;|  }"_s,
            u"show note "_s,
        };
        QTest::newRow("a touchpad's small turns add up to a row") << QStringList{
            u"wheel rowCheck3 -12 9"_s,
            u"has rowScrollBar Background.."_s,
            u"wheel valueBox5 -12 1"_s,
            u"has rowScrollBar Background-attachment.."_s,
            u"wheel rulePane 12 10"_s,
            u"has rowScrollBar Background.."_s,
        };
        QTest::newRow("a change of nothing is no step to undo") << QStringList{
            u"edit color red"_s,
            u"click css2Button"_s,
            u"click onlyChangedCheck"_s,
            u"click onlyChangedCheck"_s,
            u"key Ctrl+Z"_s,
            u"key Ctrl+Z"_s,
            u"key Ctrl+Z"_s,
            u"rule |  {|  }"_s,
            u"click resetButton"_s,
            u"key Ctrl+Y"_s,
            u"key Ctrl+Y"_s,
            u"key Ctrl+Y"_s,
            u"rule |  {|  color: red;|  }"_s,
        };
        QTest::newRow("pasted over the rule at start, declarations or a rule replace it")
            << QStringList{
                   u"paste color: #333; margin: 0 auto;"_s,
                   u"rule |  {|  color: #333;|  margin: 0 auto;|  }"_s,
                   u"paste p { color: red }"_s,
                   u"rule p|  {|  color: red;|  }"_s,
                   u"key Ctrl+Home"_s,
                   u"paste div "_s,
                   u"rule div p|  {|  color: red;|  }"_s,
               };
        QTest::newRow("what CSS reads as written keeps its case, spaces and lines") << QStringList{
            u"paste #MainNav .Logo { background-image: url(\"img/Logo.PNG\"); content: \"Hel\u00A0lo\";\n font-family: Arial,\n\t sans-serif }"_s,
            u"rule #MainNav .Logo|  {|  background-image: url(\"img/Logo.PNG\");|  content: \"Hel\u00A0lo\";|  font-family: arial, sans-serif;|  }"_s,
            u"menu rulePane Kopírovat deklarace"_s,
            u"clipboard background-image: url(\"img/Logo.PNG\");|content: \"Hel\u00A0lo\";|font-family: arial, sans-serif;"_s,
        };
        // A data URI too long to lay out on every change.
        const QString uri = u"url(data:image/png;base64,"_s + u"Ab"_s.repeated(200) + u')';
        QTest::newRow("a long value is shortened in its box and the pane, whole when used")
            << (QStringList{
                    u"paste p { background-image: "_s + uri + u" }"_s,
                    u"rule p|  {|  background-image: "_s + uri + u";|  }"_s,
                    u"show background-image "_s + uri.left(64) + u'…',
                    // The pane shows the line's start, a short label for its middle, its end.
                    u"show rulePane p|  {|  background-image: "_s + uri.left(44) +
                        QChar::ObjectReplacementCharacter + uri.right(7) + u";|  }"_s,
                    u"click background-image"_s,
                    u"show background-image "_s + uri,
                    u"key End"_s,
                    u"type  x"_s,
                    u"rule p|  {|  background-image: "_s + uri + u" x;|  }"_s,
                    u"click rulePane"_s,
                    u"show background-image "_s + uri.left(64) + u'…',
                    u"key Ctrl+A"_s,
                    u"key Ctrl+C"_s,
                    u"clipboard p|  {|  background-image: "_s + uri + u" x;|  }"_s,
                    // Typed just after the shortened middle, a character is a character.
                    u"key Ctrl+Home"_s,
                    u"key Down"_s,
                    u"key Down"_s,
                    u"key End"_s,
                } +
                QStringList(8, u"key Left"_s) +
                QStringList{
                    u"type Q"_s,
                    u"key Ctrl+Return"_s,
                    u"rule p|  {|  background-image: "_s + uri.chopped(5) + u'Q' + uri.right(5) +
                        u" x;|  }"_s,
                });
        QTest::newRow("a value's meaning in CSS: a frame, a tooltip, a screen reader")
            << QStringList{
                   u"edit margin-left 10"_s,
                   u"mark margin-left red"_s,
                   u"says margin-left určuje velikost levého okraje prvku|chybí jednotka "
                   u"délky|Baseline: široce dostupné od 2018|Ctrl+↑ a Ctrl+↓ změní číslo u "
                   u"kurzoru o 1, se Shiftem o 10, s Altem o 0,1"_s,
                   u"type px"_s,
                   u"mark margin-left none"_s,
                   u"says margin-left určuje velikost levého okraje prvku|Baseline: široce "
                   u"dostupné od 2018|Ctrl+↑ a Ctrl+↓ změní číslo u kurzoru o 1, se Shiftem o "
                   u"10, s Altem o 0,1"_s,
                   u"rule |  {|  margin-left: 10px;|  }"_s,
                   u"pick caption-side left"_s,
                   u"mark caption-side amber"_s,
                   u"mark content red"_s,
                   u"says content generuje prvky ve spojení s pseudoprvky :before a "
                   u":after|prázdný řetězec se v CSS píše \"\"|Baseline: široce dostupné od 2018"_s,
                   // Today's CSS: no red, its module named; a flex box aligns no text.
                   u"edit display flex"_s,
                   u"mark display none"_s,
                   u"says display určuje zobrazení prvku|hodnota z CSS Display 4; CSS 2.1 ji "
                   u"nemá|Baseline: široce dostupné od 2018"_s,
                   u"edit vertical-align top"_s,
                   u"mark vertical-align amber"_s,
               };
        QTest::newRow("the preview follows the rule") << QStringList{
            u"key Ctrl+P"_s,
            u"awaits previewInfo Ukázka: <div>"_s,
            u"edit selectorBox ul LI.x"_s,
            u"awaits previewInfo Ukázka: <li>"_s,
            // A value its grammar refuses leaves the page as it was, and the line says so.
            u"edit text-indent 10"_s,
            u"awaits previewInfo Vynecháno: text-indent (neplatná hodnota)."_s,
        };
        QTest::newRow("pasted declarations with a default value turn the switch off")
            << QStringList{
                   u"edit background-attachment fixed"_s,
                   u"click rulePane"_s,
                   u"key Ctrl+A"_s,
                   u"paste color: red; margin-top: 0"_s,
                   u"rule |  {|  color: red;|  margin-top: 0;|  }"_s,
                   u"show onlyChangedCheck 0"_s,
                   u"has note vypnuta"_s,
                   u"show background-attachment scroll"_s,
                   u"show tick:background-attachment 0"_s,
               };
        QTest::newRow("a text that changes nothing is shown rebuilt, with no note") << QStringList{
            u"edit rulePane {}"_s,
            u"key Ctrl+Return"_s,
            u"rule |  {|  }"_s,
            u"show note "_s,
        };
        QTest::newRow("text that is not one rule stays as typed") << QStringList{
            u"edit rulePane p { color: red }\na {}"_s,
            u"click background"_s,
            u"rule p { color: red }|a {}"_s,
            u"has note text za koncem pravidla (řádek 2, znak 1)"_s,
            u"edit background-color red"_s,
            u"rule p { color: red }|a {}"_s,
            u"has note text za koncem pravidla"_s,
            u"edit rulePane p { /* }"_s,
            u"key Ctrl+Return"_s,
            u"has note neuzavřený komentář (řádek 1, znak 5)"_s,
            u"edit rulePane x: 'a;"_s,
            u"key Ctrl+Return"_s,
            u"has note řetězec"_s,
        };
        QTest::newRow("each step undone and redone, byte for byte") << QStringList{
            u"keep"_s,
            u"click color"_s,
            u"type red"_s,
            u"keep"_s,
            u"click tick:color"_s,
            u"keep"_s,
            u"click onlyChangedCheck"_s,
            u"keep"_s,
            u"click css1Button"_s,
            u"keep"_s,
            u"click resetButton"_s,
            u"keep"_s,
            u"pick margin složit z dílčích hodnot"_s,
            u"keep"_s,
            u"page 1"_s,
            u"key Ctrl+Z"_s,
            u"same 5"_s,
            u"has rowScrollBar Margin.."_s,
            u"key Ctrl+Z"_s,
            u"same 4"_s,
            u"key Ctrl+Z"_s,
            u"same 3"_s,
            u"key Ctrl+Z"_s,
            u"same 2"_s,
            u"key Ctrl+Z"_s,
            u"same 1"_s,
            u"key Ctrl+Z"_s,
            u"same 0"_s,
            u"key Ctrl+Y"_s,
            u"same 1"_s,
            u"key Ctrl+Shift+Z"_s,
            u"same 2"_s,
            u"key Ctrl+Y"_s,
            u"key Ctrl+Y"_s,
            u"key Ctrl+Y"_s,
            u"key Ctrl+Y"_s,
            u"same 6"_s,
            u"show margin 0 0 0 0"_s,
        };
        QTest::newRow("typing in the pane is undone there first, and the rule shown as it is now")
            << QStringList{
                   u"edit rulePane x: 'a;"_s,
                   u"edit background-attachment fixed"_s,
                   u"click rulePane"_s,
                   u"key Ctrl+Z"_s,
                   u"rule |  {|  background-attachment: fixed;|  }"_s,
                   u"key Ctrl+Z"_s,
                   u"rule |  {|  }"_s,
               };
        QTest::newRow("copy the rule three ways, as another program reads it") << QStringList{
            u"edit selectorBox Tělo "_s,
            u"edit background-image url(a&b.png)"_s,
            u"edit font-family \"Times New Roman\", Serif"_s,
            u"keep"_s,
            u"rule tělo|  {|  background-image: url(a&b.png);|  font-family: \"Times New Roman\", serif;|  }"_s,
            u"click copyButton"_s,
            u"clipboard tělo|  {|  background-image: url(a&b.png);|  font-family: \"Times New Roman\", serif;|  }"_s,
            u"menu copyButton Kopírovat deklarace"_s,
            u"clipboard background-image: url(a&b.png);|font-family: \"Times New Roman\", serif;"_s,
            u"menu rulePane Kopírovat jako atribut style"_s,
            u"clipboard style=\"background-image: url(a&amp;b.png); font-family: &quot;Times New Roman&quot;, serif\""_s,
            u"menu rulePane Kopírovat pravidlo"_s,
            u"clipboard tělo|  {|  background-image: url(a&b.png);|  font-family: \"Times New Roman\", serif;|  }"_s,
            u"same 0"_s,
        };
        QTest::newRow("find by name") << QStringList{
            u"click background-attachment"_s,
            u"key Ctrl+F"_s,
            u"show focus findField"_s,
            u"type LineHeight"_s,
            u"key Return"_s,
            u"has rowScrollBar Line-height.."_s,
            u"show focused line-height"_s,
        };
        QTest::newRow("find by a Czech word without diacritics; typing replaces the value")
            << QStringList{
                   u"key Ctrl+F"_s,
                   u"type sirka"_s,
                   u"key Return"_s,
                   u"show rowScrollBar Text-transform..Z-index"_s,
                   u"show focused width"_s,
                   u"show selection auto"_s,
                   u"type 12em"_s,
                   u"rule |  {|  width: 12em;|  }"_s,
                   u"key Ctrl+F"_s,
                   u"type sirka"_s,
                   u"key Down"_s,
                   u"key Return"_s,
                   u"has rowScrollBar Max-width.."_s,
               };
        QTest::newRow("found on the last page") << QStringList{
            u"key Ctrl+F"_s,
            u"type z-ind"_s,
            u"key Return"_s,
            u"show rowScrollBar Text-transform..Z-index"_s,
            u"show focused z-index"_s,
        };
        QTest::newRow("the focus follows its property, or leaves the rows; found nothing")
            << QStringList{
                   u"key Ctrl+F"_s,
                   u"type color"_s,
                   u"key Return"_s,
                   u"wheel rowCheck5 120 1"_s,
                   u"show focused color"_s,
                   u"type 2em"_s,
                   u"wheel rowCheck5 1200 1"_s,
                   u"show focus rowScrollBar"_s,
                   u"type x"_s,
                   u"rule |  {|  color: 2em;|  }"_s,
                   u"key Ctrl+F"_s,
                   u"type qqq"_s,
                   u"says findField Nic nenalezeno"_s,
                   u"key Return"_s,
                   u"show focus findField"_s,
               };
        QTest::newRow("an unticked value is not in the rule and says so; the box's menu undoes")
            << QStringList{
                   u"edit background-attachment fixed"_s,
                   u"click tick:background-attachment"_s,
                   u"rule |  {|  }"_s,
                   u"says background-attachment určuje závislost obrázku na pozadí na posunu "
                   u"stránky|hodnota není v pravidle, dokud je vlastnost nezaškrtnutá|Omezená "
                   u"podpora: chybí v Safari"_s,
                   u"menu background-attachment Zpět"_s,
                   u"rule |  {|  background-attachment: fixed;|  }"_s,
                   u"menu background-attachment Znovu"_s,
                   u"rule |  {|  }"_s,
                   u"click copyButton"_s,
                   u"show note Pravidlo zkopírováno."_s,
                   u"awaits note "_s,
               };
        QTest::newRow("Esc finds nothing") << QStringList{
            u"click background-attachment"_s,
            u"key Ctrl+F"_s,
            u"type color"_s,
            u"key Esc"_s,
            u"has rowScrollBar Background.."_s,
            u"show focused background-attachment"_s,
            u"rule |  {|  }"_s,
        };
    }

    void whatTheUserDoes()
    {
        QFETCH(QStringList, steps);
        WindowDriver d;
        d.run(steps);
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
