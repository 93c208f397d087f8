#include "CssTokenizer.h"

namespace {

using Type = CssToken::Type;

// The text is read as written: CR, LF and FF each count as a line break, as they do once
// CSS has turned them all into LF.
bool isNewline(char16_t c)
{
    return c == u'\n' || c == u'\r' || c == u'\f';
}

bool isWhitespace(char16_t c)
{
    return c == u' ' || c == u'\t' || isNewline(c);
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool isHexDigit(char16_t c)
{
    return isDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// 0xFFFF stands for the end of the text and is no name character.
bool isNameStart(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_' ||
           (c >= 0x80 && c != 0xFFFF) || c == 0;
}

bool isName(char16_t c)
{
    return isNameStart(c) || isDigit(c) || c == u'-';
}

bool isNonPrintable(char16_t c)
{
    return (c <= 0x08 && c != 0) || c == 0x0B || (c >= 0x0E && c <= 0x1F) || c == 0x7F;
}

char16_t asciiLowerChar(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
}

} // namespace

bool CssTokenizer::startsEscape(qsizetype i) const
{
    return at(i) == u'\\' && !isNewline(at(i + 1));
}

bool CssTokenizer::startsIdent(qsizetype i) const
{
    const char16_t c = at(i);
    if (c == u'-')
        return isNameStart(at(i + 1)) || at(i + 1) == u'-' || startsEscape(i + 1);
    return isNameStart(c) || startsEscape(i);
}

bool CssTokenizer::startsNumber(qsizetype i) const
{
    char16_t c = at(i);
    if (c == u'+' || c == u'-')
        c = at(++i);
    return isDigit(c) || (c == u'.' && isDigit(at(i + 1)));
}

void CssTokenizer::skipEscape()
{
    ++m_at; // the backslash
    if (m_at >= m_text.size())
        return;
    if (!isHexDigit(at(m_at))) {
        ++m_at;
        return;
    }
    for (int digits = 0; digits < 6 && isHexDigit(at(m_at)); ++digits)
        ++m_at;
    if (at(m_at) == u'\r' && at(m_at + 1) == u'\n')
        m_at += 2;
    else if (isWhitespace(at(m_at)))
        ++m_at;
}

void CssTokenizer::skipName()
{
    for (;;) {
        if (isName(at(m_at)))
            ++m_at;
        else if (startsEscape(m_at))
            skipEscape();
        else
            return;
    }
}

void CssTokenizer::number(CssToken &token)
{
    token.isInteger = true;
    if (at(m_at) == u'+' || at(m_at) == u'-')
        ++m_at;
    while (isDigit(at(m_at)))
        ++m_at;
    if (at(m_at) == u'.' && isDigit(at(m_at + 1))) {
        token.isInteger = false;
        m_at += 2;
        while (isDigit(at(m_at)))
            ++m_at;
    }
    if (at(m_at) == u'e' || at(m_at) == u'E') {
        const qsizetype sign = at(m_at + 1) == u'+' || at(m_at + 1) == u'-' ? 1 : 0;
        if (isDigit(at(m_at + 1 + sign))) {
            token.isInteger = false;
            m_at += 2 + sign;
            while (isDigit(at(m_at)))
                ++m_at;
        }
    }
    if (startsIdent(m_at)) {
        token.type = Type::Dimension;
        token.unitAt = m_at;
        skipName();
    } else if (at(m_at) == u'%') {
        token.type = Type::Percentage;
        ++m_at;
    } else {
        token.type = Type::Number;
    }
}

void CssTokenizer::identLike(CssToken &token)
{
    skipName();
    token.type = Type::Ident;
    if (at(m_at) != u'(')
        return;
    ++m_at;
    token.type = Type::Function;
    if (!equalsIgnoringAsciiCase(unescaped(m_text.sliced(token.begin, m_at - 1 - token.begin)),
                                 u"url"))
        return;
    qsizetype next = m_at;
    while (isWhitespace(at(next)))
        ++next;
    if (at(next) == u'"' || at(next) == u'\'')
        return; // url("..."): a function with a string in it
    m_at = next;
    url(token);
}

void CssTokenizer::url(CssToken &token)
{
    token.type = Type::Url;
    for (;;) {
        const char16_t c = at(m_at);
        if (m_at >= m_text.size()) {
            token.unclosed = true;
            return;
        }
        if (c == u')') {
            ++m_at;
            return;
        }
        if (isWhitespace(c)) {
            while (isWhitespace(at(m_at)))
                ++m_at;
            if (at(m_at) == u')' || m_at >= m_text.size())
                continue;
        } else if (c == u'\\' && startsEscape(m_at)) {
            skipEscape();
            continue;
        } else if (c != u'"' && c != u'\'' && c != u'(' && c != u'\\' && !isNonPrintable(c)) {
            ++m_at;
            continue;
        }
        // What is left of a bad address, up to its ")".
        token.type = Type::BadUrl;
        while (m_at < m_text.size() && at(m_at) != u')') {
            if (startsEscape(m_at))
                skipEscape();
            else
                ++m_at;
        }
        if (m_at < m_text.size())
            ++m_at;
        else
            token.unclosed = true;
        return;
    }
}

void CssTokenizer::string(CssToken &token, char16_t quote)
{
    token.type = Type::String;
    ++m_at;
    for (;;) {
        if (m_at >= m_text.size()) {
            token.unclosed = true;
            return;
        }
        const char16_t c = at(m_at);
        if (c == quote) {
            ++m_at;
            return;
        }
        if (isNewline(c)) {
            token.type = Type::BadString;
            return;
        }
        if (c == u'\\') {
            if (m_at + 1 >= m_text.size()) {
                ++m_at;
            } else if (isNewline(at(m_at + 1))) { // a line continued
                m_at += at(m_at + 1) == u'\r' && at(m_at + 2) == u'\n' ? 3 : 2;
            } else {
                skipEscape();
            }
            continue;
        }
        ++m_at;
    }
}

CssToken CssTokenizer::next()
{
    CssToken token;
    token.begin = m_at;
    if (m_at >= m_text.size()) {
        token.end = m_at;
        return token;
    }
    const char16_t c = at(m_at);
    const auto single = [&](Type type) {
        token.type = type;
        ++m_at;
    };
    switch (c) {
    case u' ':
    case u'\t':
    case u'\n':
    case u'\r':
    case u'\f':
        token.type = Type::Whitespace;
        while (isWhitespace(at(m_at)))
            ++m_at;
        break;
    case u'"':
    case u'\'':
        string(token, c);
        break;
    case u'#':
        if (isName(at(m_at + 1)) || startsEscape(m_at + 1)) {
            token.type = Type::Hash;
            token.idHash = startsIdent(m_at + 1);
            ++m_at;
            skipName();
        } else {
            single(Type::Delim);
        }
        break;
    case u'(':
        single(Type::OpenParen);
        break;
    case u')':
        single(Type::CloseParen);
        break;
    case u'[':
        single(Type::OpenSquare);
        break;
    case u']':
        single(Type::CloseSquare);
        break;
    case u'{':
        single(Type::OpenCurly);
        break;
    case u'}':
        single(Type::CloseCurly);
        break;
    case u',':
        single(Type::Comma);
        break;
    case u':':
        single(Type::Colon);
        break;
    case u';':
        single(Type::Semicolon);
        break;
    case u'/':
        if (at(m_at + 1) == u'*') {
            token.type = Type::Comment;
            const qsizetype close = m_text.indexOf(u"*/", m_at + 2);
            token.unclosed = close < 0;
            m_at = close < 0 ? m_text.size() : close + 2;
        } else {
            single(Type::Delim);
        }
        break;
    case u'<':
        if (at(m_at + 1) == u'!' && at(m_at + 2) == u'-' && at(m_at + 3) == u'-') {
            token.type = Type::Cdo;
            m_at += 4;
        } else {
            single(Type::Delim);
        }
        break;
    case u'@':
        if (startsIdent(m_at + 1)) {
            token.type = Type::AtKeyword;
            ++m_at;
            skipName();
        } else {
            single(Type::Delim);
        }
        break;
    case u'-':
        if (startsNumber(m_at)) {
            number(token);
        } else if (at(m_at + 1) == u'-' && at(m_at + 2) == u'>') {
            token.type = Type::Cdc;
            m_at += 3;
        } else if (startsIdent(m_at)) {
            identLike(token);
        } else {
            single(Type::Delim);
        }
        break;
    case u'+':
    case u'.':
        if (startsNumber(m_at))
            number(token);
        else
            single(Type::Delim);
        break;
    case u'\\':
        if (startsEscape(m_at))
            identLike(token);
        else
            single(Type::Delim);
        break;
    default:
        if (isDigit(c))
            number(token);
        else if (isNameStart(c))
            identLike(token);
        else
            single(Type::Delim);
        break;
    }
    token.end = m_at;
    return token;
}

bool CssTokenizer::isWhitespace(QChar c)
{
    return ::isWhitespace(c.unicode());
}

bool CssTokenizer::escapesNext(QStringView text, qsizetype at)
{
    qsizetype backslashes = 0;
    while (at - backslashes > 0 && text[at - backslashes - 1] == u'\\')
        ++backslashes;
    return backslashes % 2 == 1;
}

QString CssTokenizer::stringValue(QStringView raw)
{
    if (raw.isEmpty())
        return {};
    const QChar quote = raw.front();
    QStringView inside = raw.sliced(1);
    if (inside.endsWith(quote) && !escapesNext(inside, inside.size() - 1))
        inside.chop(1);
    if (!inside.contains(u'\\'))
        return inside.toString(); // a data: address of a megabyte has no escapes
    // A line continued with a backslash is joined; any other escape reads as a name's does.
    QString joined;
    joined.reserve(inside.size());
    for (qsizetype i = 0; i < inside.size(); ++i) {
        if (inside[i] == u'\\' && i + 1 < inside.size() && isNewline(inside[i + 1].unicode())) {
            i += inside[i + 1] == u'\r' && i + 2 < inside.size() && inside[i + 2] == u'\n' ? 2 : 1;
            continue;
        }
        joined += inside[i];
        if (inside[i] == u'\\' && i + 1 < inside.size())
            joined += inside[++i];
    }
    return unescaped(joined);
}

QString CssTokenizer::urlAddress(QStringView raw)
{
    QStringView address = raw.sliced(raw.indexOf(u'(') + 1);
    if (address.endsWith(u')') && !escapesNext(address, address.size() - 1))
        address.chop(1);
    while (!address.isEmpty() && isWhitespace(address.front()))
        address = address.sliced(1);
    while (!address.isEmpty() && isWhitespace(address.back()) &&
           !escapesNext(address, address.size() - 1))
        address.chop(1);
    return unescaped(address);
}

QString CssTokenizer::unescaped(QStringView name)
{
    if (!name.contains(u'\\'))
        return name.toString();
    QString result;
    result.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (name[i] != u'\\') {
            result += name[i];
            continue;
        }
        if (i + 1 >= name.size()) {
            result += QChar(0xFFFD);
            break;
        }
        if (!isHexDigit(name[i + 1].unicode())) {
            result += name[++i];
            continue;
        }
        char32_t code = 0;
        qsizetype j = i + 1;
        for (int digits = 0; digits < 6 && j < name.size() && isHexDigit(name[j].unicode());
             ++digits, ++j) {
            const char16_t h = asciiLowerChar(name[j].unicode());
            code = code * 16 + char32_t(isDigit(h) ? h - u'0' : h - u'a' + 10);
        }
        if (j < name.size() && name[j] == u'\r' && j + 1 < name.size() && name[j + 1] == u'\n')
            ++j;
        else if (j < name.size() && !isWhitespace(name[j].unicode()))
            --j;
        i = j;
        if (code == 0 || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
            code = 0xFFFD;
        const char32_t one[] = {code};
        result += QString::fromUcs4(one, 1);
    }
    return result;
}

bool CssTokenizer::equalsIgnoringAsciiCase(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (asciiLowerChar(a[i].unicode()) != asciiLowerChar(b[i].unicode()))
            return false;
    }
    return true;
}

QString CssTokenizer::asciiLower(QStringView text)
{
    QString result(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        result[i] = QChar(asciiLowerChar(text[i].unicode()));
    return result;
}

bool CssTokenizer::endsImportant(QStringView value)
{
    CssTokenizer tokens(value);
    CssToken last;
    CssToken beforeLast;
    for (CssToken token = tokens.next(); token.type != Type::End; token = tokens.next()) {
        if (token.type != Type::Whitespace && token.type != Type::Comment) {
            beforeLast = last;
            last = token;
        }
    }
    return last.type == Type::Ident && beforeLast.type == Type::Delim &&
           value.sliced(beforeLast.begin, beforeLast.size()) == u"!" &&
           equalsIgnoringAsciiCase(unescaped(value.sliced(last.begin, last.size())), u"important");
}

QString CssTokenizer::oneLine(const CssToken &token, QStringView raw)
{
    QString result;
    result.reserve(raw.size());
    qsizetype backslashes = 0; // just before
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const char16_t c = raw[i].unicode();
        if (!isNewline(c)) {
            backslashes = c == u'\\' ? backslashes + 1 : 0;
            result += raw[i];
            continue;
        }
        if (c == u'\r' && i + 1 < raw.size() && raw[i + 1] == u'\n')
            ++i; // one line break
        if (token.type == CssToken::Type::String && backslashes % 2 == 1)
            result.chop(1); // "\" and the line break are no part of the string
        else
            result += u' ';
        backslashes = 0;
    }
    return result;
}
