#include "PropertyValues.h"

PropertyValues::PropertyValues()
{
    m_included.fill(true);
    resetValues();
}

void PropertyValues::resetValues()
{
    for (const int i : Property::indices())
        m_values[slot(i)] = Property::at(i).defaultValue;
}

void PropertyValues::selectCssLevel(CssLevel level)
{
    for (const int i : Property::indices()) {
        if (level == CssLevel::Css2)
            m_included[slot(i)] = true;
        else if (Property::at(i).level == CssLevel::Css2)
            m_included[slot(i)] = false;
    }
}

std::size_t PropertyValues::slot(int index)
{
    Property::checkIndex(index);
    return std::size_t(index - 1);
}
