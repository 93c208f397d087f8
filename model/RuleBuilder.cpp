#include "RuleBuilder.h"

#include "Catalogue.h"
#include "TextNormal.h"

namespace {

// The value as the rule writes it; empty when the property is left out.
QString writtenValue(const Catalogue &catalogue, int index, bool onlyChanged)
{
    if (!catalogue.isIncluded(index))
        return {};
    QString value = lowerTrimmed(catalogue.value(index));
    if (onlyChanged && value == lowerTrimmed(Property::at(index).defaultValue))
        return {};
    return value;
}

} // namespace

QString ruleText(const QString &selector, bool onlyChanged, const Catalogue &catalogue)
{
    static constexpr QStringView lineBreak = u"\r\n";
    QString text = lowerTrimmed(selector);
    text += lineBreak;
    text += u"  {";
    for (int i = 1; i <= PropertyCount; ++i) {
        const QString value = writtenValue(catalogue, i, onlyChanged);
        if (value.isEmpty())
            continue;
        text += lineBreak;
        text += u"  ";
        text += Property::at(i).name.toLower();
        text += u": ";
        text += value;
        text += u';';
    }
    text += lineBreak;
    text += u"  }";
    return text;
}
