// The rule pane's colours, read back from the document's layout: each kind of piece, the
// wavy underlines under an invalid value or name and under one without effect, values and
// comments over several lines.
#include "RuleHighlighter.h"

#include <QPalette>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

using namespace Qt::StringLiterals;
using Part = RuleHighlighter::Part;

namespace {

const QString Rule = u"p.note a[href$=\".pdf\"]\n"
                     u"  {\n"
                     u"  color: red;\n"
                     u"  margin: 1px 10 0;\n"
                     u"  font-family: a\\ ; text-align: left;\n"
                     u"  content: \"a;b\" /* note\n"
                     u"  d */ ;\n"
                     u"  font-family: \"Times\n"
                     u"  width: 5px !IMPORTANT;\n"
                     u"  border: solid\n"
                     u"reed 1px;\n"
                     u"  colr: red; border-radius: 4 px;\n"
                     u"  gap: 1rem; height: 1em; top; : 4 px;\n"
                     u"  }\n"
                     u"  color: reed\n"
                     u"p { \\63 olor: 10; background-image: url(data:image/png;base64,iVBO;x) }"_s;

// A document laid out, as a pane's is: it tells of its changes only then.
std::unique_ptr<QTextDocument> laidOut(const QString &text)
{
    auto doc = std::make_unique<QTextDocument>();
    doc->documentLayout();
    doc->setPlainText(text);
    return doc;
}

QPalette lightPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    return palette;
}

// What the piece of line `line` shows: the part whose colour all of it has ("plain" for
// none, "mixed"), and "~" when all of it is underlined with a wave.
QString look(const QTextDocument &doc, const RuleHighlighter &h, int line, const QString &piece)
{
    const QTextBlock block = doc.findBlockByNumber(line);
    const qsizetype start = block.text().indexOf(piece);
    if (start < 0 || block.text().indexOf(piece, start + 1) >= 0)
        return u"piece not found once"_s;
    QStringList looks;
    for (qsizetype i = start; i < start + piece.size(); ++i) {
        QTextCharFormat f;
        for (const QTextLayout::FormatRange &r : block.layout()->formats())
            if (r.start <= i && i < r.start + r.length)
                f = r.format;
        static const char *const names[] = {
            "selector", "name", "value", "string", "comment", "important"};
        QString name = u"plain"_s;
        for (int p = 0; p < int(Part::Count); ++p)
            if (f.foreground() == h.partFormat(Part(p)).foreground())
                name = QString::fromLatin1(names[p]);
        if (f.underlineStyle() == QTextCharFormat::WaveUnderline)
            name += f.underlineColor() == h.underlineColour()  ? u"~"_s
                    : f.underlineColor() == h.noEffectColour() ? u"≈"_s
                                                               : u"?"_s;
        if (!looks.contains(name))
            looks << name;
    }
    return looks.size() == 1 ? looks.front() : u"mixed "_s + looks.join(u' ');
}

} // namespace

class TestHighlighter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pieces_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("piece");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, int line, const QString &piece, const char *look) {
            QTest::newRow(name) << line << piece << QString::fromUtf8(look);
        };
        row("selector", 0, u"p.note a[href$="_s, "selector");
        row("string in the selector", 0, u"\".pdf\""_s, "string");
        row("name", 2, u"color"_s, "name");
        row("valid value", 2, u"red"_s, "value");
        row("valid part of an invalid value", 3, u"1px"_s, "value");
        row("missing unit underlined", 3, u"10"_s, "value~");
        row("valid part after the fault", 3, u"0;"_s, "mixed value plain");
        row("escape keeps one character", 4, u"text-align"_s, "name");
        row("string in a value", 5, u"\"a;b\""_s, "string");
        row("comment", 5, u"/* note"_s, "comment");
        row("comment on the next line", 6, u"d */"_s, "comment");
        row("unclosed string underlined", 7, u"\"Times"_s, "string~");
        row("a broken string runs to the semicolon", 8, u"width"_s, "value");
        row("important", 8, u"!IMPORTANT"_s, "important");
        row("value over lines, valid part", 9, u"solid"_s, "value");
        row("value over lines, fault", 10, u"reed"_s, "value~");
        row("unknown name underlined", 11, u"colr"_s, "name~");
        row("today's property, its fault underlined", 11, u"4"_s, "value~");
        row("today's property valid", 12, u"1rem"_s, "value");
        row("no effect on an inline element", 12, u"1em"_s, "value≈");
        row("a value after a name without one is not judged", 12, u"4 px"_s, "value");
        row("declaration after the rule", 14, u"color"_s, "selector");
        row("a name read through its escapes", 15, u"10"_s, "value~");
        row("an unquoted url() is one token, ; and all",
            15,
            u"url(data:image/png;base64,iVBO;x)"_s,
            "value");
    }

    void pieces()
    {
        QFETCH(int, line);
        QFETCH(QString, piece);
        QFETCH(QString, expected);
        const auto doc = laidOut(Rule);
        const RuleHighlighter h(doc.get(), lightPalette());
        QCOMPARE(look(*doc, h, line, piece), expected);
        QCOMPARE(doc->toPlainText(), Rule);
    }

    void declarationsWithoutRule()
    {
        const auto doc = laidOut(u"color: reed; margin:\n 10"_s);
        const RuleHighlighter h(doc.get(), lightPalette());
        QCOMPARE(look(*doc, h, 0, u"color"_s), u"name"_s);
        QCOMPARE(look(*doc, h, 0, u"reed"_s), u"value~"_s);
        QCOMPARE(look(*doc, h, 1, u"10"_s), u"value~"_s); // the text's end ends the value
        // A "{" typed later makes the text a rule: what came before it is its selector.
        QTextCursor(doc.get()).insertText(u"{"_s);
        QCOMPARE(look(*doc, h, 0, u"color"_s), u"name"_s);
        QTextCursor(doc.get()).insertText(u"p "_s);
        QCOMPARE(look(*doc, h, 0, u"p {"_s), u"mixed selector plain"_s);
    }

    // A change on one line of a value changes the verdict shown on the others.
    void valueOverLinesEdited()
    {
        const auto doc = laidOut(u"p {\n  font: 12px\n    serif;\n  }"_s);
        const RuleHighlighter h(doc.get(), lightPalette());
        QCOMPARE(look(*doc, h, 1, u"12px"_s), u"value"_s);
        QTextCursor cursor(doc->findBlockByNumber(2));
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cursor.insertText(u"    ;"_s);
        QCOMPARE(look(*doc, h, 1, u"12px"_s), u"value~"_s);
        cursor.movePosition(QTextCursor::Left);
        cursor.insertText(u"x"_s);
        QCOMPARE(look(*doc, h, 1, u"12px"_s), u"value"_s);
    }

    // What the rule says of its element: what a browser keeps of it, read on each change.
    void noEffect_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected"); // the look of "1px" on the last line
        const auto row = [](const char *name, const QString &text, const char *look) {
            QTest::newRow(name) << text << QString::fromUtf8(look);
        };
        row("static by default", u"span {\n  top: 1px }"_s, "value≈");
        row("positioned", u"span { position: absolute;\n  top: 1px }"_s, "value");
        row("an invalid position is dropped",
            u"span { position: absolute; position: statik;\n  top: 1px }"_s,
            "value");
        row("an earlier !important one stays",
            u"span { position: absolute ! important; position: static;\n  top: 1px }"_s,
            "value");
        row("a value over lines read whole",
            u"span { display: block\n  flow; width: 1px;\n  height: 1px }"_s,
            "value");
        row("declarations only: no element", u"display: inline;\n  width: 1px"_s, "value");
        row("text too long to read whole",
            u"span { /*"_s + QString(RuleHighlighter::MaxContextText, u'x') + u"*/\n  top: 1px }"_s,
            "value");
    }

    void noEffect()
    {
        QFETCH(QString, text);
        const auto doc = laidOut(text);
        const RuleHighlighter h(doc.get(), lightPalette());
        QTEST(look(*doc, h, doc->blockCount() - 1, u"1px"_s), "expected");
    }

    void noEffectFollowsTheRule()
    {
        const auto doc = laidOut(u"span {\n  top: 0;\n  }"_s);
        const RuleHighlighter h(doc.get(), lightPalette());
        QCOMPARE(look(*doc, h, 1, u"0"_s), u"value≈"_s);
        QTextCursor(doc->findBlockByNumber(2)).insertText(u"  position: absolute;\n"_s);
        QCOMPARE(look(*doc, h, 1, u"0"_s), u"value"_s);
    }

    void paletteLightAndDark()
    {
        const auto doc = laidOut(Rule);
        RuleHighlighter h(doc.get(), lightPalette());
        QPalette dark;
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::Text, QColor(230, 230, 230));
        for (const QPalette &palette : {lightPalette(), dark}) {
            h.setPalette(palette);
            const int base = palette.color(QPalette::Base).lightness();
            for (int p = 0; p < int(Part::Count); ++p) {
                const int lightness = h.partFormat(Part(p)).foreground().color().lightness();
                QVERIFY2(std::abs(lightness - base) >= 90, qPrintable(QString::number(p)));
            }
            QCOMPARE(look(*doc, h, 2, u"color"_s), u"name"_s);
        }
    }
};

QTEST_MAIN(TestHighlighter)
#include "tst_highlighter.moc"
