#include "PropertySearch.h"

#include "Property.h"

#include <QStringList>

#include <array>

namespace {

// Lower case without diacritics, and anything but letters and digits a space:
// "(Šířku)" is " sirku ".
QString plain(QStringView text)
{
    const QString decomposed = text.toString().toLower().normalized(QString::NormalizationForm_D);
    QString result;
    result.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            result += c.isLetterOrNumber() || c == u'-' ? c : QChar(u' ');
    }
    return result;
}

struct Searchable {
    QString name;                 // plain, without hyphens
    QStringList descriptionWords; // plain
};

const std::array<Searchable, PropertyCount> &searchables()
{
    static const std::array<Searchable, PropertyCount> all = [] {
        std::array<Searchable, PropertyCount> table;
        for (const int i : Property::indices()) {
            table[std::size_t(i - 1)] = {plain(Property::at(i).name).remove(u'-'),
                                         plain(Property::at(i).description)
                                             .replace(u'-', u' ')
                                             .split(u' ', Qt::SkipEmptyParts)};
        }
        return table;
    }();
    return all;
}

bool describes(const QStringList &words, const QStringList &queryWords)
{
    for (const QString &query : queryWords) {
        const QStringView stem = query.size() > 3 ? QStringView(query).chopped(1) : query;
        bool found = false;
        for (const QString &word : words)
            found = found || word.startsWith(stem);
        if (!found)
            return false;
    }
    return true;
}

} // namespace

QList<int> findProperties(QStringView query)
{
    const QString plainQuery = plain(query);
    const QString name = QString(plainQuery).remove(u'-').remove(u' ');
    const QStringList words =
        QString(plainQuery).replace(u'-', u' ').split(u' ', Qt::SkipEmptyParts);
    QList<int> byName;
    QList<int> byDescription;
    if (name.isEmpty())
        return byName;
    for (const int i : Property::indices()) {
        const Searchable &s = searchables()[std::size_t(i - 1)];
        if (s.name.contains(name))
            byName += i;
        else if (describes(s.descriptionWords, words))
            byDescription += i;
    }
    return byName + byDescription;
}
