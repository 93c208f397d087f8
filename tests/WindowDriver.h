#pragma once

// The main window, shown and active, driven the way the window system delivers input:
// keys go to whatever has the focus, clicks land on what is visible at their place.
#define QTEST_QPA_MOUSE_HANDLING
#include "MainWindow.h"
#include "RulePane.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace Qt::StringLiterals;

// The rule text with these declarations ("name: value" each).
inline QString rule(const QString &selector, const QStringList &declarations = {})
{
    QStringList lines{selector, u"  {"_s};
    for (const QString &d : declarations)
        lines << u"  "_s + d + u';';
    return (lines << u"  }"_s).join(u"\r\n"_s);
}

struct WindowDriver {
    MainWindow window;

    WindowDriver()
    {
        window.show();
        window.activateWindow(); // an X server without a window manager gives no focus itself
        if (!QTest::qWaitForWindowActive(&window))
            qFatal("the main window did not become active");
    }
    template <class T = QWidget> T *get(const QString &name) const
    {
        T *const found = window.findChild<T *>(name);
        if (found == nullptr)
            qFatal("no control named %s", qPrintable(name));
        return found;
    }
    QComboBox *box(int row) const { return get<QComboBox>(u"valueBox%1"_s.arg(row)); }
    QCheckBox *check(int row) const { return get<QCheckBox>(u"rowCheck%1"_s.arg(row)); }
    QScrollBar *bar() const { return get<QScrollBar>(u"rowScrollBar"_s); }
    QString rule() const { return get<RulePane>(u"rulePane"_s)->text(); }

    static void click(QWidget *widget, QPoint at = {})
    {
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    }
    void click(const QString &name) const { click(get(name)); }
    static void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}, const QString &text = {})
    {
        QTest::sendKeyEvent(QTest::Click, QGuiApplication::focusWindow(), key, text, modifiers);
    }
    // Any characters, one key each, to whatever has the focus.
    static void type(const QString &text)
    {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            if (text.at(i) == u'\n')
                key(Qt::Key_Return, {}, u"\r"_s);
            else
                key(Qt::Key(text.at(i).toUpper().unicode()), {}, text.mid(i, length));
            i += length - 1;
        }
    }
    // Clicks into the box and types over all it held.
    static void edit(QComboBox *box, const QString &text)
    {
        click(box, QPoint(10, box->height() / 2));
        key(Qt::Key_A, Qt::ControlModifier);
        type(text);
    }
    // Opens the list with a click on its arrow and clicks the item.
    static bool pick(QComboBox *box, const QString &item)
    {
        click(box, QPoint(box->width() - 6, box->height() / 2));
        QAbstractItemView *const view = box->view();
        const int row = box->findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (!view->isVisible() || row < 0)
            return false;
        const QModelIndex index = view->model()->index(row, 0);
        view->scrollTo(index);
        click(view->viewport(), view->visualRect(index).center());
        return !view->isVisible() && box->currentText() == item;
    }
    // Pages with the keyboard so that the top row shows property `first`.
    void pageTo(int first) const
    {
        click(bar(), QPoint(bar()->width() / 2, bar()->height() - 3)); // the lower arrow
        key(Qt::Key_Home);
        for (int step = 1; step + 10 <= first; step += 10)
            key(Qt::Key_PageDown);
        for (int step = (first - 1) % 10; step > 0; --step)
            key(Qt::Key_Down);
    }
};
