// Drives the real binary on the private X server and tray host of isolate.sh: start-up, the
// single-instance guard and the ways out.
#include "xserver.h"

#include <QtTest>
#include <QtWidgets>

#include <csignal>

static bool hasIcon(const QString &window)
{
    return run("xprop -id " + window + " _NET_WM_ICON").join(' ').contains("Icon (48 x 48)");
}

class tst_Startup : public QObject
{
    Q_OBJECT

    QList<QProcess *> monitors;
    const QString settingsFile = qEnvironmentVariable("XDG_CONFIG_HOME") + "/ostrelo/settings.conf";

    QProcess *start(const QString &program = qEnvironmentVariable("OSTRELO_BINARY"))
    {
        auto *monitor = new QProcess(this);
        monitor->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        monitor->start(program, QStringList());
        monitors << monitor;
        return monitor;
    }

private slots:
    void initTestCase()
    {
        QTRY_VERIFY_WITH_TIMEOUT(QSystemTrayIcon::isSystemTrayAvailable(), 10000);
    }

    void cleanup()
    {
        for (QProcess *monitor : qAsConst(monitors)) {
            monitor->terminate(); // politely, so no instance leaves its segment behind
            if (!monitor->waitForFinished(10000))
                monitor->kill();
        }
        qDeleteAll(monitors);
        monitors.clear();
        QTRY_VERIFY(windows("Ostrelo").isEmpty());
        QFile::remove(settingsFile);
    }

    void singleInstance()
    {
        // A copy with no share/ beside it takes the built-in icon.
        QTemporaryDir bare;
        QVERIFY(QDir(bare.path()).mkpath("bin"));
        QVERIFY(QFile::copy(qEnvironmentVariable("OSTRELO_BINARY"), bare.filePath("bin/ostrelo")));
        QProcess *killed = start(bare.filePath("bin/ostrelo"));
        QTRY_COMPARE_WITH_TIMEOUT(windows("Ostrelo").size(), 1, 10000);
        QVERIFY(hasIcon(windows("Ostrelo").constFirst()));
        // Killed, it leaves its segment behind, which must not block the next start.
        killed->kill();
        QVERIFY(killed->waitForFinished());
        QProcess *first = start();
        QTRY_COMPARE_WITH_TIMEOUT(windows("Ostrelo").size(), 1, 10000);

        QProcess *second = start();
        QTRY_COMPARE_WITH_TIMEOUT(windows("提示").size(), 1, 10000);
        const QString box = windows("提示").constFirst();
        QVERIFY(hasIcon(box) && hasIcon(windows("Ostrelo").constFirst()));
        // Compared pixel for pixel with a box built here: same Qt, same fonts, so only another
        // text or button row can differ.
        QMessageBox reference(QMessageBox::Information, "提示",
            "程序已经运行,请点击托盘图标打开主界面", QMessageBox::Ok);
        reference.setDefaultButton(QMessageBox::NoButton);
        reference.show();
        QVERIFY(QTest::qWaitForWindowExposed(&reference));
        QScreen *screen = QGuiApplication::primaryScreen();
        QTRY_COMPARE(screen->grabWindow(box.toULongLong()).toImage(),
            screen->grabWindow(reference.winId()).toImage());
        reference.hide();
        run("xdotool windowfocus --sync " + box + " key Return");
        QVERIFY(second->waitForFinished(10000));
        QCOMPARE(second->exitCode(), 1);
        QCOMPARE(first->state(), QProcess::Running);
        QCOMPARE(windows("Ostrelo").size(), 1);
    }

    void endings_data()
    {
        QTest::addColumn<int>("signal"); // 0: the tray menu's "退出"
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
        QTest::newRow("tray menu") << 0;
    }
    void endings()
    {
        QFETCH(int, signal);
        QProcess *monitor = start();
        QTRY_COMPARE_WITH_TIMEOUT(windows("Ostrelo").size(), 1, 10000);
        // Tick the fourth box (CPU frequency) from the keyboard; its label makes the window taller.
        const QString window = windows("Ostrelo").constFirst();
        const QStringList before = run("xdotool getwindowgeometry " + window);
        run("xdotool windowfocus --sync " + window + " key Tab Tab Tab space");
        QTRY_VERIFY(run("xdotool getwindowgeometry " + window) != before);
        if (signal) {
            ::kill(monitor->processId(), signal);
        } else {
            QString icon;
            QTRY_VERIFY_WITH_TIMEOUT(!(icon = dockedIcon("ostrelo")).isEmpty(), 10000);
            run("xdotool mousemove --window " + icon + " 11 11 click 3");
            QTRY_COMPARE(windows("ostrelo", "--class").size(), 2); // the menu is a top level too
            run("xdotool key Down Down Return");
        }
        QVERIFY(monitor->waitForFinished(10000));
        QCOMPARE(monitor->exitStatus(), QProcess::NormalExit);
        QCOMPARE(monitor->exitCode(), 0);
        const QSettings stored(settingsFile, QSettings::IniFormat);
        QCOMPARE(stored.allKeys().size(), 8);
        QCOMPARE(stored.value("cpuFreqEnabled").toString(), "true");
        QCOMPARE(stored.value("otherTempEnabled").toString(), "false");
        // The lock went with it: the next start is not refused.
        start();
        QTRY_COMPARE_WITH_TIMEOUT(windows("Ostrelo").size(), 1, 10000);
    }
};

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"
