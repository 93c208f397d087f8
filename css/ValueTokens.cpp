#include "ValueTokens.h"

#include <algorithm>
#include <cmath>

namespace {

using Type = CssToken::Type;

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// A number as CSS writes it: sign, digits, fraction, exponent. Only the sign, zero, whole
// values and rough size matter to the grammar, so plain double arithmetic will do: digits
// past the eighteenth only scale, and the exponent is clamped, which still overflows to
// infinity or underflows to zero.
double numberValue(QStringView text)
{
    const auto at = [text](qsizetype i) { return i < text.size() ? text[i] : QChar(); };
    const bool negative = at(0) == u'-';
    qsizetype i = negative || at(0) == u'+' ? 1 : 0;
    double mantissa = 0;
    int scale = 0;
    const auto digit = [&mantissa, &scale](QChar c, bool fraction) {
        if (mantissa < 1e18) {
            mantissa = mantissa * 10 + (c.unicode() - u'0');
            scale -= fraction ? 1 : 0;
        } else {
            scale += fraction ? 0 : 1;
        }
    };
    for (; isDigit(at(i)); ++i)
        digit(at(i), false);
    if (at(i) == u'.') {
        for (++i; isDigit(at(i)); ++i)
            digit(at(i), true);
    }
    if (at(i) == u'e' || at(i) == u'E') {
        const int exponentSign = at(i + 1) == u'-' ? -1 : 1;
        i += at(i + 1) == u'-' || at(i + 1) == u'+' ? 2 : 1;
        int exponent = 0;
        for (; isDigit(at(i)); ++i)
            exponent = std::min(exponent * 10 + (at(i).unicode() - u'0'), 100000);
        scale += exponentSign * exponent;
    }
    const double value = mantissa * std::pow(10.0, std::clamp(scale, -100000, 100000));
    return negative ? -value : value;
}

bool isOpening(Type type)
{
    return type == Type::Function || type == Type::OpenParen || type == Type::OpenSquare ||
           type == Type::OpenCurly;
}

Type closingOf(Type opening)
{
    switch (opening) {
    case Type::OpenSquare:
        return Type::CloseSquare;
    case Type::OpenCurly:
        return Type::CloseCurly;
    default:
        return Type::CloseParen;
    }
}

bool isClosing(Type type)
{
    return type == Type::CloseParen || type == Type::CloseSquare || type == Type::CloseCurly;
}

} // namespace

ValueTokens::ValueTokens(QStringView value)
{
    CssTokenizer tokenizer(value);
    std::vector<qsizetype> parents; // each token's opening token, -1 at the top
    std::vector<qsizetype> open;
    m_straysBefore.push_back(0);
    for (CssToken token = tokenizer.next(); token.type != Type::End; token = tokenizer.next()) {
        if (token.type == Type::Whitespace)
            continue;
        if (token.type == Type::Comment) {
            if (token.unclosed)
                noteBreak(Css::Fault::UnclosedComment, token.begin, token.end);
            continue;
        }
        const qsizetype index = size();
        add(token, value);
        m_straysBefore.push_back(m_straysBefore.back());
        const Type type = token.type;
        if (isClosing(type) && !open.empty() &&
            closingOf(m_tokens[std::size_t(open.back())].type) == type) {
            m_tokens[std::size_t(open.back())].close = index;
            open.pop_back();
            parents.push_back(index); // a closing token ends its own block
            continue;
        }
        if (isClosing(type))
            ++m_straysBefore.back(); // a stray: those before the next index include it
        parents.push_back(open.empty() ? -1 : open.back());
        if (isOpening(type))
            open.push_back(index);
    }
    for (const qsizetype unclosed : open)
        m_tokens[std::size_t(unclosed)].close = size();
    for (qsizetype i = 0; i < size(); ++i) {
        const qsizetype parent = parents[std::size_t(i)];
        ValueToken &token = m_tokens[std::size_t(i)];
        token.blockEnd = parent == i  ? i
                         : parent < 0 ? size()
                                      : m_tokens[std::size_t(parent)].close;
    }
}

bool ValueTokens::isSubstitution(QStringView function)
{
    static constexpr QStringView Names[] = {u"var", u"env", u"attr", u"if"};
    return function.startsWith(u"--") ||
           std::any_of(std::begin(Names), std::end(Names), [function](QStringView name) {
               return CssTokenizer::equalsIgnoringAsciiCase(function, name);
           });
}

void ValueTokens::add(const CssToken &token, QStringView value)
{
    ValueToken t;
    t.type = token.type;
    t.isInteger = token.isInteger;
    t.begin = token.begin;
    t.end = token.end;
    const QStringView text = value.sliced(token.begin, token.size());
    switch (token.type) {
    case Type::Ident:
        t.name = read(text);
        break;
    case Type::Function:
        t.name = read(text.chopped(1));
        if (m_substitution < 0 && isSubstitution(t.name))
            m_substitution = size();
        break;
    case Type::Hash:
        t.name = read(text.sliced(1));
        break;
    case Type::Number:
        t.number = numberValue(text);
        t.isSigned = text.front() == u'+' || text.front() == u'-';
        break;
    case Type::Percentage:
        t.number = numberValue(text.chopped(1));
        t.isSigned = text.front() == u'+' || text.front() == u'-';
        break;
    case Type::Dimension:
        t.number = numberValue(text.first(token.unitAt - token.begin));
        t.isSigned = text.front() == u'+' || text.front() == u'-';
        t.name = read(text.sliced(token.unitAt - token.begin));
        break;
    case Type::String:
        if (token.unclosed)
            noteBreak(Css::Fault::UnclosedString, token.begin, token.end);
        t.name = text.sliced(1, text.size() - (token.unclosed ? 1 : 2));
        break;
    case Type::Delim:
        t.name = text;
        break;
    case Type::BadString:
        noteBreak(Css::Fault::BadString, token.begin, token.end);
        break;
    case Type::Url:
    case Type::BadUrl:
        if (token.unclosed)
            noteBreak(Css::Fault::UnclosedBracket, token.begin, token.end);
        else if (token.type == Type::BadUrl)
            noteBreak(Css::Fault::BadUrl, token.begin, token.end);
        break;
    default:
        break;
    }
    // A backslash that ends the value would escape whatever the rule writes after it.
    if (token.end == value.size() && token.type != Type::String &&
        CssTokenizer::escapesNext(text, text.size()))
        noteBreak(Css::Fault::StrayBackslash, token.end - 1, token.end);
    m_tokens.push_back(t);
}

void ValueTokens::noteBreak(Css::Fault kind, qsizetype begin, qsizetype end)
{
    if (m_break != Css::Fault::None)
        return;
    m_break = kind;
    m_breakBegin = begin;
    m_breakEnd = end;
}

QStringView ValueTokens::read(QStringView name)
{
    if (!name.contains(u'\\'))
        return name;
    m_unescaped.append(CssTokenizer::unescaped(name));
    return m_unescaped.constLast();
}
