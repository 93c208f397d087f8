#include "Property.h"

#include "Keywords.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>

using namespace Qt::StringLiterals;

namespace {

constexpr CssLevel Css1 = CssLevel::Css1;
constexpr CssLevel Css2 = CssLevel::Css2;
constexpr bool KeepsCase = true;

// The table's texts are literals: a QString over them needs no copy.
QString text(const char16_t *utf16)
{
    if (utf16 == nullptr)
        return {};
    return QString::fromRawData(reinterpret_cast<const QChar *>(utf16),
                                std::char_traits<char16_t>::length(utf16));
}

// One piece of an offered list: a single value, or a whole run of them.
struct Offered {
    Offered(const char16_t *value)
        : values{text(value)}
    {
    }
    Offered(const QStringList &run)
        : values(run)
    {
    }
    QStringList values;
};

struct Part {
    Part(const char16_t *name, const char16_t *fallback = nullptr, char16_t joiner = u' ',
         bool keepsCase = false)
        : part{text(name), text(fallback), joiner, keepsCase}
    {
    }
    ShorthandPart part;
};

struct Note {
    Note(ValueNote::Kind kind, const char16_t *grammar, const char *reason)
        : note{kind, text(grammar), reason}
    {
    }
    ValueNote note;
};

constexpr ValueNote::Kind Dropped = ValueNote::Kind::DroppedInCss21;
constexpr ValueNote::Kind Mistake = ValueNote::Kind::Mistake;

// Why a value or a property CSS 2.1 dropped should not be used, and what took its place.
constexpr const char *NothingReplacesValue =
    QT_TRANSLATE_NOOP("ValueGrammar", "CSS 2.1 hodnotu vypustila a nic ji nenahrazuje");
constexpr const char *MarkerReplacesValue = QT_TRANSLATE_NOOP(
    "ValueGrammar", "CSS 2.1 hodnotu vypustila; nahrazuje ji pseudoprvek ::marker");
constexpr const char *RunInReturns = QT_TRANSLATE_NOOP(
    "ValueGrammar", "CSS 2.1 hodnotu vypustila; CSS Display 3 ji vrací, prohlížeče ji ale neznají");
constexpr const char *MarkerReplacesProperty = QT_TRANSLATE_NOOP(
    "ValueGrammar", "CSS 2.1 vlastnost vypustila; nahrazuje ji pseudoprvek ::marker");
constexpr const char *PageMarksReplace =
    QT_TRANSLATE_NOOP("ValueGrammar", "CSS 2.1 vlastnost vypustila; nahrazuje ji deskriptor marks "
                                      "pravidla @page (CSS Paged Media)");
constexpr const char *NamedPagesReplace =
    QT_TRANSLATE_NOOP("ValueGrammar", "CSS 2.1 vlastnost vypustila; nahrazují ji pojmenované "
                                      "stránky pravidla @page (CSS Paged Media)");
constexpr const char *PageSizeReplaces =
    QT_TRANSLATE_NOOP("ValueGrammar", "CSS 2.1 vlastnost vypustila; nahrazuje ji deskriptor size "
                                      "pravidla @page (CSS Paged Media)");
constexpr const char *EmptyStringIsQuotes =
    QT_TRANSLATE_NOOP("ValueGrammar", "prázdný řetězec se v CSS píše \"\"");

// A description: Czech UTF-8, marked for translation in the context "Property", and where
// one Czech text describes two properties, a word that tells them apart.
struct Described {
    Described(const char *czech, const char *which = nullptr)
        : czech(czech)
        , which(which)
    {
    }
    const char *czech;
    const char *which;
};

Property row(const char16_t *name, const char16_t *defaultValue, Described description,
             CssLevel level, const char16_t *grammar, std::initializer_list<Offered> offered,
             std::initializer_list<Part> parts = {},
             std::initializer_list<const char16_t *> resets = {},
             std::initializer_list<Note> notes = {})
{
    Property p{text(name),
               text(defaultValue),
               QString::fromUtf8(description.czech),
               description.czech,
               description.which,
               level,
               text(grammar),
               {},
               {},
               {},
               {}};
    for (const Offered &piece : offered)
        p.offeredValues += piece.values;
    for (const Part &part : parts)
        p.parts += part.part;
    for (const char16_t *longhand : resets)
        p.resets += text(longhand);
    for (const Note &note : notes)
        p.notes += note.note;
    if (p.isShorthand())
        p.offeredValues += composeOffer();
    return p;
}

// Columns: name, default, description, level, value grammar, offered values (a shorthand
// also offers composeOffer() last), a shorthand's parts in the order they are joined, the
// longhands it resets, and notes on values outside the grammar.
std::array<Property, PropertyCount> buildTable()
{
    const QStringList &colours = keywords::basicColours();
    const QStringList &borderStyles = keywords::borderStyles();
    const QStringList &borderWidths = keywords::borderWidths();
    const QStringList &outlineStyles = keywords::outlineStyles();
    // A row a property, its fields packed: the table reads as one.
    // clang-format off
    auto rows = std::to_array<Property>({
        row(u"Background", u"",
            QT_TRANSLATE_NOOP("Property", "sdružená vlastnost určující vlastnosti pozadí prvku"),
            Css1,
            u"[ <'background-color'> || <'background-image'> || <'background-repeat'> || "
            u"<'background-attachment'> || <'background-position'> ] | inherit",
            {u"inherit"},
            {u"Background-attachment", u"Background-color", u"Background-image",
             u"Background-position", u"Background-repeat"},
            {u"Background-color", u"Background-image", u"Background-repeat",
             u"Background-attachment", u"Background-position"}),
        row(u"Background-attachment", u"scroll",
            QT_TRANSLATE_NOOP("Property", "určuje závislost obrázku na pozadí na posunu stránky"),
            Css1, u"scroll | fixed | inherit", {u"scroll", u"fixed", u"inherit"}),
        row(u"Background-color", u"transparent",
            QT_TRANSLATE_NOOP("Property", "určuje barvu pozadí"), Css1,
            u"<color> | transparent | inherit", {u"transparent", colours, u"inherit"}),
        row(u"Background-image", u"none",
            QT_TRANSLATE_NOOP("Property", "určuje obrázek na pozadí prvku"), Css1,
            u"<uri> | none | inherit", {u"none", u"inherit"}),
        row(u"Background-position", u"0% 0%",
            QT_TRANSLATE_NOOP("Property", "určuje pozici obrázku na pozadí prvku"), Css1,
            u"[ [ <percentage> | <length> | left | center | right ] [ <percentage> | <length> | "
            u"top | center | bottom ]? ] | [ [ left | center | right ] || [ top | center | bottom "
            u"] ] | inherit",
            {u"top left", u"top center", u"top right", u"center left", u"center", u"center right",
             u"bottom left", u"bottom center", u"bottom right", u"inherit"}),
        row(u"Background-repeat", u"repeat",
            QT_TRANSLATE_NOOP("Property", "určuje způsob opakování obrázku na pozadí"), Css1,
            u"repeat | repeat-x | repeat-y | no-repeat | inherit",
            {u"repeat", u"repeat-x", u"repeat-y", u"no-repeat", u"inherit"}),
        row(u"Border", u"",
            QT_TRANSLATE_NOOP(
                "Property",
                "sdružení vlastnost určující orámování prvku (nahoře-vpravo-dole-vlevo)"),
            Css1, u"[ <border-width> || <border-style> || <'border-top-color'> ] | inherit",
            {u"inherit"}, {u"Border-top-color", u"Border-top-style", u"Border-top-width"},
            {u"Border-top-width", u"Border-top-style", u"Border-top-color", u"Border-right-width",
             u"Border-right-style", u"Border-right-color", u"Border-bottom-width",
             u"Border-bottom-style", u"Border-bottom-color", u"Border-left-width",
             u"Border-left-style", u"Border-left-color"}),
        row(u"Border-bottom", u"",
            QT_TRANSLATE_NOOP("Property",
                              "sdružená vlastnost určující vlastnosti spodního orámování prvku"),
            Css1, u"[ <border-width> || <border-style> || <'border-bottom-color'> ] | inherit",
            {u"inherit"}, {u"Border-bottom-color", u"Border-bottom-style", u"Border-bottom-width"},
            {u"Border-bottom-width", u"Border-bottom-style", u"Border-bottom-color"}),
        row(u"Border-bottom-color", u"",
            QT_TRANSLATE_NOOP("Property", "určuje barvu spodního orámování prvku"), Css2,
            u"<color> | transparent | inherit", {colours, u"inherit"}),
        row(u"Border-bottom-style", u"none",
            QT_TRANSLATE_NOOP("Property", "určuje styl spodního orámování prvku"), Css2,
            u"<border-style> | inherit", {borderStyles, u"inherit"}),
        row(u"Border-bottom-width", u"medium",
            QT_TRANSLATE_NOOP("Property", "určuje šířku spodního orámování prvku"), Css1,
            u"<border-width> | inherit", {borderWidths, u"inherit"}),
        row(u"Border-collapse", u"collapse",
            QT_TRANSLATE_NOOP("Property", "určuje chování orámování v tabulce"), Css2,
            u"collapse | separate | inherit", {u"collapse", u"separate", u"inherit"}),
        row(u"Border-color", u"",
            QT_TRANSLATE_NOOP(
                "Property",
                "sdružená vlastnost určující barvu orámování prvku (nahoře-vpravo-dole-vlevo)"),
            Css1, u"[ <color> | transparent ]{1,4} | inherit",
            {u"transparent", colours, u"inherit"},
            {u"Border-top-color", u"Border-right-color", u"Border-bottom-color",
             u"Border-left-color"},
            {u"Border-top-color", u"Border-right-color", u"Border-bottom-color",
             u"Border-left-color"}),
        row(u"Border-left", u"",
            QT_TRANSLATE_NOOP("Property",
                              "sdružená vlastnost určující vlastnosti levého orámování prvku"),
            Css1, u"[ <border-width> || <border-style> || <'border-left-color'> ] | inherit",
            {u"inherit"}, {u"Border-left-color", u"Border-left-style", u"Border-left-width"},
            {u"Border-left-width", u"Border-left-style", u"Border-left-color"}),
        row(u"Border-left-color", u"",
            QT_TRANSLATE_NOOP("Property", "určuje barvu levého orámování prvku"), Css2,
            u"<color> | transparent | inherit", {colours, u"inherit"}),
        row(u"Border-left-style", u"none",
            QT_TRANSLATE_NOOP("Property", "určuje styl levého orámování prvku"), Css2,
            u"<border-style> | inherit", {borderStyles, u"inherit"}),
        row(u"Border-left-width", u"medium",
            QT_TRANSLATE_NOOP("Property", "určuje šířku levého orámování prvku"), Css1,
            u"<border-width> | inherit", {borderWidths, u"inherit"}),
        row(u"Border-right", u"",
            QT_TRANSLATE_NOOP("Property",
                              "sdružená vlastnost určující vlastnosti pravého orámování prvku"),
            Css1, u"[ <border-width> || <border-style> || <'border-right-color'> ] | inherit",
            {u"inherit"}, {u"Border-right-color", u"Border-right-style", u"Border-right-width"},
            {u"Border-right-width", u"Border-right-style", u"Border-right-color"}),
        row(u"Border-right-color", u"",
            QT_TRANSLATE_NOOP("Property", "určuje barvu pravého orámování prvku"), Css2,
            u"<color> | transparent | inherit", {colours, u"inherit"}),
        row(u"Border-right-style", u"none",
            QT_TRANSLATE_NOOP("Property", "určuje styl pravého orámování prvku"), Css2,
            u"<border-style> | inherit", {borderStyles, u"inherit"}),
        row(u"Border-right-width", u"medium",
            QT_TRANSLATE_NOOP("Property", "určuje šířku pravého orámování prvku"), Css1,
            u"<border-width> | inherit", {borderWidths, u"inherit"}),
        row(u"Border-spacing", u"0",
            QT_TRANSLATE_NOOP("Property", "určuje vzdálenost mezi orámováním sousedících buňek"),
            Css2, u"<length [0,∞]> <length [0,∞]>? | inherit", {u"inherit"}),
        row(u"Border-style", u"",
            QT_TRANSLATE_NOOP(
                "Property",
                "sdružená vlastnost určující styl orámování prvku (nahoře-vpravo-dole-vlevo)"),
            Css1, u"<border-style>{1,4} | inherit", {borderStyles, u"inherit"},
            {u"Border-top-style", u"Border-right-style", u"Border-bottom-style",
             u"Border-left-style"},
            {u"Border-top-style", u"Border-right-style", u"Border-bottom-style",
             u"Border-left-style"}),
        row(u"Border-top", u"",
            QT_TRANSLATE_NOOP("Property",
                              "sdružená vlastnost určující vlastnosti horního orámování prvku"),
            Css1, u"[ <border-width> || <border-style> || <'border-top-color'> ] | inherit",
            {u"inherit"}, {u"Border-top-color", u"Border-top-style", u"Border-top-width"},
            {u"Border-top-width", u"Border-top-style", u"Border-top-color"}),
        row(u"Border-top-color", u"",
            QT_TRANSLATE_NOOP("Property", "určuje barvu horního orámování prvku"), Css2,
            u"<color> | transparent | inherit", {colours, u"inherit"}),
        row(u"Border-top-style", u"none",
            QT_TRANSLATE_NOOP("Property", "určuje styl horního orámování prvku"), Css2,
            u"<border-style> | inherit", {borderStyles, u"inherit"}),
        row(u"Border-top-width", u"medium",
            QT_TRANSLATE_NOOP("Property", "určuje šířku horního orámování prvku"), Css1,
            u"<border-width> | inherit", {borderWidths, u"inherit"}),
        row(u"Border-width", u"",
            QT_TRANSLATE_NOOP(
                "Property",
                "sdružená vlastnost určující šířku orámování prvku (nahoře-vpravo-dole-vlevo)"),
            Css1, u"<border-width>{1,4} | inherit", {borderWidths, u"inherit"},
            {u"Border-top-width", u"Border-right-width", u"Border-bottom-width",
             u"Border-left-width"},
            {u"Border-top-width", u"Border-right-width", u"Border-bottom-width",
             u"Border-left-width"}),
        row(u"Bottom", u"auto", QT_TRANSLATE_NOOP("Property", "určuje vzdálenost prvku zdola"),
            Css2, u"<length> | <percentage> | auto | inherit", {u"auto", u"inherit"}),
        row(u"Caption-side", u"top",
            QT_TRANSLATE_NOOP("Property", "určuje polohu popisku vzhledem k tabulce"), Css2,
            u"top | bottom | inherit", {u"top", u"bottom", u"left", u"right", u"inherit"}, {}, {},
            {{Dropped, u"left | right", NothingReplacesValue}}),
        row(u"Clear", u"none",
            QT_TRANSLATE_NOOP("Property", "určuje stranu prvku, ze které nesmí být obtékán"), Css1,
            u"none | left | right | both | inherit",
            {u"left", u"right", u"both", u"none", u"inherit"}),
        row(u"Clip", u"auto", QT_TRANSLATE_NOOP("Property", "určuje tvar prvku"), Css2,
            u"<shape> | auto | inherit", {u"auto", u"inherit"}),
        row(u"Color", u"", QT_TRANSLATE_NOOP("Property", "určuje barvu textu"), Css1,
            u"<color> | inherit", {colours, u"inherit"}),
        row(u"Content", u"empty string",
            QT_TRANSLATE_NOOP("Property",
                              "generuje prvky ve spojení s pseudoprvky :before a :after"),
            Css2,
            u"normal | none | [ <string> | <uri> | <counter> | attr( <identifier> ) | open-quote | "
            u"close-quote | no-open-quote | no-close-quote ]+ | inherit",
            {u"attr(x)", u"open-quote", u"close-quote", u"no-open-quote", u"no-close-quote",
             u"inherit"},
            {}, {}, {{Mistake, u"empty string", EmptyStringIsQuotes}}),
        row(u"Counter-increment", u"none",
            QT_TRANSLATE_NOOP("Property", "určuje změnu čítače při výskytu selektoru"), Css2,
            u"none | [ <identifier> <integer>? ]+ | inherit", {u"none", u"inherit"}),
        row(u"Counter-reset", u"none",
            QT_TRANSLATE_NOOP("Property", "určuje výchozí hodnotu čítače"), Css2,
            u"none | [ <identifier> <integer>? ]+ | inherit", {u"none", u"inherit"}),
        row(u"Cursor", u"auto",
            QT_TRANSLATE_NOOP("Property", "určuje vzhled kurzoru myši pro daný prvek"), Css2,
            u"[ [ <uri> , ]* [ auto | crosshair | default | pointer | move | e-resize | ne-resize "
            u"| nw-resize | n-resize | se-resize | sw-resize | s-resize | w-resize | text | wait | "
            u"help | progress ] ] | inherit",
            {u"auto", u"crosshair", u"default", u"pointer", u"move", u"e-resize", u"ne-resize",
             u"nw-resize", u"n-resize", u"se-resize", u"sw-resize", u"s-resize", u"w-resize",
             u"text", u"wait", u"help", u"inherit"}),
        row(u"Direction", u"ltr", QT_TRANSLATE_NOOP("Property", "určuje směr psaní textu"), Css2,
            u"ltr | rtl | inherit", {u"ltr", u"rtl", u"inherit"}),
        row(u"Display", u"inline", QT_TRANSLATE_NOOP("Property", "určuje zobrazení prvku"), Css1,
            u"inline | block | list-item | inline-block | table | inline-table | table-row-group | "
            u"table-header-group | table-footer-group | table-row | table-column-group | "
            u"table-column | table-cell | table-caption | none | inherit",
            {u"inline", u"block", u"list-item", u"run-in", u"compact", u"marker", u"table",
             u"inline-table", u"table-row-group", u"table-header-group", u"table-footer-group",
             u"table-row", u"table-column-group", u"table-column", u"table-cell", u"table-caption",
             u"none", u"inherit"},
            {},
            {},
            {{Dropped, u"compact", NothingReplacesValue},
             {Dropped, u"marker", MarkerReplacesValue},
             {Dropped, u"run-in", RunInReturns}}),
        row(u"Empty-cells", u"show",
            QT_TRANSLATE_NOOP("Property", "určuje obtékání buňek s neviditelným obsahem"), Css2,
            u"show | hide | inherit", {u"show", u"hide", u"inherit"}),
        row(u"Float", u"none", QT_TRANSLATE_NOOP("Property", "určuje obtékání prvku"), Css1,
            u"left | right | none | inherit", {u"left", u"right", u"none", u"inherit"}),
        row(u"Font", u"",
            QT_TRANSLATE_NOOP("Property", "sdružená vlastnost určující vlastnosti písma"), Css1,
            u"[ [ <'font-style'> || <'font-variant'> || <'font-weight'> ]? <'font-size'> [ / "
            u"<'line-height'> ]? <'font-family'> ] | caption | icon | menu | message-box | "
            u"small-caption | status-bar | inherit",
            {u"caption", u"icon", u"menu", u"message-box", u"small-caption", u"status-bar",
             u"inherit"},
            {{u"Font-style"},
             {u"Font-variant"},
             {u"Font-weight"},
             {u"Font-size", u"medium"},
             {u"Line-height", nullptr, u'/'},
             {u"Font-family", u"serif", u' ', KeepsCase}},
            {u"Font-style", u"Font-variant", u"Font-weight", u"Font-stretch", u"Font-size",
             u"Line-height", u"Font-family", u"Font-size-adjust"}),
        row(u"Font-family", u"", QT_TRANSLATE_NOOP("Property", "určuje rodinu písma"), Css1,
            u"[ <generic-family> | <family-name> ]# | inherit",
            {u"serif", u"sans-serif", u"cursive", u"fantasy", u"monospace", u"inherit"}),
        row(u"Font-size", u"medium", QT_TRANSLATE_NOOP("Property", "určuje velikost písma"), Css1,
            u"<absolute-size> | <relative-size> | <length [0,∞]> | <percentage [0,∞]> | inherit",
            {u"xx-small", u"x-small", u"small", u"medium", u"large", u"x-large", u"xx-large",
             u"larger", u"smaller", u"inherit"}),
        row(u"Font-size-adjust", u"none",
            QT_TRANSLATE_NOOP("Property", "určuje úpravu velikosti substituovaného písma"), Css2,
            u"<number [0,∞]> | none | inherit", {u"none", u"inherit"}),
        row(u"Font-stretch", u"normal", QT_TRANSLATE_NOOP("Property", "určuje roztažení písma"),
            Css2,
            u"normal | ultra-condensed | extra-condensed | condensed | semi-condensed | "
            u"semi-expanded | expanded | extra-expanded | ultra-expanded | inherit",
            {u"normal", u"wider", u"narrower", u"ultra-condensed", u"extra-condensed", u"condensed",
             u"semi-condensed", u"semi-expanded", u"expanded", u"extra-expanded", u"ultra-expanded",
             u"inherit"},
            {}, {}, {{Dropped, u"wider | narrower", NothingReplacesValue}}),
        row(u"Font-style", u"normal", QT_TRANSLATE_NOOP("Property", "určuje styl písma"), Css1,
            u"normal | italic | oblique | inherit", {u"normal", u"italic", u"oblique", u"inherit"}),
        row(u"Font-variant", u"normal", QT_TRANSLATE_NOOP("Property", "určuje zobrazení kapitálek"),
            Css1, u"normal | small-caps | inherit", {u"normal", u"small-caps", u"inherit"}),
        row(u"Font-weight", u"normal", QT_TRANSLATE_NOOP("Property", "určuje tučnost písma"), Css1,
            u"normal | bold | bolder | lighter | 100 | 200 | 300 | 400 | 500 | 600 | 700 | 800 | "
            u"900 | inherit",
            {u"normal", u"bold", u"bolder", u"lighter", u"100", u"200", u"300", u"400", u"500",
             u"600", u"700", u"800", u"900", u"inherit"}),
        row(u"Height", u"auto", QT_TRANSLATE_NOOP("Property", "určuje výšku prvku"), Css1,
            u"<length [0,∞]> | <percentage [0,∞]> | auto | inherit", {u"auto", u"inherit"}),
        row(u"Left", u"auto", QT_TRANSLATE_NOOP("Property", "určuje vzdálenost prvku zleva"), Css2,
            u"<length> | <percentage> | auto | inherit", {u"auto", u"inherit"}),
        row(u"Letter-spacing", u"normal", QT_TRANSLATE_NOOP("Property", "určuje mezery mezi znaky"),
            Css1, u"normal | <length> | inherit", {u"normal", u"inherit"}),
        row(u"Line-height", u"normal",
            QT_TRANSLATE_NOOP("Property", "určuje vzdálenost mezi řádky (rozpal)"), Css1,
            u"normal | <number [0,∞]> | <length [0,∞]> | <percentage [0,∞]> | inherit",
            {u"normal", u"inherit"}),
        row(u"List-style", u"",
            QT_TRANSLATE_NOOP("Property", "sdružená vlastnost určující vlastnosti odrážek"), Css1,
            u"[ <'list-style-type'> || <'list-style-position'> || <'list-style-image'> ] | inherit",
            {u"inherit"}, {u"List-style-image", u"List-style-position", u"List-style-type"},
            {u"List-style-type", u"List-style-position", u"List-style-image"}),
        row(u"List-style-image", u"",
            QT_TRANSLATE_NOOP("Property", "určuje obrázek zastupující odrážku"), Css1,
            u"<uri> | none | inherit", {u"none", u"inherit"}),
        row(u"List-style-position", u"outside",
            QT_TRANSLATE_NOOP("Property", "určuje polohu odrážek"), Css1,
            u"inside | outside | inherit", {u"inside", u"outside", u"inherit"}),
        row(u"List-style-type", u"disc",
            QT_TRANSLATE_NOOP("Property", "určuje typ odrážek (číslování)"), Css1,
            u"disc | circle | square | decimal | decimal-leading-zero | lower-roman | upper-roman "
            u"| lower-greek | lower-latin | upper-latin | armenian | georgian | lower-alpha | "
            u"upper-alpha | hebrew | cjk-ideographic | hiragana | katakana | hiragana-iroha | "
            u"katakana-iroha | none | inherit",
            {u"disc",
             u"circle",
             u"square",
             u"decimal",
             u"decimal-leading-zero",
             u"lower-roman",
             u"upper-roman",
             u"lower-greek",
             u"lower-alpha",
             u"lower-latin",
             u"upper-alpha",
             u"upper-latin",
             u"hebrew",
             u"armenian",
             u"georgian",
             u"cjk-ideographic",
             u"hiragana",
             u"katakana",
             u"hiragana-iroha",
             u"katakana-iroha",
             u"none",
             u"inherit"}),
        row(u"Margin", u"",
            QT_TRANSLATE_NOOP(
                "Property",
                "sdružená vlastnost určující velikost okrajů prvku (nahoře-vpravo-dole-vlevo)"),
            Css1, u"<margin-width>{1,4} | inherit", {u"auto", u"inherit"},
            {u"Margin-top", u"Margin-right", u"Margin-bottom", u"Margin-left"},
            {u"Margin-top", u"Margin-right", u"Margin-bottom", u"Margin-left"}),
        row(u"Margin-bottom", u"0",
            QT_TRANSLATE_NOOP("Property", "určuje velikost dolního okraje prvku"), Css1,
            u"<margin-width> | inherit", {u"auto", u"inherit"}),
        row(u"Margin-left", u"0",
            QT_TRANSLATE_NOOP("Property", "určuje velikost levého okraje prvku"), Css1,
            u"<margin-width> | inherit", {u"auto", u"inherit"}),
        row(u"Margin-right", u"0",
            QT_TRANSLATE_NOOP("Property", "určuje velikost pravého okraje prvku"), Css1,
            u"<margin-width> | inherit", {u"auto", u"inherit"}),
        row(u"Margin-top", u"0",
            QT_TRANSLATE_NOOP("Property", "určuje velikost horního okraje prvku"), Css1,
            u"<margin-width> | inherit", {u"auto", u"inherit"}),
        row(u"Marker-offset", u"auto",
            QT_TRANSLATE_NOOP("Property", "určuje vzdálenost odrážek od textu"), Css2, u"",
            {u"auto"}, {}, {}, {{Dropped, u"<length> | auto | inherit", MarkerReplacesProperty}}),
        row(u"Marks", u"none", "", Css2, u"", {u"none", u"inherit"}, {}, {},
            {{Dropped, u"[ crop || cross ] | none | inherit", PageMarksReplace}}),
        row(u"Max-height", u"none", QT_TRANSLATE_NOOP("Property", "určuje maximální výšku prvku"),
            Css2, u"<length [0,∞]> | <percentage [0,∞]> | none | inherit", {u"none", u"inherit"}),
        row(u"Max-width", u"none", QT_TRANSLATE_NOOP("Property", "určuje maximální šířku prvku"),
            Css2, u"<length [0,∞]> | <percentage [0,∞]> | none | inherit", {u"none", u"inherit"}),
        row(u"Min-height", u"0", QT_TRANSLATE_NOOP("Property", "určuje minimální výšku prvku"),
            Css2, u"<length [0,∞]> | <percentage [0,∞]> | inherit", {u"inherit"}),
        row(u"Min-width", u"", QT_TRANSLATE_NOOP("Property", "určuje minimální šířku prvku"), Css2,
            u"<length [0,∞]> | <percentage [0,∞]> | inherit", {u"inherit"}),
        row(u"Orphans", u"2", "", Css2, u"<integer [1,∞]> | inherit", {u"inherit"}),
        row(u"Outline", u"",
            QT_TRANSLATE_NOOP("Property",
                              "sdružená vlastnost určující vlastnosti ohraničení prvku"),
            Css2, u"[ <'outline-color'> || <'outline-style'> || <'outline-width'> ] | inherit",
            {u"inherit"}, {u"Outline-color", u"Outline-style", u"Outline-width"},
            {u"Outline-color", u"Outline-style", u"Outline-width"}),
        row(u"Outline-color", u"invert",
            QT_TRANSLATE_NOOP("Property", "určuje barvu ohraničení prvku"), Css2,
            u"<color> | invert | inherit", {u"invert", colours, u"inherit"}),
        row(u"Outline-style", u"none",
            QT_TRANSLATE_NOOP("Property", "určuje styl ohraničení prvku"), Css2,
            u"<outline-style> | inherit", {outlineStyles, u"inherit"}),
        row(u"Outline-width", u"medium",
            QT_TRANSLATE_NOOP("Property", "určuje šířku ohraničení prvku"), Css2,
            u"<border-width> | inherit", {borderWidths, u"inherit"}),
        row(u"Overflow", u"visible", QT_TRANSLATE_NOOP("Property", "určuje oříznutí obsahu prvku"),
            Css2, u"visible | hidden | scroll | auto | inherit",
            {u"visible", u"hidden", u"scroll", u"auto", u"inherit"}),
        row(u"Padding", u"",
            QT_TRANSLATE_NOOP("Property",
                              "sdružená vlastnost určující výplň prvku (nahoře-vpravo-dole-vlevo)"),
            Css1, u"<padding-width>{1,4} | inherit", {u"inherit"},
            {u"Padding-top", u"Padding-right", u"Padding-bottom", u"Padding-left"},
            {u"Padding-top", u"Padding-right", u"Padding-bottom", u"Padding-left"}),
        row(u"Padding-bottom", u"0", QT_TRANSLATE_NOOP("Property", "určuje výplň prvku dole"), Css1,
            u"<padding-width> | inherit", {u"inherit"}),
        row(u"Padding-left", u"0", QT_TRANSLATE_NOOP("Property", "určuje výplň prvku vlevo"), Css1,
            u"<padding-width> | inherit", {u"inherit"}),
        row(u"Padding-right", u"0", QT_TRANSLATE_NOOP("Property", "určuje výplň prvku vpravo"),
            Css1, u"<padding-width> | inherit", {u"inherit"}),
        row(u"Padding-top", u"0", QT_TRANSLATE_NOOP("Property", "určuje výplň prvku nahoře"), Css1,
            u"<padding-width> | inherit", {u"inherit"}),
        row(u"Page", u"auto", "", Css2, u"", {u"auto"}, {}, {},
            {{Dropped, u"<identifier> | auto | inherit", NamedPagesReplace}}),
        row(u"Page-break-after", u"auto", "", Css2,
            u"auto | always | avoid | left | right | inherit",
            {u"auto", u"always", u"avoid", u"left", u"right", u"inherit"}),
        row(u"Page-break-before", u"auto", "", Css2,
            u"auto | always | avoid | left | right | inherit",
            {u"auto", u"always", u"avoid", u"left", u"right", u"inherit"}),
        row(u"Page-break-inside", u"auto", "", Css2, u"avoid | auto | inherit",
            {u"avoid", u"auto", u"inherit"}),
        row(u"Position", u"static", QT_TRANSLATE_NOOP("Property", "určuje umístění prvku"), Css2,
            u"static | relative | absolute | fixed | inherit",
            {u"static", u"relative", u"absolute", u"fixed", u"inherit"}),
        row(u"Quotes", u"", QT_TRANSLATE_NOOP("Property", "určuje vzhled uvozovek"), Css2,
            u"[ <string> <string> ]+ | none | inherit", {u"none", u"inherit"}),
        row(u"Right", u"auto", QT_TRANSLATE_NOOP("Property", "určuje vzdálenost prvku zprava"),
            Css2, u"<length> | <percentage> | auto | inherit", {u"auto", u"inherit"}),
        row(u"Size", u"auto", "", Css2, u"", {u"auto", u"portrait", u"landscape", u"inherit"}, {}, {},
            {{Dropped, u"<length [0,∞]>{1,2} | auto | portrait | landscape | inherit",
              PageSizeReplaces}}),
        row(u"Table-layout", u"auto", QT_TRANSLATE_NOOP("Property", "určuje rozvržení tabulky"),
            Css2, u"auto | fixed | inherit", {u"auto", u"fixed", u"inherit"}),
        row(u"Text-align", u"", QT_TRANSLATE_NOOP("Property", "určuje zarovnání textu"), Css1,
            u"left | right | center | justify | inherit",
            {u"left", u"right", u"center", u"justify", u"inherit"}),
        row(u"Text-decoration", u"none", QT_TRANSLATE_NOOP("Property", "určuje ozdobný text"), Css1,
            u"none | [ underline || overline || line-through || blink ] | inherit",
            {u"none", u"underline", u"overline", u"line-through", u"blink", u"inherit"}),
        row(u"Text-indent", u"0",
            QT_TRANSLATE_NOOP("Property", "určuje odsazení první řádky textu"), Css1,
            u"<length> | <percentage> | inherit", {u"inherit"}),
        row(u"Text-shadow", u"none", QT_TRANSLATE_NOOP("Property", "určuje stínování textu"), Css1,
            u"none | [ <color> || <length> <length> <length [0,∞]>? ]# | inherit",
            {u"none", u"inherit"}),
        row(u"Text-transform", u"none",
            QT_TRANSLATE_NOOP3("Property", "určuje velikost písma", "text-transform"), Css1,
            u"capitalize | uppercase | lowercase | none | inherit",
            {u"none", u"capitalize", u"uppercase", u"lowercase", u"inherit"}),
        row(u"Top", u"auto", QT_TRANSLATE_NOOP("Property", "určuje vzdálenost prvku zhora"), Css2,
            u"<length> | <percentage> | auto | inherit", {u"auto", u"inherit"}),
        row(u"Unicode-bidi", u"normal", "", Css2, u"normal | embed | bidi-override | inherit",
            {u"normal", u"embed", u"bidi-override", u"inherit"}),
        row(u"Vertical-align", u"baseline",
            QT_TRANSLATE_NOOP("Property", "určuje svislé zarovnání obsahu prvku"), Css1,
            u"baseline | sub | super | top | text-top | middle | bottom | text-bottom | "
            u"<percentage> | <length> | inherit",
            {u"baseline", u"sub", u"super", u"top", u"text-top", u"middle", u"bottom",
             u"text-bottom", u"inherit"}),
        row(u"Visibility", u"visible", QT_TRANSLATE_NOOP("Property", "určuje viditelnost prvku"),
            Css2, u"visible | hidden | collapse | inherit",
            {u"visible", u"hidden", u"collapse", u"inherit"}),
        row(u"White-space", u"normal",
            QT_TRANSLATE_NOOP("Property", "určuje zacházení s mezerovými znaky v textu"), Css1,
            u"normal | pre | nowrap | pre-wrap | pre-line | inherit",
            {u"normal", u"pre", u"nowrap", u"inherit"}),
        row(u"Widows", u"2", "", Css2, u"<integer [1,∞]> | inherit", {u"inherit"}),
        row(u"Width", u"auto", QT_TRANSLATE_NOOP("Property", "určuje šířku prvku"), Css1,
            u"<length [0,∞]> | <percentage [0,∞]> | auto | inherit", {u"auto", u"inherit"}),
        row(u"Word-spacing", u"normal",
            QT_TRANSLATE_NOOP("Property", "určuje velikost mezer mezi slovy"), Css1,
            u"normal | <length> | inherit", {u"normal", u"inherit"}),
        row(u"Z-index", u"auto", QT_TRANSLATE_NOOP("Property", "určuje pořadí prvku na ose z"),
            Css2, u"auto | <integer> | inherit", {u"auto", u"inherit"}),
        // clang-format on
    });
    // A row more or less than the catalogue has does not build.
    static_assert(std::tuple_size_v<decltype(rows)> == PropertyCount);
    return rows;
}

} // namespace

const QStringList &composeOffer()
{
    static const QStringList values = {QString(), text(ComposeItem)};
    return values;
}

const std::array<Property, PropertyCount> &Property::all()
{
    static const std::array<Property, PropertyCount> properties = buildTable();
    return properties;
}

QString Property::shownDescription() const
{
    return *czechDescription == 0
               ? QString()
               : QCoreApplication::translate("Property", czechDescription, descriptionOf);
}

const Property &Property::at(int index)
{
    checkIndex(index);
    return all()[std::size_t(index - 1)];
}

void Property::checkIndex(int index)
{
    // Every index comes from a row of the window, a loop over indices() or indexOf(), so one
    // outside is a fault of the program: stop at once rather than unwind through Qt.
    if (index < 1 || index > PropertyCount) [[unlikely]]
        qFatal("property index %d is outside 1..%d", index, PropertyCount);
}

const QList<int> &Property::longhands(int index)
{
    static const std::array<QList<int>, PropertyCount> sets = [] {
        std::array<QList<int>, PropertyCount> all;
        for (const int i : indices()) {
            QList<int> &set = all[std::size_t(i - 1)];
            for (const QString &name : at(i).resets)
                set += indexOf(name);
            std::sort(set.begin(), set.end());
            if (set.isEmpty())
                set += i;
        }
        return all;
    }();
    checkIndex(index);
    return sets[std::size_t(index - 1)];
}

int Property::indexOf(QStringView name)
{
    static const QHash<QString, int> byName = [] {
        QHash<QString, int> names;
        for (const int i : indices())
            names.insert(at(i).name.toLower(), i);
        return names;
    }();
    return byName.value(name.toString().toLower());
}
