#include "RuleReader.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The result as lines: "selector{" when there is one, then "text|name|value" per piece, or
// "Error@offset" alone.
QStringList shown(const ReadRule &rule)
{
    static const QStringList errors = u"None UnclosedComment UnclosedString UnclosedBracket "
                                      u"MissingClosingBrace NestedBlock TextAfterRule "
                                      u"StrayClosingBrace"_s.split(u' ');
    if (rule.error != ReadRule::Error::None)
        return {errors.at(int(rule.error)) + u'@' + QString::number(rule.errorAt)};
    QStringList lines;
    if (rule.hasSelector)
        lines << rule.selector + u'{';
    for (const DeclarationPiece &piece : rule.pieces)
        lines << piece.text + u'|' + piece.name + u'|' + piece.value;
    return lines;
}

// How the program writes a read rule back into the pane.
QString written(const ReadRule &rule)
{
    QString text = rule.hasSelector ? rule.selector + u" {"_s : QString();
    for (const DeclarationPiece &piece : rule.pieces)
        text += u"\n  "_s + piece.text + u';';
    return rule.hasSelector ? text + u"\n}"_s : text;
}

} // namespace

class TestRuleReader : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void read_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char *name, const QString &text, const QStringList &expected) {
            QTest::addRow("%s", name) << text << expected;
        };
        row("rule", u"p { margin: 0 auto; color: #333 }"_s,
            {u"p{"_s, u"margin: 0 auto|margin|0 auto"_s, u"color: #333|color|#333"_s});
        row("strings hide ; } and :", u"a{content: \"x;}\" ; b : 'y\\';}:' }"_s,
            {u"a{"_s, u"content: \"x;}\"|content|\"x;}\""_s, u"b : 'y\\';}:'|b|'y\\';}:'"_s});
        row("brackets hide ; : { }", u"x{background: url(data:a;b{}) red; grid: [x;y] 1fr}"_s,
            {u"x{"_s, u"background: url(data:a;b{}) red|background|url(data:a;b{}) red"_s,
             u"grid: [x;y] 1fr|grid|[x;y] 1fr"_s});
        row("colon in brackets before the real one", u"f([a:b]):c:d"_s,
            {u"f([a:b]):c:d|f([a:b])|c:d"_s});
        row("mismatched closer is plain text", u"a: f(]; b)"_s, {u"a: f(]; b)|a|f(]; b)"_s});
        row("comments", u"/*0*/h1 /*{*/, h2/**/{/*;*/col/*:*/or /*4*/: red /*}*/; /*6*/}"_s,
            {u"h1 , h2{"_s, u"color : red|color|red"_s});
        row("comment kept where / and * would meet", u"a: //*c*/*b /*x*/* c"_s,
            {u"a: //*c*/*b * c|a|//*c*/*b * c"_s});
        row("!important, repeated names, empty pieces", u";;color:red !important;; color: blue;"_s,
            {u"color:red !important|color|red !important"_s, u"color: blue|color|blue"_s});
        row("no colon, empty name, empty value", u"p{ junk x; : red; color: }"_s,
            {u"p{"_s, u"junk x||"_s, u": red||red"_s, u"color:|color|"_s});
        row("escapes", u"a\\;b\\:c: d\\}e\\\"f; x: \\ y\\ "_s,
            {u"a\\;b\\:c: d\\}e\\\"f|a\\;b\\:c|d\\}e\\\"f"_s, u"x: \\ y\\ |x|\\ y\\ "_s});
        row("selector with string and bracket", u" q[x=\"{\"] , \"{\\\"\" {a:\"}\"}"_s,
            {u"q[x=\"{\"] , \"{\\\"\"{"_s, u"a:\"}\"|a|\"}\""_s});
        row("empty selector, empty block", u" {}"_s, {u"{"_s});
        row("empty text", u" \t/* */\r\n\f"_s, {});
        row("only listed white space is trimmed", u"\v\u00A0a \t:\u00A0b \n"_s,
            {u"\v\u00A0a \t:\u00A0b|\v\u00A0a|\u00A0b"_s});
        row("NUL, lone surrogates, emoji, RTL", u"n\0m: \xDC00\U0001F600 \u05E9\xD800"_s,
            {u"n\0m: \xDC00\U0001F600 \u05E9\xD800|n\0m|\xDC00\U0001F600 \u05E9\xD800"_s});
        row("unclosed comment", u"p { a: b /* c }"_s, {u"UnclosedComment@9"_s});
        row("unclosed string", u"p { a: \"b; }"_s, {u"UnclosedString@7"_s});
        row("escaped closing quote", u"a: 'b\\'"_s, {u"UnclosedString@3"_s});
        row("backslash at the end", u"a: b\\"_s, {u"UnclosedString@4"_s});
        row("unclosed bracket", u"p { a: url(x; }"_s, {u"UnclosedBracket@10"_s});
        row("outermost unclosed bracket", u"a: (b) f([)"_s, {u"UnclosedBracket@8"_s});
        row("missing closing brace", u"p { a: b\\}"_s, {u"MissingClosingBrace@2"_s});
        row("nested block", u"p { a { } }"_s, {u"NestedBlock@6"_s});
        row("second rule", u"p{} /*ok*/ a{}"_s, {u"TextAfterRule@11"_s});
        row("stray closing brace", u"a: b } p {}"_s, {u"StrayClosingBrace@5"_s});
    }

    void read()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        const ReadRule rule = readRule(text);
        QCOMPARE(shown(rule), expected);
        if (rule.error == ReadRule::Error::None)
            QCOMPARE(shown(readRule(written(rule))), expected);
    }
};

QTEST_GUILESS_MAIN(TestRuleReader)
#include "tst_rulereader.moc"
