#include "Property.h"

#include <QHash>

#include <array>
#include <initializer_list>
#include <string>

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

Property row(const char16_t *name, const char16_t *defaultValue, const char16_t *description,
             CssLevel level, std::initializer_list<Offered> offered,
             std::initializer_list<Part> parts = {})
{
    Property p{text(name), text(defaultValue), text(description), level, {}, {}};
    for (const Offered &piece : offered)
        p.offeredValues += piece.values;
    for (const Part &part : parts)
        p.parts += part.part;
    if (p.isShorthand())
        p.offeredValues += composeOffer();
    return p;
}

QStringList list(std::initializer_list<const char16_t *> values)
{
    QStringList result;
    for (const char16_t *value : values)
        result += text(value);
    return result;
}

// Columns: name, default, description, level, offered values (a shorthand also offers
// composeOffer() last), and a shorthand's parts in the order they are joined.
std::array<Property, PropertyCount> buildTable()
{
    const QStringList &colours = colourKeywords();
    const QStringList &borderStyles = ::borderStyles();
    const QStringList &borderWidths = ::borderWidths();
    auto rows = std::to_array<Property>({
        row(u"Background", u"", u"sdružená vlastnost určující vlastnosti pozadí prvku", Css1,
            {u"inherit"},
            {u"Background-attachment", u"Background-color", u"Background-image",
             u"Background-position", u"Background-repeat"}),
        row(u"Background-attachment", u"scroll",
            u"určuje závislost obrázku na pozadí na posunu stránky", Css1,
            {u"scroll", u"fixed", u"inherit"}),
        row(u"Background-color", u"transparent", u"určuje barvu pozadí", Css1,
            {u"transparent", colours, u"inherit"}),
        row(u"Background-image", u"none", u"určuje obrázek na pozadí prvku", Css1,
            {u"none", u"inherit"}),
        row(u"Background-position", u"0% 0%", u"určuje pozici obrázku na pozadí prvku", Css1,
            {u"top left", u"top center", u"top right", u"center left", u"center", u"center right",
             u"bottom left", u"bottom center", u"bottom right", u"inherit"}),
        row(u"Background-repeat", u"repeat", u"určuje způsob opakování obrázku na pozadí", Css1,
            {u"repeat", u"repeat-x", u"repeat-y", u"no-repeat", u"inherit"}),
        row(u"Border", u"",
            u"sdružení vlastnost určující orámování prvku (nahoře-vpravo-dole-vlevo)", Css1,
            {u"inherit"}, {u"Border-top-color", u"Border-top-style", u"Border-top-width"}),
        row(u"Border-bottom", u"",
            u"sdružená vlastnost určující vlastnosti spodního orámování prvku", Css1, {u"inherit"},
            {u"Border-bottom-color", u"Border-bottom-style", u"Border-bottom-width"}),
        row(u"Border-bottom-color", u"", u"určuje barvu spodního orámování prvku", Css2,
            {colours, u"inherit"}),
        row(u"Border-bottom-style", u"none", u"určuje styl spodního orámování prvku", Css2,
            {borderStyles, u"inherit"}),
        row(u"Border-bottom-width", u"medium", u"určuje šířku spodního orámování prvku", Css1,
            {borderWidths, u"inherit"}),
        row(u"Border-collapse", u"collapse", u"určuje chování orámování v tabulce", Css2,
            {u"collapse", u"separate", u"inherit"}),
        row(u"Border-color", u"",
            u"sdružená vlastnost určující barvu orámování prvku (nahoře-vpravo-dole-vlevo)", Css1,
            {u"transparent", colours, u"inherit"},
            {u"Border-top-color", u"Border-right-color", u"Border-bottom-color",
             u"Border-left-color"}),
        row(u"Border-left", u"", u"sdružená vlastnost určující vlastnosti levého orámování prvku",
            Css1, {u"inherit"}, {u"Border-left-color", u"Border-left-style", u"Border-left-width"}),
        row(u"Border-left-color", u"", u"určuje barvu levého orámování prvku", Css2,
            {colours, u"inherit"}),
        row(u"Border-left-style", u"none", u"určuje styl levého orámování prvku", Css2,
            {borderStyles, u"inherit"}),
        row(u"Border-left-width", u"medium", u"určuje šířku levého orámování prvku", Css1,
            {borderWidths, u"inherit"}),
        row(u"Border-right", u"", u"sdružená vlastnost určující vlastnosti pravého orámování prvku",
            Css1, {u"inherit"},
            {u"Border-right-color", u"Border-right-style", u"Border-right-width"}),
        row(u"Border-right-color", u"", u"určuje barvu pravého orámování prvku", Css2,
            {colours, u"inherit"}),
        row(u"Border-right-style", u"none", u"určuje styl pravého orámování prvku", Css2,
            {borderStyles, u"inherit"}),
        row(u"Border-right-width", u"medium", u"určuje šířku pravého orámování prvku", Css1,
            {borderWidths, u"inherit"}),
        row(u"Border-spacing", u"0", u"určuje vzdálenost mezi orámováním sousedících buňek", Css2,
            {u"inherit"}),
        row(u"Border-style", u"",
            u"sdružená vlastnost určující styl orámování prvku (nahoře-vpravo-dole-vlevo)", Css1,
            {borderStyles, u"inherit"},
            {u"Border-top-style", u"Border-right-style", u"Border-bottom-style",
             u"Border-left-style"}),
        row(u"Border-top", u"", u"sdružená vlastnost určující vlastnosti horního orámování prvku",
            Css1, {u"inherit"}, {u"Border-top-color", u"Border-top-style", u"Border-top-width"}),
        row(u"Border-top-color", u"", u"určuje barvu horního orámování prvku", Css2,
            {colours, u"inherit"}),
        row(u"Border-top-style", u"none", u"určuje styl horního orámování prvku", Css2,
            {borderStyles, u"inherit"}),
        row(u"Border-top-width", u"medium", u"určuje šířku horního orámování prvku", Css1,
            {borderWidths, u"inherit"}),
        row(u"Border-width", u"",
            u"sdružená vlastnost určující šířku orámování prvku (nahoře-vpravo-dole-vlevo)", Css1,
            {borderWidths, u"inherit"},
            {u"Border-top-width", u"Border-right-width", u"Border-bottom-width",
             u"Border-left-width"}),
        row(u"Bottom", u"auto", u"určuje vzdálenost prvku zdola", Css2, {u"auto", u"inherit"}),
        row(u"Caption-side", u"top", u"určuje polohu popisku vzhledem k tabulce", Css2,
            {u"top", u"bottom", u"left", u"right", u"inherit"}),
        row(u"Clear", u"none", u"určuje stranu prvku, ze které nesmí být obtékán", Css1,
            {u"left", u"right", u"both", u"none", u"inherit"}),
        row(u"Clip", u"auto", u"určuje tvar prvku", Css2, {u"auto", u"inherit"}),
        row(u"Color", u"", u"určuje barvu textu", Css1, {colours, u"inherit"}),
        row(u"Content", u"empty string",
            u"generuje prvky ve spojení s pseudoprvky :before a :after", Css2,
            {u"attr(x)", u"open-quote", u"close-quote", u"no-open-quote", u"no-close-quote",
             u"inherit"}),
        row(u"Counter-increment", u"none", u"určuje změnu čítače při výskytu selektoru", Css2,
            {u"none", u"inherit"}),
        row(u"Counter-reset", u"none", u"určuje výchozí hodnotu čítače", Css2,
            {u"none", u"inherit"}),
        row(u"Cursor", u"auto", u"určuje vzhled kurzoru myši pro daný prvek", Css2,
            {u"auto", u"crosshair", u"default", u"pointer", u"move", u"e-resize", u"ne-resize",
             u"nw-resize", u"n-resize", u"se-resize", u"sw-resize", u"s-resize", u"w-resize",
             u"text", u"wait", u"help", u"inherit"}),
        row(u"Direction", u"ltr", u"určuje směr psaní textu", Css2, {u"ltr", u"rtl", u"inherit"}),
        row(u"Display", u"inline", u"určuje zobrazení prvku", Css1,
            {u"inline", u"block", u"list-item", u"run-in", u"compact", u"marker", u"table",
             u"inline-table", u"table-row-group", u"table-header-group", u"table-footer-group",
             u"table-row", u"table-column-group", u"table-column", u"table-cell", u"table-caption",
             u"none", u"inherit"}),
        row(u"Empty-cells", u"show", u"určuje obtékání buňek s neviditelným obsahem", Css2,
            {u"show", u"hide", u"inherit"}),
        row(u"Float", u"none", u"určuje obtékání prvku", Css1,
            {u"left", u"right", u"none", u"inherit"}),
        row(u"Font", u"", u"sdružená vlastnost určující vlastnosti písma", Css1,
            {u"caption", u"icon", u"menu", u"message-box", u"small-caption", u"status-bar",
             u"inherit"},
            {{u"Font-style"},
             {u"Font-variant"},
             {u"Font-weight"},
             {u"Font-size", u"medium"},
             {u"Line-height", nullptr, u'/'},
             {u"Font-family", u"serif", u' ', KeepsCase}}),
        row(u"Font-family", u"", u"určuje rodinu písma", Css1,
            {u"serif", u"sans-serif", u"cursive", u"fantasy", u"monospace", u"inherit"}),
        row(u"Font-size", u"medium", u"určuje velikost písma", Css1,
            {u"xx-small", u"x-small", u"small", u"medium", u"large", u"x-large", u"xx-large",
             u"larger", u"smaller", u"inherit"}),
        row(u"Font-size-adjust", u"none", u"určuje úpravu velikosti substituovaného písma", Css2,
            {u"none", u"inherit"}),
        row(u"Font-stretch", u"normal", u"určuje roztažení písma", Css2,
            {u"normal", u"wider", u"narrower", u"ultra-condensed", u"extra-condensed", u"condensed",
             u"semi-condensed", u"semi-expanded", u"expanded", u"extra-expanded", u"ultra-expanded",
             u"inherit"}),
        row(u"Font-style", u"normal", u"určuje styl písma", Css1,
            {u"normal", u"italic", u"oblique", u"inherit"}),
        row(u"Font-variant", u"normal", u"určuje zobrazení kapitálek", Css1,
            {u"normal", u"small-caps", u"inherit"}),
        row(u"Font-weight", u"normal", u"určuje tučnost písma", Css1,
            {u"normal", u"bold", u"bolder", u"lighter", u"100", u"200", u"300", u"400", u"500",
             u"600", u"700", u"800", u"900", u"inherit"}),
        row(u"Height", u"auto", u"určuje výšku prvku", Css1, {u"auto", u"inherit"}),
        row(u"Left", u"auto", u"určuje vzdálenost prvku zleva", Css2, {u"auto", u"inherit"}),
        row(u"Letter-spacing", u"normal", u"určuje mezery mezi znaky", Css1,
            {u"normal", u"inherit"}),
        row(u"Line-height", u"normal", u"určuje vzdálenost mezi řádky (rozpal)", Css1,
            {u"normal", u"inherit"}),
        row(u"List-style", u"", u"sdružená vlastnost určující vlastnosti odrážek", Css1,
            {u"inherit"}, {u"List-style-image", u"List-style-position", u"List-style-type"}),
        row(u"List-style-image", u"", u"určuje obrázek zastupující odrážku", Css1,
            {u"none", u"inherit"}),
        row(u"List-style-position", u"outside", u"určuje polohu odrážek", Css1,
            {u"inside", u"outside", u"inherit"}),
        row(u"List-style-type", u"disc", u"určuje typ odrážek (číslování)", Css1,
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
            u"sdružená vlastnost určující velikost okrajů prvku (nahoře-vpravo-dole-vlevo)", Css1,
            {u"auto", u"inherit"},
            {u"Margin-top", u"Margin-right", u"Margin-bottom", u"Margin-left"}),
        row(u"Margin-bottom", u"0", u"určuje velikost dolního okraje prvku", Css1,
            {u"auto", u"inherit"}),
        row(u"Margin-left", u"0", u"určuje velikost levého okraje prvku", Css1,
            {u"auto", u"inherit"}),
        row(u"Margin-right", u"0", u"určuje velikost pravého okraje prvku", Css1,
            {u"auto", u"inherit"}),
        row(u"Margin-top", u"0", u"určuje velikost horního okraje prvku", Css1,
            {u"auto", u"inherit"}),
        row(u"Marker-offset", u"auto", u"určuje vzdálenost odrážek od textu", Css2, {u"auto"}),
        row(u"Marks", u"none", u"", Css2, {u"none", u"inherit"}),
        row(u"Max-height", u"none", u"určuje maximální výšku prvku", Css2, {u"none", u"inherit"}),
        row(u"Max-width", u"none", u"určuje maximální šířku prvku", Css2, {u"none", u"inherit"}),
        row(u"Min-height", u"0", u"určuje minimální výšku prvku", Css2, {u"inherit"}),
        row(u"Min-width", u"", u"určuje minimální šířku prvku", Css2, {u"inherit"}),
        row(u"Orphans", u"2", u"", Css2, {u"inherit"}),
        row(u"Outline", u"", u"sdružená vlastnost určující vlastnosti ohraničení prvku", Css2,
            {u"inherit"}, {u"Outline-color", u"Outline-style", u"Outline-width"}),
        row(u"Outline-color", u"invert", u"určuje barvu ohraničení prvku", Css2,
            {u"invert", colours, u"inherit"}),
        row(u"Outline-style", u"none", u"určuje styl ohraničení prvku", Css2,
            {u"none", u"dotted", u"dashed", u"solid", u"double", u"groove", u"ridge", u"inset",
             u"outset", u"inherit"}),
        row(u"Outline-width", u"medium", u"určuje šířku ohraničení prvku", Css2,
            {borderWidths, u"inherit"}),
        row(u"Overflow", u"visible", u"určuje oříznutí obsahu prvku", Css2,
            {u"visible", u"hidden", u"scroll", u"auto", u"inherit"}),
        row(u"Padding", u"", u"sdružená vlastnost určující výplň prvku (nahoře-vpravo-dole-vlevo)",
            Css1, {u"inherit"},
            {u"Padding-top", u"Padding-right", u"Padding-bottom", u"Padding-left"}),
        row(u"Padding-bottom", u"0", u"určuje výplň prvku dole", Css1, {u"inherit"}),
        row(u"Padding-left", u"0", u"určuje výplň prvku vlevo", Css1, {u"inherit"}),
        row(u"Padding-right", u"0", u"určuje výplň prvku vpravo", Css1, {u"inherit"}),
        row(u"Padding-top", u"0", u"určuje výplň prvku nahoře", Css1, {u"inherit"}),
        row(u"Page", u"auto", u"", Css2, {u"auto"}),
        row(u"Page-break-after", u"auto", u"", Css2,
            {u"auto", u"always", u"avoid", u"left", u"right", u"inherit"}),
        row(u"Page-break-before", u"auto", u"", Css2,
            {u"auto", u"always", u"avoid", u"left", u"right", u"inherit"}),
        row(u"Page-break-inside", u"auto", u"", Css2, {u"avoid", u"auto", u"inherit"}),
        row(u"Position", u"static", u"určuje umístění prvku", Css2,
            {u"static", u"relative", u"absolute", u"fixed", u"inherit"}),
        row(u"Quotes", u"", u"určuje vzhled uvozovek", Css2, {u"none", u"inherit"}),
        row(u"Right", u"auto", u"určuje vzdálenost prvku zprava", Css2, {u"auto", u"inherit"}),
        row(u"Size", u"auto", u"", Css2, {u"auto", u"portrait", u"landscape", u"inherit"}),
        row(u"Table-layout", u"auto", u"určuje rozvržení tabulky", Css2,
            {u"auto", u"fixed", u"inherit"}),
        row(u"Text-align", u"", u"určuje zarovnání textu", Css1,
            {u"left", u"right", u"center", u"justify", u"inherit"}),
        row(u"Text-decoration", u"none", u"určuje ozdobný text", Css1,
            {u"none", u"underline", u"overline", u"line-through", u"blink", u"inherit"}),
        row(u"Text-indent", u"0", u"určuje odsazení první řádky textu", Css1, {u"inherit"}),
        row(u"Text-shadow", u"none", u"určuje stínování textu", Css1, {u"none", u"inherit"}),
        row(u"Text-transform", u"none", u"určuje velikost písma", Css1,
            {u"none", u"capitalize", u"uppercase", u"lowercase", u"inherit"}),
        row(u"Top", u"auto", u"určuje vzdálenost prvku zhora", Css2, {u"auto", u"inherit"}),
        row(u"Unicode-bidi", u"normal", u"", Css2,
            {u"normal", u"embed", u"bidi-override", u"inherit"}),
        row(u"Vertical-align", u"baseline", u"určuje svislé zarovnání obsahu prvku", Css1,
            {u"baseline", u"sub", u"super", u"top", u"text-top", u"middle", u"bottom",
             u"text-bottom", u"inherit"}),
        row(u"Visibility", u"visible", u"určuje viditelnost prvku", Css2,
            {u"visible", u"hidden", u"collapse", u"inherit"}),
        row(u"White-space", u"normal", u"určuje zacházení s mezerovými znaky v textu", Css1,
            {u"normal", u"pre", u"nowrap", u"inherit"}),
        row(u"Widows", u"2", u"", Css2, {u"inherit"}),
        row(u"Width", u"auto", u"určuje šířku prvku", Css1, {u"auto", u"inherit"}),
        row(u"Word-spacing", u"normal", u"určuje velikost mezer mezi slovy", Css1,
            {u"normal", u"inherit"}),
        row(u"Z-index", u"auto", u"určuje pořadí prvku na ose z", Css2, {u"auto", u"inherit"}),
    });
    // A row more or less than the catalogue has does not build.
    static_assert(std::tuple_size_v<decltype(rows)> == PropertyCount);
    return rows;
}

} // namespace

const QStringList &colourKeywords()
{
    static const QStringList values =
        list({u"aqua", u"black", u"blue", u"fuchsia", u"gray", u"green", u"lime", u"maroon",
              u"navy", u"olive", u"purple", u"red", u"silver", u"teal", u"white", u"yellow"});
    return values;
}

const QStringList &borderStyles()
{
    static const QStringList values = list({u"none", u"hidden", u"dotted", u"dashed", u"solid",
                                            u"double", u"groove", u"ridge", u"inset", u"outset"});
    return values;
}

const QStringList &borderWidths()
{
    static const QStringList values = list({u"thin", u"medium", u"thick"});
    return values;
}

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
