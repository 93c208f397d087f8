#pragma once

#include "Property.h"

#include <QStringList>

#include <array>

// What the user has made of the 102 properties: each one's current value and whether
// it is included in the rule. Indices run 1 to 102; any other index is a fault of the
// program and stops it.
class Catalogue {
public:
    // Every property included, every value its default.
    Catalogue();

    [[nodiscard]] const QString &value(int index) const { return m_values[slot(index)]; }
    void setValue(int index, const QString &value) { m_values[slot(index)] = value; }
    [[nodiscard]] bool isIncluded(int index) const { return m_included[slot(index)]; }
    void setIncluded(int index, bool included) { m_included[slot(index)] = included; }

    // Declarations of a rule the user brought in that the catalogue does not know (newer
    // CSS, vendor prefixes) and pieces that are no declaration, each as written. The rule
    // writes them after the catalogue's declarations.
    [[nodiscard]] const QStringList &keptDeclarations() const { return m_kept; }
    void setKeptDeclarations(const QStringList &kept) { m_kept = kept; }

    // Values back to their defaults; what is included stays, and so do kept declarations.
    void resetValues();
    // CSS 1 leaves out the properties CSS 2 introduced and includes none; CSS 2
    // includes all.
    void selectCssLevel(CssLevel level);

    friend bool operator==(const Catalogue &, const Catalogue &) = default;

private:
    [[nodiscard]] static std::size_t slot(int index);

    std::array<QString, PropertyCount> m_values;
    std::array<bool, PropertyCount> m_included;
    QStringList m_kept;
};
