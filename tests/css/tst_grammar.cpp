// Value grammars: each construct of the notation, the verdicts and their reasons for
// property values, every value the catalogue offers, and values too large to be typed.
#include "DeclarationCheck.h"
#include "GrammarMatcher.h"
#include "Property.h"
#include "RuleContext.h"
#include "TodayCss.h"
#include "ValueGrammar.h"
#include "ValueTokens.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// "valid", or the kind, where the fault is and, when `withReason`, why.
QString describe(const ValueVerdict &v, bool withReason)
{
    static const char *const kinds[] = {"valid", "dropped", "invalid", "later", "no effect"};
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
        // clang-format off
        // Keywords and identifiers.
        row("keyword in any case", u"display", u"Table-CELL");
        row("keyword unknown", u"display", u"blok", u"invalid 0+4 neznámé klíčové slovo");
        row("keyword of another place", u"font-style", u"normal italic",
            u"invalid 7+6 přebývající hodnota");
        row("Kelvin sign is no k", u"direction", u"ltr\u212A", u"invalid 0+4");
        row("identifier and integers", u"counter-reset", u"chapter 1 section -2 part");
        row("identifier not inherit", u"counter-reset", u"a inherit",
            u"invalid 2+7 klíčové slovo inherit smí stát jen samo");
        row("escaped keyword", u"display", u"\\62 lock");
        // Numbers.
        row("length units", u"margin", u"1px 2EM 3pc 4mm");
        row("length units of today", u"margin", u"1px 3rem 4Q",
            u"later 4+4 hodnota z CSS Values 4; CSS 2.1 ji nemá");
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
        row("number of today", u"font-weight", u"450",
            u"later 0+3 hodnota z CSS Fonts 4; CSS 2.1 ji nemá");
        row("number neither allows", u"font-weight", u"1001",
            u"invalid 0+4 toto číslo zde není dovoleno");
        row("calc for a length", u"width", u"calc(100% - 2 * (1em + 1px))",
            u"later 0+5 hodnota z CSS Values 4; CSS 2.1 ji nemá");
        row("calc for an integer", u"z-index", u"CALC(1 + 2)", u"later 0+5");
        row("calc unclosed", u"width", u"calc(1px", u"invalid 8+0 neuzavřená závorka");
        row("calc empty", u"width", u"calc()", u"invalid 5+1 funkci chybí argument");
        row("calc minus unspaced", u"width", u"calc(100%-10px)",
            u"invalid 9+5 + a - ve výpočtu potřebují mezeru z obou stran");
        row("calc plus unspaced", u"width", u"calc(1px+ 2px)", u"invalid 8+1");
        row("calc minus spaced once", u"width", u"calc(100% -10px)", u"invalid 10+5");
        row("calc sign without operator", u"margin", u"calc(1px +2px)", u"invalid 9+4");
        row("calc unary minus", u"width", u"calc(- 1px)", u"invalid 5+1");
        row("calc product unspaced", u"width", u"calc(2*-1px/ 2)", u"later 0+5");
        row("calc mixed, percentages beside", u"line-height", u"calc(1em + 10%)", u"later 0+5");
        row("calc adds other kinds", u"width", u"calc(1px + 2)",
            u"invalid 9+1 výpočet zde dává nebo sčítá jiný druh hodnoty");
        row("calc gives another kind", u"width", u"calc(10)", u"invalid 0+5");
        row("calc percentage, none beside", u"border-width", u"calc(10%)", u"invalid 0+5");
        row("calc products of dimensions", u"width", u"calc(10px * 2em / 1px)", u"later 0+5");
        row("calc of a number", u"z-index", u"calc(3 / 2)", u"later 0+5");
        row("calc constants", u"width", u"calc(PI * e * 1px - infinity * 1px)", u"later 0+5");
        row("calc unknown name", u"width", u"calc(1px * foo)", u"invalid 11+3");
        row("calc flex unit", u"width", u"calc(1fr)", u"invalid 5+3");
        row("calc nested", u"margin", u"calc((1px + min(2px, 3%)) * 2) 0", u"later 0+5");
        QTest::newRow("calc too deep")
            << u"width"_s << u"calc("_s + u"("_s.repeated(70) + u"1px"_s + u")"_s.repeated(71)
            << u"invalid 69+1"_s;
        row("clamp short", u"width", u"clamp(1px, 2px)", u"invalid 14+1 funkci chybí argument");
        row("clamp none", u"width", u"clamp(none, 50%, 2px)", u"later 0+6");
        row("min of other kinds", u"width", u"min(10px, 5)", u"invalid 10+1");
        row("round needs a step", u"width", u"round(up, 10.5px)", u"invalid 16+1");
        row("round a number", u"z-index", u"round(1.5)", u"later 0+6");
        row("sin of an angle", u"width", u"calc(sin(45deg) * 10px)", u"later 0+5");
        row("sin of a length", u"width", u"calc(sin(4px) * 10px)", u"invalid 9+3");
        row("atan2 gives an angle", u"width", u"atan2(1px, 2px)", u"invalid 0+6");
        row("sibling-index", u"z-index", u"sibling-index()", u"later 0+14");
        // Colours.
        row("colour hex", u"border-color", u"#abc #AABBCC");
        row("colour hex with alpha", u"border-color", u"#abc #abcd",
            u"later 5+5 hodnota z CSS Color 4; CSS 2.1 ji nemá");
        row("colour hex bad", u"color", u"#ggg", u"invalid 0+4 neplatná barva");
        row("colour hex five", u"color", u"#abcde", u"invalid 0+6 neplatná barva");
        row("colour keywords", u"border-color", u"orange ButtonFace transparent");
        row("colour keywords of today", u"color", u"currentColor", u"later 0+12");
        row("colour functions", u"border-color", u"rgb(1, 2, 300) rgb(10%,20%,30%)");
        row("colour functions of today", u"border-color",
            u"rgb(1 2 3) rgba(0 0 0 / 50%) hsl(120deg 50% 50%)",
            u"later 0+4 hodnota z CSS Color 4; CSS 2.1 ji nemá");
        row("colour function of today's grammar", u"color", u"oklch(70% 0.1 200)",
            u"later 0+6 hodnota z CSS Color 5; CSS 2.1 ji nemá");
        row("colour function mixed", u"color", u"rgb(10%, 20, 30)", u"invalid 9+2");
        row("colour function short", u"color", u"rgb(1,2)", u"invalid 7+1 funkci chybí argument");
        row("colour hue unit", u"color", u"hsl(10px, 50%, 50%)", u"invalid 4+4 neplatná jednotka");
        row("colour function twice", u"color", u"rgb(1,2,3) RGB(1,2,3)",
            u"invalid 11+4 funkce zde není dovolena");
        row("colour function unknown", u"color", u"rbg(1,2,3)", u"invalid 0+4 neznámá funkce");
        row("colour name unknown", u"color", u"reed", u"invalid 0+4 neznámá barva");
        row("colour or keyword unknown", u"background-color", u"reed",
            u"invalid 0+4 neznámé klíčové slovo ani barva");
        // Addresses, strings, counters, shapes.
        row("uri token", u"background-image", u"url( a.png )");
        row("uri string", u"list-style-image", u"URL( 'a b.png' )");
        row("uri of two strings", u"background-image", u"url(\"a\" \"b\")",
            u"invalid 8+3 přebývající hodnota");
        row("uri unclosed", u"background-image", u"url('a'", u"invalid 7+0 neuzavřená závorka");
        row("uri bad", u"background-image", u"url(a b)",
            u"invalid 0+8 chybně zapsaná adresa url()");
        row("strings", u"quotes", u"'«' \"»\" '\\'' \"\\\"\"");
        row("strings odd", u"quotes", u"'«' '»' '‹'", u"invalid 11+0 neočekávaný konec hodnoty");
        row("string unclosed", u"content", u"\"abc", u"invalid 0+4 neuzavřený řetězec");
        row("content list", u"content",
            u"open-quote counter(a) \"x\" counters(b, '.', upper-roman) "
            u"attr(title) url(i.png)");
        row("counter style of today", u"content", u"counter(a, rounded)", u"later 11+7");
        row("counter style bad", u"content", u"counter(a, 1)", u"invalid 11+1");
        row("shape with commas", u"clip", u"rect(1px, auto, 2px, 3px)");
        row("shape with spaces", u"clip", u"rect(1px auto 2px 3px)");
        row("shape short", u"clip", u"rect(1px, 2px)", u"invalid 13+1 funkci chybí argument");
        // Combinators in property grammars, backtracking among them.
        row("|| border", u"border", u"solid 1px red");
        row("|| border reversed", u"border", u"red solid");
        row("|| border twice", u"border", u"solid red blue", u"invalid 10+4 přebývající hodnota");
        row("|| border unknown", u"border", u"1px sollid",
            u"invalid 4+6 neznámé klíčové slovo ani barva");
        row("font whole", u"font", u"italic bold 12px/1.5 \"Times New Roman\", serif");
        row("font normal thrice", u"font", u"normal normal normal 1em/normal a b, sans-serif");
        row("font without family", u"font", u"12px", u"invalid 4+0 neočekávaný konec hodnoty");
        row("font without slash", u"font", u"12px 1.5 serif", u"invalid 5+3 chybí lomítko");
        row("font family trailing comma", u"font-family", u"Arial,",
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
        row("text-decoration each once", u"text-decoration", u"underline overline underline",
            u"invalid 19+9 přebývající hodnota");
        // The whole value.
        row("empty", u"color", u"");
        row("blank", u"color", u" \t\n ");
        row("comment only", u"color", u" /* x */ ", u"invalid 1+7 chybí hodnota");
        row("outer white space", u"margin-left", u"\t 10 \n", u"invalid 2+2 chybí jednotka délky");
        row("important", u"color", u"red !important");
        row("important any case, spaced", u"color", u"red ! /**/ ImPortant");
        row("important alone", u"color", u"!important",
            u"invalid 0+1 chybí hodnota před !important");
        row("important misspelt", u"color", u"red !importent", u"invalid 4+1 neočekávaný znak");
        row("inherit", u"width", u"inherit");
        row("initial, unset, revert", u"color", u"REVERT",
            u"later 0+6 hodnota z CSS Cascade 4; CSS 2.1 ji nemá");
        row("inherit with more", u"width", u"inherit 2px", u"invalid 8+3 přebývající hodnota");
        row("var", u"margin", u"var(--gap) auto",
            u"later 0+15 hodnota z CSS Variables 2; CSS 2.1 ji nemá");
        row("env", u"padding", u"max(1rem, env(safe-area-inset-left))",
            u"later 0+36 hodnota z CSS Env 1; CSS 2.1 ji nemá");
        row("attr of today", u"width", u"attr(data-w px)",
            u"later 0+15 hodnota z CSS Values 5; CSS 2.1 ji nemá");
        row("an author's function", u"color", u"--brand()",
            u"later 0+9 hodnota z CSS Mixins 1; CSS 2.1 ji nemá");
        row("var unclosed", u"color", u"var(--x", u"invalid 7+0 neuzavřená závorka");
        row("var then a semicolon", u"color", u"var(--x); x", u"invalid 8+1 neočekávaný znak");
        row("semicolon", u"color", u"red; margin: 0", u"invalid 3+1 neočekávaný znak");
        row("unclosed comment", u"color", u"red /* x", u"invalid 4+4 neuzavřený komentář");
        row("trailing backslash", u"color", u"red\\",
            u"invalid 3+1 zpětné lomítko, které nic neuvozuje");
        row("escaped space kept", u"font-family", u"a\\ ");
        QTest::newRow("NUL and lone surrogate")
            << u"font-family"_s << QString::fromUtf16(u"a\0b \xD800", 5) << u"valid"_s;
        // Values CSS 2.1 dropped and the catalogue's own mistake.
        row("dropped marker", u"display", u"marker",
            u"dropped 0+6 CSS 2.1 hodnotu vypustila; nahrazuje ji pseudoprvek ::marker");
        row("dropped in any case", u"caption-side", u" RIGHT ",
            u"dropped 1+5 CSS 2.1 hodnotu vypustila a nic ji nenahrazuje");
        row("dropped property", u"size", u"8.5in 11in !important",
            u"dropped 0+10 CSS 2.1 vlastnost vypustila; nahrazuje ji deskriptor size pravidla "
            u"@page (CSS Paged Media)");
        row("dropped property, global keyword", u"marks", u"inherit", u"dropped 0+7");
        row("dropped property, bad value", u"size", u"-1in", u"invalid 0+4");
        row("dropped property, any order", u"marks", u"cross crop", u"dropped 0+10");
        row("today's font-stretch", u"font-stretch", u"semi-condensed");
        row("dropped, back today", u"page", u"auto",
            u"later 0+4 hodnota z CSS Page 3; CSS 2.1 ji nemá");
        row("dropped, in today's grammar but no browser", u"display", u"run-in", u"dropped 0+6");
        // Today's CSS decides what CSS 2.1's grammar does not take.
        row("keyword of today", u"display", u"flex",
            u"later 0+4 hodnota z CSS Display 4; CSS 2.1 ji nemá");
        row("two keywords of today", u"display", u"inline flex", u"later 7+4");
        row("keyword neither has", u"display", u"flexx", u"invalid 0+5 neznámé klíčové slovo");
        row("function of today", u"width", u"fit-content(20em)",
            u"later 0+12 hodnota z CSS Grid 2; CSS 2.1 ji nemá");
        row("layers of today", u"background", u"url(a.png), linear-gradient(red, blue)",
            u"later 10+1");
        row("today's grammar bounds", u"width", u"fit-content(-1px)", u"invalid 0+12");
        row("empty string", u"content", u"empty string",
            u"invalid 0+12 prázdný řetězec se v CSS píše \"\"");
        row("empty string written", u"content", u"\"\"");
        // clang-format on
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
        int counts[4] = {0, 0, 0, 0};
        for (const int i : Property::indices()) {
            const Property &p = Property::at(i);
            QCOMPARE(p.grammar.isEmpty(), droppedProperties.contains(p.name));
            for (const QString &value : QStringList{p.defaultValue} + p.offeredValues) {
                if (value.isEmpty() || value == ComposeItem)
                    continue;
                const ValueVerdict v = checkValue(i, value);
                const QString item = p.name + u": "_s + value;
                // CSS 2.1 dropped the page property; browsers have it again.
                const ValueVerdict::Kind expected =
                    item == u"Page: auto"_s              ? ValueVerdict::Kind::Later
                    : item == u"Content: empty string"_s ? ValueVerdict::Kind::Invalid
                    : dropped.contains(item) || droppedProperties.contains(p.name)
                        ? ValueVerdict::Kind::DroppedInCss21
                        : ValueVerdict::Kind::Valid;
                QVERIFY2(v.kind == expected, qPrintable(item + u" → "_s + describe(v, true)));
                QCOMPARE(v.reason.isEmpty(), expected == ValueVerdict::Kind::Valid);
                ++counts[int(v.kind)];
            }
        }
        QCOMPARE(QList<int>(std::begin(counts), std::end(counts)), QList<int>({591, 17, 1, 2}));
    }

    // Declarations of any property, as the pane and the cascade judge them.
    void declarations_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("accepted"); // browserAccepts()
        const auto row = [](const char *name,
                            const char16_t *property,
                            const char16_t *value,
                            const char16_t *expected,
                            bool accepted) {
            QTest::newRow(name) << QString::fromUtf16(property) << QString::fromUtf16(value)
                                << QString::fromUtf16(expected) << accepted;
        };
        // clang-format off
        row("catalogue in any case", u"COLOR", u"Red", u"valid", true);
        row("catalogue invalid", u"color", u"reed", u"invalid 0+4", false);
        row("property of today", u"gap", u"1rem",
            u"later 0+4 vlastnost z CSS Gaps 1; CSS 2.1 ji nemá", true);
        row("property of today, bad value", u"border-radius", u"4 px",
            u"invalid 0+1 chybí jednotka délky", false);
        row("property of today, wide keyword", u"Transition", u"unset", u"later 0+5", true);
        row("property of today, var()", u"aspect-ratio", u"var(--r) / 2", u"later 0+12", true);
        row("grid lines", u"grid-template-columns", u"[a] repeat(2, 1fr) [b c] 10px", u"later 0+29",
            true);
        row("grid lines unclosed", u"grid-template-columns", u"[a 1fr", u"invalid 3+3", false);
        row("empty group not allowed", u"background-position-x", u"left, ", u"invalid 5+0", false);
        row("legacy alias", u"-webkit-transition", u"opacity 1s",
            u"later 0+10 vlastnost z CSS Transitions 1; CSS 2.1 ji nemá; předpona patří jen "
            u"prohlížeči, který ji zavedl", true);
        row("prefixed, by the bare grammar", u"-moz-border-radius", u"4px / 2px", u"later 0+9",
            true);
        row("prefixed, bad value", u"-moz-border-radius", u"4", u"invalid 0+1", false);
        row("prefixed catalogue property", u"-webkit-margin-top", u"1px",
            u"later -1+0 předpona patří jen prohlížeči, který ji zavedl", true);
        row("a browser's own property", u"-webkit-font-smoothing", u"antialiased", u"valid", true);
        row("custom property", u"--brand", u"{ not } a [ value ]", u"valid", true);
        row("unknown name", u"colr", u"red", u"invalid -1+0 neznámá vlastnost", false);
        row("calc of a number and a percentage", u"opacity", u"calc(50% + 0.1)",
            u"invalid 9+1 výpočet zde dává nebo sčítá jiný druh hodnoty", false);
        row("an angle, or zero", u"transform", u"rotate(45) rotate(0)", u"invalid 7+2", false);
        row("dropped by all", u"display", u"compact", u"dropped 0+7", false);
        row("dropped property", u"marks", u"crop", u"dropped 0+4", false);
        // clang-format on
    }

    void declarations()
    {
        QFETCH(QString, name);
        QFETCH(QString, value);
        QFETCH(QString, expected);
        const ValueVerdict verdict = checkDeclaration(declarationKey(name), value);
        QCOMPARE(describe(verdict, expected.count(u' ') >= 2), expected);
        QTEST(browserAccepts(name, value), "accepted");
    }

    // Whether a declaration does anything, from the rule's selector and other declarations.
    void noEffect_data()
    {
        QTest::addColumn<QString>("selector");
        QTest::addColumn<QString>("declarations");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("expected"); // the reason's first word, or none
        const auto row = [](const char *name,
                            const char16_t *selector,
                            const char16_t *declared,
                            const char16_t *property,
                            const char16_t *expected) {
            QTest::newRow(name) << QString::fromUtf16(selector) << QString::fromUtf16(declared)
                                << QString::fromUtf16(property) << QString::fromUtf16(expected);
        };
        // clang-format off
        const char16_t *const none = u"";
        const char16_t *const positioned = u"nemá účinek, dokud je position static";
        const char16_t *const inlineSize =
            u"nemá účinek u řádkového prvku, který není nahrazený (jako span nebo a)";
        const char16_t *const block = u"nemá účinek u blokového prvku";
        const char16_t *const list =
            u"nemá účinek u prvku, který není položkou seznamu (display: list-item, li)";
        const char16_t *const inlineText = u"nemá účinek u řádkového prvku";
        row("offset, static by default", u".x", none, u"top", positioned);
        row("z-index, static", u"div", u"position: STATIC !important", u"z-index", positioned);
        row("offset, positioned", u"div", u"position: relative", u"left", none);
        row("offset, position unknown", u"div", u"position: var(--p)", u"left", none);
        row("width on span", u"p > span.x", none, u"width", inlineSize);
        row("margin-top on a", u"a:hover", none, u"margin-top", inlineSize);
        row("margin-left on a", u"a", none, u"margin-left", none);
        row("height on a block made inline", u"div", u"display: inline", u"height", inlineSize);
        row("width on a span made a block", u"span", u"display: block", u"width", none);
        row("width on a floating span", u"span", u"float: left", u"width", none);
        row("width on img", u"img", none, u"width", none);
        row("width, element unknown", u".x", u"display: inline", u"width", none);
        row("vertical-align on a block", u"div", none, u"vertical-align", block);
        row("vertical-align on a flex box", u".x", u"display: flex", u"vertical-align", block);
        row("vertical-align on a cell", u"td", none, u"vertical-align", none);
        row("vertical-align on a span", u"span", none, u"vertical-align", none);
        row("vertical-align, element unknown", u".x", none, u"vertical-align", none);
        row("list-style on div", u"div", none, u"list-style-type", list);
        row("list-style on li", u"ul li", none, u"list-style", none);
        row("list-style on ul, inherited", u"ul", u"display: flex", u"list-style", none);
        row("list-style made an item", u"div", u"display: block list-item", u"list-style-image",
            none);
        row("list-style, element unknown", u".x", u"display: block", u"list-style-position", none);
        row("border-spacing, collapsed", u"table", u"border-collapse: collapse", u"border-spacing",
            u"nemá účinek, když je border-collapse collapse");
        row("border-spacing, separate", u"table", u"border-collapse: separate", u"border-spacing",
            none);
        row("float, absolute", u".x", u"position: fixed", u"float",
            u"nemá účinek u prvku s position absolute nebo fixed");
        row("float, relative", u".x", u"position: relative", u"float", none);
        row("text-align on span", u"span", none, u"text-align", inlineText);
        row("text-indent made inline", u".x", u"display: inline", u"text-indent", inlineText);
        row("text-align on inline-block", u"span", u"display: inline-block", u"text-align", none);
        row("text-align on an absolute span", u"span", u"position: absolute", u"text-align", none);
        row("selectors that agree", u"h1 span, div > span", none, u"text-align", inlineText);
        row("selectors that differ", u"span, div", none, u"text-align", none);
        row("pseudo-element", u"span::before", none, u"text-align", none);
        row("legacy pseudo-element", u"p:first-line", none, u"vertical-align", none);
        row("attribute with spaces", u"div[title=\"a b\"] > a", none, u"height", inlineSize);
        row("element in a function only", u":is(span)", none, u"text-align", none);
        // clang-format on
    }

    void noEffect()
    {
        QFETCH(QString, selector);
        QFETCH(QString, declarations);
        QFETCH(QString, property);
        QHash<QString, QString> declared;
        for (const QString &d : declarations.split(u';', Qt::SkipEmptyParts))
            declared.insert(d.section(u':', 0, 0).trimmed(), d.section(u':', 1));
        const RuleContext context = RuleContext::of(
            selector, [&declared](QStringView name) { return declared.value(name.toString()); });
        QTEST(context.noEffect(property), "expected");
    }

    void baseline_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("widely") << u"display flex"_s << u"Baseline: široce dostupné od 2018"_s;
        QTest::newRow("newly") << u"alignment-baseline"_s << u"Baseline: nově dostupné od 2026"_s;
        QTest::newRow("limited") << u"caption-side top-outside"_s
                                 << u"Omezená podpora: chybí v Chrome, Edge, Firefox, Safari"_s;
        QTest::newRow("no entry") << u"display flexx"_s << QString();
    }

    void baseline()
    {
        QFETCH(QString, key);
        QTEST(TodayCss::instance().support(key), "expected");
    }

    // Each record is found, and what sorts between two records is not.
    void everyBaselineRecord()
    {
        QFile file(u":/today/css.txt"_s);
        QVERIFY(file.open(QIODevice::ReadOnly));
        int records = 0;
        for (const QByteArray &line : file.readAll().split('\n')) {
            if (!line.startsWith("b\t"))
                continue;
            const QString key = QString::fromLatin1(line.split('\t')[1]);
            QVERIFY2(!TodayCss::instance().support(key).isEmpty(), qPrintable(key));
            QVERIFY2(TodayCss::instance().support(key + u'!').isEmpty(), qPrintable(key));
            ++records;
        }
        QVERIFY(records > 2000);
    }

    // Every grammar of today's CSS compiles, and takes a value its property is known for.
    void todayGrammars()
    {
        const TodayCss &today = TodayCss::instance();
        QVERIFY(today.count() > 700);
        for (int i = 0; i < today.count(); ++i) {
            const int key = declarationKey(today.property(i).name);
            QVERIFY2(checkDeclaration(key, u"inherit").kind != ValueVerdict::Kind::Invalid,
                     qPrintable(today.property(i).name));
            QVERIFY2(checkDeclaration(key, u"!").kind == ValueVerdict::Kind::Invalid,
                     qPrintable(today.property(i).name));
        }
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
