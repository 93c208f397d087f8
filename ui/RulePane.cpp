#include "RulePane.h"

#include "HistoryStep.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>

using namespace Qt::StringLiterals;

namespace {

// One line break per line, as the document shows them.
QString withLineFeeds(QString text)
{
    return text.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
}

} // namespace

RulePane::RulePane(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    // A slim margin lets the rule of one declaration show whole without scrolling.
    document()->setDocumentMargin(2);
    document()->setModified(false);
}

QString RulePane::text() const
{
    return hasUnreadText() ? toPlainText() : m_rule;
}

void RulePane::setRule(const QString &rule)
{
    if (hasUnreadText() || (rule == m_rule && !m_rule.isNull()))
        return;
    m_rule = rule;
    // The view stays where the user scrolled it.
    const int vertical = verticalScrollBar()->value();
    const int horizontal = horizontalScrollBar()->value();
    setPlainText(withLineFeeds(rule));
    document()->setModified(false);
    verticalScrollBar()->setValue(vertical);
    horizontalScrollBar()->setValue(horizontal);
}

bool RulePane::event(QEvent *event)
{
    // Undo and redo belong to the window, which hands them back to the pane while it
    // has typing of its own to undo.
    return isHistoryShortcut(event) || QPlainTextEdit::event(event);
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
    QMenu menu(this);
    menu.setToolTipsVisible(true); // the window's actions name their keys
    menu.addActions(m_historyActions);
    menu.addSeparator();
    const bool selection = textCursor().hasSelection();
    menu.addAction(u"Vyjmout"_s, QKeySequence::Cut, this, &RulePane::cut)->setEnabled(selection);
    menu.addAction(u"Kopírovat výběr"_s, QKeySequence::Copy, this, &RulePane::copy)
        ->setEnabled(selection);
    menu.addAction(u"Vložit"_s, QKeySequence::Paste, this, &RulePane::paste)
        ->setEnabled(canPaste());
    menu.addAction(u"Vybrat vše"_s, QKeySequence::SelectAll, this, &RulePane::selectAll);
    menu.addSeparator();
    menu.addActions(m_copyActions);
    menu.exec(event->globalPos());
}

void RulePane::insertFromMimeData(const QMimeData *source)
{
    if (source->hasText()) {
        // Pasted CR LF would show as two line breaks each.
        insertPlainText(withLineFeeds(source->text()));
        ensureCursorVisible();
    } else {
        QPlainTextEdit::insertFromMimeData(source);
    }
    Q_EMIT readRequested();
}
