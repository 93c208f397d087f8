#include "RulePane.h"

#include <QScrollBar>

using namespace Qt::StringLiterals;

RulePane::RulePane(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::StrongFocus);
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setUndoRedoEnabled(false);
    // A slim margin lets the rule of one declaration show whole without scrolling.
    document()->setDocumentMargin(2);
}

void RulePane::setText(const QString &text)
{
    if (text == m_text && !m_text.isNull())
        return;
    m_text = text;
    // The document would turn CR LF into two paragraph breaks; show one per line break.
    // The view stays where the user scrolled it.
    QString shown = text;
    shown.replace(u"\r\n"_s, u"\n"_s);
    const int vertical = verticalScrollBar()->value();
    const int horizontal = horizontalScrollBar()->value();
    setPlainText(shown);
    verticalScrollBar()->setValue(vertical);
    horizontalScrollBar()->setValue(horizontal);
}
