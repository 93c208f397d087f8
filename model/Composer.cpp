#include "Composer.h"

#include "Catalogue.h"
#include "TextNormal.h"

void composeShorthand(Catalogue &catalogue, int index)
{
    const Property &shorthand = Property::at(index);
    if (!shorthand.isShorthand())
        return;
    QString joined;
    for (const ShorthandPart &part : shorthand.parts) {
        const int partIndex = Property::indexOf(part.name);
        QString value = trimSpaces(catalogue.value(partIndex));
        if (value.isEmpty() && !part.fallback.isNull())
            value = part.fallback;
        else if (value.isEmpty() || (part.fallback.isNull() && !catalogue.isIncluded(partIndex)))
            continue;
        joined += part.joiner;
        joined += part.keepsCase ? value : value.toLower();
    }
    // The first part brings a joiner of its own that nothing precedes.
    catalogue.setValue(index, joined.mid(1));
}
