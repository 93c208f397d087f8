#pragma once

// The main window, shown and active, driven the way the window system delivers input:
// keys go to whatever has the focus, clicks and wheel turns land on what is visible at
// their place.
#define QTEST_QPA_MOUSE_HANDLING
#include "EditableCombo.h"
#include "MainWindow.h"
#include "RuleDocument.h"
#include "RulePane.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>
#include <qtestspontaneevent.h>

#include <functional>

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
    // A control by its object name; a property's value box by the property's name
    // ("text-indent"), its tick by "tick:" and the name, its colour swatch by "swatch:" and
    // the name, as a screen reader finds it; the rows paged to it first when it is not in view.
    QWidget *control(const QString &name) const
    {
        if (name.startsWith(u"swatch:"_s)) {
            QWidget *const box = control(name.mid(7));
            return box ? named(QAccessible::queryAccessibleInterface(box), u"Vybrat barvu"_s)
                       : nullptr;
        }
        const bool tick = name.startsWith(u"tick:"_s);
        const int property = Property::indexOf(tick ? name.mid(5) : name);
        if (property == 0 || name != name.toLower())
            return get(name);
        if (property < bar()->value() || property >= bar()->value() + MainWindow::RowCount)
            pageTo(property);
        const int row = property - bar()->value() + 1;
        return tick ? static_cast<QWidget *>(check(row)) : box(row);
    }
    // The widget below `parent` in the accessibility tree that has this name.
    static QWidget *named(QAccessibleInterface *parent, const QString &name)
    {
        for (int i = 0; parent != nullptr && i < parent->childCount(); ++i) {
            QAccessibleInterface *const child = parent->child(i);
            if (child != nullptr && child->text(QAccessible::Name) == name)
                return qobject_cast<QWidget *>(child->object());
            if (QWidget *const found = named(child, name))
                return found;
        }
        return nullptr;
    }
    QComboBox *box(int row) const { return get<QComboBox>(u"valueBox%1"_s.arg(row)); }
    QCheckBox *check(int row) const { return get<QCheckBox>(u"rowCheck%1"_s.arg(row)); }
    QScrollBar *bar() const { return get<QScrollBar>(u"rowScrollBar"_s); }
    RulePane *pane() const { return get<RulePane>(u"rulePane"_s); }
    QString rule() const { return pane()->text(); }

    static void click(QWidget *widget, QPoint at = {}, Qt::MouseButton button = Qt::LeftButton)
    {
        // A click in another window makes it the active one, as a window manager does.
        QWidget *const window = widget->window();
        if (QApplication::activeWindow() != window && window->windowType() != Qt::Popup) {
            window->activateWindow();
            (void)QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
        }
        QTest::mouseClick(widget, button, {}, at);
    }
    // A key to whatever has the focus; "Ctrl+Shift+Z", "Down", or a character.
    static void key(const QString &keys, const QString &text = {})
    {
        const QKeyCombination k = QKeySequence::fromString(keys)[0];
        QTest::sendKeyEvent(
            QTest::Click, QGuiApplication::focusWindow(), k.key(), text, k.keyboardModifiers());
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
    // Turns the wheel over `widget` in `events` events of `delta` eighths of a degree each,
    // as a touchpad sends them.
    static void wheel(QWidget *widget, int delta, int events)
    {
        // To the window, which finds the control under the pointer, as one from the window
        // system: only such a turn goes on to a control's parent when it does not use it.
        QWindow *const window = widget->window()->windowHandle();
        const QPointF local = widget->mapTo(widget->window(), widget->rect().center());
        for (int i = 0; i < events; ++i) {
            QWheelEvent turn(local,
                             window->mapToGlobal(local),
                             QPoint(),
                             QPoint(0, delta),
                             Qt::NoButton,
                             Qt::NoModifier,
                             Qt::NoScrollPhase,
                             false);
            QSpontaneKeyEvent::setSpontaneous(&turn);
            qApp->notify(window, &turn); // sendEvent() would make it synthesised again
        }
    }
    // Runs `act` once, as soon as `ready` holds, from the event loop: for what happens
    // while a menu or a modal window runs its own loop. It is off when `scope` goes.
    static void when(QObject *scope, const std::function<bool()> &ready,
                     const std::function<void()> &act)
    {
        auto *const poll = new QTimer(scope);
        QObject::connect(poll, &QTimer::timeout, poll, [poll, ready, act] {
            if (ready()) {
                poll->stop();
                act();
            }
        });
        poll->start(1);
    }
    // Clicks into the middle of the field, clear of a swatch at its start and the arrow at
    // its end, and types over all it held.
    static void edit(QWidget *field, const QString &text)
    {
        click(field, field->rect().center());
        // A click that lands while a list is closing may only close it; a user clicks again.
        if (!QTest::qWaitFor([field] { return field->isAncestorOf(qApp->focusWidget()); }, 1000))
            click(field, field->rect().center());
        key(u"Ctrl+A"_s);
        type(text);
    }
    // Opens the box's list with a click on its arrow and clicks the item. Says what went
    // wrong, or nothing.
    static QString pick(QComboBox *box, const QString &item)
    {
        click(box, QPoint(box->width() - 6, box->height() / 2));
        QAbstractItemView *const view = box->view();
        const int row = box->findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (!view->isVisible() || row < 0)
            return u"the list did not open or has no such item"_s;
        const QModelIndex index = view->model()->index(row, 0);
        view->scrollTo(index);
        click(view->viewport(), view->visualRect(index).center());
        return view->isVisible() ? u"the list stayed open"_s : QString();
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

    // What a control shows (see control()): a box its text, a tick 0 or 1, a label its
    // text, the pane its text with "|" for line breaks, the scroll bar the names in its top
    // and bottom rows ("A..B"); "focus" names what has the focus, "selection" the text
    // selected in the focused field. A null string: no such control.
    QString shows(const QString &name) const
    {
        if (name == u"focus"_s)
            return QApplication::focusWidget()->objectName();
        if (name == u"focused"_s) { // the property whose value box has the focus
            for (int row = 1; row <= MainWindow::RowCount; ++row)
                if (box(row)->hasFocus())
                    return check(row)->text().toLower();
            return QApplication::focusWidget()->objectName();
        }
        if (name == u"selection"_s) {
            QWidget *const focus = QApplication::focusWidget();
            auto *const box = qobject_cast<QComboBox *>(focus);
            auto *const field = box ? box->lineEdit() : qobject_cast<QLineEdit *>(focus);
            return field ? field->selectedText() : QString();
        }
        if (name == u"rulePane"_s) // as it shows, shortened lines shortened
            return pane()->toPlainText().replace(u'\n', u'|');
        QWidget *const control = this->control(name);
        if (auto *const box = qobject_cast<QComboBox *>(control))
            return box->currentText();
        if (auto *const tick = qobject_cast<QCheckBox *>(control))
            return QString::number(tick->isChecked());
        if (auto *const label = qobject_cast<QLabel *>(control))
            return label->text();
        if (control == bar())
            return check(1)->text() + u".."_s + check(10)->text();
        return {};
    }

    // Runs a user's steps, one a line, and checks as it goes. A failure names the step.
    //   page N | click NAME | rightclick NAME | key KEYS | type TEXT | edit NAME TEXT
    //   pick NAME ITEM | paste TEXT (into the focus) | wheel NAME DELTA EVENTS
    //   wait (for the deferred refresh) | tabs NAME... (Tab goes through these)
    //   menu NAME ITEM (a right click on NAME, ITEM chosen)
    //   clipboard TEXT (another program reads it there, line breaks as "|")
    //   dialog TEXT (in the next colour dialog: Tab to the field a screen reader calls "HTML:",
    //   TEXT typed over its text, Enter)
    //   rule TEXT (the pane shows it) | count N (declarations in the pane)
    //   show NAME TEXT (see shows()) | has NAME TEXT (shows it within)
    //   awaits NAME TEXT (shows it within, now or within five seconds)
    //   keep (the pane's text) | same N (the pane shows the text kept N-th, from 0)
    //   mark NAME red|amber|none (the frame the box shows) | says NAME TEXT (a screen reader
    //   says it as the description, line breaks as "|")
    // NAME is a control's object name, a property's name for its value box, or "tick:" and
    // a property's name for its tick (see control()).
    void run(const QStringList &steps) const
    {
        QStringList kept;
        QObject waiting; // for what a later step opens
        for (qsizetype n = 0; n < steps.size(); ++n) {
            const QString fault = step(steps[n], kept, waiting);
            QVERIFY2(fault.isEmpty(),
                     qPrintable(u"step %1 \"%2\": %3"_s.arg(n + 1).arg(steps[n], fault)));
        }
    }

private:
    static QString differs(const QString &actual, const QString &expected)
    {
        return actual == expected ? QString()
                                  : u"shows \"%1\", expected \"%2\""_s.arg(actual, expected);
    }

    QString step(const QString &step, QStringList &kept, QObject &waiting) const
    {
        const QString verb = step.section(u' ', 0, 0);
        const QString name = step.section(u' ', 1, 1);
        const QString rest = step.section(u' ', 2);
        const QString all = step.section(u' ', 1);
        // The window manager's part: when a dialog of the window closes, the window is
        // active again.
        if (QGuiApplication::focusWindow() == nullptr) {
            for (QWidget *const main : QApplication::topLevelWidgets()) {
                if (qobject_cast<MainWindow *>(main) == &window) {
                    main->activateWindow();
                    (void)QTest::qWaitForWindowActive(main);
                }
            }
        }
        // Verbs that name no control.
        if (verb == u"page"_s) {
            pageTo(all.toInt());
        } else if (verb == u"key"_s) {
            key(all);
        } else if (verb == u"type"_s) {
            type(all);
        } else if (verb == u"paste"_s) {
            QApplication::clipboard()->setText(all);
            key(u"Ctrl+V"_s);
        } else if (verb == u"clipboard"_s) {
            QProcess xclip; // reads while this event loop answers its request
            xclip.start(u"xclip"_s, {u"-selection"_s, u"clipboard"_s, u"-o"_s});
            if (!QTest::qWaitFor([&] { return xclip.state() == QProcess::NotRunning; }))
                return u"xclip did not finish"_s;
            return differs(
                QString::fromUtf8(xclip.readAllStandardOutput()).replace(u"\r\n"_s, u"|"_s), all);
        } else if (verb == u"tabs"_s) {
            for (const QString &next : all.split(u' ')) {
                key(u"Tab"_s);
                if (shows(u"focus"_s) != next)
                    return u"Tab went to %1, expected %2"_s.arg(shows(u"focus"_s), next);
            }
        } else if (verb == u"dialog"_s) {
            when(
                &waiting,
                [] { // shown, in its own event loop
                    auto *const dialog =
                        qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
                    return dialog != nullptr && dialog->windowHandle() != nullptr &&
                           dialog->windowHandle()->isExposed();
                },
                [all] {
                    // The window manager's part: the dialog that opens becomes active.
                    QWidget *const dialog = QApplication::activeModalWidget();
                    dialog->activateWindow();
                    // Keys go to the dialog only once the window system has given it the focus.
                    (void)QTest::qWaitFor([dialog] {
                        return QGuiApplication::focusWindow() == dialog->windowHandle() &&
                               dialog->isAncestorOf(QApplication::focusWidget());
                    });
                    const auto focusName = [] {
                        QAccessibleInterface *const focus =
                            QAccessible::queryAccessibleInterface(QApplication::focusWidget());
                        return focus ? focus->text(QAccessible::Name) : QString();
                    };
                    for (int tab = 0; tab < 40 && focusName() != u"HTML:"_s; ++tab)
                        key(u"Tab"_s);
                    if (focusName() == u"HTML:"_s) {
                        key(u"Ctrl+A"_s);
                        type(all);
                        key(u"Return"_s);
                    }
                    // A dialog the keys did not reach is cancelled: the rule then says so.
                    if (dialog->isVisible())
                        static_cast<QDialog *>(dialog)->reject();
                });
        } else if (verb == u"keep"_s) {
            kept << rule();
        } else if (verb == u"same"_s) {
            return differs(rule(), kept.value(all.toInt()));
        } else if (verb == u"rule"_s) { // as the pane gives it, and as its document holds it
            const QString held = pane()->documentText().replace(u'\n', u'|');
            return differs(rule().replace(u"\r\n"_s, u"|"_s).replace(u'\n', u'|'), all) +
                   differs(held, all);
        } else if (verb == u"count"_s) {
            return differs(QString::number(rule().count(u"\r\n"_s) - 2), all);
        } else if (verb == u"wait"_s) {
            if (!QTest::qWaitFor([this] { return !get<QTimer>(u"deferredRefresh"_s)->isActive(); }))
                return u"the deferred refresh never came"_s;
        } else if (verb == u"show"_s &&
                   (name == u"focus"_s || name == u"focused"_s || name == u"selection"_s)) {
            return differs(shows(name), rest);
        } else {
            // Verbs on a named control.
            QWidget *const control = this->control(name);
            if (control == nullptr)
                return u"no control named \"%1\""_s.arg(name);
            if (verb == u"click"_s) {
                click(control);
            } else if (verb == u"rightclick"_s) {
                click(control, QPoint(10, 10), Qt::RightButton);
            } else if (verb == u"edit"_s) {
                edit(control, rest);
            } else if (verb == u"pick"_s) {
                auto *const box = qobject_cast<QComboBox *>(control);
                return box ? pick(box, rest) : u"not a box"_s;
            } else if (verb == u"wheel"_s) {
                wheel(control, rest.section(u' ', 0, 0).toInt(), rest.section(u' ', 1).toInt());
            } else if (verb == u"menu"_s) {
                bool chosen = false;
                QObject scope;
                when(
                    &scope,
                    [] { return qobject_cast<QMenu *>(QApplication::activePopupWidget()); },
                    [rest, &chosen] {
                        auto *const menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
                        for (QAction *const action : menu->actions()) {
                            if (action->text() == rest && action->isEnabled()) {
                                chosen = true;
                                click(menu, menu->actionGeometry(action).center());
                                return;
                            }
                        }
                        menu->close();
                    });
                click(control, QPoint(10, 10), Qt::RightButton);
                if (!QTest::qWaitFor([] { return !QApplication::activePopupWidget(); }))
                    return u"the menu stayed open"_s;
                if (!chosen)
                    return u"the menu has no enabled item \"%1\""_s.arg(rest);
            } else if (verb == u"show"_s) {
                return differs(shows(name), rest);
            } else if (verb == u"mark"_s) { // the frame the box shows: red, amber or none
                const QVariant mark = control->property("mark");
                if (!mark.isValid())
                    return u"not a value box"_s;
                static const QString marks[] = {u"none"_s, u"amber"_s, u"red"_s}; // Mark's order
                return differs(marks[int(mark.value<EditableCombo::Mark>())], rest);
            } else if (verb == u"says"_s) { // what a screen reader says of it
                return differs(
                    QAccessible::queryAccessibleInterface(control)->text(QAccessible::Description),
                    QString(rest).replace(u'|', u'\n'));
            } else if (verb == u"awaits"_s) { // shows it within, now or soon
                if (!QTest::qWaitFor([&] { return shows(name).contains(rest); }))
                    return u"shows \"%1\""_s.arg(shows(name));
            } else if (verb == u"has"_s) {
                return shows(name).contains(rest) ? QString() : u"shows \"%1\""_s.arg(shows(name));
            } else {
                return u"no step \"%1\""_s.arg(verb);
            }
        }
        return {};
    }
};
