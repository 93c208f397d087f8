#include "Catalogue.h"
#include "RuleBuilder.h"
#include "RuleWindow.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Stands in for the window: records every read and replacement.
class FakeWindow : public RuleWindow {
public:
    QString selector;
    int onlyChanged = 1;
    QString pane = u"stale text"_s;
    mutable QStringList reads;
    int replacements = 0;

    QString selectorText() const override
    {
        reads << u"selector"_s;
        return selector;
    }
    int onlyChangedValue() const override
    {
        reads << u"switch"_s;
        return onlyChanged;
    }
    QString paneText() const override { return pane; }
    void replacePaneText(const QString &text) override
    {
        pane = text;
        ++replacements;
    }
};

Catalogue loaded()
{
    Catalogue c;
    c.load();
    return c;
}

const QString crlf = u"\r\n"_s;

QString lines(const QStringList &l)
{
    return l.join(crlf);
}

} // namespace

class TestRuleBuilder : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startUpRuleHasNoDeclarations()
    {
        const Catalogue c = loaded();
        FakeWindow w;
        KonstrukceStylu(w, c);
        QCOMPARE(w.pane, u"\r\n  {\r\n  }"_s);
        QCOMPARE(w.replacements, 1);
    }

    void worksThroughTheWindowInOrder()
    {
        Catalogue c = loaded();
        c.setHodnota(3, u"Yellow"_s);
        c.setHodnota(49, u"bold"_s);
        FakeWindow w;
        w.selector = u"BODY "_s;
        KonstrukceStylu(w, c);
        QCOMPARE(w.pane, lines({u"body"_s, u"  {"_s, u"  background-color: yellow;"_s,
                                u"  font-weight: bold;"_s, u"  }"_s}));
    }

    // Every property with a non-empty default, in catalogue order.
    void fullRuleWithTheSwitchOff()
    {
        const Catalogue c = loaded();
        const QString text = ruleText(u"p"_s, 0, c);
        const QStringList l = text.split(crlf);
        QCOMPARE(l.size(), 78 + 3);
        QCOMPARE(l.first(), u"p"_s);
        QCOMPARE(l.at(1), u"  {"_s);
        QCOMPARE(l.at(2), u"  background-attachment: scroll;"_s);
        QCOMPARE(l.last(), u"  }"_s);
        QVERIFY(l.contains(u"  content: empty string;"_s));
        QVERIFY(l.contains(u"  padding-bottom: 0;"_s));
        QVERIFY(l.contains(u"  background-position: 0% 0%;"_s));
        QVERIFY(!l.contains(u"  color: ;"_s));
        QCOMPARE(l.at(l.size() - 2), u"  z-index: auto;"_s);
        QVERIFY(!text.endsWith(crlf));
        QCOMPARE(text.count(u'\r'), 80);
        QCOMPARE(text.count(u'\n'), 80);
        for (int i = 2; i < l.size() - 1; ++i)
            QVERIFY2(l.at(i).startsWith(u"  "_s) && l.at(i).endsWith(u';') &&
                         l.at(i).contains(u": "_s),
                     qPrintable(l.at(i)));
    }

    void switchValuesOtherThanOneWriteDefaults_data()
    {
        QTest::addColumn<int>("value");
        QTest::newRow("unticked") << 0;
        QTest::newRow("grey") << 2;
    }
    void switchValuesOtherThanOneWriteDefaults()
    {
        QFETCH(int, value);
        QCOMPARE(ruleText(QString(), value, loaded()).count(crlf), 80);
    }

    // One property set to a value, checked with the switch ticked and unticked.
    void valueCases_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("ticked");   // declaration line, or empty for none
        QTest::addColumn<QString>("unticked"); // same with the switch off
        QTest::newRow("spaces only") << 33 << u"   "_s << QString() << QString();
        QTest::newRow("empty") << 2 << QString() << QString() << QString();
        QTest::newRow("default in capitals and spaces")
            << 2 << u" Scroll "_s << QString() << u"  background-attachment: scroll;"_s;
        QTest::newRow("inner spaces differ")
            << 5 << u"0%  0%"_s << u"  background-position: 0%  0%;"_s
            << u"  background-position: 0%  0%;"_s;
        QTest::newRow("lower-cased, inner spaces kept")
            << 43 << u"Times New Roman"_s << u"  font-family: times new roman;"_s
            << u"  font-family: times new roman;"_s;
        QTest::newRow("Czech capitals lower-case")
            << 33 << u"ČERVENÁ"_s << u"  color: červená;"_s << u"  color: červená;"_s;
        QTest::newRow("dotted capital I grows")
            << 33 << u"\u0130"_s << u"  color: i\u0307;"_s << u"  color: i\u0307;"_s;
        QTest::newRow("tab is not trimmed")
            << 2 << u"\tscroll"_s << u"  background-attachment: \tscroll;"_s
            << u"  background-attachment: \tscroll;"_s;
        QTest::newRow("line break is not trimmed")
            << 33 << u"red\n"_s << u"  color: red\n;"_s << u"  color: red\n;"_s;
        QTest::newRow("no-break space is not trimmed")
            << 33 << u"\u00a0red"_s << u"  color: \u00a0red;"_s << u"  color: \u00a0red;"_s;
        QTest::newRow("invalid css is written")
            << 100 << u"Široký jako dům"_s << u"  width: široký jako dům;"_s
            << u"  width: široký jako dům;"_s;
        QTest::newRow("emoji kept")
            << 33 << u"😀 Red"_s << u"  color: 😀 red;"_s << u"  color: 😀 red;"_s;
    }
    void valueCases()
    {
        QFETCH(int, index);
        QFETCH(QString, value);
        QFETCH(QString, ticked);
        QFETCH(QString, unticked);
        Catalogue c = loaded();
        c.setHodnota(index, value);
        const QString on = ruleText(u"a"_s, 1, c);
        QCOMPARE(on, ticked.isEmpty() ? u"a\r\n  {\r\n  }"_s
                                      : lines({u"a"_s, u"  {"_s, ticked, u"  }"_s}));
        const QString off = ruleText(u"a"_s, 0, c);
        const QString name = c.vlastnost(index).Nazev.toLower();
        const QStringList offLines = off.split(crlf);
        const auto ownLine = [&]() -> QString {
            for (const QString &l : offLines)
                if (l.startsWith(u"  "_s + name + u": "_s))
                    return l;
            return {};
        };
        QCOMPARE(ownLine(), unticked);
    }

    void excludedPropertyIsNeverWritten()
    {
        Catalogue c = loaded();
        c.setHodnota(7, u"1px solid red"_s);
        c.setZapsat(7, 0);
        QCOMPARE(ruleText(u"div"_s, 1, c), u"div\r\n  {\r\n  }"_s);
        QVERIFY(!ruleText(u"div"_s, 0, c).contains(u"border:"_s));
        c.setZapsat(7, 2); // only 1 includes
        QVERIFY(!ruleText(u"div"_s, 0, c).contains(u"border:"_s));
    }

    void declarationsFollowCatalogueOrder()
    {
        Catalogue c = loaded();
        c.setHodnota(102, u"5"_s);
        c.setHodnota(1, u"red"_s);
        c.setHodnota(76, u"2px"_s);
        QCOMPARE(ruleText(u"td"_s, 1, c),
                 lines({u"td"_s, u"  {"_s, u"  background: red;"_s, u"  padding-bottom: 2px;"_s,
                        u"  z-index: 5;"_s, u"  }"_s}));
    }

    void selectorCases_data()
    {
        QTest::addColumn<QString>("selector");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("spaces only") << u"    "_s << QString();
        QTest::newRow("capitals and spaces")
            << u"  DIV.Menu > A:Hover "_s << u"div.menu > a:hover"_s;
        QTest::newRow("tab stays") << u"\tp"_s << u"\tp"_s;
        QTest::newRow("Czech") << u"TŘÍDA"_s << u"třída"_s;
        QTest::newRow("right to left") << u"\u05D0\u05D1 P"_s << u"\u05D0\u05D1 p"_s;
        QTest::newRow("combining mark") << u"E\u0301"_s << u"e\u0301"_s;
    }
    void selectorCases()
    {
        QFETCH(QString, selector);
        QFETCH(QString, firstLine);
        QCOMPARE(ruleText(selector, 1, loaded()), firstLine + u"\r\n  {\r\n  }"_s);
    }

    void selectorIsReadBeforeTheSwitch()
    {
        FakeWindow w;
        KonstrukceStylu(w, loaded());
        QCOMPARE(w.reads, (QStringList{u"selector"_s, u"switch"_s}));
    }

    void eachBuildStartsAfresh()
    {
        Catalogue c = loaded();
        FakeWindow w;
        c.setHodnota(33, u"red"_s);
        KonstrukceStylu(w, c);
        c.setHodnota(33, QString());
        KonstrukceStylu(w, c);
        QCOMPARE(w.pane, u"\r\n  {\r\n  }"_s);
    }

    void hugeValueIsWrittenWhole()
    {
        Catalogue c = loaded();
        const QString big(1 << 20, u'X');
        c.setHodnota(33, big);
        const QString text = ruleText(u"p"_s, 1, c);
        QCOMPARE(text.size(), qsizetype(1 + 2 + 3 + 2 + 9 + big.size() + 1 + 2 + 3));
        QVERIFY(text.contains(big.toLower()));
    }
};

QTEST_GUILESS_MAIN(TestRuleBuilder)
#include "tst_rulebuilder.moc"
