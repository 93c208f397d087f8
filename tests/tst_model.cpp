// The style model without a window: the property table, the rule text, reading a rule
// back, and the composition of shorthands.
#include "Composer.h"
#include "RuleBuilder.h"
#include "RuleImport.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A second, deliberately plain reading of how the rule is written.
QString plainRule(const QString &selector, bool onlyChanged, const Catalogue &c)
{
    static const QRegularExpression outerSpaces(u"^ +| +$"_s);
    const auto normal = [](const QString &s) { return s.toLower().remove(outerSpaces); };
    QStringList lines{normal(selector), u"  {"_s};
    for (const int i : Property::indices()) {
        const QString value = normal(c.value(i));
        if (c.isIncluded(i) && !value.isEmpty() &&
            !(onlyChanged && value == normal(Property::at(i).defaultValue)))
            lines << u"  %1: %2;"_s.arg(Property::at(i).name.toLower(), value);
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

} // namespace

class TestModel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void propertyTable()
    {
        QCryptographicHash digest(QCryptographicHash::Sha1);
        int items = 0, shorthands = 0, css2 = 0;
        for (const int i : Property::indices()) {
            const Property &p = Property::at(i);
            QStringList fields{p.name, p.defaultValue, p.description, QString::number(int(p.level)),
                               p.offeredValues.join(u'|')};
            for (const ShorthandPart &part : p.parts) {
                QVERIFY2(Property::indexOf(part.name) > 0, qPrintable(part.name));
                fields << u"%1|%2|%3|%4"_s.arg(part.name, part.fallback, part.joiner)
                              .arg(part.keepsCase);
            }
            digest.addData(fields.join(u'\t').toUtf8() + '\n');
            if (i > 1) // hyphens sort before letters
                QVERIFY2(Property::at(i - 1).name.toLower() < p.name.toLower(), qPrintable(p.name));
            QCOMPARE(p.offeredValues.mid(p.offeredValues.size() - 2) == composeOffer(),
                     p.isShorthand());
            items += int(p.offeredValues.size());
            shorthands += p.isShorthand();
            css2 += p.level == CssLevel::Css2;
        }
        QCOMPARE(QList<int>({items, shorthands, css2}), QList<int>({561, 14, 48}));
        QCOMPARE(digest.result().toHex(), "fe79548d2fcb452638285ad64025cc161ee34d73");
    }

    void ruleText_data()
    {
        QTest::addColumn<QString>("edits"); // see edited(); the selector is " BODY "
        QTest::addColumn<QString>("rule");  // lines joined by "|"
        QTest::addRow("tabs and line breaks are no spaces; full case mapping")
            << u"Padding-bottom=\tİ\n"_s << u"body|  {|  padding-bottom: \ti̇\n;|  }"_s;
    }
    void ruleText()
    {
        QFETCH(QString, edits);
        QFETCH(QString, rule);
        QCOMPARE(::ruleText(u" BODY "_s, true, edited(edits)), rule.replace(u'|', u"\r\n"_s));
    }

    // Random states: the rule reads as plainly written, and read back it builds again
    // byte for byte. The other ways to copy write the same declarations.
    void randomStates()
    {
        QRandomGenerator random(7);
        const QStringList typed{u" "_s,    u"Red"_s,      u"0%  0%"_s, u"AUTO "_s,
                                u"Č\tx"_s, u"url(a;b)"_s, u"'x;y'"_s,  u""_s};
        for (int round = 0; round < 300; ++round) {
            Catalogue c;
            for (const int i : Property::indices()) {
                const QStringList &offered = Property::at(i).offeredValues;
                c.setValue(i, random.bounded(2) ? offered.at(random.bounded(int(offered.size())))
                                                : typed.at(random.bounded(int(typed.size()))));
                c.setIncluded(i, random.bounded(4) != 0);
            }
            if (random.bounded(2))
                c.setKeptDeclarations({u"-x-Unknown: A(b;c)"_s, u"junk"_s});
            const bool onlyChanged = random.bounded(2);
            const QString rule = ::ruleText(u" H1 "_s, onlyChanged, c);
            QCOMPARE(rule, plainRule(u" H1 "_s, onlyChanged, c));
            const ReadRule pieces = readRule(rule);
            QCOMPARE(pieces.error, ReadRule::Error::None);
            const ImportedRule read = importRule(pieces, Catalogue(), onlyChanged);
            QCOMPARE(::ruleText(*read.selector, read.onlyChanged, read.catalogue), rule);
            QCOMPARE(declarationText(onlyChanged, c),
                     rule.section(u"\r\n"_s, 2, -2).replace(u"\r\n  "_s, u"\r\n"_s).mid(2));
        }
        QCOMPARE(styleAttribute(true, edited(u"Color=A&\"B|Font-family=x"_s)),
                 u"style=\"color: a&amp;&quot;b; font-family: x\""_s);
    }

    // Reading a rule: each row is the text and what it reads as, the selector then
    // "text|name|value" for each piece, or the fault and where it is.
    void reading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read");
        const auto row = [](const char *name, const QString &text, const QString &read) {
            QTest::addRow("%s", name) << text << read;
        };
        row("strings hide ; } and :", u"a{content: \"x;}\" ; b : 'y\\';}:' }"_s,
            u"a / content: \"x;}\"|content|\"x;}\" / b : 'y\\';}:'|b|'y\\';}:'"_s);
        row("brackets hide ; : { }", u"background: url(data:a;b{}) red; f([a:b]):c:d"_s,
            u"- / background: url(data:a;b{}) red|background|url(data:a;b{}) red / "
            u"f([a:b]):c:d|f([a:b])|c:d"_s);
        row("comments, !important, repeated names, empty pieces",
            u"/*0*/h1 /*{*/{;;col/*:*/or /*4*/: red !important; /*;*/color: blue;}"_s,
            u"h1 / color : red !important|color|red !important / color: blue|color|blue"_s);
        row("no colon, empty name, empty value", u"p{ junk x; : red; color: }"_s,
            u"p / junk x|| / : red||red / color:|color|"_s);
        row("escapes", u"a\\;b: d\\}e"_s, u"- / a\\;b: d\\}e|a\\;b|d\\}e"_s);
        row("second rule", u"p{} /*ok*/ a{}"_s, u"TextAfterRule 11"_s);
        row("unclosed string", u"p { a: \"b; }"_s, u"UnclosedString 7"_s);
        row("unclosed bracket", u"p { a: url(x; }"_s, u"UnclosedBracket 10"_s);
        row("nested block", u"p { a { } }"_s, u"NestedBlock 6"_s);
        row("missing and stray braces", u"p { a: b"_s, u"MissingClosingBrace 2"_s);
        row("stray closing brace", u"a: b } p {}"_s, u"StrayClosingBrace 5"_s);
    }
    void reading()
    {
        QFETCH(QString, text);
        QFETCH(QString, read);
        static const QStringList faults = u"None UnclosedComment UnclosedString UnclosedBracket "
                                          u"MissingClosingBrace NestedBlock TextAfterRule "
                                          u"StrayClosingBrace"_s.split(u' ');
        const ReadRule rule = readRule(text);
        QStringList shown{rule.hasSelector ? rule.selector : u"-"_s};
        for (const DeclarationPiece &piece : rule.pieces)
            shown << piece.text + u'|' + piece.name + u'|' + piece.value;
        if (rule.error != ReadRule::Error::None)
            shown = {faults.at(int(rule.error)) + u' ' + QString::number(rule.errorAt)};
        QCOMPARE(shown.join(u" / "_s), read);
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
};

QTEST_GUILESS_MAIN(TestModel)
#include "tst_model.moc"
