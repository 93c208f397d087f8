// The window as laid out: every control where it belongs, and every caption whole
// inside its control. The suite runs this at scale 1 and again at scale 2.
#include "Catalogue.h"
#include "WindowDriver.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QStyleOptionButton>

using namespace Qt::StringLiterals;

class TestLayout : public QObject {
    Q_OBJECT

private:
    // Whether `text` wrapped into `area` of `widget` shows whole.
    static bool fits(const QWidget *widget, const QRect &area, const QString &text, int flags)
    {
        const QRect needed = widget->fontMetrics().boundingRect(area, flags, text);
        return area.contains(needed);
    }

private Q_SLOTS:
    void geometry_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("place");
        QTest::newRow("CSS 1") << u"cmdCSS1"_s << QRect(16, 16, 57, 17);
        QTest::newRow("CSS 2") << u"cmdCSS2"_s << QRect(88, 16, 57, 17);
        QTest::newRow("label") << u"lblPopisek"_s << QRect(16, 168, 57, 17);
        QTest::newRow("selector") << u"cmbSelektor"_s << QRect(16, 184, 129, 23);
        QTest::newRow("switch") << u"chkStyl"_s << QRect(16, 216, 129, 33);
        QTest::newRow("row 1 tick") << u"chkPopisek1"_s << QRect(160, 8, 153, 25);
        QTest::newRow("row 10 tick") << u"chkPopisek10"_s << QRect(160, 224, 153, 25);
        QTest::newRow("row 1 value") << u"cmbHodnota1"_s << QRect(312, 8, 161, 23);
        QTest::newRow("row 7 value") << u"cmbHodnota7"_s << QRect(312, 152, 161, 23);
        QTest::newRow("scroll bar") << u"vscVlastnost"_s << QRect(480, 8, 17, 241);
        QTest::newRow("pane") << u"rtbStyl"_s << QRect(8, 256, 385, 73);
        QTest::newRow("reset") << u"cmdReset"_s << QRect(400, 256, 97, 33);
        QTest::newRow("copy") << u"cmdCopy"_s << QRect(400, 296, 97, 33);
    }
    void geometry()
    {
        QFETCH(QString, control);
        QFETCH(QRect, place);
        WindowDriver d;
        QCOMPARE(d.find<QWidget>(control)->geometry(), place);
        QCOMPARE(d.w().size(), QSize(505, 337));
    }

    void buttonCaptionsShowWhole_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("CSS 1") << u"cmdCSS1"_s;
        QTest::newRow("CSS 2") << u"cmdCSS2"_s;
        QTest::newRow("reset") << u"cmdReset"_s;
        QTest::newRow("copy") << u"cmdCopy"_s;
    }
    void buttonCaptionsShowWhole()
    {
        QFETCH(QString, button);
        WindowDriver d;
        auto *const b = d.find<QPushButton>(button);
        QStyleOptionButton option;
        option.initFrom(b);
        const QRect area = b->style()->subElementRect(QStyle::SE_PushButtonContents, &option, b);
        QVERIFY2(fits(b, area, b->text(), Qt::AlignCenter | Qt::TextWordWrap), qPrintable(button));
    }

    void tickCaptionsShowWhole()
    {
        WindowDriver d;
        QCheckBox *const tick = d.tick(1);
        QStyleOptionButton option;
        option.initFrom(tick);
        const QRect area =
            tick->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, tick);
        Catalogue catalogue;
        catalogue.load();
        for (int i = 1; i <= Catalogue::Count; ++i) {
            const QString &name = catalogue.vlastnost(i).Nazev;
            QVERIFY2(fits(tick, area, name, Qt::AlignLeft | Qt::AlignVCenter), qPrintable(name));
        }
        QCheckBox *const onlyChanged = d.onlyChanged();
        QStyleOptionButton switchOption;
        switchOption.initFrom(onlyChanged);
        const QRect switchArea = onlyChanged->style()->subElementRect(QStyle::SE_CheckBoxContents,
                                                                      &switchOption, onlyChanged);
        QVERIFY(fits(onlyChanged, switchArea, onlyChanged->text(),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap));
        auto *const label = d.find<QLabel>(u"lblPopisek"_s);
        QVERIFY(fits(label, label->rect(), label->text(), Qt::AlignLeft | Qt::AlignVCenter));
    }

    // Four lines of rule fit the pane's height, so a short rule needs no scrolling.
    void paneShowsFourLines()
    {
        WindowDriver d;
        auto *const pane = d.find<QPlainTextEdit>(u"rtbStyl"_s);
        d.type(d.box(3), u"x"_s);
        QTest::qWait(10);
        QCOMPARE(pane->blockCount(), 4);
        QCOMPARE(pane->verticalScrollBar()->maximum(), 0);
    }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
