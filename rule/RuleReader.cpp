#include "RuleReader.h"

#include "CssTokenizer.h"
#include "Property.h"

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

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
// and comments kept or left out. Left out, a comment leaves a space where the tokens on
// either side could join ("1px/**/2px"), or in a selector, where a space would be a
// combinator, stays ("UL/**/LI"). The comments left out are counted.
class TokenWriter {
public:
    enum class Comments { Keep, Drop, DropUnlessJoining };

    // `offset`: where the tokens' text starts in the whole text.
    explicit TokenWriter(Comments comments, qsizetype offset = 0)
        : m_comments(comments)
        , m_offset(offset)
    {
    }

    void add(const CssToken &token, QStringView raw)
    {
        if (token.type == Type::Whitespace) {
            m_space = !m_text.isEmpty();
            return;
        }
        if (token.type == Type::Comment && m_comments != Comments::Keep) {
            if (m_gapComments++ == 0)
                m_gapFirst = m_offset + token.begin;
            m_gapComment = raw;
            m_gap = !m_text.isEmpty();
            return;
        }
        bool keptComment = false;
        if (m_space) {
            m_text += u' ';
        } else if (m_gap && m_comments == Comments::DropUnlessJoining) {
            keptComment = wouldJoin(m_lastRaw, raw);
            if (keptComment)
                m_text += m_gapComment;
        } else if (m_gap && couldJoin(m_last, token.type)) {
            m_text += u' ';
        }
        endGap(keptComment);
        m_space = m_gap = false;
        m_last = token.type;
        m_lastRaw = raw;
        // So that the piece is one line: comments, url(), escapes and strings can hold
        // line breaks.
        m_text += CssTokenizer::oneLine(token, raw);
    }
    [[nodiscard]] qsizetype size() const { return m_text.size() + (m_space ? 1 : 0); }
    [[nodiscard]] const QString &text() const { return m_text; }
    // The comments left out, and where the first starts (-1 for none).
    [[nodiscard]] int dropped()
    {
        endGap(false);
        return m_dropped;
    }
    [[nodiscard]] qsizetype firstDropped() const { return m_firstDropped; }

private:
    // The comments since the last token are left out, but for the last one when it stays.
    void endGap(bool lastStays)
    {
        const int left = m_gapComments - (lastStays ? 1 : 0);
        if (left > 0 && m_firstDropped < 0)
            m_firstDropped = m_gapFirst;
        m_dropped += left;
        m_gapComments = 0;
    }

    // Whether the two tokens written side by side would read as others.
    [[nodiscard]] static bool wouldJoin(QStringView first, QStringView second)
    {
        const QString both = first.toString() + second.toString();
        CssTokenizer tokens(both);
        return tokens.next().end != first.size();
    }

    QString m_text;
    Type m_last = Type::Whitespace;
    QStringView m_lastRaw;
    const Comments m_comments;
    const qsizetype m_offset;
    bool m_space = false;
    bool m_gap = false;
    QStringView m_gapComment;
    int m_gapComments = 0;
    qsizetype m_gapFirst = -1;
    int m_dropped = 0;
    qsizetype m_firstDropped = -1;
};

// A piece of a declaration list, in one pass over its tokens. A rule nested in the block
// is read whole, as written.
DeclarationPiece readPiece(QStringView slice, qsizetype at, bool isRule)
{
    DeclarationPiece piece;
    piece.at = at;
    piece.isRule = isRule;
    TokenWriter text(TokenWriter::Comments::Keep);
    TokenWriter value(TokenWriter::Comments::Drop);
    enum class Stage {
        Name,
        Colon,
        Value,
        NoDeclaration
    } stage = isRule ? Stage::NoDeclaration : Stage::Name;
    qsizetype bangAt = -1;     // where a "!" starts in the value
    bool importantEnd = false; // the value ends in "!" and "important"
    CssTokenizer tokens(slice);
    for (CssToken token = tokens.next(); token.type != Type::End; token = tokens.next()) {
        const QStringView raw = slice.sliced(token.begin, token.size());
        text.add(token, raw);
        if (token.type == Type::Comment && stage == Stage::Name) {
            piece.leading +=
                (piece.leading.isEmpty() ? QString() : u" "_s) + CssTokenizer::oneLine(token, raw);
        } else if (token.type == Type::Comment && stage != Stage::NoDeclaration) {
            if (piece.innerComments++ == 0)
                piece.firstInnerComment = at + token.begin;
        }
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
        piece.leading.clear();
        piece.innerComments = 0;
        piece.firstInnerComment = -1;
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
        bool isRule;
        qsizetype closers = 0; // "}" the text ended without, written after the piece
    };
    // What an open bracket waits for, where it opened, and whether it opened a rule nested
    // in the block.
    struct Open {
        char16_t closer;
        qsizetype at;
        bool nested = false;
    };

    [[nodiscard]] static ReadRule failed(Error error, qsizetype at)
    {
        ReadRule result;
        result.error = error;
        result.errorAt = at;
        return result;
    }

    // The piece ends before `end`; the next one starts at `next`.
    void endPiece(qsizetype end, qsizetype next)
    {
        // "<!--" or "-->" that ends what comes before the block is no part of it.
        m_ranges.append({m_pieceStart, m_markupAtEnd ? m_lastMarkup : end, m_pieceIsRule});
        m_pieceStart = next;
        m_pieceEmpty = true;
        m_pieceIsRule = false;
        m_pieceTokens = 0;
        m_pieceCustom = false;
        m_markupAtEnd = false;
    }
    [[nodiscard]] QStringView raw(const CssToken &token) const
    {
        return m_text.sliced(token.begin, token.size());
    }
    void dropComment(qsizetype at)
    {
        if (m_dropped++ == 0)
            m_firstDropped = at;
    }

    const QStringView m_text;
    CssTokenizer m_tokens;
    Place m_place = Place::BeforeBlock;
    QList<Range> m_ranges;
    QList<Open> m_open;
    qsizetype m_pieceStart = 0;
    qsizetype m_firstSemicolon = -1;
    qsizetype m_lastMarkup = -1;
    bool m_pieceEmpty = true;   // nothing but white space and comments in it yet
    bool m_pieceIsRule = false; // a rule nested in the block
    int m_pieceTokens = 0;      // its tokens but white space and comments, counted to 2
    bool m_pieceCustom = false; // it starts with a custom property's name and a colon
    bool m_markupAtEnd = false; // its last token so far is "<!--" or "-->"
    int m_dropped = 0;          // comments after the block
    qsizetype m_firstDropped = -1;
};

ReadRule Reader::read()
{
    ReadRule result;
    for (CssToken token = m_tokens.next(); token.type != Type::End; token = m_tokens.next()) {
        switch (token.type) {
        case Type::Comment:
            if (token.unclosed)
                return failed(Error::UnclosedComment, token.begin);
            if (m_place == Place::AfterBlock)
                dropComment(token.begin);
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
        // An at-rule around the rule or in its place (@media, @page, @import) is no rule
        // this program writes.
        if (topLevel && m_place == Place::BeforeBlock && m_pieceEmpty &&
            token.type == Type::AtKeyword)
            return failed(Error::AtRule, token.begin);
        if (topLevel && m_pieceTokens < 2) {
            m_pieceCustom = m_pieceTokens == 0
                                ? token.type == Type::Ident && raw(token).startsWith(u"--")
                                : m_pieceCustom && token.type == Type::Colon;
            ++m_pieceTokens;
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
                if (m_open.last().closer != closer) // a stray closer inside is a token
                    break;
                const bool nested = m_open.last().nested;
                m_open.removeLast();
                if (nested && m_open.isEmpty()) // the nested rule is one piece, "}" and all
                    endPiece(token.end, token.end);
                break;
            }
            if (closer != u'}')
                break;
            if (m_place == Place::BeforeBlock)
                return failed(Error::StrayClosingBrace, token.begin);
            endPiece(token.begin, token.end);
            m_place = Place::AfterBlock;
            break;
        }
        case Type::Semicolon:
            if (topLevel) {
                if (m_place == Place::BeforeBlock && m_firstSemicolon < 0)
                    m_firstSemicolon = token.begin;
                endPiece(token.begin, token.end);
            }
            break;
        case Type::OpenCurly: {
            if (!topLevel || m_place == Place::InBlock) {
                // Inside the block, a block at the top of a piece makes it a nested rule,
                // but in a custom property's value.
                const bool nested = topLevel && !m_pieceCustom;
                m_open.append({u'}', token.begin, nested});
                m_pieceIsRule = m_pieceIsRule || nested;
                break;
            }
            const QStringView prelude = m_text.sliced(
                m_pieceStart, (m_markupAtEnd ? m_lastMarkup : token.begin) - m_pieceStart);
            if (m_firstSemicolon >= 0)
                return failed(Error::DeclarationsBeforeBlock, m_firstSemicolon);
            if (isDeclarationNotSelector(prelude))
                return failed(Error::DeclarationsBeforeBlock, m_pieceStart);
            TokenWriter selector(TokenWriter::Comments::DropUnlessJoining, m_pieceStart);
            CssTokenizer tokens(prelude);
            for (CssToken t = tokens.next(); t.type != Type::End; t = tokens.next())
                selector.add(t, prelude.sliced(t.begin, t.size()));
            result.hasSelector = true;
            result.selector = selector.text();
            result.droppedComments = selector.dropped();
            result.firstDroppedComment = selector.firstDropped();
            m_place = Place::InBlock;
            endPiece(token.begin, token.end); // starts the first piece of the block
            m_ranges.clear();
            break;
        }
        default:
            break;
        }
    }
    // A backslash at the very end would escape the ";" or "}" the rule writes after it.
    if (CssTokenizer::escapesNext(m_text, m_text.size()))
        return failed(Error::StrayBackslash, m_text.size() - 1);
    // The text ends inside the block, or rules nested in it: CSS closes them there. Any
    // other bracket still open swallowed what came after it.
    const auto bracket = std::find_if(
        m_open.cbegin(), m_open.cend(), [](const Open &open) { return open.closer != u'}'; });
    if (bracket != m_open.cend())
        return failed(Error::UnclosedBracket, bracket->at);
    if (m_place == Place::InBlock || !m_open.isEmpty()) {
        result.closedAtEnd = true;
        endPiece(m_text.size(), m_text.size());
        m_ranges.last().closers = m_open.size();
    } else if (m_place == Place::BeforeBlock) {
        endPiece(m_text.size(), m_text.size());
    }
    if (m_dropped > 0) {
        if (result.firstDroppedComment < 0)
            result.firstDroppedComment = m_firstDropped;
        result.droppedComments += m_dropped;
    }
    result.pieces.reserve(m_ranges.size());
    for (const Range &range : std::as_const(m_ranges)) {
        const QStringView slice = m_text.sliced(range.begin, range.end - range.begin);
        DeclarationPiece piece = range.closers == 0
                                     ? readPiece(slice, range.begin, range.isRule)
                                     : readPiece(slice.toString() + u" }"_s.repeated(range.closers),
                                                 range.begin,
                                                 range.isRule);
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
