#pragma once

#include "RuleWriter.h"

#include <QPlainTextEdit>

#include <functional>

class RuleDocument;
class RuleHighlighter;
class Shortened;

// The rule pane. It shows the rule of a RuleDocument exactly as written, CR LF included,
// while the text document underneath only knows paragraphs, and it replaces only the lines
// that change, so that an edit costs the same however long the rest of the rule is. A line
// longer than longText::Limit shows its middle as one shortened piece that holds the whole
// text.
//
// The user may also type, paste or drop a rule here; such text is the pane's own until it
// is read back, and the rule it waits over is the document's: no newly written rule
// replaces it meanwhile, and once it is read, or its typing is all taken back, the pane
// shows the document's rule as it is then.
class RulePane : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit RulePane(QWidget *parent);

    // Shows the document's rule from now on.
    void observe(const RuleDocument *rule);

    // The rule as built, or the user's text while it waits to be read (with LF).
    [[nodiscard]] QString text() const;
    // What the document holds, shortened lines whole, lines joined by LF.
    [[nodiscard]] QString documentText() const;
    [[nodiscard]] bool hasUnreadText() const { return document()->isModified(); }
    // Whether the user's typing that waits to be read can be taken back, or brought back.
    [[nodiscard]] bool canUndoTyping() const;
    [[nodiscard]] bool canRedoTyping() const;
    void undoTyping();
    void redoTyping();
    // The user's text was read: the document's rule replaces it whole.
    void markRead();
    // A paste or drop over the rule as built goes here first: if it returns true the text
    // was taken as a rule, and is not inserted.
    void setPasteHandler(std::function<bool(const QString &)> handler)
    {
        m_pasteHandler = std::move(handler);
    }
    // The pane's own editing actions, for its context menu, which the window shows.
    [[nodiscard]] QList<QAction *> editActions() const { return m_editActions; }

Q_SIGNALS:
    // The focus left for another control of the window, the user pressed Ctrl+Enter, or
    // text was pasted or dropped: time to read the text back.
    void readRequested();
    // The context menu is asked for, at this global point; the editing actions are up to date.
    void menuRequested(QPoint at);

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    [[nodiscard]] QMimeData *createMimeDataFromSelection() const override;

private:
    // Shows a newly written rule, changing only the lines that differ, unless the user's
    // text waits to be read.
    void showRule(const RuleLines &lines);
    void replaceAll(const RuleLines &lines);
    void insertLines(QTextCursor &cursor, const QString &text);

    Shortened *const m_shortened;
    RuleHighlighter *m_highlighter = nullptr;
    const RuleDocument *m_rule = nullptr;
    RuleLines m_shown;
    bool m_showsRule = false; // m_shown is what the document holds
    std::function<bool(const QString &)> m_pasteHandler;
    QList<QAction *> m_editActions;
};
