#include "RuleWriter.h"

#include "CssTokenizer.h"
#include "RuleState.h"
#include "TextNormal.h"

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

QString valueText(const QString &value)
{
    QString out;
    out.reserve(value.size());
    CssTokenizer tokens(value);
    for (CssToken token = tokens.next(); token.type != Type::End; token = tokens.next()) {
        const QStringView raw = slice(value, token);
        if (token.type == Type::Whitespace && hasLineBreak(raw)) {
            out += u' ';
        } else if (token.type == Type::String || token.type == Type::BadString) {
            out += CssTokenizer::oneLine(token, raw);
        } else if (token.type == Type::Url || token.type == Type::BadUrl) {
            const qsizetype address = raw.indexOf(u'(') + 1; // "URL(" is url(
            out += raw.first(address).toString().toLower();
            out += CssTokenizer::oneLine(token, raw.sliced(address));
        } else {
            out += CssTokenizer::oneLine(token, raw).toLower();
        }
    }
    return trimmedWritten(out);
}

QString selectorText(const QString &selector)
{
    QString out;
    out.reserve(selector.size());
    CssTokenizer tokens(selector);
    CssToken before;         // the token just before
    QStringView significant; // the last token that is no white space or comment
    for (CssToken token = tokens.next(); token.type != Type::End; token = tokens.next()) {
        const QStringView raw = slice(selector, token);
        // Class names, IDs, strings and attribute values ([lang|=EN]) match as written.
        const bool keep = token.type == Type::Hash || token.type == Type::String ||
                          token.type == Type::BadString ||
                          (token.type == Type::Ident &&
                           ((before.type == Type::Delim && slice(selector, before) == u".") ||
                            significant == u"="));
        if (token.type == Type::Whitespace && hasLineBreak(raw))
            out += u' ';
        else
            out += keep ? CssTokenizer::oneLine(token, raw)
                        : CssTokenizer::oneLine(token, raw).toLower();
        before = token;
        if (token.type != Type::Whitespace && token.type != Type::Comment)
            significant = raw;
    }
    return trimmedWritten(out);
}

QString declaration(int index, bool onlyChanged, const PropertyValues &values)
{
    const QString &value = values.value(index);
    if (!values.isIncluded(index) || trimSpaces(value).isEmpty() ||
        (onlyChanged && sameLowerTrimmed(value, Property::at(index).defaultValue)))
        return {};
    return Property::at(index).name.toLower() + u": "_s + valueText(value) + u';';
}

void RuleLines::update(const RuleState &state)
{
    const bool all = !m_made || state.onlyChanged != m_onlyChanged;
    if (all || !isSharedText(state.selector, m_selectorFrom)) {
        m_selectorFrom = state.selector;
        m_selector = selectorText(state.selector);
    }
    const PropertyValues &values = state.values;
    for (const int i : Property::indices()) {
        const std::size_t at = std::size_t(i - 1);
        const QString &value = values.value(i);
        if (all || !isSharedText(value, m_values[at]) || values.isIncluded(i) != m_included[at]) {
            m_values[at] = value;
            m_included[at] = values.isIncluded(i);
            m_declarations[at] = declaration(i, state.onlyChanged, values);
        }
    }
    if (all || state.kept != m_keptFrom) {
        m_keptFrom = state.kept;
        m_kept.clear();
        for (const QString &kept : m_keptFrom)
            m_kept += kept + u';';
    }
    m_onlyChanged = state.onlyChanged;
    m_made = true;
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
    for (const QString &line : m_declarations) {
        if (!line.isNull())
            lines += line;
    }
    return lines + m_kept;
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
        part.chop(1); // the ";" that ends a line; between parts it is written again
        part.replace(u'&', u"&amp;"_s).replace(u'"', u"&quot;"_s);
    }
    return u"style=\""_s + parts.join(u"; "_s) + u'"';
}
