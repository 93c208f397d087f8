#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <ranges>

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

struct Property {
    QString name;               // the CSS name with its first letter upper case
    QString defaultValue;       // may be empty
    QString description;        // Czech, one line; shown as the row's tooltip; may be empty
    CssLevel level;             // the CSS level that introduced it
    QStringList offeredValues;  // what the value box lists, in order
    QList<ShorthandPart> parts; // empty unless this is a shorthand

    [[nodiscard]] bool isShorthand() const { return !parts.isEmpty(); }

    // The whole table, in catalogue order: all()[i - 1] is the property with index i.
    [[nodiscard]] static const std::array<Property, PropertyCount> &all();
    // The property with this index; an index outside 1..102 stops the program.
    [[nodiscard]] static const Property &at(int index);
    // The indices 1..102 in catalogue order, the one way to walk the properties:
    // for (const int i : Property::indices()).
    [[nodiscard]] static constexpr auto indices() { return std::views::iota(1, PropertyCount + 1); }
    // Stops the program on an index outside 1..102.
    static void checkIndex(int index);
    // The index of the property with this name, ignoring case; 0 when there is none.
    [[nodiscard]] static int indexOf(QStringView name);
};

// The runs of values several properties offer.
[[nodiscard]] const QStringList &colourKeywords();
[[nodiscard]] const QStringList &borderStyles();
[[nodiscard]] const QStringList &borderWidths();
// An empty item and the compose item: what every shorthand offers last.
[[nodiscard]] const QStringList &composeOffer();
