// How long the work on the per-keystroke path takes. Run with ./scripts/bench.sh.
#include "Catalogue.h"
#include "MainWindow.h"
#include "RuleBuilder.h"

#include <QCheckBox>
#include <QComboBox>
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
