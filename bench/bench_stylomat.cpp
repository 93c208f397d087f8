// How long the work on the per-keystroke path takes. Run with ./scripts/bench.sh.
#include "Catalogue.h"
#include "FrmStylomat.h"
#include "RuleBuilder.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

using namespace Qt::StringLiterals;

class BenchStylomat : public QObject {
    Q_OBJECT

private:
    // The window showing the full rule: every property with a non-empty default.
    static std::unique_ptr<FrmStylomat> fullRuleWindow()
    {
        auto window = std::make_unique<FrmStylomat>();
        window->show();
        window->findChild<QCheckBox *>(u"chkStyl"_s)->setChecked(false);
        return window;
    }

private Q_SLOTS:
    void ruleBuildInMemory()
    {
        Catalogue catalogue;
        catalogue.load();
        QString rule;
        QBENCHMARK
        {
            rule = ruleText(u"body"_s, 0, catalogue);
        }
        QCOMPARE(rule.count(u"\r\n"_s), 80);
    }

    // A key release that changes the value: store, rebuild, replace the pane.
    void keyReleaseToPane()
    {
        const auto window = fullRuleWindow();
        QLineEdit *const edit = window->findChild<QComboBox *>(u"cmbHodnota3"_s)->lineEdit();
        const std::array<QString, 2> values = {u"red"_s, u"blue"_s};
        int turn = 0;
        QBENCHMARK
        {
            edit->setText(values[std::size_t(++turn % 2)]);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_E, Qt::NoModifier, u"e"_s);
            QApplication::sendEvent(edit, &release);
        }
        QVERIFY(
            window->paneText().contains(u"background-color: "_s + values[std::size_t(turn % 2)]));
    }

    // The same rule texts put into the pane with nothing else done.
    void barePaneReplacement()
    {
        const auto window = fullRuleWindow();
        Catalogue catalogue;
        catalogue.load();
        catalogue.setHodnota(3, u"red"_s);
        const QString red = ruleText(QString(), 0, catalogue);
        catalogue.setHodnota(3, u"blue"_s);
        const std::array<QString, 2> rules = {red, ruleText(QString(), 0, catalogue)};
        int turn = 0;
        QBENCHMARK
        {
            window->replacePaneText(rules[std::size_t(++turn % 2)]);
        }
        QCOMPARE(window->paneText(), rules[std::size_t(turn % 2)]);
    }

    // Ten rows refreshed: captions, ticks, value lists refilled, texts.
    void pageChange()
    {
        const auto window = fullRuleWindow();
        QScrollBar *const bar = window->findChild<QScrollBar *>(u"vscVlastnost"_s);
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
            FrmStylomat window;
            window.show();
            QCoreApplication::processEvents();
            QVERIFY(window.paneText().endsWith(u"  }"_s));
        }
    }

    void minimalWindowCreation()
    {
        QBENCHMARK
        {
            QWidget window;
            window.resize(505, 337);
            window.show();
            QCoreApplication::processEvents();
        }
    }
};

QTEST_MAIN(BenchStylomat)
#include "bench_stylomat.moc"
