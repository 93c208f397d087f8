// The program as started from a terminal: its own options answer without a display,
// Qt's standard options reach Qt, anything else is one clear line and exit code 1.
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

class TestCommandLine : public QObject {
    Q_OBJECT

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
        QTest::addColumn<QString>("output"); // the start of stdout, then of stderr
        const QString version = u"Stylomat 1.01.0017\n"_s;
        QTest::addRow("--version") << QStringList{u"--version"_s} << 0 << version;
        QTest::addRow("-v after Qt's options")
            << QStringList{u"-style"_s,    u"fusion"_s,    u"-reverse"_s,
                           u"-platform"_s, u"offscreen"_s, u"-v"_s}
            << 0 << version;
        QTest::addRow("--help") << QStringList{u"--help"_s} << 0 << u"Usage: "_s;
        QTest::addRow("unknown option")
            << QStringList{u"--colour"_s} << 1 << u"stylomat: Unknown option 'colour'.\n"_s;
        QTest::addRow("a file name")
            << QStringList{u"styl.css"_s} << 1 << u"stylomat: unexpected argument 'styl.css'\n"_s;
        QTest::addRow("no display") << QStringList() << 1 << u"stylomat: cannot open a window: "_s;
    }
    void answers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QProcess program;
        program.setProcessEnvironment(withoutDisplay());
        program.start(QString::fromLocal8Bit(STYLOMAT_EXECUTABLE), arguments);
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), exitCode);
        const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(program.readAllStandardError());
        QVERIFY2((exitCode == 0 ? out : err).startsWith(output), qPrintable(out + err));
        if (exitCode == 0)
            QCOMPARE(err, QString());
    }

    // Without a display, -platform offscreen still opens the window: Qt took the option.
    void qtOptionsReachQt()
    {
        QProcess program;
        program.setProcessEnvironment(withoutDisplay());
        program.start(QString::fromLocal8Bit(STYLOMAT_EXECUTABLE),
                      {u"-platform"_s, u"offscreen"_s, u"-qwindowtitle"_s, u"x"_s});
        QVERIFY(program.waitForStarted());
        QVERIFY(!program.waitForFinished(1500));
        program.kill();
        program.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
