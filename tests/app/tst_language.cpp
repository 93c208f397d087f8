// The window in the desktop's language: Czech, its own, under LANG=C; English under
// LANGUAGE=en. Qt's standard texts follow: a value box's own menu is Czech, or English.
#include "Language.h"
#include "WindowDriver.h"

#include <QPushButton>

class TestLanguage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { speak(desktopLanguage(), qApp); }

    void texts()
    {
        const bool english = qEnvironmentVariable("LANGUAGE") == u"en"_s;
        QCOMPARE(desktopLanguage(), english ? Language::English : Language::Czech);
        WindowDriver d;
        // A caption, a tooltip, a description, the selector's label; names stay.
        const QStringList shown{d.get<QPushButton>(u"resetButton"_s)->text(),
                                d.get(u"css1Button"_s)->toolTip(),
                                d.check(3)->toolTip(),
                                d.get<QLabel>(u"selectorLabel"_s)->text(),
                                d.check(3)->text(),
                                d.get<QPushButton>(u"css1Button"_s)->text()};
        const QStringList expected = english
                                         ? QStringList{u"reset to defaults"_s,
                                                       u"selects the properties defined in CSS 1"_s,
                                                       u"sets the background colour"_s,
                                                       u"Selector:"_s,
                                                       u"Background-color"_s,
                                                       u"CSS 1"_s}
                                         : QStringList{u"nastav výchozí hodnoty"_s,
                                                       u"vybere vlastnosti definované v CSS 1"_s,
                                                       u"určuje barvu pozadí"_s,
                                                       u"Selektor:"_s,
                                                       u"Background-color"_s,
                                                       u"CSS 1"_s};
        QCOMPARE(shown, expected);
        // The value box's own context menu: the window's undo and redo, then Qt's items.
        QStringList items;
        QObject scope;
        WindowDriver::when(
            &scope,
            [] { return qobject_cast<QMenu *>(QApplication::activePopupWidget()); },
            [&items] {
                auto *const menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
                for (const QAction *const action : menu->actions())
                    items << action->text();
                menu->close();
            });
        d.run({u"rightclick valueBox3"_s});
        QTRY_VERIFY(!items.isEmpty());
        const QString all = items.join(u'|');
        QVERIFY2(all.startsWith(english ? u"Undo|Redo|"_s : u"Zpět|Znovu|"_s), qPrintable(all));
        for (const QString &item : english ? QStringList{u"|Select All\t"_s, u"Choose colour"_s}
                                           : QStringList{u"|Vybrat vše\t"_s, u"Vybrat barvu"_s})
            QVERIFY2(all.contains(item), qPrintable(all));
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
