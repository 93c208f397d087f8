#pragma once

#include "Property.h"

#include <array>

// What the user has made of the 102 properties: each one's current value and whether it is
// included in the rule. Indices run 1 to 102; any other index is a fault of the program and
// stops it.
class PropertyValues {
public:
    // Every property included, every value its default.
    PropertyValues();

    [[nodiscard]] const QString &value(int index) const { return m_values[slot(index)]; }
    void setValue(int index, const QString &value) { m_values[slot(index)] = value; }
    [[nodiscard]] bool isIncluded(int index) const { return m_included[slot(index)]; }
    void setIncluded(int index, bool included) { m_included[slot(index)] = included; }

    // Values back to their defaults; what is included stays.
    void resetValues();
    // CSS 1 leaves out the properties CSS 2 introduced and includes none; CSS 2
    // includes all.
    void selectCssLevel(CssLevel level);

    friend bool operator==(const PropertyValues &, const PropertyValues &) = default;

private:
    [[nodiscard]] static std::size_t slot(int index);

    std::array<QString, PropertyCount> m_values;
    std::array<bool, PropertyCount> m_included;
};
