#include "Composer.h"

#include "PropertyValues.h"
#include "TextNormal.h"

void composeShorthand(PropertyValues &values, int index)
{
    const Property &shorthand = Property::at(index);
    if (!shorthand.isShorthand())
        return;
    QString joined;
    for (const ShorthandPart &part : shorthand.parts) {
        const int partIndex = Property::indexOf(part.name);
        QString value = trimSpaces(values.value(partIndex));
        if (value.isEmpty() && !part.fallback.isNull())
            value = part.fallback;
        else if (value.isEmpty() || (part.fallback.isNull() && !values.isIncluded(partIndex)))
            continue;
        joined += part.joiner;
        joined += part.keepsCase ? value : value.toLower();
    }
    // The first part brings a joiner of its own that nothing precedes.
    values.setValue(index, joined.mid(1));
}
