#include "RuleBuilder.h"

#include "Catalogue.h"
#include "TextNormal.h"

using namespace Qt::StringLiterals;

QStringList declarations(bool onlyChanged, const Catalogue &catalogue)
{
    QStringList lines;
    for (int i = 1; i <= PropertyCount; ++i) {
        if (!catalogue.isIncluded(i))
            continue;
        const QString value = lowerTrimmed(catalogue.value(i));
        if (value.isEmpty() || (onlyChanged && value == lowerTrimmed(Property::at(i).defaultValue)))
            continue;
        lines += Property::at(i).name.toLower() + u": "_s + value + u';';
    }
    for (const QString &kept : catalogue.keptDeclarations())
        lines += kept + u';';
    return lines;
}

QString ruleText(const QString &selector, bool onlyChanged, const Catalogue &catalogue)
{
    static constexpr QStringView lineBreak = u"\r\n";
    QString text = lowerTrimmed(selector);
    text += lineBreak;
    text += u"  {";
    for (const QString &line : declarations(onlyChanged, catalogue)) {
        text += lineBreak;
        text += u"  ";
        text += line;
    }
    text += lineBreak;
    text += u"  }";
    return text;
}

QString declarationText(bool onlyChanged, const Catalogue &catalogue)
{
    return declarations(onlyChanged, catalogue).join(u"\r\n");
}

QString styleAttribute(bool onlyChanged, const Catalogue &catalogue)
{
    QStringList parts = declarations(onlyChanged, catalogue);
    for (QString &part : parts) {
        part.chop(1); // the ";" that ends a line; between parts it is written again
        part.replace(u'&', u"&amp;"_s).replace(u'"', u"&quot;"_s);
    }
    return u"style=\""_s + parts.join(u"; "_s) + u'"';
}
