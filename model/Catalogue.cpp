#include "Catalogue.h"

#include <stdexcept>
#include <string>

Catalogue::Catalogue()
{
    m_included.fill(true);
    resetValues();
}

void Catalogue::resetValues()
{
    for (int i = 1; i <= PropertyCount; ++i)
        m_values[slot(i)] = Property::at(i).defaultValue;
}

void Catalogue::selectCssLevel(CssLevel level)
{
    for (int i = 1; i <= PropertyCount; ++i) {
        if (level == CssLevel::Css2)
            m_included[slot(i)] = true;
        else if (Property::at(i).level == CssLevel::Css2)
            m_included[slot(i)] = false;
    }
}

std::size_t Catalogue::slot(int index)
{
    if (index < 1 || index > PropertyCount)
        throw std::out_of_range("property index " + std::to_string(index) + " is outside 1..102");
    return std::size_t(index - 1);
}
