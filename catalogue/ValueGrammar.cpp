#include "ValueGrammar.h"

#include "CompiledGrammar.h"
#include "CssTokenizer.h"
#include "GrammarMatcher.h"
#include "Property.h"
#include "ValueTokens.h"

#include <QCoreApplication>

#include <array>
#include <memory>
#include <mutex>
#include <optional>

using Kind = ValueVerdict::Kind;
using Type = CssToken::Type;

namespace {

// A space or tab after an odd run of backslashes belongs to the name before it, "a\\ ";
// a line break cannot be escaped so.
bool isEscaped(QStringView value, qsizetype at)
{
    return (value[at] == u' ' || value[at] == u'\t') && CssTokenizer::escapesNext(value, at);
}

// The grammar of the property with this index, compiled on first use, so that start-up
// pays for none of the 102.
const CompiledGrammar &grammarOf(int property)
{
    static std::array<std::once_flag, PropertyCount> once;
    static std::array<std::unique_ptr<CompiledGrammar>, PropertyCount> grammars;
    const std::size_t i = std::size_t(property - 1);
    std::call_once(once[i], [property, i] {
        const Property &p = Property::at(property);
        QStringList notes;
        for (const ValueNote &note : p.notes)
            notes += note.grammar;
        const auto references = [](QStringView name) {
            const int index = Property::indexOf(name);
            return index == 0 ? QString() : Property::at(index).grammar;
        };
        grammars[i] = std::make_unique<CompiledGrammar>(p.grammar, notes, references, p.name);
    });
    return *grammars[i];
}

bool isPunctuation(Type type)
{
    return type != Type::Ident && type != Type::Function && type != Type::Hash &&
           type != Type::String && type != Type::Url && type != Type::Number &&
           type != Type::Percentage && type != Type::Dimension;
}

// A var() stands for tokens not known yet, so CSS only asks that the value hold together:
// every block closed, nothing closed that was not opened, no ";" or "!" outside them. The
// first token that breaks this, or -1.
qsizetype breaksTogether(const ValueTokens &tokens, qsizetype end)
{
    for (qsizetype i = 0; i < end; ++i) {
        const ValueToken &t = tokens[i];
        const bool atTop = t.blockEnd >= tokens.size();
        if (t.close >= tokens.size() || tokens.straysWithin(i, i + 1) > 0 ||
            (atTop && (t.type == Type::Semicolon || (t.type == Type::Delim && t.name == u"!"))))
            return i;
    }
    return -1;
}

// The most telling of the problems where matching got furthest.
QString failureReason(const GrammarMatcher &m, const CompiledGrammar &grammar,
                      const ValueTokens &tokens, qsizetype end)
{
    using P = GrammarMatcher::Problem;
    const unsigned problems = m.problems();
    if (problems & P::OutOfRange) {
        if (m.belowRange() && m.brokenBound() == 0)
            return QCoreApplication::translate("ValueGrammar", "záporná hodnota není dovolena");
        return (m.belowRange()
                    ? QCoreApplication::translate("ValueGrammar", "hodnota musí být nejméně %1")
                    : QCoreApplication::translate("ValueGrammar", "hodnota smí být nejvýše %1"))
            .arg(m.brokenBound());
    }
    if (problems & P::MissingUnit)
        return QCoreApplication::translate("ValueGrammar", "chybí jednotka délky");
    if (problems & P::WrongUnit)
        return QCoreApplication::translate("ValueGrammar", "neplatná jednotka");
    if (problems & P::NotInteger)
        return QCoreApplication::translate("ValueGrammar", "očekává se celé číslo");
    if (problems & P::BadHexColour)
        return QCoreApplication::translate("ValueGrammar", "neplatná barva");
    if (problems & P::MissingParen)
        return Css::faultText(Css::Fault::UnclosedBracket);
    if (m.furthest() >= end || m.furthest() < 0)
        return QCoreApplication::translate("ValueGrammar", "neočekávaný konec hodnoty");
    if (problems & P::EndOfBlock)
        return QCoreApplication::translate("ValueGrammar", "funkci chybí argument");
    if (problems & P::NeedsComma)
        return QCoreApplication::translate("ValueGrammar", "chybí čárka");
    if (problems & P::NeedsSlash)
        return QCoreApplication::translate("ValueGrammar", "chybí lomítko");
    const ValueToken &token = tokens[m.furthest()];
    if (token.type == Type::Function) {
        const QString name = CssTokenizer::asciiLower(token.name);
        return grammar.knowsFunction(name) || GrammarMatcher::isMathFunction(name)
                   ? QCoreApplication::translate("ValueGrammar", "funkce zde není dovolena")
                   : QCoreApplication::translate("ValueGrammar", "neznámá funkce");
    }
    if (token.type == Type::Ident) {
        if (GrammarMatcher::isWideKeyword(token.name))
            return QCoreApplication::translate("ValueGrammar", "klíčové slovo %1 smí stát jen samo")
                .arg(token.name);
        const bool known = grammar.knowsKeyword(CssTokenizer::asciiLower(token.name)) ||
                           (grammar.hasColourNames() && GrammarMatcher::isColourName(token.name));
        if (known)
            return problems & P::Surplus
                       ? QCoreApplication::translate("ValueGrammar", "přebývající hodnota")
                       : QCoreApplication::translate("ValueGrammar",
                                                     "klíčové slovo zde není dovoleno");
        if (!(problems & P::BadColourName))
            return QCoreApplication::translate("ValueGrammar", "neznámé klíčové slovo");
        return problems & P::BadKeyword
                   ? QCoreApplication::translate("ValueGrammar", "neznámé klíčové slovo ani barva")
                   : QCoreApplication::translate("ValueGrammar", "neznámá barva");
    }
    if (isPunctuation(token.type))
        return QCoreApplication::translate("ValueGrammar", "neočekávaný znak");
    if (problems & P::BadNumber)
        return QCoreApplication::translate("ValueGrammar", "toto číslo zde není dovoleno");
    if (problems & P::Surplus)
        return QCoreApplication::translate("ValueGrammar", "přebývající hodnota");
    switch (token.type) {
    case Type::Number:
    case Type::Percentage:
    case Type::Dimension:
        return QCoreApplication::translate("ValueGrammar", "číslo zde není dovoleno");
    case Type::String:
        return QCoreApplication::translate("ValueGrammar", "řetězec zde není dovolen");
    case Type::Url:
        return QCoreApplication::translate("ValueGrammar", "adresa zde není dovolena");
    case Type::Hash:
        return QCoreApplication::translate("ValueGrammar", "barva zde není dovolena");
    default:
        return QCoreApplication::translate("ValueGrammar", "neočekávaný znak");
    }
}

} // namespace

ValueVerdict checkValue(int property, QStringView value)
{
    Property::checkIndex(property);
    qsizetype first = 0;
    qsizetype last = value.size();
    while (first < last && CssTokenizer::isWhitespace(value[first]))
        ++first;
    while (last > first && CssTokenizer::isWhitespace(value[last - 1]) &&
           !isEscaped(value, last - 1))
        --last;
    if (first == last)
        return {};
    const QStringView written = value.sliced(first, last - first);
    const ValueTokens tokens(written);
    const auto verdict = [first](Kind kind, qsizetype begin, qsizetype end, const QString &why) {
        return ValueVerdict{kind, first + begin, end - begin, why};
    };
    if (tokens.breaks() != Css::Fault::None)
        return verdict(
            Kind::Invalid, tokens.breakBegin(), tokens.breakEnd(), Css::faultText(tokens.breaks()));
    if (tokens.isEmpty())
        return verdict(Kind::Invalid,
                       0,
                       written.size(),
                       QCoreApplication::translate("ValueGrammar", "chybí hodnota"));

    qsizetype end = tokens.size();
    const auto atTop = [&tokens](qsizetype i) { return tokens[i].blockEnd == tokens.size(); };
    if (end >= 2 && tokens[end - 1].type == Type::Ident &&
        CssTokenizer::equalsIgnoringAsciiCase(tokens[end - 1].name, u"important") &&
        tokens[end - 2].type == Type::Delim && tokens[end - 2].name == u"!" && atTop(end - 2))
        end -= 2;
    if (end == 0)
        return verdict(
            Kind::Invalid,
            tokens[0].begin,
            tokens[0].end,
            QCoreApplication::translate("ValueGrammar", "chybí hodnota před !important"));
    const qsizetype begin = tokens[0].begin;
    const qsizetype finish = tokens[end - 1].end;

    const Property &p = Property::at(property);
    const CompiledGrammar &grammar = grammarOf(property);
    const qsizetype apart = tokens.hasVariable() ? breaksTogether(tokens, end) : -1;
    if (apart >= 0) {
        const ValueToken &t = tokens[apart];
        return t.close >= tokens.size()
                   ? verdict(
                         Kind::Invalid, finish, finish, Css::faultText(Css::Fault::UnclosedBracket))
                   : verdict(Kind::Invalid,
                             t.begin,
                             t.end,
                             QCoreApplication::translate("ValueGrammar", "neočekávaný znak"));
    }
    const bool anyValue = tokens.hasVariable() || (end == 1 && tokens[0].type == Type::Ident &&
                                                   GrammarMatcher::isWideKeyword(tokens[0].name));
    if (anyValue) // as good as the property itself: no CSS after 2 has some
        return grammar.root() >= 0
                   ? ValueVerdict{}
                   : verdict(Kind::DroppedInCss21,
                             begin,
                             finish,
                             QCoreApplication::translate("ValueGrammar", p.notes.front().reason));

    // A value whose check takes too long is not judged, as one with var() is not.
    std::optional<GrammarMatcher> failed;
    if (grammar.root() >= 0) {
        failed.emplace(grammar, tokens, end);
        if (failed->matches(grammar.root()) || failed->exhausted())
            return {};
    }
    for (std::size_t i = 0; i < grammar.noteRoots().size(); ++i) {
        GrammarMatcher matcher(grammar, tokens, end);
        if (matcher.matches(grammar.noteRoots()[i]) || matcher.exhausted()) {
            const ValueNote &note = p.notes[qsizetype(i)];
            return verdict(note.kind == ValueNote::Kind::DroppedInCss21 ? Kind::DroppedInCss21
                                                                        : Kind::Invalid,
                           begin,
                           finish,
                           QCoreApplication::translate("ValueGrammar", note.reason));
        }
        if (!failed)
            failed.emplace(std::move(matcher));
    }
    const qsizetype at = failed->furthest();
    const QString why = failureReason(*failed, grammar, tokens, end);
    return at >= end ? verdict(Kind::Invalid, finish, finish, why)
                     : verdict(Kind::Invalid, tokens[at].begin, tokens[at].end, why);
}

bool isKeywordOf(int property, QStringView name)
{
    Property::checkIndex(property);
    return grammarOf(property).knowsKeyword(CssTokenizer::asciiLower(name));
}
