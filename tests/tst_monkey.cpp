// Thousands of random user events on the real window. After each one the rows must show
// the catalogue for the page in view and the pane must hold the rule of the model.
// STYLOMAT_MONKEY_SEED replays a run, STYLOMAT_MONKEY_EVENTS changes its length.
#include "RuleBuilder.h"
#include "WindowDriver.h"

#include <QRandomGenerator>
#include <QTimer>

class TestMonkey : public QObject {
    Q_OBJECT

    QRandomGenerator m_random;

    int below(int bound) { return int(m_random.bounded(bound)); }
    template <class T> const T &any(const QList<T> &list)
    {
        return list.at(below(int(list.size())));
    }

    // Describes the event it sent, for the failure message.
    QString randomEvent(WindowDriver &d)
    {
        static const QStringList texts{
            u"a"_s, u"B "_s,     u"Č"_s,       u"\t"_s,     u"1px"_s,
            u"😀"_s, u"\u0130"_s, u"e\u0301"_s, u"\u05D0"_s, u"složit z dílčích hodnot"_s};
        static const QList<QKeyCombination> keys{Qt::Key_Backspace,
                                                 Qt::Key_Delete,
                                                 Qt::Key_Left,
                                                 Qt::Key_Home,
                                                 Qt::Key_End,
                                                 Qt::Key_Shift,
                                                 Qt::Key_Up,
                                                 Qt::Key_Down,
                                                 Qt::Key_PageDown,
                                                 Qt::Key_Tab,
                                                 Qt::CTRL | Qt::Key_Z,
                                                 Qt::CTRL | Qt::SHIFT | Qt::Key_Z,
                                                 Qt::CTRL | Qt::Key_Return};
        static const QStringList commands{u"css1Button"_s, u"css2Button"_s, u"resetButton"_s,
                                          u"onlyChangedCheck"_s, u"copyButton"_s};
        const int row = 1 + below(10);
        switch (below(8)) {
        case 0:
            d.click(d.check(row));
            return u"tick row %1"_s.arg(row);
        case 1: {
            const QString item = d.box(row)->itemText(below(d.box(row)->count()));
            return WindowDriver::pick(d.box(row), item) ? u"pick %1 in row %2"_s.arg(item).arg(row)
                                                        : u"FAILED to pick"_s;
        }
        case 2:
            d.click(d.bar(), QPoint(8, below(d.bar()->height())));
            return u"click the scroll bar"_s;
        case 3:
            d.click(commands.at(row % commands.size()));
            return commands.at(row % commands.size());
        case 4:
            d.click(row == 10 ? d.get(u"selectorBox"_s) : d.box(row), QPoint(10, 10));
            [[fallthrough]];
        default:
            if (below(3) == 0) {
                const QKeyCombination key = any(keys);
                d.key(key.key(), key.keyboardModifiers());
                return u"key %1"_s.arg(key.toCombined(), 0, 16);
            }
            const QString text = any(texts);
            d.type(text);
            return u"type \"%1\""_s.arg(text);
        }
    }

    static QString mismatch(const WindowDriver &d)
    {
        const Catalogue &c = d.window.catalogue();
        for (int row = 1; row <= 10; ++row) {
            const int p = d.bar()->value() + row - 1;
            const QComboBox *const box = d.box(row);
            QStringList offered;
            for (int i = 0; i < box->count(); ++i)
                offered << box->itemText(i);
            if (d.check(row)->text() != Property::at(p).name ||
                d.check(row)->toolTip() != Property::at(p).description ||
                d.check(row)->isChecked() != c.isIncluded(p) || box->currentText() != c.value(p) ||
                offered != Property::at(p).offeredValues)
                return u"row %1 does not show property %2"_s.arg(row).arg(p);
        }
        const QString selector = d.get<QComboBox>(u"selectorBox"_s)->currentText();
        const bool onlyChanged = d.get<QCheckBox>(u"onlyChangedCheck"_s)->isChecked();
        // Text the user typed into the pane stays there until it can be read.
        const bool unread = d.get<RulePane>(u"rulePane"_s)->hasUnreadText();
        return unread || d.rule() == ruleText(selector, onlyChanged, c) ? QString()
                                                                        : u"the pane differs"_s;
    }

    quint32 seed()
    {
        const quint32 seed = qEnvironmentVariableIsSet("STYLOMAT_MONKEY_SEED")
                                 ? quint32(qEnvironmentVariableIntValue("STYLOMAT_MONKEY_SEED"))
                                 : QRandomGenerator::global()->generate();
        m_random.seed(seed);
        return seed;
    }

    // What the user has made: the model, the selector and the switch.
    static std::tuple<Catalogue, QString, bool> made(const WindowDriver &d)
    {
        return {d.window.catalogue(), d.get<QComboBox>(u"selectorBox"_s)->currentText(),
                d.get<QCheckBox>(u"onlyChangedCheck"_s)->isChecked()};
    }

private Q_SLOTS:
    void randomUse()
    {
        const quint32 seed = this->seed();
        const int events = qEnvironmentVariableIsSet("STYLOMAT_MONKEY_EVENTS")
                               ? qEnvironmentVariableIntValue("STYLOMAT_MONKEY_EVENTS")
                               : 10000;
        qInfo("monkey seed %u (replay with STYLOMAT_MONKEY_SEED=%u), %d events", seed, seed,
              events);
        WindowDriver d;
        for (int n = 1; n <= events; ++n) {
            const QString event = randomEvent(d);
            QTRY_VERIFY(!d.get<QTimer>(u"deferredRefresh"_s)->isActive()); // as a moment later
            const QString problem = mismatch(d);
            if (!problem.isEmpty() || event.startsWith(u"FAILED"_s))
                QFAIL(qPrintable(
                    u"seed %1, event %2 (%3): %4"_s.arg(seed).arg(n).arg(event, problem)));
        }
    }

    // After random changes, undoing everything gives the start again and redoing
    // everything gives the end, whatever the changes were.
    void undoAllThenRedoAll()
    {
        const quint32 seed = this->seed();
        qInfo("history seed %u", seed);
        WindowDriver d;
        const auto start = made(d);
        for (int n = 0; n < 150; ++n)
            randomEvent(d);
        d.click(u"css2Button"_s); // out of the pane, which reads what was typed there
        const auto end = made(d);
        for (int n = 0; n < 200; ++n)
            d.key(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY2(made(d) == start, qPrintable(u"seed %1"_s.arg(seed)));
        for (int n = 0; n < 200; ++n)
            d.key(Qt::Key_Y, Qt::ControlModifier);
        QVERIFY2(made(d) == end, qPrintable(u"seed %1"_s.arg(seed)));
        QVERIFY(mismatch(d).isEmpty());
    }
};

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
