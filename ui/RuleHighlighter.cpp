#include "RuleHighlighter.h"

#include "Property.h"
#include "ValueGrammar.h"

#include <QPalette>
#include <QTextCursor>
#include <QTextDocument>

#include <vector>

using Part = RuleHighlighter::Part;
using namespace Qt::StringLiterals;

namespace {

// A block's state: where in the rule the line ends, what runs on, for a name or value the
// property it belongs to (0 when unknown), and how many lines the unfinished value has
// taken so far, counted up to one more than a value checked whole may take. That count
// spares the lines deep in a long value from reading back: colouring one 1 MB value over
// 262,144 lines took 13 s without it and 0.3 s with it.
enum Context { InSelector, InName, InValue };
enum Running { Nothing, Comment, DoubleQuoted, SingleQuoted };
constexpr int ValueLinesLimit = RuleHighlighter::MaxGatheredLines + 1;

int packState(Context context, Running running, int property, int valueLines)
{
    return context | running << 2 | property << 4 | valueLines << 11;
}

int valueLinesOf(int state)
{
    return state >> 11;
}

struct Run {
    qsizetype start;
    qsizetype end;
    Part part;
};

// A value's piece on one line; it may begin on a line before and end on one after.
struct ValuePiece {
    qsizetype start;
    qsizetype end;
    int property;
    bool begunBefore;
    bool goesOn;
};

struct Line {
    std::vector<Run> runs;
    std::vector<ValuePiece> values;
    int endState = 0;
};

bool isSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\f';
}

// How far "!" and white space and "important", in any case, reach from `at`; `at` if not.
qsizetype importantEnd(QStringView text, qsizetype at)
{
    qsizetype i = at + 1;
    while (i < text.size() && isSpace(text[i]))
        ++i;
    static constexpr QStringView word = u"important";
    const QStringView rest = text.sliced(i).first(std::min(word.size(), text.size() - i));
    return rest.compare(word, Qt::CaseInsensitive) == 0 ? i + word.size() : at;
}

int propertyNamed(QStringView name)
{
    return Property::indexOf(name.trimmed());
}

// One pass over a line from the state the line before it left.
Line readLine(QStringView text, int state)
{
    Line line;
    auto context = Context(state & 3);
    auto running = Running(state >> 2 & 3);
    int property = state >> 4 & 127;
    qsizetype valueStart = 0;
    bool begunBefore = context == InValue;
    qsizetype nameStart = -1;
    // A run goes on over white space to the next piece of its kind: "a b" is one selector.
    const auto add = [&line, text](qsizetype start, qsizetype end, Part part) {
        if (!line.runs.empty() && line.runs.back().part == part &&
            std::all_of(text.begin() + line.runs.back().end, text.begin() + start, isSpace))
            line.runs.back().end = end;
        else
            line.runs.push_back({start, end, part});
    };
    const auto endValue = [&](qsizetype at) {
        line.values.push_back({valueStart, at, property, begunBefore, false});
        property = 0;
        nameStart = -1;
    };
    qsizetype i = 0;
    while (i < text.size()) {
        if (running == Comment) {
            const qsizetype close = text.indexOf(u"*/", i);
            const qsizetype end = close < 0 ? text.size() : close + 2;
            add(i, end, Part::Comment);
            running = close < 0 ? Comment : Nothing;
            i = end;
            continue;
        }
        if (running != Nothing) { // a string; a backslash at the end of the line goes on
            const QChar quote = running == DoubleQuoted ? u'"' : u'\'';
            qsizetype j = i;
            while (j < text.size() && text[j] != quote)
                j += text[j] == u'\\' ? 2 : 1;
            const bool goesOn = j > text.size();
            j = std::min(j + 1, text.size());
            add(i, j, Part::String);
            running = goesOn ? running : Nothing;
            i = j;
            continue;
        }
        const QChar c = text[i];
        if (c == u'/' && i + 1 < text.size() && text[i + 1] == u'*') {
            running = Comment;
            add(i, i + 2, Part::Comment);
            i += 2;
            continue;
        }
        if (c == u'"' || c == u'\'') {
            running = c == u'"' ? DoubleQuoted : SingleQuoted;
            add(i, i + 1, Part::String);
            ++i;
            continue;
        }
        qsizetype next = c == u'\\' ? std::min(i + 2, text.size()) : i + 1;
        switch (context) {
        case InSelector:
            if (c == u'{')
                context = InName;
            else if (!isSpace(c))
                add(i, next, Part::Selector);
            break;
        case InName:
            if (c == u':') {
                property = nameStart >= 0 ? propertyNamed(text.sliced(nameStart, i - nameStart))
                                          : property;
                context = InValue;
                valueStart = i + 1;
                begunBefore = false;
            } else if (c == u';' || c == u'}') {
                context = c == u'}' ? InSelector : InName;
                property = 0;
                nameStart = -1;
            } else if (!isSpace(c)) {
                nameStart = nameStart < 0 ? i : nameStart;
                add(i, next, Part::Name);
            }
            break;
        case InValue:
            if (c == u';' || c == u'}') {
                endValue(i);
                context = c == u'}' ? InSelector : InName;
            } else if (c == u'!' && importantEnd(text, i) > i) {
                next = importantEnd(text, i);
                add(i, next, Part::Important);
            } else if (!isSpace(c)) {
                add(i, next, Part::Value);
            }
            break;
        }
        i = next;
    }
    if (context == InValue)
        line.values.push_back({valueStart, text.size(), property, begunBefore, true});
    else if (context == InName && nameStart >= 0)
        property = propertyNamed(text.sliced(nameStart));
    const int valueLines = context != InValue ? 0
                           : begunBefore      ? std::min(valueLinesOf(state) + 1, ValueLinesLimit)
                                              : 1;
    line.endState = packState(context, running, property, valueLines);
    return line;
}

// The lightness of text colours that read well on this base.
QColor partColour(int hue, bool dark)
{
    return QColor::fromHsl(hue, 170, dark ? 180 : 80);
}

} // namespace

RuleHighlighter::RuleHighlighter(QTextDocument *document, const QPalette &palette)
    : QSyntaxHighlighter(document)
{
    m_declarationsOnly = document->find(u"{"_s).isNull();
    m_changes =
        connect(document, &QTextDocument::contentsChange, this, &RuleHighlighter::documentChanged);
    setPalette(palette);
}

void RuleHighlighter::setPalette(const QPalette &palette)
{
    const bool dark = palette.color(QPalette::Base).lightness() < 128;
    const auto coloured = [dark](int hue) {
        QTextCharFormat f;
        f.setForeground(partColour(hue, dark));
        return f;
    };
    m_formats[std::size_t(Part::Selector)] = coloured(285);
    m_formats[std::size_t(Part::Selector)].setFontWeight(QFont::Bold);
    m_formats[std::size_t(Part::Name)] = coloured(210);
    m_formats[std::size_t(Part::Value)] = coloured(150);
    m_formats[std::size_t(Part::String)] = coloured(25);
    m_formats[std::size_t(Part::Important)] = coloured(350);
    m_formats[std::size_t(Part::Important)].setFontWeight(QFont::Bold);
    // Comments recede: halfway between the text and its base.
    const QColor text = palette.color(QPalette::Text);
    const QColor base = palette.color(QPalette::Base);
    QTextCharFormat comment;
    comment.setForeground(QColor((text.red() + base.red()) / 2,
                                 (text.green() + base.green()) / 2,
                                 (text.blue() + base.blue()) / 2));
    comment.setFontItalic(true);
    m_formats[std::size_t(Part::Comment)] = comment;
    m_underline = dark ? QColor(255, 110, 110) : QColor(210, 0, 0);
    recolourAll();
}

int RuleHighlighter::initialState() const
{
    return packState(m_declarationsOnly ? InName : InSelector, Nothing, 0, 0);
}

void RuleHighlighter::highlightBlock(const QString &text)
{
    const int previous = previousBlockState() < 0 ? initialState() : previousBlockState();
    const Line line = readLine(text, previous);
    setCurrentBlockState(line.endState);
    for (const Run &run : line.runs)
        setFormat(int(run.start), int(run.end - run.start), m_formats[std::size_t(run.part)]);

    for (const ValuePiece &piece : line.values) {
        if (piece.property == 0)
            continue;
        // The lines before and after that hold the rest of the value, within bounds: each
        // of its lines reads them all again.
        QStringList before;
        QStringList after;
        qsizetype gathered = 0;
        const auto take = [&](const QTextBlock &b) {
            gathered += b.length();
            return before.size() + after.size() < MaxGatheredLines && gathered <= MaxGathered;
        };
        // The state says how many lines it has before this one: too many need no reading.
        bool whole = !piece.begunBefore || valueLinesOf(previous) < MaxGatheredLines;
        for (QTextBlock b = currentBlock().previous(); piece.begunBefore && whole;
             b = b.previous()) {
            whole = take(b);
            const int state = b.previous().isValid() ? b.previous().userState() : initialState();
            const Line earlier = whole ? readLine(b.text(), state) : Line();
            whole = whole && !earlier.values.empty();
            if (!whole)
                break;
            before.prepend(b.text().sliced(earlier.values.back().start));
            if (!earlier.values.back().begunBefore)
                break;
        }
        int state = line.endState;
        // The end of the text ends a value too.
        for (QTextBlock b = currentBlock().next(); piece.goesOn && whole && b.isValid();
             b = b.next()) {
            whole = take(b);
            const Line later = whole ? readLine(b.text(), state) : Line();
            whole = whole && !later.values.empty();
            if (!whole)
                break;
            after.append(b.text().first(later.values.front().end));
            if (!later.values.front().goesOn)
                break;
            state = later.endState;
        }
        if (!whole)
            continue;
        const QString head = before.isEmpty() ? QString() : before.join(u'\n') + u'\n';
        const QString tail = after.isEmpty() ? QString() : u'\n' + after.join(u'\n');
        const QString value = head + text.sliced(piece.start, piece.end - piece.start) + tail;
        const ValueVerdict verdict = checkValue(piece.property, value);
        if (verdict.kind != ValueVerdict::Kind::Invalid)
            continue;
        // A value that ended too soon has no piece to point at: all of it is underlined.
        qsizetype from = verdict.at;
        qsizetype to = verdict.at + verdict.length;
        if (verdict.length == 0) {
            for (from = 0; from < value.size() && value[from].isSpace(); ++from) {
            }
            for (to = value.size(); to > from && value[to - 1].isSpace(); --to) {
            }
        }
        const qsizetype shift = piece.start - head.size();
        underline(std::max(from + shift, piece.start), std::min(to + shift, piece.end));
    }
}

// Colouring tells the document of its changes too: those are no edits to follow.
void RuleHighlighter::recolourAll()
{
    m_rechecking = true;
    rehighlight();
    m_rechecking = false;
}

// Adds the wavy underline to whatever colours the range already has.
void RuleHighlighter::underline(qsizetype from, qsizetype to)
{
    while (from < to) {
        QTextCharFormat f = format(int(from));
        qsizetype end = from + 1;
        while (end < to && format(int(end)) == f)
            ++end;
        f.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        f.setUnderlineColor(m_underline);
        setFormat(int(from), int(end - from), f);
        from = end;
    }
}

// Reads the text again where the change may reach beyond the lines it touched: a first
// "{" or the last one makes the text a rule or a list, and a value over several lines is
// checked whole.
void RuleHighlighter::documentChanged(int position, int removed, int added)
{
    if (m_rechecking)
        return;
    QTextDocument *const doc = document();
    const int end = std::min(position + added, doc->characterCount() - 1);
    // Only what was added can bring the first "{"; a rule's "{" is found near its start.
    QTextCursor addedText(doc);
    addedText.setPosition(position);
    addedText.setPosition(end, QTextCursor::KeepAnchor);
    const bool declarationsOnly = m_declarationsOnly ? !addedText.selectedText().contains(u'{')
                                                     : removed > 0 && doc->find(u"{"_s).isNull();
    if (declarationsOnly != m_declarationsOnly) {
        m_declarationsOnly = declarationsOnly;
        recolourAll();
        return;
    }
    // The lines of the same value before and after the changed ones, as far as a value is
    // checked whole.
    const auto inValue = [](int state) { return state >= 0 && (state & 3) == InValue; };
    m_rechecking = true;
    QTextBlock b = doc->findBlock(position);
    for (int lines = 0; lines < MaxGatheredLines && inValue(b.previous().userState()); ++lines) {
        b = b.previous();
        rehighlightBlock(b);
    }
    b = doc->findBlock(end);
    for (int lines = 0; lines < MaxGatheredLines && inValue(b.userState()) && b.next().isValid();
         ++lines) {
        b = b.next();
        rehighlightBlock(b);
    }
    m_rechecking = false;
}
