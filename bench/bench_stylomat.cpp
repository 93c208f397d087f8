// How long the work on the per-keystroke path takes. Run with ./scripts/bench.sh.
#include "Catalogue.h"
#include "MainWindow.h"
#include "PropertySearch.h"
#include "RuleBuilder.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

using namespace Qt::StringLiterals;

class BenchStylomat : public QObject {
    Q_OBJECT

private:
    // The window showing the full rule: every property with a non-empty default.
    static std::unique_ptr<MainWindow> fullRuleWindow()
    {
        auto window = std::make_unique<MainWindow>();
        window->show();
        QTest::mouseClick(window->findChild<QCheckBox *>(u"onlyChangedCheck"_s), Qt::LeftButton);
        return window;
    }

private Q_SLOTS:
    void ruleBuildInMemory()
    {
        const Catalogue catalogue;
        QString rule;
        QBENCHMARK
        {
            rule = ruleText(u"body"_s, false, catalogue);
        }
        QCOMPARE(rule.count(u"\r\n"_s), 80);
    }

    // What the find field does for each letter typed.
    void findOneLetterMore()
    {
        QList<int> found;
        QBENCHMARK
        {
            found = findProperties(u"vzdálenost mezi ř");
        }
        QCOMPARE(found.size(), 1); // Line-height
    }

    // A keystroke in a value box that changes the value: store, rebuild, replace the pane.
    void keystrokeToPane()
    {
        const auto window = fullRuleWindow();
        QComboBox *const box = window->findChild<QComboBox *>(u"valueBox3"_s);
        box->setFocus();
        const auto *const pane = window->findChild<QPlainTextEdit *>(u"rulePane"_s);
        int turn = 0;
        QBENCHMARK
        {
            QTest::keyClick(box, ++turn % 2 ? Qt::Key_X : Qt::Key_Backspace);
        }
        QVERIFY(pane->toPlainText().contains(u"background-color: transparent"_s));
    }

    // Ten rows refreshed: captions, ticks, value lists refilled, texts.
    void pageChange()
    {
        const auto window = fullRuleWindow();
        QScrollBar *const bar = window->findChild<QScrollBar *>(u"rowScrollBar"_s);
        int turn = 0;
        QBENCHMARK
        {
            bar->setValue(++turn % 2 ? 11 : 1);
        }
        QVERIFY(bar->value() == 1 || bar->value() == 11);
    }

    // A 1 MB rule pasted into the pane: read back, applied, the pane rebuilt.
    void megabytePasteReadBack_data()
    {
        QTest::addColumn<QString>("declaration");
        QTest::addRow("known properties") << u"color: red; margin-top: 1px; "_s;
        QTest::addRow("unknown properties kept") << u"-x-unknown-property: 1px; "_s;
    }
    void megabytePasteReadBack()
    {
        QFETCH(QString, declaration);
        const auto window = fullRuleWindow();
        QString rule = u"body {"_s;
        while (rule.size() < (1 << 20))
            rule += declaration;
        rule += u'}';
        QGuiApplication::clipboard()->setText(rule);
        auto *const pane = window->findChild<QPlainTextEdit *>(u"rulePane"_s);
        pane->setFocus();
        QTest::keyClick(pane, Qt::Key_A, Qt::ControlModifier);
        QBENCHMARK_ONCE
        {
            QTest::keyClick(pane, Qt::Key_V, Qt::ControlModifier);
        }
        QVERIFY(pane->toPlainText().startsWith(u"body\n  {"_s));
    }

    void windowCreationToFirstRule()
    {
        QBENCHMARK
        {
            MainWindow window;
            window.show();
            QCoreApplication::processEvents();
        }
    }
};

QTEST_MAIN(BenchStylomat)
#include "bench_stylomat.moc"
