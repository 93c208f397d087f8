#include "TextNormal.h"

namespace {

QStringView withoutOuterSpaces(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    return text.sliced(begin, end - begin);
}

} // namespace

QString trimSpaces(const QString &text)
{
    const QStringView trimmed = withoutOuterSpaces(text);
    return trimmed.size() == text.size() ? text : trimmed.toString();
}

QString lowerTrimmed(const QString &text)
{
    return trimSpaces(text.toLower());
}

bool sameLowerTrimmed(const QString &a, const QString &b)
{
    // Lower case maps one UTF-16 unit to at most three and never to none, so texts whose
    // lengths are more than three times apart differ.
    const qsizetype sa = withoutOuterSpaces(a).size();
    const qsizetype sb = withoutOuterSpaces(b).size();
    if (sa > 3 * sb + 3 || sb > 3 * sa + 3)
        return false;
    return lowerTrimmed(a) == lowerTrimmed(b);
}
