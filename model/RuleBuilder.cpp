#include "RuleBuilder.h"

#include "Catalogue.h"
#include "RuleWindow.h"
#include "TextNormal.h"

namespace {

// The value as the rule writes it, or an empty text when the property is left out
// (a written value is never empty).
QString writtenValue(const Catalogue &catalogue, int index, int onlyChanged)
{
    if (catalogue.zapsat(index) != 1)
        return {};
    const Vlastnost &v = catalogue.vlastnost(index);
    QString value = lowerTrimmed(v.Hodnota);
    if (onlyChanged == 1 && value == lowerTrimmed(v.Vychozi))
        return {};
    return value;
}

} // namespace

QString ruleText(const QString &selector, int onlyChanged, const Catalogue &catalogue)
{
    static constexpr QStringView crlf = u"\r\n";
    QString text = lowerTrimmed(selector);
    text.reserve(text.size() + 64 * 40);
    text += crlf;
    text += u"  {";
    for (int i = 1; i <= Catalogue::Count; ++i) {
        const QString value = writtenValue(catalogue, i, onlyChanged);
        if (value.isEmpty())
            continue;
        text += crlf;
        text += u"  ";
        text += catalogue.vlastnost(i).Nazev.toLower();
        text += u": ";
        text += value;
        text += u';';
    }
    text += crlf;
    text += u"  }";
    return text;
}

void KonstrukceStylu(RuleWindow &window, const Catalogue &catalogue)
{
    const QString selector = window.selectorText();
    const int onlyChanged = window.onlyChangedValue();
    window.replacePaneText(ruleText(selector, onlyChanged, catalogue));
}
