// The program as started from a terminal: its own options answer without a display, in the
// desktop's language (Czech under C, English under LANGUAGE=en), Qt's standard options
// reach Qt, anything else is one clear line and exit code 1.
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

class TestCommandLine : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void answers_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("exitCode");   // -1: still running, the window painted
        QTest::addColumn<QString>("output"); // the start of stdout, or else of stderr
        QTest::addRow("--version") << u"--version"_s << 0 << u"Stylomat 1.01.0017\n"_s;
        QTest::addRow("-v after Qt's options")
            << u"-style fusion -reverse -platform offscreen -v"_s << 0 << u"Stylomat 1.01.0017\n"_s;
        QTest::addRow("--help")
            << u"--help"_s << 0
            << u"Použití: %1 [volby]\nSestaví jedno pravidlo stylu CSS bez psaní."_s;
        QTest::addRow("--help in English")
            << u"en --help"_s << 0
            << u"Usage: %1 [options]\nComposes one CSS style rule without typing it."_s;
        QTest::addRow("unknown option")
            << u"--colour"_s << 1 << u"stylomat: Neznámá volba 'colour'.\nVíce řekne"_s;
        QTest::addRow("unknown option in English")
            << u"en --colour"_s << 1 << u"stylomat: Unknown option 'colour'.\nTry"_s;
        QTest::addRow("a file name")
            << u"a.css"_s << 1 << u"stylomat: nečekaný argument „a.css“\n"_s;
        QTest::addRow("no display") << QString() << 1 << u"stylomat: cannot open a window: "_s;
        QTest::addRow("no display, but Qt's platform option")
            << u"-platform offscreen -qwindowtitle x"_s << -1 << QString();
    }
    void answers()
    {
        QFETCH(QString, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QProcess program; // with no display: see tests/CMakeLists.txt
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // Qt then says on stderr when the window has been painted.
        environment.insert(u"QT_LOGGING_RULES"_s, u"qt.widgets.painting=true"_s);
        environment.insert(u"LANG"_s, u"C"_s);
        environment.remove(u"LC_ALL"_s);
        environment.remove(u"LC_MESSAGES"_s);
        environment.insert(u"LANGUAGE"_s, arguments.startsWith(u"en "_s) ? u"en"_s : QString());
        if (arguments.startsWith(u"en "_s))
            arguments.remove(0, 3);
        program.setProcessEnvironment(environment);
        program.start(QString::fromLocal8Bit(STYLOMAT_EXECUTABLE),
                      arguments.split(u' ', Qt::SkipEmptyParts));
        QByteArray errBytes;
        QVERIFY(QTest::qWaitFor(
            [&] {
                errBytes += program.readAllStandardError();
                return program.state() == QProcess::NotRunning ||
                       errBytes.contains("Painting and flushing");
            },
            20000));
        QCOMPARE(program.state() == QProcess::NotRunning ? program.exitCode() : -1, exitCode);
        program.kill();
        program.waitForFinished();
        const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(errBytes + program.readAllStandardError())
                                .remove(QRegularExpression(u"^qt\\.widgets\\.painting:.*\n"_s,
                                                           QRegularExpression::MultilineOption));
        QVERIFY2((exitCode == 0 ? out : err)
                     .startsWith(QString(output).replace(
                         u"%1"_s, QString::fromLocal8Bit(STYLOMAT_EXECUTABLE))),
                 qPrintable(out + err));
        if (exitCode == 0)
            QCOMPARE(err, QString());
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
