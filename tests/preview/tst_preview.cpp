// The preview: which sample a selector gets and what the info line says of the
// declarations; rules drawn into images, checked at the pixels they must change; the
// window following the rule.
#include "PreviewCanvas.h"
#include "PreviewDocument.h"
#include "PreviewWindow.h"
#include "RuleDocument.h"

#include <QBuffer>
#include <QLabel>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

PreviewRule ruleOf(const QString &text)
{
    return PreviewRule::read(text);
}

QImage drawn(const QString &rule)
{
    const QImage image = PreviewCanvas::render(ruleOf(rule), QSize(320, 240));
    return image.convertToFormat(QImage::Format_RGB32);
}

// The first and last column (or row) of `line` at which the image has colour `c`, or -1.
std::pair<int, int> run(const QImage &image, QRgb c, int line, bool alongRow)
{
    int first = -1;
    int last = -1;
    const int length = alongRow ? image.width() : image.height();
    for (int i = 0; i < length; ++i) {
        if ((alongRow ? image.pixel(i, line) : image.pixel(line, i)) == (c | 0xff000000)) {
            first = first < 0 ? i : first;
            last = i;
        }
    }
    return {first, last};
}

int count(const QImage &image, const std::function<bool(QRgb)> &matches)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += matches(image.pixel(x, y)) ? 1 : 0;
    return n;
}

QString pngDataUri(QRgb colour)
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray png;
    QBuffer buffer(&png);
    image.save(&buffer, "PNG");
    return u"data:image/png;base64,"_s + QString::fromLatin1(png.toBase64());
}

// Where a picture has a colour (each channel within 12), or ink (dark in every channel) for `c` 0:
// the runs of rows that have it (gaps of up to 2 rows bridged), each with its first and last
// column, and the runs of columns. Compared with a browser's picture, these are the edges of boxes,
// the text's lines and their ends.
QList<int> edges(const QImage &image, QRgb c)
{
    const auto near = [c](QRgb p) {
        return std::abs(qRed(p) - qRed(c)) <= 12 && std::abs(qGreen(p) - qGreen(c)) <= 12 &&
               std::abs(qBlue(p) - qBlue(c)) <= 12;
    };
    // A grey counts in a run of nine, across or down, as a box's side is; a letter's soft
    // edges have short runs of every grey.
    const bool grey = QColor(c).saturation() <= 64;
    const auto has = [&](int x, int y) {
        const QRgb p = image.pixel(x, y);
        if (c == 0)
            return std::max({qRed(p), qGreen(p), qBlue(p)}) < 110;
        const auto at = [&](int dx, int dy) {
            return image.valid(x + dx, y + dy) && near(image.pixel(x + dx, y + dy));
        };
        const auto run = [&](int dx, int dy) {
            int length = 1;
            for (int i = 1; i < 9 && at(i * dx, i * dy); ++i)
                ++length;
            for (int i = 1; length < 9 && at(-i * dx, -i * dy); ++i)
                ++length;
            return length >= 9;
        };
        return near(p) && (!grey || run(1, 0) || run(0, 1));
    };
    QList<int> rows(image.height(), -1);
    QList<int> lefts(image.height(), image.width());
    QList<bool> columns(image.width(), false);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (has(x, y)) {
                rows[y] = std::max(rows[y], x);
                lefts[y] = std::min(lefts[y], x);
                columns[x] = true;
            }
    QList<int> found;
    for (int y = 0, start = -1, left = 0, right = 0; y <= image.height(); ++y) {
        const bool on = y < image.height() && rows[y] >= 0;
        if (on && start < 0)
            start = y, left = lefts[y], right = rows[y];
        else if (on)
            left = std::min(left, lefts[y]), right = std::max(right, rows[y]);
        const bool ends =
            y + 3 > image.height() || (rows[y] < 0 && rows[y + 1] < 0 && rows[y + 2] < 0);
        if (start >= 0 && !on && ends) {
            const int last =
                int(std::distance(
                    rows.begin(),
                    std::find_if(rows.rend() - y, rows.rend(), [](int r) { return r >= 0; })
                        .base())) -
                1;
            found << start << last << left << right;
            start = -1;
        }
    }
    found << -1; // rows, then columns, which for text would be every letter's
    for (int x = 0; x < image.width() && c != 0; ++x)
        if (columns[x] && (x == 0 || !columns[x - 1]))
            found << x;
        else if (columns[x] && (x + 1 == image.width() || !columns[x + 1]))
            found << x;
    return found;
}

QString joined(const QList<int> &numbers)
{
    QStringList texts;
    for (const int n : numbers)
        texts << QString::number(n);
    return texts.join(u',');
}

// What differs by more than 2 pixels between the preview's picture and a browser's, for
// each colour that covers 40 pixels of the browser's and for the ink.
QStringList differences(const QImage &preview, const QImage &browser)
{
    QHash<QRgb, int> colours;
    for (int y = 0; y < browser.height(); ++y)
        for (int x = 0; x < browser.width(); ++x)
            ++colours[browser.pixel(x, y)];
    QList<QRgb> compared{0};
    for (auto c = colours.cbegin(); c != colours.cend(); ++c) {
        // Text's edges have many shades of a few dozen pixels each; boxes have more. Dark
        // greys are ink.
        const bool grey = QColor(c.key()).saturation() <= 64;
        if (c.key() != 0xffffffff && c.value() >= (grey ? 600 : 80) &&
            (!grey || qGray(c.key()) >= 100))
            compared << c.key();
    }
    QStringList found;
    for (const QRgb c : compared) {
        const QList<int> mine = edges(preview, c);
        const QList<int> theirs = edges(browser, c);
        bool same = mine.size() == theirs.size();
        for (qsizetype i = 0; same && i < mine.size(); ++i)
            same = std::abs(mine[i] - theirs[i]) <= 2;
        if (!same)
            found << u"%1 %2 / %3"_s.arg(
                c ? QColor(c).name() : u"ink"_s, joined(mine), joined(theirs));
    }
    return found;
}

} // namespace

class TestPreview : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sampleForTheSelector_data()
    {
        QTest::addColumn<QString>("selector");
        QTest::addColumn<QString>("info");
        const QString between = u" mezi dvěma odstavci."_s;
        QTest::newRow("descendant, class, child, pseudo-class")
            << u"ul li.x > a:hover"_s << u"Ukázka: <a> jako odkaz v textu odstavce."_s;
        QTest::newRow("id only")
            << u"#id"_s << u"Ukázka: <div> mezi dvěma odstavci (selektor nejmenuje prvek)."_s;
        QTest::newRow("upper case") << u"TD"_s << u"Ukázka: <td> jako buňka tabulky."_s;
        QTest::newRow("last of a list") << u"h1, P"_s << u"Ukázka: <p>"_s + between;
        QTest::newRow("combinators inside brackets")
            << u"p a[title='x > y'] ~ LI:not(.a b)"_s
            << u"Ukázka: <li> jako prostřední položka seznamu."_s;
        QTest::newRow("adjacent, no spaces")
            << u"dt+dd"_s << u"Ukázka: <dd> jako výklad v seznamu definic."_s;
        QTest::newRow("unknown element")
            << u"article"_s
            << u"Ukázka: <div> mezi dvěma odstavci (prvek „article“ náhled nezná)."_s;
        QTest::newRow("ends in a combinator")
            << u"blockquote >"_s << u"Ukázka: <blockquote>"_s + between;
        QTest::newRow("namespace prefix") << u"svg|em"_s << u"Ukázka: <em> v textu odstavce."_s;
        QTest::newRow("universal")
            << u"*"_s << u"Ukázka: <div> mezi dvěma odstavci (selektor nejmenuje prvek)."_s;
        QTest::newRow("style is hidden")
            << u"style"_s << u"Ukázka: <style> skrytý, dokud pravidlo nezmění display."_s;
    }
    void sampleForTheSelector()
    {
        QFETCH(QString, selector);
        QFETCH(QString, info);
        const PreviewDocument document(PreviewRule{selector, {{u"color"_s, u"red"_s}}, {}});
        QCOMPARE(document.info(), info);
        QCOMPARE(document.html().count(u" style=\"color: red\""_s), 1);
        QCOMPARE(document.html().count(u"style="_s), 1);
    }

    void whatReachesTheRenderer_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("style"); // the style attribute as the page has it
        QTest::addColumn<QString>("info");
        const QString p = u"Ukázka: <p> mezi dvěma odstavci."_s;
        const QString ul = u"Ukázka: <ul> jako seznam o třech položkách."_s;
        QTest::newRow("quotes and ampersands escaped")
            << u"p { font-family: \"a&b\", serif }"_s
            << u"font-family: &quot;a&amp;b&quot;, serif"_s << p;
        QTest::newRow("print, speech and not drawn")
            << u"p { page-break-after: always; color: red; letter-spacing: 2px; volume: loud; "
               u"Orphans: 2; -moz-thing: 1 }"_s
            << u"color: red"_s
            << p + u" Bez účinku: page-break-after, volume, orphans (jen pro tisk nebo řeč); "
                   u"letter-spacing, -moz-thing (náhled je nekreslí)."_s;
        QTest::newRow("values drawn otherwise are passed and named")
            << u"li { text-align: JUSTIFY; list-style: square inside; list-style-position: outside }"_s
            << u"text-align: JUSTIFY; list-style: square inside; list-style-position: outside"_s
            << u"Ukázka: <li> jako prostřední položka seznamu. Bez účinku: text-align: JUSTIFY, "
               u"list-style: square inside (náhled je nekreslí)."_s;
        // Passed on, as a browser has them, and named for what the rule makes of the element.
        QTest::newRow("no effect on this element, as a browser keeps the rule")
            << u"p { vertical-align: sub; top: 1px; position: absolute !important; float: left; "
               u"list-style: square; z-index: 2; Position: static; display: inline; width: 1em; "
               u"left: 0; display: bogus }"_s
            << u"vertical-align: sub; top: 1px; position: absolute !important; float: left; "
               u"list-style: square; z-index: 2; position: static; display: inline; width: 1em; left: 0"_s
            << p + u" Bez účinku: vertical-align (nemá účinek u blokového prvku); float (nemá "
                   u"účinek u prvku s position absolute nebo fixed); list-style (nemá účinek u "
                   u"prvku, který není položkou seznamu (display: list-item, li)). Vynecháno: "
                   u"display (neplatná hodnota)."_s;
        QTest::newRow("no effect, on a span and while static")
            << u"span { height: 2em; top: 1px; z-index: 1; text-indent: 1em; display: inline }"_s
            << QString()
            << u"Ukázka: <span> v textu odstavce. Bez účinku: height (nemá účinek u řádkového "
               u"prvku, který není nahrazený (jako span nebo a)); top, z-index (nemá účinek, "
               u"dokud je position static); text-indent (nemá účinek u řádkového prvku)."_s;
        QTest::newRow("addresses by reference, once each")
            << u"ul { background: url( 'a b.png' ) red; list-style-image: URL(a\\ b.png) }"_s
            << u"background: url(stylomat-address:0) red; list-style-image: url(stylomat-address:0)"_s
            << ul;
        QTest::newRow("url in a string stays")
            << u"p { font-family: \"url(x)\" }"_s << u"font-family: &quot;url(x)&quot;"_s << p;
        QTest::newRow("width keywords as lengths")
            << u"p { border: THICK double; border-left-width: thin }"_s
            << u"border: 5px double; border-left-width: 1px"_s << p;
        QTest::newRow("a style without a width gets medium's")
            << u"p { border-style: solid none; border-top-width: 1px }"_s
            << u"border-style: solid none; border-top-width: 1px; border-bottom-width: 3px"_s << p;
        QTest::newRow("a shorthand resets the width")
            << u"p { border-top-width: 1px; border-top: dotted }"_s
            << u"border-top-width: 1px; border-top: dotted; border-top-width: 3px"_s << p;
        QTest::newRow("no declaration") << u"p { co/lor: red; color: blue }"_s << u"color: blue"_s
                                        << p + u" Vynecháno: „co/lor: red“ (není deklarace)."_s;
        QTest::newRow("what a browser drops never reaches it")
            << u"p { border-radius: 4 px; border-radius: 4px; color: reed; display: compact }"_s
            << u"border-radius: 4px"_s
            << p + u" Vynecháno: border-radius (neplatná hodnota), color (neplatná hodnota), "
                   u"display (neplatná hodnota)."_s;
        QTest::newRow("no property name")
            << u"p { --brand: red; color: blue }"_s << u"color: blue"_s
            << p + u" Vynecháno: „--brand“ (není název vlastnosti)."_s;
        QTest::newRow("an address as CSS reads it, escapes and all")
            << u"ul { background-image: url(\\64 ata:x); list-style-image: url( \"a\\\"b\" ) }"_s
            << u"background-image: url(stylomat-address:0); list-style-image: url(stylomat-address:1)"_s
            << ul;
        QTest::newRow("value too long")
            << u"p { font-family: "_s + QString(PreviewDocument::MaxValueLength + 1, u'x') +
                   u"; color: red }"_s
            << u"color: red"_s << p + u" Vynecháno: font-family (hodnota delší než 2000 znaků)."_s;
        QString many = u"p { "_s;
        for (int i = 0; i < PreviewDocument::MaxDeclarations + 2; ++i)
            many += u"margin-top: %1px; "_s.arg(i);
        QTest::newRow("too many declarations")
            << many + u"}"_s << QString() << p + u" Vynecháno: deklarace od 129. dál (2)."_s;
        QString urls = u"p { background-image: "_s;
        for (int i = 0; i <= PreviewDocument::MaxAddresses; ++i)
            urls += u"url(%1.png) "_s.arg(i);
        QTest::newRow("too many addresses")
            << urls + u"; color: red }"_s << u"color: red"_s
            << p + u" Vynecháno: background-image (adres url() víc než 32)."_s;
    }
    void whatReachesTheRenderer()
    {
        QFETCH(QString, rule);
        QFETCH(QString, style);
        QFETCH(QString, info);
        const PreviewDocument document(ruleOf(rule));
        QCOMPARE(document.info(), info);
        if (!style.isEmpty())
            QVERIFY2(document.html().contains(u" style=\""_s + style + u'"'),
                     qPrintable(document.html()));
    }

    // A floated element of running text starts its paragraph, in the page the preview draws
    // and in the one a browser gets.
    void aFloatStartsItsParagraph_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<bool>("first");
        QTest::newRow("right") << u"img { float: right }"_s << true;
        QTest::newRow("left, in capitals") << u"SPAN { FLOAT: LEFT }"_s << true;
        QTest::newRow("none") << u"a { float: none }"_s << false;
        QTest::newRow("the last wins") << u"q { float: left; float: none }"_s << false;
        QTest::newRow("an important one wins")
            << u"em { float: left !important; float: none }"_s << true;
        QTest::newRow("not at all") << u"b { color: red }"_s << false;
    }
    void aFloatStartsItsParagraph()
    {
        QFETCH(QString, rule);
        QFETCH(bool, first);
        const PreviewDocument document(ruleOf(rule));
        const QString sentence = u"Příliš žluťoučký kůň úpěl ďábelské ódy."_s;
        for (const QString &html : {document.html(), document.browserHtml()}) {
            QCOMPARE(html.count(sentence), 2);
            const qsizetype paragraph = html.indexOf(u"<p>"_s) + 3;
            QCOMPARE(html.indexOf(u'<' + document.element(), paragraph) == paragraph, first);
            QCOMPARE(html.contains(sentence + u' ' + sentence + u"</p>"_s), first);
        }
    }

    // The addresses the renderer gets, as CSS reads them.
    void addresses()
    {
        const PreviewDocument document(ruleOf(
            u"p { background-image: url(\\64 ata:x); list-style-image: url( \"a\\\"b\" ) }"_s));
        QCOMPARE(document.addresses(), QStringList({u"data:x"_s, u"a\"b"_s}));
    }

    // The window's rule: the document's lines, the catalogue's in its order, then the kept
    // ones read as CSS reads them.
    void ruleOfTheDocument()
    {
        RuleDocument document;
        QVERIFY(document.read(
            u"UL LI { /* x; */ border-radius: 4PX; junk; Color: Red; \\63 olumns: 2 }"_s));
        const PreviewRule rule = PreviewRule::of(document.lines());
        QCOMPARE(rule.selector, u"ul li"_s);
        QCOMPARE(rule.declarations,
                 (QList<std::pair<QString, QString>>{{u"color"_s, u"red"_s},
                                                     {u"border-radius"_s, u"4PX"_s},
                                                     {u"columns"_s, u"2"_s}}));
        QCOMPARE(rule.others, QStringList{u"junk"_s});
    }

    void aLargeDataImageIsNotPassed()
    {
        const QString huge =
            u"data:image/png;base64,"_s + QString(PreviewDocument::MaxDataLength, u'A');
        const PreviewDocument document(ruleOf(u"p { background-image: url("_s + huge + u") }"_s));
        QCOMPARE(document.addresses(), QStringList{u"data:image/png;base64,…"_s});
        QVERIFY(document.info().endsWith(
            u"Vynecháno: background-image (obrázek data: větší než 16 MiB, kreslí se jen zástupný)."_s));
        QVERIFY(document.html().size() < 1000);
    }

    // Drawn rules, at the pixels they must change. The page's body has an 8px margin; a div
    // lies between two paragraphs.
    void pixels()
    {
        const QImage plain = drawn(u"div { height: 20px }"_s);
        const QImage red = drawn(u"div { height: 20px; background-color: #f00 }"_s);
        const int row = run(red, 0xff0000, 160, false).first + 10;
        QVERIFY(row > 20);
        QCOMPARE(run(plain, 0xff0000, row, true), std::pair(-1, -1));
        QCOMPARE(run(red, 0xff0000, row, true), std::pair(8, 311));
        QCOMPARE(run(red, 0xff0000, 160, false).second - run(red, 0xff0000, 160, false).first, 19);

        const QImage margin = drawn(u"div { height: 20px; background: #f00; margin-left: 40px }"_s);
        QCOMPARE(run(margin, 0xff0000, row, true), std::pair(48, 311));

        const QImage border =
            drawn(u"div { height: 20px; border: 5px solid #00f; margin-left: 40px }"_s);
        const auto [top, bottom] = run(border, 0x0000ff, 160, false);
        QCOMPARE(bottom - top, 29); // 20 and two borders of 5
        QCOMPARE(run(border, 0x0000ff, top + 7, true).first, 48);
        QCOMPARE(border.pixel(52, top + 7), 0xff0000ffu);
        QCOMPARE(border.pixel(53, top + 7), 0xffffffffu);
        QCOMPARE(border.pixel(160, top + 4), 0xff0000ffu);
        QCOMPARE(border.pixel(160, top + 5), 0xffffffffu);

        const auto width = [](const QString &rule) { // of the green box around the word
            const QImage image = drawn(rule);
            int first = image.width();
            int last = -1;
            for (int y = 0; y < image.height(); ++y) {
                const auto [left, right] = run(image, 0x00ff00, y, true);
                first = left < 0 ? first : std::min(first, left);
                last = std::max(last, right);
            }
            return last - first;
        };
        QVERIFY(width(u"span { background: #0f0; font-weight: bold }"_s) >
                width(u"span { background: #0f0 }"_s) + 2);
        // Positions past what litehtml's ints hold still draw (the sanitizers watch the sums).
        for (const QString &size : {u"12222222222222222224px"_s, u"1222222224px"_s})
            QVERIFY(
                !drawn(u"p { border: 3px dashed; font: bold %1/1.5 serif }"_s.arg(size)).isNull());
    }

    void borderStyles_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("left"); // the 9 columns of the left border: b blue, w white
        QTest::addColumn<int>("breaks");   // at least this many gaps along the top border
        QTest::newRow("solid") << u"solid"_s << u"bbbbbbbbb"_s << 0;
        QTest::newRow("double") << u"double"_s << u"bbbwwwbbb"_s << 0;
        QTest::newRow("dashed") << u"dashed"_s << QString() << 4;
        QTest::newRow("dotted") << u"dotted"_s << QString() << 8;
        QTest::newRow("none") << u"none"_s << u"wwwwwwwww"_s << 0;
    }
    void borderStyles()
    {
        QFETCH(QString, style);
        QFETCH(QString, left);
        QFETCH(int, breaks);
        const QImage image = drawn(u"body { margin: 0; border: 9px %1 #00f }"_s.arg(style));
        QString shown;
        for (int x = 0; x < 9; ++x)
            shown += image.pixel(x, 40) == 0xff0000ff   ? u'b'
                     : image.pixel(x, 40) == 0xffffffff ? u'w'
                                                        : u'?';
        if (!left.isEmpty())
            QCOMPARE(shown, left);
        int gaps = 0;
        for (int x = 20; x < 300; ++x)
            gaps += image.pixel(x, 4) == 0xff0000ff && image.pixel(x + 1, 4) != 0xff0000ff ? 1 : 0;
        QVERIFY2(gaps >= breaks, qPrintable(QString::number(gaps)));
        if (breaks == 0)
            QCOMPARE(gaps, 0);
    }

    // Inset and outset: the left side against the right; groove and ridge: the outer half of
    // the top against its inner half.
    void shadedBorders()
    {
        // The dark side darker than the colour, the light side lighter, but no white.
        const auto darker = [](const QString &style, QPoint a, QPoint b) {
            const QImage image = drawn(u"body { margin: 0; border: 8px %1 #36c }"_s.arg(style));
            const int base = QColor(0x3366cc).lightness();
            const int dark = QColor(image.pixel(a)).lightness();
            const int light = QColor(image.pixel(b)).lightness();
            return dark < base && base < light && light < 250;
        };
        QVERIFY(darker(u"inset"_s, {3, 40}, {316, 40}));
        QVERIFY(darker(u"outset"_s, {316, 40}, {3, 40}));
        QVERIFY(darker(u"groove"_s, {100, 1}, {100, 6}));
        QVERIFY(darker(u"ridge"_s, {100, 6}, {100, 1}));
    }

    void images()
    {
        const QImage png =
            drawn(u"div { height: 30px; background: url("_s + pngDataUri(0x102030) + u") }"_s);
        QVERIFY(count(png, [](QRgb c) { return c == 0xff102030; }) > 300 * 28);
        // Percent-encoded, in a format Qt reads without a plugin: a black 2×2 bitmap.
        const QImage pbm = drawn(
            u"div { height: 30px; background-image: url('data:image/x-portable-bitmap,P1%0A2%202%0A1%201%201%201') }"_s);
        QVERIFY(count(pbm, [](QRgb c) { return c == 0xff000000; }) > 300 * 28);
        // Any other address: a hatched placeholder that shows the address.
        const QString placeholder =
            u"div { height: 40px; padding-top: 20px; background-image: url(%1) }"_s;
        const QImage hatched = drawn(placeholder.arg(u"obrazky/pozadi-stranky.png"_s));
        const QImage broken = drawn(placeholder.arg(u"data:image/png;base64,AAAA"_s));
        const auto grey = [](QRgb c) { return c == 0xff8a96a8; };
        QVERIFY(count(hatched, grey) > 1000);
        QVERIFY(count(broken, grey) > 1000);
        QCOMPARE(count(drawn(u"div { height: 40px }"_s), grey), 0);
        // The address is written at the top left, above the element's own text.
        const int top = run(hatched, 0x808080, 300, false).first; // its frame
        const auto darkPixels = [top](const QImage &image) {
            int n = 0;
            for (int y = top; y < top + 14; ++y)
                for (int x = 8; x < 200; ++x)
                    n += qGray(image.pixel(x, y)) < 64 ? 1 : 0;
            return n;
        };
        QVERIFY(darkPixels(hatched) > darkPixels(drawn(placeholder.arg(u"x"_s))) + 50);
    }

    // A data: picture that cannot be read draws the placeholder, and the canvas says why;
    // nothing goes to the terminal.
    void pictureFaults_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("fault"); // how the fault ends; empty when there is none
        const QString png = pngDataUri(0x102030);
        QByteArray bytes = QByteArray::fromBase64(png.sliced(png.indexOf(u',') + 1).toLatin1());
        bytes[bytes.indexOf("IDAT") + 6] ^= 0x55; // the data, not the chunk's length
        QTest::newRow("whole") << png << QString();
        QTest::newRow("cut") << png.left(png.size() - 20) << u": PNG je useknuté"_s;
        QTest::newRow("bad data") << u"data:image/png;base64,"_s +
                                         QString::fromLatin1(bytes.toBase64())
                                  << u"; libpng error: IDAT: invalid block type"_s;
        QTest::newRow("svg") << u"data:image/svg+xml,<svg xmlns='http://www.w3.org/2000/svg'/>"_s
                             << u": formát, který náhled nečte"_s;
        QTest::newRow("empty") << u"data:image/png;base64,"_s << u": žádná data"_s;
        QTest::newRow("not data:") << u"obrazek.png"_s << QString();
    }
    void pictureFaults()
    {
        QFETCH(QString, address);
        QFETCH(QString, fault);
        QTest::failOnWarning(QRegularExpression(u".*"_s));
        PreviewCanvas canvas;
        const PreviewDocument document(
            ruleOf(u"div { height: 30px; background: url(\"%1\") }"_s.arg(address)));
        QVERIFY(!canvas.draw(document, 320, 240, 1).isNull());
        const QStringList faults = canvas.imageFaults();
        QCOMPARE(faults.size(), fault.isEmpty() ? 0 : 1);
        if (!fault.isEmpty())
            QVERIFY2(faults[0].startsWith(u"obrázek data:image/"_s) && faults[0].endsWith(fault),
                     qPrintable(faults[0]));
    }

    // The preview against a browser's pictures of the same rules on the same page: most
    // within 2 pixels, and every other one names on the info line what it draws otherwise.
    void matchesTheBrowser()
    {
        const QString folder = QStringLiteral(STYLOMAT_TEST_DATA "/../preview/fidelity/");
        QFile file(folder + u"rules.txt"_s);
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        int number = 0;
        int matching = 0;
        for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
            if (line.trimmed().isEmpty() || line.startsWith(u'#'))
                continue;
            const QString name = u"%1"_s.arg(++number, 2, 10, QChar(u'0'));
            const QImage browser =
                QImage(folder + name + u".png"_s).convertToFormat(QImage::Format_RGB32);
            QCOMPARE(browser.size(), QSize(320, 240));
            const QImage preview = drawn(line);
            if (qEnvironmentVariableIsSet("STYLOMAT_FIDELITY_OUT"))
                preview.save(qEnvironmentVariable("STYLOMAT_FIDELITY_OUT") + name + u".png"_s);
            const QStringList found = differences(preview, browser);
            matching += found.isEmpty() ? 1 : 0;
            if (found.isEmpty())
                continue;
            qInfo("%s %s: %s",
                  qPrintable(name),
                  qPrintable(line.left(60)),
                  qPrintable(found.join(u"; "_s)));
            // What differs is said under the picture.
            const PreviewDocument document(ruleOf(line));
            QVERIFY2(!document.notDrawn().isEmpty() &&
                         document.info().contains(document.notDrawn().join(u", "_s)),
                     qPrintable(line));
        }
        QCOMPARE(number, 48);
        qInfo("%d of %d rules drawn within 2 px of the browser's pictures", matching, number);
        QVERIFY(matching >= 46);
    }

    void windowFollowsTheRule()
    {
        RuleDocument rule;
        QVERIFY(rule.read(u"p { background-color: #f00 }"_s));
        PreviewWindow window(&rule);
        QCOMPARE(window.windowTitle(), u"Náhled"_s);
        QVERIFY(window.isWindow());
        const auto *const info = window.findChild<QLabel *>(u"previewInfo"_s);
        const auto *const timer = window.findChild<QTimer *>();
        const auto colourShown = [&window](QRgb c) {
            const QImage shot = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
            return count(shot, [c](QRgb p) { return p == (c | 0xff000000); }) > 1000;
        };
        rule.setOnlyChanged(false); // hidden: nothing to draw, nothing waits to be drawn
        QCoreApplication::processEvents();
        QVERIFY(!timer->isActive());

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(colourShown(0xff0000));
        QTRY_VERIFY(info->text().startsWith(u"Ukázka: <p> mezi dvěma odstavci."_s));

        // Many changes, one drawing a moment later.
        for (int i = 0; i < 50; ++i)
            QVERIFY(rule.read(u"li { background-color: #00f; page: a; z-index: %1 }"_s.arg(i)));
        QVERIFY(timer->isActive());
        QVERIFY(colourShown(0xff0000));
        QTRY_VERIFY(colourShown(0x0000ff));
        QVERIFY(!colourShown(0xff0000));
        QCOMPARE(info->text(),
                 u"Ukázka: <li> jako prostřední položka seznamu. Bez účinku: page "
                 u"(jen pro tisk nebo řeč); z-index (nemá účinek, dokud je position static)."_s);

        // A cut PNG is drawn as the placeholder and named, not left to libpng to print.
        const QString png = pngDataUri(0x102030);
        QVERIFY(rule.read(u"p { background: url("_s + png.left(png.size() - 20) + u") }"_s));
        QTRY_VERIFY2(info->text().endsWith(u": PNG je useknuté."_s), qPrintable(info->text()));
        QVERIFY(info->text().contains(u" Nelze přečíst: obrázek data:image/"_s));

        const int before = window.findChild<QLabel *>(u"previewPicture"_s)->pixmap().width();
        window.resize(window.width() + 60, window.height());
        QTRY_COMPARE(window.findChild<QLabel *>(u"previewPicture"_s)->pixmap().width(),
                     before + 60);
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
    }

    // Beside the main window where the screen has room, else over its right part; within
    // the screen's free part either way.
    void placedBesideTheMainWindow()
    {
        const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
        RuleDocument rule;
        // The main window's width, the preview's asked for, and where it goes: r to the
        // right, o over the main window's right part, w as wide as the screen's free part.
        const QList<std::tuple<int, int, char>> rows{
            {300, 400, 'r'}, {free.width() - 100, 400, 'o'}, {300, free.width() * 2, 'w'}};
        for (const auto &[width, asked, where] : rows) {
            QWidget main;
            main.setGeometry(free.left() + 50, free.top() + 50, width, 200);
            main.show();
            PreviewWindow preview(&rule, &main);
            preview.resize(asked, free.height() * 2);
            preview.show();
            const QRect placed = preview.frameGeometry();
            const QRect beside = main.frameGeometry();
            QVERIFY(free.contains(placed));
            QCOMPARE(placed.height(), free.height());
            QCOMPARE(where == 'r'   ? placed.left() - 1
                     : where == 'o' ? placed.right()
                                    : placed.width(),
                     where == 'r' || where == 'o' ? beside.right() : free.width());
        }
    }
};

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
