// makeart — draws Stylomat's artwork from code so it can be regenerated.
//
// Usage: makeart [--preview DIR] OUTDIR
//
// Writes into OUTDIR:
//   stylomat.svg             the application icon as plain SVG markup
//   icons/stylomat-N.png     the same icon rasterised at the usual sizes
//   info.jpg                 the 235 x 115 credits picture
// With --preview, enlarged PNG views of the results are written to DIR (the
// JPEG is decoded again for this, so the view shows what the file holds).
//
// Everything is drawn with our own outlines and the Liberation fonts from
// Debian's fonts-liberation2 package; nothing is loaded from other pictures.

#include <QBuffer>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QTextStream>
#include <QXmlStreamReader>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <numbers>
#include <numeric>
#include <utility>

namespace {

// The icon is designed on a 256 x 256 grid; every size is a scaled rendering.
constexpr qreal kGrid = 256.0;
constexpr std::array kIconSizes{16, 22, 24, 32, 48, 64, 128, 256};

// The credits picture has a fixed size because the about box is laid out
// around it.
constexpr QSize kCardSize(235, 115);

// 72 dots per inch expressed the way QImage stores resolution.
constexpr int kDotsPerMeter72Dpi = 2835;

const QColor kGreen(0x3a, 0xe8, 0x5a);
const QColor kBlack(0, 0, 0);

const QString kFontDir = QStringLiteral("/usr/share/fonts/truetype/liberation2");

// A shape is a set of closed polygons filled with the non-zero winding rule.
// Keeping every polygon in the same orientation makes overlapping parts unite
// both in QPainter and in SVG, so no boolean path operations are needed.
using Shape = QList<QPolygonF>;

[[noreturn]] void fail(const QString &message) {
    std::fprintf(stderr, "makeart: %s\n", qPrintable(message));
    std::exit(1);
}

void report(const QString &message) {
    std::printf("%s\n", qPrintable(message));
}

// ---------------------------------------------------------------------------
// Pen strokes

// The centre line ("spine") of a pen stroke together with the stroke's width
// at every point.
class Spine {
public:
    Spine(QPointF start, qreal width)
        : m_points{start}
        , m_widths{width} {}

    // A smooth run from the current point guided by a control polygon
    // (uniform cubic B-spline): the curvature changes without jumps, which is
    // what makes a long stroke look drawn in one movement. Widths are blended
    // the same way, so the pen swells and thins gradually. The run leaves
    // towards the first control point and ends exactly on the last one.
    Spine &splineThrough(const QList<QPointF> &controls, const QList<qreal> &widths,
                         int samples = 40) {
        Q_ASSERT(controls.size() == widths.size() && !controls.isEmpty());
        // Mirroring the first control point about the start makes the curve
        // pass through the start; repeating the last one pins the end.
        const QPointF start = m_points.last();
        const qreal startWidth = m_widths.last();
        QList<QPointF> c{2 * start - controls.first(), start};
        QList<qreal> w{2 * startWidth - widths.first(), startWidth};
        c += controls;
        w += widths;
        for (int i = 0; i < 2; ++i) {
            c.append(c.last());
            w.append(w.last());
        }
        for (qsizetype k = 0; k + 3 < c.size(); ++k) {
            for (int i = 1; i <= samples; ++i) {
                const qreal t = qreal(i) / samples;
                const qreal u = 1 - t;
                const std::array<qreal, 4> b{u * u * u / 6, (3 * t * t * t - 6 * t * t + 4) / 6,
                                             (-3 * t * t * t + 3 * t * t + 3 * t + 1) / 6,
                                             t * t * t / 6};
                QPointF p;
                qreal width = 0;
                for (int j = 0; j < 4; ++j) {
                    p += b[j] * c[k + j];
                    width += b[j] * w[k + j];
                }
                m_points.append(p);
                m_widths.append(width);
            }
        }
        return *this;
    }

    // The same spine turned by 180 degrees about `centre` and run backwards,
    // so that it ends where this one starts.
    Spine turnedBack(QPointF centre) const {
        Spine out = *this;
        std::reverse(out.m_points.begin(), out.m_points.end());
        std::reverse(out.m_widths.begin(), out.m_widths.end());
        for (QPointF &p : out.m_points)
            p = 2 * centre - p;
        return out;
    }

    // Continues with `next`, which must start where this spine ends.
    Spine &append(const Spine &next) {
        m_points.append(next.m_points.mid(1));
        m_widths.append(next.m_widths.mid(1));
        return *this;
    }

    QPointF first() const { return m_points.first(); }
    QPointF last() const { return m_points.last(); }

    // Outline of the stroke: each side is the spine pushed out along its
    // normal by half the local width, the two sides joined at the ends. As
    // long as no bend is tighter than half the width this is a simple polygon.
    QPolygonF outline() const {
        const qsizetype n = m_points.size();
        QPolygonF left, right;
        for (qsizetype i = 0; i < n; ++i) {
            const QPointF d = m_points[qMin(i + 1, n - 1)] - m_points[qMax<qsizetype>(i - 1, 0)];
            const qreal len = std::hypot(d.x(), d.y());
            const QPointF normal(-d.y() / len, d.x() / len);
            const qreal half = 0.5 * m_widths[i];
            left.append(m_points[i] + half * normal);
            right.prepend(m_points[i] - half * normal);
        }
        return left + right;
    }

private:
    QList<QPointF> m_points;
    QList<qreal> m_widths;
};

QPolygonF circle(QPointF centre, qreal radius, int segments = 48) {
    QPolygonF polygon;
    for (int i = 0; i < segments; ++i) {
        const qreal a = 2 * std::numbers::pi * i / segments;
        polygon.append(centre + QPointF(radius * std::cos(a), radius * std::sin(a)));
    }
    return polygon;
}

// ---------------------------------------------------------------------------
// Shape clean-up

qreal signedArea(const QPolygonF &polygon) {
    qreal area = 0;
    for (qsizetype i = 0; i < polygon.size(); ++i) {
        const QPointF a = polygon[i];
        const QPointF b = polygon[(i + 1) % polygon.size()];
        area += a.x() * b.y() - b.x() * a.y();
    }
    return area / 2;
}

bool segmentsCross(QPointF a, QPointF b, QPointF c, QPointF d) {
    const auto side = [](QPointF p, QPointF q, QPointF r) {
        return (q.x() - p.x()) * (r.y() - p.y()) - (q.y() - p.y()) * (r.x() - p.x());
    };
    return side(a, b, c) * side(a, b, d) < 0 && side(c, d, a) * side(c, d, b) < 0;
}

// An outline that crosses itself would leave a hole under the non-zero rule
// (the loop runs the other way round), so a stroke bent tighter than its
// width is a drawing mistake worth stopping for.
bool crossesItself(const QPolygonF &polygon) {
    const qsizetype n = polygon.size();
    for (qsizetype i = 0; i < n; ++i) {
        for (qsizetype j = i + 2; j < n; ++j) {
            if (i == 0 && j == n - 1)
                continue; // neighbours through the closing edge
            if (segmentsCross(polygon[i], polygon[(i + 1) % n], polygon[j], polygon[(j + 1) % n]))
                return true;
        }
    }
    return false;
}

// Ramer–Douglas–Peucker on the run first..last: keeps the points that stray
// more than `tolerance` from the chord.
void simplifyRun(const QPolygonF &in, qsizetype first, qsizetype last, qreal tolerance,
                 QList<bool> &keep) {
    const QPointF a = in[first];
    const QPointF ab = in[last] - a;
    const qreal len = std::hypot(ab.x(), ab.y());
    qreal worst = -1;
    qsizetype worstAt = -1;
    for (qsizetype i = first + 1; i < last; ++i) {
        const QPointF ap = in[i] - a;
        const qreal dist = len > 0 ? std::abs(ab.x() * ap.y() - ab.y() * ap.x()) / len
                                   : std::hypot(ap.x(), ap.y());
        if (dist > worst) {
            worst = dist;
            worstAt = i;
        }
    }
    if (worst > tolerance) {
        keep[worstAt] = true;
        simplifyRun(in, first, worstAt, tolerance, keep);
        simplifyRun(in, worstAt, last, tolerance, keep);
    }
}

// Drops points that add nothing visible, which keeps the SVG small.
QPolygonF simplified(const QPolygonF &polygon, qreal tolerance) {
    if (polygon.size() < 4)
        return polygon;
    // The ring is split at the point farthest from the first one, so that
    // both halves are open runs with distinct ends.
    QPolygonF ring = polygon;
    ring.append(polygon.first());
    qsizetype far = 0;
    qreal farDist = -1;
    for (qsizetype i = 0; i < ring.size(); ++i) {
        const QPointF d = ring[i] - ring[0];
        if (const qreal dist = std::hypot(d.x(), d.y()); dist > farDist) {
            farDist = dist;
            far = i;
        }
    }
    QList<bool> keep(ring.size(), false);
    keep.first() = keep.last() = keep[far] = true;
    simplifyRun(ring, 0, far, tolerance, keep);
    simplifyRun(ring, far, ring.size() - 1, tolerance, keep);
    QPolygonF out;
    for (qsizetype i = 0; i + 1 < ring.size(); ++i) {
        if (keep[i])
            out.append(ring[i]);
    }
    return out;
}

qreal roundedTo100ths(qreal v) {
    return std::round(v * 100) / 100;
}

// Makes all polygons turn the same way, so that where they overlap the
// non-zero rule unites them instead of cutting holes.
Shape oriented(const Shape &shape) {
    Shape out;
    for (QPolygonF p : shape) {
        if (crossesItself(p))
            fail(QStringLiteral("outline %1 crosses itself").arg(out.size()));
        if (signedArea(p) < 0)
            std::reverse(p.begin(), p.end());
        out.append(p);
    }
    return out;
}

// Final form of the icon's shape: fewer points, and coordinates rounded to
// what the SVG text holds, so that the PNGs and the SVG describe the very
// same outline.
Shape finished(const Shape &shape) {
    Shape out;
    for (const QPolygonF &polygon : shape) {
        QPolygonF p = simplified(polygon, 0.03);
        for (QPointF &pt : p)
            pt = QPointF(roundedTo100ths(pt.x()), roundedTo100ths(pt.y()));
        out.append(p);
    }
    return oriented(out);
}

QPainterPath toPath(const Shape &shape) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (const QPolygonF &polygon : shape) {
        path.addPolygon(polygon);
        path.closeSubpath();
    }
    return path;
}

Shape transformed(const Shape &shape, const std::function<QPointF(QPointF)> &f) {
    Shape out;
    for (const QPolygonF &polygon : shape) {
        QPolygonF p;
        p.reserve(polygon.size());
        for (const QPointF &pt : polygon)
            p.append(f(pt));
        out.append(p);
    }
    return out;
}

QRectF bounds(const Shape &shape) {
    QRectF r;
    for (const QPolygonF &polygon : shape)
        r |= polygon.boundingRect();
    return r;
}

// ---------------------------------------------------------------------------
// The ornamental S

enum class Tendrils { Without, With };

// The letter is point-symmetric about the grid centre: the upper half is drawn
// from the middle of the spine out to the curl, the lower half is the same
// turned by 180 degrees. A gentle warp afterwards makes the upper bowl a
// little smaller and narrower, as a written S has it.
Shape ornamentalS(Tendrils tendrils) {
    const QPointF c(128, 128);

    // Control points of the upper half, from the waist out over the top and
    // into the curl, with the stroke width at each: full on the diagonal,
    // still strong on the bowl's back, a hairline over the top, then a fine
    // stroke winding inwards.
    const QList<QPointF> controls{{96, 108}, {62, 86},  {66, 30},  {128, 22}, {186, 22}, {206, 56},
                                  {194, 92}, {160, 96}, {146, 70}, {162, 54}, {176, 66}};
    const QList<qreal> widths{38, 30, 12, 7, 10, 12, 12, 10, 8, 6, 5};
    Spine half(c, 40);
    half.splineThrough(controls, widths);
    Spine letter = half.turnedBack(c);
    letter.append(half);

    Shape shape;
    shape.append(letter.outline());
    // Balls where the curls end.
    shape.append(circle(letter.first(), 10));
    shape.append(circle(letter.last(), 10));

    if (tendrils == Tendrils::With) {
        // A tendril springing from the back of each bowl into the empty
        // corner, rolled up like the main curls but turning the other way.
        Spine tendril({64, 62}, 8);
        tendril.splineThrough(
            {{50, 46}, {28, 44}, {16, 64}, {22, 86}, {40, 90}, {46, 74}, {36, 66}},
            {6, 5, 5, 4.5, 4, 3.5, 3.5});
        const Spine lower = tendril.turnedBack(c);
        shape.append(tendril.outline());
        shape.append(lower.outline());
        shape.append(circle(tendril.last(), 6.5));
        shape.append(circle(lower.first(), 6.5));
    }

    return transformed(shape, [](QPointF p) {
        const qreal t = p.y() / kGrid;
        const qreal y = p.y() + 10 * std::sin(std::numbers::pi * t);
        const qreal x = 128 + (p.x() - 128) * (0.94 + 0.08 * t);
        return QPointF(x, y);
    });
}

// ---------------------------------------------------------------------------
// The icon: PNG sizes and SVG

QImage renderIcon(const QPainterPath &letter, int size) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(kBlack);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kGrid, size / kGrid);
    painter.fillPath(letter, kGreen);
    return image;
}

QString svgNumber(qreal v) {
    QString s = QString::number(v, 'f', 2);
    // Trailing zeros and a bare decimal point say nothing.
    while (s.endsWith(u'0'))
        s.chop(1);
    if (s.endsWith(u'.'))
        s.chop(1);
    return s == u"-0" ? QStringLiteral("0") : s;
}

QString svgPathData(const Shape &shape) {
    QString d;
    for (const QPolygonF &polygon : shape) {
        for (qsizetype i = 0; i < polygon.size(); ++i) {
            d += i == 0 ? u"M" : i == 1 ? u"L" : u" ";
            d += svgNumber(polygon[i].x()) + u' ' + svgNumber(polygon[i].y());
        }
        d += u'Z';
    }
    return d;
}

QString iconSvg(const Shape &letter) {
    QString svg;
    QTextStream out(&svg);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"256\" height=\"256\""
           " viewBox=\"0 0 256 256\">\n"
        << "<title>Stylomat</title>\n"
        << "<rect x=\"0\" y=\"0\" width=\"256\" height=\"256\" fill=\"" << kBlack.name() << "\"/>\n"
        << "<path fill=\"" << kGreen.name() << "\" fill-rule=\"nonzero\" d=\""
        << svgPathData(letter) << "\"/>\n"
        << "</svg>\n";
    return svg;
}

// Draws SVG text of the kind iconSvg() writes (rect and path elements, path
// data made of M, L and Z) so that the written file can be compared with the
// PNGs. Anything outside that subset is reported rather than skipped: it
// would mean the file no longer is the plain markup it is meant to be.
QImage renderSvgSubset(const QByteArray &svg, int size) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white); // shows any part the markup fails to cover
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    static const QRegularExpression token(
        QStringLiteral("[A-Za-z]|[-+]?(?:\\d+\\.?\\d*|\\.\\d+)(?:[eE][-+]?\\d+)?"));
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        const auto attr = [&a](const char *name) { return a.value(QLatin1StringView(name)); };
        const auto number = [&attr](const char *name) { return attr(name).toDouble(); };
        const QStringView name = xml.name();
        if (name == u"svg") {
            const QStringList box = attr("viewBox").toString().split(u' ');
            if (box.size() != 4)
                fail(QStringLiteral("svg: viewBox expected"));
            painter.scale(size / box[2].toDouble(), size / box[3].toDouble());
        } else if (name == u"title") {
            xml.skipCurrentElement();
        } else if (name == u"rect") {
            painter.fillRect(QRectF(number("x"), number("y"), number("width"), number("height")),
                             QColor(attr("fill").toString()));
        } else if (name == u"path") {
            QPainterPath path;
            path.setFillRule(attr("fill-rule") == u"evenodd" ? Qt::OddEvenFill : Qt::WindingFill);
            QChar command;
            QList<qreal> pending;
            auto it = token.globalMatch(attr("d"));
            while (it.hasNext()) {
                const QString t = it.next().captured();
                if (t.front().isLetter()) {
                    command = t.front();
                    if (command == u'Z')
                        path.closeSubpath();
                    else if (command != u'M' && command != u'L')
                        fail(QStringLiteral("svg: path command %1 not expected").arg(t));
                    continue;
                }
                pending.append(t.toDouble());
                if (pending.size() == 2) {
                    const QPointF p(pending[0], pending[1]);
                    pending.clear();
                    if (command == u'M') {
                        path.moveTo(p);
                        command = u'L'; // further pairs draw lines
                    } else if (command == u'L') {
                        path.lineTo(p);
                    } else {
                        fail(QStringLiteral("svg: coordinates outside a command"));
                    }
                }
            }
            painter.fillPath(path, QColor(attr("fill").toString()));
        } else {
            fail(QStringLiteral("svg: element %1 not expected").arg(name));
        }
    }
    if (xml.hasError())
        fail(QStringLiteral("svg: %1").arg(xml.errorString()));
    return image;
}

// ---------------------------------------------------------------------------
// Fonts

// Loads a Liberation face straight from the package's files, so that the
// picture never silently falls back to whatever font happens to be around.
QFont liberation(const QString &fileName, int pixelSize) {
    static QHash<QString, QString> families;
    if (!families.contains(fileName)) {
        const int id = QFontDatabase::addApplicationFont(kFontDir + u'/' + fileName);
        const QStringList names = QFontDatabase::applicationFontFamilies(id);
        if (id < 0 || names.isEmpty())
            fail(QStringLiteral("cannot load %1/%2 (package fonts-liberation2)")
                     .arg(kFontDir, fileName));
        families.insert(fileName, names.first());
    }
    QFont font(families.value(fileName));
    font.setPixelSize(pixelSize);
    font.setBold(fileName.contains(u"Bold"));
    font.setItalic(fileName.contains(u"Italic"));
    font.setHintingPreference(QFont::PreferFullHinting);
    const QFontInfo info(font);
    if (!info.family().startsWith(u"Liberation") || info.bold() != font.bold() ||
        info.italic() != font.italic())
        fail(QStringLiteral("font %1 resolved to %2").arg(fileName, info.family()));
    return font;
}

// ---------------------------------------------------------------------------
// The credits picture

// The logo: the ornamental S as a swash initial followed by the rest of the
// name in Liberation Serif Bold Italic, underlined by a flourish that springs
// from the S and rolls up after the last letter. Drawn fitted into `box`.
void drawLogo(QPainter &painter, const QRectF &box) {
    const Shape letter = finished(ornamentalS(Tendrils::Without));
    const QRectF letterBounds = bounds(letter);

    const QFont serif = liberation(QStringLiteral("LiberationSerif-BoldItalic.ttf"), 100);
    QPainterPath word;
    word.addText(0, 0, serif, QStringLiteral("tylomat"));
    const QRectF wordBounds = word.boundingRect();

    // Laid out in units of the S's height with the baseline at y = 0: the S
    // dips a little below the baseline, as a swash initial does, and the
    // word's tallest letters reach about half its height.
    const qreal descent = 0.06;
    const qreal letterScale = 1.0 / letterBounds.height();
    const qreal wordScale = 0.56 / -wordBounds.top();
    QTransform toLetter;
    toLetter.translate(0, descent);
    toLetter.scale(letterScale, letterScale);
    toLetter.translate(-letterBounds.left(), -letterBounds.bottom());
    const qreal letterWidth = letterBounds.width() * letterScale;

    // The word starts just clear of the S's lower bowl.
    const qreal wordLeft = letterWidth * 1.01;
    const qreal wordRight = wordLeft + wordBounds.width() * wordScale;
    QTransform toWord;
    toWord.translate(wordLeft - wordBounds.left() * wordScale, 0);
    toWord.scale(wordScale, wordScale);

    // The flourish leaves the S's lower bowl as a hairline, swells a little
    // under the word, passing below the descender of the y, and rolls up
    // after the last letter.
    const qreal under = wordBounds.bottom() * wordScale + 0.06;
    Spine flourish({letterWidth * 0.62, descent - 0.015}, 0.02);
    flourish.splineThrough({{letterWidth * 0.95, under + 0.01},
                            {wordLeft + 0.25, under + 0.01},
                            {wordRight - 0.25, under},
                            {wordRight + 0.04, under - 0.02},
                            {wordRight + 0.17, under - 0.12},
                            {wordRight + 0.12, under - 0.27},
                            {wordRight - 0.01, under - 0.24},
                            {wordRight + 0.01, under - 0.14},
                            {wordRight + 0.07, under - 0.15}},
                           {0.02, 0.03, 0.032, 0.024, 0.02, 0.017, 0.015, 0.013, 0.012});

    // Our own outlines share one path so that they unite where they meet;
    // the glyphs keep their own path, whose contours follow the font's
    // winding convention.
    QPainterPath ornament = toLetter.map(toPath(letter));
    ornament.addPath(toPath(oriented({flourish.outline(), circle(flourish.last(), 0.024)})));
    const QPainterPath text = toWord.map(word);

    const QRectF b = ornament.boundingRect() | text.boundingRect();
    const qreal scale = std::min(box.width() / b.width(), box.height() / b.height());
    QTransform fit;
    fit.translate(box.center().x(), box.center().y());
    fit.scale(scale, scale);
    fit.translate(-b.center().x(), -b.center().y());
    painter.fillPath(fit.map(ornament), kGreen);
    painter.fillPath(fit.map(text), kGreen);
}

QImage creditsCard() {
    QImage image(kCardSize, QImage::Format_RGB32);
    image.fill(kBlack);
    image.setDotsPerMeterX(kDotsPerMeter72Dpi);
    image.setDotsPerMeterY(kDotsPerMeter72Dpi);

    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setPen(kGreen);

    // Name and version in the top corners.
    const QRect margins = image.rect().adjusted(4, 2, -4, -2);
    painter.setFont(liberation(QStringLiteral("LiberationSans-Regular.ttf"), 9));
    painter.drawText(margins, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Stylomat 1.1"));
    painter.drawText(margins, Qt::AlignRight | Qt::AlignTop, QStringLiteral("verze 1.01.0017"));

    // The logo fills the upper half, between the corner captions.
    drawLogo(painter, QRectF(20, 13, 195, 56));

    // Credits in capitals, centred below the logo.
    QFont credits = liberation(QStringLiteral("LiberationSans-Bold.ttf"), 9);
    credits.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
    painter.setFont(credits);
    const QStringList lines{QStringLiteral("NÁSTROJ PRO PSANÍ STYLŮ CSS"),
                            QStringLiteral("© 2026 VÝVOJÁŘI STYLOMATU")};
    const QFontMetricsF metrics(credits);
    qreal baseline = 91;
    for (const QString &line : lines) {
        const qreal width = metrics.horizontalAdvance(line);
        if (width > kCardSize.width() - 8)
            fail(QStringLiteral("credits line too wide: %1").arg(line));
        painter.drawText(QPointF(std::round((kCardSize.width() - width) / 2), baseline), line);
        baseline += 13;
    }
    return image;
}

// ---------------------------------------------------------------------------
// JPEG output

struct JfifDensity {
    int major = 0, minor = 0, units = 0, x = 0, y = 0, thumbWidth = 0, thumbHeight = 0;

    QString text() const {
        return QStringLiteral("version %1.%2, units %3, density %4x%5, thumbnail %6x%7")
            .arg(major)
            .arg(minor, 2, 10, QLatin1Char('0'))
            .arg(units)
            .arg(x)
            .arg(y)
            .arg(thumbWidth)
            .arg(thumbHeight);
    }
};

// Qt's JPEG writer emits a JFIF APP0 header right after SOI. Its fields are
// brought to JFIF 1.01, 72 x 72 dots per inch and no thumbnail in place
// (fixed offsets, the segment's length does not change), reporting what the
// writer had put there.
QByteArray withJfifHeader(QByteArray jpeg) {
    // SOI, APP0 marker, length, "JFIF\0", then the fields patched below.
    if (jpeg.size() < 20 || !jpeg.startsWith("\xFF\xD8\xFF\xE0") ||
        jpeg.mid(6, 5) != QByteArray("JFIF\0", 5))
        fail(QStringLiteral("JPEG writer did not start with a JFIF header"));
    auto *b = reinterpret_cast<uchar *>(jpeg.data());
    const auto read = [b] {
        return JfifDensity{b[11], b[12], b[13], b[14] << 8 | b[15], b[16] << 8 | b[17],
                           b[18], b[19]};
    };
    const JfifDensity before = read();
    if (const int length = b[4] << 8 | b[5]; length != 16)
        fail(QStringLiteral("JFIF header of unexpected length %1").arg(length));
    b[11] = 1; // version 1.01
    b[12] = 1;
    b[13] = 1; // dots per inch
    b[14] = 0; // 72 across
    b[15] = 72;
    b[16] = 0; // 72 down
    b[17] = 72;
    b[18] = 0; // no thumbnail
    b[19] = 0;
    const JfifDensity after = read();
    report(before.text() == after.text()
               ? QStringLiteral("info.jpg: JFIF header from Qt's writer kept: %1").arg(after.text())
               : QStringLiteral("info.jpg: JFIF header from Qt's writer (%1) set to %2")
                     .arg(before.text(), after.text()));
    return jpeg;
}

QByteArray encodeJpeg(const QImage &image) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(90);
    // Baseline sequential with the standard Huffman tables.
    writer.setOptimizedWrite(false);
    writer.setProgressiveScanWrite(false);
    if (!writer.write(image))
        fail(QStringLiteral("JPEG encoding failed: %1").arg(writer.errorString()));
    return withJfifHeader(buffer.data());
}

// ---------------------------------------------------------------------------
// Files and previews

void writeFile(const QString &fileName, const QByteArray &data) {
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        fail(QStringLiteral("cannot write %1").arg(fileName));
}

QByteArray readFile(const QString &fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read %1").arg(fileName));
    return file.readAll();
}

void savePng(const QImage &image, const QString &fileName) {
    if (!image.save(fileName, "PNG"))
        fail(QStringLiteral("cannot write %1").arg(fileName));
}

QImage enlarged(const QImage &image, int zoom) {
    return image.scaled(image.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// All icon sizes side by side, each at its own size and, below, enlarged
// without smoothing, to judge how they read on screen.
QImage contactSheet(const QDir &outDir) {
    const QList<std::pair<int, int>> sizes{{16, 8}, {22, 8}, {24, 8},  {32, 8},
                                           {48, 5}, {64, 4}, {128, 1}, {256, 1}};
    QImage sheet(1400, 560, QImage::Format_RGB32);
    sheet.fill(QColor(0x60, 0x60, 0x60));
    QPainter painter(&sheet);
    int x = 8;
    int zoomedX = 8;
    for (const auto &[size, zoom] : sizes) {
        const QImage icon(outDir.filePath(QStringLiteral("icons/stylomat-%1.png").arg(size)));
        painter.drawImage(x, 8, icon);
        x += size + 12;
        if (zoom > 1) {
            painter.drawImage(zoomedX, 280, enlarged(icon, zoom));
            zoomedX += size * zoom + 12;
        }
    }
    return sheet;
}

} // namespace

int main(int argc, char *argv[]) {
    // The generator never opens a window.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws Stylomat's icon and credits picture."));
    parser.addHelpOption();
    const QCommandLineOption previewOption(QStringLiteral("preview"),
                                           QStringLiteral("Also write enlarged views to <dir>."),
                                           QStringLiteral("dir"));
    parser.addOption(previewOption);
    parser.addPositionalArgument(QStringLiteral("outdir"), QStringLiteral("Output directory."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);

    const QDir outDir(parser.positionalArguments().first());
    if (!outDir.mkpath(QStringLiteral("icons")))
        fail(QStringLiteral("cannot create %1").arg(outDir.filePath(QStringLiteral("icons"))));
    // Previews are for looking at, not for shipping with the artwork.
    if (parser.isSet(previewOption) &&
        QDir(parser.value(previewOption)).absolutePath() == outDir.absolutePath())
        fail(QStringLiteral("keep the previews out of the output directory"));

    // Icon: one outline feeds both the SVG text and the PNG renderings.
    const Shape letter = finished(ornamentalS(Tendrils::With));
    const QPainterPath letterPath = toPath(letter);
    const QString svgName = outDir.filePath(QStringLiteral("stylomat.svg"));
    writeFile(svgName, iconSvg(letter).toUtf8());
    const QByteArray svgText = readFile(svgName);
    for (const int size : kIconSizes) {
        const QImage icon = renderIcon(letterPath, size);
        savePng(icon, outDir.filePath(QStringLiteral("icons/stylomat-%1.png").arg(size)));
        // The SVG as written must draw exactly what the PNG shows.
        if (renderSvgSubset(svgText, size) != icon)
            fail(QStringLiteral("stylomat.svg drawn at %1 px differs from the PNG").arg(size));
    }
    report(QStringLiteral("stylomat.svg: %1 outlines, %2 points; drawn back from the file it "
                          "matches every PNG size pixel for pixel")
               .arg(letter.size())
               .arg(std::accumulate(letter.cbegin(), letter.cend(), qsizetype(0),
                                    [](qsizetype n, const QPolygonF &p) { return n + p.size(); })));

    // Credits picture.
    const QString cardName = outDir.filePath(QStringLiteral("info.jpg"));
    writeFile(cardName, encodeJpeg(creditsCard()));

    if (parser.isSet(previewOption)) {
        const QDir previewDir(parser.value(previewOption));
        if (!previewDir.mkpath(QStringLiteral(".")))
            fail(QStringLiteral("cannot create %1").arg(previewDir.path()));
        savePng(renderIcon(letterPath, 512), previewDir.filePath(QStringLiteral("icon-512.png")));
        savePng(contactSheet(outDir), previewDir.filePath(QStringLiteral("icon-sizes.png")));
        const QImage card(cardName);
        if (card.isNull())
            fail(QStringLiteral("cannot decode %1").arg(cardName));
        savePng(card, previewDir.filePath(QStringLiteral("info.png")));
        savePng(enlarged(card, 4), previewDir.filePath(QStringLiteral("info-x4.png")));
    }
    return 0;
}
