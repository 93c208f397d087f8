#include "PropertySearch.h"

#include "Property.h"

#include <QStringList>

#include <algorithm>
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
            // The description as shown, and the Czech one behind it.
            const Property &p = Property::at(i);
            const QString shown = p.shownDescription();
            const QString described = shown == p.description ? shown : shown + u' ' + p.description;
            table[std::size_t(i - 1)] = {
                plain(p.name).remove(u'-'),
                plain(described).replace(u'-', u' ').split(u' ', Qt::SkipEmptyParts)};
        }
        return table;
    }();
    return all;
}

// How well the description's words answer the query's: 2 when each query word begins a
// word, 1 when each does but for its last letter, which Czech inflects ("sirka" for
// "šířku"), 0 when some does not.
int describes(const QStringList &words, const QStringList &queryWords)
{
    int rank = 2;
    for (const QString &query : queryWords) {
        const QStringView stem = query.size() > 3 ? QStringView(query).chopped(1) : query;
        int best = 0;
        for (const QString &word : words)
            best = std::max(best, word.startsWith(query) ? 2 : word.startsWith(stem) ? 1 : 0);
        rank = std::min(rank, best);
    }
    return rank;
}

} // namespace

QList<int> findProperties(QStringView query)
{
    const QString plainQuery = plain(query);
    const QString name = QString(plainQuery).remove(u'-').remove(u' ');
    const QStringList words =
        QString(plainQuery).replace(u'-', u' ').split(u' ', Qt::SkipEmptyParts);
    if (name.isEmpty())
        return {};
    // By rank (a name, a word beginning so, a word beginning so but for the last letter),
    // then the shorter name, then the catalogue's order.
    QList<std::pair<int, int>> found; // (rank key, index)
    for (const int i : Property::indices()) {
        const Searchable &s = searchables()[std::size_t(i - 1)];
        const int rank = s.name.contains(name) ? 3 : describes(s.descriptionWords, words);
        if (rank > 0)
            found.append({-rank * 1000 + int(Property::at(i).name.size()), i});
    }
    std::stable_sort(
        found.begin(), found.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    QList<int> indices;
    for (const auto &[key, index] : found)
        indices += index;
    return indices;
}
