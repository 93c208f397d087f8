#include "MathFunction.h"

#include "CssTokenizer.h"
#include "GrammarMatcher.h"
#include "ValueTokens.h"

#include <algorithm>

using Type = MathFunction::Type;
using Base = MathFunction::Base;
using Fault = MathFunction::Fault;
using Token = CssToken::Type;
using Kind = GrammarNode::Kind;

namespace {

// What each function takes and gives.
enum class Shape : unsigned char {
    Same,     // calc, min, max, hypot: one or more (calc: one) arguments of one type, that type
    Clamp,    // three of one type, the first and last may be "none"
    Round,    // a rounding strategy, then one or two of one type (two unless numbers)
    Pair,     // mod, rem: two of one type
    Trig,     // sin, cos, tan: an angle or a number; a number
    Inverse,  // asin, acos, atan: a number; an angle
    Atan2,    // two of one type; an angle
    Numbers,  // pow (two), sqrt, exp (one), log (one or two): numbers; a number
    Abs,      // one of any type, that type
    Sign,     // one of any type; a number
    Progress, // three of one type; a number
    Count,    // sibling-index(), sibling-count(): nothing; a number
    Size,     // calc-size(): what it sizes, then an expression of "size"; a length
};

struct Function {
    QStringView name;
    Shape shape;
    int least; // arguments
    int most;
};

constexpr Function Functions[] = {
    {u"calc", Shape::Same, 1, 1},
    {u"min", Shape::Same, 1, 1 << 20},
    {u"max", Shape::Same, 1, 1 << 20},
    {u"hypot", Shape::Same, 1, 1 << 20},
    {u"clamp", Shape::Clamp, 3, 3},
    {u"round", Shape::Round, 1, 3},
    {u"mod", Shape::Pair, 2, 2},
    {u"rem", Shape::Pair, 2, 2},
    {u"sin", Shape::Trig, 1, 1},
    {u"cos", Shape::Trig, 1, 1},
    {u"tan", Shape::Trig, 1, 1},
    {u"asin", Shape::Inverse, 1, 1},
    {u"acos", Shape::Inverse, 1, 1},
    {u"atan", Shape::Inverse, 1, 1},
    {u"atan2", Shape::Atan2, 2, 2},
    {u"pow", Shape::Numbers, 2, 2},
    {u"sqrt", Shape::Numbers, 1, 1},
    {u"exp", Shape::Numbers, 1, 1},
    {u"log", Shape::Numbers, 1, 2},
    {u"abs", Shape::Abs, 1, 1},
    {u"sign", Shape::Sign, 1, 1},
    {u"progress", Shape::Progress, 3, 3},
    {u"sibling-index", Shape::Count, 0, 0},
    {u"sibling-count", Shape::Count, 0, 0},
    {u"calc-size", Shape::Size, 2, 2},
};

const Function *functionNamed(QStringView name)
{
    const auto found = std::find_if(std::begin(Functions), std::end(Functions), [name](auto &f) {
        return CssTokenizer::equalsIgnoringAsciiCase(name, f.name);
    });
    return found == std::end(Functions) ? nullptr : found;
}

bool isWord(const ValueToken &t, QStringView word)
{
    return t.type == Token::Ident && CssTokenizer::equalsIgnoringAsciiCase(t.name, word);
}

bool isDelim(const ValueToken &t, char16_t c)
{
    return t.type == Token::Delim && t.name.size() == 1 && t.name.front() == c;
}

// One pass of recursive descent over the tokens of a function, the first fault kept.
class Reader {
public:
    Reader(const ValueTokens &tokens, Base percentAs)
        : m_tokens(tokens)
        , m_percentAs(percentAs)
    {
    }

    // The function at `at`.
    std::optional<Type> function(qsizetype at)
    {
        const ValueToken &f = m_tokens[at];
        const Function *const known = functionNamed(f.name);
        if (!known)
            return fail(Fault::Syntax, at);
        // The arguments: the ranges between the commas of the function's own block.
        std::vector<std::pair<qsizetype, qsizetype>> args;
        qsizetype from = at + 1;
        // Blocks within are stepped over, so that each token is looked at once a level.
        for (qsizetype i = at + 1; i < f.close; i = std::max(m_tokens[i].close, i) + 1) {
            if (m_tokens[i].type == Token::Comma) {
                args.emplace_back(from, i);
                from = i + 1;
            }
        }
        if (from < f.close || !args.empty())
            args.emplace_back(from, f.close);
        if (int(args.size()) < known->least)
            return fail(Fault::Ends, f.close);
        if (int(args.size()) > known->most)
            return fail(Fault::Syntax, args[std::size_t(known->most)].first - 1);
        switch (known->shape) {
        case Shape::Same:
        case Shape::Pair:
        case Shape::Abs:
            return same(args, 0);
        case Shape::Clamp:
            return same(args, 0, true);
        case Shape::Round: {
            auto first = args.front();
            static constexpr QStringView Strategies[] = {u"nearest", u"up", u"down", u"to-zero"};
            const bool strategy =
                first.second == first.first + 1 &&
                std::any_of(std::begin(Strategies), std::end(Strategies), [&](QStringView s) {
                    return isWord(m_tokens[first.first], s);
                });
            const std::size_t skip = strategy ? 1 : 0;
            if (args.size() - skip < 1 || args.size() - skip > 2)
                return fail(Fault::Ends, f.close);
            const std::optional<Type> type = same(args, skip);
            // Only a number may go without the step to round to.
            if (type && args.size() - skip == 1 && *type != Type())
                return fail(Fault::Ends, f.close);
            return type;
        }
        case Shape::Trig: {
            const std::optional<Type> type = same(args, 0);
            if (type && *type != Type() && *type != Type::of(Base::Angle))
                return fail(Fault::Types, args.front().first);
            return type ? std::optional(Type()) : std::nullopt;
        }
        case Shape::Inverse:
        case Shape::Numbers: {
            const std::optional<Type> type = same(args, 0);
            if (type && *type != Type())
                return fail(Fault::Types, args.front().first);
            if (!type)
                return {};
            return known->shape == Shape::Inverse ? Type::of(Base::Angle) : Type();
        }
        case Shape::Atan2:
            return same(args, 0) ? std::optional(Type::of(Base::Angle)) : std::nullopt;
        case Shape::Sign:
        case Shape::Progress:
            return same(args, 0) ? std::optional(Type()) : std::nullopt;
        case Shape::Count:
            return Type();
        case Shape::Size:
            // What it sizes and how are the sizing properties' own business; it only has
            // to hold together, which the value as a whole does.
            return Type::of(Base::Length);
        }
        return {};
    }

    [[nodiscard]] Fault fault() const { return m_fault; }
    [[nodiscard]] qsizetype faultAt() const { return m_faultAt; }

private:
    std::optional<Type> fail(Fault fault, qsizetype at)
    {
        if (m_fault == Fault::None) {
            m_fault = fault;
            m_faultAt = at;
        }
        return std::nullopt;
    }

    // Arguments from `first` on, each an expression of one type; `none` may stand for the
    // first and the last of three (clamp).
    std::optional<Type> same(const std::vector<std::pair<qsizetype, qsizetype>> &args,
                             std::size_t first, bool none = false)
    {
        std::optional<Type> common;
        for (std::size_t a = first; a < args.size(); ++a) {
            const auto [from, to] = args[a];
            if (none && a != 1 && to == from + 1 && isWord(m_tokens[from], u"none"))
                continue;
            const std::optional<Type> type = whole(from, to);
            if (!type)
                return {};
            if (common && *common != *type)
                return fail(Fault::Types, from);
            common = type;
        }
        return common ? common : std::optional(Type());
    }

    // An expression that takes all of [from, to).
    std::optional<Type> whole(qsizetype from, qsizetype to)
    {
        qsizetype i = from;
        const std::optional<Type> type = sum(i, to);
        // "1px -2px" and "1px+2px" are two numbers, the sign of the second one's own.
        if (type && i < to)
            return fail(m_tokens[i].isSigned ? Fault::Spacing : Fault::Syntax, i);
        return type;
    }

    std::optional<Type> sum(qsizetype &i, qsizetype end)
    {
        std::optional<Type> left = product(i, end);
        while (left && i < end && (isDelim(m_tokens[i], u'+') || isDelim(m_tokens[i], u'-'))) {
            const qsizetype op = i++;
            const bool spaced = m_tokens[op].begin > m_tokens[op - 1].end &&
                                (i >= end || m_tokens[i].begin > m_tokens[op].end);
            if (!spaced)
                return fail(Fault::Spacing, op);
            const std::optional<Type> right = product(i, end);
            if (!right)
                return {};
            if (*right != *left)
                return fail(Fault::Types, op);
        }
        return left;
    }

    std::optional<Type> product(qsizetype &i, qsizetype end)
    {
        std::optional<Type> left = value(i, end);
        while (left && i < end && (isDelim(m_tokens[i], u'*') || isDelim(m_tokens[i], u'/'))) {
            const int sign = isDelim(m_tokens[i++], u'*') ? 1 : -1;
            const std::optional<Type> right = value(i, end);
            if (!right)
                return {};
            for (std::size_t b = 0; b < left->powers.size(); ++b)
                left->powers[b] =
                    static_cast<signed char>(left->powers[b] + sign * right->powers[b]);
        }
        return left;
    }

    std::optional<Type> value(qsizetype &i, qsizetype end)
    {
        if (i >= end)
            return fail(Fault::Ends, i);
        const ValueToken &t = m_tokens[i];
        switch (t.type) {
        case Token::Number:
            ++i;
            return Type();
        case Token::Percentage:
            ++i;
            return Type::of(m_percentAs);
        case Token::Dimension: {
            // A flexible length (fr) is no length an expression can add to.
            const std::optional<Kind> kind = GrammarMatcher::dimensionOf(t.name);
            if (!kind || *kind == Kind::Flex)
                return fail(Fault::Syntax, i);
            ++i;
            return Type::of(*kind == Kind::Length      ? Base::Length
                            : *kind == Kind::Angle     ? Base::Angle
                            : *kind == Kind::Time      ? Base::Time
                            : *kind == Kind::Frequency ? Base::Frequency
                                                       : Base::Resolution);
        }
        case Token::Ident: {
            static constexpr QStringView Constants[] = {
                u"e", u"pi", u"infinity", u"-infinity", u"nan"};
            if (std::none_of(std::begin(Constants), std::end(Constants), [&t](QStringView c) {
                    return isWord(t, c);
                }))
                return fail(Fault::Syntax, i);
            ++i;
            return Type();
        }
        case Token::OpenParen:
        case Token::Function: {
            // Deeper than any expression is written, and the stack has room for it.
            if (m_depth >= MaxDepth)
                return fail(Fault::Syntax, i);
            ++m_depth;
            const std::optional<Type> inside =
                t.type == Token::Function ? function(i) : whole(i + 1, t.close);
            --m_depth;
            i = t.close + 1;
            return inside;
        }
        default:
            return fail(Fault::Syntax, i);
        }
    }

    static constexpr int MaxDepth = 64;

    const ValueTokens &m_tokens;
    const Base m_percentAs;
    int m_depth = 0;
    Fault m_fault = Fault::None;
    qsizetype m_faultAt = -1;
};

} // namespace

bool MathFunction::isMathFunction(QStringView name)
{
    return functionNamed(name) != nullptr;
}

MathFunction::Result MathFunction::read(const ValueTokens &tokens, qsizetype at, Base percentAs)
{
    Reader reader(tokens, percentAs);
    const std::optional<Type> type = reader.function(at);
    return type ? Result{*type, Fault::None, -1} : Result{{}, reader.fault(), reader.faultAt()};
}
