// The colours a value holds, and a chosen colour written the way the one it replaces was.
#include "ColourInValue.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestColour : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rewritten_data()
    {
        QTest::addColumn<QString>("value"); // "|" is the cursor
        QTest::addColumn<QString>("found"); // the colour at the cursor, as QColor names it
        QTest::addColumn<QColor>("chosen");
        QTest::addColumn<QString>("written"); // the value with `chosen` in its place
        // The colour chosen: #3366cc, half transparent where "half".
        const auto row = [](const char *tag,
                            const char16_t *value,
                            const char *found,
                            const char16_t *written,
                            bool half = false) {
            QTest::addRow("%s", tag)
                << QString::fromUtf16(value) << QString::fromLatin1(found)
                << QColor(0x33, 0x66, 0xcc, half ? 0x80 : 0xff) << QString::fromUtf16(written);
        };
        row("name to #rrggbb", u"1px solid Red|", "#ffff0000", u"1px solid #3366cc");
        row("hex in upper case", u"#ABC 1px|", "#ffaabbcc", u"#3366CC 1px");
        row("hex with alpha", u"#11223344|", "#44112233", u"#3366cc80", true);
        row("rgb() with commas", u"RGB(10, 20, 30)", "#ff0a141e", u"RGB(51, 102, 204)");
        row("rgb() / alpha", u"rgb(10 20 30 / 50%)", "#800a141e", u"rgb(51 102 204 / 50%)", true);
        row("rgba() in %", u"rgba(0%, 50%, 100%, 1)", "#ff0080ff", u"rgba(20%, 40%, 80%, 1)");
        row("hsl()", u"hsl(120deg, 100%, 25%)", "#ff008000", u"hsl(220, 60%, 50%)");
        row("hsl() in turns", u"hsl(0.5turn 100% 50%)", "#ff00ffff", u"hsl(220 60% 50%)");
        row("the one at the cursor", u"red |blue", "#ff0000ff", u"red #3366cc");
        row("else the first", u"red 1px| blue", "#ffff0000", u"#3366cc 1px blue");
        row("none in url() or another function", u"url(red.png) counter(x, blue)|", "", u"");
        row("a name that is no colour", u"solid|", "", u"");
        row("none in a colour function",
            u"|rgb(calc(1) red) blue",
            "#ff0000ff",
            u"rgb(calc(1) red) #3366cc");
        row("none in brackets", u"|[red] blue", "#ff0000ff", u"[red] #3366cc");
        row("too few parts", u"rgb(1, 2)|", "", u"");
        row("commas and spaces mixed", u"rgb(1, 2 3)|", "", u"");
        row("numbers and percentages mixed", u"rgb(1, 2%, 3)|", "", u"");
        row("hex of five digits", u"#12345|", "", u"");
    }
    void rewritten()
    {
        QFETCH(QString, value);
        QFETCH(QString, found);
        QFETCH(QColor, chosen);
        QFETCH(QString, written);
        const qsizetype cursor = value.indexOf(u'|');
        value.remove(u'|');
        const ColourInValue colour = ColourInValue::at(ColourInValue::all(value), cursor);
        QCOMPARE(colour.isFound() ? colour.colour.name(QColor::HexArgb) : QString(), found);
        if (colour.isFound()) {
            QCOMPARE(value.left(colour.begin) + colour.written(chosen) + value.mid(colour.end),
                     written);
        }
    }
};

QTEST_GUILESS_MAIN(TestColour)
#include "tst_colour.moc"
