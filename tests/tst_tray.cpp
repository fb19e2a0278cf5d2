// The tray icon and the window's lifecycle on the private X server and trayer of isolate.sh: every
// click is real X input from xdotool on the icon that trayer has docked.
#include "mainwindow.h"

#include <QtTest>
#include <QtWidgets>

using Reasons = QList<int>; // QSystemTrayIcon::ActivationReason

// Runs xdotool: the lines it writes, errors included.
static QStringList xdotool(const QString &command)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start("xdotool", command.split(' '));
    return process.waitForFinished() ? QString(process.readAll()).split('\n', Qt::SkipEmptyParts)
                                     : QStringList("xdotool did not run");
}

// The visible X windows of a class, down to a depth below the root (-1: any).
static QStringList windows(const QString &windowClass, int depth)
{
    return xdotool(
        QString("search --onlyvisible --maxdepth %1 --class ^%2$").arg(depth).arg(windowClass));
}

// The docked icon is the program's one visible window that trayer has reparented.
static QString dockedIcon(const QString &windowClass)
{
    QStringList all = windows(windowClass, -1);
    for (const QString &topLevel : windows(windowClass, 1))
        all.removeAll(topLevel);
    return all.size() == 1 ? all.constFirst() : QString();
}

// The click starts with x, in pixels from the icon's left edge; trayer makes it at least 22 x 22.
// Qt pairs clicks into a double click only within 5 pixels, so the clicks at 4, 11 and 18 never
// pair, however quickly they follow each other, here or across tests.
static void clickIcon(const QString &icon, const QString &click)
{
    QCOMPARE(xdotool(QString("mousemove --window %1 %2").arg(icon, click)), QStringList());
}

class tst_Tray : public QObject
{
    Q_OBJECT

    QTemporaryDir root; // no kernel files at all, so every reader gives its fallback
    QTemporaryDir tools;
    QScopedPointer<MainWindow> window;
    QSystemTrayIcon *trayIcon = nullptr;
    QString icon; // the docked icon's X window
    Reasons activations;

private slots:
    void initTestCase()
    {
        // A smartctl that always fails keeps a real disk out of the disk temperature.
        QVERIFY(QFile::copy("/bin/false", tools.filePath("smartctl")));
        qputenv("PATH", tools.path().toLocal8Bit() + ':' + qgetenv("PATH"));
        QVERIFY(QDir().mkpath(QFileInfo(MainWindow::iconFilePath()).path()));
    }

    void init()
    {
        if (!QFile::exists(MainWindow::iconFilePath()))
            QVERIFY(QFile::copy(QFINDTESTDATA("../data/ostrelo.png"), MainWindow::iconFilePath()));
        window.reset(new MainWindow(nullptr, root.path()));
        QVERIFY(trayIcon = window->findChild<QSystemTrayIcon *>());
        activations.clear();
        connect(trayIcon, &QSystemTrayIcon::activated, this,
            [this](int reason) { activations << reason; });
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.data()));
        QTRY_VERIFY_WITH_TIMEOUT(!(icon = dockedIcon("tst_tray")).isEmpty(), 10000);
    }

    void cleanup()
    {
        window.reset();
        QTRY_VERIFY(dockedIcon("tst_tray").isEmpty());
    }

    void toolTip_data()
    {
        // The check boxes to tick, by object name; the figures are the fallbacks of an empty root.
        QTest::addColumn<QRegularExpression>("enabled");
        QTest::addColumn<QString>("expected");
        QTest::newRow("none") << QRegularExpression("^$") << "系统资源监控";
        QTest::newRow("memory and other temperature") << QRegularExpression(
            "^(memory|otherTemp)CheckBox$") << "系统资源监控\n内存: 0.0%\nOther Temp: 2°C";
        QTest::newRow("all")
            << QRegularExpression("CheckBox$")
            << "系统资源监控\nCPU: 0.0%\n内存: 0.0%\nSwap: 0.0%\nCPU Freq: 0 MHz\n"
               "CPU Max Temp: 5°C\nAvg Temp: -2°C\nHDD Temp: -3°C\nOther Temp: 2°C";
    }

    void toolTip()
    {
        QFETCH(QRegularExpression, enabled);
        QFETCH(QString, expected);
        const QList<QCheckBox *> checkBoxes = window->findChildren<QCheckBox *>();
        QCOMPARE(checkBoxes.size(), 8);
        for (QCheckBox *checkBox : checkBoxes)
            checkBox->setChecked(checkBox->objectName().contains(enabled));
        QCOMPARE(trayIcon->toolTip(), expected);
    }

    void clicks_data()
    {
        // On X11 Qt reports a double click as a Trigger for its first press and a DoubleClick for
        // its second. Only the Trigger acts, so the window ends hidden rather than toggled twice.
        QTest::addColumn<bool>("closed"); // to the tray, before the click
        QTest::addColumn<QString>("click");
        QTest::addColumn<Reasons>("reported");
        QTest::addColumn<bool>("visible");
        const Reasons trigger { QSystemTrayIcon::Trigger }, middle { QSystemTrayIcon::MiddleClick };
        const Reasons twoPresses { QSystemTrayIcon::Trigger, QSystemTrayIcon::DoubleClick };
        QTest::newRow("closed, single click shows") << true << "4 11 click 1" << trigger << true;
        QTest::newRow("single click hides") << false << "18 11 click 1" << trigger << false;
        QTest::newRow("middle click") << false << "11 11 click 2" << middle << true;
        QTest::newRow("double click")
            << false << "11 11 click --repeat 2 --delay 0 1" << twoPresses << false;
    }

    void clicks()
    {
        QFETCH(bool, closed);
        QFETCH(QString, click);
        QFETCH(Reasons, reported);
        QFETCH(bool, visible);
        if (closed) {
            // With the icon visible a close only hides: the event is ignored, the program runs on.
            QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
            QVERIFY(!window->close());
            QVERIFY(window->isHidden() && trayIcon->isVisible());
            QCOMPARE(lastClosed.count(), 0);
        }
        clickIcon(icon, click);
        QTRY_COMPARE(activations, reported);
        QCOMPARE(window->isVisible(), visible);
        if (closed) // there is no window manager: the activation itself gives the X input focus
            QTRY_VERIFY(window->isActiveWindow());
    }

    void menuShowsWindow()
    {
        QMenu *menu = trayIcon->contextMenu();
        QVERIFY(menu);
        QStringList entries;
        for (QAction *action : menu->actions())
            entries << (action->isSeparator() ? "----" : action->text());
        QCOMPARE(entries, QStringList({ "显示主窗口", "----", "退出" }));
        window->hide();
        clickIcon(icon, "11 11 click 3");
        QTRY_VERIFY(menu->isVisible());
        const QPoint entry
            = menu->mapToGlobal(menu->actionGeometry(menu->actions().at(0)).center());
        QCOMPARE(xdotool(QString("mousemove %1 %2 click 1").arg(entry.x()).arg(entry.y())),
            QStringList());
        QTRY_VERIFY(window->isVisible());
        QVERIFY(!menu->isVisible());
    }

    void iconFollowsFile()
    {
        QVERIFY(!trayIcon->icon().isNull());
        QVERIFY(QFile::remove(MainWindow::iconFilePath()));
        window->findChild<QCheckBox *>("swapCheckBox")->toggle(); // any toggle runs a pass at once
        QVERIFY(trayIcon->icon().isNull());
        // Back through the timer's pass.
        QVERIFY(QFile::copy(QFINDTESTDATA("../data/ostrelo.png"), MainWindow::iconFilePath()));
        QTRY_VERIFY_WITH_TIMEOUT(!trayIcon->icon().isNull(), 5000);
    }

    void quitFromMenu()
    {
        QFile::remove(QSettings("ostrelo", "settings").fileName());
        QProcess monitor;
        monitor.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        monitor.start(qEnvironmentVariable("OSTRELO_BINARY"), QStringList());
        QVERIFY(monitor.waitForStarted());
        QString monitorIcon;
        QTRY_VERIFY_WITH_TIMEOUT(!(monitorIcon = dockedIcon("ostrelo")).isEmpty(), 10000);
        clickIcon(monitorIcon, "11 11 click 3");
        QTRY_COMPARE(windows("ostrelo", 1).size(), 2); // the open menu is a second top-level window
        QCOMPARE(xdotool("key Down Down Return"), QStringList());
        QVERIFY(monitor.waitForFinished(10000));
        QCOMPARE(monitor.exitStatus(), QProcess::NormalExit);
        QCOMPARE(monitor.exitCode(), 0);
        // Removed before the start, and this process has written nothing since: the program wrote
        // it.
        const QSettings stored("ostrelo", "settings");
        QCOMPARE(stored.allKeys().size(), 8);
        QCOMPARE(stored.value("memoryEnabled").toString(), "true");
        QCOMPARE(stored.value("hddTempEnabled").toString(), "false");
    }
};

QTEST_MAIN(tst_Tray)
#include "tst_tray.moc"
