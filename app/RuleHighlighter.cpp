#include "RuleHighlighter.h"

#include "CssTokenizer.h"
#include "DeclarationCheck.h"
#include "Property.h"
#include "RuleContext.h"
#include "ValueGrammar.h"

#include <QHash>
#include <QPalette>
#include <QTextCursor>
#include <QTextDocument>

#include <vector>

using Part = RuleHighlighter::Part;
using namespace Qt::StringLiterals;

namespace {

using Type = CssToken::Type;

// A block's state: where in the rule the line ends, what runs on, how many brackets are
// open, for a name or value the property it belongs to (0 when unknown), and how many
// lines the unfinished value has taken so far, counted up to one more than a value checked
// whole may take. That count spares the lines deep in a long value from reading back:
// colouring one 1 MB value over 262,144 lines took 13 s without it and 0.3 s with it.
enum Context { InSelector, InName, InValue };
enum Running { Nothing, Comment, DoubleQuoted, SingleQuoted };
constexpr int ValueLinesLimit = RuleHighlighter::MaxGatheredLines + 1;
constexpr int MaxDepth = 15;

struct LineState {
    Context context = InSelector;
    Running running = Nothing;
    int depth = 0;
    int valueLines = 0;
    int property = 0;

    [[nodiscard]] int packed() const
    {
        return context | running << 2 | depth << 4 | valueLines << 8 | property << 15;
    }
    [[nodiscard]] static LineState of(int state)
    {
        return {Context(state & 3),
                Running(state >> 2 & 3),
                state >> 4 & 15,
                state >> 8 & 127,
                state >> 15};
    }
};

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
    bool important; // its "!important" is on this line
};

struct Line {
    std::vector<Run> runs;
    std::vector<ValuePiece> values;
    std::vector<Run> unknownNames; // names no CSS has
    int endState = 0;
};

// The declarationKey() of a name as written, as CSS matches names.
int propertyNamed(QStringView name)
{
    const QString key = CssTokenizer::unescaped(name);
    const bool ascii =
        std::all_of(key.begin(), key.end(), [](QChar c) { return c.unicode() < 0x80; });
    return ascii ? declarationKey(key) : UnknownPropertyKey;
}

// One pass over a line's tokens from the state the line before it left. A comment or a
// string that runs on from there is tokenized with its opening written before the line.
Line readLine(QStringView text, int state)
{
    Line line;
    LineState s = LineState::of(state);
    const QStringView opening = s.running == Comment        ? QStringView(u"/*")
                                : s.running == DoubleQuoted ? QStringView(u"\"")
                                : s.running == SingleQuoted ? QStringView(u"'")
                                                            : QStringView();
    const QString written = opening.isEmpty() ? QString() : opening.toString() + text.toString();
    const QStringView read = opening.isEmpty() ? text : QStringView(written);
    const qsizetype shift = opening.size();
    const bool begunBefore = s.context == InValue;
    bool valueBegunBefore = begunBefore;
    qsizetype valueStart = 0;
    int named = -1; // the property of a name read on this line, before its colon
    bool important = false;
    s.running = Nothing;
    // A run goes on over white space to the next piece of its kind: "a b" is one selector.
    const auto add = [&line, text](qsizetype start, qsizetype end, Part part) {
        if (!line.runs.empty() && line.runs.back().part == part &&
            std::all_of(text.begin() + line.runs.back().end, text.begin() + start, [](QChar c) {
                return CssTokenizer::isWhitespace(c);
            }))
            line.runs.back().end = end;
        else
            line.runs.push_back({start, end, part});
    };
    const auto endValue = [&](qsizetype at) {
        line.values.push_back({valueStart, at, s.property, valueBegunBefore, false, important});
        important = false;
        s.property = 0;
        s.depth = 0;
        named = -1;
    };
    CssTokenizer tokens(read);
    CssToken token = tokens.next();
    while (token.type != Type::End) {
        const qsizetype start = std::max<qsizetype>(token.begin - shift, 0);
        const qsizetype end = token.end - shift;
        const QStringView raw = read.sliced(token.begin, token.size());
        CssToken next = tokens.next();
        switch (token.type) {
        case Type::Whitespace:
            break;
        case Type::Comment:
            add(start, end, Part::Comment);
            s.running = token.unclosed ? Comment : Nothing;
            break;
        case Type::String:
            add(start, end, Part::String);
            // A line ended by a backslash goes on; any other line break ends the string.
            if (token.unclosed && CssTokenizer::escapesNext(raw, raw.size()))
                s.running = raw.front() == u'"' ? DoubleQuoted : SingleQuoted;
            break;
        default:
            if (s.context == InSelector) {
                if (token.type == Type::OpenCurly && s.depth == 0) {
                    s.context = InName;
                } else {
                    s.depth +=
                        token.type == Type::OpenSquare || token.type == Type::OpenParen ||
                                token.type == Type::Function
                            ? 1
                        : (token.type == Type::CloseSquare || token.type == Type::CloseParen) &&
                                s.depth > 0
                            ? -1
                            : 0;
                    add(start, end, Part::Selector);
                }
            } else if (s.context == InName) {
                if (token.type == Type::Colon) {
                    s.property = named >= 0 ? named : s.property;
                    s.context = InValue;
                    valueStart = end;
                    valueBegunBefore = false;
                } else if (token.type == Type::Semicolon || token.type == Type::CloseCurly) {
                    s.context = token.type == Type::CloseCurly ? InSelector : InName;
                    s.property = 0;
                    named = -1;
                } else {
                    if (token.type == Type::Ident)
                        named = propertyNamed(raw);
                    if (token.type == Type::Ident && named == UnknownPropertyKey)
                        line.unknownNames.push_back({start, end, Part::Name});
                    add(start, end, Part::Name);
                }
            } else if ((token.type == Type::Semicolon || token.type == Type::CloseCurly) &&
                       s.depth == 0) {
                endValue(start);
                s.context = token.type == Type::CloseCurly ? InSelector : InName;
            } else if (token.type == Type::Delim && raw == u"!") {
                // "!" and "important" in any case, with white space or comments between.
                CssTokenizer ahead = tokens;
                CssToken word = next;
                while (word.type == Type::Whitespace || word.type == Type::Comment)
                    word = ahead.next();
                const bool isImportant =
                    word.type == Type::Ident &&
                    CssTokenizer::equalsIgnoringAsciiCase(
                        CssTokenizer::unescaped(read.sliced(word.begin, word.size())),
                        u"important");
                if (isImportant) {
                    important = true;
                    add(start, word.end - shift, Part::Important);
                    tokens = ahead;
                    next = tokens.next();
                } else {
                    add(start, end, Part::Value);
                }
            } else {
                if (token.type == Type::Function || token.type == Type::OpenParen ||
                    token.type == Type::OpenSquare)
                    s.depth = std::min(s.depth + 1, MaxDepth);
                else if ((token.type == Type::CloseParen || token.type == Type::CloseSquare) &&
                         s.depth > 0)
                    --s.depth;
                add(start, end, Part::Value);
            }
            break;
        }
        token = next;
    }
    if (s.context == InValue)
        line.values.push_back(
            {valueStart, text.size(), s.property, valueBegunBefore, true, important});
    else if (s.context == InName && named >= 0)
        s.property = named;
    s.valueLines = s.context != InValue ? 0
                   : valueBegunBefore   ? std::min(s.valueLines + 1, ValueLinesLimit)
                                        : 1;
    line.endState = s.packed();
    return line;
}

int valueLinesOf(int state)
{
    return LineState::of(state).valueLines;
}

// What the rule says of its element: the text before its "{", and of each property the
// declaration a browser keeps, the last valid one unless an earlier valid one is
// !important. With none valid the property is as if not declared.
RuleContext contextOf(const QString &text, int initialState)
{
    struct Declared {
        QString value;
        bool important;
    };
    QHash<int, QList<Declared>> declared;
    int state = initialState;
    const QStringView all(text);
    const qsizetype brace =
        LineState::of(initialState).context == InSelector ? text.indexOf(u'{') : 0;
    for (const QStringView lineText : all.split(u'\n')) {
        const Line line = readLine(lineText, state);
        for (const ValuePiece &piece : line.values) {
            QList<Declared> &values = declared[piece.property];
            const QStringView written = lineText.sliced(piece.start, piece.end - piece.start);
            if (piece.begunBefore && !values.isEmpty())
                (values.back().value += u'\n') += written;
            else
                values.append({written.toString(), false});
            values.back().important = values.back().important || piece.important;
        }
        state = line.endState;
    }
    return RuleContext::of(brace < 0 ? QStringView() : all.first(brace), [&](QStringView name) {
        const Declared *kept = nullptr;
        const auto found = declared.constFind(declarationKey(name));
        for (const Declared &d : found == declared.cend() ? QList<Declared>() : *found)
            if ((!kept || d.important || !kept->important) && browserAccepts(name, d.value))
                kept = &d;
        return kept ? kept->value : QString();
    });
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
    updateContext();
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
    m_noEffect = dark ? QColor(255, 190, 80) : QColor(0xe0, 0x90, 0x00);
    recolourAll();
}

int RuleHighlighter::initialState() const
{
    return LineState{m_declarationsOnly ? InName : InSelector, Nothing, 0, 0, 0}.packed();
}

void RuleHighlighter::highlightBlock(const QString &text)
{
    const int previous = previousBlockState() < 0 ? initialState() : previousBlockState();
    const Line line = readLine(text, previous);
    setCurrentBlockState(line.endState);
    for (const Run &run : line.runs)
        setFormat(int(run.start), int(run.end - run.start), m_formats[std::size_t(run.part)]);

    for (const Run &name : line.unknownNames)
        underline(name.start, name.end, m_underline);
    for (const ValuePiece &piece : line.values) {
        if (piece.property == 0 || piece.property == UnknownPropertyKey)
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
        const ValueVerdict verdict = checkDeclaration(piece.property, value);
        const bool valid =
            verdict.kind == ValueVerdict::Kind::Valid || verdict.kind == ValueVerdict::Kind::Later;
        if (valid && piece.property <= PropertyCount &&
            m_withoutEffect.test(std::size_t(piece.property - 1))) {
            underline(piece.start, piece.end, m_noEffect);
            continue;
        }
        if (verdict.kind != ValueVerdict::Kind::Invalid)
            continue;
        // A value that ended too soon has no piece to point at: all of it is underlined.
        qsizetype from = verdict.at;
        qsizetype to = verdict.at + verdict.length;
        if (verdict.length == 0) {
            for (from = 0; from < value.size() && CssTokenizer::isWhitespace(value[from]); ++from) {
            }
            for (to = value.size(); to > from && CssTokenizer::isWhitespace(value[to - 1]); --to) {
            }
        }
        const qsizetype shift = piece.start - head.size();
        underline(
            std::max(from + shift, piece.start), std::min(to + shift, piece.end), m_underline);
    }
}

bool RuleHighlighter::updateContext()
{
    const QTextDocument *const doc = document();
    std::bitset<PropertyCount> withoutEffect;
    if (doc->characterCount() <= MaxContextText) {
        const RuleContext context = contextOf(doc->toPlainText(), initialState());
        for (const int i : Property::indices())
            withoutEffect[std::size_t(i - 1)] =
                !context.noEffect(Property::at(i).name.toLower()).isEmpty();
    }
    const bool changed = withoutEffect != m_withoutEffect;
    m_withoutEffect = withoutEffect;
    return changed;
}

// Colouring tells the document of its changes too: those are no edits to follow.
void RuleHighlighter::recolourAll()
{
    m_rechecking = true;
    rehighlight();
    m_rechecking = false;
}

// Adds the wavy underline to whatever colours the range already has.
void RuleHighlighter::underline(qsizetype from, qsizetype to, const QColor &colour)
{
    while (from < to) {
        QTextCharFormat f = format(int(from));
        qsizetype end = from + 1;
        while (end < to && format(int(end)) == f)
            ++end;
        f.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        f.setUnderlineColor(colour);
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
    if (declarationsOnly != m_declarationsOnly || updateContext()) {
        m_declarationsOnly = declarationsOnly;
        recolourAll();
        return;
    }
    // The lines of the same value before and after the changed ones, as far as a value is
    // checked whole.
    const auto inValue = [](int state) {
        return state >= 0 && LineState::of(state).context == InValue;
    };
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
