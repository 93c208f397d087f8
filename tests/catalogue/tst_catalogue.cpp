// The property table: every row against a reference a reviewer reads (tests/data/
// properties.txt, where a changed row shows in a diff), what each shorthand sets, and
// finding a property, stepping a number of a value.
#include "Longhands.h"
#include "NumberStep.h"
#include "Property.h"
#include "PropertySearch.h"
#include "catalogue/ExpectedLonghands.h"

#include <QFile>
#include <QTest>

namespace {

// One property's facts, a line each: what the reference file holds.
QStringList describe(int index)
{
    const Property &p = Property::at(index);
    QStringList lines{u"%1 %2"_s.arg(index).arg(p.name),
                      u"  default: "_s + p.defaultValue,
                      u"  description: "_s + p.description,
                      u"  level: CSS "_s + (p.level == CssLevel::Css1 ? u"1"_s : u"2"_s),
                      u"  grammar: "_s + p.grammar,
                      u"  offers: "_s + p.offeredValues.join(u" | "_s)};
    if (p.descriptionOf != nullptr)
        lines << u"  described as: "_s + QString::fromUtf8(p.descriptionOf);
    for (const ShorthandPart &part : p.parts) {
        QString line = u"  part: "_s + part.name;
        if (!part.fallback.isNull())
            line += u", else "_s + part.fallback;
        if (part.joiner != u' ')
            line += u", joined by "_s + part.joiner;
        if (part.keepsCase)
            line += u", case kept"_s;
        lines << line;
    }
    if (!p.resets.isEmpty())
        lines << u"  resets: "_s + p.resets.join(u", "_s);
    for (const ValueNote &note : p.notes)
        lines << u"  %1: %2 (%3)"_s.arg(note.kind == ValueNote::Kind::DroppedInCss21 ? u"dropped"_s
                                                                                     : u"mistake"_s,
                                        note.grammar,
                                        QString::fromUtf8(note.reason));
    return lines;
}

} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The table as reviewed. A row that changes is named with its lines as the table has
    // them; STYLOMAT_WRITE_REFERENCE=1 writes the file anew, so that the change is looked at
    // in its diff.
    void propertyTable()
    {
        const QString path = QStringLiteral(STYLOMAT_TEST_DATA "/properties.txt");
        QStringList actual;
        for (const int i : Property::indices())
            actual << describe(i);
        if (qEnvironmentVariableIntValue("STYLOMAT_WRITE_REFERENCE") == 1) {
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write((actual.join(u'\n') + u'\n').toUtf8());
        }
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        const QStringList reviewed =
            QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
        for (qsizetype n = 0; n < std::max(actual.size(), reviewed.size()); ++n) {
            const QString is = actual.value(n);
            const QString was = reviewed.value(n);
            QVERIFY2(is == was,
                     qPrintable(u"line %1 of %2: the table has \"%3\", the reference "
                                u"\"%4\""_s.arg(n + 1)
                                    .arg(path, is, was)));
        }
        // Facts of the whole table.
        int items = 0, shorthands = 0, css2 = 0;
        for (const int i : Property::indices()) {
            const Property &p = Property::at(i);
            if (i > 1) // hyphens sort before letters
                QVERIFY2(Property::at(i - 1).name.toLower() < p.name.toLower(), qPrintable(p.name));
            QCOMPARE(p.offeredValues.mid(p.offeredValues.size() - 2) == composeOffer(),
                     p.isShorthand());
            for (const ShorthandPart &part : p.parts)
                QVERIFY2(Property::indexOf(part.name) > 0, qPrintable(part.name));
            items += int(p.offeredValues.size());
            shorthands += p.isShorthand();
            css2 += p.level == CssLevel::Css2;
        }
        QCOMPARE(QList<int>({items, shorthands, css2}), QList<int>({561, 14, 48}));
    }

    // What each property sets, against the lists written out by hand; a longhand sets
    // itself.
    void longhands()
    {
        int shorthands = 0;
        for (const int i : Property::indices()) {
            QCOMPARE(Property::longhands(i), expectedSets(i));
            shorthands += expectedLonghands().contains(Property::at(i).name.toLower());
        }
        QCOMPARE(shorthands, 14);
    }

    // What a declaration of any name sets, prefixes, aliases and logical sides included.
    void longhandsOfAnyName()
    {
        for (const QString &row :
             {u"-webkit-box-shadow: box-shadow"_s,
              u"--Gap: --Gap"_s,
              u"BORDER-LEFT: border-left-width border-left-style border-left-color"_s,
              u"margin-inline-start: margin-top margin-right margin-bottom margin-left"_s,
              u"word-wrap: overflow-wrap"_s,
              u"all: *"_s})
            QCOMPARE(longhands::of(row.section(u": "_s, 0, 0)).join(u' '), row.section(u": "_s, 1));
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
        QTest::addRow("nothing for nothing") << u" - "_s << QString();
    }
    void search()
    {
        QFETCH(QString, query);
        QFETCH(QString, first);
        QStringList names;
        for (const int i : findProperties(query))
            names << Property::at(i).name;
        QCOMPARE(names.mid(0, first.isEmpty() ? 1 : int(first.count(u' ') + 1)).join(u' '), first);
    }

    // A number stepped: the one at or before the cursor, else the first; its unit, sign and
    // decimals kept; "px" only where the property's grammar wants a length.
    void numberStep_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("value"); // "|" is the cursor
        QTest::addColumn<double>("by");
        QTest::addColumn<QString>("stepped"); // "|" the cursor after; empty for no step
        const auto row = [](const char *tag,
                            const char *property,
                            const QString &value,
                            double by,
                            const QString &stepped) {
            QTest::addRow("%s", tag) << QString::fromLatin1(property) << value << by << stepped;
        };
        row("the number before the cursor", "margin", u"0 auto|"_s, 1, u"1px| auto"_s);
        row("the number the cursor ends", "margin", u"10px| 20px"_s, -1, u"9px| 20px"_s);
        row("the last before the cursor", "margin", u"10px 20px |x"_s, 10, u"10px 30px| x"_s);
        row("the first when none is before", "margin", u"| 1em 2em"_s, 1, u" 2em| 2em"_s);
        row("a tenth, decimals kept", "line-height", u"1.25|"_s, -0.1, u"1.15|"_s);
        row("a tenth added to a whole number", "line-height", u"1|"_s, 0.1, u"1.1|"_s);
        row("a number begun with its point", "line-height", u".5|"_s, 1, u"1.5|"_s);
        row("no more decimals than it had",
            "line-height",
            u"12345678.123|"_s,
            0.1,
            u"12345678.223|"_s);
        row("below zero", "z-index", u"0|"_s, -1, u"-1|"_s);
        row("a percentage", "width", u"50%|"_s, 1, u"51%|"_s);
        row("a sign kept", "text-indent", u"+5px|"_s, 1, u"+6px|"_s);
        row("no minus zero", "text-indent", u"-0.5em|"_s, 0.5, u"0em|"_s);
        row("font-weight to the next hundred", "font-weight", u"450|"_s, -1, u"400|"_s);
        row("font-weight ends at 900", "font-weight", u"900|"_s, 10, u"900|"_s);
        row("font-weight starts at 100", "font-weight", u"100|"_s, -1, u"100|"_s);
        row("no number", "width", u"auto|"_s, 1, QString());
        row("a name with digits is no number", "font-family", u"Arial2|"_s, 1, QString());
    }
    void numberStep()
    {
        QFETCH(QString, property);
        QFETCH(QString, value);
        QFETCH(double, by);
        QFETCH(QString, stepped);
        const qsizetype cursor = value.indexOf(u'|');
        const std::optional<NumberStep> step =
            NumberStep::in(Property::indexOf(property), value.remove(u'|'), cursor, by);
        QCOMPARE(step ? QString(step->value).insert(step->cursor, u'|') : QString(), stepped);
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
