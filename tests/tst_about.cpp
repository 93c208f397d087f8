#include "FrmOProgramu.h"
#include "WindowDriver.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>

using namespace Qt::StringLiterals;

class TestAbout : public QObject {
    Q_OBJECT

private:
    // Runs `during` once the About window is up, then reports whether it closed.
    template <class Action> static bool closesOn(Action during)
    {
        FrmOProgramu about;
        bool stillOpen = true;
        QTimer::singleShot(0, &about, [&] {
            during(about);
            QTest::qWait(20);
            stillOpen = about.isVisible();
            if (stillOpen)
                about.done(QDialog::Rejected);
        });
        about.exec();
        return !stillOpen;
    }

private Q_SLOTS:
    void looksAsDesigned()
    {
        FrmOProgramu about;
        QCOMPARE(about.windowTitle(), u"Hlavolam 1.0"_s);
        QCOMPARE(about.size(), QSize(249, 129));
        const auto *const picture = about.findChild<QLabel *>(u"imgInfo"_s);
        QVERIFY(picture);
        QCOMPARE(picture->geometry(), QRect(8, 8, 235, 115));
        QCOMPARE(picture->pixmap().size(), QSize(235, 115));
        QCOMPARE(about.palette().color(QPalette::Window), QColor(Qt::black));
    }

    void centring_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QSize>("outer");
        QTest::addColumn<QPoint>("origin");
        QTest::newRow("even") << QSize(1280, 1024) << QSize(250, 130) << QPoint(515, 447);
        QTest::newRow("halves round away from zero")
            << QSize(1280, 1024) << QSize(249, 129) << QPoint(516, 448);
        QTest::newRow("with a frame") << QSize(1920, 1080) << QSize(255, 158) << QPoint(833, 461);
        QTest::newRow("screen smaller: hangs over, not clamped")
            << QSize(200, 100) << QSize(249, 129) << QPoint(-25, -15);
        QTest::newRow("same size") << QSize(249, 129) << QSize(249, 129) << QPoint(0, 0);
    }
    void centring()
    {
        QFETCH(QSize, screen);
        QFETCH(QSize, outer);
        QFETCH(QPoint, origin);
        QCOMPARE(FrmOProgramu::centredOrigin(screen, outer), origin);
    }

    void centredOnEveryOpening()
    {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        for (int opening = 0; opening < 2; ++opening) {
            FrmOProgramu about;
            QCOMPARE(about.pos(), screen.topLeft() +
                                      FrmOProgramu::centredOrigin(screen.size(), QSize(249, 129)));
        }
    }

    void charactersClose_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("Enter") << int(Qt::Key_Return) << u"\r"_s;
        QTest::newRow("Esc") << int(Qt::Key_Escape) << u"\x1b"_s;
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << u"\b"_s;
        QTest::newRow("Space") << int(Qt::Key_Space) << u" "_s;
        QTest::newRow("letter") << int(Qt::Key_Q) << u"q"_s;
        QTest::newRow("Czech letter") << 0x10c << u"č"_s;
        QTest::newRow("digit") << int(Qt::Key_7) << u"7"_s;
    }
    void charactersClose()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        QVERIFY(closesOn([&](FrmOProgramu &about) {
            QTest::sendKeyEvent(QTest::Press, &about, Qt::Key(key), text, Qt::NoModifier);
        }));
    }

    void otherKeysDoNot_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("arrow") << int(Qt::Key_Left);
        QTest::newRow("function key") << int(Qt::Key_F1);
        QTest::newRow("Shift") << int(Qt::Key_Shift);
        QTest::newRow("Ctrl") << int(Qt::Key_Control);
        QTest::newRow("Page Down") << int(Qt::Key_PageDown);
    }
    void otherKeysDoNot()
    {
        QFETCH(int, key);
        QVERIFY(!closesOn([&](FrmOProgramu &about) {
            QTest::sendKeyEvent(QTest::Press, &about, Qt::Key(key), QString(), Qt::NoModifier);
        }));
    }

    void clicksClose_data()
    {
        QTest::addColumn<QPoint>("pos");
        QTest::newRow("picture") << QPoint(120, 60);
        QTest::newRow("left margin") << QPoint(3, 60);
        QTest::newRow("bottom right margin") << QPoint(246, 126);
    }
    void clicksClose()
    {
        QFETCH(QPoint, pos);
        QVERIFY(closesOn([&](FrmOProgramu &about) {
            QWidget *const target = about.childAt(pos) ? about.childAt(pos) : &about;
            QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&about, pos));
        }));
    }

    // While About is open the main window takes no input, but its timer goes on.
    void mainWindowIsBlockedButItsTimerRuns()
    {
        WindowDriver d;
        d.scroll()->setValue(70); // Outline
        QVERIFY(d.pick(d.box(1), u"složit z dílčích hodnot"_s));
        QVERIFY(d.timer()->isActive());
        QString boxWhileOpen;
        qint16 flagAfterClick = -1;
        QTimer::singleShot(50, &d.w(), [&] {
            QWidget *const about = QApplication::activeModalWidget();
            QVERIFY(about);
            boxWhileOpen = d.box(1)->currentText();
            // Through the window system, as a real click arrives, so modality applies.
            QPushButton *const css1 = d.button("cmdCSS1");
            QTest::mouseClick(d.w().windowHandle(), Qt::LeftButton, {},
                              css1->mapTo(&d.w(), css1->rect().center()));
            flagAfterClick = d.w().catalogue().zapsat(70);
            QTest::keyClick(about, Qt::Key_Escape);
        });
        QTest::mouseDClick(&d.w(), Qt::LeftButton, {}, QPoint(80, 100));
        QCOMPARE(boxWhileOpen, u"invert none medium"_s);
        QCOMPARE(flagAfterClick, qint16(1));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        // The same click once About is closed does reach the button.
        QPushButton *const css1 = d.button("cmdCSS1");
        QTest::mouseClick(d.w().windowHandle(), Qt::LeftButton, {},
                          css1->mapTo(&d.w(), css1->rect().center()));
        QCOMPARE(d.w().catalogue().zapsat(70), qint16(0));
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
