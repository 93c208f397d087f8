#include "HtmlCanvas.h"

#include "CssTokenizer.h"
#include "PreviewDocument.h"
#include "PreviewRenderer.h"

#include <litehtml.h>

#include <QBuffer>
#include <QDeadlineTimer>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <unordered_map>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int DefaultFontPixels = 16;
// Rasterising glyphs larger than this takes long and shows nothing more in a preview.
constexpr int MaxFontPixels = 1000;
constexpr qint64 MaxImagePixels = 16'000'000;
constexpr qint64 MaxDrawingPixels = 32'000'000;
constexpr int MaxWidth = 4000;
// A tile up to this size is drawn as a brush; a larger one tile by tile.
constexpr int MaxBrushTile = 2048;
constexpr QSize SamplePictureSize(120, 80);
constexpr QSize PlaceholderSize(16, 16);

// What the elements of the sample pages look like before the rule: a browser's defaults,
// cut down to the elements the samples use.
constexpr char DefaultStyle[] = R"(
html, address, blockquote, body, center, dd, div, dl, dt, fieldset, form, h1, h2, h3, h4,
h5, h6, legend, ol, p, pre, ul { display: block }
li { display: list-item }
head, title, style, script, meta, link, .stylomat-style { display: none }
table { display: table; border-collapse: separate; border-spacing: 2px }
thead { display: table-header-group }
tbody { display: table-row-group }
tfoot { display: table-footer-group }
tr { display: table-row }
thead, tbody, tfoot, tr { vertical-align: middle }
td, th { display: table-cell; padding: 1px; vertical-align: inherit }
caption { display: table-caption; text-align: center }
img { display: inline-block }
body { margin: 8px; color: black; font-family: serif; font-size: 16px }
h1 { font-size: 2em; margin: 0.67em 0 }
h2 { font-size: 1.5em; margin: 0.83em 0 }
h3 { font-size: 1.17em; margin: 1em 0 }
h4 { margin: 1.33em 0 }
h5 { font-size: 0.83em; margin: 1.67em 0 }
h6 { font-size: 0.67em; margin: 2.33em 0 }
h1, h2, h3, h4, h5, h6, b, strong, th { font-weight: bold }
th { text-align: center }
p, dl, ol, ul, pre { margin: 1em 0 }
blockquote { margin: 1em 40px }
ol, ul { padding-left: 40px }
dd { margin-left: 40px }
ol { list-style-type: decimal }
ul { list-style-type: disc }
address, cite, dfn, em, i { font-style: italic }
code, pre, samp, tt, .stylomat-style { font-family: monospace; font-size: 0.8125em }
pre, .stylomat-style { white-space: pre }
big { font-size: 1.17em }
small, sub, sup { font-size: 0.83em }
sub { vertical-align: sub }
sup { vertical-align: super }
s, strike { text-decoration: line-through }
ins, u { text-decoration: underline }
center { text-align: center }
a { color: #0000ee; text-decoration: underline }
fieldset { margin: 0 2px; padding: 0.35em 0.75em 0.625em; border: 2px groove #c0c0c0 }
legend { padding: 0 2px }
)";

litehtml::context &context()
{
    static litehtml::context instance;
    static const bool loaded = (instance.load_master_stylesheet(DefaultStyle), true);
    Q_UNUSED(loaded);
    return instance;
}

QColor colour(const litehtml::web_color &c)
{
    return QColor(c.red, c.green, c.blue, c.alpha);
}

QRectF rectOf(const litehtml::position &p)
{
    return QRectF(p.x, p.y, p.width, p.height);
}

// Installed families by lower-case name. Asking Qt for a family that is not installed
// makes it ask fontconfig for substitutes, which costs milliseconds per font.
const QHash<QString, QString> &installedFamilies()
{
    static const QHash<QString, QString> families = [] {
        QHash<QString, QString> byName;
        for (const QString &family : QFontDatabase::families())
            byName.insert(family.toLower(), family);
        return byName;
    }();
    return families;
}

// What each family of a font-family list stands for: the generic families and the common
// Windows families map to the metric twins the window itself uses.
QHash<QString, QStringList> standInsFor(const QFont &serifFont, const QFont &monospaceFont)
{
    const QStringList serif = serifFont.families() + QStringList{u"DejaVu Serif"_s};
    const QStringList sans{u"Arial"_s, u"Liberation Sans"_s, u"DejaVu Sans"_s};
    const QStringList mono = monospaceFont.families() + QStringList{u"DejaVu Sans Mono"_s};
    return QHash<QString, QStringList>{
        {u"serif"_s, serif},
        {u"times"_s, serif},
        {u"times new roman"_s, serif},
        {u"sans-serif"_s, sans},
        {u"arial"_s, sans},
        {u"helvetica"_s, sans},
        {u"monospace"_s, mono},
        {u"courier"_s, mono},
        {u"courier new"_s, mono},
        {u"cursive"_s, QStringList{u"Comic Sans MS"_s, u"URW Chancery L"_s, u"Z003"_s} + serif},
        {u"fantasy"_s, QStringList{u"Impact"_s, u"DejaVu Sans Condensed"_s} + sans},
    };
}

QImage drawnSamplePicture()
{
    static const QImage picture = [] {
        QImage image(SamplePictureSize, QImage::Format_ARGB32_Premultiplied);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient sky(0, 0, 0, 80);
        sky.setColorAt(0, QColor(0x4a, 0x90, 0xd9));
        sky.setColorAt(1, QColor(0xcd, 0xe6, 0xf7));
        p.fillRect(image.rect(), sky);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xff, 0xd2, 0x3f));
        p.drawEllipse(QPointF(92, 22), 11, 11);
        p.setBrush(QColor(0x3c, 0x8d, 0x3f));
        p.drawEllipse(QPointF(30, 100), 70, 42);
        p.setBrush(QColor(0x2e, 0x6b, 0x30));
        p.drawEllipse(QPointF(105, 104), 55, 38);
        return image;
    }();
    return picture;
}

// The bytes of a data: address, base64 or percent-encoded.
std::optional<QByteArray> dataBytes(const QString &address)
{
    if (!address.startsWith(u"data:", Qt::CaseInsensitive))
        return std::nullopt;
    const qsizetype comma = address.indexOf(u',');
    if (comma < 0)
        return std::nullopt;
    const bool base64 =
        QStringView(address).sliced(0, comma).trimmed().endsWith(u";base64", Qt::CaseInsensitive);
    const QByteArray payload =
        QByteArray::fromPercentEncoding(QStringView(address).sliced(comma + 1).toUtf8());
    return base64 ? QByteArray::fromBase64(payload) : payload;
}

// Whether a PNG's chunks run whole up to its end chunk: libpng prints what it finds
// wrong with a cut one on the terminal before Qt hears of it.
bool isWholePng(const QByteArray &bytes)
{
    qsizetype at = 8; // the signature
    while (at + 8 <= bytes.size()) {
        const quint32 length = qFromBigEndian<quint32>(bytes.constData() + at);
        const bool end = bytes.sliced(at + 4, 4) == "IEND";
        at += 12 + qsizetype(length); // length, type, data, check sum
        if (end || length > 0x7fffffff)
            return end && at <= bytes.size();
    }
    return false;
}

// What is written to the standard error while one lives, taken from it: libpng's own
// error handler, which Qt leaves in place, prints there, not to Qt's message handler. A
// pipe that is full (64 KiB) takes no more, and what did not fit is lost.
class ErrorOutput {
public:
    ErrorOutput()
    {
        std::fflush(stderr);
        std::array<int, 2> ends{};
        if (pipe2(ends.data(), O_NONBLOCK | O_CLOEXEC) != 0)
            return;
        m_saved = dup(STDERR_FILENO);
        if (m_saved < 0 || dup2(ends[1], STDERR_FILENO) < 0) {
            for (const int fd : {ends[0], ends[1], m_saved})
                if (fd >= 0)
                    close(fd);
            m_saved = -1;
            return;
        }
        close(ends[1]);
        m_pipe = ends[0];
    }
    ~ErrorOutput() { Q_UNUSED(taken()); }
    ErrorOutput(const ErrorOutput &) = delete;
    ErrorOutput &operator=(const ErrorOutput &) = delete;

    // Ends the capture: the lines written.
    [[nodiscard]] QStringList taken()
    {
        if (m_pipe < 0)
            return {};
        std::fflush(stderr);
        std::clearerr(stderr);
        dup2(m_saved, STDERR_FILENO);
        close(m_saved);
        QByteArray text;
        std::array<char, 4096> buffer{};
        for (ssize_t n = 0; (n = read(m_pipe, buffer.data(), buffer.size())) > 0;)
            text.append(buffer.data(), n);
        close(std::exchange(m_pipe, -1));
        return QString::fromLocal8Bit(text).split(u'\n', Qt::SkipEmptyParts);
    }

private:
    int m_saved = -1;
    int m_pipe = -1;
};

// What Qt's image readers say while one picture is read; they say it, as warnings, only
// to the message handler.
QStringList *readerMessages = nullptr;

void keepReaderMessage(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (readerMessages && !readerMessages->contains(message))
        *readerMessages += message;
}

// The picture a data: address holds, or a null one and what is wrong with it.
QImage decodedImage(const QString &address, QString &fault)
{
    const std::optional<QByteArray> bytes = dataBytes(address);
    if (!bytes)
        return {}; // an address the program does not read: the placeholder says so
    if (bytes->isEmpty()) {
        fault = HtmlCanvas::tr("žádná data");
        return {};
    }
    QBuffer buffer;
    buffer.setData(*bytes);
    buffer.open(QIODevice::ReadOnly);
    // Pictures that are whole in their bytes only: an SVG may name other files, and the
    // program reads none.
    static const QList<QByteArray> formats{
        "bmp", "gif", "jpeg", "pbm", "pgm", "png", "ppm", "webp", "xbm", "xpm"};
    const QByteArray format = QImageReader::imageFormat(&buffer);
    if (!formats.contains(format)) {
        fault = HtmlCanvas::tr("formát, který náhled nečte");
        return {};
    }
    if (format == "png" && !isWholePng(*bytes)) {
        fault = HtmlCanvas::tr("PNG je useknuté");
        return {};
    }
    QImageReader reader(&buffer, format);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > MaxImagePixels) {
        fault = HtmlCanvas::tr("víc než %1 milionů bodů").arg(MaxImagePixels / 1'000'000);
        return {};
    }
    QStringList messages;
    readerMessages = &messages;
    const QtMessageHandler previous = qInstallMessageHandler(keepReaderMessage);
    ErrorOutput printed;
    QImage image = reader.read();
    messages += printed.taken();
    qInstallMessageHandler(previous);
    readerMessages = nullptr;
    if (image.isNull())
        messages.prepend(reader.errorString());
    if (qint64(image.width()) * image.height() > MaxImagePixels) {
        messages.prepend(HtmlCanvas::tr("víc než %1 milionů bodů").arg(MaxImagePixels / 1'000'000));
        image = QImage();
    }
    fault = messages.join(u"; "_s);
    return image;
}

// The dark and light sides of 3-D borders as browsers shade them: the brightest channel
// a third lower or higher (at most white), the others in proportion.
QColor shaded(const QColor &c, bool dark)
{
    const float v = std::max({c.redF(), c.greenF(), c.blueF()});
    if (v <= 0)
        return dark ? c : QColor(0x54, 0x54, 0x54, c.alpha());
    const float scale = dark ? std::max(0.0f, (v - 0.33f) / v) : std::min(1.0f, v + 0.33f) / v;
    return QColor::fromRgbF(c.redF() * scale, c.greenF() * scale, c.blueF() * scale, c.alphaF());
}

enum class Side { Top, Right, Bottom, Left };

bool inFlowBlock(const litehtml::element::ptr &element)
{
    const litehtml::style_display display = element->get_display();
    return (display == litehtml::display_block || display == litehtml::display_list_item ||
            display == litehtml::display_table) &&
           element->get_float() == litehtml::float_none &&
           element->get_element_position() != litehtml::element_position_absolute &&
           element->get_element_position() != litehtml::element_position_fixed;
}

// litehtml 0.6 keeps both margins between a block with a bottom border or padding and the
// block after it, where browsers keep the larger one (the sum of the largest and the most
// negative). The block after the styled element gets a top margin that makes up for it;
// true when the page must be laid out again.
bool collapseMarginAfterStyled(const litehtml::document::ptr &page)
{
    const litehtml::element::ptr styled = page->root()->select_one(litehtml::tstring("[style]"));
    if (!styled || !styled->have_parent() || !inFlowBlock(styled))
        return false;
    const litehtml::element::ptr parent = styled->parent();
    litehtml::element::ptr next;
    for (int i = 0, n = int(parent->get_children_count()); i + 1 < n && !next; ++i)
        if (parent->get_child(i) == styled)
            next = parent->get_child(i + 1);
    if (!next || !inFlowBlock(next))
        return false;
    const litehtml::position above = styled->get_placement();
    const litehtml::position below = next->get_placement();
    // In 64 bits: a font of 10^19 px makes litehtml's own ints wrap, and their sums here.
    using Wide = long long;
    const Wide gap = (Wide(below.y) - next->get_paddings().top - next->get_borders().top) -
                     (Wide(above.y) + above.height + styled->get_paddings().bottom +
                      styled->get_borders().bottom);
    const Wide a = styled->margin_bottom();
    const Wide b = next->margin_top();
    const Wide collapsed = std::max({a, b, Wide(0)}) + std::min({a, b, Wide(0)});
    const Wide margin = b - (gap - collapsed);
    if (gap <= collapsed || margin < std::numeric_limits<int>::min())
        return false;
    next->add_style(u"margin-top: %1px"_s.arg(margin).toStdString(), "");
    next->parse_styles(true);
    return true;
}

} // namespace

class HtmlCanvas::Container final : public litehtml::document_container {
public:
    void setStandardFonts(const QFont &serif, const QFont &monospace)
    {
        m_standIns = standInsFor(serif, monospace);
        m_serif = serif.families();
    }
    // The installed families a font-family value stands for, in its order; the serif
    // font's when none is installed.
    QStringList installedFamiliesFor(QStringView fontFamily) const
    {
        QStringList result;
        const auto add = [&](const QString &name) {
            const auto standIn = m_standIns.constFind(name.toLower());
            for (const QString &candidate :
                 standIn == m_standIns.cend() ? QStringList{name} : *standIn) {
                const QString installed = installedFamilies().value(candidate.toLower());
                if (!installed.isEmpty() && !result.contains(installed))
                    result += installed;
            }
        };
        // A family is a string, or names with white space between them.
        QString name;
        CssTokenizer tokens(fontFamily);
        for (CssToken token = tokens.next();; token = tokens.next()) {
            const QStringView raw = fontFamily.sliced(token.begin, token.size());
            if (token.type == CssToken::Type::Comma || token.type == CssToken::Type::End) {
                if (!name.isEmpty())
                    add(std::exchange(name, QString()));
                if (token.type == CssToken::Type::End)
                    break;
            } else if (token.type == CssToken::Type::String) {
                name = CssTokenizer::stringValue(raw);
            } else if (token.type == CssToken::Type::Ident) {
                name += (name.isEmpty() ? QString() : u" "_s) + CssTokenizer::unescaped(raw);
            }
        }
        return result.isEmpty() ? m_serif : result;
    }

    void begin(const PreviewDocument &document, int width, int height)
    {
        m_deadline = QDeadlineTimer(PreviewRenderer::TimeLimitMs);
        m_overTime = false;
        m_addresses = document.addresses();
        m_byIndex.assign(size_t(m_addresses.size()), nullptr);
        m_faults.clear();
        for (auto &[address, picture] : m_pictures)
            picture.used = false;
        m_width = width;
        m_height = height;
        m_area = QRectF(-16, -16, width + 32, height + 32);
    }
    void beginPainting(QPainter *painter, int height)
    {
        m_painter = painter;
        m_area.setHeight(height + 32);
    }
    void endPainting()
    {
        for (; m_clips > 0; --m_clips)
            m_painter->restore();
        m_painter = nullptr;
    }
    [[nodiscard]] bool wasOverTime() const { return m_overTime; }
    [[nodiscard]] const QStringList &faults() const { return m_faults; }
    // Forgets the images the last page did not use.
    void finish()
    {
        std::erase_if(m_pictures, [](const auto &entry) { return !entry.second.used; });
        m_byIndex.clear();
    }

    litehtml::uint_ptr create_font(const litehtml::tchar_t *faceName, int size, int weight,
                                   litehtml::font_style italic, unsigned int decoration,
                                   litehtml::font_metrics *fm) override
    {
        QFont font;
        font.setFamilies(installedFamiliesFor(QString::fromUtf8(faceName ? faceName : "")));
        font.setPixelSize(std::clamp(size, 1, MaxFontPixels));
        font.setWeight(QFont::Weight(std::clamp(weight, 1, 1000)));
        font.setItalic(italic == litehtml::fontStyleItalic);
        font.setUnderline(decoration & litehtml::font_decoration_underline);
        font.setStrikeOut(decoration & litehtml::font_decoration_linethrough);
        font.setOverline(decoration & litehtml::font_decoration_overline);
        auto made = std::make_unique<Font>(font);
        if (fm) {
            const QFontMetricsF &m = made->metrics;
            // As browsers round them: Liberation Serif 16px is 14 + 3 and a line gap of 1,
            // which litehtml would put above the text: it goes below the baseline.
            fm->ascent = int(std::lround(m.ascent()));
            fm->descent = int(std::lround(m.descent())) + int(std::lround(m.leading()));
            fm->height = fm->ascent + fm->descent;
            fm->x_height = int(std::round(m.xHeight()));
            fm->draw_spaces = font.underline() || font.strikeOut() || font.overline();
        }
        made->descent =
            int(std::lround(made->metrics.descent())) + int(std::lround(made->metrics.leading()));
        const auto handle = reinterpret_cast<litehtml::uint_ptr>(made.get());
        m_fonts.emplace(handle, std::move(made));
        return handle;
    }
    void delete_font(litehtml::uint_ptr hFont) override { m_fonts.erase(hFont); }
    int text_width(const litehtml::tchar_t *text, litehtml::uint_ptr hFont) override
    {
        const Font *const font = fontOf(hFont);
        if (overTime() || !font || !text)
            return 0;
        // Rounded, not up: a line of words drifts less from a browser's fractional advances.
        return int(std::lround(font->metrics.horizontalAdvance(QString::fromUtf8(text))));
    }
    void draw_text(litehtml::uint_ptr hdc, const litehtml::tchar_t *text, litehtml::uint_ptr hFont,
                   litehtml::web_color color, const litehtml::position &pos) override
    {
        const Font *const font = fontOf(hFont);
        if (overTime() || !font || !text || !rectOf(pos).intersects(m_area))
            return;
        QPainter &p = painter(hdc);
        p.setFont(font->font);
        p.setPen(colour(color));
        // Not pos.bottom(), whose int sum overflows for the positions of a font of 10^9 px.
        p.drawText(QPointF(pos.x, qreal(pos.y) + pos.height - font->descent),
                   QString::fromUtf8(text));
    }
    int pt_to_px(int pt) const override { return int(std::lround(pt * 96.0 / 72.0)); }
    int get_default_font_size() const override { return DefaultFontPixels; }
    const litehtml::tchar_t *get_default_font_name() const override { return "serif"; }

    void draw_list_marker(litehtml::uint_ptr hdc, const litehtml::list_marker &marker) override
    {
        const QRectF box = rectOf(marker.pos);
        if (overTime() || !box.intersects(m_area))
            return;
        QPainter &p = painter(hdc);
        if (!marker.image.empty()) {
            drawPicture(p, picture(marker.image.c_str()), box, box);
            return;
        }
        const QColor c = colour(marker.color);
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        switch (marker.marker_type) {
        case litehtml::list_style_type_none:
            break;
        case litehtml::list_style_type_circle:
            p.setPen(QPen(c, 1));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(box.adjusted(0.5, 0.5, -0.5, -0.5));
            break;
        case litehtml::list_style_type_square:
            p.fillRect(box, c);
            break;
        default: // disc; the numbered markers litehtml writes itself
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawEllipse(box);
            break;
        }
        p.restore();
    }
    void load_image(const litehtml::tchar_t *src, const litehtml::tchar_t *, bool) override
    {
        if (!overTime() && src)
            picture(src);
    }
    void get_image_size(const litehtml::tchar_t *src, const litehtml::tchar_t *,
                        litehtml::size &sz) override
    {
        const QSize size = !overTime() && src ? picture(src).size() : QSize();
        sz.width = size.width();
        sz.height = size.height();
    }
    void draw_background(litehtml::uint_ptr hdc, const litehtml::background_paint &bg) override
    {
        const QRectF clip = rectOf(bg.clip_box);
        if (overTime() || !clip.intersects(m_area))
            return;
        QPainter &p = painter(hdc);
        p.save();
        clipTo(p, clip, bg.border_radius);
        if (bg.color.alpha > 0)
            p.fillRect(clip.intersected(m_area), colour(bg.color));
        if (!bg.image.empty())
            drawBackgroundImage(p, bg, clip);
        p.restore();
    }
    void draw_borders(litehtml::uint_ptr hdc, const litehtml::borders &borders,
                      const litehtml::position &draw_pos, bool) override
    {
        const QRectF outer = rectOf(draw_pos);
        if (overTime() || !outer.intersects(m_area))
            return;
        QPainter &p = painter(hdc);
        p.save();
        clipTo(p, outer, borders.radius);
        const std::array<int, 4> widths{std::max(borders.top.width, 0),
                                        std::max(borders.right.width, 0),
                                        std::max(borders.bottom.width, 0),
                                        std::max(borders.left.width, 0)};
        Bands bands;
        addSide(p, bands, outer, widths, Side::Top, borders.top);
        addSide(p, bands, outer, widths, Side::Right, borders.right);
        addSide(p, bands, outer, widths, Side::Bottom, borders.bottom);
        addSide(p, bands, outer, widths, Side::Left, borders.left);
        p.setRenderHint(QPainter::Antialiasing);
        for (const auto &[c, path] : bands)
            p.fillPath(path, c);
        p.restore();
    }

    void set_caption(const litehtml::tchar_t *) override {}
    void set_base_url(const litehtml::tchar_t *) override {}
    void link(const std::shared_ptr<litehtml::document> &, const litehtml::element::ptr &) override
    {
    }
    void on_anchor_click(const litehtml::tchar_t *, const litehtml::element::ptr &) override {}
    void set_cursor(const litehtml::tchar_t *) override {}
    void transform_text(litehtml::tstring &text, litehtml::text_transform tt) override
    {
        QString s = QString::fromStdString(text);
        switch (tt) {
        case litehtml::text_transform_uppercase:
            s = s.toUpper();
            break;
        case litehtml::text_transform_lowercase:
            s = s.toLower();
            break;
        case litehtml::text_transform_capitalize:
            for (qsizetype i = 0; i < s.size(); ++i)
                if (i == 0 || s[i - 1].isSpace())
                    s[i] = s[i].toUpper();
            break;
        case litehtml::text_transform_none:
            break;
        }
        text = s.toStdString();
    }
    // The program reads no file and opens no connection: an @import brings nothing.
    void import_css(litehtml::tstring &, const litehtml::tstring &, litehtml::tstring &) override {}
    void set_clip(const litehtml::position &pos, const litehtml::border_radiuses &radius,
                  bool valid_x, bool valid_y) override
    {
        if (!m_painter)
            return;
        QRectF box = rectOf(pos);
        if (!valid_x)
            box.setLeft(m_area.left()), box.setRight(m_area.right());
        if (!valid_y)
            box.setTop(m_area.top()), box.setBottom(m_area.bottom());
        m_painter->save();
        ++m_clips;
        clipTo(*m_painter, box, radius);
    }
    void del_clip() override
    {
        if (m_painter && m_clips > 0) {
            m_painter->restore();
            --m_clips;
        }
    }
    void get_client_rect(litehtml::position &client) const override
    {
        client = litehtml::position(0, 0, m_width, m_height);
    }
    std::shared_ptr<litehtml::element>
    create_element(const litehtml::tchar_t *, const litehtml::string_map &,
                   const std::shared_ptr<litehtml::document> &) override
    {
        return nullptr;
    }
    void get_media_features(litehtml::media_features &media) const override
    {
        media.type = litehtml::media_type_screen;
        media.width = media.device_width = m_width;
        media.height = media.device_height = m_height;
        media.color = 8;
        media.color_index = 256;
        media.monochrome = 0;
        media.resolution = 96;
    }
    void get_language(litehtml::tstring &language, litehtml::tstring &culture) const override
    {
        language = "cs";
        culture = "cs-CZ";
    }

private:
    struct Font {
        explicit Font(const QFont &f)
            : font(f)
            , metrics(f)
        {
        }
        QFont font;
        QFontMetricsF metrics;
        int descent = 0;
    };
    // A picture to draw: a decoded image, or else a placeholder showing the address.
    struct Picture {
        QImage image;
        QString address;
        QString fault;    // why a data: address has no image
        bool used = true; // by the page being drawn
        [[nodiscard]] QSize size() const { return image.isNull() ? PlaceholderSize : image.size(); }
    };

    // Once the time is up, every callback returns at once and the page is thrown away:
    // litehtml then finishes quickly with nothing to measure or draw, and no exception
    // crosses its frames.
    bool overTime()
    {
        m_overTime = m_overTime || m_deadline.hasExpired();
        return m_overTime;
    }
    const Font *fontOf(litehtml::uint_ptr handle) const
    {
        const auto found = m_fonts.find(handle);
        return found == m_fonts.end() ? nullptr : found->second.get();
    }
    static QPainter &painter(litehtml::uint_ptr hdc) { return *reinterpret_cast<QPainter *>(hdc); }

    const Picture &picture(const char *src)
    {
        static const Picture sample{HtmlCanvas::samplePicture(), {}, {}};
        const QString name = QString::fromUtf8(src);
        if (name == PreviewDocument::SamplePicture)
            return sample;
        bool isIndex = false;
        const qsizetype index =
            name.startsWith(PreviewDocument::AddressScheme)
                ? name.mid(PreviewDocument::AddressScheme.size()).toLongLong(&isIndex)
                : -1;
        if (!isIndex || index < 0 || index >= m_addresses.size()) {
            // Never written by PreviewDocument; drawn as what it says.
            Picture &unknown = m_pictures.try_emplace(name, Picture{{}, name, {}}).first->second;
            unknown.used = true;
            return unknown;
        }
        const Picture *&known = m_byIndex[size_t(index)];
        if (!known) {
            const QString &address = m_addresses[index];
            auto found = m_pictures.find(address);
            if (found == m_pictures.end()) {
                QString fault;
                QImage image = decodedImage(address, fault);
                found =
                    m_pictures.emplace(address, Picture{std::move(image), address, fault}).first;
            }
            found->second.used = true;
            known = &found->second;
            if (!known->fault.isEmpty())
                m_faults +=
                    HtmlCanvas::tr("obrázek %1: %2")
                        .arg(QFontMetricsF(QFont()).elidedText(address, Qt::ElideMiddle, 200),
                             known->fault);
        }
        return *known;
    }

    // Clips to the box, with its rounded corners when it has any.
    void clipTo(QPainter &p, const QRectF &box, const litehtml::border_radiuses &r) const
    {
        const bool rounded =
            r.top_left_x > 0 || r.top_right_x > 0 || r.bottom_right_x > 0 || r.bottom_left_x > 0;
        if (!rounded || !m_area.contains(box)) {
            p.setClipRect(box.intersected(m_area), Qt::IntersectClip);
            return;
        }
        const auto corner = [](int rx, int ry, qreal w, qreal h) {
            return QSizeF(std::clamp<qreal>(rx, 0, w / 2), std::clamp<qreal>(ry, 0, h / 2));
        };
        const QSizeF tl = corner(r.top_left_x, r.top_left_y, box.width(), box.height());
        const QSizeF tr = corner(r.top_right_x, r.top_right_y, box.width(), box.height());
        const QSizeF br = corner(r.bottom_right_x, r.bottom_right_y, box.width(), box.height());
        const QSizeF bl = corner(r.bottom_left_x, r.bottom_left_y, box.width(), box.height());
        QPainterPath path;
        path.moveTo(box.left() + tl.width(), box.top());
        path.lineTo(box.right() - tr.width(), box.top());
        path.arcTo(QRectF(box.right() - 2 * tr.width(), box.top(), 2 * tr.width(), 2 * tr.height()),
                   90,
                   -90);
        path.lineTo(box.right(), box.bottom() - br.height());
        path.arcTo(QRectF(box.right() - 2 * br.width(),
                          box.bottom() - 2 * br.height(),
                          2 * br.width(),
                          2 * br.height()),
                   0,
                   -90);
        path.lineTo(box.left() + bl.width(), box.bottom());
        path.arcTo(
            QRectF(box.left(), box.bottom() - 2 * bl.height(), 2 * bl.width(), 2 * bl.height()),
            270,
            -90);
        path.lineTo(box.left(), box.top() + tl.height());
        path.arcTo(QRectF(box.left(), box.top(), 2 * tl.width(), 2 * tl.height()), 180, -90);
        path.closeSubpath();
        p.setRenderHint(QPainter::Antialiasing);
        p.setClipPath(path, Qt::IntersectClip);
    }

    void drawPlaceholder(QPainter &p, const QRectF &box, const QString &address) const
    {
        const QRectF shown = box.intersected(m_area);
        p.save();
        p.setClipRect(shown, Qt::IntersectClip);
        p.fillRect(shown, QBrush(QColor(0x8a, 0x96, 0xa8), Qt::BDiagPattern));
        p.setPen(QColor(0x80, 0x80, 0x80));
        p.setBrush(Qt::NoBrush);
        p.drawRect(box.intersected(m_area.adjusted(-2, -2, 2, 2)).adjusted(0, 0, -1, -1));
        if (box.width() > 24 && box.height() > 12) {
            QFont font(installedFamiliesFor(u"sans-serif"));
            font.setPixelSize(11);
            p.setFont(font);
            p.setPen(Qt::black);
            const QRectF text = box.adjusted(3, 2, -3, -2).intersected(m_area);
            const QString shown =
                QFontMetricsF(font).elidedText(address, Qt::ElideMiddle, text.width());
            p.fillRect(QRectF(text.topLeft(), QFontMetricsF(font).size(0, shown)),
                       QColor(0xee, 0xee, 0xee));
            p.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, shown);
        }
        p.restore();
    }
    void drawPicture(QPainter &p, const Picture &picture, const QRectF &target,
                     const QRectF &clip) const
    {
        if (picture.image.isNull())
            drawPlaceholder(p, clip, picture.address);
        else
            p.drawImage(target, picture.image);
    }

    void drawBackgroundImage(QPainter &p, const litehtml::background_paint &bg, const QRectF &clip)
    {
        const Picture &shown = picture(bg.image.c_str());
        if (shown.image.isNull()) {
            drawPlaceholder(p, clip, shown.address);
            return;
        }
        const qreal w = bg.image_size.width;
        const qreal h = bg.image_size.height;
        if (w <= 0 || h <= 0)
            return;
        QRectF fill = clip;
        const QRectF tile(bg.position_x, bg.position_y, w, h);
        if (bg.repeat == litehtml::background_repeat_repeat_x ||
            bg.repeat == litehtml::background_repeat_no_repeat)
            fill.setTop(tile.top()), fill.setHeight(h);
        if (bg.repeat == litehtml::background_repeat_repeat_y ||
            bg.repeat == litehtml::background_repeat_no_repeat)
            fill.setLeft(tile.left()), fill.setWidth(w);
        fill = fill.intersected(clip).intersected(m_area);
        if (fill.isEmpty())
            return;
        if (w <= MaxBrushTile && h <= MaxBrushTile) {
            QBrush brush(shown.image.scaled(
                int(w), int(h), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
            brush.setTransform(QTransform::fromTranslate(tile.left(), tile.top()));
            p.fillRect(fill, brush);
            return;
        }
        // Few tiles this large fit the area, so they go one by one.
        const qreal firstX = tile.left() + std::floor((fill.left() - tile.left()) / w) * w;
        const qreal firstY = tile.top() + std::floor((fill.top() - tile.top()) / h) * h;
        p.setClipRect(fill, Qt::IntersectClip);
        for (qreal y = firstY; y < fill.bottom(); y += h)
            for (qreal x = firstX; x < fill.right(); x += w)
                p.drawImage(QRectF(x, y, w, h), shown.image);
    }

    // The band of a side between fractions `from` and `to` of its width, outside in, at
    // whole pixels as browsers stripe a double or 3-D border.
    static QPolygonF band(const QRectF &outer, const std::array<int, 4> &widths, Side side,
                          qreal from, qreal to)
    {
        const auto inset = [&](qreal f) {
            const auto at = [f](int width) { return std::round(width * f); };
            return outer.adjusted(at(widths[3]), at(widths[0]), -at(widths[1]), -at(widths[2]));
        };
        const QRectF o = inset(from);
        const QRectF i = inset(to);
        switch (side) {
        case Side::Top:
            return QPolygonF({o.topLeft(), o.topRight(), i.topRight(), i.topLeft()});
        case Side::Right:
            return QPolygonF({o.topRight(), o.bottomRight(), i.bottomRight(), i.topRight()});
        case Side::Bottom:
            return QPolygonF({o.bottomRight(), o.bottomLeft(), i.bottomLeft(), i.bottomRight()});
        case Side::Left:
            break;
        }
        return QPolygonF({o.bottomLeft(), o.topLeft(), i.topLeft(), i.bottomLeft()});
    }
    // The filled bands of a box's sides, one path for each colour: the sides meet on a
    // diagonal drawn smooth, as browsers draw it, and sides of one colour with no seam.
    using Bands = std::vector<std::pair<QColor, QPainterPath>>;
    void addBand(Bands &bands, const QPolygonF &polygon, const QColor &c) const
    {
        QPainterPath path;
        path.addPolygon(polygon);
        path.closeSubpath();
        if (!m_area.contains(path.boundingRect())) {
            QPainterPath area;
            area.addRect(m_area);
            path = path.intersected(area);
        }
        const auto same = std::ranges::find(bands, c, &Bands::value_type::first);
        if (same == bands.end())
            bands.emplace_back(c, path);
        else
            same->second = same->second.united(path);
    }
    void addSide(QPainter &p, Bands &bands, const QRectF &outer, const std::array<int, 4> &widths,
                 Side side, const litehtml::border &border) const
    {
        const int width = widths[int(side)];
        if (width == 0 || border.style == litehtml::border_style_none ||
            border.style == litehtml::border_style_hidden)
            return;
        const QColor c = colour(border.color);
        const bool topLeft = side == Side::Top || side == Side::Left;
        switch (border.style) {
        case litehtml::border_style_dotted:
        case litehtml::border_style_dashed:
            drawBroken(p, outer, widths, side, c, border.style == litehtml::border_style_dotted);
            return;
        case litehtml::border_style_double:
            if (width >= 3) {
                addBand(bands, band(outer, widths, side, 0, 1.0 / 3), c);
                addBand(bands, band(outer, widths, side, 2.0 / 3, 1), c);
                return;
            }
            break;
        case litehtml::border_style_groove:
        case litehtml::border_style_ridge: {
            const bool outerDark = topLeft == (border.style == litehtml::border_style_groove);
            addBand(bands, band(outer, widths, side, 0, 0.5), shaded(c, outerDark));
            addBand(bands, band(outer, widths, side, 0.5, 1), shaded(c, !outerDark));
            return;
        }
        case litehtml::border_style_inset:
        case litehtml::border_style_outset:
            addBand(bands,
                    band(outer, widths, side, 0, 1),
                    shaded(c, topLeft == (border.style == litehtml::border_style_inset)));
            return;
        default:
            break;
        }
        addBand(bands, band(outer, widths, side, 0, 1), c);
    }
    // Dots or dashes along the middle of the side, clipped to its band.
    void drawBroken(QPainter &p, const QRectF &outer, const std::array<int, 4> &widths, Side side,
                    const QColor &c, bool dotted) const
    {
        const qreal width = widths[int(side)];
        const qreal half = width / 2;
        const QLineF middle =
            side == Side::Top
                ? QLineF(outer.left(), outer.top() + half, outer.right(), outer.top() + half)
            : side == Side::Bottom
                ? QLineF(outer.left(), outer.bottom() - half, outer.right(), outer.bottom() - half)
            : side == Side::Left
                ? QLineF(outer.left() + half, outer.top(), outer.left() + half, outer.bottom())
                : QLineF(outer.right() - half, outer.top(), outer.right() - half, outer.bottom());
        p.save();
        QPainterPath clip;
        clip.addPolygon(band(outer, widths, side, 0, 1));
        QPainterPath area;
        area.addRect(m_area);
        p.setClipPath(clip.intersected(area), Qt::IntersectClip);
        if (dotted) {
            // Round dots one width across, as browsers draw them: the first and the last
            // in the corners, the gaps, about a width, sharing what is left.
            const qreal span = middle.length() - width;
            const int gaps = std::max(1, int(std::floor(span / (2 * width) + 0.5)));
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.setRenderHint(QPainter::Antialiasing);
            const QPointF step = (middle.p2() - middle.p1()) / middle.length();
            for (int i = 0; i <= gaps && span > 0; ++i)
                p.drawEllipse(middle.p1() + step * (half + span * i / gaps), half, half);
        } else {
            // A dash is two widths long, and as browsers draw them, the side starts and ends
            // with one: the gaps, about a width, share what is left.
            QPen pen(c, width, Qt::CustomDashLine, Qt::FlatCap);
            const qreal dashes =
                std::max<qreal>(2, std::round((middle.length() + width) / (3 * width)));
            const qreal gap =
                std::max<qreal>(width / 100, middle.length() - dashes * 2 * width) / (dashes - 1);
            pen.setDashPattern(QList<qreal>{2, gap / width});
            p.setPen(pen);
            p.drawLine(middle);
        }
        p.restore();
    }

    QHash<QString, QStringList> m_standIns;
    QStringList m_serif;
    QDeadlineTimer m_deadline;
    bool m_overTime = false;
    QStringList m_addresses;
    QStringList m_faults;                   // of the page's pictures, each once
    std::vector<const Picture *> m_byIndex; // of this page's addresses, once looked up
    std::unordered_map<QString, Picture> m_pictures;
    std::unordered_map<litehtml::uint_ptr, std::unique_ptr<Font>> m_fonts;
    QPainter *m_painter = nullptr;
    int m_clips = 0;
    int m_width = 0;
    int m_height = 0;
    QRectF m_area; // what is drawn, and a margin
};

HtmlCanvas::HtmlCanvas()
    : m_container(std::make_unique<Container>())
{
}

HtmlCanvas::~HtmlCanvas() = default;

void HtmlCanvas::setStandardFonts(const QFont &serif, const QFont &monospace)
{
    m_container->setStandardFonts(serif, monospace);
}

QStringList HtmlCanvas::imageFaults() const
{
    return m_container->faults();
}

QImage HtmlCanvas::samplePicture()
{
    return drawnSamplePicture();
}

QImage HtmlCanvas::draw(const PreviewDocument &document, int width, int minimumHeight,
                        qreal devicePixelRatio)
{
    width = std::clamp(width, 1, MaxWidth);
    const qreal ratio = std::clamp<qreal>(devicePixelRatio, 1, 4);
    const int tallest = int(
        std::min<qreal>(PreviewRenderer::MaxHeight, MaxDrawingPixels / (width * ratio * ratio)));
    minimumHeight = std::clamp(minimumHeight, 1, tallest);
    Container &container = *m_container;
    container.begin(document, width, minimumHeight);
    QImage image;
    const QByteArray html = document.html().toUtf8();
    const litehtml::document::ptr page =
        litehtml::document::createFromUTF8(html.constData(), &container, &context());
    page->render(width);
    if (!container.wasOverTime() && collapseMarginAfterStyled(page))
        page->render(width);
    if (!container.wasOverTime()) {
        const int height = std::clamp(page->height(), minimumHeight, tallest);
        image =
            QImage((QSizeF(width, height) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::white);
        QPainter painter(&image);
        container.beginPainting(&painter, height);
        const litehtml::position clip(0, 0, width, height);
        page->draw(reinterpret_cast<litehtml::uint_ptr>(&painter), 0, 0, &clip);
        container.endPainting();
    }
    if (container.wasOverTime())
        image = QImage();
    container.finish();
    return image;
}
