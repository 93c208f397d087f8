// The rule without a window: its text, reading a rule back, the cascade, and the
// composition of shorthands.
#include "Cascade.h"
#include "Composer.h"
#include "CssTokenizer.h"
#include "RuleWriter.h"
#include "catalogue/ExpectedLonghands.h"

#include <QMetaEnum>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// ASCII's letters lower-cased, as CSS compares names.
QString asciiLower(QString text)
{
    for (QChar &c : text)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
    return text;
}

// A second, deliberately plain reading of how the rule writes a value of a property that
// takes no names of counters or pages: lower case but for strings and url() addresses,
// line breaks as spaces, spaces trimmed.
QString plainWritten(const QString &text)
{
    static const QRegularExpression kept(u"\"[^\"]*\"|'[^']*'|(?<=url\\()[^)\"']*(?=\\))"_s,
                                         QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression lineBreaks(u"[ \\t]*[\\r\\n\\f][\\s]*"_s);
    static const QRegularExpression outerSpaces(u"^ +| +$"_s);
    QString out;
    qsizetype from = 0;
    for (const QRegularExpressionMatch &m : kept.globalMatch(text)) {
        out += asciiLower(text.mid(from, m.capturedStart() - from)) + m.captured();
        from = m.capturedEnd();
    }
    out += asciiLower(text.mid(from));
    return out.replace(lineBreaks, u" "_s).remove(outerSpaces);
}

QString plainRule(const QString &selector, bool onlyChanged, const PropertyValues &c,
                  const QList<KeptPiece> &kept)
{
    static const QRegularExpression outerSpaces(u"^ +| +$"_s);
    const auto normal = [](const QString &s) { return s.toLower().remove(outerSpaces); };
    QStringList lines{asciiLower(selector).remove(outerSpaces), u"  {"_s};
    for (const int i : Property::indices()) {
        if (c.isIncluded(i) && !normal(c.value(i)).isEmpty() &&
            !(onlyChanged && normal(c.value(i)) == normal(Property::at(i).defaultValue)))
            lines << u"  %1: %2;"_s.arg(Property::at(i).name.toLower(), plainWritten(c.value(i)));
    }
    for (const KeptPiece &piece : kept)
        lines << u"  "_s + piece.text + u';';
    return (lines << u"  }"_s).join(u"\r\n"_s);
}

// Fresh values with "Name=value|..." set and the "-Name"s left out.
PropertyValues edited(const QString &edits)
{
    PropertyValues c;
    for (const QString &edit : edits.split(u'|', Qt::SkipEmptyParts)) {
        if (edit.startsWith(u'-'))
            c.setIncluded(Property::indexOf(edit.mid(1)), false);
        else
            c.setValue(Property::indexOf(edit.section(u'=', 0, 0)), edit.section(u'=', 1));
    }
    return c;
}

// The values apart from the defaults, "name=value|...".
QString changes(const PropertyValues &c)
{
    QStringList set;
    for (const int i : Property::indices()) {
        if (c.value(i) != Property::at(i).defaultValue)
            set << Property::at(i).name.toLower() + u'=' + c.value(i);
    }
    return set.join(u'|');
}

} // namespace

class TestRule : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ruleText_data()
    {
        QTest::addColumn<QString>("selector");
        QTest::addColumn<QString>("edits"); // see edited()
        QTest::addColumn<QString>("rule");  // lines joined by "|"
        QTest::addRow("tabs stay, line breaks one space; ASCII letters lower-cased only")
            << u" BODY "_s << u"Padding-bottom=\tİ \n X\n|Font-family=İnfo, ČAS"_s
            << u"body|  {|  font-family: İnfo, Čas;|  padding-bottom: \tİ x;|  }"_s;
        QTest::addRow("strings, url() addresses, the selector but for element names keep case")
            << u"#MainNav .Logo A:HOVER > LI[Data-X=\"Val\" I]:NOT(P.Big) [lang~=EN], "
               u"::PART(Label):lang(EN)"_s
            << u"Background-image=URL(img/Logo.PNG)|Content=\"Hello\" 'W'|Font-family=Times New "
               u"Roman, \"Times New Roman\"|Color=RGB(1,2,3)"_s
            << u"#MainNav .Logo a:HOVER > li[Data-X=\"Val\" I]:NOT(p.Big) [lang~=EN], "
               u"::PART(Label):lang(EN)|  {|"
               u"  background-image: url(img/Logo.PNG);|  color: rgb(1,2,3);|"
               u"  content: \"Hello\" 'W';|  font-family: times new roman, \"Times New Roman\";|"
               u"  }"_s;
        QTest::addRow("names of counters, counter styles and pages, var() keep case")
            << QString()
            << u"Counter-reset=LIST 2 Item|Counter-increment=LIST|Content=COUNTER(LIST, "
               u"UPPER-ROMAN) OPEN-QUOTE|List-style-type=Thumbs|List-style=Thumbs "
               u"INSIDE|Page=Cover|"
               u"Margin=VAR(--Gap, 1PX) AUTO"_s
            << u"|  {|  content: counter(LIST, upper-roman) open-quote;|"
               u"  counter-increment: LIST;|  counter-reset: LIST 2 Item;|"
               u"  list-style: Thumbs inside;|  list-style-type: Thumbs;|"
               u"  margin: var(--Gap, 1PX) auto;|  page: Cover;|  }"_s;
    }
    void ruleText()
    {
        QFETCH(QString, selector);
        QFETCH(QString, edits);
        QFETCH(QString, rule);
        QCOMPARE(::ruleText({edited(edits), {}, selector, true}), rule.replace(u'|', u"\r\n"_s));
    }

    // Random states: the rule reads as plainly written, the other ways to copy write the
    // same declarations, and lines brought up to date one change at a time give the same
    // rule as lines made at once.
    void randomStates()
    {
        QRandomGenerator random(7);
        const QStringList typed{u" "_s,
                                u"Red"_s,
                                u"0%  0%"_s,
                                u"AUTO "_s,
                                u"Č\tx"_s,
                                u"url(a;B)"_s,
                                u"'X;y'"_s,
                                u""_s,
                                u"A\n B \"Q\""_s,
                                u"URL(\"A\")"_s};
        RuleLines lines;
        // The properties that take names are left at their defaults: see ruleText.
        const QStringList takesNames{u"content"_s,
                                     u"counter-increment"_s,
                                     u"counter-reset"_s,
                                     u"list-style"_s,
                                     u"list-style-type"_s,
                                     u"page"_s};
        for (int round = 0; round < 300; ++round) {
            PropertyValues c;
            for (const int i : Property::indices()) {
                if (takesNames.contains(Property::at(i).name.toLower()))
                    continue;
                const QStringList &offered = Property::at(i).offeredValues;
                c.setValue(i,
                           random.bounded(2) ? offered.at(random.bounded(int(offered.size())))
                                             : typed.at(random.bounded(int(typed.size()))));
                c.setIncluded(i, random.bounded(4) != 0);
            }
            const QList<KeptPiece> kept =
                random.bounded(2) ? QList<KeptPiece>{{u"-x-Unknown: A(b;c)"_s, 0, 0, false, {}},
                                                     {u"junk"_s, 0, 0, false, {}}}
                                  : QList<KeptPiece>();
            const RuleState state{c, kept, u" H1 "_s, bool(random.bounded(2))};
            const QString rule = ::ruleText(state);
            QCOMPARE(rule, plainRule(state.selector, state.onlyChanged, c, kept));
            QCOMPARE(declarationText(state),
                     rule.section(u"\r\n"_s, 2, -2).replace(u"\r\n  "_s, u"\r\n"_s).mid(2));
            lines.update(state);
            QCOMPARE(lines.text(), rule);
        }
        QCOMPARE(styleAttribute({edited(u"Color=A&\"B|Font-family=x"_s), {}, {}, true}),
                 u"style=\"color: a&amp;\"B; font-family: x\""_s.replace(u"\"B"_s, u"&quot;B"_s));
    }

    // Random rules as people paste them: overlapping shorthands and their parts in any
    // order, fallbacks, invalid shorthands, logical properties, names CSS matches by case,
    // !important, comments and line breaks between tokens. Read and written back, every
    // longhand has the same winner, by the test's own reading of what each sets; a second
    // round changes nothing.
    void readBackKeepsWinners()
    {
        // Declarations, and what each sets as the test reads CSS (a logical property as in
        // a left-to-right, horizontal element); a value a browser drops sets nothing.
        struct Pool {
            const char16_t *name;
            const char16_t *value;
            const char16_t *sets; // space-separated; empty for an invalid value
        };
        static constexpr Pool pool[] = {
            {u"margin", u"0", u"mt mr mb ml"},
            {u"margin", u"1px 2px", u"mt mr mb ml"},
            {u"margin", u"bogus value", u""},
            {u"margin-left", u"3px", u"ml"},
            {u"margin-inline-start", u"4px", u"ml"},
            {u"margin-top", u"5px", u"mt"},
            {u"border", u"1px solid red", u"btw brw bbw blw bts brs bbs bls btc brc bbc blc bi"},
            {u"border-left", u"dotted", u"blw bls blc"},
            {u"border-width", u"thin", u"btw brw bbw blw"},
            {u"border-left-color", u"blue", u"blc"},
            {u"inset", u"0", u"top right bottom left"},
            {u"left", u"auto", u"left"},
            {u"top", u"1px", u"top"},
            {u"overflow", u"auto", u"ox oy"},
            {u"overflow-y", u"scroll", u"oy"},
            {u"display", u"block", u"display"},
            {u"display", u"-moz-box", u""},
            {u"counter-reset", u"LIST 2", u"cr"},
            {u"font", u"12px serif", u"fs lh ff fst fv fw"},
            {u"line-height", u"2", u"lh"},
            {u"color", u"red", u"color"},
            {u"color", u"var(--Brand)", u"color"},
            {u"background", u"url(x.png)", u"bgc bgi bgs"},
            {u"background-size", u"cover", u"bgs"},
            {u"padding-block", u"2px", u"pt pb"},
            {u"padding-top", u"1px", u"pt"},
        };
        // Each longhand's winning declaration, "name: value" and "!" for an important one.
        const auto winners = [](const QList<std::pair<QString, QString>> &declarations) {
            QHash<QString, std::pair<QString, bool>> won;
            for (const auto &[name, written] : declarations) {
                QString value = written;
                const bool important = value.endsWith(u"!important"_s);
                value = value.chopped(important ? 10 : 0).trimmed();
                const Pool *entry = nullptr;
                for (const Pool &p : pool)
                    if (name == p.name && value == p.value)
                        entry = &p;
                if (entry == nullptr)
                    return QHash<QString, std::pair<QString, bool>>{
                        {u"?"_s, {name + u": "_s + value, false}}};
                for (const QStringView longhand :
                     QStringView(entry->sets).tokenize(u' ', Qt::SkipEmptyParts)) {
                    auto &[who, wasImportant] = won[longhand.toString()];
                    if (!wasImportant || important)
                        won[longhand.toString()] = {name + u": "_s + value, important};
                }
            }
            return won;
        };
        const auto declarationsOf = [](const QString &text) {
            QList<std::pair<QString, QString>> declarations;
            for (const DeclarationPiece &piece : readRule(text).pieces)
                if (piece.isDeclaration())
                    declarations.append({piece.key, piece.value});
            return declarations;
        };
        QRandomGenerator random(11);
        const QStringList spaces{u" "_s, u"\n  "_s, u" /* n; */ "_s, u"\t "_s};
        for (int round = 0; round < 300; ++round) {
            QStringList text;
            QList<std::pair<QString, QString>> written;
            for (int n = random.bounded(1, 9); n > 0; --n) {
                const Pool &p = pool[random.bounded(int(std::size(pool)))];
                const QString value = QString::fromUtf16(p.value) +
                                      (random.bounded(5) == 0 ? u" !important"_s : QString());
                written.append({QString::fromUtf16(p.name), value});
                QString declaration =
                    QString::fromUtf16(p.name) + u':' + spaces.at(random.bounded(4)) + value;
                if (random.bounded(4) == 0)
                    declaration.prepend(u"/* before */ "_s);
                text << declaration;
            }
            const QString pasted = u"P.Card/**/.x { "_s + text.join(u";\n"_s) + u" }"_s;
            const ReadRule read = readRule(pasted);
            QCOMPARE(read.error, Css::Fault::None);
            const QString rule = ::ruleText(importRule(read, RuleState()).state);
            const auto shown = [](const QHash<QString, std::pair<QString, bool>> &won) {
                QStringList all;
                for (auto it = won.cbegin(); it != won.cend(); ++it)
                    all << it.key() + u'=' + it->first + (it->second ? u"!"_s : QString());
                all.sort();
                return all.join(u", "_s);
            };
            QCOMPARE(shown(winners(declarationsOf(rule))), shown(winners(written)));
            QVERIFY(rule.startsWith(u"p.Card.x\r\n"_s));
            const ReadRule again = readRule(rule);
            QCOMPARE(::ruleText(importRule(again, RuleState()).state), rule);
        }
    }

    // Reading a rule: each row is the text and what it reads as, the selector then
    // "text|name|value" for each piece ("!" after an important one), or the fault and
    // where it is.
    void reading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read");
        const auto row = [](const char *name, const QString &text, const QString &read) {
            QTest::addRow("%s", name) << text << read;
        };
        row("strings hide ; } and :",
            u"a{content: \"x;}\" ; b : 'y\\';}:' }"_s,
            u"a / content: \"x;}\"|content|\"x;}\" / b : 'y\\';}:'|b|'y\\';}:'"_s);
        row("brackets hide ; : { }",
            u"background: url(data:a;b{}) red; f([a:b]):c:d"_s,
            u"- / background: url(data:a;b{}) red|background|url(data:a;b{}) red / "
            u"f([a:b]):c:d||"_s);
        row("an unquoted url( is one token, quotes and all",
            u"background: url(o'neil.png) no-repeat; color: red"_s,
            u"- / background: url(o'neil.png) no-repeat|background|url(o'neil.png) no-repeat / "
            u"color: red|color|red"_s);
        row("a comment separates tokens; a name split by one is no name",
            u"margin: 1px/**/2px; col/**/or: red; x:a/**/,b /*c*/"_s,
            u"- / margin: 1px/**/2px|margin|1px 2px / col/**/or: red|| / "
            u"x:a/**/,b /*c*/|x|a,b"_s);
        row("white space runs one space, strings kept, !important in any spelling",
            u"h1\n{ font-family : Arial,\n\t\"A  B\"  ! IMPORTANT ; color: !important }"_s,
            u"h1 / font-family : Arial, \"A  B\" ! IMPORTANT|font-family|Arial, \"A  B\" "
            u"!important! / color: !important|color|"_s);
        row("escaped names, <!-- and --> around the rule, empty pieces",
            u"<!-- p /*{*/{;;\\63 olor: red; --> } -->"_s,
            u"p / \\63 olor: red|\\63 olor|red / -->||"_s);
        row("an escape ends after its hex digits", u"\\61;b: c"_s, u"- / \\61|| / b: c|b|c"_s);
        row("no colon, empty name, empty value",
            u"p{ junk x; : red; color: }"_s,
            u"p / junk x|| / : red|| / color:|color|"_s);
        row("a selector like a declaration", u"font:first-child{}"_s, u"font:first-child"_s);
        row("declarations before the brace",
            u"color: #333; margin: 0 auto; p { color: red }"_s,
            u"DeclarationsBeforeBlock 11"_s);
        row("a declaration before the brace", u"color: red p {}"_s, u"DeclarationsBeforeBlock 0"_s);
        row("a string ends at a line break", u"p { a: \"b\nc\" }"_s, u"BadString 7"_s);
        row("unclosed string", u"p { a: \"b; }"_s, u"UnclosedString 7"_s);
        row("unclosed comment", u"p { /* }"_s, u"UnclosedComment 4"_s);
        row("backslash escaping nothing", u"a: b\\"_s, u"StrayBackslash 4"_s);
        row("second rule", u"p{} /*ok*/ a{}"_s, u"TextAfterRule 11"_s);
        row("unclosed bracket", u"p { a: url(x; }"_s, u"UnclosedBracket 7"_s);
        row("a nested rule is one piece, in place",
            u"p { color: red; &:hover { color: blue } margin: 0; @media (x) { a { b: c } } }"_s,
            u"p / color: red|color|red / &:hover { color: blue }|| / margin: 0|margin|0 / "
            u"@media (x) { a { b: c } }||"_s);
        row("a custom property's block is its value",
            u"p { --x: { a: b }; c: d }"_s,
            u"p / --x: { a: b }|--x|{ a: b } / c: d|c|d"_s);
        row("a block the text leaves open is closed at its end",
            u"p { a: b; &:x { c: d"_s,
            u"p / a: b|a|b / &:x { c: d }||"_s);
        row("a comment in the selector goes, but where the tokens would join",
            u"div/**/.Card, UL/**/LI /* x */ > a {}"_s,
            u"div.Card, UL/**/LI > a"_s);
        row("an at-rule around the rule", u"/* x */ @media screen { p { a: b } }"_s, u"AtRule 8"_s);
        row("an at-rule in place of the rule", u"@page { margin: 1cm }"_s, u"AtRule 0"_s);
        row("stray closing brace", u"a: b } p {}"_s, u"StrayClosingBrace 5"_s);
    }
    void reading()
    {
        QFETCH(QString, text);
        QFETCH(QString, read);
        const ReadRule rule = readRule(text);
        QStringList shown{rule.hasSelector ? rule.selector : u"-"_s};
        for (const DeclarationPiece &piece : rule.pieces)
            shown << piece.text + u'|' + piece.name + u'|' + piece.value +
                         (piece.important ? u"!"_s : QString());
        if (rule.error != Css::Fault::None)
            shown = {
                QString::fromLatin1(QMetaEnum::fromType<Css::Fault>().valueToKey(int(rule.error))) +
                u' ' + QString::number(rule.errorAt)};
        QCOMPARE(shown.join(u" / "_s), read);
    }

    // Names as CSS reads them: an escape is up to six hex digits and one white space after,
    // an escape of nothing or of an impossible character a U+FFFD.
    void unescaping_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("read");
        QTest::addRow("hex, then a space") << u"\\63 olor"_s << u"color"_s;
        QTest::addRow("hex letters, any case") << u"c\\6Flor"_s << u"color"_s;
        QTest::addRow("six digits at most") << u"bor\\000064er"_s << u"border"_s;
        QTest::addRow("a character as itself") << u"a\\;b"_s << u"a;b"_s;
        QTest::addRow("nothing escaped, a surrogate, NUL")
            << u"\\D800 a\\0 b\\"_s << u"\uFFFDa\uFFFDb\uFFFD"_s;
    }
    void unescaping()
    {
        QFETCH(QString, name);
        QFETCH(QString, read);
        QCOMPARE(CssTokenizer::unescaped(name), read);
    }

    // Taking a read rule: which values win, and what the note names.
    void importing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("taken");   // see changes()
        QTest::addColumn<QString>("dropped"); // overridden | overridden by a shorthand
        QTest::addRow("the last of a property wins")
            << u"color: red; color: blue"_s << u"color=blue"_s << u"color: red|"_s;
        QTest::addRow("a declaration browsers drop, or one with a vendor prefix, is a fallback")
            << u"display: block; display: -moz-box; width: -webkit-fill-available; width: 1px"_s
            << u"display=block|width=1px"_s << u"|"_s;
        QTest::addRow("an invalid shorthand overrides nothing")
            << u"margin-right: 1px; margin: bogus value"_s
            << u"margin=bogus value|margin-right=1px"_s << u"|"_s;
        QTest::addRow("!important wins over a later one")
            << u"color: red !important; color: blue; color: green !IMPORTANT"_s
            << u"color=green !important"_s << u"color: red !important, color: blue|"_s;
        QTest::addRow("a part before its shorthand goes")
            << u"margin-top: 5px; margin: 0; background-color: #fff; background: url(x.png)"_s
            << u"background=url(x.png)|margin=0"_s << u"|margin-top: 5px, background-color: #fff"_s;
        QTest::addRow("a part after its shorthand, or !important, stays")
            << u"margin-left: 1px !important; margin: 0; margin-top: 5px"_s
            << u"margin=0|margin-left=1px !important|margin-top=5px"_s << u"|"_s;
        QTest::addRow("font sets line-height; border sets a side")
            << u"line-height: 2; font: 12px serif; border-top: 1px solid; border: 0"_s
            << u"border=0|font=12px serif"_s << u"|line-height: 2, border-top: 1px solid"_s;
        QTest::addRow("an !important shorthand beats a later part")
            << u"border-top: 0; border-color: blue !important; border-top-color: red"_s
            << u"border-color=blue !important|border-top=0"_s << u"|border-top-color: red"_s;
        QTest::addRow("names fold ASCII letters only: a Kelvin sign is no k")
            << u"\\63 OLOR: red; bac\u212Aground: x"_s << u"color=red"_s << u"|"_s;
    }
    void importing()
    {
        QFETCH(QString, text);
        QFETCH(QString, taken);
        QFETCH(QString, dropped);
        const ImportedRule imported = importRule(readRule(text), RuleState());
        QCOMPARE(changes(imported.state.values), taken);
        QCOMPARE(imported.overridden.join(u", "_s) + u'|' +
                     imported.overriddenByShorthand.join(u", "_s),
                 dropped);
        QCOMPARE(imported.declarationCount, taken.count(u'='));
    }

    void composition_data()
    {
        QTest::addColumn<QString>("edits");
        QTest::addColumn<QString>("composed"); // "Shorthand=value|..."
        QTest::addRow("at defaults")
            << QString()
            << u"Background=scroll transparent none 0% 0% repeat|Border=none medium|"
               "Border-bottom=none medium|Border-color=|Border-left=none medium|"
               "Border-right=none medium|Border-style=none none none none|Border-top=none medium|"
               "Border-width=medium medium medium medium|"
               "Font=normal normal normal medium/normal serif|List-style=outside disc|"
               "Margin=0 0 0 0|Outline=invert none medium|Padding=0 0 0 0|Color=Old"_s;
        QTest::addRow("Font: all parts")
            << u"Font-style=italic|Font-variant=|Font-weight=bold|Font-size=12pt|"
               "Line-height=1.5|Font-family=Arial"_s
            << u"Font=italic bold 12pt/1.5 Arial"_s;
        QTest::addRow("Font: line height left out, weight lower-cased")
            << u"Font-style=|Font-variant=|Font-weight=BOLD|Font-size=12pt|-Line-height|"
               "Font-family=Arial"_s
            << u"Font=bold 12pt Arial"_s;
        QTest::addRow("Font: all empty falls back")
            << u"Font-style=|Font-variant=|Font-weight=|Font-size=  |Line-height=|Font-family="_s
            << u"Font=medium serif"_s;
        QTest::addRow("Font: size and family whatever their ticks, family's case kept")
            << u"-Font-style|-Font-variant|-Font-weight|Font-size=12pt|-Font-size|"
               "Font-family= Times New Roman |-Font-family"_s
            << u"Font=12pt/normal Times New Roman"_s;
        QTest::addRow("four sides in order, left out sides leave no gap")
            << u"Margin-top=1em|Margin-right=5px|-Margin-right|Margin-bottom=2em|Margin-left= |"
               "Padding-top=1|Padding-right=2|Padding-bottom=3|Padding-left=4|"
               "Border-top-color= Red |Border-left-color=Blue|Border-bottom-color=lime"_s
            << u"Margin=1em 2em|Padding=1 2 3 4|Border-color=red lime blue|Border=red none medium"_s;
    }
    void composition()
    {
        QFETCH(QString, edits);
        QFETCH(QString, composed);
        for (const QString &expected : composed.split(u'|')) {
            PropertyValues c = edited(edits);
            const int index = Property::indexOf(expected.section(u'=', 0, 0));
            c.setValue(index, u"Old"_s); // no part of a new value; a non-shorthand keeps it
            const PropertyValues before = c;
            composeShorthand(c, index);
            composeShorthand(c, index);
            QCOMPARE(c.value(index), expected.section(u'=', 1));
            c.setValue(index, u"Old"_s);
            QVERIFY(c == before); // nothing else changed
        }
    }

    void cssLevels()
    {
        PropertyValues c = edited(u"-Color"_s);
        c.selectCssLevel(CssLevel::Css1);
        for (const int i : Property::indices()) // Color stays out: CSS 1 includes nothing
            QCOMPARE(c.isIncluded(i), i != 33 && Property::at(i).level == CssLevel::Css1);
        c.selectCssLevel(CssLevel::Css2);
        QVERIFY(c == PropertyValues());
    }
};

QTEST_GUILESS_MAIN(TestRule)
#include "tst_rule.moc"
