// Value grammars: each construct of the notation, the verdicts and their reasons for
// property values, every value the catalogue offers, and values too large to be typed.
#include "GrammarMatcher.h"
#include "Property.h"
#include "ValueGrammar.h"
#include "ValueTokens.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// "valid", or the kind, where the fault is and, when `withReason`, why.
QString describe(const ValueVerdict &v, bool withReason)
{
    static const char *const kinds[] = {"valid", "dropped", "invalid"};
    QString text = QString::fromLatin1(kinds[int(v.kind)]);
    if (v.kind != ValueVerdict::Kind::Valid)
        text += u" %1+%2"_s.arg(v.at).arg(v.length);
    return withReason && !v.reason.isEmpty() ? text + u' ' + v.reason : text;
}

} // namespace

class TestGrammar : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void notation_data()
    {
        QTest::addColumn<QString>("grammar");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("matches");
        const auto row =
            [](const char *name, const char16_t *grammar, const char16_t *value, bool matches) {
                QTest::newRow(name)
                    << QString::fromUtf16(grammar) << QString::fromUtf16(value) << matches;
            };
        row("juxtaposition in order", u"a b", u"a b", true);
        row("juxtaposition not reversed", u"a b", u"b a", false);
        row("| either", u"a | b", u"b", true);
        row("| not both", u"a | b", u"a b", false);
        row("&& any order", u"a && b && c", u"c a b", true);
        row("&& needs all", u"a && b", u"a", false);
        row("|| one of them", u"a || b || c", u"b", true);
        row("|| any order", u"a || b || c", u"c a", true);
        row("|| each at most once", u"a || b", u"a a", false);
        row("[ ] groups", u"[ a b ]{2}", u"a b a b", true);
        row("? may be left out", u"a? b", u"b", true);
        row("? at most once", u"a? b", u"a a b", false);
        row("* none", u"a* b", u"b", true);
        row("* many", u"a* b", u"a a a b", true);
        row("+ needs one", u"a+", u"", false);
        row("{2} exactly", u"a{2}", u"a a a", false);
        row("{1,2} at most", u"a{1,2}", u"a a", true);
        row("{2,} at least", u"a{2,}", u"a a a a", true);
        row("# commas", u"a#", u"a , a,a", true);
        row("# no comma at the end", u"a#", u"a,", false);
        row("# no space for a comma", u"a#", u"a a", false);
        row("#{2,3}", u"a#{2,3}", u"a, a, a, a", false);
        row("function", u"f( a , <integer> )", u"F(a,2)", true);
        row("function arguments whole", u"f( a )", u"f(a a)", false);
        row("literal slash", u"<number> [ / <number> ]?", u"1/2", true);
        row("range inside", u"<number [1,3]>", u"3", true);
        row("range above", u"<number [1,3]>", u"3.5", false);
        row("range with a fraction", u"<number [1,3]>", u"2.5", true);
        row("range with an exponent", u"<number [1,3]>", u"20E-1", true);
        row("range with infinity", u"<length [0,∞]>", u"1e30px", true);
        row("? backtracks", u"a? a b", u"a b", true);
        row("* backtracks", u"a* a a", u"a a a", true);
        row("{1,3} backtracks", u"a{1,3} a", u"a a a", true);
        row("|| backtracks", u"[ a | a b ] || b", u"a b", true);
        row("|| with sequences", u"a || b c", u"b c a", true);
        row("property reference drops inherit", u"<'color'>", u"inherit", false);
        row("named type", u"<border-width>{2}", u"thin 2px", true);
    }

    void notation()
    {
        QFETCH(QString, grammar);
        QFETCH(QString, value);
        // Properties are referred to by their names in the table.
        const CompiledGrammar compiled(
            grammar,
            {},
            [](QStringView name) {
                const int index = Property::indexOf(name);
                return index == 0 ? QString() : Property::at(index).grammar;
            },
            u"a test"_s);
        const ValueTokens tokens(value);
        GrammarMatcher matcher(compiled, tokens, tokens.size());
        QFETCH(bool, matches);
        QCOMPARE(matcher.matches(compiled.root()), matches);
    }

    // A repetition repeated with nothing between takes the square of the tokens: the work
    // is capped. No property grammar comes near the cap (see the large values below).
    void workIsCapped()
    {
        const CompiledGrammar compiled(u"[ a+ ]+ b");
        for (const qsizetype count : {4, 20000}) {
            const QString value = u"a "_s.repeated(count) + u'b';
            const ValueTokens tokens(value);
            GrammarMatcher matcher(compiled, tokens, tokens.size());
            QCOMPARE(matcher.matches(compiled.root()), count == 4);
            QCOMPARE(matcher.exhausted(), count != 4);
        }
    }

    void verdicts_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("expected"); // see describe(); without a reason, any
        const auto row = [](const char *name,
                            const char16_t *property,
                            const char16_t *value,
                            const char16_t *expected = u"valid") {
            QTest::newRow(name) << QString::fromUtf16(property) << QString::fromUtf16(value)
                                << QString::fromUtf16(expected);
        };
        // Keywords and identifiers.
        row("keyword in any case", u"display", u"Table-CELL");
        row("keyword unknown", u"display", u"blok", u"invalid 0+4 neznámé klíčové slovo");
        row("keyword of another place",
            u"font-style",
            u"normal italic",
            u"invalid 7+6 přebývající hodnota");
        row("Kelvin sign is no k", u"direction", u"ltr\u212A", u"invalid 0+4");
        row("identifier and integers", u"counter-reset", u"chapter 1 section -2 part");
        row("identifier not inherit",
            u"counter-reset",
            u"a inherit",
            u"invalid 2+7 klíčové slovo inherit smí stát jen samo");
        row("escaped keyword", u"display", u"\\62 lock");
        // Numbers.
        row("length units", u"margin", u"1px 2EM 3rem 4Q");
        row("length zero without unit", u"width", u"0");
        row("length without unit", u"margin-left", u"10", u"invalid 0+2 chybí jednotka délky");
        row("length unit apart", u"width", u"10 px", u"invalid 0+2 chybí jednotka délky");
        row("length unknown unit", u"width", u"10pz", u"invalid 0+4 neplatná jednotka");
        row("length negative", u"width", u"-5px", u"invalid 0+4 záporná hodnota není dovolena");
        row("percentage negative", u"padding-top", u"-1%", u"invalid 0+3");
        row("negative margin", u"margin", u"-1px -2%");
        row("number", u"line-height", u"1.5");
        row("integer", u"z-index", u"-3");
        row("integer with a fraction", u"z-index", u"1.5", u"invalid 0+3 očekává se celé číslo");
        row("integer below range", u"orphans", u"0", u"invalid 0+1 hodnota musí být nejméně 1");
        row("listed number", u"font-weight", u"700");
        row("number not listed",
            u"font-weight",
            u"450",
            u"invalid 0+3 toto číslo zde není dovoleno");
        row("calc for a length", u"width", u"calc(100% - 2 * (1em + 1px))");
        row("calc for an integer", u"z-index", u"CALC(1 + 2)");
        row("calc unclosed", u"width", u"calc(1px", u"invalid 8+0 neuzavřená závorka");
        row("calc empty", u"width", u"calc()", u"invalid 5+1 funkci chybí argument");
        // Colours.
        row("colour hex", u"border-color", u"#abc #AABBCC #abcd #aabbccdd");
        row("colour hex bad", u"color", u"#ggg", u"invalid 0+4 neplatná barva");
        row("colour hex five", u"color", u"#abcde", u"invalid 0+6 neplatná barva");
        row("colour keywords", u"border-color", u"orange ButtonFace currentColor rebeccapurple");
        row("colour functions",
            u"border-color",
            u"rgb(1, 2, 300) rgb(10%,20%,30%) rgba(0 0 0 / 50%) hsl(120deg 50% 50%)");
        row("colour function mixed", u"color", u"rgb(10%, 20, 30)", u"invalid 9+2");
        row("colour function short", u"color", u"rgb(1,2)", u"invalid 7+1 funkci chybí argument");
        row("colour hue unit", u"color", u"hsl(10px, 50%, 50%)", u"invalid 4+4 neplatná jednotka");
        row("colour function twice",
            u"color",
            u"rgb(1,2,3) RGB(1,2,3)",
            u"invalid 11+4 funkce zde není dovolena");
        row("colour function unknown", u"color", u"rbg(1,2,3)", u"invalid 0+4 neznámá funkce");
        row("colour name unknown", u"color", u"reed", u"invalid 0+4 neznámá barva");
        row("colour or keyword unknown",
            u"background-color",
            u"reed",
            u"invalid 0+4 neznámé klíčové slovo ani barva");
        // Addresses, strings, counters, shapes.
        row("uri token", u"background-image", u"url( a.png )");
        row("uri string", u"list-style-image", u"URL( 'a b.png' )");
        row("uri of two strings",
            u"background-image",
            u"url(\"a\" \"b\")",
            u"invalid 8+3 přebývající hodnota");
        row("uri unclosed", u"background-image", u"url('a'", u"invalid 7+0 neuzavřená závorka");
        row("uri bad",
            u"background-image",
            u"url(a b)",
            u"invalid 0+8 chybně zapsaná adresa url()");
        row("strings", u"quotes", u"'«' \"»\" '\\'' \"\\\"\"");
        row("strings odd", u"quotes", u"'«' '»' '‹'", u"invalid 11+0 neočekávaný konec hodnoty");
        row("string unclosed", u"content", u"\"abc", u"invalid 0+4 neuzavřený řetězec");
        row("content list",
            u"content",
            u"open-quote counter(a) \"x\" counters(b, '.', upper-roman) "
            u"attr(title) url(i.png)");
        row("counter style unknown",
            u"content",
            u"counter(a, rounded)",
            u"invalid 11+7 neznámé klíčové slovo");
        row("shape with commas", u"clip", u"rect(1px, auto, 2px, 3px)");
        row("shape with spaces", u"clip", u"rect(1px auto 2px 3px)");
        row("shape short", u"clip", u"rect(1px, 2px)", u"invalid 13+1 funkci chybí argument");
        // Combinators in property grammars, backtracking among them.
        row("|| border", u"border", u"solid 1px red");
        row("|| border reversed", u"border", u"red solid");
        row("|| border twice", u"border", u"solid red blue", u"invalid 10+4 přebývající hodnota");
        row("|| border unknown",
            u"border",
            u"1px sollid",
            u"invalid 4+6 neznámé klíčové slovo ani barva");
        row("font whole", u"font", u"italic bold 12px/1.5 \"Times New Roman\", serif");
        row("font normal thrice", u"font", u"normal normal normal 1em/normal a b, sans-serif");
        row("font without family", u"font", u"12px", u"invalid 4+0 neočekávaný konec hodnoty");
        row("font without slash", u"font", u"12px 1.5 serif", u"invalid 5+3 chybí lomítko");
        row("font family trailing comma",
            u"font-family",
            u"Arial,",
            u"invalid 6+0 neočekávaný konec hodnoty");
        row("position keyword and length", u"background-position", u"left 10px");
        row("position keywords reversed", u"background-position", u"center left");
        row("position keyword pair", u"background-position", u"bottom right");
        row("position vertical first", u"background-position", u"top 10px", u"invalid 4+4");
        row("background all parts", u"background", u"url(a.png) no-repeat fixed 0 100% #fff");
        row("cursor list", u"cursor", u"url(a.cur), url(\"b.cur\"), progress");
        row("cursor without comma", u"cursor", u"url(a.cur) pointer", u"invalid 11+7 chybí čárka");
        row("margin four", u"margin", u"1px auto 3% 0");
        row("margin five", u"margin", u"0 0 0 0 0", u"invalid 8+1 přebývající hodnota");
        row("text-shadow list", u"text-shadow", u"1px 1px 2px red, blue 0 0 3px");
        row("text-shadow blur negative", u"text-shadow", u"1px 1px -2px", u"invalid 8+4");
        row("text-decoration each once",
            u"text-decoration",
            u"underline overline underline",
            u"invalid 19+9 přebývající hodnota");
        // The whole value.
        row("empty", u"color", u"");
        row("blank", u"color", u" \t\n ");
        row("comment only", u"color", u" /* x */ ", u"invalid 1+7 chybí hodnota");
        row("outer white space", u"margin-left", u"\t 10 \n", u"invalid 2+2 chybí jednotka délky");
        row("important", u"color", u"red !important");
        row("important any case, spaced", u"color", u"red ! /**/ ImPortant");
        row("important alone",
            u"color",
            u"!important",
            u"invalid 0+1 chybí hodnota před !important");
        row("important misspelt", u"color", u"red !importent", u"invalid 4+1 neočekávaný znak");
        row("inherit", u"width", u"inherit");
        row("initial, unset, revert", u"color", u"REVERT");
        row("inherit with more", u"width", u"inherit 2px", u"invalid 8+3 přebývající hodnota");
        row("var", u"margin", u"var(--gap) auto");
        row("var unclosed", u"color", u"var(--x", u"invalid 7+0 neuzavřená závorka");
        row("var then a semicolon", u"color", u"var(--x); x", u"invalid 8+1 neočekávaný znak");
        row("semicolon", u"color", u"red; margin: 0", u"invalid 3+1 neočekávaný znak");
        row("unclosed comment", u"color", u"red /* x", u"invalid 4+4 neuzavřený komentář");
        row("trailing backslash",
            u"color",
            u"red\\",
            u"invalid 3+1 zpětné lomítko, které nic neuvozuje");
        row("escaped space kept", u"font-family", u"a\\ ");
        QTest::newRow("NUL and lone surrogate")
            << u"font-family"_s << QString::fromUtf16(u"a\0b \xD800", 5) << u"valid"_s;
        // Values CSS 2.1 dropped and the catalogue's own mistake.
        row("dropped marker",
            u"display",
            u"marker",
            u"dropped 0+6 CSS 2.1 hodnotu vypustila; nahrazuje ji pseudoprvek ::marker");
        row("dropped in any case",
            u"caption-side",
            u" RIGHT ",
            u"dropped 1+5 CSS 2.1 hodnotu vypustila a nic ji nenahrazuje");
        row("dropped property",
            u"size",
            u"8.5in 11in !important",
            u"dropped 0+10 CSS 2.1 vlastnost vypustila; nahrazuje ji deskriptor size pravidla "
            u"@page (CSS Paged Media)");
        row("dropped property, global keyword", u"marks", u"inherit", u"dropped 0+7");
        row("dropped property, bad value", u"size", u"-1in", u"invalid 0+4");
        row("dropped property, any order", u"marks", u"cross crop", u"dropped 0+10");
        row("today's font-stretch", u"font-stretch", u"semi-condensed");
        row("empty string",
            u"content",
            u"empty string",
            u"invalid 0+12 prázdný řetězec se v CSS píše \"\"");
        row("empty string written", u"content", u"\"\"");
    }

    void verdicts()
    {
        QFETCH(QString, property);
        QFETCH(QString, value);
        QFETCH(QString, expected);
        const int index = Property::indexOf(property);
        QVERIFY(index > 0);
        const ValueVerdict verdict = checkValue(index, value);
        QCOMPARE(describe(verdict, expected.count(u' ') >= 2), expected);
        // The same value with more white space around it says the same, shifted. (A line
        // break, which no backslash escapes.)
        ValueVerdict padded = checkValue(index, u"  "_s + value + u"\n"_s);
        padded.at -= padded.at >= 0 ? 2 : 0;
        QCOMPARE(describe(padded, true), describe(verdict, true));
    }

    // Every value the value boxes offer and every default: all valid, but for the values
    // CSS 2.1 dropped and the catalogue's own "empty string".
    void offeredValuesAndDefaults()
    {
        const QStringList dropped{u"Caption-side: left"_s,
                                  u"Caption-side: right"_s,
                                  u"Display: compact"_s,
                                  u"Display: marker"_s,
                                  u"Display: run-in"_s,
                                  u"Font-stretch: wider"_s,
                                  u"Font-stretch: narrower"_s};
        const QStringList droppedProperties{u"Marker-offset"_s, u"Marks"_s, u"Page"_s, u"Size"_s};
        int counts[3] = {0, 0, 0};
        for (const int i : Property::indices()) {
            const Property &p = Property::at(i);
            QCOMPARE(p.grammar.isEmpty(), droppedProperties.contains(p.name));
            for (const QString &value : QStringList{p.defaultValue} + p.offeredValues) {
                if (value.isEmpty() || value == ComposeItem)
                    continue;
                const ValueVerdict v = checkValue(i, value);
                const QString item = p.name + u": "_s + value;
                const ValueVerdict::Kind expected =
                    item == u"Content: empty string"_s ? ValueVerdict::Kind::Invalid
                    : dropped.contains(item) || droppedProperties.contains(p.name)
                        ? ValueVerdict::Kind::DroppedInCss21
                        : ValueVerdict::Kind::Valid;
                QVERIFY2(v.kind == expected, qPrintable(item + u" → "_s + describe(v, true)));
                QCOMPARE(v.reason.isEmpty(), expected == ValueVerdict::Kind::Valid);
                ++counts[int(v.kind)];
            }
        }
        QCOMPARE(QList<int>(std::begin(counts), std::end(counts)), QList<int>({591, 19, 1}));
    }

    // Pastes that large must not hang the check, nor be judged wrongly for their size.
    void largeValues_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("expected");
        const qsizetype mb = 1 << 20;
        QTest::newRow("1 MB data address")
            << u"background-image"_s << u"url(data:image/png;base64,"_s + QString(mb, u'A') + u')'
            << u"valid"_s;
        QTest::newRow("1 MB family names")
            << u"font-family"_s << u"a "_s.repeated(mb / 2) + u", serif"_s << u"valid"_s;
        QTest::newRow("1 MB strings") << u"content"_s << u"'a'"_s.repeated(mb / 3) << u"valid"_s;
        QTest::newRow("1 MB counters")
            << u"counter-reset"_s << u"a 1 "_s.repeated(mb / 4) + u'x' << u"valid"_s;
        QTest::newRow("1 MB commas")
            << u"font-family"_s << u","_s.repeated(mb) << u"invalid 0+1 neočekávaný znak"_s;
        QTest::newRow("1 MB open brackets") << u"width"_s << u"calc("_s.repeated(mb / 5)
                                            << u"invalid %1+0 neuzavřená závorka"_s.arg(mb / 5 * 5);
        QTest::newRow("1 MB lengths")
            << u"margin"_s << u"1px "_s.repeated(mb / 4) << u"invalid 16+3 přebývající hodnota"_s;
    }

    void largeValues()
    {
        QFETCH(QString, property);
        QFETCH(QString, value);
        QFETCH(QString, expected);
        QCOMPARE(describe(checkValue(Property::indexOf(property), value), true), expected);
    }
};

QTEST_GUILESS_MAIN(TestGrammar)
#include "tst_grammar.moc"
