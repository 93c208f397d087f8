#include "DeclarationCheck.h"

#include "CssTokenizer.h"
#include "Property.h"
#include "ValueGrammar.h"

bool browserAccepts(QStringView name, QStringView value)
{
    const int property = Property::indexOf(CssTokenizer::asciiLower(name));
    return property == 0 || checkValue(property, value).kind != ValueVerdict::Kind::Invalid;
}
