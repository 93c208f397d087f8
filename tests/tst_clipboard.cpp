// On a real X server: what the copy commands put on the clipboard is what another
// program reads from it, byte for byte.
#include "WindowDriver.h"

#include <QApplication>
#include <QMenu>
#include <QProcess>
#include <QTimer>

class TestClipboard : public QObject {
    Q_OBJECT

    // Reads the clipboard through xclip while our event loop answers its request.
    static QByteArray readWithXclip()
    {
        QProcess xclip;
        xclip.start(u"xclip"_s, {u"-selection"_s, u"clipboard"_s, u"-o"_s});
        QDeadlineTimer deadline(5000);
        while (xclip.state() != QProcess::NotRunning && !deadline.hasExpired())
            QTest::qWait(10);
        return xclip.readAllStandardOutput();
    }

    // Chooses `item` from the menu a right click on `widget` opens.
    static void chooseFromMenu(QWidget *widget, const QString &item)
    {
        QTimer::singleShot(200, widget, [item] {
            auto *const menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            for (QAction *const action : menu ? menu->actions() : QList<QAction *>())
                if (action->text() == item)
                    QTest::mouseClick(menu, Qt::LeftButton, {},
                                      menu->actionGeometry(action).center());
        });
        QTest::mouseClick(widget, Qt::RightButton);
        QTest::qWait(300);
    }

private Q_SLOTS:
    void copyReachesOtherPrograms()
    {
        if (QGuiApplication::platformName() != u"xcb"_s)
            QSKIP("needs a real X server");
        WindowDriver d;
        d.edit(d.get<QComboBox>(u"selectorBox"_s), u"Tělo "_s);
        d.edit(d.box(4), u"url(a&b.png)"_s);
        d.pageTo(43);
        d.edit(d.box(1), u"\"Times New Roman\", serif"_s);
        const QString rule = d.rule();
        QCOMPARE(rule, ::rule(u"tělo"_s, {u"background-image: url(a&b.png)"_s,
                                          u"font-family: \"times new roman\", serif"_s}));
        d.click(u"copyButton"_s);
        QCOMPARE(readWithXclip(), rule.toUtf8());
        QWidget *const pane = d.get(u"rulePane"_s);
        const std::initializer_list<std::tuple<QWidget *, QString, QString>> ways = {
            {d.get(u"copyButton"_s), u"Kopírovat deklarace"_s,
             u"background-image: url(a&b.png);\r\nfont-family: \"times new roman\", serif;"_s},
            {pane, u"Kopírovat jako atribut style"_s,
             u"style=\"background-image: url(a&amp;b.png); font-family: &quot;times new roman"
             u"&quot;, serif\""_s},
            {pane, u"Kopírovat pravidlo"_s, rule}};
        for (const auto &[widget, item, copied] : ways) {
            chooseFromMenu(widget, item);
            QCOMPARE(QString::fromUtf8(readWithXclip()), copied);
        }
        QCOMPARE(d.rule(), rule);
    }
};

QTEST_MAIN(TestClipboard)
#include "tst_clipboard.moc"
