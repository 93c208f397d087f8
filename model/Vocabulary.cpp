#include "Vocabulary.h"

#include "Catalogue.h"
#include "Composer.h"
#include "ValueList.h"

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// One piece of an entry: a single item, or a whole named list.
struct Items {
    Items(const char16_t *item)
        : list{QString::fromUtf16(item)}
    {
    }
    Items(const QStringList &named)
        : list(named)
    {
    }
    QStringList list;
};

QStringList join(std::initializer_list<Items> pieces)
{
    QStringList items;
    for (const Items &piece : pieces)
        items += piece.list;
    return items;
}

QStringList fromUtf16(std::initializer_list<const char16_t *> items)
{
    QStringList list;
    list.reserve(static_cast<qsizetype>(items.size()));
    for (const char16_t *item : items)
        list += QString::fromUtf16(item);
    return list;
}

std::vector<QStringList> buildTable()
{
    const QStringList &Barvy = barvy();
    const QStringList &StylyOramovani = stylyOramovani();
    const QStringList &SirkyOramovani = sirkyOramovani();
    const QStringList &NabidkaSlozeni = nabidkaSlozeni();
    return {
        join({u"inherit", NabidkaSlozeni}),        // 1 Background
        join({u"scroll", u"fixed", u"inherit"}),   // 2 Background-attachment
        join({u"transparent", Barvy, u"inherit"}), // 3 Background-color
        join({u"none", u"inherit"}),               // 4 Background-image
        join({u"top left", u"top center", u"top right", u"center left", u"center", u"center right",
              u"bottom left", u"bottom center", u"bottom right",
              u"inherit"}), // 5 Background-position
        join(
            {u"repeat", u"repeat-x", u"repeat-y", u"no-repeat", u"inherit"}), // 6 Background-repeat
        join({u"inherit", NabidkaSlozeni}),                                   // 7 Border
        join({u"inherit", NabidkaSlozeni}),                                   // 8 Border-bottom
        join({Barvy, u"inherit"}),                                 // 9 Border-bottom-color
        join({StylyOramovani, u"inherit"}),                        // 10 Border-bottom-style
        join({SirkyOramovani, u"inherit"}),                        // 11 Border-bottom-width
        join({u"collapse", u"separate", u"inherit"}),              // 12 Border-collapse
        join({u"transparent", Barvy, u"inherit", NabidkaSlozeni}), // 13 Border-color
        join({u"inherit", NabidkaSlozeni}),                        // 14 Border-left
        join({Barvy, u"inherit"}),                                 // 15 Border-left-color
        join({StylyOramovani, u"inherit"}),                        // 16 Border-left-style
        join({SirkyOramovani, u"inherit"}),                        // 17 Border-left-width
        join({u"inherit", NabidkaSlozeni}),                        // 18 Border-right
        join({Barvy, u"inherit"}),                                 // 19 Border-right-color
        join({StylyOramovani, u"inherit"}),                        // 20 Border-right-style
        join({SirkyOramovani, u"inherit"}),                        // 21 Border-right-width
        join({u"inherit"}),                                        // 22 Border-spacing
        join({StylyOramovani, u"inherit", NabidkaSlozeni}),        // 23 Border-style
        join({u"inherit", NabidkaSlozeni}),                        // 24 Border-top
        join({Barvy, u"inherit"}),                                 // 25 Border-top-color
        join({StylyOramovani, u"inherit"}),                        // 26 Border-top-style
        join({SirkyOramovani, u"inherit"}),                        // 27 Border-top-width
        join({SirkyOramovani, u"inherit", NabidkaSlozeni}),        // 28 Border-width
        join({u"auto", u"inherit"}),                               // 29 Bottom
        join({u"top", u"bottom", u"left", u"right", u"inherit"}),  // 30 Caption-side
        join({u"left", u"right", u"both", u"none", u"inherit"}),   // 31 Clear
        join({u"auto", u"inherit"}),                               // 32 Clip
        join({Barvy, u"inherit"}),                                 // 33 Color
        join({u"attr(x)", u"open-quote", u"close-quote", u"no-open-quote", u"no-close-quote",
              u"inherit"}),          // 34 Content
        join({u"none", u"inherit"}), // 35 Counter-increment
        join({u"none", u"inherit"}), // 36 Counter-reset
        join({u"auto", u"crosshair", u"default", u"pointer", u"move", u"e-resize", u"ne-resize",
              u"nw-resize", u"n-resize", u"se-resize", u"sw-resize", u"s-resize", u"w-resize",
              u"text", u"wait", u"help", u"inherit"}), // 37 Cursor
        join({u"ltr", u"rtl", u"inherit"}),            // 38 Direction
        join({u"inline", u"block", u"list-item", u"run-in", u"compact", u"marker", u"table",
              u"inline-table", u"table-row-group", u"table-header-group", u"table-footer-group",
              u"table-row", u"table-column-group", u"table-column", u"table-cell", u"table-caption",
              u"none", u"inherit"}),                    // 39 Display
        join({u"show", u"hide", u"inherit"}),           // 40 Empty-cells
        join({u"left", u"right", u"none", u"inherit"}), // 41 Float
        join({u"caption", u"icon", u"menu", u"message-box", u"small-caption", u"status-bar",
              u"inherit", NabidkaSlozeni}), // 42 Font
        join({u"serif", u"sans-serif", u"cursive", u"fantasy", u"monospace",
              u"inherit"}), // 43 Font-family
        join({u"xx-small", u"x-small", u"small", u"medium", u"large", u"x-large", u"xx-large",
              u"larger", u"smaller", u"inherit"}), // 44 Font-size
        join({u"none", u"inherit"}),               // 45 Font-size-adjust
        join({u"normal", u"wider", u"narrower", u"ultra-condensed", u"extra-condensed",
              u"condensed", u"semi-condensed", u"semi-expanded", u"expanded", u"extra-expanded",
              u"ultra-expanded", u"inherit"}),                // 46 Font-stretch
        join({u"normal", u"italic", u"oblique", u"inherit"}), // 47 Font-style
        join({u"normal", u"small-caps", u"inherit"}),         // 48 Font-variant
        join({u"normal", u"bold", u"bolder", u"lighter", u"100", u"200", u"300", u"400", u"500",
              u"600", u"700", u"800", u"900", u"inherit"}), // 49 Font-weight
        join({u"auto", u"inherit"}),                        // 50 Height
        join({u"auto", u"inherit"}),                        // 51 Left
        join({u"normal", u"inherit"}),                      // 52 Letter-spacing
        join({u"normal", u"inherit"}),                      // 53 Line-height
        join({u"inherit", NabidkaSlozeni}),                 // 54 List-style
        join({u"none", u"inherit"}),                        // 55 List-style-image
        join({u"inside", u"outside", u"inherit"}),          // 56 List-style-position
        join({u"disc",
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
              u"inherit"}),                          // 57 List-style-type
        join({u"auto", u"inherit", NabidkaSlozeni}), // 58 Margin
        join({u"auto", u"inherit"}),                 // 59 Margin-bottom
        join({u"auto", u"inherit"}),                 // 60 Margin-left
        join({u"auto", u"inherit"}),                 // 61 Margin-right
        join({u"auto", u"inherit"}),                 // 62 Margin-top
        join({u"auto"}),                             // 63 Marker-offset
        join({u"none", u"inherit"}),                 // 64 Marks
        join({u"none", u"inherit"}),                 // 65 Max-height
        join({u"none", u"inherit"}),                 // 66 Max-width
        join({u"inherit"}),                          // 67 Min-height
        join({u"inherit"}),                          // 68 Min-width
        join({u"inherit"}),                          // 69 Orphans
        join({u"inherit", NabidkaSlozeni}),          // 70 Outline
        join({u"invert", Barvy, u"inherit"}),        // 71 Outline-color
        join({u"none", u"dotted", u"dashed", u"solid", u"double", u"groove", u"ridge", u"inset",
              u"outset", u"inherit"}),                                       // 72 Outline-style
        join({SirkyOramovani, u"inherit"}),                                  // 73 Outline-width
        join({u"visible", u"hidden", u"scroll", u"auto", u"inherit"}),       // 74 Overflow
        join({u"inherit", NabidkaSlozeni}),                                  // 75 Padding
        join({u"inherit"}),                                                  // 76 Padding-bottom
        join({u"inherit"}),                                                  // 77 Padding-left
        join({u"inherit"}),                                                  // 78 Padding-right
        join({u"inherit"}),                                                  // 79 Padding-top
        join({u"auto"}),                                                     // 80 Page
        join({u"auto", u"always", u"avoid", u"left", u"right", u"inherit"}), // 81 Page-break-after
        join({u"auto", u"always", u"avoid", u"left", u"right", u"inherit"}), // 82 Page-break-before
        join({u"avoid", u"auto", u"inherit"}),                               // 83 Page-break-inside
        join({u"static", u"relative", u"absolute", u"fixed", u"inherit"}),   // 84 Position
        join({u"none", u"inherit"}),                                         // 85 Quotes
        join({u"auto", u"inherit"}),                                         // 86 Right
        join({u"auto", u"portrait", u"landscape", u"inherit"}),              // 87 Size
        join({u"auto", u"fixed", u"inherit"}),                               // 88 Table-layout
        join({u"left", u"right", u"center", u"justify", u"inherit"}),        // 89 Text-align
        join({u"none", u"underline", u"overline", u"line-through", u"blink",
              u"inherit"}),          // 90 Text-decoration
        join({u"inherit"}),          // 91 Text-indent
        join({u"none", u"inherit"}), // 92 Text-shadow
        join({u"none", u"capitalize", u"uppercase", u"lowercase", u"inherit"}), // 93 Text-transform
        join({u"auto", u"inherit"}),                                            // 94 Top
        join({u"normal", u"embed", u"bidi-override", u"inherit"}),              // 95 Unicode-bidi
        join({u"baseline", u"sub", u"super", u"top", u"text-top", u"middle", u"bottom",
              u"text-bottom", u"inherit"}),                     // 96 Vertical-align
        join({u"visible", u"hidden", u"collapse", u"inherit"}), // 97 Visibility
        join({u"normal", u"pre", u"nowrap", u"inherit"}),       // 98 White-space
        join({u"inherit"}),                                     // 99 Widows
        join({u"auto", u"inherit"}),                            // 100 Width
        join({u"normal", u"inherit"}),                          // 101 Word-spacing
        join({u"auto", u"inherit"}),                            // 102 Z-index
    };
}

} // namespace

const QStringList &barvy()
{
    static const QStringList list =
        fromUtf16({u"aqua", u"black", u"blue", u"fuchsia", u"gray", u"green", u"lime", u"maroon",
                   u"navy", u"olive", u"purple", u"red", u"silver", u"teal", u"white", u"yellow"});
    return list;
}

const QStringList &stylyOramovani()
{
    static const QStringList list =
        fromUtf16({u"none", u"hidden", u"dotted", u"dashed", u"solid", u"double", u"groove",
                   u"ridge", u"inset", u"outset"});
    return list;
}

const QStringList &sirkyOramovani()
{
    static const QStringList list = fromUtf16({u"thin", u"medium", u"thick"});
    return list;
}

const QStringList &nabidkaSlozeni()
{
    static const QStringList list = {QString(), QString::fromUtf16(ComposeItem)};
    return list;
}

const QStringList &vocabulary(int index)
{
    static const std::vector<QStringList> table = buildTable();
    if (index < 1 || index > Catalogue::Count)
        throw std::out_of_range("vocabulary index " + std::to_string(index) + " is outside 1..102");
    return table[static_cast<std::size_t>(index - 1)];
}

void NaplnVyber(RowPage &page, qint16 position)
{
    const int k = position + page.firstVisible();
    if (k < 1 || k > Catalogue::Count)
        return;
    ValueList &box = page.valueList(position + 1);
    box.clearItems();
    for (const QString &item : vocabulary(k))
        box.appendItem(item);
}
