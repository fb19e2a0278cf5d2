// The tray icon and the window's lifecycle on the private X server and trayer of isolate.sh: every
// click is real X input from xdotool on the icon that trayer has docked.
#include "mainwindow.h"

#include <QtTest>

#include <QCheckBox>
#include <QMenu>
#include <QScreen>

// Qt 5 leaves the reason out of the meta-type system, which QSignalSpy needs.
Q_DECLARE_METATYPE(QSystemTrayIcon::ActivationReason)

namespace {
using Reasons = QList<int>;

// X window classes: this test's own windows and those of the real program.
const QLatin1String kOwnClass("tst_tray");
const QLatin1String kProgramClass("ostrelo");

void xdotool(const QString &command)
{
    QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), command.split(QLatin1Char(' '))), 0);
}

QStringList xdotoolOutput(const QString &command)
{
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), command.split(QLatin1Char(' ')));
    xdotool.waitForFinished();
    return QString::fromUtf8(xdotool.readAllStandardOutput())
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList windows(const QString &windowClass, int depth)
{
    return xdotoolOutput(QStringLiteral("search --onlyvisible --maxdepth %1 --class ^%2$")
                             .arg(depth)
                             .arg(windowClass));
}

// The docked icon is the program's one visible window that trayer has reparented.
QString dockedIcon(const QString &windowClass)
{
    QStringList all = windows(windowClass, -1);
    for (const QString &topLevel : windows(windowClass, 1))
        all.removeAll(topLevel);
    return all.size() == 1 ? all.constFirst() : QString();
}

// x pixels from the icon's left edge; trayer makes it at least 22 x 22. Qt pairs clicks into a
// double click only within 5 pixels, so the clicks at 4, 11 and 18 never pair, however quickly
// they follow each other, here or across tests.
void clickIcon(const QString &iconWindow, int x, const QString &click)
{
    xdotool(
        QStringLiteral("mousemove --window %1 %2 11 click %3").arg(iconWindow).arg(x).arg(click));
}

// What the tray really shows: an empty icon leaves the docked window a single plain colour.
bool iconDrawn(const QString &iconWindow)
{
    const QImage shown
        = QGuiApplication::primaryScreen()->grabWindow(iconWindow.toULongLong()).toImage();
    QImage plain(shown.size(), shown.format());
    plain.fill(shown.pixelColor(0, 0));
    return shown != plain;
}

Reasons reasons(const QSignalSpy &spy)
{
    Reasons result;
    for (const QList<QVariant> &arguments : spy)
        result << arguments.constFirst().value<QSystemTrayIcon::ActivationReason>();
    return result;
}
} // namespace

class tst_Tray : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void toolTip_data();
    void toolTip();
    void closeThenSingleClicks();
    void otherClicks_data();
    void otherClicks();
    void menuShowsWindow();
    void iconFollowsFile();
    void quitFromMenu();

private:
    QTemporaryDir root; // no kernel files at all, so every reader gives its fallback
    QTemporaryDir tools;
    QString sourceIcon;
    QScopedPointer<MainWindow> window;
    QSystemTrayIcon *trayIcon = nullptr;
    QString icon;
};

void tst_Tray::initTestCase()
{
    QVERIFY(QSystemTrayIcon::isSystemTrayAvailable());
    qRegisterMetaType<QSystemTrayIcon::ActivationReason>();
    // A smartctl that always fails keeps a real disk out of the disk temperature.
    QVERIFY(QFile::copy(QStringLiteral("/bin/false"), tools.filePath(QStringLiteral("smartctl"))));
    qputenv("PATH", tools.path().toLocal8Bit() + ':' + qgetenv("PATH"));

    sourceIcon = QFINDTESTDATA("../data/ostrelo.png");
    QVERIFY(QDir().mkpath(QFileInfo(MainWindow::iconFilePath()).path()));
}

void tst_Tray::init()
{
    if (!QFile::exists(MainWindow::iconFilePath()))
        QVERIFY(QFile::copy(sourceIcon, MainWindow::iconFilePath()));
    window.reset(new MainWindow(nullptr, root.path()));
    trayIcon = window->findChild<QSystemTrayIcon *>();
    QVERIFY(trayIcon);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.data()));
    QTRY_VERIFY_WITH_TIMEOUT(!(icon = dockedIcon(kOwnClass)).isEmpty(), 10000);
}

void tst_Tray::cleanup()
{
    window.reset();
    QTRY_VERIFY(dockedIcon(kOwnClass).isEmpty());
}

void tst_Tray::toolTip_data()
{
    // The check boxes to tick, by object name; the figures are the fallbacks of an empty root.
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<QString>("expected");
    QTest::newRow("none") << QStringLiteral("^$") << QStringLiteral("系统资源监控");
    QTest::newRow("memory and other temperature")
        << QStringLiteral("^(memory|otherTemp)CheckBox$")
        << QStringLiteral("系统资源监控\n内存: 0.0%\nOther Temp: 2°C");
    QTest::newRow("all") << QStringLiteral("CheckBox$")
                         << QStringLiteral("系统资源监控\nCPU: 0.0%\n内存: 0.0%\nSwap: 0.0%\n"
                                           "CPU Freq: 0 MHz\nCPU Max Temp: 5°C\nAvg Temp: -2°C\n"
                                           "HDD Temp: -3°C\nOther Temp: 2°C");
}

void tst_Tray::toolTip()
{
    QFETCH(QString, enabled);
    QFETCH(QString, expected);
    const QList<QCheckBox *> checkBoxes = window->findChildren<QCheckBox *>();
    QCOMPARE(checkBoxes.size(), 8);
    for (QCheckBox *checkBox : checkBoxes)
        checkBox->setChecked(checkBox->objectName().contains(QRegularExpression(enabled)));
    QCOMPARE(trayIcon->toolTip(), expected);
}

void tst_Tray::closeThenSingleClicks()
{
    // With the icon visible a close only hides: the event is ignored, the program runs on.
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    QVERIFY(!window->close());
    QVERIFY(window->isHidden());
    QVERIFY(trayIcon->isVisible());
    QCOMPARE(lastClosed.count(), 0);

    QSignalSpy activated(trayIcon, &QSystemTrayIcon::activated);
    clickIcon(icon, 4, QStringLiteral("1"));
    QTRY_VERIFY(window->isVisible());
    // There is no window manager: the activation itself gives the window the X input focus.
    QTRY_VERIFY(window->isActiveWindow());
    QCOMPARE(xdotoolOutput(QStringLiteral("getwindowfocus")),
        QStringList(QString::number(window->winId())));
    clickIcon(icon, 18, QStringLiteral("1"));
    QTRY_VERIFY(window->isHidden());
    QCOMPARE(reasons(activated), (Reasons { QSystemTrayIcon::Trigger, QSystemTrayIcon::Trigger }));
}

void tst_Tray::otherClicks_data()
{
    // On X11 Qt reports a double click as a Trigger for its first press and a DoubleClick for its
    // second. Only the Trigger acts, so the window ends hidden rather than toggled twice.
    QTest::addColumn<QString>("click");
    QTest::addColumn<Reasons>("reported");
    QTest::addColumn<bool>("visible");
    const Reasons middle { QSystemTrayIcon::MiddleClick };
    const Reasons twoPresses { QSystemTrayIcon::Trigger, QSystemTrayIcon::DoubleClick };
    QTest::newRow("middle click") << QStringLiteral("2") << middle << true;
    QTest::newRow("double click") << QStringLiteral("--repeat 2 --delay 0 1") << twoPresses
                                  << false;
}

void tst_Tray::otherClicks()
{
    QFETCH(QString, click);
    QFETCH(Reasons, reported);
    QFETCH(bool, visible);
    QSignalSpy activated(trayIcon, &QSystemTrayIcon::activated);
    clickIcon(icon, 11, click);
    QTRY_COMPARE(activated.count(), reported.size());
    QCOMPARE(reasons(activated), reported);
    QCOMPARE(window->isVisible(), visible);
}

void tst_Tray::menuShowsWindow()
{
    QMenu *menu = trayIcon->contextMenu();
    QVERIFY(menu);
    const QList<QAction *> actions = menu->actions();
    QCOMPARE(actions.size(), 3);
    QCOMPARE(actions.at(0)->text(), QStringLiteral("显示主窗口"));
    QVERIFY(actions.at(1)->isSeparator());
    QCOMPARE(actions.at(2)->text(), QStringLiteral("退出"));

    window->hide();
    clickIcon(icon, 11, QStringLiteral("3"));
    QTRY_VERIFY(menu->isVisible());
    const QPoint entry = menu->mapToGlobal(menu->actionGeometry(actions.at(0)).center());
    xdotool(QStringLiteral("mousemove %1 %2 click 1").arg(entry.x()).arg(entry.y()));
    QTRY_VERIFY(window->isVisible());
    QVERIFY(!menu->isVisible());
}

void tst_Tray::iconFollowsFile()
{
    QTRY_VERIFY(iconDrawn(icon));
    QVERIFY(QFile::remove(MainWindow::iconFilePath()));
    // Any toggle runs a refresh pass at once.
    window->findChild<QCheckBox *>(QStringLiteral("swapCheckBox"))->toggle();
    QVERIFY(trayIcon->icon().isNull());
    QTRY_VERIFY(!iconDrawn(icon));

    // Back through the one-second timer this time.
    QVERIFY(QFile::copy(sourceIcon, MainWindow::iconFilePath()));
    QTRY_VERIFY_WITH_TIMEOUT(!trayIcon->icon().isNull(), 5000);
    QTRY_VERIFY(iconDrawn(icon));
}

void tst_Tray::quitFromMenu()
{
    const QString settingsPath
        = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/ostrelo/settings.conf");
    QFile::remove(settingsPath);
    QProcess monitor;
    monitor.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    monitor.start(qEnvironmentVariable("OSTRELO_BINARY"), QStringList());
    QVERIFY(monitor.waitForStarted());

    QString monitorIcon;
    QTRY_VERIFY_WITH_TIMEOUT(!(monitorIcon = dockedIcon(kProgramClass)).isEmpty(), 10000);
    clickIcon(monitorIcon, 11, QStringLiteral("3"));
    // The open menu is the program's second top-level window.
    QTRY_COMPARE(windows(kProgramClass, 1).size(), 2);
    xdotool(QStringLiteral("key Down Down Return"));

    QVERIFY(monitor.waitForFinished(10000));
    QCOMPARE(monitor.exitStatus(), QProcess::NormalExit);
    QCOMPARE(monitor.exitCode(), 0);
    QVERIFY(windows(kProgramClass, -1).isEmpty());
    // Removed before the start, and this process has written nothing since: the program wrote it.
    const QSettings stored(settingsPath, QSettings::IniFormat);
    QCOMPARE(stored.allKeys().size(), 8);
    QCOMPARE(stored.value(QStringLiteral("memoryEnabled")).toString(), QStringLiteral("true"));
    QCOMPARE(stored.value(QStringLiteral("hddTempEnabled")).toString(), QStringLiteral("false"));
}

QTEST_MAIN(tst_Tray)
#include "tst_tray.moc"
