#include "RuleBuilder.h"

#include "Catalogue.h"
#include "TextNormal.h"

using namespace Qt::StringLiterals;

namespace {

// Calls write(name, value) for each declaration the rule writes, in order; a kept
// declaration comes as its whole text with an empty value. The rule is built on every
// keystroke, so nothing is put together here that the caller does not need.
template <class Write> void forEachDeclaration(bool onlyChanged, const Catalogue &c, Write write)
{
    for (const int i : Property::indices()) {
        if (!c.isIncluded(i))
            continue;
        const QString value = lowerTrimmed(c.value(i));
        if (!value.isEmpty() &&
            !(onlyChanged && value == lowerTrimmed(Property::at(i).defaultValue)))
            write(Property::at(i).name.toLower(), value);
    }
    for (const QString &kept : c.keptDeclarations())
        write(kept, QString());
}

QString declaration(const QString &name, const QString &value)
{
    return value.isNull() ? name + u';' : name + u": "_s + value + u';';
}

} // namespace

QStringList declarations(bool onlyChanged, const Catalogue &catalogue)
{
    QStringList lines;
    forEachDeclaration(onlyChanged, catalogue, [&lines](const QString &name, const QString &value) {
        lines += declaration(name, value);
    });
    return lines;
}

QString ruleText(const QString &selector, bool onlyChanged, const Catalogue &catalogue)
{
    static constexpr QStringView lineBreak = u"\r\n";
    QString text = lowerTrimmed(selector);
    text += lineBreak;
    text += u"  {";
    forEachDeclaration(onlyChanged, catalogue, [&text](const QString &name, const QString &value) {
        text += lineBreak;
        text += u"  ";
        text += name;
        if (!value.isNull()) {
            text += u": ";
            text += value;
        }
        text += u';';
    });
    text += lineBreak;
    text += u"  }";
    return text;
}

QString declarationText(bool onlyChanged, const Catalogue &catalogue)
{
    return declarations(onlyChanged, catalogue).join(u"\r\n"_s);
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
