// Editing beyond the rows: a rule typed or pasted into the pane and read back, the
// window's history, and finding a property.
#include "WindowDriver.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

class TestEditing : public QObject {
    Q_OBJECT

    static QString note(const WindowDriver &d) { return d.get<QLabel>(u"note"_s)->text(); }
    static void typeIntoPane(const WindowDriver &d, const QString &text)
    {
        d.click(d.get(u"rulePane"_s));
        d.key(Qt::Key_A, Qt::ControlModifier);
        d.type(text);
    }

private Q_SLOTS:
    void pastedRuleIsReadBack()
    {
        WindowDriver d;
        QApplication::clipboard()->setText(
            u"P {\r\n Margin: 0 auto;  COLOR: #333 !important; /* x; */ border-radius: 4px;"
            u"\r\n junk; color: #444 }"_s);
        typeIntoPane(d, {});
        d.key(Qt::Key_V, Qt::ControlModifier); // read at once, no focus change needed
        const QString read = rule(
            u"p"_s, {u"color: #444"_s, u"margin: 0 auto"_s, u"border-radius: 4px"_s, u"junk"_s});
        QCOMPARE(d.rule(), read);
        QCOMPARE(d.get<QComboBox>(u"selectorBox"_s)->currentText(), u"P"_s);
        QCOMPARE(note(d), u"Převzaté deklarace: 3. Neznámé vlastnosti ponechány, jak jsou "
                          u"napsány: border-radius. Části, které nejsou deklarací, ponechány, "
                          u"jak jsou napsány: 1."_s);
        d.click(u"css1Button"_s); // kept declarations stay; the note goes with the change
        d.click(u"resetButton"_s);
        QCOMPARE(d.rule(), rule(u"p"_s, {u"border-radius: 4px"_s, u"junk"_s}));
        QCOMPARE(note(d), QString());
    }

    void defaultValueTurnsTheSwitchOff()
    {
        WindowDriver d;
        d.edit(d.box(2), u"fixed"_s);
        typeIntoPane(d, u"color: red; margin-top: 0"_s);
        d.key(Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(d.rule(), rule({}, {u"color: red"_s, u"margin-top: 0"_s}));
        QVERIFY(!d.get<QCheckBox>(u"onlyChangedCheck"_s)->isChecked());
        QVERIFY(note(d).contains(u"vypnuta"_s));
        QCOMPARE(d.box(2)->currentText(), u"scroll"_s); // not named: back to its default
        QVERIFY(!d.check(2)->isChecked());
    }

    void textThatIsNotOneRuleStaysAsTyped_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fault");
        QTest::addRow("second rule")
            << u"p { color: red }\na {}"_s << u"text za koncem pravidla (řádek 2, znak 1)"_s;
        QTest::addRow("unclosed string") << u"x: 'a;"_s << u"řetězec"_s;
        QTest::addRow("unclosed comment") << u"p { /* }"_s << u"komentář (řádek 1, znak 5)"_s;
    }
    void textThatIsNotOneRuleStaysAsTyped()
    {
        QFETCH(QString, text);
        QFETCH(QString, fault);
        WindowDriver d;
        typeIntoPane(d, text);
        d.click(d.box(1)); // leaving the pane reads it
        QCOMPARE(d.rule(), text);
        QVERIFY2(note(d).contains(fault), qPrintable(note(d)));
        QVERIFY(d.window.catalogue() == Catalogue());
        d.edit(d.box(3), u"red"_s); // nothing rewrites what waits to be read
        QCOMPARE(d.rule(), text);
    }

    // Each step undone and redone gives back the rule of that moment, byte for byte.
    void undoAndRedoEachKindOfStep()
    {
        WindowDriver d;
        QStringList rules{d.rule()};
        d.pageTo(33);
        d.click(d.box(1));
        d.type(u"red"_s); // one step, not three
        rules << d.rule();
        d.click(d.check(1));
        rules << d.rule();
        d.click(u"onlyChangedCheck"_s);
        rules << d.rule();
        d.click(u"css1Button"_s);
        rules << d.rule();
        d.click(u"resetButton"_s);
        rules << d.rule();
        d.pageTo(58); // Margin
        QVERIFY(WindowDriver::pick(d.box(1), u"složit z dílčích hodnot"_s));
        rules << d.rule();
        d.pageTo(1);
        for (qsizetype step = rules.size() - 2; step >= 0; --step) {
            d.key(Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(d.rule(), rules.at(step));
        }
        QCOMPARE(d.bar()->value(), 33); // the rows show what the undone typing changed
        for (qsizetype step = 1; step < rules.size(); ++step) {
            d.key(step % 2 ? Qt::Key_Y : Qt::Key_Z,
                  step % 2 ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(d.rule(), rules.at(step));
        }
        QCOMPARE(d.box(1)->currentText(), u"0 0 0 0"_s);
    }

    void findAProperty_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<int>("downs");
        QTest::addColumn<QString>("found"); // the name in the top row, or none for Esc
        QTest::addRow("name without hyphen") << u"LineHeight"_s << 0 << u"Line-height"_s;
        QTest::addRow("Czech word without diacritics") << u"sirka"_s << 1 << u"Border-left-width"_s;
        QTest::addRow("last page") << u"z-ind"_s << 0 << u"Text-transform"_s;
        QTest::addRow("Esc changes nothing") << u"color"_s << 0 << QString();
    }
    void findAProperty()
    {
        QFETCH(QString, query);
        QFETCH(int, downs);
        QFETCH(QString, found);
        WindowDriver d;
        d.click(d.box(2));
        d.key(Qt::Key_F, Qt::ControlModifier);
        auto *const field = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(field && field->accessibleName() == u"Najít vlastnost"_s);
        d.type(query);
        for (int i = 0; i < downs; ++i)
            d.key(Qt::Key_Down);
        d.key(found.isEmpty() ? Qt::Key_Escape : Qt::Key_Return);
        QTRY_VERIFY(!field->isVisible());
        QCOMPARE(d.check(1)->text(), found.isEmpty() ? u"Background"_s : found);
        const int row = found == u"Text-transform"_s ? 10 : found.isEmpty() ? 2 : 1;
        QCOMPARE(QApplication::focusWidget(), d.box(row));
        QCOMPARE(d.rule(), rule({}));
    }
};

QTEST_MAIN(TestEditing)
#include "tst_editing.moc"
