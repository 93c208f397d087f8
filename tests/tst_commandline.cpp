// The program as started from a terminal: --help and --version answer and exit, a
// wrong argument is refused, and a missing display is one clear line, not a crash.
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

class TestCommandLine : public QObject {
    Q_OBJECT

private:
    struct Outcome {
        int exitCode = -1;
        QProcess::ExitStatus status = QProcess::CrashExit;
        QString out;
        QString err;
    };

    static Outcome run(const QStringList &arguments, const QProcessEnvironment &environment)
    {
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QString::fromLocal8Bit(STYLOMAT_EXECUTABLE), arguments);
        Outcome outcome;
        if (!program.waitForFinished(20000)) {
            program.kill();
            program.waitForFinished();
            return outcome;
        }
        outcome.exitCode = program.exitCode();
        outcome.status = program.exitStatus();
        outcome.out = QString::fromLocal8Bit(program.readAllStandardOutput());
        outcome.err = QString::fromLocal8Bit(program.readAllStandardError());
        return outcome;
    }

    static QProcessEnvironment withoutDisplay()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString &name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
            environment.remove(name);
        return environment;
    }

private Q_SLOTS:
    void answers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("stdoutStart");
        QTest::addColumn<QString>("stderrStart");
        QTest::newRow("--version")
            << QStringList{u"--version"_s} << 0 << u"Stylomat 1.01.0017\n"_s << QString();
        QTest::newRow("-v") << QStringList{u"-v"_s} << 0 << u"Stylomat 1.01.0017\n"_s << QString();
        QTest::newRow("--help") << QStringList{u"--help"_s} << 0 << u"Usage: "_s << QString();
        QTest::newRow("unknown option") << QStringList{u"--colour"_s} << 1 << QString()
                                        << u"stylomat: Unknown option 'colour'.\n"_s;
        QTest::newRow("a file name") << QStringList{u"styl.css"_s} << 1 << QString()
                                     << u"stylomat: unexpected argument 'styl.css'\n"_s;
    }
    void answers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, stdoutStart);
        QFETCH(QString, stderrStart);
        // No display is needed for any of these.
        const Outcome outcome = run(arguments, withoutDisplay());
        QCOMPARE(outcome.status, QProcess::NormalExit);
        QCOMPARE(outcome.exitCode, exitCode);
        QVERIFY2(outcome.out.startsWith(stdoutStart), qPrintable(outcome.out));
        QVERIFY2(outcome.err.startsWith(stderrStart), qPrintable(outcome.err));
        if (stdoutStart.isEmpty())
            QVERIFY(outcome.out.isEmpty());
    }

    void helpNamesTheOptions()
    {
        const Outcome outcome = run({u"--help"_s}, withoutDisplay());
        QVERIFY(outcome.out.contains(u"--version"_s));
        QVERIFY(outcome.out.contains(u"--help"_s));
    }

    void noDisplayIsOneClearLine_data()
    {
        QTest::addColumn<QString>("display");
        QTest::newRow("none set") << QString();
        QTest::newRow("one that is not there") << u":97"_s;
    }
    void noDisplayIsOneClearLine()
    {
        QFETCH(QString, display);
        QProcessEnvironment environment = withoutDisplay();
        if (!display.isEmpty())
            environment.insert(u"DISPLAY"_s, display);
        environment.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
        const Outcome outcome = run({}, environment);
        QCOMPARE(outcome.status, QProcess::NormalExit);
        QCOMPARE(outcome.exitCode, 1);
        QVERIFY2(outcome.err.startsWith(u"stylomat: cannot open a window: "_s),
                 qPrintable(outcome.err));
        QCOMPARE(outcome.err.count(u'\n'), 1);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
