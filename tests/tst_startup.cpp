// Drives the real binary on the private X server and tray host of isolate.sh: start-up, the
// single-instance guard and the ways out.
#include "xserver.h"

#include <QtTest>
#include <QtWidgets>

#include <csignal>
#include <sys/shm.h>
#include <unistd.h>

class tst_Startup : public QObject
{
    Q_OBJECT

    QList<QProcess *> monitors;
    // Where a second account can reach: a copy of the binary with no share/ beside it, a
    // temporary folder shared by all as on a real machine, the second account's own folders.
    QTemporaryDir shared { "/tmp/ostrelo-XXXXXX" };
    int squatted = -1; // a segment of this account's on the key of nobody's lock

    // Starts the monitor as this account ("me"), its copy ("bare") or as nobody ("other").
    QProcess *start(const QString &who = "me")
    {
        auto *monitor = new QProcess(this);
        monitor->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        const QString copy = shared.filePath("bin/ostrelo"), other = shared.filePath("other");
        if (who == "other")
            monitor->start("runuser",
                { "-u", "nobody", "--", "env", "HOME=" + other, "XDG_CONFIG_HOME=" + other,
                    "XDG_RUNTIME_DIR=" + other + "/runtime", copy });
        else
            monitor->start(
                who == "bare" ? copy : qEnvironmentVariable("OSTRELO_BINARY"), QStringList());
        monitors << monitor;
        return monitor;
    }

private slots:
    void initTestCase()
    {
        QTRY_VERIFY_WITH_TIMEOUT(QSystemTrayIcon::isSystemTrayAvailable(), 10000);
        qputenv("TMPDIR", QFile::encodeName(shared.filePath("tmp")));
        QCOMPARE(QProcess::execute("sh",
                     { "-c",
                         "cd " + shared.path()
                             + " && mkdir -p bin tmp other/runtime && cp \"$OSTRELO_BINARY\" bin"
                               " && chmod 755 . && chmod 1777 tmp && chmod 700 other/runtime"
                               " && chown -R nobody other" }),
            0);
    }

    void cleanup()
    {
        for (QProcess *monitor : qAsConst(monitors)) {
            monitor->terminate(); // politely, so no instance leaves its segment behind
            monitor->waitForFinished(10000);
        }
        qDeleteAll(monitors);
        monitors.clear();
        ::shmctl(std::exchange(squatted, -1), IPC_RMID, nullptr);
        QTRY_VERIFY(windows("Ostrelo").isEmpty());
    }

    // Starts in order, by who: "kill" kills the last one with SIGKILL, which leaves its segment
    // behind; "squat" takes the numeric key of nobody's lock with a segment that nobody may not
    // attach, as another account's may hold it by chance. A start marked "!" must be refused
    // with the box; any other shows one more window.
    void singleInstance_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::newRow("one account, after a killed instance") << "bare kill me me!";
        QTest::newRow("two accounts") << "me other other! me!";
        QTest::newRow("two accounts, the key taken") << "squat other";
    }
    void singleInstance()
    {
        QFETCH(QString, steps);
        if (steps.contains("other") && ::geteuid() != 0)
            QSKIP("starting the monitor as a second account needs root");
        for (QString step : steps.split(' ')) {
            const int shown = windows("Ostrelo").size();
            if (step == "squat") {
                const QByteArray file
                    = QFile::encodeName(shared.filePath("other/runtime/ostrelo-instance"));
                QVERIFY(QFile(file).open(QIODevice::WriteOnly)); // where Qt derives the key from
                squatted = ::shmget(::ftok(file, 'Q'), 1, IPC_CREAT | IPC_EXCL | 0600);
                QVERIFY(squatted >= 0);
                continue;
            }
            if (step == "kill") {
                monitors.last()->kill();
                QVERIFY(monitors.takeLast()->waitForFinished());
                QTRY_COMPARE(windows("Ostrelo").size(), shown - 1);
                continue;
            }
            const bool refused = step.endsWith('!');
            QProcess *monitor = start(step.remove('!'));
            const QString title = refused ? "提示" : "Ostrelo";
            QTRY_COMPARE_WITH_TIMEOUT(windows(title).size(), refused ? 1 : shown + 1, 10000);
            for (const QString &window : windows(title)) {
                const QString icon = run("xprop -id " + window + " _NET_WM_ICON").join(' ');
                QVERIFY(icon.contains("Icon (48 x 48)"));
            }
            if (!refused)
                continue;
            // Compared pixel for pixel with a box built here: same Qt, same fonts, so only another
            // text or button row can differ.
            QMessageBox reference(QMessageBox::Information, "提示",
                "程序已经运行,请点击托盘图标打开主界面", QMessageBox::Ok);
            reference.setDefaultButton(QMessageBox::NoButton);
            reference.show();
            QVERIFY(QTest::qWaitForWindowExposed(&reference));
            const QString box = windows(title).constFirst();
            QScreen *screen = QGuiApplication::primaryScreen();
            QTRY_COMPARE(screen->grabWindow(box.toULongLong()).toImage(),
                screen->grabWindow(reference.winId()).toImage());
            reference.hide();
            run("xdotool windowfocus --sync " + box + " key Return");
            QVERIFY(monitor->waitForFinished(10000));
            QCOMPARE(monitor->exitCode(), 1);
            monitors.removeOne(monitor);
            QCOMPARE(windows("Ostrelo").size(), shown);
        }
        for (const QProcess *monitor : qAsConst(monitors))
            QCOMPARE(monitor->state(), QProcess::Running);
    }

    // Each way out saves the choice, every key of it, and releases the lock for the next start.
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
        const QString settings = qEnvironmentVariable("XDG_CONFIG_HOME") + "/ostrelo/settings.conf";
        QFile::remove(settings);
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
        QFile file(settings);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(),
            "[General]\navgTempEnabled=false\ncpuFreqEnabled=true\ncpuMaxTempEnabled=false\n"
            "cpuUsageEnabled=true\nhddTempEnabled=false\nmemoryEnabled=true\n"
            "otherTempEnabled=false\nswapEnabled=true\n");
        start();
        QTRY_COMPARE_WITH_TIMEOUT(windows("Ostrelo").size(), 1, 10000);
    }
};

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"
