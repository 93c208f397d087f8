#include "RuleWriter.h"

#include "CssTokenizer.h"
#include "DeclarationCheck.h"
#include "Keywords.h"
#include "Longhands.h"
#include "RuleOrder.h"
#include "TextNormal.h"
#include "ValueGrammar.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

using Type = CssToken::Type;

bool hasLineBreak(QStringView text)
{
    return text.contains(u'\n') || text.contains(u'\r') || text.contains(u'\f');
}

// Spaces trimmed at both ends, but for one that a backslash escapes: without it the
// backslash would escape the ";" or line break written next.
QString trimmedWritten(const QString &out)
{
    QString trimmed = trimSpaces(out);
    if (trimmed.size() < out.size() && CssTokenizer::escapesNext(trimmed, trimmed.size()))
        trimmed += u' ';
    return trimmed;
}

QStringView slice(const QString &text, const CssToken &token)
{
    return QStringView(text).sliced(token.begin, token.size());
}

} // namespace

QString valueText(int property, const QString &value)
{
    // Names of counters, counter styles and pages match as written; the properties'
    // keywords do not.
    static const QList<int> namesKeepCase{Property::indexOf(u"content"),
                                          Property::indexOf(u"counter-increment"),
                                          Property::indexOf(u"counter-reset"),
                                          Property::indexOf(u"list-style"),
                                          Property::indexOf(u"list-style-type"),
                                          Property::indexOf(u"page")};
    const bool keepsNames = namesKeepCase.contains(property);
    QString out;
    out.reserve(value.size());
    CssTokenizer tokens(value);
    int asWritten = 0; // the depth inside a var(), which is written as it stands
    for (CssToken token = tokens.next(); token.type != Type::End; token = tokens.next()) {
        const QStringView raw = slice(value, token);
        if (asWritten > 0) {
            asWritten += token.type == Type::Function || token.type == Type::OpenParen ? 1
                         : token.type == Type::CloseParen                              ? -1
                                                                                       : 0;
            out += token.type == Type::Whitespace && hasLineBreak(raw)
                       ? u" "_s
                       : CssTokenizer::oneLine(token, raw);
        } else if (token.type == Type::Whitespace && hasLineBreak(raw)) {
            out += u' ';
        } else if (token.type == Type::String || token.type == Type::BadString) {
            out += CssTokenizer::oneLine(token, raw);
        } else if (token.type == Type::Url || token.type == Type::BadUrl) {
            const qsizetype address = raw.indexOf(u'(') + 1; // "URL(" is url(
            out += CssTokenizer::asciiLower(raw.first(address));
            out += CssTokenizer::oneLine(token, raw.sliced(address));
        } else if (token.type == Type::Function &&
                   CssTokenizer::equalsIgnoringAsciiCase(CssTokenizer::unescaped(raw.chopped(1)),
                                                         u"var")) {
            asWritten = 1;
            out += CssTokenizer::asciiLower(raw.chopped(1)) + u'(';
        } else if (token.type == Type::Ident && keepsNames &&
                   !isKeywordOf(property, CssTokenizer::unescaped(raw)) &&
                   !keywords::cssWide().contains(CssTokenizer::unescaped(raw),
                                                 Qt::CaseInsensitive)) {
            out += raw;
        } else {
            out += CssTokenizer::asciiLower(CssTokenizer::oneLine(token, raw));
        }
    }
    return trimmedWritten(out);
}

namespace {

// Functional pseudo-classes whose arguments are selectors, with element names of their own.
bool takesSelectors(QStringView function)
{
    static constexpr QStringView Names[] = {u"is",
                                            u"not",
                                            u"where",
                                            u"has",
                                            u"matches",
                                            u"host",
                                            u"host-context",
                                            u"slotted",
                                            u"-webkit-any",
                                            u"-moz-any",
                                            u"current",
                                            u"past",
                                            u"future",
                                            u"cue"};
    return std::any_of(std::begin(Names), std::end(Names), [function](QStringView name) {
        return CssTokenizer::equalsIgnoringAsciiCase(function, name);
    });
}

} // namespace

QString selectorText(const QString &selector)
{
    QString out;
    out.reserve(selector.size());
    CssTokenizer tokens(selector);
    // For each open bracket, whether what is inside is selectors; at the top it is.
    QList<bool> selectors{true};
    bool compoundStart = true; // a name here is an element's
    for (CssToken token = tokens.next(); token.type != Type::End; token = tokens.next()) {
        const QStringView raw = slice(selector, token);
        const bool inSelectors = selectors.last();
        bool start = false;
        QString written = CssTokenizer::oneLine(token, raw);
        switch (token.type) {
        case Type::Whitespace:
            if (hasLineBreak(raw))
                written = u" "_s;
            start = true;
            break;
        case Type::Comment:
            start = compoundStart;
            break;
        case Type::Function:
            selectors.append(inSelectors &&
                             takesSelectors(CssTokenizer::unescaped(raw.chopped(1))));
            start = selectors.last();
            break;
        case Type::OpenParen:
        case Type::OpenSquare:
            selectors.append(false);
            break;
        case Type::CloseParen:
        case Type::CloseSquare:
            if (selectors.size() > 1)
                selectors.removeLast();
            break;
        case Type::Comma:
            start = true;
            break;
        case Type::Delim:
            // Combinators start a compound; so does a namespace's "|", before the element.
            start = raw == u">" || raw == u"+" || raw == u"~" || raw == u"|";
            break;
        case Type::Ident: {
            // An element name, unless a namespace prefix ("svg|a") comes first.
            CssTokenizer ahead = tokens;
            const CssToken next = ahead.next();
            const bool prefix = next.type == Type::Delim && slice(selector, next) == u"|";
            if (inSelectors && compoundStart && !prefix)
                written = CssTokenizer::asciiLower(written);
            start = prefix && compoundStart;
            break;
        }
        default:
            break;
        }
        out += written;
        compoundStart = start && selectors.last();
    }
    return trimmedWritten(out);
}

QString declaration(int index, bool onlyChanged, const PropertyValues &values)
{
    const QString &value = values.value(index);
    if (!values.isIncluded(index) || trimSpaces(value).isEmpty() ||
        (onlyChanged && sameLowerTrimmed(value, Property::at(index).defaultValue)))
        return {};
    return Property::at(index).name.toLower() + u": "_s + valueText(index, value) + u';';
}

namespace {

// A kept piece as a line: with a ";" after it, but for a nested rule, which its "}" ends.
// A comment gets one too: read again, it is a piece of its own, not the start of the next.
QString keptLine(const QString &piece)
{
    return piece.endsWith(u'}') ? piece : piece + u';';
}

} // namespace

RuleLines::RuleLines() = default;

void RuleLines::update(const RuleState &state)
{
    const bool all = !m_made || state.onlyChanged != m_onlyChanged;
    bool reorder = all;
    if (all || !isSharedText(state.selector, m_selectorFrom)) {
        m_selectorFrom = state.selector;
        m_selector = selectorText(state.selector);
    }
    const PropertyValues &values = state.values;
    for (const int i : Property::indices()) {
        const std::size_t at = std::size_t(i - 1);
        const QString &value = values.value(i);
        const bool changed =
            all || !isSharedText(value, m_values[at]) || values.isIncluded(i) != m_included[at];
        if (changed) {
            m_values[at] = value;
            m_included[at] = values.isIncluded(i);
            const bool wasWritten = !m_declarations[at].isNull();
            m_declarations[at] = declaration(i, state.onlyChanged, values);
            reorder = reorder || wasWritten == m_declarations[at].isNull();
        }
        if (changed || state.ranks[at] != m_ranks[at]) {
            m_ranks[at] = state.ranks[at];
            // What the line sets, for the lines read in an order that decides; a line set in
            // the window goes after those. An invalid line read sets nothing; one typed is
            // not judged here (a keystroke in a 1 MB value would be judged twice), as its
            // place is harmless either way.
            Facts facts;
            const QString name = Property::at(i).name.toLower();
            if (!m_declarations[at].isNull()) {
                facts.important = CssTokenizer::endsImportant(value);
                if (m_ranks[at] == 0 || browserAccepts(name, value))
                    facts.longhands = longhands::of(name);
            }
            reorder = reorder || facts.important != m_facts[at].important ||
                      facts.longhands != m_facts[at].longhands;
            m_facts[at] = facts;
        }
    }
    if (all || state.kept != m_keptFrom) {
        m_keptFrom = state.kept;
        m_kept.clear();
        m_keptFacts.clear();
        for (const KeptPiece &kept : std::as_const(m_keptFrom)) {
            m_kept += keptLine(kept.text);
            m_keptFacts += Facts{kept.important, kept.longhands};
        }
        reorder = true;
    }
    if (reorder)
        order();
    m_onlyChanged = state.onlyChanged;
    m_made = true;
}

// The catalogue's declarations in its order, each property's fallbacks beside its line
// (those read before it, it, those read after it), then the other kept pieces; then the
// lines that must keep their read order moved as little as that takes.
void RuleLines::order()
{
    QList<Line> base;
    QList<OrderedLine> facts;
    const auto add = [&](const Line &line, int rank, const Facts &of) {
        base.append(line);
        facts.append({rank, of.important, of.longhands});
    };
    QList<QList<qsizetype>> fallbacks(PropertyCount + 1);
    bool hasFallbacks = false;
    for (qsizetype k = 0; k < m_keptFrom.size(); ++k) {
        const int of = m_keptFrom[k].fallbackOf;
        if (of >= 1 && of <= PropertyCount) {
            fallbacks[of] += k;
            hasFallbacks = true;
        }
    }
    for (const int i : Property::indices()) {
        const std::size_t at = std::size_t(i - 1);
        const int rank = m_ranks[at];
        for (const bool beforeLine : {true, false}) {
            for (const qsizetype k : std::as_const(fallbacks[i])) {
                const int keptRank = m_keptFrom[k].rank;
                if ((rank > 0 && keptRank < rank) == beforeLine)
                    add({0, k}, keptRank, m_keptFacts[k]);
            }
            if (beforeLine && !m_declarations[at].isNull())
                add({i, -1}, rank, m_facts[at]);
        }
    }
    for (qsizetype k = 0; k < m_keptFrom.size(); ++k) {
        if (m_keptFrom[k].fallbackOf == 0)
            add({0, k}, m_keptFrom[k].rank, m_keptFacts[k]);
    }
    const QList<qsizetype> moved = writtenOrder(facts);
    m_reordered = !moved.isEmpty();
    m_plain = !hasFallbacks && !m_reordered;
    if (!m_reordered) {
        m_written = base;
        return;
    }
    m_written.clear();
    for (const qsizetype at : moved)
        m_written.append(base[at]);
}

RuleLines RuleLines::of(const RuleState &state)
{
    RuleLines lines;
    lines.update(state);
    return lines;
}

QStringList RuleLines::all() const
{
    QStringList lines;
    lines.reserve(m_written.size());
    for (const Line &line : m_written)
        lines +=
            line.property > 0 ? m_declarations[std::size_t(line.property - 1)] : m_kept[line.kept];
    return lines;
}

QString RuleLines::text() const
{
    static constexpr QStringView lineBreak = u"\r\n";
    QString text = m_selector;
    text += lineBreak;
    text += u"  {";
    for (const QString &line : all()) {
        text += lineBreak;
        text += u"  ";
        text += line;
    }
    text += lineBreak;
    text += u"  }";
    return text;
}

QString ruleText(const RuleState &state)
{
    return RuleLines::of(state).text();
}

QString declarationText(const RuleState &state)
{
    return RuleLines::of(state).all().join(u"\r\n"_s);
}

QString styleAttribute(const RuleState &state)
{
    QStringList parts = RuleLines::of(state).all();
    for (QString &part : parts) {
        if (part.endsWith(u';'))
            part.chop(1); // the ";" that ends a line; between parts it is written again
        part.replace(u'&', u"&amp;"_s).replace(u'"', u"&quot;"_s);
    }
    return u"style=\""_s + parts.join(u"; "_s) + u'"';
}
