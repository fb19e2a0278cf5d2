// Drives the real binary on its own X server (see isolate.sh): start-up, the single-instance
// guard and the way out through signals.
#include <QtTest>

#include <QMessageBox>
#include <QScreen>
#include <QSettings>

#include <csignal>

class tst_Startup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void firstStartShowsMainWindow();
    void secondStartIsRefused();
    void killedInstanceDoesNotBlock();
    void iconWithoutInstalledFile();
    void signalSavesSelection_data();
    void signalSavesSelection();

private:
    QProcess *startMonitor(const QString &program = QString());
    static QStringList visibleWindows(const QString &title);
    static void xdotool(const QStringList &arguments);
    static QString settingsPath();
    static bool hasIcon(const QString &window);

    QString binary;
    QList<QProcess *> monitors;
};

void tst_Startup::initTestCase()
{
    binary = qEnvironmentVariable("OSTRELO_BINARY");
    QVERIFY2(QFileInfo(binary).isExecutable(), qPrintable(binary));
    QVERIFY(qEnvironmentVariableIsSet("DISPLAY"));
}

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
    monitor->start(program.isEmpty() ? binary : program, QStringList());
    monitors.append(monitor);
    if (!monitor->waitForStarted())
        qFatal("cannot start %s", qPrintable(monitor->program()));
    return monitor;
}

QStringList tst_Startup::visibleWindows(const QString &title)
{
    QProcess search;
    search.start(QStringLiteral("xdotool"),
        // Top-level windows only: the tray icon is a window of the same name inside the tray.
        { QStringLiteral("search"), QStringLiteral("--maxdepth"), QStringLiteral("1"),
            QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
            QLatin1Char('^') + title + QLatin1Char('$') });
    search.waitForFinished();
    return QString::fromUtf8(search.readAllStandardOutput())
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void tst_Startup::xdotool(const QStringList &arguments)
{
    QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), arguments), 0);
}

bool tst_Startup::hasIcon(const QString &window)
{
    QProcess xprop;
    xprop.start(
        QStringLiteral("xprop"), { QStringLiteral("-id"), window, QStringLiteral("_NET_WM_ICON") });
    xprop.waitForFinished();
    return xprop.readAllStandardOutput().contains("Icon (48 x 48)");
}

QString tst_Startup::settingsPath()
{
    return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/ostrelo/settings.conf");
}

void tst_Startup::firstStartShowsMainWindow()
{
    QProcess *monitor = startMonitor();
    QTRY_COMPARE_WITH_TIMEOUT(visibleWindows(QStringLiteral("Ostrelo")).size(), 1, 10000);
    QVERIFY(visibleWindows(QStringLiteral("提示")).isEmpty());
    QCOMPARE(monitor->state(), QProcess::Running);
}

void tst_Startup::secondStartIsRefused()
{
    QProcess *first = startMonitor();
    QTRY_COMPARE_WITH_TIMEOUT(visibleWindows(QStringLiteral("Ostrelo")).size(), 1, 10000);

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

    QVERIFY(second->state() == QProcess::Running);
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

    QProcess *next = startMonitor();
    QTRY_COMPARE_WITH_TIMEOUT(visibleWindows(QStringLiteral("Ostrelo")).size(), 1, 10000);
    QVERIFY(visibleWindows(QStringLiteral("提示")).isEmpty());
    QCOMPARE(next->state(), QProcess::Running);

    // The lock really is held again: a further start is refused.
    QProcess *refused = startMonitor();
    QTRY_COMPARE_WITH_TIMEOUT(visibleWindows(QStringLiteral("提示")).size(), 1, 10000);
    refused->kill();
    QVERIFY(refused->waitForFinished());
}

void tst_Startup::iconWithoutInstalledFile()
{
    // A copy of the binary with no share/ beside it falls back to the built-in icon.
    QTemporaryDir bare;
    const QString copy = bare.filePath(QStringLiteral("bin/ostrelo"));
    QVERIFY(QDir(bare.path()).mkpath(QStringLiteral("bin")));
    QVERIFY(QFile::copy(binary, copy));
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

    ::kill(monitor->processId(), signal);
    QVERIFY(monitor->waitForFinished(10000));
    QCOMPARE(monitor->exitStatus(), QProcess::NormalExit);
    QCOMPARE(monitor->exitCode(), 0);

    const QSettings stored(settingsPath(), QSettings::IniFormat);
    QCOMPARE(stored.allKeys().size(), 8);
    QCOMPARE(stored.value(QStringLiteral("swapEnabled")).toString(), QStringLiteral("true"));
    QCOMPARE(stored.value(QStringLiteral("otherTempEnabled")).toString(), QStringLiteral("false"));

    // The lock went with it: the next start is not refused.
    startMonitor();
    QTRY_COMPARE_WITH_TIMEOUT(visibleWindows(QStringLiteral("Ostrelo")).size(), 1, 10000);
    QVERIFY(visibleWindows(QStringLiteral("提示")).isEmpty());
}

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"
