// How long checking a value against its property's grammar takes: values a user types, by
// CSS 2.1's grammar and by today's, a first check that compiles a grammar or reads today's
// CSS, and pastes made to be slow. Run with ./scripts/bench.sh; a typical value should
// take at most 20 µs.
#include "CompiledGrammar.h"
#include "Property.h"
#include "TodayCss.h"
#include "ValueGrammar.h"

#include <QTest>

using namespace Qt::StringLiterals;

class BenchGrammar : public QObject {
    Q_OBJECT

private:
    static void values(bool large)
    {
        QTest::addColumn<int>("property"); // declarationKey()
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("kind");
        const auto row = [](const char *name,
                            QStringView property,
                            const QString &value,
                            ValueVerdict::Kind kind) {
            QTest::newRow(name) << declarationKey(property) << value << int(kind);
        };
        constexpr auto valid = ValueVerdict::Kind::Valid;
        constexpr auto invalid = ValueVerdict::Kind::Invalid;
        constexpr auto later = ValueVerdict::Kind::Later;
        if (!large) {
            row("color: red", u"color", u"red"_s, valid);
            row("margin: 0 auto", u"margin", u"0 auto"_s, valid);
            row("border: solid 1px red", u"border", u"solid 1px red"_s, valid);
            row("font: whole",
                u"font",
                u"italic bold 12px/1.5 \"Times New Roman\", serif"_s,
                valid);
            row("background: all parts",
                u"background",
                u"url(\"a.png\") no-repeat fixed left 10px #fff"_s,
                valid);
            row("text-shadow: two", u"text-shadow", u"1px 1px 2px red, 0 0 3px blue"_s, valid);
            row("margin-left: 10", u"margin-left", u"10"_s, invalid);
            row("font: no family", u"font", u"bold 12px"_s, invalid);
            row("display: flex", u"display", u"flex"_s, later);
            row("font-weight: 450", u"font-weight", u"450"_s, later);
            row("width: clamp()", u"width", u"clamp(10rem, 50%, 40rem)"_s, later);
            row("gap: 1rem", u"gap", u"1rem"_s, later);
            row("grid-template-columns: repeat()",
                u"grid-template-columns",
                u"[a] repeat(3, minmax(0, 1fr)) [b]"_s,
                later);
            row("transition: two", u"transition", u"opacity 1s ease, transform 2s"_s, later);
            row("border-radius: 4 px", u"border-radius", u"4 px"_s, invalid);
            return;
        }
        const qsizetype mb = 1 << 20;
        row("1 MB data address",
            u"background-image",
            u"url(data:image/png;base64,"_s + QString(mb, u'A') + u')',
            valid);
        row("1 MB family names", u"font-family", u"a "_s.repeated(mb / 2) + u", serif"_s, valid);
        row("1 MB font families", u"font", u"12px "_s + u"a, "_s.repeated(mb / 3) + u'b', valid);
        row("1 MB strings", u"content", u"'a'"_s.repeated(mb / 3), valid);
        row("1 MB commas", u"font-family", u","_s.repeated(mb), invalid);
        row("1 MB open brackets", u"width", u"calc("_s.repeated(mb / 5), invalid);
        row("1 MB shadows", u"text-shadow", u"0 0 red, "_s.repeated(mb / 9) + u'0', invalid);
    }

    static void check()
    {
        QFETCH(int, property);
        QFETCH(QString, value);
        QFETCH(int, kind);
        ValueVerdict verdict;
        QBENCHMARK
        {
            verdict = checkDeclaration(property, value);
        }
        QCOMPARE(int(verdict.kind), kind);
    }

private Q_SLOTS:
    // The first check of a property compiles its grammar; Font's is the largest.
    void compileFont()
    {
        QBENCHMARK_ONCE
        {
            QVERIFY(checkValue(Property::indexOf(u"font"), u"12px serif").kind ==
                    ValueVerdict::Kind::Valid);
        }
    }

    // The first check by today's CSS reads its data.
    void readToday()
    {
        QBENCHMARK_ONCE
        {
            QVERIFY(TodayCss::instance().count() > 0);
        }
    }

    void typical_data() { values(false); }
    void typical() { check(); }

    void large_data() { values(true); }
    void large() { check(); }
};

QTEST_GUILESS_MAIN(BenchGrammar)
#include "bench_grammar.moc"
