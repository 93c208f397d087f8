// Thousands of random user events on the real window. After each one the rows must show
// the catalogue for the page in view and the pane the rule of the model. Then random
// changes are undone and redone. The run is the same every time; STYLOMAT_MONKEY_SEED
// picks another (a number, or "random" for a new one each run, printed to replay it), and
// STYLOMAT_MONKEY_EVENTS changes its length.
#include "RuleWriter.h"
#include "WindowDriver.h"

#include <QRandomGenerator>

class TestMonkey : public QObject {
    Q_OBJECT

    QRandomGenerator m_random;
    quint32 m_seed = qEnvironmentVariable("STYLOMAT_MONKEY_SEED") == u"random"_s
                         ? QRandomGenerator::global()->generate()
                         : quint32(qEnvironmentVariableIntValue("STYLOMAT_MONKEY_SEED"));

    QString any(const QStringList &list) { return list.at(m_random.bounded(int(list.size()))); }

    // Returns the event it sent, for the failure message; some events bring no change.
    QString randomEvent(const WindowDriver &d)
    {
        const int row = 1 + int(m_random.bounded(10));
        const QString item = d.box(row)->itemText(m_random.bounded(d.box(row)->count()));
        const QString event = any({u"click rowCheck%1"_s.arg(row),
                                   u"pick valueBox%1 "_s.arg(row) + item,
                                   u"click valueBox%1"_s.arg(row),
                                   u"click "_s + any({u"css1Button"_s,
                                                      u"css2Button"_s,
                                                      u"resetButton"_s,
                                                      u"onlyChangedCheck"_s,
                                                      u"copyButton"_s,
                                                      u"selectorBox"_s,
                                                      u"rulePane"_s,
                                                      u"rowScrollBar"_s}),
                                   u"key "_s + any({u"Backspace"_s,
                                                    u"Del"_s,
                                                    u"Left"_s,
                                                    u"Home"_s,
                                                    u"Shift"_s,
                                                    u"Up"_s,
                                                    u"Down"_s,
                                                    u"PgDown"_s,
                                                    u"Tab"_s,
                                                    u"Ctrl+Z"_s,
                                                    u"Ctrl+Shift+Z"_s,
                                                    u"Ctrl+Return"_s,
                                                    u"Ctrl+F"_s,
                                                    u"Esc"_s}),
                                   u"type "_s + any({u"a"_s,
                                                     u"B "_s,
                                                     u"Č"_s,
                                                     u"\t"_s,
                                                     u"1px"_s,
                                                     u"😀"_s,
                                                     u"\u0130"_s,
                                                     u"e\u0301"_s,
                                                     u"\u05D0"_s,
                                                     u"; x: {"_s,
                                                     u"}"_s,
                                                     u"složit z dílčích hodnot"_s})});
        d.run({event});
        // A moment later, as a user would look; a refresh that never comes shows as a row
        // that does not show its property.
        (void)QTest::qWaitFor([&] { return !d.get<QTimer>(u"deferredRefresh"_s)->isActive(); });
        if (QApplication::activePopupWidget() != nullptr) // the find field stays open
            d.key(u"Esc"_s);
        return event;
    }

    static QString mismatch(const WindowDriver &d)
    {
        const RuleState &state = d.window.document().state();
        const PropertyValues &c = state.values;
        for (int row = 1; row <= 10; ++row) {
            const int p = d.bar()->value() + row - 1;
            QStringList offered;
            for (int i = 0; i < d.box(row)->count(); ++i)
                offered << d.box(row)->itemText(i);
            if (d.check(row)->text() != Property::at(p).name ||
                d.check(row)->toolTip() != Property::at(p).shownDescription() ||
                d.check(row)->isChecked() != c.isIncluded(p) ||
                static_cast<EditableCombo *>(d.box(row))->value() != c.value(p) ||
                offered != Property::at(p).offeredValues)
                return u"row %1 does not show property %2"_s.arg(row).arg(p);
        }
        // The selector and the switch show the document's; the pane, line by line as it was
        // brought up to date, holds the rule as written whole; text the user typed into it
        // stays there until it can be read.
        if (static_cast<EditableCombo *>(d.get<QComboBox>(u"selectorBox"_s))->value() !=
                state.selector ||
            (d.shows(u"onlyChangedCheck"_s) == u"1"_s) != state.onlyChanged)
            return u"the selector or the switch differs"_s;
        const QString rule = ruleText(state);
        const QString shown = d.pane()->documentText().replace(u'\n', u"\r\n"_s);
        return d.pane()->hasUnreadText() || (shown == rule && d.rule() == rule)
                   ? QString()
                   : u"the pane differs"_s;
    }

    // What the user has made: the model, the selector and the switch.
    static auto made(const WindowDriver &d)
    {
        return std::tuple{
            d.window.document().state(), d.shows(u"selectorBox"_s), d.shows(u"onlyChangedCheck"_s)};
    }

private Q_SLOTS:
    void init()
    {
        m_random.seed(m_seed);
        qInfo("seed %u (replay with STYLOMAT_MONKEY_SEED=%u)", m_seed, m_seed);
    }

    void randomUse()
    {
        const int events = qEnvironmentVariableIsSet("STYLOMAT_MONKEY_EVENTS")
                               ? qEnvironmentVariableIntValue("STYLOMAT_MONKEY_EVENTS")
                               : 10000;
        WindowDriver d;
        for (int n = 1; n <= events && !QTest::currentTestFailed(); ++n) {
            const QString event = randomEvent(d);
            QVERIFY2(mismatch(d).isEmpty(),
                     qPrintable(u"event %1 (%2): %3"_s.arg(n).arg(event, mismatch(d))));
        }
    }

    // After random changes, undoing everything gives the start again and redoing
    // everything gives the end, whatever the changes were.
    void undoAllThenRedoAll()
    {
        WindowDriver d;
        const auto start = made(d);
        for (int n = 0; n < 150; ++n)
            randomEvent(d);
        d.run({u"click css2Button"_s}); // out of the pane, which reads what was typed there
        const auto end = made(d);
        for (int n = 0; n < 200; ++n)
            d.key(u"Ctrl+Z"_s);
        QVERIFY(made(d) == start);
        for (int n = 0; n < 200; ++n)
            d.key(u"Ctrl+Y"_s);
        QVERIFY(made(d) == end);
    }
};

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
