#include "GrammarMatcher.h"

#include "CssTokenizer.h"
#include "Keywords.h"
#include "MathFunction.h"
#include "ValueTokens.h"

#include <algorithm>
#include <set>
#include <unordered_set>

using Kind = GrammarNode::Kind;
using Type = CssToken::Type;

namespace {

// Sorted, so that a name is found by binary search. CSS 2.1's colour keywords, orange
// among them, and its system colours; then those of CSS Color 3 and 4: the extended
// keywords, rebeccapurple, transparent and currentcolor.
// clang-format off
constexpr QStringView Css21ColourNames[] = {
    u"activeborder", u"activecaption", u"appworkspace", u"aqua", u"background", u"black", u"blue",
    u"buttonface", u"buttonhighlight", u"buttonshadow", u"buttontext", u"captiontext", u"fuchsia",
    u"gray", u"graytext", u"green", u"highlight", u"highlighttext", u"inactiveborder",
    u"inactivecaption", u"inactivecaptiontext", u"infobackground", u"infotext", u"lime", u"maroon",
    u"menu", u"menutext", u"navy", u"olive", u"orange", u"purple", u"red", u"scrollbar", u"silver",
    u"teal", u"threeddarkshadow", u"threedface", u"threedhighlight", u"threedlightshadow",
    u"threedshadow", u"white", u"window", u"windowframe", u"windowtext", u"yellow"};
constexpr QStringView LaterColourNames[] = {
    u"aliceblue", u"antiquewhite", u"aquamarine", u"azure", u"beige", u"bisque", u"blanchedalmond",
    u"blueviolet", u"brown", u"burlywood", u"cadetblue", u"chartreuse", u"chocolate", u"coral",
    u"cornflowerblue", u"cornsilk", u"crimson", u"currentcolor", u"cyan", u"darkblue", u"darkcyan",
    u"darkgoldenrod", u"darkgray", u"darkgreen", u"darkgrey", u"darkkhaki", u"darkmagenta",
    u"darkolivegreen", u"darkorange", u"darkorchid", u"darkred", u"darksalmon", u"darkseagreen",
    u"darkslateblue", u"darkslategray", u"darkslategrey", u"darkturquoise", u"darkviolet",
    u"deeppink", u"deepskyblue", u"dimgray", u"dimgrey", u"dodgerblue", u"firebrick",
    u"floralwhite", u"forestgreen", u"gainsboro", u"ghostwhite", u"gold", u"goldenrod",
    u"greenyellow", u"grey", u"honeydew", u"hotpink", u"indianred", u"indigo", u"ivory", u"khaki",
    u"lavender", u"lavenderblush", u"lawngreen", u"lemonchiffon", u"lightblue", u"lightcoral",
    u"lightcyan", u"lightgoldenrodyellow", u"lightgray", u"lightgreen", u"lightgrey", u"lightpink",
    u"lightsalmon", u"lightseagreen", u"lightskyblue", u"lightslategray", u"lightslategrey",
    u"lightsteelblue", u"lightyellow", u"limegreen", u"linen", u"magenta", u"mediumaquamarine",
    u"mediumblue", u"mediumorchid", u"mediumpurple", u"mediumseagreen", u"mediumslateblue",
    u"mediumspringgreen", u"mediumturquoise", u"mediumvioletred", u"midnightblue", u"mintcream",
    u"mistyrose", u"moccasin", u"navajowhite", u"oldlace", u"olivedrab", u"orangered", u"orchid",
    u"palegoldenrod", u"palegreen", u"paleturquoise", u"palevioletred", u"papayawhip", u"peachpuff",
    u"peru", u"pink", u"plum", u"powderblue", u"rebeccapurple", u"rosybrown", u"royalblue",
    u"saddlebrown", u"salmon", u"sandybrown", u"seagreen", u"seashell", u"sienna", u"skyblue",
    u"slateblue", u"slategray", u"slategrey", u"snow", u"springgreen", u"steelblue", u"tan",
    u"thistle", u"tomato", u"transparent", u"turquoise", u"violet", u"wheat", u"whitesmoke",
    u"yellowgreen"};
// clang-format on

// CSS 2.1's length units first, then today's (CSS Values 4, CSS Contain 3).
// clang-format off
constexpr QStringView LengthUnits[] = {
    u"em", u"ex", u"px", u"in", u"cm", u"mm", u"pt", u"pc",
    u"rem", u"ch", u"vw", u"vh", u"vmin", u"vmax", u"q", u"cap", u"ic", u"lh", u"rlh",
    u"rcap", u"rch", u"rex", u"ric", u"vi", u"vb", u"svw", u"svh", u"svi", u"svb", u"svmin",
    u"svmax", u"lvw", u"lvh", u"lvi", u"lvb", u"lvmin", u"lvmax", u"dvw", u"dvh", u"dvi",
    u"dvb", u"dvmin", u"dvmax", u"cqw", u"cqh", u"cqi", u"cqb", u"cqmin", u"cqmax"};
// clang-format on
constexpr qsizetype Css21LengthUnits = 8;
constexpr QStringView AngleUnits[] = {u"deg", u"grad", u"rad", u"turn"};
constexpr QStringView TimeUnits[] = {u"s", u"ms"};
constexpr QStringView FrequencyUnits[] = {u"hz", u"khz"};
constexpr QStringView ResolutionUnits[] = {u"dpi", u"dpcm", u"dppx", u"x"};
constexpr QStringView FlexUnits[] = {u"fr"};
bool isOneOf(QStringView name, auto const &names)
{
    return std::any_of(std::begin(names), std::end(names), [name](QStringView n) {
        return CssTokenizer::equalsIgnoringAsciiCase(name, n);
    });
}

bool isHexColour(QStringView digits)
{
    const qsizetype n = digits.size();
    return (n == 3 || n == 4 || n == 6 || n == 8) &&
           std::all_of(digits.begin(), digits.end(), [](QChar c) {
               return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') ||
                      (c >= u'A' && c <= u'F');
           });
}

void sortUnique(std::vector<qsizetype> &ends)
{
    std::sort(ends.begin(), ends.end());
    ends.erase(std::unique(ends.begin(), ends.end()), ends.end());
}

} // namespace

GrammarMatcher::GrammarMatcher(const CompiledGrammar &grammar, const ValueTokens &tokens,
                               qsizetype end, qsizetype leastSteps, qsizetype stepsPerToken)
    : m_grammar(grammar)
    , m_tokens(tokens)
    , m_end(end)
    , m_maxSteps(leastSteps + stepsPerToken * tokens.size())
{
}

bool GrammarMatcher::matches(int root)
{
    Ends ends;
    collect(root, 0, ends);
    if (std::find(ends.begin(), ends.end(), m_end) != ends.end())
        return true;
    if (!ends.empty())
        fail(*std::max_element(ends.begin(), ends.end()), Surplus);
    return false;
}

bool GrammarMatcher::isColourName(QStringView name, bool css21Only)
{
    if (std::any_of(name.begin(), name.end(), [](QChar c) { return c.unicode() >= 0x80; }))
        return false; // ASCII case-insensitive: no Kelvin sign for a "k"
    const auto less = [](QStringView a, QStringView b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    };
    return std::binary_search(
               std::begin(Css21ColourNames), std::end(Css21ColourNames), name, less) ||
           (!css21Only &&
            std::binary_search(
                std::begin(LaterColourNames), std::end(LaterColourNames), name, less));
}

bool GrammarMatcher::isWideKeyword(QStringView name)
{
    return isOneOf(name, keywords::cssWide());
}

bool GrammarMatcher::isCss21LengthUnit(QStringView unit)
{
    return std::any_of(
        std::begin(LengthUnits), std::begin(LengthUnits) + Css21LengthUnits, [unit](QStringView u) {
            return CssTokenizer::equalsIgnoringAsciiCase(unit, u);
        });
}

std::optional<GrammarNode::Kind> GrammarMatcher::dimensionOf(QStringView unit)
{
    if (isOneOf(unit, LengthUnits))
        return Kind::Length;
    if (isOneOf(unit, AngleUnits))
        return Kind::Angle;
    if (isOneOf(unit, TimeUnits))
        return Kind::Time;
    if (isOneOf(unit, FrequencyUnits))
        return Kind::Frequency;
    if (isOneOf(unit, ResolutionUnits))
        return Kind::Resolution;
    if (isOneOf(unit, FlexUnits))
        return Kind::Flex;
    return std::nullopt;
}

void GrammarMatcher::collect(int index, qsizetype at, Ends &out)
{
    if (m_steps >= m_maxSteps) {
        m_exhausted = true;
        return;
    }
    ++m_steps;
    const GrammarNode &node = m_grammar.node(index);
    switch (node.kind) {
    case Kind::OneOf:
        for (const int child : node.children)
            collect(child, at, out);
        break;
    case Kind::Function:
        function(node, at, out);
        break;
    case Kind::Sequence:
        sequence(node, at, out);
        break;
    case Kind::Repeat:
        repeat(node, at, out);
        break;
    case Kind::AllOf:
    case Kind::AnyOf:
        anyOrder(node, at, out);
        break;
    case Kind::NonEmpty: {
        const std::size_t first = out.size();
        collect(node.children.front(), at, out);
        out.erase(std::remove(out.begin() + qsizetype(first), out.end(), at), out.end());
        break;
    }
    case Kind::Anything:
        anything(at, out);
        break;
    default:
        if (const qsizetype end = leaf(node, at); end >= 0)
            out.push_back(end);
        break;
    }
}

void GrammarMatcher::sequence(const GrammarNode &node, qsizetype at, Ends &out)
{
    Ends frontier{at};
    Ends next;
    for (const int child : node.children) {
        next.clear();
        for (const qsizetype from : frontier)
            collect(child, from, next);
        sortUnique(next);
        frontier.swap(next);
        if (frontier.empty())
            return;
    }
    out.insert(out.end(), frontier.begin(), frontier.end());
}

// "&&" and "||": every order, by walking the states (position, children used).
void GrammarMatcher::anyOrder(const GrammarNode &node, qsizetype at, Ends &out)
{
    const unsigned all = (1u << node.children.size()) - 1;
    std::vector<std::pair<qsizetype, unsigned>> pending{{at, 0u}};
    std::unordered_set<quint64> seen{quint64(at) << 16};
    Ends ends;
    while (!pending.empty()) {
        const auto [from, used] = pending.back();
        pending.pop_back();
        if (node.kind == Kind::AnyOf ? used != 0 : used == all)
            out.push_back(from);
        for (std::size_t i = 0; i < node.children.size(); ++i) {
            const unsigned bit = 1u << i;
            if (used & bit)
                continue;
            ends.clear();
            collect(node.children[i], from, ends);
            for (const qsizetype end : ends) {
                if (seen.insert(quint64(end) << 16 | (used | bit)).second)
                    pending.emplace_back(end, used | bit);
            }
        }
    }
}

// Positions only grow, so the states are taken in order of position. Counts above the
// least needed are all alike when there is no most, so they are kept apart only up to it.
void GrammarMatcher::repeat(const GrammarNode &node, qsizetype at, Ends &out)
{
    const bool bounded = std::isfinite(node.high);
    const int cap = bounded ? int(node.high) : std::max(int(node.low), 1);
    std::set<std::pair<qsizetype, int>> pending{{at, 0}};
    Ends ends;
    while (!pending.empty()) {
        const auto [from, count] = *pending.begin();
        pending.erase(pending.begin());
        if (count >= node.low)
            out.push_back(from);
        if (bounded && count >= node.high)
            continue;
        qsizetype start = from;
        if (node.commas && count > 0) {
            if (from >= limit(from) || m_tokens[from].type != Type::Comma) {
                if (from < limit(from))
                    fail(from, NeedsComma);
                else if (count < node.low)
                    fail(from, EndOfBlock);
                continue;
            }
            ++start;
        }
        ends.clear();
        collect(node.children.front(), start, ends);
        for (const qsizetype end : ends) {
            if (end > start) // a repetition that takes nothing would repeat for ever
                pending.emplace(end, std::min(count + 1, cap));
        }
    }
}

void GrammarMatcher::function(const GrammarNode &node, qsizetype at, Ends &out)
{
    if (at >= limit(at)) {
        fail(at, EndOfBlock);
        return;
    }
    const ValueToken &token = m_tokens[at];
    if (token.type != Type::Function ||
        !CssTokenizer::equalsIgnoringAsciiCase(token.name, node.text)) {
        fail(at, token.type == Type::Function ? BadFunction : Unexpected);
        return;
    }
    Ends ends;
    collect(node.children.front(), at + 1, ends);
    if (std::find(ends.begin(), ends.end(), token.close) != ends.end()) {
        if (token.close < m_tokens.size())
            out.push_back(token.close + 1);
        else
            fail(token.close, MissingParen);
    } else if (!ends.empty()) {
        fail(*std::max_element(ends.begin(), ends.end()), Surplus);
    }
}

// Every end of a run of one or more tokens from `at`, a block taken whole.
void GrammarMatcher::anything(qsizetype at, Ends &out)
{
    const qsizetype end = limit(at);
    if (at >= end) {
        fail(at, EndOfBlock);
        return;
    }
    for (qsizetype i = at; i < end;) {
        const ValueToken &t = m_tokens[i];
        const bool bang = t.type == Type::Delim && t.name == u"!" && t.blockEnd >= m_tokens.size();
        if (m_tokens.straysWithin(i, i + 1) > 0 || t.type == Type::Semicolon || bang)
            break;
        i = t.close > i ? std::min(t.close + 1, m_tokens.size()) : i + 1;
        if (i > end)
            break;
        out.push_back(i);
    }
}

qsizetype GrammarMatcher::leaf(const GrammarNode &node, qsizetype at)
{
    // A comma of the notation is left out first in its block, last, or beside another:
    // "<bg-layer>#? , <final-bg-layer>" takes one layer alone.
    if (node.kind == Kind::Comma && (at == 0 || at >= limit(at)))
        return at;
    // A closing bracket ends its own block, so it is matched before the block's limit.
    if (node.kind == Kind::Literal && node.text == u"]" && at < m_end &&
        m_tokens[at].type == Type::CloseSquare)
        return at + 1;
    if (at >= limit(at)) {
        fail(at, EndOfBlock);
        return -1;
    }
    const ValueToken &token = m_tokens[at];
    const bool ident = token.type == Type::Ident;
    switch (node.kind) {
    case Kind::Keyword:
        if (ident && CssTokenizer::equalsIgnoringAsciiCase(token.name, node.text))
            return at + 1;
        // Any name fails "inherit": that tells nothing about the name.
        fail(at, ident && !isWideKeyword(node.text) ? BadKeyword : Unexpected);
        return -1;
    case Kind::Identifier:
    case Kind::CustomIdent:
        if (ident && !isWideKeyword(token.name) &&
            (node.kind == Kind::Identifier ||
             !CssTokenizer::equalsIgnoringAsciiCase(token.name, u"default")))
            return at + 1;
        fail(at, ident ? BadKeyword : Unexpected);
        return -1;
    case Kind::AnyIdent:
        if (ident)
            return at + 1;
        fail(at, Unexpected);
        return -1;
    case Kind::DashedIdent:
        if (ident && token.name.startsWith(u"--"))
            return at + 1;
        fail(at, ident ? BadKeyword : Unexpected);
        return -1;
    case Kind::Literal: {
        const bool fits = (token.type == Type::Delim && token.name == node.text) ||
                          (token.type == Type::OpenSquare && node.text == u"[") ||
                          (token.type == Type::Colon && node.text == u":") ||
                          (token.type == Type::Comma && node.text == u",");
        if (fits)
            return at + 1;
        fail(at, Unexpected);
        return -1;
    }
    case Kind::NamedColour:
        if (ident && isColourName(token.name))
            return at + 1;
        fail(at, ident ? BadColourName : Unexpected);
        return -1;
    case Kind::HexColour:
        if (token.type == Type::Hash && isHexColour(token.name))
            return at + 1;
        fail(at, token.type == Type::Hash ? BadHexColour : Unexpected);
        return -1;
    case Kind::Integer:
        if (token.type == Type::Number && token.isInteger && token.number == node.low)
            return at + 1;
        fail(at, token.type == Type::Number ? BadNumber : Unexpected);
        return -1;
    case Kind::Comma:
        if (token.type == Type::Comma)
            return at + 1;
        if (at > 0 && (m_tokens[at - 1].type == Type::Comma || m_tokens[at - 1].close >= at))
            return at; // beside an omitted part, or first in its block: CSS leaves it out
        fail(at, NeedsComma);
        return -1;
    case Kind::Slash:
        if (token.type == Type::Delim && token.name == u"/")
            return at + 1;
        fail(at, NeedsSlash);
        return -1;
    case Kind::String:
        if (token.type == Type::String)
            return at + 1;
        fail(at, Unexpected);
        return -1;
    case Kind::Uri:
        if (token.type == Type::Url)
            return at + 1;
        if (token.type == Type::Function &&
            CssTokenizer::equalsIgnoringAsciiCase(token.name, u"url")) {
            // url("…"): one string and nothing more.
            if (token.close >= m_tokens.size())
                fail(token.close, MissingParen);
            else if (token.close == at + 1 || m_tokens[at + 1].type != Type::String)
                fail(at + 1, Unexpected);
            else if (token.close != at + 2)
                fail(at + 2, Surplus);
            else
                return at + 3;
            return -1;
        }
        fail(at, token.type == Type::Function ? BadFunction : Unexpected);
        return -1;
    default:
        return number(node, at);
    }
}

qsizetype GrammarMatcher::number(const GrammarNode &node, qsizetype at)
{
    const ValueToken &token = m_tokens[at];
    if (token.type == Type::Function && MathFunction::isMathFunction(token.name))
        return mathFunction(node, at);
    unsigned problem = token.type == Type::Function ? BadFunction : Unexpected;
    bool fits = false;
    switch (node.kind) {
    case Kind::Length:
        fits = (token.type == Type::Dimension && isOneOf(token.name, LengthUnits)) ||
               (token.type == Type::Number && token.number == 0);
        if (!fits && token.type == Type::Number)
            problem = MissingUnit;
        else if (!fits && token.type == Type::Dimension)
            problem = WrongUnit;
        break;
    case Kind::Angle:
        fits = (token.type == Type::Dimension && isOneOf(token.name, AngleUnits)) ||
               (token.type == Type::Number && token.number == 0);
        if (!fits && token.type == Type::Dimension)
            problem = WrongUnit;
        break;
    case Kind::Time:
    case Kind::Frequency:
    case Kind::Resolution:
    case Kind::Flex: {
        const auto units = [&token](auto const &list) {
            return token.type == Type::Dimension && isOneOf(token.name, list);
        };
        fits = node.kind == Kind::Time         ? units(TimeUnits)
               : node.kind == Kind::Frequency  ? units(FrequencyUnits)
               : node.kind == Kind::Resolution ? units(ResolutionUnits)
                                               : units(FlexUnits);
        if (!fits && token.type == Type::Dimension)
            problem = WrongUnit;
        break;
    }
    case Kind::Percentage:
        fits = token.type == Type::Percentage;
        break;
    case Kind::Number:
        fits = token.type == Type::Number;
        break;
    default: // WholeNumber
        fits = token.type == Type::Number && token.isInteger;
        if (token.type == Type::Number && !token.isInteger)
            problem = NotInteger;
        break;
    }
    if (!fits) {
        fail(at, problem);
        return -1;
    }
    if (token.number >= node.low && token.number <= node.high)
        return at + 1;
    if (at > m_furthest || (at == m_furthest && !(m_problems & OutOfRange))) {
        m_below = token.number < node.low;
        m_bound = m_below ? node.low : node.high;
    }
    fail(at, OutOfRange);
    return -1;
}

// A math function where a number or a dimension goes: its result is of the node's kind.
// It is not held to the node's range, which a browser applies to what it computes.
qsizetype GrammarMatcher::mathFunction(const GrammarNode &node, qsizetype at)
{
    using Base = MathFunction::Base;
    const ValueToken &token = m_tokens[at];
    if (token.close >= m_tokens.size()) {
        fail(token.close, MissingParen);
        return -1;
    }
    const std::optional<Base> base = node.kind == Kind::Length       ? Base::Length
                                     : node.kind == Kind::Angle      ? Base::Angle
                                     : node.kind == Kind::Time       ? Base::Time
                                     : node.kind == Kind::Frequency  ? Base::Frequency
                                     : node.kind == Kind::Resolution ? Base::Resolution
                                     : node.kind == Kind::Percentage ? Base::Percent
                                                                     : std::optional<Base>();
    // Percentages count as the node's kind where the grammar takes both (<length-percentage>).
    const Base percentAs = base && node.percentages ? *base : Base::Percent;
    const MathFunction::Result result = MathFunction::read(m_tokens, at, percentAs);
    switch (result.fault) {
    case MathFunction::Fault::None:
        break;
    case MathFunction::Fault::Ends:
        fail(result.at, EndOfBlock);
        return -1;
    case MathFunction::Fault::Spacing:
        fail(result.at, MathSpacing);
        return -1;
    case MathFunction::Fault::Types:
        fail(result.at, MathTypes);
        return -1;
    default:
        fail(result.at, Unexpected);
        return -1;
    }
    const bool fits = node.kind == Kind::Flex ? false
                      : base                  ? result.type == MathFunction::Type::of(*base)
                                              : result.type == MathFunction::Type();
    if (fits)
        return token.close + 1;
    fail(at, MathTypes);
    return -1;
}

qsizetype GrammarMatcher::limit(qsizetype at) const
{
    return at >= m_end ? m_end : std::min(m_tokens[at].blockEnd, m_end);
}

void GrammarMatcher::fail(qsizetype at, unsigned problems)
{
    if (at > m_furthest) {
        m_furthest = at;
        m_problems = problems;
    } else if (at == m_furthest) {
        m_problems |= problems;
    }
}
