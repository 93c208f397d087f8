// The style model without a window: the property table, the rule text, reading a rule
// back, and the composition of shorthands.
#include "Composer.h"
#include "CssTokenizer.h"
#include "History.h"
#include "PropertySearch.h"
#include "RuleBuilder.h"
#include "RuleImport.h"

#include <QCryptographicHash>
#include <QMetaEnum>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A second, deliberately plain reading of how the rule writes a value: lower case but for
// strings and url() addresses, line breaks as spaces, spaces trimmed.
QString plainWritten(const QString &text)
{
    static const QRegularExpression kept(u"\"[^\"]*\"|'[^']*'|(?<=url\\()[^)\"']*(?=\\))"_s,
                                         QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression lineBreaks(u"[ \\t]*[\\r\\n\\f][\\s]*"_s);
    static const QRegularExpression outerSpaces(u"^ +| +$"_s);
    QString out;
    qsizetype from = 0;
    for (const QRegularExpressionMatch &m : kept.globalMatch(text)) {
        out += text.mid(from, m.capturedStart() - from).toLower() + m.captured();
        from = m.capturedEnd();
    }
    out += text.mid(from).toLower();
    return out.replace(lineBreaks, u" "_s).remove(outerSpaces);
}

QString plainRule(const QString &selector, bool onlyChanged, const Catalogue &c)
{
    static const QRegularExpression outerSpaces(u"^ +| +$"_s);
    const auto normal = [](const QString &s) { return s.toLower().remove(outerSpaces); };
    QStringList lines{normal(selector), u"  {"_s};
    for (const int i : Property::indices()) {
        if (c.isIncluded(i) && !normal(c.value(i)).isEmpty() &&
            !(onlyChanged && normal(c.value(i)) == normal(Property::at(i).defaultValue)))
            lines << u"  %1: %2;"_s.arg(Property::at(i).name.toLower(), plainWritten(c.value(i)));
    }
    for (const QString &kept : c.keptDeclarations())
        lines << u"  "_s + kept + u';';
    return (lines << u"  }"_s).join(u"\r\n"_s);
}

// A fresh catalogue with "Name=value|..." set and the "-Name"s left out.
Catalogue edited(const QString &edits)
{
    Catalogue c;
    for (const QString &edit : edits.split(u'|', Qt::SkipEmptyParts)) {
        if (edit.startsWith(u'-'))
            c.setIncluded(Property::indexOf(edit.mid(1)), false);
        else
            c.setValue(Property::indexOf(edit.section(u'=', 0, 0)), edit.section(u'=', 1));
    }
    return c;
}

// The values a catalogue holds apart from the defaults, "name=value|...".
QString changes(const Catalogue &c)
{
    QStringList set;
    for (const int i : Property::indices()) {
        if (c.value(i) != Property::at(i).defaultValue)
            set << Property::at(i).name.toLower() + u'=' + c.value(i);
    }
    return set.join(u'|');
}

} // namespace

class TestModel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The table as reviewed: a short digest of each row's facts. A row that changes is
    // named, so that the change is looked at and its digest written here again.
    void propertyTable()
    {
        static const QStringList reviewed =
            QString(
                u"3a4115 ce67ea b674db 02a2ce 371832 736ab1 eae9d1 e23579 9d77fe 6a842f b4ac80 "_s
                u"d5bad6 0615b4 94a350 73e3b5 6adcea e3b8f5 75f1c3 d643d6 d76996 b1f93b 0812f7 "_s
                u"ee1221 bf7ee1 4e6212 842221 ae0bce 20cdf8 a5a912 d0e8e3 68afae 28bbc9 2835b0 "_s
                u"e455b6 91e1c4 4a3c38 546304 6c48a6 0709ce b1f07a 7233dc 858030 c27f98 678b3f "_s
                u"a54402 5c1a4b 13f3ab 2f3a72 561700 485669 d701da 79a38a ed4466 df60b3 f94b85 "_s
                u"4e73cb 347734 e66ee1 3da738 94db13 d03403 a69364 6c2cdf 2a5958 95346a 30d26a "_s
                u"c5bf8e ca441d c5af7a 9dd50d 7dba9d 0cb8ab ca9a74 4750cc 222e0d 689487 1e852c "_s
                u"31f457 7d1b08 ce7f75 08009f 617fda 84f5a7 e22566 be4ffc ac94e5 114f13 812df0 "_s
                u"d3009f 75b511 d168b1 2cad4b 79396b 7754b1 d7a50d 507b5a db637e 84674e 5705cc "_s
                u"2b35c8 5db51f 47006f"_s)
                .split(u' ');
        QStringList changed;
        int items = 0, shorthands = 0, css2 = 0;
        for (const int i : Property::indices()) {
            const Property &p = Property::at(i);
            QStringList fields{p.name,
                               p.defaultValue,
                               p.description,
                               p.grammar,
                               QString::number(int(p.level)),
                               p.offeredValues.join(u'|')};
            for (const ShorthandPart &part : p.parts) {
                QVERIFY2(Property::indexOf(part.name) > 0, qPrintable(part.name));
                fields << u"%1|%2|%3|%4"_s.arg(part.name, part.fallback, part.joiner)
                              .arg(part.keepsCase);
            }
            for (const ValueNote &note : p.notes)
                fields << note.grammar + u'|' + QString::fromUtf8(note.reason);
            const QString digest = QString::fromLatin1(
                QCryptographicHash::hash(fields.join(u'\t').toUtf8(), QCryptographicHash::Sha1)
                    .toHex()
                    .left(6));
            if (digest != reviewed.value(i - 1))
                changed << p.name + u' ' + digest;
            if (i > 1) // hyphens sort before letters
                QVERIFY2(Property::at(i - 1).name.toLower() < p.name.toLower(), qPrintable(p.name));
            QCOMPARE(p.offeredValues.mid(p.offeredValues.size() - 2) == composeOffer(),
                     p.isShorthand());
            items += int(p.offeredValues.size());
            shorthands += p.isShorthand();
            css2 += p.level == CssLevel::Css2;
        }
        QVERIFY2(changed.isEmpty(), qPrintable(u"rows changed: "_s + changed.join(u", "_s)));
        QCOMPARE(QList<int>({items, shorthands, css2}), QList<int>({561, 14, 48}));
    }

    void ruleText_data()
    {
        QTest::addColumn<QString>("selector");
        QTest::addColumn<QString>("edits"); // see edited()
        QTest::addColumn<QString>("rule");  // lines joined by "|"
        QTest::addRow("tabs stay, line breaks one space; full case mapping")
            << u" BODY "_s << u"Padding-bottom=\tİ \n x\n"_s
            << u"body|  {|  padding-bottom: \ti̇ x;|  }"_s;
        QTest::addRow("strings, url() addresses, classes, IDs and attribute values keep case")
            << u"#MainNav .Logo A:HOVER > LI[Data-X=\"Val\" I]:NOT(.Big) [lang~=EN]"_s
            << u"Background-image=URL(img/Logo.PNG)|Content=\"Hello\" 'W'|Font-family=Times New "
               u"Roman, \"Times New Roman\"|Color=RGB(1,2,3)"_s
            << u"#MainNav .Logo a:hover > li[data-x=\"Val\" i]:not(.Big) [lang~=EN]|  {|"
               u"  background-image: url(img/Logo.PNG);|  color: rgb(1,2,3);|"
               u"  content: \"Hello\" 'W';|  font-family: times new roman, \"Times New Roman\";|"
               u"  }"_s;
    }
    void ruleText()
    {
        QFETCH(QString, selector);
        QFETCH(QString, edits);
        QFETCH(QString, rule);
        QCOMPARE(::ruleText(selector, true, edited(edits)), rule.replace(u'|', u"\r\n"_s));
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
        for (int round = 0; round < 300; ++round) {
            Catalogue c;
            for (const int i : Property::indices()) {
                const QStringList &offered = Property::at(i).offeredValues;
                c.setValue(i,
                           random.bounded(2) ? offered.at(random.bounded(int(offered.size())))
                                             : typed.at(random.bounded(int(typed.size()))));
                c.setIncluded(i, random.bounded(4) != 0);
            }
            if (random.bounded(2))
                c.setKeptDeclarations({u"-x-Unknown: A(b;c)"_s, u"junk"_s});
            const bool onlyChanged = random.bounded(2);
            const QString rule = ::ruleText(u" H1 "_s, onlyChanged, c);
            QCOMPARE(rule, plainRule(u" H1 "_s, onlyChanged, c));
            QCOMPARE(declarationText(onlyChanged, c),
                     rule.section(u"\r\n"_s, 2, -2).replace(u"\r\n  "_s, u"\r\n"_s).mid(2));
            lines.update(u" H1 "_s, onlyChanged, c);
            QCOMPARE(lines.text(), rule);
        }
        QCOMPARE(styleAttribute(true, edited(u"Color=A&\"B|Font-family=x"_s)),
                 u"style=\"color: a&amp;\"B; font-family: x\""_s.replace(u"\"B"_s, u"&quot;B"_s));
    }

    // Random states written out as a user might have them: comments, line breaks and
    // runs of white space between the tokens, !important, a declaration written twice
    // that loses, parts before their shorthand that it overrides. Read back, they give
    // the state.
    void readBackRoundTrip()
    {
        QRandomGenerator random(11);
        const QStringList values{u"red"_s,
                                 u"url(\"a b.png\") no-repeat"_s,
                                 u"url(x;y)"_s,
                                 u"\"A; B\" 'c'"_s,
                                 u"1px solid"_s,
                                 u"rgb(1, 2, 3)"_s};
        const QStringList spaces{u" "_s, u"\n  "_s, u" /* n; */ "_s, u"\t "_s};
        const auto noise = [&](const QString &value) { // white space outside strings
            QString out;
            QChar quote;
            for (const QChar c : value) {
                if (c == u'"' || c == u'\'')
                    quote = quote == c ? QChar() : quote.isNull() ? c : quote;
                out += c == u' ' && quote.isNull() ? spaces.at(random.bounded(4)) : QString(c);
            }
            return out;
        };
        for (int round = 0; round < 200; ++round) {
            Catalogue state;
            QStringList text;
            for (const int i : Property::indices()) {
                if (random.bounded(6) != 0)
                    continue;
                const QString name = Property::at(i).name;
                // Only where no shorthand of the state can override it.
                const bool important = random.bounded(4) == 0 && longhands(i) == QList<int>{i} &&
                                       Property::at(i).name.count(u'-') == 0;
                QString value = values.at(random.bounded(int(values.size())));
                if (random.bounded(3) == 0) // a loser first
                    text << name + u": lost-"_s + QString::number(i);
                // A shorthand overrides what it sets that was written before it.
                for (const int before : Property::indices()) {
                    const QList<int> set = longhands(before);
                    if (before < i && std::all_of(set.cbegin(), set.cend(), [i](int l) {
                            return longhands(i).contains(l);
                        }))
                        state.setValue(before, Property::at(before).defaultValue);
                }
                if (Property::at(i).isShorthand() && random.bounded(2) == 0) {
                    const int part = longhands(i).constFirst();
                    if (state.value(part) == Property::at(part).defaultValue)
                        text << Property::at(part).name + u": 7px"_s;
                }
                if (important)
                    value += u" !important"_s;
                text << name + u':' + noise(u" "_s + value);
                state.setValue(i, value);
            }
            // A shorthand resets its parts: only those written after it stay.
            const ReadRule read = readRule(text.join(u";\n"_s));
            QCOMPARE(read.error, Reading::Error::None);
            const ImportedRule imported = importRule(read, Catalogue(), false);
            QCOMPARE(changes(imported.catalogue), changes(state));
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
        row("nested block", u"p { a { } }"_s, u"NestedBlock 6"_s);
        row("missing brace", u"p { a: b"_s, u"MissingClosingBrace 2"_s);
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
        if (rule.error != Reading::Error::None)
            shown = {QString::fromLatin1(
                         QMetaEnum::fromType<Reading::Error>().valueToKey(int(rule.error))) +
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
            << u"display: -ms-flexbox; display: flex"_s << u"display=flex"_s
            << u"display: -ms-flexbox|"_s;
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
        const ImportedRule imported = importRule(readRule(text), Catalogue(), true);
        QCOMPARE(changes(imported.catalogue), taken);
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
            Catalogue c = edited(edits);
            const int index = Property::indexOf(expected.section(u'=', 0, 0));
            c.setValue(index, u"Old"_s); // no part of a new value; a non-shorthand keeps it
            const Catalogue before = c;
            composeShorthand(c, index);
            composeShorthand(c, index);
            QCOMPARE(c.value(index), expected.section(u'=', 1));
            c.setValue(index, u"Old"_s);
            QVERIFY(c == before); // nothing else changed
        }
    }

    void cssLevels()
    {
        Catalogue c = edited(u"-Color"_s);
        c.selectCssLevel(CssLevel::Css1);
        for (const int i : Property::indices()) // Color stays out: CSS 1 includes nothing
            QCOMPARE(c.isIncluded(i), i != 33 && Property::at(i).level == CssLevel::Css1);
        c.selectCssLevel(CssLevel::Css2);
        QVERIFY(c == Catalogue());
    }

    // A step keeps what changed; a change of nothing is no step; typing in one box folds
    // into one step, and typed and taken back leaves none; the bound holds in steps and in
    // the text the steps hold.
    void history()
    {
        History history;
        QList<EditorState> states(1);
        const auto change = [&](int property, const QString &value, int run) {
            EditorState next = states.last();
            next.catalogue.setValue(property, value);
            history.record(states.last(), next, property, run);
            states << next;
        };
        history.record(states[0], states[0], 0, 0);
        QVERIFY(!history.canUndo());
        change(33, u"r"_s, 1);
        change(33, u"re"_s, 1);
        change(33, u"red"_s, 2);
        QCOMPARE(history.stepCount(), 2);
        EditorState now = states.last();
        QCOMPARE(history.undo(now), std::optional<int>(33));
        QVERIFY(now == states[2]);
        QCOMPARE(history.undo(now), std::optional<int>(33));
        QVERIFY(now == states[0]);
        QCOMPARE(history.undo(now), std::nullopt);
        QVERIFY(history.redo(now) && history.redo(now) && now == states.last());
        change(3, u"x"_s, 3);
        change(3, Property::at(3).defaultValue, 3);
        QCOMPARE(history.stepCount(), 2);

        for (int n = 0; n < History::MaxSteps + 20; ++n)
            change(1 + n % PropertyCount, QString::number(n), 0);
        QCOMPARE(history.stepCount(), History::MaxSteps);
        // Each step holds its 1 MB value twice: before and after.
        const QString megabyte(1 << 19, u'x');
        for (int n = 0; n < 40; ++n)
            change(4, megabyte + QString::number(n), 0);
        QVERIFY(history.textBytes() <= History::MaxTextBytes);
        const qsizetype kept = history.stepCount();
        QVERIFY(kept >= 30 && kept < 40);
        now = states.last();
        while (history.undo(now)) {
        }
        QCOMPARE(now.catalogue.value(4), megabyte + QString::number(40 - kept - 1));
    }

    // Finding a property: names first, then descriptions with a word that begins with the
    // query, then other descriptions; shorter names first within each.
    void search_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("first"); // the first names found
        QTest::addRow("by name, hyphens aside") << u"LineHeight"_s << u"Line-height"_s;
        QTest::addRow("a name before descriptions") << u"width"_s << u"Width Max-width"_s;
        QTest::addRow("inflected Czech, shorter name first")
            << u"vyska"_s << u"Height Max-height Min-height"_s;
        QTest::addRow("without diacritics") << u"sirka"_s << u"Width Max-width Min-width"_s;
        QTest::addRow("a word that begins with the query first")
            << u"okraje"_s << u"Margin-top Margin-left Margin-right Margin-bottom Margin"_s;
    }
    void search()
    {
        QFETCH(QString, query);
        QFETCH(QString, first);
        QStringList names;
        for (const int i : findProperties(query))
            names << Property::at(i).name;
        QCOMPARE(names.mid(0, int(first.count(u' ') + 1)).join(u' '), first);
    }
};

QTEST_GUILESS_MAIN(TestModel)
#include "tst_model.moc"
