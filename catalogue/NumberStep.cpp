#include "NumberStep.h"

#include "CssTokenizer.h"
#include "Property.h"
#include "ValueGrammar.h"

#include <algorithm>
#include <cmath>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

using Type = CssToken::Type;

// How many decimals a number is written with.
int decimalsOf(QStringView number)
{
    const qsizetype point = number.indexOf(u'.');
    if (point < 0)
        return 0;
    qsizetype end = point + 1;
    while (end < number.size() && number[end].isDigit())
        ++end;
    return int(end - point - 1);
}

bool faultsWithin(const ValueVerdict &verdict, qsizetype begin, qsizetype end)
{
    return verdict.kind == ValueVerdict::Kind::Invalid && verdict.at >= begin && verdict.at < end;
}

} // namespace

QString NumberStep::written(double n, int decimals)
{
    QString text = QString::number(n, 'f', decimals);
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    if (text.startsWith(u'-') && text.toDouble() == 0)
        text.remove(0, 1);
    return text;
}

std::optional<NumberStep> NumberStep::in(int property, QStringView value, qsizetype cursor,
                                         double by)
{
    std::vector<CssToken> numbers;
    CssTokenizer tokens(value);
    for (CssToken token = tokens.next(); token.type != Type::End; token = tokens.next()) {
        if (token.type == Type::Number || token.type == Type::Percentage ||
            token.type == Type::Dimension)
            numbers.push_back(token);
    }
    if (numbers.empty())
        return std::nullopt;
    const auto beside = std::find_if(numbers.begin(), numbers.end(), [cursor](const CssToken &t) {
        return t.begin <= cursor && cursor <= t.end;
    });
    const auto before = std::find_if(
        numbers.rbegin(), numbers.rend(), [cursor](const CssToken &t) { return t.end <= cursor; });
    const CssToken &chosen = beside != numbers.end()    ? *beside
                             : before != numbers.rend() ? *before
                                                        : numbers.front();
    const qsizetype numberEnd = chosen.type == Type::Dimension    ? chosen.unitAt
                                : chosen.type == Type::Percentage ? chosen.end - 1
                                                                  : chosen.end;
    const QStringView number = value.sliced(chosen.begin, numberEnd - chosen.begin);
    bool ok = false;
    const double n = number.toDouble(&ok);
    if (!ok)
        return std::nullopt;

    const bool unitless = chosen.type == Type::Number;
    QString next;
    if (unitless && property == Property::indexOf(u"font-weight")) {
        const double hundreds = by > 0 ? std::floor(n / 100) + 1 : std::ceil(n / 100) - 1;
        next = QString::number(std::clamp(hundreds, 1.0, 9.0) * 100);
    } else {
        next = written(n + by, std::max(decimalsOf(number), by == std::trunc(by) ? 0 : 1));
        if (number.startsWith(u'+') && n + by >= 0)
            next.prepend(u'+');
    }
    const QString head = value.first(chosen.begin).toString();
    const QString tail = value.sliced(chosen.end).toString();
    QString unit = value.sliced(numberEnd, chosen.end - numberEnd).toString();
    // A length where a bare number is refused for it, the rest of the value as it is.
    if (unitless) {
        const qsizetype nextEnd = chosen.begin + next.size();
        const ValueVerdict bare = checkValue(property, head + next + tail);
        if (faultsWithin(bare, chosen.begin, nextEnd) &&
            !faultsWithin(
                checkValue(property, head + next + u"px"_s + tail), chosen.begin, nextEnd + 2))
            unit = u"px"_s;
    }
    return NumberStep{head + next + unit + tail, chosen.begin + next.size() + unit.size()};
}
