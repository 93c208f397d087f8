#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// The 102 CSS 1 and 2 properties the program knows, with everything fixed about each:
// one row per property in Property.cpp. A property is identified by its index, 1 to
// 102, in the catalogue's order (case-insensitive alphabetical, hyphen before letters);
// that is also the order of the rule's declarations and of the rows on screen.

inline constexpr int PropertyCount = 102;

enum class CssLevel { Css1, Css2 };

// The item a shorthand's value box offers for composing its value from its parts.
inline constexpr char16_t ComposeItem[] = u"složit z dílčích hodnot";

// One part of a shorthand, in the order the parts are joined.
struct ShorthandPart {
    QString name; // a property of the catalogue
    // Written when the part's value is empty. A part with a fallback is written
    // whether or not it is included.
    QString fallback = {};
    QChar joiner = u' ';
    bool keepsCase = false; // left as typed instead of lower-cased
};

// Values outside a property's grammar that still get a word of their own: what CSS 2
// allowed and CSS 2.1 dropped, or a mistake of the catalogue's own.
struct ValueNote {
    enum class Kind { DroppedInCss21, Mistake };
    Kind kind;
    QString grammar;    // in the notation of Property::grammar
    const char *reason; // Czech; QCoreApplication::translate("ValueGrammar", reason) shows it
};

struct Property {
    // 1..102 for a range-for. Not std::views::iota: clang 14, which builds the fuzz harnesses,
    // cannot compile libstdc++ 12's iota_view.
    struct Indices {
        struct Iterator {
            int index;
            [[nodiscard]] int operator*() const { return index; }
            Iterator &operator++()
            {
                ++index;
                return *this;
            }
            [[nodiscard]] bool operator==(const Iterator &) const = default;
        };
        [[nodiscard]] static constexpr Iterator begin() { return {1}; }
        [[nodiscard]] static constexpr Iterator end() { return {PropertyCount + 1}; }
    };

    QString name;                 // the CSS name with its first letter upper case
    QString defaultValue;         // may be empty
    QString description;          // Czech, one line; may be empty
    const char *czechDescription; // the same, as translations know it
    const char *descriptionOf;    // what tells two properties of one description apart, or null
    CssLevel level;               // the CSS level that introduced it
    // The values CSS allows, in CSS's value-definition notation (see ValueGrammar.h):
    // CSS 2.1's, or CSS 2's where 2.1 dropped the property and today's CSS has it again.
    // Empty for a property that no CSS after 2 has: its note holds its CSS 2 grammar.
    QString grammar;
    QStringList offeredValues;  // what the value box lists, in order
    QList<ShorthandPart> parts; // what a shorthand's value is composed from; empty for others
    // The longhands a shorthand sets, by name, as CSS defines it: Border sets every side's
    // width, style and colour though it is composed from the top side's; Font sets
    // line-height. Empty for a longhand, which sets itself.
    QStringList resets;
    QList<ValueNote> notes; // tried in order when the grammar does not match

    [[nodiscard]] bool isShorthand() const { return !parts.isEmpty(); }
    // The description in the language the program speaks: the row's tooltip.
    [[nodiscard]] QString shownDescription() const;

    // The whole table, in catalogue order: all()[i - 1] is the property with index i.
    [[nodiscard]] static const std::array<Property, PropertyCount> &all();
    // The property with this index; an index outside 1..102 stops the program.
    [[nodiscard]] static const Property &at(int index);
    // The indices 1..102 in catalogue order, the one way to walk the properties:
    // for (const int i : Property::indices()).
    [[nodiscard]] static constexpr auto indices() { return Indices{}; }
    // Stops the program on an index outside 1..102.
    static void checkIndex(int index);
    // The index of the property with this name, ignoring case; 0 when there is none.
    [[nodiscard]] static int indexOf(QStringView name);
    // The properties of the catalogue this one sets, by index in catalogue order: itself,
    // or what a shorthand resets.
    [[nodiscard]] static const QList<int> &longhands(int index);
};

// An empty item and the compose item: what every shorthand offers last.
[[nodiscard]] const QStringList &composeOffer();
