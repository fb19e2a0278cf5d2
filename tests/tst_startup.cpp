// Drives the real binary on its own X server (see isolate.sh): start-up, the single-instance
// guard and the way out through signals.
#include <QtTest>

#include <QMessageBox>
#include <QScreen>
#include <QSettings>

#include <csignal>

namespace {
QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString xdotool(const QStringList &arguments)
{
    return run(QStringLiteral("xdotool"), arguments);
}

QStringList visibleWindows(const QString &title)
{
    // Top-level windows only: the tray icon is a window of the same name inside the tray.
    return xdotool({ QStringLiteral("search"), QStringLiteral("--maxdepth"), QStringLiteral("1"),
                       QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                       QLatin1Char('^') + title + QLatin1Char('$') })
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool hasIcon(const QString &window)
{
    return run(
        QStringLiteral("xprop"), { QStringLiteral("-id"), window, QStringLiteral("_NET_WM_ICON") })
        .contains(QLatin1String("Icon (48 x 48)"));
}

QString settingsPath()
{
    return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/ostrelo/settings.conf");
}
} // namespace

class tst_Startup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void secondStartIsRefused();
    void killedInstanceDoesNotBlock();
    void iconWithoutInstalledFile();
    void signalSavesSelection_data();
    void signalSavesSelection();

private:
    QProcess *startMonitor(const QString &program = qEnvironmentVariable("OSTRELO_BINARY"));

    QList<QProcess *> monitors;
};

void tst_Startup::init()
{
    QFile::remove(settingsPath());
}

void tst_Startup::cleanup()
{
    for (QProcess *monitor : qAsConst(monitors)) {
        // Politely, so no instance leaves its segment behind in the kernel.
        monitor->terminate();
        if (!monitor->waitForFinished(10000))
            monitor->kill();
    }
    qDeleteAll(monitors);
    monitors.clear();
    QTRY_VERIFY(visibleWindows(QStringLiteral("Ostrelo")).isEmpty());
}

QProcess *tst_Startup::startMonitor(const QString &program)
{
    auto *monitor = new QProcess(this);
    monitor->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    monitor->start(program, QStringList());
    monitors.append(monitor);
    if (!monitor->waitForStarted())
        qFatal("cannot start %s", qPrintable(program));
    return monitor;
}

void tst_Startup::secondStartIsRefused()
{
    QProcess *first = startMonitor();
    QTRY_COMPARE_WITH_TIMEOUT(visibleWindows(QStringLiteral("Ostrelo")).size(), 1, 10000);
    QVERIFY(visibleWindows(QStringLiteral("提示")).isEmpty());
    QVERIFY(hasIcon(visibleWindows(QStringLiteral("Ostrelo")).constFirst()));

    QProcess *second = startMonitor();
    QTRY_COMPARE_WITH_TIMEOUT(visibleWindows(QStringLiteral("提示")).size(), 1, 10000);
    const QString boxId = visibleWindows(QStringLiteral("提示")).constFirst();
    QVERIFY(hasIcon(boxId));

    // The box is compared pixel for pixel with one built here with the expected text and
    // buttons: same Qt, same fonts, so only a different text or button row can differ.
    QMessageBox reference(QMessageBox::Information, QStringLiteral("提示"),
        QStringLiteral("程序已经运行,请点击托盘图标打开主界面"), QMessageBox::Ok);
    reference.setDefaultButton(QMessageBox::NoButton);
    reference.show();
    QVERIFY(QTest::qWaitForWindowExposed(&reference));
    QScreen *screen = QGuiApplication::primaryScreen();
    QTRY_COMPARE(screen->grabWindow(boxId.toULongLong()).toImage(),
        screen->grabWindow(reference.winId()).toImage());
    reference.hide();

    QCOMPARE(visibleWindows(QStringLiteral("Ostrelo")).size(), 1);
    xdotool({ QStringLiteral("windowfocus"), QStringLiteral("--sync"), boxId });
    xdotool({ QStringLiteral("key"), QStringLiteral("Return") });
    QVERIFY(second->waitForFinished(10000));
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 1);
    QCOMPARE(first->state(), QProcess::Running);
    QCOMPARE(visibleWindows(QStringLiteral("Ostrelo")).size(), 1);
}

void tst_Startup::killedInstanceDoesNotBlock()
{
    QProcess *killed = startMonitor();
    QTRY_COMPARE_WITH_TIMEOUT(visibleWindows(QStringLiteral("Ostrelo")).size(), 1, 10000);
    killed->kill();
    QVERIFY(killed->waitForFinished());

    startMonitor();
    QTRY_COMPARE_WITH_TIMEOUT(visibleWindows(QStringLiteral("Ostrelo")).size(), 1, 10000);
    QVERIFY(visibleWindows(QStringLiteral("提示")).isEmpty());

    // The lock really is held again: a further start is refused.
    startMonitor();
    QTRY_COMPARE_WITH_TIMEOUT(visibleWindows(QStringLiteral("提示")).size(), 1, 10000);
}

void tst_Startup::iconWithoutInstalledFile()
{
    // A copy of the binary with no share/ beside it falls back to the built-in icon.
    QTemporaryDir bare;
    QVERIFY(QDir(bare.path()).mkpath(QStringLiteral("bin")));
    const QString copy = bare.filePath(QStringLiteral("bin/ostrelo"));
    QVERIFY(QFile::copy(qEnvironmentVariable("OSTRELO_BINARY"), copy));
    startMonitor(copy);
    QTRY_COMPARE_WITH_TIMEOUT(visibleWindows(QStringLiteral("Ostrelo")).size(), 1, 10000);
    QVERIFY(hasIcon(visibleWindows(QStringLiteral("Ostrelo")).constFirst()));
}

void tst_Startup::signalSavesSelection_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGHUP") << SIGHUP;
}

void tst_Startup::signalSavesSelection()
{
    QFETCH(int, signal);
    QProcess *monitor = startMonitor();
    QTRY_COMPARE_WITH_TIMEOUT(visibleWindows(QStringLiteral("Ostrelo")).size(), 1, 10000);

    // Tick the fourth box (CPU frequency) from the keyboard; its label makes the window taller.
    const QString window = visibleWindows(QStringLiteral("Ostrelo")).constFirst();
    const QString before = xdotool({ QStringLiteral("getwindowgeometry"), window });
    xdotool({ QStringLiteral("windowfocus"), QStringLiteral("--sync"), window });
    xdotool({ QStringLiteral("key"), QStringLiteral("Tab"), QStringLiteral("Tab"),
        QStringLiteral("Tab"), QStringLiteral("space") });
    QTRY_VERIFY(xdotool({ QStringLiteral("getwindowgeometry"), window }) != before);

    ::kill(monitor->processId(), signal);
    QVERIFY(monitor->waitForFinished(10000));
    QCOMPARE(monitor->exitStatus(), QProcess::NormalExit);
    QCOMPARE(monitor->exitCode(), 0);

    const QSettings stored(settingsPath(), QSettings::IniFormat);
    QCOMPARE(stored.allKeys().size(), 8);
    QCOMPARE(stored.value(QStringLiteral("cpuFreqEnabled")).toString(), QStringLiteral("true"));
    QCOMPARE(stored.value(QStringLiteral("otherTempEnabled")).toString(), QStringLiteral("false"));

    // The lock went with it: the next start is not refused.
    startMonitor();
    QTRY_COMPARE_WITH_TIMEOUT(visibleWindows(QStringLiteral("Ostrelo")).size(), 1, 10000);
    QVERIFY(visibleWindows(QStringLiteral("提示")).isEmpty());
}

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"
