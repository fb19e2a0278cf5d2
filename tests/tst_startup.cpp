// Drives the real binary on the private X server and tray host of isolate.sh: start-up, the
// single-instance guard and the ways out.
#include "xserver.h"

#include <QtTest>
#include <QtWidgets>

#include <csignal>
#include <unistd.h>

class tst_Startup : public QObject
{
    Q_OBJECT

    QList<QProcess *> monitors;
    // Where a second account can reach: a copy of the binary with no share/ beside it, a
    // smartctl nobody can kill, a temporary folder shared by all as on a real machine, in which
    // another account has taken nobody's runtime directory, and nobody's own home.
    QTemporaryDir shared { "/tmp/ostrelo-XXXXXX" };
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");

    // Starts the monitor as this account ("me"; "en_US" in that locale), its copy ("bare"), or as
    // nobody ("other"; "stuck" with the smartctl that hangs first on PATH).
    QProcess *start(const QString &who = "me")
    {
        auto *monitor = new QProcess(this);
        monitor->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        const QString copy = shared.filePath("bin/ostrelo"), home = shared.filePath("other");
        if (who == "other" || who == "stuck")
            monitor->start("setpriv",
                { "--reuid=nobody", "--regid=nogroup", "--clear-groups", "env", "-u",
                    "XDG_RUNTIME_DIR", "HOME=" + home, "XDG_CONFIG_HOME=" + home,
                    "PATH=" + shared.filePath(who + ':') + qgetenv("PATH"), copy });
        else // "cached": no runtime directory, its cache where every account may write
            monitor->start("env",
                { who == "en_US" ? "LC_ALL=en_US.UTF-8" : "LC_ALL=C.UTF-8",
                    "XDG_RUNTIME_DIR=" + (who == "cached" ? "" : runtime),
                    "XDG_CACHE_HOME=" + shared.filePath("tmp/cache"),
                    who == "bare" ? copy : qEnvironmentVariable("OSTRELO_BINARY") });
        monitors << monitor;
        return monitor;
    }

private slots:
    void initTestCase()
    {
        QTRY_VERIFY_WITH_TIMEOUT(QSystemTrayIcon::isSystemTrayAvailable(), 10000);
        qputenv("TMPDIR", QFile::encodeName(shared.filePath("tmp")));
        QCOMPARE(
            QProcess::execute("sh",
                { "-c",
                    "cd " + shared.path()
                        + " && mkdir -p bin stuck other tmp/runtime-nobody"
                          " && cp \"$OSTRELO_BINARY\" bin && cp " STUCK_SMARTCTL " stuck/smartctl"
                          " && chmod 4755 stuck/smartctl && chmod 755 . && chmod 1777 tmp"
                          " && chown -R nobody other" }),
            0);
    }

    void cleanup()
    {
        for (QProcess *monitor : std::as_const(monitors)) {
            monitor->terminate(); // politely: each must end as it should, nobody's too
            QVERIFY(monitor->waitForFinished(10000));
            QCOMPARE(monitor->exitCode(), 0);
        }
        qDeleteAll(monitors);
        monitors.clear();
        QProcess::execute("pkill", { "-KILL", "-f", shared.path() }); // smartctl, perl
        QDir().rmdir(runtime + "/ostrelo.lock");
        QTRY_VERIFY(windows("Ostrelo").isEmpty());
    }

    // Starts in order, by who; "+" starts the next at once. "hang" lets the smartctl that hangs
    // hang; "kill" kills the last one with SIGKILL, which leaves its smartctl behind;
    // "jam" puts a directory where the lock file goes; "plant" has nobody make this account's
    // fallback lock file and lock it; "untray" ends the tray host, and "tray" starts one for good
    // 3 s later; "hide" and "show" click the tray icon; "reuse" replays, in a
    // PID namespace of its own, a holder that quits while the box shows, its PID going to a sleep.
    // A start marked "!" must be refused with the box, and bring a hidden window back; one marked
    // "~" too, but its box is ended by SIGTERM and the window stays hidden; any other shows one
    // more.
    void singleInstance_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::newRow("a tray that comes late") << "untray me tray hide show";
        QTest::newRow("one account, after a killed instance") << "bare kill me hide me~ en_US!";
        QTest::newRow("two accounts, nobody's runtime directory taken") << "me other other! me!";
        QTest::newRow("two at once") << "me+ me!";
        QTest::newRow("no lock file to be had") << "jam me me";
        QTest::newRow("another account's lock file in the fallback place") << "plant cached";
        QTest::newRow("a disk that hangs") << "stuck hang kill other";
        QTest::newRow("the holder's PID taken by another process") << "reuse";
    }
    void singleInstance()
    {
        QFETCH(QString, steps);
        if (::geteuid() != 0)
            QSKIP("another account's starts need root");
        int shown = 0, hidden = 0; // main windows, once every start so far has settled
        for (QString step : steps.split(' ')) {
            if (step == "jam") {
                QFile::remove(runtime + "/ostrelo.lock");
                QVERIFY(QDir().mkdir(runtime + "/ostrelo.lock"));
            } else if (step == "plant") {
                // sh goes on once perl holds the lock and closes its output.
                QCOMPARE(QProcess::execute("setpriv",
                             { "--reuid=nobody", "--regid=nogroup", "--clear-groups", "sh", "-c",
                                 R"(cd "$TMPDIR" &&
mkdir -p runtime-root cache/ostrelo && f=$PWD/cache/ostrelo/ostrelo-$(uname -n).lock && : >$f && chmod 666 $f &&
echo $(perl -MFcntl -e 'open F, "+<", shift; fcntl F, F_SETLK, my $l = pack("ssx4qqix4", F_WRLCK, 0, 0, 0, 0)
    or die; close STDOUT; sleep 99' $f &))" }),
                    0);
            } else if (step == "untray") { // until the host is gone
                QTRY_VERIFY(::kill(qEnvironmentVariableIntValue("TRAY_HOST"), SIGTERM) != 0);
            } else if (step == "tray") {
                QTest::qWait(3000);
                QVERIFY(dockedIcon("ostrelo").isEmpty());
                QProcess::startDetached(
                    "sh", { "-c", "eval exec \"$TRAY_HOST_COMMAND\" >/dev/null 2>&1" });
            } else if (step == "hide" || step == "show") { // 14 pixels apart: never a double click
                QString icon;
                QTRY_VERIFY_WITH_TIMEOUT(!(icon = dockedIcon("ostrelo")).isEmpty(), 10000);
                run("xdotool mousemove --window " + icon + (step == "hide" ? " 4" : " 18")
                    + " 11 click 1");
                hidden += step == "hide" ? 1 : -1;
                QTRY_COMPARE(windows("Ostrelo").size(), shown - hidden);
            } else if (step == "hang") { // in 8 s, two more passes would start a smartctl each
                QTest::qWait(8000);
                QCOMPARE(run("pgrep -f " + shared.filePath("stuck/smartctl")).size(), 1);
            } else if (step == "reuse") {
                // Exit status 0: the sleep ended by our SIGTERM, not by a SIGUSR1.
                const int status = QProcess::execute("timeout",
                    { "60", "unshare", "-pf", "--mount-proc", "sh", "-c",
                        R"(s() { until w=$(xdotool search --onlyvisible --name "^$1$"); do sleep 0.1; done; }
"$OSTRELO_BINARY" & first=$!; s Ostrelo; "$OSTRELO_BINARY" & second=$!; s 提示
kill $first; wait $first; echo $((first - 1)) >/proc/sys/kernel/ns_last_pid; sleep 99 &
[ $! = $first ] && xdotool windowfocus --sync $w key Return && ! wait $second || exit 2
kill $first; wait $first; exit $(($? - 143)))" });
                if (status == 1)
                    QSKIP("no PID namespace to be had here");
                QCOMPARE(status, 0);
            } else if (step == "kill") {
                monitors.last()->kill();
                QVERIFY(monitors.takeLast()->waitForFinished());
                --shown;
            } else {
                const QChar mark = step.back();
                const bool refused = mark == '!' || mark == '~', together = mark == '+';
                start(step.remove(QRegularExpression("[!~+]$")));
                shown += refused ? 0 : 1;
                if (together)
                    continue;
                // A pattern, with no blank: run() splits at blanks.
                const bool english = step == "en_US";
                const QString title = !refused ? "Ostrelo" : english ? "Already.running" : "提示";
                QTRY_COMPARE_WITH_TIMEOUT(windows(title).size(), refused ? 1 : shown, 10000);
                for (const QString &window : windows(title))
                    QVERIFY(
                        run("xprop -id " + window + " _NET_WM_ICON").join(' ').contains("48 x 48"));
                if (!refused)
                    continue;
                // Compared pixel for pixel with a box built here: same Qt, same fonts, so only
                // another text or button row can differ.
                QMessageBox reference(QMessageBox::Information, title,
                    english
                        ? "Ostrelo is already running. Use its tray icon to open the main window."
                        : "程序已经运行,请点击托盘图标打开主界面"); // OK added on show
                reference.setDefaultButton(QMessageBox::NoButton);
                reference.show();
                const QString box = windows(title).constFirst();
                QScreen *screen = QGuiApplication::primaryScreen();
                QTRY_COMPARE(screen->grabWindow(box.toULongLong()).toImage(),
                    screen->grabWindow(reference.winId()).toImage());
                reference.hide();
                if (mark == '~')
                    ::kill(monitors.last()->processId(), SIGTERM);
                else
                    run("xdotool windowfocus --sync " + box + " key Return");
                // Of starts at once, either may be the one refused.
                const auto done
                    = [](QProcess *monitor) { return monitor->state() == QProcess::NotRunning; };
                QTRY_VERIFY_WITH_TIMEOUT(
                    std::any_of(monitors.cbegin(), monitors.cend(), done), 10000);
                QCOMPARE((*std::find_if(monitors.cbegin(), monitors.cend(), done))->exitCode(), 1);
                monitors.erase(std::find_if(monitors.begin(), monitors.end(), done));
                QTest::qWait(mark == '~' ? 1000 : 0); // for a SIGUSR1 that must not come
                hidden = mark == '~' ? hidden : 0;
                QTRY_COMPARE_WITH_TIMEOUT(windows("Ostrelo").size(), shown - hidden, 10000);
            }
        }
    }

    // Each way out saves the choice, every key of it, and releases the lock for the next start.
    // The display may go first, as at every Wayland logout: then the choice was saved when made.
    void endings_data()
    {
        // 0: the tray menu's "退出"; -1: the X server killed; -2: Ctrl+Q, the tray icon docked
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
        QTest::newRow("tray menu") << 0;
        QTest::newRow("X server gone") << -1;
        QTest::newRow("Ctrl+Q") << -2;
    }
    void endings()
    {
        QFETCH(int, signal);
        const QString settings = qEnvironmentVariable("XDG_CONFIG_HOME") + "/ostrelo/settings.conf";
        QFile::remove(settings);
        // A server of the monitor's own, so that this test's connection outlives the killing.
        const QByteArray display = qgetenv("DISPLAY");
        QProcess server;
        if (signal == -1) {
            server.start("Xvfb", { "-displayfd", "1", "-noreset", "-nolisten", "tcp" });
            QVERIFY(server.waitForReadyRead(10000));
            qputenv("DISPLAY", ':' + server.readAll().trimmed());
        }
        QProcess *monitor = start();
        QTRY_COMPARE_WITH_TIMEOUT(windows("Ostrelo").size(), 1, 10000);
        // Sticky, so that the clean-up of the runtime directory keeps it: -rw------T.
        QCOMPARE(run("stat -c %A " + runtime + "/ostrelo.lock"), QStringList("-rw------T"));
        // Tick the fourth box (CPU frequency) from the keyboard; its label makes the window taller.
        const QString window = windows("Ostrelo").constFirst();
        const QStringList before = run("xdotool getwindowgeometry " + window);
        run("xdotool windowfocus --sync " + window + " key Tab Tab Tab space");
        QTRY_VERIFY(run("xdotool getwindowgeometry " + window) != before);
        if (signal == -1) {
            server.kill();
            qputenv("DISPLAY", display);
        } else if (signal > 0) {
            ::kill(monitor->processId(), signal);
        } else {
            QString icon;
            QTRY_VERIFY_WITH_TIMEOUT(!(icon = dockedIcon("ostrelo")).isEmpty(), 10000);
            // The menu is a top level too. Ctrl+Q goes to the window, which has had the keyboard
            // since the Tabs.
            if (!signal) {
                run("xdotool mousemove --window " + icon + " 11 11 click 3");
                QTRY_COMPARE(windows("ostrelo", "--class").size(), 2);
            }
            run(QString("xdotool key ") + (signal ? "ctrl+q" : "Down Down Return"));
        }
        QVERIFY(monitor->waitForFinished(10000));
        QVERIFY(signal == -1
            || (monitor->exitStatus() == QProcess::NormalExit && !monitor->exitCode()));
        monitors.removeOne(monitor);
        QCOMPARE(run("cat " + settings).join('\n') + '\n',
            "[General]\navgTempEnabled=false\ncpuFreqEnabled=true\ncpuMaxTempEnabled=false\n"
            "cpuUsageEnabled=true\nhddTempEnabled=false\nmemoryEnabled=true\n"
            "otherTempEnabled=false\nswapEnabled=true\n");
        start();
        QTRY_COMPARE_WITH_TIMEOUT(windows("Ostrelo").size(), 1, 10000);
    }
};

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"
