#include "RuleContext.h"

#include "CssTokenizer.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

using Type = CssToken::Type;

namespace {

bool isOneOf(QStringView word, std::initializer_list<QStringView> words)
{
    return std::find(words.begin(), words.end(), word) != words.end();
}

// HTML's elements by what a browser's own style sheet makes them.
bool isReplaced(QStringView e)
{
    return isOneOf(e,
                   {u"img",
                    u"input",
                    u"select",
                    u"textarea",
                    u"button",
                    u"video",
                    u"audio",
                    u"canvas",
                    u"iframe",
                    u"embed",
                    u"object"});
}

// The display a browser gives the element, or empty for one the program does not know.
QString defaultDisplay(QStringView e)
{
    static const std::initializer_list<QStringView> inlines = {
        u"a",     u"abbr", u"acronym", u"b",   u"basefont", u"bdi",   u"bdo",  u"big",    u"cite",
        u"code",  u"data", u"del",     u"dfn", u"em",       u"font",  u"i",    u"ins",    u"kbd",
        u"label", u"mark", u"q",       u"s",   u"samp",     u"small", u"span", u"strike", u"strong",
        u"sub",   u"sup",  u"time",    u"tt",  u"u",        u"var"};
    static const std::initializer_list<QStringView> blocks = {
        u"address", u"article", u"aside",  u"blockquote", u"body", u"center",   u"dd",
        u"details", u"dialog",  u"div",    u"dl",         u"dt",   u"fieldset", u"figcaption",
        u"figure",  u"footer",  u"form",   u"h1",         u"h2",   u"h3",       u"h4",
        u"h5",      u"h6",      u"header", u"hgroup",     u"hr",   u"html",     u"legend",
        u"main",    u"menu",    u"nav",    u"ol",         u"p",    u"pre",      u"section",
        u"summary", u"ul"};
    if (isOneOf(e, inlines) || isReplaced(e))
        return QStringLiteral("inline");
    if (isOneOf(e, blocks))
        return QStringLiteral("block");
    if (e == u"li")
        return QStringLiteral("list-item");
    if (e == u"table")
        return QStringLiteral("table");
    if (e == u"td" || e == u"th")
        return QStringLiteral("table-cell");
    if (e == u"tr")
        return QStringLiteral("table-row");
    if (e == u"caption")
        return QStringLiteral("table-caption");
    return {};
}

// A value's keywords, lower case and a space apart; empty when it has anything else but a
// final !important.
QString keywordsOf(const QString &value)
{
    // None of the values that matter is longer: a long one is not read on every verdict.
    if (value.size() > 256)
        return {};
    QStringList words;
    CssTokenizer tokens(value);
    bool important = false;
    for (CssToken t = tokens.next(); t.type != Type::End; t = tokens.next()) {
        const QStringView raw = QStringView(value).sliced(t.begin, t.size());
        if (t.type == Type::Whitespace || t.type == Type::Comment)
            continue;
        if (t.type == Type::Delim && raw == u"!" && !important) {
            important = true;
            continue;
        }
        if (t.type != Type::Ident)
            return {};
        if (important && !CssTokenizer::equalsIgnoringAsciiCase(raw, u"important"))
            return {};
        if (!important)
            words += CssTokenizer::asciiLower(CssTokenizer::unescaped(raw));
    }
    return words.join(u' ');
}

} // namespace

RuleContext RuleContext::of(QStringView selector,
                            const std::function<QString(QStringView)> &declared)
{
    const auto read = [&declared](QStringView name) {
        const QString value = declared(name);
        if (value.isNull())
            return QString();
        const QString words = keywordsOf(value);
        return words.isEmpty() ? QString::fromUtf16(Unreadable) : words;
    };
    return {elementOf(selector),
            read(u"display"),
            read(u"position"),
            read(u"float"),
            read(u"border-collapse")};
}

QString RuleContext::elementOf(QStringView selector)
{
    QString element;
    QString last; // the element of the compound read last, while it may be the last one
    bool first = true;
    bool startsCompound = true;
    bool pseudoElement = false;
    int depth = 0;
    const auto endSelector = [&]() {
        if (pseudoElement || last.isEmpty() || (!first && last != element))
            return false;
        element = last;
        first = false;
        return true;
    };
    CssTokenizer tokens(selector);
    CssToken previous;
    for (CssToken t = tokens.next(); t.type != Type::End; previous = t, t = tokens.next()) {
        const QStringView raw = selector.sliced(t.begin, t.size());
        if (t.type == Type::Function || t.type == Type::OpenParen || t.type == Type::OpenSquare) {
            ++depth;
        } else if ((t.type == Type::CloseParen || t.type == Type::CloseSquare) && depth > 0) {
            --depth;
        } else if (depth > 0) {
        } else if (t.type == Type::Comma) {
            if (!endSelector())
                return {};
            startsCompound = true;
            pseudoElement = false;
            last.clear();
        } else if (t.type == Type::Whitespace || t.type == Type::Comment ||
                   (t.type == Type::Delim && isOneOf(raw, {u">", u"+", u"~"}))) {
            startsCompound = true;
        } else {
            if (startsCompound)
                last = t.type == Type::Ident
                           ? CssTokenizer::asciiLower(CssTokenizer::unescaped(raw))
                           : QString();
            startsCompound = false;
            // "::before", and the pseudo-elements CSS 2.1 wrote with one colon.
            if (previous.type == Type::Colon && t.type == Type::Colon)
                pseudoElement = true;
            if (previous.type == Type::Colon && t.type == Type::Ident &&
                isOneOf(CssTokenizer::asciiLower(raw),
                        {u"before", u"after", u"first-line", u"first-letter"}))
                pseudoElement = true;
        }
    }
    return endSelector() ? element : QString();
}

QString RuleContext::noEffect(QStringView property) const
{
    const QString shown = display.isNull()                     ? defaultDisplay(element)
                          : display == QStringView(Unreadable) ? QString()
                                                               : display;
    // Floating and absolute positioning make any box a block.
    const bool blockified = floating == u"left" || floating == u"right" ||
                            position == u"absolute" || position == u"fixed";
    const bool isInline = !blockified && (shown == u"inline" || shown == u"inline flow");
    const QStringView outer =
        QStringView(shown).first(shown.contains(u' ') ? shown.indexOf(u' ') : shown.size());
    const bool isBlock =
        isOneOf(outer, {u"block", u"list-item", u"flex", u"grid", u"table", u"flow-root"}) ||
        (blockified && shown != u"none");
    if (isOneOf(property, {u"top", u"right", u"bottom", u"left", u"z-index"}) &&
        (position.isNull() || position == u"static"))
        return QCoreApplication::translate("NoEffect", "nemá účinek, dokud je position static");
    if (isOneOf(property, {u"width", u"height", u"margin-top", u"margin-bottom"}) && isInline &&
        !defaultDisplay(element).isEmpty() && !isReplaced(element))
        return QCoreApplication::translate(
            "NoEffect", "nemá účinek u řádkového prvku, který není nahrazený (jako span nebo a)");
    if (property == u"vertical-align" && isBlock)
        return QCoreApplication::translate("NoEffect", "nemá účinek u blokového prvku");
    // The lists' own elements hand list-style down to their items.
    if (property.startsWith(u"list-style") && !shown.isEmpty() && !shown.contains(u"list-item") &&
        !defaultDisplay(element).isEmpty() &&
        !isOneOf(element, {u"li", u"ul", u"ol", u"menu", u"dir"}))
        return QCoreApplication::translate(
            "NoEffect",
            "nemá účinek u prvku, který není položkou seznamu (display: list-item, li)");
    if (property == u"border-spacing" && borderCollapse == u"collapse")
        return QCoreApplication::translate("NoEffect",
                                           "nemá účinek, když je border-collapse collapse");
    if (property == u"float" && (position == u"absolute" || position == u"fixed"))
        return QCoreApplication::translate("NoEffect",
                                           "nemá účinek u prvku s position absolute nebo fixed");
    if ((property == u"text-align" || property == u"text-indent") && isInline)
        return QCoreApplication::translate("NoEffect", "nemá účinek u řádkového prvku");
    return {};
}
