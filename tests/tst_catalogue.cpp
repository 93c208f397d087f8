#include "Catalogue.h"

#include <QTest>

#include <stdexcept>

using namespace Qt::StringLiterals;

class TestCatalogue : public QObject {
    Q_OBJECT

private:
    static Catalogue loaded()
    {
        Catalogue c;
        c.load();
        return c;
    }

    static int indexOf(const Catalogue &c, const QString &name)
    {
        for (int i = 1; i <= Catalogue::Count; ++i)
            if (c.vlastnost(i).Nazev == name)
                return i;
        return 0;
    }

private Q_SLOTS:
    void startsEmptyUntilLoaded()
    {
        const Catalogue c;
        for (int i = 1; i <= Catalogue::Count; ++i) {
            QCOMPARE(c.zapsat(i), qint16(0));
            QVERIFY(c.vlastnost(i).Nazev.isEmpty());
            QVERIFY(c.vlastnost(i).Hodnota.isEmpty());
        }
    }

    void loadIncludesEverythingAtDefaults()
    {
        const Catalogue c = loaded();
        for (int i = 1; i <= Catalogue::Count; ++i) {
            QCOMPARE(c.zapsat(i), qint16(1));
            QCOMPARE(c.vlastnost(i).Hodnota, c.vlastnost(i).Vychozi);
            QVERIFY2(!c.vlastnost(i).Nazev.isEmpty(), qPrintable(QString::number(i)));
        }
    }

    void accessOutsideTheCatalogueThrows_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("zero") << 0;
        QTest::newRow("one past the end") << 103;
        QTest::newRow("negative") << -1;
        QTest::newRow("16-bit max") << 32767;
    }
    void accessOutsideTheCatalogueThrows()
    {
        QFETCH(int, index);
        Catalogue c = loaded();
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, (void)c.vlastnost(index));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, (void)c.zapsat(index));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, c.setZapsat(index, 1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, c.setHodnota(index, u"x"_s));
    }

    // Sorted case-insensitively with the hyphen before every letter: a check of the
    // whole table's order that does not depend on how the table is written down.
    void namesAreInCatalogueOrder()
    {
        const Catalogue c = loaded();
        const auto key = [](const QString &name) {
            QString k = name.toLower();
            k.replace(u'-', u' '); // space sorts before letters and digits
            return k;
        };
        for (int i = 2; i <= Catalogue::Count; ++i)
            QVERIFY2(key(c.vlastnost(i - 1).Nazev) < key(c.vlastnost(i).Nazev),
                     qPrintable(c.vlastnost(i).Nazev));
    }

    void namesStartUpperThenLowerCase()
    {
        const Catalogue c = loaded();
        for (int i = 1; i <= Catalogue::Count; ++i) {
            const QString &name = c.vlastnost(i).Nazev;
            QVERIFY2(name.at(0).isUpper(), qPrintable(name));
            QCOMPARE(name.mid(1), name.mid(1).toLower());
            QVERIFY(!name.contains(u' '));
        }
    }

    void emptyDefaults()
    {
        const Catalogue c = loaded();
        const QStringList expected = {u"Background"_s,
                                      u"Border"_s,
                                      u"Border-bottom"_s,
                                      u"Border-color"_s,
                                      u"Border-left"_s,
                                      u"Border-right"_s,
                                      u"Border-style"_s,
                                      u"Border-top"_s,
                                      u"Border-width"_s,
                                      u"Font"_s,
                                      u"List-style"_s,
                                      u"Margin"_s,
                                      u"Outline"_s,
                                      u"Padding"_s,
                                      u"Border-bottom-color"_s,
                                      u"Border-left-color"_s,
                                      u"Border-right-color"_s,
                                      u"Border-top-color"_s,
                                      u"Color"_s,
                                      u"Font-family"_s,
                                      u"List-style-image"_s,
                                      u"Min-width"_s,
                                      u"Quotes"_s,
                                      u"Text-align"_s};
        QStringList actual;
        for (int i = 1; i <= Catalogue::Count; ++i)
            if (c.vlastnost(i).Vychozi.isEmpty())
                actual << c.vlastnost(i).Nazev;
        QCOMPARE(actual.size(), 24);
        for (const QString &name : expected)
            QVERIFY2(actual.contains(name), qPrintable(name));
    }

    void emptyDescriptions()
    {
        const Catalogue c = loaded();
        QStringList actual;
        for (int i = 1; i <= Catalogue::Count; ++i)
            if (c.vlastnost(i).Popis.isEmpty())
                actual << c.vlastnost(i).Nazev;
        QCOMPARE(actual, (QStringList{u"Marks"_s, u"Orphans"_s, u"Page"_s, u"Page-break-after"_s,
                                      u"Page-break-before"_s, u"Page-break-inside"_s, u"Size"_s,
                                      u"Unicode-bidi"_s, u"Widows"_s}));
    }

    // Rows whose texts are easy to get wrong: diacritics, odd defaults, the one
    // "sdružení", the shared description of 44 and 93.
    void selectedRecords_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("vychozi");
        QTest::addColumn<QString>("popis");
        QTest::newRow("1 Background") << 1 << u"Background"_s << QString()
                                      << u"sdružená vlastnost určující vlastnosti pozadí prvku"_s;
        QTest::newRow("5 Background-position") << 5 << u"Background-position"_s << u"0% 0%"_s
                                               << u"určuje pozici obrázku na pozadí prvku"_s;
        QTest::newRow("7 Border, sdružení")
            << 7 << u"Border"_s << QString()
            << u"sdružení vlastnost určující orámování prvku (nahoře-vpravo-dole-vlevo)"_s;
        QTest::newRow("22 Border-spacing")
            << 22 << u"Border-spacing"_s << u"0"_s
            << u"určuje vzdálenost mezi orámováním sousedících buňek"_s;
        QTest::newRow("34 Content, two words")
            << 34 << u"Content"_s << u"empty string"_s
            << u"generuje prvky ve spojení s pseudoprvky :before a :after"_s;
        QTest::newRow("44 Font-size")
            << 44 << u"Font-size"_s << u"medium"_s << u"určuje velikost písma"_s;
        QTest::newRow("53 Line-height")
            << 53 << u"Line-height"_s << u"normal"_s << u"určuje vzdálenost mezi řádky (rozpal)"_s;
        QTest::newRow("64 Marks") << 64 << u"Marks"_s << u"none"_s << QString();
        QTest::newRow("69 Orphans") << 69 << u"Orphans"_s << u"2"_s << QString();
        QTest::newRow("71 Outline-color")
            << 71 << u"Outline-color"_s << u"invert"_s << u"určuje barvu ohraničení prvku"_s;
        QTest::newRow("75 Padding")
            << 75 << u"Padding"_s << QString()
            << u"sdružená vlastnost určující výplň prvku (nahoře-vpravo-dole-vlevo)"_s;
        QTest::newRow("76 Padding-bottom")
            << 76 << u"Padding-bottom"_s << u"0"_s << u"určuje výplň prvku dole"_s;
        QTest::newRow("93 Text-transform, same text as 44")
            << 93 << u"Text-transform"_s << u"none"_s << u"určuje velikost písma"_s;
        QTest::newRow("96 Vertical-align") << 96 << u"Vertical-align"_s << u"baseline"_s
                                           << u"určuje svislé zarovnání obsahu prvku"_s;
        QTest::newRow("98 White-space") << 98 << u"White-space"_s << u"normal"_s
                                        << u"určuje zacházení s mezerovými znaky v textu"_s;
        QTest::newRow("102 Z-index")
            << 102 << u"Z-index"_s << u"auto"_s << u"určuje pořadí prvku na ose z"_s;
    }
    void selectedRecords()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(QString, vychozi);
        QFETCH(QString, popis);
        const Catalogue c = loaded();
        QCOMPARE(c.vlastnost(index).Nazev, name);
        QCOMPARE(c.vlastnost(index).Vychozi, vychozi);
        QCOMPARE(c.vlastnost(index).Popis, popis);
    }

    void shorthandDescriptionsSayCombined()
    {
        const Catalogue c = loaded();
        int combined = 0;
        for (int i = 1; i <= Catalogue::Count; ++i) {
            const QString &popis = c.vlastnost(i).Popis;
            if (popis.startsWith(u"sdružená "_s) || popis.startsWith(u"sdružení "_s)) {
                ++combined;
                QVERIFY(c.vlastnost(i).Vychozi.isEmpty());
            }
        }
        QCOMPARE(combined, 14);
    }

    void resetRestoresValuesAndKeepsFlags()
    {
        Catalogue c = loaded();
        c.setHodnota(3, u"Yellow"_s);
        c.setHodnota(42, u"italic 12pt Arial"_s);
        c.setHodnota(102, QString());
        c.setZapsat(33, 0);
        c.setZapsat(7, 0);
        c.resetValues();
        for (int i = 1; i <= Catalogue::Count; ++i) {
            QCOMPARE(c.vlastnost(i).Hodnota, c.vlastnost(i).Vychozi);
            QCOMPARE(c.zapsat(i), qint16(i == 33 || i == 7 ? 0 : 1));
        }
    }

    void valuesAreStoredUnchanged()
    {
        Catalogue c = loaded();
        const QString odd = u"  Nějaký\tTEXT\r\n😀 \u0130 "_s;
        c.setHodnota(33, odd);
        QCOMPARE(c.vlastnost(33).Hodnota, odd);
    }

    void css1ClearsExactlyTheListedFlags()
    {
        Catalogue c = loaded();
        c.selectCssLevel(1);
        const QStringList cleared = {u"Border-bottom-color"_s,
                                     u"Border-bottom-style"_s,
                                     u"Border-collapse"_s,
                                     u"Border-left-color"_s,
                                     u"Border-left-style"_s,
                                     u"Border-right-color"_s,
                                     u"Border-right-style"_s,
                                     u"Border-spacing"_s,
                                     u"Border-top-color"_s,
                                     u"Border-top-style"_s,
                                     u"Bottom"_s,
                                     u"Caption-side"_s,
                                     u"Clip"_s,
                                     u"Content"_s,
                                     u"Counter-increment"_s,
                                     u"Counter-reset"_s,
                                     u"Cursor"_s,
                                     u"Direction"_s,
                                     u"Empty-cells"_s,
                                     u"Font-size-adjust"_s,
                                     u"Font-stretch"_s,
                                     u"Left"_s,
                                     u"Marker-offset"_s,
                                     u"Marks"_s,
                                     u"Max-height"_s,
                                     u"Max-width"_s,
                                     u"Min-height"_s,
                                     u"Min-width"_s,
                                     u"Orphans"_s,
                                     u"Outline"_s,
                                     u"Outline-color"_s,
                                     u"Outline-style"_s,
                                     u"Outline-width"_s,
                                     u"Overflow"_s,
                                     u"Page"_s,
                                     u"Page-break-after"_s,
                                     u"Page-break-before"_s,
                                     u"Page-break-inside"_s,
                                     u"Position"_s,
                                     u"Quotes"_s,
                                     u"Right"_s,
                                     u"Size"_s,
                                     u"Table-layout"_s,
                                     u"Top"_s,
                                     u"Unicode-bidi"_s,
                                     u"Visibility"_s,
                                     u"Widows"_s,
                                     u"Z-index"_s};
        QCOMPARE(cleared.size(), 48);
        for (int i = 1; i <= Catalogue::Count; ++i) {
            const QString &name = c.vlastnost(i).Nazev;
            QCOMPARE(c.zapsat(i), qint16(cleared.contains(name) ? 0 : 1));
        }
        QCOMPARE(c.zapsat(indexOf(c, u"Text-shadow"_s)), qint16(1));
    }

    void css1NeverTicks()
    {
        Catalogue c = loaded();
        c.setZapsat(33, 0); // Color, which CSS 1 defines
        c.selectCssLevel(1);
        QCOMPARE(c.zapsat(33), qint16(0));
        Catalogue twice = loaded();
        twice.setZapsat(33, 0);
        twice.selectCssLevel(1);
        twice.selectCssLevel(1);
        for (int i = 1; i <= Catalogue::Count; ++i)
            QCOMPARE(twice.zapsat(i), c.zapsat(i));
    }

    void otherLevelsIncludeAll_data()
    {
        QTest::addColumn<int>("level");
        QTest::newRow("CSS 2") << 2;
        QTest::newRow("any index but 1") << 0;
    }
    void otherLevelsIncludeAll()
    {
        QFETCH(int, level);
        Catalogue c = loaded();
        c.selectCssLevel(1);
        c.setZapsat(33, 0);
        c.setZapsat(92, 5);
        c.selectCssLevel(level);
        for (int i = 1; i <= Catalogue::Count; ++i)
            QCOMPARE(c.zapsat(i), qint16(1));
    }

    void levelButtonsLeaveValuesAlone()
    {
        Catalogue c = loaded();
        c.setHodnota(33, u"red"_s);
        c.selectCssLevel(1);
        c.selectCssLevel(2);
        QCOMPARE(c.vlastnost(33).Hodnota, u"red"_s);
        QCOMPARE(c.vlastnost(1).Hodnota, QString());
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
