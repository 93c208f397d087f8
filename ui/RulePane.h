#pragma once

#include <QPlainTextEdit>

// The rule pane. It shows the rule exactly as built, CR LF included, while the document
// underneath only knows paragraphs. The user may also type, paste or drop a rule here;
// such text waits to be read back, and no newly built rule replaces it meanwhile.
class RulePane : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit RulePane(QWidget *parent);

    // The rule as built, or the user's text while it waits to be read.
    [[nodiscard]] QString text() const;
    [[nodiscard]] bool hasUnreadText() const { return document()->isModified(); }
    // Shows a newly built rule unless the user's text waits to be read.
    void setRule(const QString &rule);
    // The user's text was read: the next rule replaces it, even one equal to the last.
    void markRead()
    {
        document()->setModified(false);
        m_rule.clear();
    }
    // The window's undo, redo and find, which open the context menu, and its ways to
    // copy, which close it.
    void setMenuActions(const QList<QAction *> &history, const QList<QAction *> &copies)
    {
        m_historyActions = history;
        m_copyActions = copies;
    }

Q_SIGNALS:
    // The focus left for another control of the window, the user pressed Ctrl+Enter, or
    // text was pasted or dropped: time to read the text back.
    void readRequested();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    QString m_rule;
    QList<QAction *> m_historyActions;
    QList<QAction *> m_copyActions;
};
