#include "RuleReader.h"

#include "CssTokenizer.h"
#include "Property.h"

#include <algorithm>
#include <utility>

namespace {

using Error = ReadRule::Error;
using Type = CssToken::Type;

bool isSpaceOrComment(Type type)
{
    return type == Type::Whitespace || type == Type::Comment;
}

// Whether two tokens written side by side could read as other tokens ("1px" and "2px" as
// "1px2px", "/" and "*" as a comment): a comment between them then leaves a space.
bool couldJoin(Type before, Type after)
{
    const auto closes = [](Type t) {
        return t == Type::Comma || t == Type::Colon || t == Type::Semicolon ||
               t == Type::OpenParen || t == Type::CloseParen || t == Type::OpenSquare ||
               t == Type::CloseSquare || t == Type::OpenCurly || t == Type::CloseCurly ||
               t == Type::String;
    };
    const bool beforeEnds =
        closes(before) || before == Type::Function || before == Type::Url || before == Type::BadUrl;
    return !beforeEnds && !closes(after);
}

// Text made of tokens, with white space runs written as one space, none at either end,
// and comments kept or dropped.
class TokenWriter {
public:
    explicit TokenWriter(bool keepComments)
        : m_keepComments(keepComments)
    {
    }

    void add(const CssToken &token, QStringView raw)
    {
        if (token.type == Type::Whitespace) {
            m_space = !m_text.isEmpty();
            return;
        }
        if (token.type == Type::Comment && !m_keepComments) {
            m_gap = !m_text.isEmpty();
            return;
        }
        if (m_space || (m_gap && couldJoin(m_last, token.type)))
            m_text += u' ';
        m_space = m_gap = false;
        m_last = token.type;
        // So that the piece is one line: comments, url(), escapes and strings can hold
        // line breaks.
        m_text += CssTokenizer::oneLine(token, raw);
    }
    [[nodiscard]] qsizetype size() const { return m_text.size() + (m_space ? 1 : 0); }
    [[nodiscard]] const QString &text() const { return m_text; }

private:
    QString m_text;
    Type m_last = Type::Whitespace;
    bool m_keepComments;
    bool m_space = false;
    bool m_gap = false;
};

// A piece of a declaration list, in one pass over its tokens.
DeclarationPiece readPiece(QStringView slice, qsizetype at)
{
    DeclarationPiece piece;
    piece.at = at;
    TokenWriter text(true);
    TokenWriter value(false);
    enum class Stage { Name, Colon, Value, NoDeclaration } stage = Stage::Name;
    qsizetype bangAt = -1;     // where a "!" starts in the value
    bool importantEnd = false; // the value ends in "!" and "important"
    CssTokenizer tokens(slice);
    for (CssToken token = tokens.next(); token.type != Type::End; token = tokens.next()) {
        const QStringView raw = slice.sliced(token.begin, token.size());
        text.add(token, raw);
        if (isSpaceOrComment(token.type)) {
            if (stage == Stage::Value)
                value.add(token, raw);
            continue;
        }
        switch (stage) {
        case Stage::Name:
            if (token.type == Type::Ident) {
                piece.name = raw.toString();
                stage = Stage::Colon;
            } else {
                stage = Stage::NoDeclaration;
            }
            break;
        case Stage::Colon:
            stage = token.type == Type::Colon ? Stage::Value : Stage::NoDeclaration;
            break;
        case Stage::Value:
            if (token.type == Type::Delim && raw == u"!") {
                bangAt = value.size();
                importantEnd = false;
            } else {
                importantEnd = bangAt >= 0 && !importantEnd && token.type == Type::Ident &&
                               CssTokenizer::equalsIgnoringAsciiCase(raw, u"important");
                if (!importantEnd)
                    bangAt = -1;
            }
            value.add(token, raw);
            break;
        case Stage::NoDeclaration:
            break;
        }
    }
    piece.text = text.text();
    if (stage != Stage::Value) {
        piece.name.clear();
        return piece;
    }
    piece.key = CssTokenizer::asciiLower(CssTokenizer::unescaped(piece.name));
    piece.value = value.text();
    if (importantEnd) {
        piece.value.truncate(bangAt);
        while (piece.value.endsWith(u' '))
            piece.value.chop(1);
        piece.important = !piece.value.isEmpty();
        if (piece.important)
            piece.value += u" !important";
    }
    return piece;
}

// Whether the text before a "{" is a declaration of a catalogue property ("color: red")
// rather than a selector that looks like one ("font:first-child").
bool isDeclarationNotSelector(QStringView prelude)
{
    CssTokenizer tokens(prelude);
    CssToken token = tokens.next();
    while (isSpaceOrComment(token.type))
        token = tokens.next();
    if (token.type != Type::Ident)
        return false;
    const QString name = CssTokenizer::unescaped(prelude.sliced(token.begin, token.size()));
    if (Property::indexOf(CssTokenizer::asciiLower(name)) == 0)
        return false;
    token = tokens.next();
    while (isSpaceOrComment(token.type))
        token = tokens.next();
    if (token.type != Type::Colon)
        return false;
    token = tokens.next();
    return token.type != Type::Ident && token.type != Type::Function && token.type != Type::Colon;
}

class Reader {
public:
    explicit Reader(QStringView text)
        : m_text(text)
        , m_tokens(text)
    {
    }

    [[nodiscard]] ReadRule read();

private:
    enum class Place { BeforeBlock, InBlock, AfterBlock };

    struct Range {
        qsizetype begin;
        qsizetype end;
    };

    [[nodiscard]] static ReadRule failed(Error error, qsizetype at)
    {
        ReadRule result;
        result.error = error;
        result.errorAt = at;
        return result;
    }

    void endPiece(qsizetype at)
    {
        // "<!--" or "-->" that ends what comes before the block is no part of it.
        m_ranges.append({m_pieceStart, m_markupAtEnd ? m_lastMarkup : at});
        m_pieceStart = at + 1;
        m_pieceEmpty = true;
        m_markupAtEnd = false;
    }

    const QStringView m_text;
    CssTokenizer m_tokens;
    Place m_place = Place::BeforeBlock;
    QList<Range> m_ranges;
    QList<std::pair<char16_t, qsizetype>> m_open; // the closer each open bracket waits for
    qsizetype m_pieceStart = 0;
    qsizetype m_firstSemicolon = -1;
    qsizetype m_lastMarkup = -1;
    bool m_pieceEmpty = true;   // nothing but white space and comments in it yet
    bool m_markupAtEnd = false; // its last token so far is "<!--" or "-->"
};

ReadRule Reader::read()
{
    ReadRule result;
    qsizetype blockAt = -1;
    for (CssToken token = m_tokens.next(); token.type != Type::End; token = m_tokens.next()) {
        switch (token.type) {
        case Type::Comment:
            if (token.unclosed)
                return failed(Error::UnclosedComment, token.begin);
            continue;
        case Type::String:
            if (token.unclosed)
                return failed(Error::UnclosedString, token.begin);
            break;
        case Type::BadString:
            return failed(Error::BadString, token.begin);
        case Type::Url:
        case Type::BadUrl: // one token up to its ")" all the same: the value keeps it
            if (token.unclosed)
                return failed(Error::UnclosedBracket, token.begin);
            break;
        case Type::Delim:
            if (m_text[token.begin] == u'\\')
                return failed(Error::StrayBackslash, token.begin);
            break;
        default:
            break;
        }
        if (token.type == Type::Whitespace)
            continue;
        if (m_place == Place::AfterBlock) {
            if (token.type != Type::Cdo && token.type != Type::Cdc)
                return failed(Error::TextAfterRule, token.begin);
            continue;
        }
        const bool topLevel = m_open.isEmpty();
        if (topLevel && m_place == Place::BeforeBlock &&
            (token.type == Type::Cdo || token.type == Type::Cdc)) {
            if (m_pieceEmpty) {
                m_pieceStart = token.end; // "<!--" before the rule
            } else {
                m_markupAtEnd = true;
                m_lastMarkup = token.begin;
            }
            continue;
        }
        m_pieceEmpty = false;
        m_markupAtEnd = false;
        switch (token.type) {
        case Type::OpenParen:
        case Type::Function:
            m_open.append({u')', token.begin});
            break;
        case Type::OpenSquare:
            m_open.append({u']', token.begin});
            break;
        case Type::CloseParen:
        case Type::CloseSquare:
        case Type::CloseCurly: {
            const char16_t closer = m_text[token.begin].unicode();
            if (!topLevel) {
                if (m_open.last().first == closer) // a stray closer inside is a token
                    m_open.removeLast();
                break;
            }
            if (closer != u'}')
                break;
            if (m_place == Place::BeforeBlock)
                return failed(Error::StrayClosingBrace, token.begin);
            endPiece(token.begin);
            m_place = Place::AfterBlock;
            break;
        }
        case Type::Semicolon:
            if (topLevel) {
                if (m_place == Place::BeforeBlock && m_firstSemicolon < 0)
                    m_firstSemicolon = token.begin;
                endPiece(token.begin);
            }
            break;
        case Type::OpenCurly: {
            if (!topLevel) {
                m_open.append({u'}', token.begin});
                break;
            }
            if (m_place == Place::InBlock)
                return failed(Error::NestedBlock, token.begin);
            const QStringView prelude = m_text.sliced(
                m_pieceStart, (m_markupAtEnd ? m_lastMarkup : token.begin) - m_pieceStart);
            if (m_firstSemicolon >= 0)
                return failed(Error::DeclarationsBeforeBlock, m_firstSemicolon);
            if (isDeclarationNotSelector(prelude))
                return failed(Error::DeclarationsBeforeBlock, m_pieceStart);
            TokenWriter selector(false);
            CssTokenizer tokens(prelude);
            for (CssToken t = tokens.next(); t.type != Type::End; t = tokens.next())
                selector.add(t, prelude.sliced(t.begin, t.size()));
            result.hasSelector = true;
            result.selector = selector.text();
            blockAt = token.begin;
            m_place = Place::InBlock;
            m_ranges.clear();
            m_pieceStart = token.end;
            break;
        }
        default:
            break;
        }
    }
    // A backslash at the very end would escape the ";" or "}" the rule writes after it.
    if (CssTokenizer::escapesNext(m_text, m_text.size()))
        return failed(Error::StrayBackslash, m_text.size() - 1);
    // The outermost bracket: everything after it was swallowed.
    if (!m_open.isEmpty())
        return failed(Error::UnclosedBracket, m_open.first().second);
    if (m_place == Place::InBlock)
        return failed(Error::MissingClosingBrace, blockAt);
    if (m_place == Place::BeforeBlock)
        endPiece(m_text.size());
    result.pieces.reserve(m_ranges.size());
    for (const Range &range : std::as_const(m_ranges)) {
        DeclarationPiece piece =
            readPiece(m_text.sliced(range.begin, range.end - range.begin), range.begin);
        if (!piece.text.isEmpty())
            result.pieces.append(std::move(piece));
    }
    return result;
}

} // namespace

ReadRule readRule(QStringView text)
{
    return Reader(text).read();
}

bool readsAsRule(const ReadRule &read)
{
    return read.error == Error::None &&
           (read.hasSelector ||
            std::any_of(read.pieces.cbegin(),
                        read.pieces.cend(),
                        [](const DeclarationPiece &piece) { return piece.isDeclaration(); }));
}
