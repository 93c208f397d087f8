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
        const QColor blue(0x33, 0x66, 0xcc);
        const QColor halfBlue(0x33, 0x66, 0xcc, 0x80);
        const auto row = [](const char *tag,
                            const QString &value,
                            const char *found,
                            const QColor &chosen,
                            const QString &written) {
            QTest::addRow("%s", tag) << value << QString::fromLatin1(found) << chosen << written;
        };
        row("a name becomes #rrggbb",
            u"1px solid Red|"_s,
            "#ffff0000",
            blue,
            u"1px solid #3366cc"_s);
        row("hex in upper case", u"#ABC|"_s, "#ffaabbcc", blue, u"#3366CC"_s);
        row("hex with alpha", u"#11223344|"_s, "#44112233", halfBlue, u"#3366cc80"_s);
        row("rgb() with commas", u"RGB(10, 20, 30)"_s, "#ff0a141e", blue, u"RGB(51, 102, 204)"_s);
        row("rgb() with spaces and alpha",
            u"rgb(10 20 30 / 50%)"_s,
            "#800a141e",
            halfBlue,
            u"rgb(51 102 204 / 0.5)"_s);
        row("rgba() in percentages",
            u"rgba(0%, 50%, 100%, 1)"_s,
            "#ff0080ff",
            blue,
            u"rgba(20%, 40%, 80%, 1)"_s);
        row("hsl()", u"hsl(120deg, 100%, 25%)"_s, "#ff008000", blue, u"hsl(220, 60%, 50%)"_s);
        row("hsl() in turns", u"hsl(0.5turn 100% 50%)"_s, "#ff00ffff", blue, u"hsl(220 60% 50%)"_s);
        row("the colour at the cursor", u"red |blue"_s, "#ff0000ff", blue, u"red #3366cc"_s);
        row("the first, the cursor elsewhere",
            u"red 1px| blue"_s,
            "#ffff0000",
            blue,
            u"#3366cc 1px blue"_s);
        row("none in url() or another function",
            u"url(red.png) counter(x, blue)|"_s,
            "",
            blue,
            QString());
        row("a name that is no colour", u"solid|"_s, "", blue, QString());
        row("too few parts", u"rgb(1, 2)|"_s, "", blue, QString());
        row("commas and spaces mixed", u"rgb(1, 2 3)|"_s, "", blue, QString());
        row("rgb() mixing numbers and percentages", u"rgb(1, 2%, 3)|"_s, "", blue, QString());
        row("hex of five digits", u"#12345|"_s, "", blue, QString());
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
