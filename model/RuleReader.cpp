#include "RuleReader.h"

#include <utility>

namespace {

using Error = ReadRule::Error;

bool isWhiteSpace(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\n' || u == u'\r' || u == u'\f';
}

// An escaped white space character stays: without it the backslash would escape whatever the
// text is written out next to.
QString trimmed(QStringView text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isWhiteSpace(text[first]))
        ++first;
    while (last > first && isWhiteSpace(text[last - 1])) {
        qsizetype before = last - 2;
        while (before >= first && text[before] == u'\\')
            --before;
        if ((last - 2 - before) % 2 != 0)
            break;
        --last;
    }
    return text.sliced(first, last - first).toString();
}

// One pass from start to end, so that any paste reads in linear time. The text kept so far
// (comments removed) goes to m_kept in runs; pieces are ranges of it. Before the first "{"
// the same kept text serves as the selector or, if no "{" comes, as a bare declaration list.
class Reader {
public:
    explicit Reader(QStringView text)
        : m_text(text)
    {
    }

    [[nodiscard]] ReadRule read();

private:
    enum class Place { BeforeBlock, InBlock, AfterBlock };

    struct Range {
        qsizetype begin;
        qsizetype end;
        qsizetype colon; // -1 without a colon outside strings and brackets
    };

    [[nodiscard]] static ReadRule failed(Error error, qsizetype at)
    {
        ReadRule result;
        result.error = error;
        result.errorAt = at;
        return result;
    }

    // Where the character at `at` of the text lands in m_kept.
    [[nodiscard]] qsizetype keptIndex(qsizetype at) const
    {
        return m_kept.size() + (at - m_runStart);
    }

    void keepUpTo(qsizetype at)
    {
        m_kept.append(m_text.sliced(m_runStart, at - m_runStart));
        m_runStart = at;
    }

    void endPiece(qsizetype at)
    {
        const qsizetype end = keptIndex(at);
        m_ranges.append({m_pieceStart, end, m_colon});
        m_pieceStart = end + 1;
        m_colon = -1;
    }

    void skipComment(qsizetype begin, qsizetype end)
    {
        keepUpTo(begin);
        // A "/" before the comment and a "*" after it would open a new comment once the two
        // meet, and the written-out text would lose a piece; such a comment is kept.
        const bool joins = !m_kept.isEmpty() && m_kept.back() == u'/' && end < m_text.size() &&
                           m_text[end] == u'*';
        if (!joins)
            m_runStart = end;
    }

    void openBlock(qsizetype at)
    {
        keepUpTo(at);
        m_result.hasSelector = true;
        m_result.selector = trimmed(m_kept);
        m_kept.clear();
        m_ranges.clear();
        m_runStart = at + 1;
        m_pieceStart = 0;
        m_colon = -1;
        m_blockAt = at;
        m_place = Place::InBlock;
    }

    // The index of the closing quote, or -1.
    [[nodiscard]] qsizetype closingQuote(qsizetype open) const
    {
        for (qsizetype i = open + 1; i < m_text.size(); ++i) {
            if (m_text[i] == u'\\')
                ++i;
            else if (m_text[i] == m_text[open])
                return i;
        }
        return -1;
    }

    void makePieces();

    const QStringView m_text;
    ReadRule m_result;
    Place m_place = Place::BeforeBlock;
    QString m_kept;
    QList<Range> m_ranges;
    QList<qsizetype> m_brackets; // where each open bracket is, innermost last
    qsizetype m_runStart = 0;
    qsizetype m_pieceStart = 0;
    qsizetype m_colon = -1;
    qsizetype m_blockAt = -1;
    qsizetype m_danglingBackslash = -1;
};

ReadRule Reader::read()
{
    const qsizetype size = m_text.size();
    qsizetype i = 0;
    while (i < size) {
        const char16_t c = m_text[i].unicode();
        if (c == u'/' && i + 1 < size && m_text[i + 1] == u'*') {
            const qsizetype close = m_text.indexOf(u"*/", i + 2);
            if (close < 0)
                return failed(Error::UnclosedComment, i);
            if (m_place != Place::AfterBlock)
                skipComment(i, close + 2);
            i = close + 2;
            continue;
        }
        if (m_place == Place::AfterBlock) {
            if (!isWhiteSpace(m_text[i]))
                return failed(Error::TextAfterRule, i);
            ++i;
            continue;
        }
        switch (c) {
        case u'"':
        case u'\'': {
            const qsizetype close = closingQuote(i);
            if (close < 0)
                return failed(Error::UnclosedString, i);
            i = close;
            break;
        }
        case u'\\':
            // Escaping nothing, it would escape the ";" written after the last piece.
            if (i + 1 == size)
                m_danglingBackslash = i;
            ++i;
            break;
        case u'(':
        case u'[':
            m_brackets.append(i);
            break;
        case u')':
        case u']':
            if (!m_brackets.isEmpty() && m_text[m_brackets.last()] == (c == u')' ? u'(' : u'['))
                m_brackets.removeLast();
            break;
        case u':':
            if (m_brackets.isEmpty() && m_colon < 0)
                m_colon = keptIndex(i);
            break;
        case u';':
            if (m_brackets.isEmpty())
                endPiece(i);
            break;
        case u'{':
            if (!m_brackets.isEmpty())
                break;
            if (m_place == Place::InBlock)
                return failed(Error::NestedBlock, i);
            openBlock(i);
            break;
        case u'}':
            if (!m_brackets.isEmpty())
                break;
            if (m_place == Place::BeforeBlock)
                return failed(Error::StrayClosingBrace, i);
            endPiece(i);
            keepUpTo(i);
            m_place = Place::AfterBlock;
            break;
        default:
            break;
        }
        ++i;
    }
    // The outermost bracket: everything after it was swallowed.
    if (!m_brackets.isEmpty())
        return failed(Error::UnclosedBracket, m_brackets.first());
    if (m_place == Place::InBlock)
        return failed(Error::MissingClosingBrace, m_blockAt);
    if (m_danglingBackslash >= 0)
        return failed(Error::UnclosedString, m_danglingBackslash);
    if (m_place == Place::BeforeBlock) {
        endPiece(size);
        keepUpTo(size);
    }
    makePieces();
    return std::move(m_result);
}

void Reader::makePieces()
{
    const QStringView kept(m_kept);
    m_result.pieces.reserve(m_ranges.size());
    for (const Range &range : std::as_const(m_ranges)) {
        DeclarationPiece piece;
        piece.text = trimmed(kept.sliced(range.begin, range.end - range.begin));
        if (piece.text.isEmpty())
            continue;
        if (range.colon >= 0) {
            piece.name = trimmed(kept.sliced(range.begin, range.colon - range.begin));
            piece.value = trimmed(kept.sliced(range.colon + 1, range.end - range.colon - 1));
        }
        m_result.pieces.append(std::move(piece));
    }
}

} // namespace

ReadRule readRule(QStringView text)
{
    return Reader(text).read();
}
