#include "ValueGrammar.h"

#include "CompiledGrammar.h"
#include "CssTokenizer.h"
#include "GrammarMatcher.h"
#include "MathFunction.h"
#include "Property.h"
#include "TodayCss.h"
#include "ValueTokens.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>
#include <array>
#include <memory>
#include <mutex>
#include <optional>

using Kind = ValueVerdict::Kind;
using namespace Qt::StringLiterals;
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
    if (problems & P::MathSpacing)
        return QCoreApplication::translate("ValueGrammar",
                                           "+ a - ve výpočtu potřebují mezeru z obou stran");
    if (problems & P::MathTypes)
        return QCoreApplication::translate("ValueGrammar",
                                           "výpočet zde dává nebo sčítá jiný druh hodnoty");
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
        return grammar.knowsFunction(name) || MathFunction::isMathFunction(name)
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

namespace {

// A reason from the property table, marked there for translation.
QString translated(const char *text)
{
    return QCoreApplication::translate("ValueGrammar", text);
}

// A value as the grammars see it: outer white space and a final "!important" set apart,
// and what is decided before any grammar (an empty value, one that breaks the rule).
struct Prepared {
    explicit Prepared(QStringView value);
    [[nodiscard]] ValueVerdict verdict(Kind kind, qsizetype from, qsizetype to,
                                       const QString &why) const
    {
        return ValueVerdict{kind, first + from, to - from, why, {}};
    }
    // Valid whatever the grammar: a CSS-wide keyword alone, or a var() or another
    // substitution that holds together.
    [[nodiscard]] bool anyValue() const
    {
        return tokens->substitution() >= 0 || (end == 1 && (*tokens)[0].type == Type::Ident &&
                                               GrammarMatcher::isWideKeyword((*tokens)[0].name));
    }

    qsizetype first = 0;
    QStringView written;
    std::optional<ValueTokens> tokens;
    qsizetype end = 0; // the tokens before "!important"
    qsizetype begin = 0;
    qsizetype finish = 0;
    std::optional<ValueVerdict> decided;
};

Prepared::Prepared(QStringView value)
{
    qsizetype last = value.size();
    while (first < last && CssTokenizer::isWhitespace(value[first]))
        ++first;
    while (last > first && CssTokenizer::isWhitespace(value[last - 1]) &&
           !isEscaped(value, last - 1))
        --last;
    if (first == last) {
        decided.emplace();
        return;
    }
    written = value.sliced(first, last - first);
    const ValueTokens &t = tokens.emplace(written);
    if (t.breaks() != Css::Fault::None) {
        decided = verdict(Kind::Invalid, t.breakBegin(), t.breakEnd(), Css::faultText(t.breaks()));
        return;
    }
    if (t.isEmpty()) {
        decided = verdict(Kind::Invalid,
                          0,
                          written.size(),
                          QCoreApplication::translate("ValueGrammar", "chybí hodnota"));
        return;
    }
    end = t.size();
    if (end >= 2 && t[end - 1].type == Type::Ident &&
        CssTokenizer::equalsIgnoringAsciiCase(t[end - 1].name, u"important") &&
        t[end - 2].type == Type::Delim && t[end - 2].name == u"!" &&
        t[end - 2].blockEnd == t.size())
        end -= 2;
    if (end == 0) {
        decided =
            verdict(Kind::Invalid,
                    t[0].begin,
                    t[0].end,
                    QCoreApplication::translate("ValueGrammar", "chybí hodnota před !important"));
        return;
    }
    begin = t[0].begin;
    finish = t[end - 1].end;
    const qsizetype apart = t.substitution() >= 0 ? breaksTogether(t, end) : -1;
    if (apart >= 0)
        decided =
            t[apart].close >= t.size()
                ? verdict(
                      Kind::Invalid, finish, finish, Css::faultText(Css::Fault::UnclosedBracket))
                : verdict(Kind::Invalid,
                          t[apart].begin,
                          t[apart].end,
                          QCoreApplication::translate("ValueGrammar", "neočekávaný znak"));
}

// The level of CSS Cascade that brought each CSS-wide keyword but inherit.
struct WideKeyword {
    QStringView name;
    const char *module;
};
constexpr WideKeyword WideKeywords[] = {{u"initial", "CSS Cascade 3"},
                                        {u"unset", "CSS Cascade 3"},
                                        {u"revert", "CSS Cascade 4"},
                                        {u"revert-layer", "CSS Cascade 5"}};
// Where today's units and hexadecimal colours with alpha are defined.
constexpr char ValuesModule[] = "CSS Values 4";
constexpr char ColourModule[] = "CSS Color 4";
// The functions CSS 2.1 has.
constexpr QStringView Css21Functions[] = {u"url", u"attr", u"counter", u"counters", u"rect"};

// rgb( n , n , n ), the one colour function of CSS 2.1: numbers or percentages, commas.
bool isCss21Rgb(const ValueTokens &tokens, qsizetype at)
{
    const ValueToken &f = tokens[at];
    if (f.close != at + 6)
        return false;
    const Type kind = tokens[at + 1].type;
    for (qsizetype i = at + 1; i < f.close; ++i) {
        const bool comma = (i - at) % 2 == 0;
        if (comma ? tokens[i].type != Type::Comma
                  : tokens[i].type != kind || (kind != Type::Number && kind != Type::Percentage))
            return false;
    }
    return true;
}

// The module of what a token brings that CSS 2.1 does not have, or empty; `grammar` is
// the property's CSS 2.1 grammar, whose own keywords are CSS 2.1's.
QString laterModule(const ValueTokens &tokens, qsizetype at, const CompiledGrammar &grammar)
{
    const ValueToken &t = tokens[at];
    switch (t.type) {
    case Type::Function: {
        const QString name = CssTokenizer::asciiLower(t.name);
        if (std::find(std::begin(Css21Functions), std::end(Css21Functions), name) !=
                std::end(Css21Functions) ||
            (name == u"rgb" && isCss21Rgb(tokens, at)))
            return {};
        const QString module = TodayCss::instance().functionModule(name);
        return module.isEmpty() ? QString::fromLatin1(ValuesModule) : module;
    }
    case Type::Dimension: {
        static constexpr QStringView Css21Units[] = {
            u"deg", u"grad", u"rad", u"ms", u"s", u"hz", u"khz"};
        const bool old =
            GrammarMatcher::isCss21LengthUnit(t.name) ||
            std::any_of(std::begin(Css21Units), std::end(Css21Units), [&t](QStringView u) {
                return CssTokenizer::equalsIgnoringAsciiCase(t.name, u);
            });
        return old ? QString() : QString::fromLatin1(ValuesModule);
    }
    case Type::Hash:
        return t.name.size() == 4 || t.name.size() == 8 ? QString::fromLatin1(ColourModule)
                                                        : QString();
    case Type::Ident:
        if (grammar.hasColourNames() && GrammarMatcher::isColourName(t.name) &&
            !GrammarMatcher::isColourName(t.name, true) &&
            !grammar.knowsKeyword(CssTokenizer::asciiLower(t.name)))
            return QString::fromLatin1(ColourModule);
        return {};
    default:
        return {};
    }
}

// The module of a function that stands for text known only later.
QString substitutionModule(QStringView function)
{
    // An author's own function (@function) is the one such that the data has no entry for.
    return function.startsWith(u"--")
               ? QStringLiteral("CSS Mixins 1")
               : TodayCss::instance().functionModule(CssTokenizer::asciiLower(function));
}

// The first thing in the value that CSS 2.1 does not have, as a verdict: what it is,
// where, and its module; Valid when there is none.
ValueVerdict laterThanCss21(const Prepared &value, const CompiledGrammar &grammar)
{
    const ValueTokens &tokens = *value.tokens;
    if (value.end == 1 && tokens[0].type == Type::Ident) {
        for (const WideKeyword &wide : WideKeywords) {
            if (CssTokenizer::equalsIgnoringAsciiCase(tokens[0].name, wide.name))
                return value.verdict(
                    Kind::Later,
                    tokens[0].begin,
                    tokens[0].end,
                    QCoreApplication::translate("ValueGrammar", "hodnota z %1; CSS 2.1 ji nemá")
                        .arg(QLatin1StringView(wide.module)));
        }
    }
    for (qsizetype i = 0; i < value.end; ++i) {
        const QString module = laterModule(tokens, i, grammar);
        if (!module.isEmpty())
            return value.verdict(
                Kind::Later,
                tokens[i].begin,
                tokens[i].end,
                QCoreApplication::translate("ValueGrammar", "hodnota z %1; CSS 2.1 ji nemá")
                    .arg(module));
    }
    return {};
}

// Whether today's grammar of the property takes the value. A check that takes too long
// counts as taking it where no other grammar judges the value, as in CSS 2.1's; where CSS
// 2.1's has judged it, its verdict stands (a 1 MB list of shadows, each checked against
// every colour notation of today).
enum class WhenTooLong { Takes, Undecided };
bool todayAccepts(int today, const Prepared &value, WhenTooLong tooLong,
                  std::optional<GrammarMatcher> *failed = nullptr)
{
    const CompiledGrammar &grammar = TodayCss::instance().grammar(today);
    // Today's grammars are larger: two layers of background, seven tokens, took more than
    // the 1,472 visits CSS 2.1's grammars get for them. Where CSS 2.1's grammar has judged
    // the value already, fewer visits a token keep a 1 MB paste quick: a list of shadows
    // (bench_grammar) took 640 ms at 64 a token, 170 ms at 8.
    GrammarMatcher matcher(grammar,
                           *value.tokens,
                           value.end,
                           1 << 16,
                           tooLong == WhenTooLong::Takes ? GrammarMatcher::StepsPerToken : 8);
    const bool accepts = value.anyValue() || matcher.matches(grammar.root()) ||
                         (matcher.exhausted() && tooLong == WhenTooLong::Takes);
    if (failed && !accepts)
        failed->emplace(std::move(matcher));
    return accepts;
}

// The index in today's CSS of a catalogue property, found once; -1 for none.
int todayIndexOf(int property)
{
    static std::array<std::once_flag, PropertyCount> once;
    static std::array<int, PropertyCount> indices;
    const std::size_t i = std::size_t(property - 1);
    std::call_once(once[i], [property, i] {
        indices[i] = TodayCss::instance().indexOf(Property::at(property).name.toLower());
    });
    return indices[i];
}

// Whether what CSS 2.1 dropped (the property, or the value of one keyword) is back in
// today's CSS: in its grammar, and in some browser by the Baseline data. display: run-in is
// in today's grammar, but no browser has it.
bool backToday(int property, const Prepared &value, const CompiledGrammar &css21)
{
    const int today = todayIndexOf(property);
    if (today < 0)
        return false;
    QString key = TodayCss::instance().property(today).name;
    if (css21.root() >= 0) {
        const ValueToken &t = (*value.tokens)[0];
        if (value.end != 1 || t.type != Type::Ident)
            return false;
        key += u' ' + CssTokenizer::asciiLower(t.name);
    }
    return TodayCss::instance().isSupported(key) &&
           todayAccepts(today, value, WhenTooLong::Undecided);
}

// A value CSS 2.1 does not take but today's CSS does: the module of the token where CSS
// 2.1's grammar failed, or of the property.
ValueVerdict laterValue(int today, const Prepared &value, const CompiledGrammar &css21,
                        qsizetype failedAt)
{
    QString module;
    qsizetype from = value.begin;
    qsizetype to = value.finish;
    if (failedAt >= 0 && failedAt < value.end) {
        module = laterModule(*value.tokens, failedAt, css21);
        from = (*value.tokens)[failedAt].begin;
        to = (*value.tokens)[failedAt].end;
    }
    if (module.isEmpty())
        module = TodayCss::instance().property(today).module;
    return value.verdict(
        Kind::Later,
        from,
        to,
        QCoreApplication::translate("ValueGrammar", "hodnota z %1; CSS 2.1 ji nemá").arg(module));
}

ValueVerdict invalid(const Prepared &value, const GrammarMatcher &failed,
                     const CompiledGrammar &grammar)
{
    // A matcher that failed before reaching any token failed at the first one.
    const qsizetype at = std::max<qsizetype>(failed.furthest(), 0);
    const QString why = failureReason(failed, grammar, *value.tokens, value.end);
    const ValueTokens &tokens = *value.tokens;
    return at >= value.end ? value.verdict(Kind::Invalid, value.finish, value.finish, why)
                           : value.verdict(Kind::Invalid, tokens[at].begin, tokens[at].end, why);
}

// The verdict on a property of today's CSS that CSS 2.1 does not have.
ValueVerdict checkToday(int today, QStringView text)
{
    const Prepared value(text);
    if (value.decided)
        return *value.decided;
    std::optional<GrammarMatcher> failed;
    const TodayCss::Property &p = TodayCss::instance().property(today);
    if (todayAccepts(today, value, WhenTooLong::Takes, &failed))
        return value.verdict(
            Kind::Later,
            value.begin,
            value.finish,
            QCoreApplication::translate("ValueGrammar", "vlastnost z %1; CSS 2.1 ji nemá")
                .arg(p.module));
    return invalid(value, *failed, TodayCss::instance().grammar(today));
}

constexpr int PrefixBit = VendorPrefixedKey;

} // namespace

ValueVerdict checkValue(int property, QStringView text)
{
    Property::checkIndex(property);
    const Prepared value(text);
    if (value.decided)
        return *value.decided;
    const ValueTokens &tokens = *value.tokens;
    const Property &p = Property::at(property);
    const CompiledGrammar &grammar = grammarOf(property);
    const auto dropped = [&value](const ValueNote &note) {
        return value.verdict(note.kind == ValueNote::Kind::DroppedInCss21 ? Kind::DroppedInCss21
                                                                          : Kind::Invalid,
                             value.begin,
                             value.finish,
                             translated(note.reason));
    };
    if (value.anyValue()) { // as good as the property itself
        const qsizetype substitution = tokens.substitution();
        // content: attr(title) is CSS 2.1's own.
        if (grammar.root() >= 0 &&
            (substitution < 0 ||
             GrammarMatcher(grammar, tokens, value.end).matches(grammar.root())))
            return laterThanCss21(value, grammar);
        if (grammar.root() >= 0)
            return value.verdict(
                Kind::Later,
                value.begin,
                value.finish,
                QCoreApplication::translate("ValueGrammar", "hodnota z %1; CSS 2.1 ji nemá")
                    .arg(substitutionModule(tokens[substitution].name)));
        return backToday(property, value, grammar)
                   ? laterValue(todayIndexOf(property), value, grammar, -1)
                   : dropped(p.notes.front());
    }

    // A value whose check takes too long is not judged, as one with var() is not.
    std::optional<GrammarMatcher> failed;
    if (grammar.root() >= 0) {
        failed.emplace(grammar, tokens, value.end);
        if (failed->matches(grammar.root()) || failed->exhausted())
            return laterThanCss21(value, grammar);
    }
    for (std::size_t i = 0; i < grammar.noteRoots().size(); ++i) {
        GrammarMatcher matcher(grammar, tokens, value.end);
        if (matcher.matches(grammar.noteRoots()[i]) || matcher.exhausted()) {
            // What CSS 2.1 dropped and today's CSS has again is today's.
            const ValueNote &note = p.notes[qsizetype(i)];
            if (note.kind == ValueNote::Kind::DroppedInCss21 && backToday(property, value, grammar))
                return laterValue(todayIndexOf(property), value, grammar, -1);
            return dropped(note);
        }
        if (!failed)
            failed.emplace(std::move(matcher));
    }
    // What CSS 2.1 does not take, today's grammar may; the reason for what neither takes
    // is CSS 2.1's, whose grammar is the catalogue's.
    const int today = todayIndexOf(property);
    if (today >= 0 && todayAccepts(today, value, WhenTooLong::Undecided))
        return laterValue(today, value, grammar, failed->furthest());
    return invalid(value, *failed, grammar);
}

int declarationKey(QStringView name)
{
    if (name.startsWith(u"--"))
        return 0;
    const QString lower = CssTokenizer::asciiLower(name);
    if (const int property = Property::indexOf(lower); property > 0)
        return property;
    const TodayCss &today = TodayCss::instance();
    if (const int index = today.indexOf(lower); index >= 0)
        return (lower.startsWith(u'-') ? PrefixBit : 0) | (PropertyCount + 1 + index);
    // A vendor's prefix, "-webkit-" or "-moz-": the property without it.
    const qsizetype dash = lower.startsWith(u'-') ? lower.indexOf(u'-', 1) : -1;
    const bool letters = dash > 1 && std::all_of(lower.begin() + 1,
                                                 lower.begin() + dash,
                                                 [](QChar c) { return c >= u'a' && c <= u'z'; });
    if (letters) {
        const QStringView bare = QStringView(lower).sliced(dash + 1);
        if (const int property = Property::indexOf(bare); property > 0)
            return PrefixBit | property;
        if (const int index = today.indexOf(bare); index >= 0)
            return PrefixBit | (PropertyCount + 1 + index);
        return 0; // a browser's own property, which no CSS module defines
    }
    return UnknownPropertyKey;
}

ValueVerdict checkDeclaration(int key, QStringView value)
{
    if (key == 0)
        return {};
    if (key == UnknownPropertyKey)
        return {Kind::Invalid,
                -1,
                0,
                QCoreApplication::translate("ValueGrammar", "neznámá vlastnost"),
                {}};
    const int property = key & ~PrefixBit;
    ValueVerdict verdict = property <= PropertyCount
                               ? checkValue(property, value)
                               : checkToday(property - PropertyCount - 1, value);
    if ((key & PrefixBit) && verdict.kind != Kind::Invalid) {
        const QString prefixNote = QCoreApplication::translate(
            "ValueGrammar", "předpona patří jen prohlížeči, který ji zavedl");
        verdict.kind = verdict.kind == Kind::Valid ? Kind::Later : verdict.kind;
        verdict.reason =
            verdict.reason.isEmpty() ? prefixNote : verdict.reason + u"; "_s + prefixNote;
    }
    return verdict;
}

bool isKeywordOf(int property, QStringView name)
{
    Property::checkIndex(property);
    return grammarOf(property).knowsKeyword(CssTokenizer::asciiLower(name));
}

namespace {

// Whether a node of one of these kinds can be reached from the grammar's root without
// entering a function.
bool reaches(const CompiledGrammar &grammar, std::initializer_list<GrammarNode::Kind> kinds)
{
    std::vector<int> due{grammar.root()};
    QSet<int> seen;
    while (!due.empty()) {
        const int at = due.back();
        due.pop_back();
        if (at < 0 || seen.contains(at))
            continue;
        seen.insert(at);
        const GrammarNode &node = grammar.node(at);
        if (std::find(kinds.begin(), kinds.end(), node.kind) != kinds.end())
            return true;
        if (node.kind != GrammarNode::Kind::Function)
            due.insert(due.end(), node.children.begin(), node.children.end());
    }
    return false;
}

// What the property's grammar takes, found once: a page change asks for ten of them.
struct Takes {
    bool colour = false;
    bool number = false;
};

const Takes &takes(int property)
{
    using K = GrammarNode::Kind;
    Property::checkIndex(property);
    static std::array<std::once_flag, PropertyCount> once;
    static std::array<Takes, PropertyCount> found;
    const std::size_t i = std::size_t(property - 1);
    std::call_once(once[i], [property, i] {
        const CompiledGrammar &grammar = grammarOf(property);
        found[i].colour = grammar.hasColourNames(); // <color> takes names and #rgb alike
        found[i].number = reaches(grammar,
                                  {K::Integer,
                                   K::Length,
                                   K::Percentage,
                                   K::Number,
                                   K::WholeNumber,
                                   K::Angle,
                                   K::Time,
                                   K::Frequency});
    });
    return found[i];
}

} // namespace

bool takesColour(int property)
{
    return takes(property).colour;
}

bool takesNumber(int property)
{
    return takes(property).number;
}
