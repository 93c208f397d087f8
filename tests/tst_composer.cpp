#include "Catalogue.h"
#include "Composer.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

Catalogue loaded()
{
    Catalogue c;
    c.load();
    return c;
}

constexpr qint16 Font = 42;
constexpr qint16 FontFamily = 43, FontSize = 44, FontStyle = 47, FontVariant = 48, FontWeight = 49,
                 LineHeight = 53;

} // namespace

class TestComposer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void atDefaults_data()
    {
        QTest::addColumn<int>("shorthand");
        QTest::addColumn<QString>("composed");
        QTest::newRow("1 Background") << 1 << u"scroll transparent none 0% 0% repeat"_s;
        QTest::newRow("7 Border") << 7 << u"none medium"_s;
        QTest::newRow("8 Border-bottom") << 8 << u"none medium"_s;
        QTest::newRow("13 Border-color") << 13 << QString();
        QTest::newRow("14 Border-left") << 14 << u"none medium"_s;
        QTest::newRow("18 Border-right") << 18 << u"none medium"_s;
        QTest::newRow("23 Border-style") << 23 << u"none none none none"_s;
        QTest::newRow("24 Border-top") << 24 << u"none medium"_s;
        QTest::newRow("28 Border-width") << 28 << u"medium medium medium medium"_s;
        QTest::newRow("42 Font") << 42 << u"normal normal normal medium/normal serif"_s;
        QTest::newRow("54 List-style") << 54 << u"outside disc"_s;
        QTest::newRow("58 Margin") << 58 << u"0 0 0 0"_s;
        QTest::newRow("70 Outline") << 70 << u"invert none medium"_s;
        QTest::newRow("75 Padding") << 75 << u"0 0 0 0"_s;
    }
    void atDefaults()
    {
        QFETCH(int, shorthand);
        QFETCH(QString, composed);
        Catalogue c = loaded();
        c.setHodnota(shorthand, u"previous value"_s);
        SlozeniHodnot(c, qint16(shorthand));
        QCOMPARE(c.vlastnost(shorthand).Hodnota, composed);
        // Only the shorthand's value changes.
        for (int i = 1; i <= Catalogue::Count; ++i) {
            QCOMPARE(c.zapsat(i), qint16(1));
            if (i != shorthand)
                QCOMPARE(c.vlastnost(i).Hodnota, c.vlastnost(i).Vychozi);
        }
    }

    // Side order is top, right, bottom, left, and each side is told apart.
    void sidesJoinTopRightBottomLeft_data()
    {
        QTest::addColumn<int>("shorthand");
        QTest::addColumn<QList<int>>("sides"); // top, right, bottom, left
        QTest::newRow("Border-color") << 13 << QList<int>{25, 19, 9, 15};
        QTest::newRow("Border-style") << 23 << QList<int>{26, 20, 10, 16};
        QTest::newRow("Border-width") << 28 << QList<int>{27, 21, 11, 17};
        QTest::newRow("Margin") << 58 << QList<int>{62, 61, 59, 60};
        QTest::newRow("Padding") << 75 << QList<int>{79, 78, 76, 77};
    }
    void sidesJoinTopRightBottomLeft()
    {
        QFETCH(int, shorthand);
        QFETCH(QList<int>, sides);
        Catalogue c = loaded();
        const QStringList marks = {u"T1"_s, u"R2"_s, u"B3"_s, u"L4"_s};
        for (int s = 0; s < 4; ++s)
            c.setHodnota(sides[s], marks[s]);
        SlozeniHodnot(c, qint16(shorthand));
        QCOMPARE(c.vlastnost(shorthand).Hodnota, u"t1 r2 b3 l4"_s);
    }

    void borderUsesTheTopSideOnly()
    {
        Catalogue c = loaded();
        c.setHodnota(25, u"Red"_s);
        c.setHodnota(9, u"blue"_s);
        c.setHodnota(16, u"dotted"_s);
        SlozeniHodnot(c, 7);
        QCOMPARE(c.vlastnost(7).Hodnota, u"red none medium"_s);
    }

    void skippedSidesLeaveNoGap()
    {
        Catalogue c = loaded();
        c.setHodnota(62, u"1em"_s);
        c.setZapsat(61, 0);
        c.setHodnota(59, u"2em"_s);
        c.setHodnota(60, QString());
        SlozeniHodnot(c, 58);
        QCOMPARE(c.vlastnost(58).Hodnota, u"1em 2em"_s);
    }

    void partsAreTrimmedAndLowerCased()
    {
        Catalogue c = loaded();
        c.setHodnota(25, u"  Red  "_s);
        c.setHodnota(19, u"   "_s);
        c.setHodnota(9, u"\tBlue"_s);
        SlozeniHodnot(c, 13);
        QCOMPARE(c.vlastnost(13).Hodnota, u"red \tblue"_s);
    }

    void emptyOrExcludedPartsGiveEmpty()
    {
        Catalogue c = loaded();
        for (const int i : {2, 3, 4, 5, 6})
            c.setZapsat(i, 0);
        SlozeniHodnot(c, 1);
        QCOMPARE(c.vlastnost(1).Hodnota, QString());
        QCOMPARE(c.zapsat(1), qint16(1));
    }

    void fontExamples_data()
    {
        QTest::addColumn<QStringList>("values"); // style, variant, weight, size, line, family
        QTest::addColumn<QList<int>>("flags");
        QTest::addColumn<QString>("composed");
        const QList<int> all{1, 1, 1, 1, 1, 1};
        QTest::newRow("everything")
            << QStringList{u"italic"_s, u""_s, u"bold"_s, u"12pt"_s, u"1.5"_s, u"Arial"_s} << all
            << u"italic bold 12pt/1.5 Arial"_s;
        QTest::newRow("line-height excluded")
            << QStringList{u""_s, u""_s, u"BOLD"_s, u"12pt"_s, u"1.5"_s, u"Arial"_s}
            << QList<int>{1, 1, 1, 1, 0, 1} << u"bold 12pt Arial"_s;
        QTest::newRow("all empty")
            << QStringList{u""_s, u""_s, u""_s, u""_s, u""_s, u""_s} << all << u"medium serif"_s;
        QTest::newRow("size and family flags ignored")
            << QStringList{u"normal"_s, u"normal"_s, u"normal"_s,
                           u"12pt"_s,   u"normal"_s, u"Arial"_s}
            << QList<int>{0, 0, 0, 0, 1, 0} << u"12pt/normal Arial"_s;
        QTest::newRow("family keeps case and spaces")
            << QStringList{u""_s, u""_s, u""_s, u" 10PX "_s, u""_s, u"  Times New Roman "_s} << all
            << u"10px Times New Roman"_s;
        QTest::newRow("spaces-only size and family fall back")
            << QStringList{u"Italic"_s, u""_s, u""_s, u"   "_s, u"  "_s, u"   "_s} << all
            << u"italic medium serif"_s;
    }
    void fontExamples()
    {
        QFETCH(QStringList, values);
        QFETCH(QList<int>, flags);
        QFETCH(QString, composed);
        const QList<qint16> parts{FontStyle, FontVariant, FontWeight,
                                  FontSize,  LineHeight,  FontFamily};
        Catalogue c = loaded();
        for (int p = 0; p < 6; ++p) {
            c.setHodnota(parts[p], values[p]);
            c.setZapsat(parts[p], qint16(flags[p]));
        }
        SlozeniHodnot(c, Font);
        QCOMPARE(c.vlastnost(Font).Hodnota, composed);
    }

    void composingTwiceGivesTheSame()
    {
        Catalogue c = loaded();
        c.setHodnota(79, u"1px"_s);
        SlozeniHodnot(c, 75);
        const QString first = c.vlastnost(75).Hodnota;
        SlozeniHodnot(c, 75);
        QCOMPARE(c.vlastnost(75).Hodnota, first);
        QCOMPARE(first, u"1px 0 0 0"_s);
    }

    void otherIndicesChangeNothing_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("33 Color") << 33;
        QTest::newRow("2 partial") << 2;
        QTest::newRow("0") << 0;
        QTest::newRow("103") << 103;
        QTest::newRow("-1") << -1;
    }
    void otherIndicesChangeNothing()
    {
        QFETCH(int, index);
        Catalogue c = loaded();
        c.setHodnota(33, u"Some Colour"_s);
        const Catalogue before = c;
        SlozeniHodnot(c, qint16(index));
        for (int i = 1; i <= Catalogue::Count; ++i)
            QCOMPARE(c.vlastnost(i).Hodnota, before.vlastnost(i).Hodnota);
    }

    void tableCoversTheFourteenShorthands()
    {
        QList<int> shorthands;
        for (const Composition &comp : compositionTable())
            shorthands << comp.shorthand;
        QCOMPARE(shorthands, (QList<int>{1, 7, 8, 13, 14, 18, 23, 24, 28, 42, 54, 58, 70, 75}));
    }
};

QTEST_GUILESS_MAIN(TestComposer)
#include "tst_composer.moc"
