#pragma once

#include <array>
#include <cstddef>

// The fixed data of the 102 known properties, in catalogue order (case-insensitive
// alphabetical, hyphen before letters). Index 0 here is property 1.
struct CatalogueRow {
    const char16_t *vychozi;
    const char16_t *nazev;
    const char16_t *popis;
};

inline constexpr std::size_t PropertyCount = 102;

extern const std::array<CatalogueRow, PropertyCount> catalogueRows;
