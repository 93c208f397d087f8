#include "RulePane.h"

#include "HistoryKeys.h"
#include "LongText.h"
#include "RuleDocument.h"
#include "RuleHighlighter.h"
#include "TextNormal.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QStaticText>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>

#include <climits>

using namespace Qt::StringLiterals;

namespace {

constexpr int ShortenedType = QTextFormat::UserObject + 1;
constexpr int HiddenKey = QTextFormat::UserProperty + 1;
constexpr int HiddenSize = QTextFormat::UserProperty + 2;

} // namespace

// The middle of a long line, drawn as a short grey label. Its text is kept here, not in its
// format: the document hashes and compares formats, which would then cost the text's length.
class Shortened : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    explicit Shortened(QObject *parent)
        : QObject(parent)
    {
    }

    [[nodiscard]] QTextCharFormat format(const QString &text)
    {
        QTextCharFormat shortened;
        shortened.setObjectType(ShortenedType);
        shortened.setProperty(HiddenKey, ++m_lastKey);
        shortened.setProperty(HiddenSize, int(std::min<qsizetype>(text.size(), INT_MAX)));
        m_texts.insert(m_lastKey, text);
        return shortened;
    }
    [[nodiscard]] static bool holds(const QTextFormat &format)
    {
        return format.objectType() == ShortenedType;
    }
    [[nodiscard]] QString text(const QTextFormat &format) const
    {
        return m_texts.value(format.intProperty(HiddenKey));
    }
    // The texts of the block's pieces are no longer needed.
    void forget(const QTextBlock &block)
    {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (holds(it.fragment().charFormat()))
                m_texts.remove(it.fragment().charFormat().intProperty(HiddenKey));
        }
    }
    void forgetAll() { m_texts.clear(); }

    // The pane lays out and paints its lines again on every change of the rule, so a label
    // is laid out once and kept: that halved the cost of a shortened line on a keystroke
    // (callgrind, 0.23 M instructions a keystroke before).
    QSizeF intrinsicSize(QTextDocument *, int, const QTextFormat &format) override
    {
        const QStaticText &shown = label(format);
        return {shown.size().width(), QFontMetricsF(m_font).height()};
    }

    void drawObject(QPainter *painter, const QRectF &rect, QTextDocument *, int,
                    const QTextFormat &format) override
    {
        const QStaticText &shown = label(format);
        const QPen pen = painter->pen();
        const QFont font = painter->font();
        painter->setFont(m_font);
        painter->setPen(Qt::gray);
        painter->drawStaticText(
            QPointF(rect.left(), rect.top() + (rect.height() - shown.size().height()) / 2), shown);
        painter->setPen(pen);
        painter->setFont(font);
    }

    void setFont(const QFont &font)
    {
        m_font = font;
        m_labels.clear();
    }

private:
    const QStaticText &label(const QTextFormat &format)
    {
        const int size = format.intProperty(HiddenSize);
        auto found = m_labels.find(size);
        if (found == m_labels.end()) {
            QStaticText text(RulePane::tr("…(%1 znaků)…").arg(size));
            text.prepare(QTransform(), m_font);
            found = m_labels.insert(size, text);
        }
        return *found;
    }

    QHash<int, QString> m_texts;
    int m_lastKey = 0;
    QFont m_font;
    QHash<int, QStaticText> m_labels; // by the size they show
};

namespace {

// The text of part of a document: paragraphs joined by LF, shortened pieces whole.
QString textOf(const QTextDocument *document, const Shortened *shortened, int from, int to)
{
    QString text;
    for (QTextBlock block = document->findBlock(from); block.isValid() && block.position() <= to;
         block = block.next()) {
        if (block.position() > from && block.position() <= to)
            text += u'\n';
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int begin = std::max(fragment.position(), from);
            const int end = std::min(fragment.position() + fragment.length(), to);
            if (begin >= end)
                continue;
            // Two shortened pieces with the same text side by side make one fragment.
            const QTextCharFormat format = fragment.charFormat();
            if (Shortened::holds(format))
                text += shortened->text(format).repeated(end - begin);
            else
                text += fragment.text().mid(begin - fragment.position(), end - begin);
        }
    }
    return text;
}

// One line break per line, as the document shows them.
QString withLineFeeds(QString text)
{
    return text.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
}

} // namespace

RulePane::RulePane(QWidget *parent)
    : QPlainTextEdit(parent)
    , m_shortened(new Shortened(this))
{
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    // A slim margin lets the rule of one declaration show whole without scrolling.
    document()->setDocumentMargin(2);
    document()->documentLayout()->registerHandler(ShortenedType, m_shortened);
    m_shortened->setFont(font());
    m_highlighter = new RuleHighlighter(document(), palette());
    document()->setModified(false);

    const auto action =
        [this](const QString &text, QKeySequence::StandardKey key, void (RulePane::*act)()) {
            auto *const editAction = new QAction(text, this);
            editAction->setShortcut(key);
            editAction->setShortcutContext(Qt::WidgetShortcut); // the keys are the pane's own
            connect(editAction, &QAction::triggered, this, act);
            m_editActions += editAction;
        };
    action(tr("Vyjmout"), QKeySequence::Cut, &RulePane::cut);
    action(tr("Kopírovat výběr"), QKeySequence::Copy, &RulePane::copy);
    action(tr("Vložit"), QKeySequence::Paste, &RulePane::paste);
    action(tr("Vybrat vše"), QKeySequence::SelectAll, &RulePane::selectAll);
}

void RulePane::observe(const RuleDocument *rule)
{
    m_rule = rule;
    connect(rule, &RuleDocument::linesChanged, this, [this] { showRule(m_rule->lines()); });
    showRule(rule->lines());
}

bool RulePane::canUndoTyping() const
{
    return hasUnreadText() && document()->isUndoAvailable();
}

bool RulePane::canRedoTyping() const
{
    return hasUnreadText() && document()->isRedoAvailable();
}

void RulePane::undoTyping()
{
    undo();
    // Taken back entirely, the typing leaves the rule it was typed over, which may be out
    // of date.
    if (!hasUnreadText())
        showRule(m_rule->lines());
}

void RulePane::redoTyping()
{
    redo();
}

QString RulePane::text() const
{
    return hasUnreadText() || !m_showsRule ? documentText() : m_shown.text();
}

QString RulePane::documentText() const
{
    return textOf(document(), m_shortened, 0, document()->characterCount() - 1);
}

// Writes lines at the cursor, each line longer than the limit with its middle shortened.
void RulePane::insertLines(QTextCursor &cursor, const QString &text)
{
    const QStringView all(text);
    qsizetype plainFrom = 0;
    qsizetype lineStart = 0;
    while (lineStart <= all.size()) {
        qsizetype lineEnd = all.indexOf(u'\n', lineStart);
        if (lineEnd < 0)
            lineEnd = all.size();
        if (longText::isLong(all.sliced(lineStart, lineEnd - lineStart))) {
            const qsizetype middle = lineStart + longText::Head;
            const qsizetype tail = lineEnd - longText::Tail;
            cursor.insertText(all.sliced(plainFrom, middle - plainFrom).toString());
            cursor.insertText(QString(QChar::ObjectReplacementCharacter),
                              m_shortened->format(all.sliced(middle, tail - middle).toString()));
            cursor.setCharFormat(QTextCharFormat());
            plainFrom = tail;
        }
        lineStart = lineEnd + 1;
    }
    cursor.insertText(all.sliced(plainFrom).toString());
}

void RulePane::replaceAll(const RuleLines &lines)
{
    // The view stays where the user scrolled it.
    const int vertical = verticalScrollBar()->value();
    const int horizontal = horizontalScrollBar()->value();
    document()->setUndoRedoEnabled(false);
    document()->clear();
    m_shortened->forgetAll();
    QTextCursor cursor(document());
    insertLines(cursor, withLineFeeds(lines.text()));
    document()->setUndoRedoEnabled(true);
    document()->setModified(false);
    m_shown = lines;
    m_showsRule = true;
    verticalScrollBar()->setValue(vertical);
    horizontalScrollBar()->setValue(horizontal);
}

void RulePane::showRule(const RuleLines &lines)
{
    if (hasUnreadText())
        return;
    // Line by line only while the lines stand in the catalogue's order, then the kept ones.
    if (!m_showsRule || lines.kept() != m_shown.kept() || !lines.isPlainOrder() ||
        !m_shown.isPlainOrder()) {
        replaceAll(lines);
        return;
    }
    // Line by line, top down, in one edit: block `at` is the next that may change.
    QTextCursor cursor(document());
    bool editing = false;
    // Puts the cursor at the start of block `at`, which stays unless `goes`.
    const auto edit = [&](int at, bool goes) {
        if (!editing) {
            document()->setUndoRedoEnabled(false);
            cursor.beginEditBlock();
            editing = true;
        }
        const QTextBlock block = document()->findBlockByNumber(at);
        if (goes)
            m_shortened->forget(block);
        cursor.setPosition(block.position());
        return block;
    };
    const auto replace = [&](int at, const QString &line) {
        const QTextBlock block = edit(at, true);
        cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        insertLines(cursor, line);
    };
    if (!sameText(lines.selector(), m_shown.selector()))
        replace(0, lines.selector());
    int at = 2;
    for (std::size_t i = 0; i < lines.declarations().size(); ++i) {
        const QString &now = lines.declarations()[i];
        const QString &was = m_shown.declarations()[i];
        if (sameText(now, was)) {
            at += now.isNull() ? 0 : 1;
        } else if (now.isNull()) { // the line goes, with its line break
            cursor.setPosition(edit(at, true).next().position(), QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
        } else if (was.isNull()) {
            edit(at++, false);
            insertLines(cursor, u"  "_s + now);
            cursor.insertBlock();
        } else {
            replace(at++, u"  "_s + now);
        }
    }
    if (editing) {
        cursor.endEditBlock();
        document()->setUndoRedoEnabled(true);
        document()->setModified(false);
    }
    m_shown = lines;
}

void RulePane::markRead()
{
    m_showsRule = false;
    document()->setModified(false);
    showRule(m_rule->lines());
}

void RulePane::changeEvent(QEvent *event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        m_highlighter->setPalette(palette()); // light or dark
    else if (event->type() == QEvent::FontChange)
        m_shortened->setFont(font());
}

bool RulePane::event(QEvent *event)
{
    // Undo and redo belong to the window, which hands them back to the pane while it
    // has typing of its own to undo.
    return isHistoryKey(event) || QPlainTextEdit::event(event);
}

void RulePane::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers().testFlag(Qt::ControlModifier)) {
        Q_EMIT readRequested();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void RulePane::focusOutEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusOutEvent(event);
    // Not when a menu or the list of another box pops up, or another program is chosen.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        Q_EMIT readRequested();
}

void RulePane::contextMenuEvent(QContextMenuEvent *event)
{
    const bool selection = textCursor().hasSelection();
    m_editActions[0]->setEnabled(selection);
    m_editActions[1]->setEnabled(selection);
    m_editActions[2]->setEnabled(canPaste());
    Q_EMIT menuRequested(event->globalPos());
}

void RulePane::insertFromMimeData(const QMimeData *source)
{
    if (!source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        Q_EMIT readRequested();
        return;
    }
    const QString text = source->text();
    // A rule or declarations given over the rule as built replace it; anything else goes
    // where the cursor is.
    if (!hasUnreadText() && m_pasteHandler && m_pasteHandler(text))
        return;
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    insertLines(cursor, withLineFeeds(text)); // pasted CR LF would show as two line breaks
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
    Q_EMIT readRequested();
}

QMimeData *RulePane::createMimeDataFromSelection() const
{
    const QTextCursor cursor = textCursor();
    auto *const data = new QMimeData;
    // Line breaks as the rule writes them, CR LF.
    data->setText(textOf(document(), m_shortened, cursor.selectionStart(), cursor.selectionEnd())
                      .replace(u'\n', u"\r\n"_s));
    return data;
}

#include "RulePane.moc"
