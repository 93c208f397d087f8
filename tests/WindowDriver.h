#pragma once

// Finds the main window's controls by name and drives them the way a user does.
#include "FrmStylomat.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <memory>

class WindowDriver {
public:
    WindowDriver()
        : window(std::make_unique<FrmStylomat>())
    {
        window->show();
    }

    FrmStylomat &w() { return *window; }

    QComboBox *box(int row) const
    {
        return find<QComboBox>(QStringLiteral("cmbHodnota%1").arg(row));
    }
    QCheckBox *tick(int row) const
    {
        return find<QCheckBox>(QStringLiteral("chkPopisek%1").arg(row));
    }
    QComboBox *selector() const { return find<QComboBox>(QStringLiteral("cmbSelektor")); }
    QCheckBox *onlyChanged() const { return find<QCheckBox>(QStringLiteral("chkStyl")); }
    QScrollBar *scroll() const { return find<QScrollBar>(QStringLiteral("vscVlastnost")); }
    QPushButton *button(const char *name) const
    {
        return find<QPushButton>(QString::fromLatin1(name));
    }
    QTimer *timer() const { return find<QTimer>(QStringLiteral("tmrHodnota")); }
    QString pane() const { return window->paneText(); }

    // Types into a value box key by key, each key pressed and released.
    void type(QComboBox *combo, const QString &text) { typeInto(combo->lineEdit(), text); }

    // Like QTest::keyClicks, but for any character: letters beyond ASCII and beyond
    // 16 bits arrive as one key each, carrying their text.
    static void typeInto(QWidget *widget, const QString &text)
    {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (c.unicode() >= 0x20 && c.unicode() < 0x7f) {
                QTest::keyClick(widget, char(c.unicode()));
                continue;
            }
            const bool pair = c.isHighSurrogate() && i + 1 < text.size();
            const QString one = text.mid(i, pair ? 2 : 1);
            i += pair ? 1 : 0;
            const auto key = Qt::Key(c.toUpper().unicode());
            QTest::sendKeyEvent(QTest::Press, widget, key, one, Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, widget, key, one, Qt::NoModifier);
        }
    }

    // Opens the box's list and clicks the item with this text.
    bool pick(QComboBox *combo, const QString &item)
    {
        const int index = combo->findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index < 0)
            return false;
        combo->showPopup();
        QAbstractItemView *const view = combo->view();
        const QModelIndex modelIndex = view->model()->index(index, 0);
        view->scrollTo(modelIndex);
        const QRect place = view->visualRect(modelIndex);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, place.center());
        return !view->isVisible() && combo->currentText() == item;
    }

    // Clicks the check box at its centre.
    void click(QCheckBox *box) { QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center()); }
    void click(QPushButton *b) { QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center()); }

    QStringList rowNames() const
    {
        QStringList names;
        for (int row = 1; row <= FrmStylomat::RowCount; ++row)
            names << tick(row)->text();
        return names;
    }

    template <class T> T *find(const QString &name) const
    {
        T *const found = window->findChild<T *>(name);
        if (found == nullptr)
            qFatal("no control named %s", qPrintable(name));
        return found;
    }

private:
    std::unique_ptr<FrmStylomat> window;
};
