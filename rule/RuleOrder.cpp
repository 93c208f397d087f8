#include "RuleOrder.h"

#include <QHash>

#include <algorithm>
#include <functional>
#include <queue>
#include <vector>

namespace {

// `all` sets everything but these.
bool leftByAll(const QString &longhand)
{
    return longhand == u"direction" || longhand == u"unicode-bidi" || longhand.startsWith(u"--");
}

} // namespace

QList<qsizetype> writtenOrder(const QList<OrderedLine> &lines)
{
    // Who must come before whom: for each longhand and importance, each line before the one
    // read next after it; that order is enough, as it is transitive.
    // A line not read (set in the window) counts as read after all that were, in the
    // order of the lines: it wins over what it overlaps, as its value box says.
    int lastRead = 0;
    for (const OrderedLine &line : lines)
        lastRead = std::max(lastRead, line.rank);
    std::vector<qsizetype> ranks;
    ranks.reserve(std::size_t(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i)
        ranks.push_back(lines[i].rank > 0 ? lines[i].rank : lastRead + 1 + i);
    std::vector<std::pair<qsizetype, qsizetype>> before;
    for (const bool important : {false, true}) {
        QHash<QString, std::vector<qsizetype>> byLonghand;
        std::vector<qsizetype> all;    // lines that set everything
        std::vector<qsizetype> others; // lines `all` sets something of
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const OrderedLine &line = lines[i];
            if (line.important != important || line.longhands.isEmpty())
                continue;
            if (line.longhands == QStringList{QStringLiteral("*")}) {
                all.push_back(i);
                continue;
            }
            for (const QString &longhand : line.longhands)
                byLonghand[longhand].push_back(i);
            if (!std::all_of(line.longhands.cbegin(), line.longhands.cend(), leftByAll))
                others.push_back(i);
        }
        const auto byRank = [&ranks](qsizetype a, qsizetype b) {
            return ranks[std::size_t(a)] < ranks[std::size_t(b)];
        };
        for (std::vector<qsizetype> &set : byLonghand) {
            std::sort(set.begin(), set.end(), byRank);
            for (std::size_t k = 1; k < set.size(); ++k)
                before.emplace_back(set[k - 1], set[k]);
        }
        for (const qsizetype a : all) {
            for (const qsizetype b : others)
                before.push_back(byRank(a, b) ? std::pair(a, b) : std::pair(b, a));
            for (const qsizetype b : all)
                if (byRank(a, b))
                    before.emplace_back(a, b);
        }
    }
    if (std::all_of(before.cbegin(), before.cend(), [](const auto &edge) {
            return edge.first < edge.second;
        }))
        return {};
    // The rule's order wherever that keeps the decisions: the first line that may come next
    // always does.
    std::vector<std::vector<qsizetype>> after(std::size_t(lines.size()));
    std::vector<int> waiting(std::size_t(lines.size()), 0);
    for (const auto &[first, second] : before) {
        after[std::size_t(first)].push_back(second);
        ++waiting[std::size_t(second)];
    }
    std::priority_queue<qsizetype, std::vector<qsizetype>, std::greater<>> ready;
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (waiting[std::size_t(i)] == 0)
            ready.push(i);
    QList<qsizetype> order;
    order.reserve(lines.size());
    while (!ready.empty()) {
        const qsizetype next = ready.top();
        ready.pop();
        order.append(next);
        for (const qsizetype later : after[std::size_t(next)])
            if (--waiting[std::size_t(later)] == 0)
                ready.push(later);
    }
    // Every line, as the ranks make the edges point one way; should two lines share a rank
    // and make a circle, the rule's order stands.
    return order.size() == lines.size() ? order : QList<qsizetype>();
}
