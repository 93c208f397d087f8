#pragma once

// The main window, shown and active, driven the way the window system delivers input:
// keys go to whatever has the focus, clicks land on what is visible at their place.
#define QTEST_QPA_MOUSE_HANDLING
#include "MainWindow.h"
#include "RulePane.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

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
        return window.findChild<T *>(name);
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
    // A key to whatever has the focus; "Ctrl+Shift+Z", "Down", or a character.
    static void key(const QString &keys, const QString &text = {})
    {
        const QKeyCombination k = QKeySequence::fromString(keys)[0];
        QTest::sendKeyEvent(QTest::Click, QGuiApplication::focusWindow(), k.key(), text,
                            k.keyboardModifiers());
    }
    // Any characters, a key each, Enter for a line break.
    static void type(const QString &text)
    {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            const QString one = text.mid(i, length);
            one == u"\n"_s ? key(u"Return"_s) : key(one.toUpper().left(1), one);
            i += length - 1;
        }
    }
    // Clicks into the field and types over all it held.
    void edit(QWidget *field, const QString &text) const
    {
        click(field, QPoint(10, 10));
        key(u"Ctrl+A"_s);
        type(text);
    }
    // Opens the box's list with a click on its arrow and clicks the item.
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
        return !view->isVisible(); // the item the click landed on is what the steps check
    }
    // Pages with the keyboard so that the top row shows property `first`.
    void pageTo(int first) const
    {
        click(bar(), QPoint(bar()->width() / 2, bar()->height() - 3)); // the lower arrow
        key(u"Home"_s);
        for (int step = 1; step + 10 <= first; step += 10)
            key(u"PgDown"_s);
        for (int step = (first - 1) % 10; step > 0; --step)
            key(u"Down"_s);
    }

    // What a control shows: a box its text, a tick 0 or 1, a label its text, the pane
    // its text with "|" for line breaks, the scroll bar the names in its top and bottom
    // rows ("A..B"); "focus" names what has the focus.
    QString shows(const QString &name) const
    {
        if (name == u"focus"_s)
            return QApplication::focusWidget()->objectName();
        if (name == u"rulePane"_s)
            return rule().replace(u"\r\n"_s, u"|"_s).replace(u'\n', u'|');
        QWidget *const control = get(name);
        if (auto *const box = qobject_cast<QComboBox *>(control))
            return box->currentText();
        if (auto *const tick = qobject_cast<QCheckBox *>(control))
            return QString::number(tick->isChecked());
        if (auto *const label = qobject_cast<QLabel *>(control))
            return label->text();
        return check(1)->text() + u".."_s + check(10)->text();
    }

    // Runs a user's steps, each "verb argument", and checks as it goes:
    //   page N | click NAME | key KEYS | type TEXT | edit NAME TEXT | pick NAME ITEM
    //   paste TEXT (into the focus) | wait (for the deferred refresh) | tabs NAME...
    //   (Tab goes through these) | menu NAME ITEM (a right click on NAME, ITEM chosen)
    //   clipboard TEXT (another program reads it there, line breaks as "|")
    //   rule TEXT (the pane shows it) | count N (declarations in the pane)
    //   show NAME TEXT (see shows()) | has NAME TEXT (shows it within)
    //   keep (the pane's text) | same N (the pane shows the text kept N-th, from 0)
    void run(const QStringList &steps) const
    {
        QStringList kept;
        for (const QString &step : steps) {
            const QString verb = step.section(u' ', 0, 0);
            const QString name = step.section(u' ', 1, 1);
            const QString rest = step.section(u' ', 2);
            const QString all = step.section(u' ', 1);
            if (verb == u"page"_s) {
                pageTo(all.toInt());
            } else if (verb == u"click"_s) {
                click(name);
            } else if (verb == u"key"_s) {
                key(all);
            } else if (verb == u"type"_s) {
                type(all);
            } else if (verb == u"edit"_s) {
                edit(get(name), rest);
            } else if (verb == u"pick"_s) {
                QVERIFY2(pick(get<QComboBox>(name), rest), qPrintable(step));
            } else if (verb == u"paste"_s) {
                QApplication::clipboard()->setText(all);
                key(u"Ctrl+V"_s);
            } else if (verb == u"menu"_s) {
                QTimer::singleShot(200, get(name), [rest] {
                    auto *const menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
                    for (QAction *const action : menu ? menu->actions() : QList<QAction *>())
                        if (action->text() == rest)
                            click(menu, menu->actionGeometry(action).center());
                });
                QTest::mouseClick(get(name), Qt::RightButton, {}, QPoint(10, 10));
                QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
            } else if (verb == u"clipboard"_s) {
                QProcess xclip; // reads while this event loop answers its request
                xclip.start(u"xclip"_s, {u"-selection"_s, u"clipboard"_s, u"-o"_s});
                QTRY_VERIFY(xclip.state() == QProcess::NotRunning);
                QCOMPARE(
                    QString::fromUtf8(xclip.readAllStandardOutput()).replace(u"\r\n"_s, u"|"_s),
                    all);
            } else if (verb == u"tabs"_s) {
                for (const QString &next : all.split(u' '))
                    QCOMPARE((key(u"Tab"_s), shows(u"focus"_s)), next);
            } else if (verb == u"keep"_s) {
                kept << rule();
            } else if (verb == u"same"_s) {
                QCOMPARE(rule(), kept.value(all.toInt()));
            } else if (verb == u"rule"_s) { // as the pane holds it and as it shows it
                QCOMPARE(shows(u"rulePane"_s), all);
                QCOMPARE(get<RulePane>(u"rulePane"_s)->toPlainText().replace(u'\n', u'|'), all);
            } else if (verb == u"count"_s) {
                QCOMPARE(rule().count(u"\r\n"_s) - 2, all.toInt());
            } else if (verb == u"wait"_s) {
                QTRY_VERIFY(!get<QTimer>(u"deferredRefresh"_s)->isActive());
            } else if (verb == u"show"_s) {
                QCOMPARE(shows(name), rest);
            } else {
                QVERIFY2(verb == u"has"_s && shows(name).contains(rest), qPrintable(step));
            }
        }
    }
};
