#pragma once

#include <QFrame>

class QLineEdit;
class QListWidget;

// A small find field that pops up over the main window: typing lists the properties it
// finds, Up and Down move through them, Enter or a click chooses one, Esc closes it.
class FindPopup : public QFrame {
    Q_OBJECT

public:
    explicit FindPopup(QWidget *parent);

    // Opens empty, `width` wide, with its top left corner at `at` (global).
    void open(QPoint at, int width);

Q_SIGNALS:
    void chosen(int property);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void list(const QString &query);
    void choose();

    QLineEdit *const m_field;
    QListWidget *const m_matches;
};
