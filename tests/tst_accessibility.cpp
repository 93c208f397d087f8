// What a screen reader gets from the windows, read through Qt's accessibility
// interfaces in-process.
#include "FrmOProgramu.h"
#include "WindowDriver.h"

#include <QAccessible>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace {

QString accessible(QObject *object, QAccessible::Text text)
{
    QAccessibleInterface *const iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(text) : u"<no interface>"_s;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyControlHasAName()
    {
        WindowDriver d;
        QStringList nameless;
        const auto widgets = d.w().findChildren<QWidget *>();
        for (QWidget *const widget : widgets) {
            if (widget->focusPolicy() == Qt::NoFocus || !widget->isVisible())
                continue;
            if (accessible(widget, QAccessible::Name).trimmed().isEmpty())
                nameless << widget->objectName() + u" "_s +
                                QString::fromLatin1(widget->metaObject()->className());
        }
        QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(u", "_s)));
    }

    void namedControls_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("selector") << u"cmbSelektor"_s << u"Selektor"_s;
        QTest::newRow("scroll bar") << u"vscVlastnost"_s << u"Posun seznamu vlastností"_s;
        QTest::newRow("pane") << u"rtbStyl"_s << u"Pravidlo stylu"_s;
        QTest::newRow("switch") << u"chkStyl"_s << u"Zapisovat pouze změněné vlastnosti"_s;
        QTest::newRow("copy") << u"cmdCopy"_s << u"vlož styl do schránky"_s;
        QTest::newRow("CSS 1") << u"cmdCSS1"_s << u"CSS 1"_s;
    }
    void namedControls()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        WindowDriver d;
        QCOMPARE(accessible(d.find<QWidget>(control), QAccessible::Name), name);
    }

    void rowsNameTheirPropertyAsTheyPage()
    {
        WindowDriver d;
        QCOMPARE(accessible(d.box(3)->lineEdit(), QAccessible::Name),
                 u"Hodnota vlastnosti Background-color"_s);
        d.scroll()->setValue(33);
        QCOMPARE(accessible(d.box(1), QAccessible::Name), u"Hodnota vlastnosti Color"_s);
        QCOMPARE(accessible(d.box(1)->lineEdit(), QAccessible::Name),
                 u"Hodnota vlastnosti Color"_s);
        QCOMPARE(accessible(d.box(1)->lineEdit(), QAccessible::Description),
                 u"určuje barvu textu"_s);
        QCOMPARE(accessible(d.tick(1), QAccessible::Name), u"Color"_s);
        QCOMPARE(accessible(d.tick(1), QAccessible::Description), u"určuje barvu textu"_s);
        QCOMPARE(accessible(d.tick(2), QAccessible::Name), u"Content"_s);
    }

    void paneReadsAsTheRule()
    {
        WindowDriver d;
        d.type(d.box(3), u"x"_s);
        QCOMPARE(accessible(d.find<QWidget>(u"rtbStyl"_s), QAccessible::Value),
                 u"\n  {\n  background-color: transparentx;\n  }"_s);
    }

    void aboutPictureIsDescribed()
    {
        FrmOProgramu about;
        QCOMPARE(accessible(about.findChild<QLabel *>(u"imgInfo"_s), QAccessible::Name),
                 u"Stylomat 1.1, verze 1.01.0017"_s);
        QCOMPARE(accessible(&about, QAccessible::Name), u"Hlavolam 1.0"_s);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
