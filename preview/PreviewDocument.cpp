#include "PreviewDocument.h"

#include "CssTokenizer.h"
#include "DeclarationCheck.h"
#include "Keywords.h"
#include "Property.h"
#include "RuleContext.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// A sample page for some elements. In `html`, %1 is the style attribute (with its leading
// space), %2 a sentence of running text, %3 the sample element's own text and %4 the
// element's name; `elements` lists the names it serves, space-separated.
struct Sample {
    QStringView elements;
    QStringView html;
    const char *description; // Czech, after "Ukázka: <name>"
};

constexpr QStringView BlockHtml = u"<body><p>%2</p><%4%1>%3</%4><p>%2</p></body>";

constexpr std::array Samples{
    Sample{u"p div address blockquote center pre h1 h2 h3 h4 h5 h6",
           BlockHtml,
           QT_TRANSLATE_NOOP("PreviewDocument", "mezi dvěma odstavci")},
    Sample{u"abbr acronym b big cite code dfn em i ins label s samp small span strike strong "
           u"sub sup tt u",
           u"<body><p>%2 <%4%1>%3</%4> %2</p></body>",
           QT_TRANSLATE_NOOP("PreviewDocument", "v textu odstavce")},
    // The quotes a browser puts before and after a q are its children as they are here.
    Sample{u"q",
           u"<body><p>%2 <q%1>„%3“</q> %2</p></body>",
           QT_TRANSLATE_NOOP("PreviewDocument", "v textu odstavce")},
    Sample{u"a",
           u"<body><p>%2 <a href=\"#\"%1>%3</a> %2</p></body>",
           QT_TRANSLATE_NOOP("PreviewDocument", "jako odkaz v textu odstavce")},
    Sample{u"basefont",
           u"<body><p>%2 <basefont%1> %2</p></body>",
           QT_TRANSLATE_NOOP("PreviewDocument", "jako prázdný prvek v textu odstavce")},
    Sample{u"img",
           u"<body><p>%2 <img src=\"stylomat-sample-picture\" alt=\"\"%1> %2</p></body>",
           QT_TRANSLATE_NOOP("PreviewDocument", "jako kreslený obrázek v textu odstavce")},
    Sample{u"ul ol",
           u"<body><p>%2</p><%4%1><li>%3</li><li>%3</li><li>%3</li></%4><p>%2</p></body>",
           QT_TRANSLATE_NOOP("PreviewDocument", "jako seznam o třech položkách")},
    Sample{u"li",
           u"<body><ul><li>%2</li><li%1>%3</li><li>%2</li></ul></body>",
           QT_TRANSLATE_NOOP("PreviewDocument", "jako prostřední položka seznamu")},
    Sample{u"dl",
           u"<body><dl%1><dt>%3</dt><dd>%2</dd><dt>%3</dt><dd>%2</dd></dl></body>",
           QT_TRANSLATE_NOOP("PreviewDocument", "jako seznam definic")},
    Sample{u"dt",
           u"<body><dl><dt%1>%3</dt><dd>%2</dd></dl></body>",
           QT_TRANSLATE_NOOP("PreviewDocument", "jako pojem v seznamu definic")},
    Sample{u"dd",
           u"<body><dl><dt>%3</dt><dd%1>%2</dd></dl></body>",
           QT_TRANSLATE_NOOP("PreviewDocument", "jako výklad v seznamu definic")},
    Sample{u"table",
           u"<body><table%1><tr><th>A</th><th>B</th></tr><tr><td>A1</td><td>B1</td></tr>"
           u"<tr><td>A2</td><td>B2</td></tr></table></body>",
           QT_TRANSLATE_NOOP("PreviewDocument", "jako tabulka o třech řádcích")},
    Sample{u"caption",
           u"<body><table><caption%1>%3</caption><tr><td>A1</td><td>B1</td></tr></table></body>",
           QT_TRANSLATE_NOOP("PreviewDocument", "jako titulek tabulky")},
    Sample{u"tr",
           u"<body><table><tr><th>A</th><th>B</th></tr><tr%1><td>A1</td><td>B1</td></tr>"
           u"<tr><td>A2</td><td>B2</td></tr></table></body>",
           QT_TRANSLATE_NOOP("PreviewDocument", "jako prostřední řádek tabulky")},
    Sample{u"td",
           u"<body><table><tr><th>A</th><th>B</th></tr><tr><td%1>%3</td><td>B1</td></tr>"
           u"<tr><td>A2</td><td>B2</td></tr></table></body>",
           QT_TRANSLATE_NOOP("PreviewDocument", "jako buňka tabulky")},
    Sample{u"th",
           u"<body><table><tr><th%1>%3</th><th>B</th></tr><tr><td>A1</td><td>B1</td></tr>"
           u"</table></body>",
           QT_TRANSLATE_NOOP("PreviewDocument", "jako záhlaví sloupce tabulky")},
    Sample{u"legend",
           u"<body><fieldset><legend%1>%3</legend>%2</fieldset></body>",
           QT_TRANSLATE_NOOP("PreviewDocument", "jako popis skupiny formuláře")},
    Sample{u"body",
           u"<body%1><p>%3</p><p>%2</p></body>",
           QT_TRANSLATE_NOOP("PreviewDocument", "jako celá ukázka")},
    // A style element's text would be read as a style sheet: a stand-in shows it as
    // text, hidden as the element is until the rule changes its display.
    Sample{u"style",
           u"<body><p>%2</p><div class=\"stylomat-style\"%1>p { color: navy }</div><p>%2</p>"
           u"</body>",
           QT_TRANSLATE_NOOP("PreviewDocument", "skrytý, dokud pravidlo nezmění display")},
};

const Sample &sampleFor(QStringView element)
{
    for (const Sample &sample : Samples) {
        for (const QStringView name : sample.elements.tokenize(u' '))
            if (name == element)
                return sample;
    }
    return Samples.front();
}

bool isKnownElement(QStringView name)
{
    return std::ranges::any_of(Samples, [name](const Sample &sample) {
        return std::ranges::any_of(sample.elements.tokenize(u' '),
                                   [name](QStringView known) { return known == name; });
    });
}

using Type = CssToken::Type;

QStringView slice(QStringView text, const CssToken &token)
{
    return text.sliced(token.begin, token.size());
}

bool opens(Type type)
{
    return type == Type::OpenSquare || type == Type::OpenParen || type == Type::Function;
}

bool closes(Type type)
{
    return type == Type::CloseSquare || type == Type::CloseParen;
}

// The element name of the selector's last compound (the tokens after the last combinator
// or comma), ASCII lower case; empty when it names none ("#id", "*", ".x").
QString lastElementName(QStringView selector)
{
    std::vector<CssToken> compound; // the last one that is not empty
    std::vector<CssToken> current;
    int depth = 0; // of [], () and functions
    CssTokenizer tokens(selector);
    for (CssToken token = tokens.next(); token.type != Type::End; token = tokens.next()) {
        if (token.type == Type::Comment)
            continue;
        const QStringView raw = slice(selector, token);
        const bool combinator =
            depth == 0 &&
            (token.type == Type::Whitespace || token.type == Type::Comma ||
             (token.type == Type::Delim && (raw == u">" || raw == u"+" || raw == u"~")));
        depth += opens(token.type) ? 1 : closes(token.type) && depth > 0 ? -1 : 0;
        if (combinator) {
            current.clear();
            continue;
        }
        current.push_back(token);
        compound = current;
    }
    // "name", "ns|name", "|name" or "*|name"; the name is the last identifier before
    // anything else.
    QStringView name;
    for (const CssToken &token : compound) {
        const QStringView raw = slice(selector, token);
        if (token.type == Type::Ident)
            name = raw;
        else if (!(token.type == Type::Delim && (raw == u"|" || raw == u"*")))
            break;
    }
    return CssTokenizer::asciiLower(CssTokenizer::unescaped(name));
}

// Properties that do nothing on a screen: for paged media and for speech.
constexpr QStringView PrintOrSpeechOnly =
    u"marks orphans page page-break-after page-break-before page-break-inside size widows "
    u"azimuth cue cue-after cue-before elevation pause pause-after pause-before pitch "
    u"pitch-range play-during richness speak speak-header speak-numeral speak-punctuation "
    u"speech-rate stress voice-family volume";

// Catalogue properties that litehtml 0.6 reads nowhere or draws nothing for (font-variant:
// no small capitals), and the ones that do nothing in a style attribute of a picture:
// content (only :before and :after have it) and cursor (only a pointer over the page
// shows it).
constexpr QStringView CatalogueNotDrawn =
    u"caption-side clip content counter-increment counter-reset cursor direction empty-cells "
    u"font-size-adjust font-stretch font-variant letter-spacing marker-offset outline "
    u"outline-color outline-style outline-width quotes table-layout text-shadow unicode-bidi "
    u"word-spacing";

// Values litehtml 0.6 reads but draws as something else: justified lines stay left, a
// raised or lowered span stays on the baseline, an inside marker stays outside. The
// declaration still goes to it, and the line under the picture names it.
constexpr std::array<std::pair<QStringView, QStringView>, 5> ValuesNotDrawn{{
    {u"text-align", u"justify"},
    {u"vertical-align", u"super"},
    {u"vertical-align", u"sub"},
    {u"list-style-position", u"inside"},
    {u"list-style", u"inside"},
}};

// Whether the value, as litehtml draws it, differs from a browser's picture.
bool drawnOtherwise(QStringView name, QStringView value)
{
    return std::ranges::any_of(ValuesNotDrawn, [&](const auto &entry) {
        return entry.first == name &&
               std::ranges::any_of(value.tokenize(u' ', Qt::SkipEmptyParts), [&](QStringView word) {
                   return word.compare(entry.second, Qt::CaseInsensitive) == 0;
               });
    });
}

// Properties outside the catalogue that litehtml 0.6 draws.
constexpr QStringView OtherDrawn =
    u"background-clip background-origin background-size border-radius border-top-left-radius "
    u"border-top-right-radius border-bottom-left-radius border-bottom-right-radius box-sizing";

// Whether the name is one of the space-separated names of the list.
bool listed(QStringView list, QStringView name)
{
    return std::ranges::any_of(list.tokenize(u' '), [name](QStringView n) { return n == name; });
}

bool isDrawn(QStringView name)
{
    if (Property::indexOf(name) != 0)
        return !listed(CatalogueNotDrawn, name);
    return listed(OtherDrawn, name);
}

bool isPropertyName(QStringView name)
{
    if (name.isEmpty() || name.startsWith(u"--"))
        return false;
    return std::ranges::all_of(name, [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'-' || c == u'_';
    });
}

void addOnce(QStringList &list, const QString &text)
{
    if (!list.contains(text))
        list += text;
}

// What the rule says of the sample's element, as a browser keeps it: of each property the
// last value it accepts, unless an earlier accepted one is !important.
RuleContext contextOf(const QString &element,
                      const QList<std::pair<QString, QString>> &declarations)
{
    RuleContext context = RuleContext::of({}, [&declarations](QStringView name) {
        QString kept;
        bool keptImportant = false;
        for (const auto &[givenName, givenValue] : declarations) {
            const QString value = givenValue.trimmed();
            if (CssTokenizer::asciiLower(givenName.trimmed()) != name || value.isEmpty() ||
                !browserAccepts(name, value))
                continue;
            const bool important = CssTokenizer::endsImportant(value);
            if (important || !keptImportant) {
                kept = value;
                keptImportant = important;
            }
        }
        return kept;
    });
    context.element = element;
    return context;
}

// The sample's html with %1 to %4 replaced in one pass, so that a replacement is never
// read again.
QString filled(QStringView html, const std::array<QString, 4> &values)
{
    QString result;
    for (qsizetype i = 0; i < html.size(); ++i) {
        const char16_t digit = i + 1 < html.size() ? html[i + 1].unicode() : 0;
        if (html[i] == u'%' && digit >= u'1' && digit <= u'4') {
            result += values[digit - u'1'];
            ++i;
        } else {
            result += html[i];
        }
    }
    return result;
}

QString escapedForAttribute(QString text)
{
    return text.replace(u'&', u"&amp;"_s).replace(u'"', u"&quot;"_s);
}

// litehtml 0.6 reads the border width keywords as zero, and so the initial medium width
// too: widths go to it as lengths, and a side that gets a visible style but no width gets
// the 3px that medium is in browsers.
class BorderWidths {
public:
    // The value with thin, medium and thick written as lengths, for the properties that
    // set a border's width or style (as the property table says what each sets); other
    // values as they are.
    QString adapted(const QString &name, const QString &value)
    {
        const int property = Property::indexOf(name);
        if (property == 0)
            return value;
        Sides widths{};
        Sides styles{};
        for (const int longhand : Property::longhands(property)) {
            for (size_t side = 0; side < 4; ++side) {
                const QString prefix = u"border-"_s + SideNames[side].toString() + u'-';
                const QString set = Property::at(longhand).name.toLower();
                widths[side] = widths[side] || set == prefix + u"width"_s;
                styles[side] = styles[side] || set == prefix + u"style"_s;
            }
        }
        const bool setsWidth = widths != Sides{};
        const bool setsStyle = styles != Sides{};
        if (!setsWidth && !setsStyle)
            return value;
        QStringList words = wordsOf(value);
        if (setsWidth && setsStyle) { // border, border-top, …
            bool width = false;
            bool visible = false;
            for (QString &word : words) {
                width = width || isWidth(word);
                visible = visible || (isStyle(word) && !isHidden(word));
                word = asLength(word);
            }
            for (size_t i = 0; i < 4; ++i)
                if (widths[i])
                    m_explicitWidth[i] = width, m_visibleStyle[i] = visible;
        } else if (setsWidth) {
            for (size_t i = 0; i < 4; ++i)
                if (widths[i])
                    m_explicitWidth[i] = true;
            for (QString &word : words)
                word = asLength(word);
        } else {
            const QStringList box = boxValues(words);
            // One side's style, or the four sides' from one to four values.
            const bool one = std::count(styles.begin(), styles.end(), true) == 1;
            for (size_t i = 0; i < 4; ++i)
                if (styles[i]) {
                    const QString &style = box[one ? 0 : qsizetype(i)];
                    m_visibleStyle[i] = isStyle(style) && !isHidden(style);
                }
            return value;
        }
        return words.join(u' ');
    }
    // "; border-top-width: 3px" and so on for each side that needs it.
    [[nodiscard]] QString impliedWidths() const
    {
        QString text;
        for (size_t i = 0; i < 4; ++i)
            if (m_visibleStyle[i] && !m_explicitWidth[i])
                text += u"; border-"_s + SideNames[i].toString() + u"-width: 3px"_s;
        return text;
    }

private:
    using Sides = std::array<bool, 4>;
    static constexpr std::array<QStringView, 4> SideNames{u"top", u"right", u"bottom", u"left"};

    // The value's words: its tokens between white space and comments, brackets whole.
    static QStringList wordsOf(QStringView value)
    {
        QStringList words;
        QString word;
        int depth = 0;
        CssTokenizer tokens(value);
        for (CssToken token = tokens.next(); token.type != Type::End; token = tokens.next()) {
            const bool apart = token.type == Type::Whitespace || token.type == Type::Comment;
            if (depth == 0 && apart) {
                if (!word.isEmpty())
                    words += std::exchange(word, QString());
                continue;
            }
            depth += opens(token.type) ? 1 : closes(token.type) && depth > 0 ? -1 : 0;
            word += slice(value, token);
        }
        if (!word.isEmpty())
            words += word;
        return words;
    }
    // Top, right, bottom and left from one to four values.
    static QStringList boxValues(const QStringList &words)
    {
        QStringList values;
        for (const QString &word : words)
            if (!word.startsWith(u'!') && word.compare(u"important", Qt::CaseInsensitive) != 0)
                values += word;
        if (values.isEmpty())
            values += QString();
        while (values.size() < 4)
            values += values[values.size() == 3 ? 1 : 0];
        return values;
    }
    static bool isStyle(const QString &word)
    {
        return keywords::borderStyles().contains(word, Qt::CaseInsensitive);
    }
    static bool isHidden(QStringView word)
    {
        return word.compare(u"none", Qt::CaseInsensitive) == 0 ||
               word.compare(u"hidden", Qt::CaseInsensitive) == 0;
    }
    static bool isWidth(QStringView word)
    {
        if (asLength(word.toString()) != word)
            return true;
        const qsizetype digit = word.startsWith(u'+') || word.startsWith(u'-') ? 1 : 0;
        return digit < word.size() && (word[digit].isDigit() || word[digit] == u'.');
    }
    // thin, medium and thick as browsers draw them.
    static QString asLength(const QString &word)
    {
        static constexpr std::array<QStringView, 3> Pixels{u"1px", u"3px", u"5px"};
        const qsizetype keyword = keywords::borderWidths().indexOf(word.toLower());
        return keyword < 0 ? word : Pixels[std::size_t(keyword)].toString();
    }

    Sides m_explicitWidth{};
    Sides m_visibleStyle{};
};

// A sample whose element stands inside a paragraph's text, with that text's first sentence
// moved after it: litehtml 0.6 puts a float at the top of its paragraph even where it
// follows text, and browsers put it there only when it starts the paragraph.
QString floatedFirst(QStringView html)
{
    constexpr QStringView Before = u"<p>%2 <";
    const qsizetype at = html.indexOf(Before);
    const qsizetype end = html.indexOf(u"</p>");
    if (at < 0 || end < at)
        return html.toString();
    QString moved = html.first(at + 3).toString();
    moved += html.sliced(at + 6, end - at - 6);
    moved += u" %2"_s;
    moved += html.sliced(end);
    return moved;
}

// The sample's page with the style attribute given, escaped, and the head given.
QString samplePage(QStringView element, bool floated, const QString &head, const QString &style)
{
    const QString attribute =
        style.isEmpty() ? QString() : uR"( style=")"_s + escapedForAttribute(style) + u'"';
    const QStringView html = sampleFor(element).html;
    return u"<html><head>"_s + head + u"</head>"_s +
           filled(floated ? floatedFirst(html) : html.toString(),
                  {attribute,
                   PreviewDocument::tr("Příliš žluťoučký kůň úpěl ďábelské ódy."),
                   PreviewDocument::tr("Ukázka"),
                   element.toString()}) +
           u"</html>"_s;
}

} // namespace

PreviewDocument::PreviewDocument(const PreviewRule &rule)
    : m_rule(rule)
    , m_namedInSelector(lastElementName(rule.selector))
{
    m_element = isKnownElement(m_namedInSelector) ? m_namedInSelector : u"div"_s;
    addDeclarations(rule.declarations);
    for (const QString &other : rule.others)
        addOnce(m_leftOut, tr("„%1“ (není deklarace)").arg(other.left(40)));
    m_html = samplePage(m_element, m_floated, u"<title></title>"_s, m_style);
}

QString PreviewDocument::browserHtml() const
{
    QStringList written;
    for (const auto &[name, value] : m_rule.declarations)
        if (isPropertyName(CssTokenizer::asciiLower(name.trimmed())) && !value.trimmed().isEmpty())
            written += name.trimmed() + u": "_s + value.trimmed();
    // What the engine's own default sheet says of the stand-in for style.
    return u"<!DOCTYPE html>"_s +
           samplePage(m_element,
                      m_floated,
                      u"<meta charset=\"utf-8\"><title></title><style>.stylomat-style { display: "
                      u"none; font-family: monospace; white-space: pre }</style>"_s,
                      written.join(u"; "_s));
}

// Which declarations the renderer gets; everything it does not get is noted here, and
// nothing else decides it.
void PreviewDocument::addDeclarations(const QList<std::pair<QString, QString>> &declarations)
{
    qsizetype passed = 0;
    qsizetype overCount = 0;
    BorderWidths borders;
    const RuleContext context = contextOf(m_element, declarations);
    m_floated = !context.floating.isNull() && context.floating != u"none";
    for (const auto &[givenName, givenValue] : declarations) {
        const QString name = CssTokenizer::asciiLower(givenName.trimmed());
        QString value = givenValue.trimmed();
        if (value.isEmpty())
            continue;
        if (!isPropertyName(name)) {
            addOnce(m_leftOut, tr("„%1“ (není název vlastnosti)").arg(name.left(40)));
            continue;
        }
        if (listed(PrintOrSpeechOnly, name)) {
            addOnce(m_printOrSpeechOnly, name);
            continue;
        }
        if (!isDrawn(name)) {
            addOnce(m_notDrawn, name);
            continue;
        }
        if (passed == MaxDeclarations) {
            ++overCount;
            continue;
        }
        value = withAddressReferences(name, value);
        if (value.isNull())
            continue;
        // What a browser drops of the rule, the renderer never sees.
        if (!browserAccepts(name, value)) {
            addOnce(m_leftOut, tr("%1 (neplatná hodnota)").arg(name));
            continue;
        }
        if (value.size() > MaxValueLength) {
            addOnce(m_leftOut, tr("%1 (hodnota delší než %2 znaků)").arg(name).arg(MaxValueLength));
            continue;
        }
        // A browser draws nothing for it on this element either; the line says why.
        if (const QString why = context.noEffect(name); !why.isEmpty()) {
            auto group = std::ranges::find(m_noEffect, why, &NoEffect::reason);
            if (group == m_noEffect.end())
                group = m_noEffect.insert(group, {why, {}});
            addOnce(group->names, name);
        } else if (drawnOtherwise(name, value)) {
            addOnce(m_notDrawn, name + u": "_s + value);
        }
        if (!m_style.isEmpty())
            m_style += u"; "_s;
        m_style += name + u": "_s + borders.adapted(name, value);
        ++passed;
    }
    m_style += borders.impliedWidths();
    if (m_style.startsWith(u';'))
        m_style.remove(0, 2);
    if (overCount > 0)
        m_leftOut += tr("deklarace od %1. dál (%2)").arg(MaxDeclarations + 1).arg(overCount);
}

// The value with each url() written as a reference to addresses(), or a null string when
// the declaration cannot be passed. Every other token is copied as it is.
QString PreviewDocument::withAddressReferences(const QString &name, const QString &value)
{
    std::vector<CssToken> tokens;
    CssTokenizer tokenizer(value);
    for (CssToken token = tokenizer.next(); token.type != Type::End; token = tokenizer.next())
        tokens.push_back(token);
    const auto isSpace = [&tokens](std::size_t i) {
        return i < tokens.size() &&
               (tokens[i].type == Type::Whitespace || tokens[i].type == Type::Comment);
    };
    QString result;
    result.reserve(value.size());
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const CssToken &token = tokens[i];
        const QStringView raw = slice(value, token);
        QString address;
        std::size_t last = i; // the url()'s last token
        if (token.type == Type::Url) {
            address = CssTokenizer::urlAddress(raw);
        } else if (token.type == Type::Function &&
                   CssTokenizer::equalsIgnoringAsciiCase(CssTokenizer::unescaped(raw.chopped(1)),
                                                         u"url")) {
            // url("…"): one string and the ")", with white space around the string.
            std::size_t string = i + 1;
            while (isSpace(string))
                ++string;
            std::size_t close = string + 1;
            while (isSpace(close))
                ++close;
            if (close < tokens.size() && tokens[string].type == Type::String &&
                tokens[close].type == Type::CloseParen) {
                address = CssTokenizer::stringValue(slice(value, tokens[string]));
                last = close;
            }
        }
        if (last == i && token.type != Type::Url) {
            result += raw;
            continue;
        }
        if (address.startsWith(u"data:", Qt::CaseInsensitive) && address.size() > MaxDataLength) {
            addOnce(m_leftOut,
                    tr("%1 (obrázek data: větší než %2 MiB, kreslí se jen zástupný)")
                        .arg(name)
                        .arg(MaxDataLength >> 20));
            address = address.left(address.indexOf(u',') + 1).left(200) + u'…';
        }
        qsizetype index = m_addresses.indexOf(address);
        if (index < 0) {
            if (m_addresses.size() == MaxAddresses) {
                addOnce(m_leftOut, tr("%1 (adres url() víc než %2)").arg(name).arg(MaxAddresses));
                return {};
            }
            index = m_addresses.size();
            m_addresses += address;
        }
        result += u"url("_s;
        result += AddressScheme;
        result += QString::number(index) + u')';
        i = last;
    }
    return result;
}

QString PreviewDocument::info() const
{
    QString line = tr("Ukázka: <%1> %2").arg(m_element, tr(sampleFor(m_element).description));
    if (m_namedInSelector.isEmpty())
        line += tr(" (selektor nejmenuje prvek)");
    else if (m_namedInSelector != m_element)
        line += tr(" (prvek „%1“ náhled nezná)").arg(m_namedInSelector);
    line += u'.';
    QStringList without;
    if (!m_printOrSpeechOnly.isEmpty())
        without += tr("%1 (jen pro tisk nebo řeč)").arg(m_printOrSpeechOnly.join(u", "_s));
    if (!m_notDrawn.isEmpty())
        without += tr("%1 (náhled je nekreslí)").arg(m_notDrawn.join(u", "_s));
    for (const NoEffect &group : m_noEffect)
        without += group.names.join(u", "_s) + u" ("_s + group.reason + u')';
    if (!without.isEmpty())
        line += tr(" Bez účinku: %1.").arg(without.join(u"; "_s));
    if (!m_leftOut.isEmpty())
        line += tr(" Vynecháno: %1.").arg(m_leftOut.join(u", "_s));
    return line;
}
