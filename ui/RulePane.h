#pragma once

#include <QPlainTextEdit>

// The read-only rule pane. It keeps the rule text exactly as built, CR LF included,
// while the document underneath only knows paragraphs.
class RulePane : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit RulePane(QWidget *parent);

    [[nodiscard]] QString text() const { return m_text; }
    void setText(const QString &text);

private:
    QString m_text;
};
