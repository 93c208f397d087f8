// Thousands of random user events on the real window. After each one the rows must
// show the catalogue for the page in view and the pane must hold the rule built
// from the model. Set STYLOMAT_MONKEY_SEED to replay a run, STYLOMAT_MONKEY_EVENTS
// to change its length.
#include "RuleBuilder.h"
#include "Vocabulary.h"
#include "WindowDriver.h"

#include <QApplication>
#include <QRandomGenerator>

using namespace Qt::StringLiterals;

class TestMonkey : public QObject {
    Q_OBJECT

private:
    QRandomGenerator random;
    QString lastEvent;

    int pickInt(int low, int high) { return int(random.bounded(low, high + 1)); }

    QString randomText()
    {
        static const QStringList pieces = {u"a"_s,
                                           u"B"_s,
                                           u" "_s,
                                           u"Č"_s,
                                           u"ř"_s,
                                           u"\t"_s,
                                           u"1px"_s,
                                           u"Red"_s,
                                           u"😀"_s,
                                           u"\u0130"_s,
                                           u"e\u0301"_s,
                                           u"\u05D0"_s,
                                           u"složit z dílčích hodnot"_s};
        QString text;
        for (int n = pickInt(0, 3); n > 0; --n)
            text += pieces.at(pickInt(0, int(pieces.size()) - 1));
        return text;
    }

    void typeKey(QWidget *edit)
    {
        static const std::array<Qt::Key, 9> keys = {
            Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Right, Qt::Key_Home,
            Qt::Key_End,       Qt::Key_Shift,  Qt::Key_Up,   Qt::Key_Down};
        if (random.bounded(3) == 0) {
            const Qt::Key key = keys.at(random.bounded(int(keys.size())));
            lastEvent += u" key %1"_s.arg(int(key), 0, 16);
            QTest::keyClick(edit, key);
        } else {
            const QString text = randomText();
            lastEvent += u" text \"%1\""_s.arg(text);
            WindowDriver::typeInto(edit, text);
        }
    }

    void randomEvent(WindowDriver &d)
    {
        const int row = pickInt(1, 10);
        switch (random.bounded(14)) {
        case 0:
        case 1:
            lastEvent = u"tick row %1"_s.arg(row);
            d.click(d.tick(row));
            break;
        case 2:
        case 3:
        case 4:
        case 5:
            lastEvent = u"type in row %1"_s.arg(row);
            typeKey(d.box(row)->lineEdit());
            break;
        case 6: {
            QComboBox *const box = d.box(row);
            const QString item = box->itemText(pickInt(0, box->count() - 1));
            lastEvent = u"pick \"%1\" in row %2"_s.arg(item).arg(row);
            if (!d.pick(box, item))
                QFAIL("the item could not be picked");
            break;
        }
        case 7:
        case 8: {
            static const std::array<Qt::Key, 6> keys = {Qt::Key_Up,     Qt::Key_Down,
                                                        Qt::Key_PageUp, Qt::Key_PageDown,
                                                        Qt::Key_Home,   Qt::Key_End};
            const Qt::Key key = keys.at(random.bounded(int(keys.size())));
            lastEvent = u"scroll key %1"_s.arg(int(key), 0, 16);
            QTest::keyClick(d.scroll(), key);
            break;
        }
        case 9:
            lastEvent = u"selector"_s;
            typeKey(d.selector()->lineEdit());
            break;
        case 10:
            lastEvent = u"switch"_s;
            d.click(d.onlyChanged());
            break;
        case 11: {
            static const std::array<const char *, 4> commands = {"cmdCSS1", "cmdCSS2", "cmdReset",
                                                                 "cmdCopy"};
            const char *const command = commands.at(random.bounded(int(commands.size())));
            lastEvent = QString::fromLatin1(command);
            d.click(d.button(command));
            break;
        }
        default: {
            const int value = pickInt(1, 93);
            lastEvent = u"scroll to %1"_s.arg(value);
            d.scroll()->setValue(value);
            break;
        }
        }
    }

    // Let a pending deferred refresh run, as it would a moment later.
    static void settle(WindowDriver &d)
    {
        for (int wait = 0; d.timer()->isActive() && wait < 200; ++wait)
            QTest::qWait(1);
    }

    static QString mismatch(WindowDriver &d)
    {
        const Catalogue &c = d.w().catalogue();
        const int first = d.scroll()->value();
        for (int row = 1; row <= 10; ++row) {
            const int p = first + row - 1;
            const Vlastnost &v = c.vlastnost(p);
            if (d.tick(row)->text() != v.Nazev || d.tick(row)->toolTip() != v.Popis)
                return u"row %1 does not show property %2"_s.arg(row).arg(p);
            if (d.tick(row)->isChecked() != (c.zapsat(p) == 1))
                return u"row %1 tick differs from flag %2"_s.arg(row).arg(c.zapsat(p));
            if (c.zapsat(p) != 0 && c.zapsat(p) != 1)
                return u"flag of %1 is %2"_s.arg(p).arg(c.zapsat(p));
            if (d.box(row)->currentText() != v.Hodnota)
                return u"row %1 box shows \"%2\", value is \"%3\""_s.arg(row).arg(
                    d.box(row)->currentText(), v.Hodnota);
            QStringList items;
            for (int i = 0; i < d.box(row)->count(); ++i)
                items << d.box(row)->itemText(i);
            if (items != vocabulary(p))
                return u"row %1 offers the wrong values"_s.arg(row);
        }
        const QString expected =
            ruleText(d.selector()->currentText(), d.onlyChanged()->isChecked() ? 1 : 0, c);
        if (d.pane() != expected)
            return u"pane differs from the rule built from the model"_s;
        return {};
    }

private Q_SLOTS:
    void initTestCase()
    {
        // Popups on the offscreen platform complain about raising and grabbing; the
        // complaints would drown the one line that matters.
        static const QtMessageHandler previous = qInstallMessageHandler(nullptr);
        qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
                if (type == QtWarningMsg && message.startsWith(u"This plugin does not support"_s))
                    return;
                previous(type, context, message);
            });
    }

    void randomUse()
    {
        const QByteArray seedText = qgetenv("STYLOMAT_MONKEY_SEED");
        const quint32 seed =
            seedText.isEmpty() ? QRandomGenerator::global()->generate() : seedText.toUInt();
        const QByteArray countText = qgetenv("STYLOMAT_MONKEY_EVENTS");
        const int events = countText.isEmpty() ? 20000 : countText.toInt();
        random.seed(seed);
        qInfo("monkey seed %u (replay with STYLOMAT_MONKEY_SEED=%u), %d events", seed, seed,
              events);

        WindowDriver d;
        for (int n = 1; n <= events; ++n) {
            randomEvent(d);
            if (QTest::currentTestFailed())
                return;
            settle(d);
            const QString problem = mismatch(d);
            if (!problem.isEmpty())
                QFAIL(qPrintable(
                    u"seed %1, event %2 (%3): %4"_s.arg(seed).arg(n).arg(lastEvent, problem)));
        }
    }
};

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
