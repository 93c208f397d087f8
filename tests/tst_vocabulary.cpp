#include "Catalogue.h"
#include "Composer.h"
#include "ValueList.h"
#include "Vocabulary.h"

#include <QTest>

#include <array>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

// A value box that logs what was done to it.
class FakeList : public ValueList {
public:
    QStringList items{u"old item"_s};
    int clears = 0;
    void clearItems() override
    {
        items.clear();
        ++clears;
    }
    void appendItem(const QString &item) override { items << item; }
};

class FakePage : public RowPage {
public:
    int first = 1;
    std::array<FakeList, 10> boxes;
    int firstVisible() const override { return first; }
    ValueList &valueList(int row) override { return boxes.at(std::size_t(row - 1)); }
};

// How many items each property offers, counted from the catalogue's point of view.
constexpr std::array<int, 102> itemCounts = {
    3, 3, 18, 2, 10, 5, 3,  3, 17, 11, 4,  3, 20, 3, 17, 11, 4, 3,  17, 11, 4, 1, 13, 3, 17, 11,
    4, 6, 2,  5, 5,  2, 17, 6, 2,  2,  17, 3, 18, 3, 4,  9,  6, 10, 2,  12, 4, 3, 14, 2, 2,  2,
    2, 3, 2,  3, 22, 4, 2,  2, 2,  2,  1,  2, 2,  2, 1,  1,  1, 3,  18, 10, 4, 5, 3,  1, 1,  1,
    1, 1, 6,  6, 3,  5, 2,  2, 4,  3,  5,  6, 1,  2, 5,  2,  4, 9,  4,  4,  1, 2, 2,  2};

const QString composeItem = u"složit z dílčích hodnot"_s;

} // namespace

class TestVocabulary : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void entrySizes()
    {
        int total = 0;
        for (int i = 1; i <= 102; ++i) {
            QCOMPARE(vocabulary(i).size(), itemCounts[std::size_t(i - 1)]);
            total += int(vocabulary(i).size());
        }
        QCOMPARE(total, 561);
    }

    void outsideTheTableThrows()
    {
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, (void)vocabulary(0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, (void)vocabulary(103));
    }

    void namedLists()
    {
        QCOMPARE(barvy(),
                 (QStringList{u"aqua"_s, u"black"_s, u"blue"_s, u"fuchsia"_s, u"gray"_s, u"green"_s,
                              u"lime"_s, u"maroon"_s, u"navy"_s, u"olive"_s, u"purple"_s, u"red"_s,
                              u"silver"_s, u"teal"_s, u"white"_s, u"yellow"_s}));
        QStringList sorted = barvy();
        sorted.sort();
        QCOMPARE(sorted, barvy());
        QCOMPARE(stylyOramovani(),
                 (QStringList{u"none"_s, u"hidden"_s, u"dotted"_s, u"dashed"_s, u"solid"_s,
                              u"double"_s, u"groove"_s, u"ridge"_s, u"inset"_s, u"outset"_s}));
        QCOMPARE(sirkyOramovani(), (QStringList{u"thin"_s, u"medium"_s, u"thick"_s}));
        QCOMPARE(nabidkaSlozeni(), (QStringList{QString(), composeItem}));
    }

    void noEntryRepeatsAnItem()
    {
        for (int i = 1; i <= 102; ++i) {
            const QStringList &items = vocabulary(i);
            QCOMPARE(QSet<QString>(items.begin(), items.end()).size(), items.size());
        }
    }

    // The compose offer closes exactly the fourteen shorthand entries, after "inherit".
    void shorthandsEndWithTheComposeOffer()
    {
        QList<int> offering;
        int endingInInherit = 0;
        int withInherit = 0;
        for (int i = 1; i <= 102; ++i) {
            const QStringList &items = vocabulary(i);
            if (items.contains(u"inherit"_s))
                ++withInherit;
            if (items.last() == u"inherit"_s)
                ++endingInInherit;
            if (items.contains(composeItem)) {
                offering << i;
                QCOMPARE(items.mid(items.size() - 3),
                         (QStringList{u"inherit"_s, QString(), composeItem}));
            } else {
                QVERIFY(!items.contains(QString()));
            }
        }
        QList<int> shorthands;
        for (const Composition &c : compositionTable())
            shorthands << c.shorthand;
        QCOMPARE(offering, shorthands);
        QCOMPARE(withInherit, 100);
        QCOMPARE(endingInInherit, 86);
    }

    void itemsAreLowerCaseKeywords()
    {
        for (int i = 1; i <= 102; ++i)
            for (const QString &item : vocabulary(i))
                if (item != composeItem)
                    QCOMPARE(item, item.toLower().trimmed());
    }

    void entries_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("1 Background") << 1 << QStringList{u"inherit"_s, QString(), composeItem};
        QTest::newRow("31 Clear keeps table order")
            << 31 << QStringList{u"left"_s, u"right"_s, u"both"_s, u"none"_s, u"inherit"_s};
        QTest::newRow("83 Page-break-inside, avoid first")
            << 83 << QStringList{u"avoid"_s, u"auto"_s, u"inherit"_s};
        QTest::newRow("63 Marker-offset") << 63 << QStringList{u"auto"_s};
        QTest::newRow("80 Page") << 80 << QStringList{u"auto"_s};
        QTest::newRow("102 Z-index") << 102 << QStringList{u"auto"_s, u"inherit"_s};
        QTest::newRow("72 Outline-style, no hidden")
            << 72 << QStringList{u"none"_s,   u"dotted"_s, u"dashed"_s, u"solid"_s,  u"double"_s,
                                 u"groove"_s, u"ridge"_s,  u"inset"_s,  u"outset"_s, u"inherit"_s};
        QTest::newRow("5 Background-position")
            << 5 << QStringList{u"top left"_s,    u"top center"_s,    u"top right"_s,
                                u"center left"_s, u"center"_s,        u"center right"_s,
                                u"bottom left"_s, u"bottom center"_s, u"bottom right"_s,
                                u"inherit"_s};
        QTest::newRow("34 Content")
            << 34 << QStringList{u"attr(x)"_s,       u"open-quote"_s,     u"close-quote"_s,
                                 u"no-open-quote"_s, u"no-close-quote"_s, u"inherit"_s};
        QTest::newRow("42 Font") << 42 << QStringList{u"caption"_s,       u"icon"_s,
                                                      u"menu"_s,          u"message-box"_s,
                                                      u"small-caption"_s, u"status-bar"_s,
                                                      u"inherit"_s,       QString(),
                                                      composeItem};
        QTest::newRow("58 Margin")
            << 58 << QStringList{u"auto"_s, u"inherit"_s, QString(), composeItem};
        QTest::newRow("49 Font-weight")
            << 49 << QStringList{u"normal"_s, u"bold"_s, u"bolder"_s, u"lighter"_s, u"100"_s,
                                 u"200"_s,    u"300"_s,  u"400"_s,    u"500"_s,     u"600"_s,
                                 u"700"_s,    u"800"_s,  u"900"_s,    u"inherit"_s};
    }
    void entries()
    {
        QFETCH(int, index);
        QFETCH(QStringList, items);
        QCOMPARE(vocabulary(index), items);
    }

    void colourEntries()
    {
        const QStringList withInherit = barvy() + QStringList{u"inherit"_s};
        for (const int i : {9, 15, 19, 25, 33})
            QCOMPARE(vocabulary(i), withInherit);
        QCOMPARE(vocabulary(3), QStringList{u"transparent"_s} + withInherit);
        QCOMPARE(vocabulary(71), QStringList{u"invert"_s} + withInherit);
        const QStringList borderColor =
            QStringList{u"transparent"_s} + withInherit + QStringList{QString(), composeItem};
        QCOMPARE(vocabulary(13), borderColor);
    }

    void inheritAlone()
    {
        Catalogue c;
        c.load();
        QStringList names;
        for (int i = 1; i <= 102; ++i)
            if (vocabulary(i) == QStringList{u"inherit"_s})
                names << c.vlastnost(i).Nazev;
        QCOMPARE(names,
                 (QStringList{u"Border-spacing"_s, u"Min-height"_s, u"Min-width"_s, u"Orphans"_s,
                              u"Padding-bottom"_s, u"Padding-left"_s, u"Padding-right"_s,
                              u"Padding-top"_s, u"Text-indent"_s, u"Widows"_s}));
    }

    void listStyleTypeIsTheLongest()
    {
        const QStringList &items = vocabulary(57);
        QCOMPARE(items.size(), 22);
        QCOMPARE(items.at(16), u"hiragana"_s);
        QCOMPARE(items.at(18), u"hiragana-iroha"_s);
    }

    void fillFirstRow()
    {
        FakePage page;
        NaplnVyber(page, 0);
        QCOMPARE(page.boxes[0].items, (QStringList{u"inherit"_s, QString(), composeItem}));
        QCOMPARE(page.boxes[0].clears, 1);
        QCOMPARE(page.boxes[1].items, QStringList{u"old item"_s});
    }

    void fillLastRowOfTheLastPage()
    {
        FakePage page;
        page.first = 93;
        NaplnVyber(page, 9);
        QCOMPARE(page.boxes[9].items, (QStringList{u"auto"_s, u"inherit"_s}));
    }

    void fillingTwiceDoesNotAccumulate()
    {
        FakePage page;
        page.first = 31;
        NaplnVyber(page, 0);
        NaplnVyber(page, 0);
        QCOMPARE(page.boxes[0].items, vocabulary(31));
        QCOMPARE(page.boxes[0].clears, 2);
    }

    void indexOutsideTheCatalogueLeavesTheBox_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("position");
        QTest::newRow("index 0") << 0 << 0;
        QTest::newRow("index 103") << 94 << 9;
        QTest::newRow("negative") << -5 << 3;
    }
    void indexOutsideTheCatalogueLeavesTheBox()
    {
        QFETCH(int, first);
        QFETCH(int, position);
        FakePage page;
        page.first = first;
        NaplnVyber(page, qint16(position));
        for (const FakeList &box : page.boxes) {
            QCOMPARE(box.items, QStringList{u"old item"_s});
            QCOMPARE(box.clears, 0);
        }
    }
};

QTEST_GUILESS_MAIN(TestVocabulary)
#include "tst_vocabulary.moc"
