// The main window on the private X server and tray host of isolate.sh; tray clicks are real X
// input from xdotool on the icon that trayer has docked.
#include "mainwindow.h"
#include "xserver.h"

#include <QtTest>
#include <QtWidgets>

#include <csignal>

using Reasons = QList<int>; // QSystemTrayIcon::ActivationReason

// A widget's own labels: the value group's or the overlay's, in display order.
static QList<QLabel *> labels(const QWidget *parent)
{
    return parent->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly);
}

static QStringList texts(const QWidget *parent)
{
    QStringList texts;
    for (const QLabel *label : labels(parent))
        texts << label->text();
    return texts;
}

// Sends a mouse event as the window system would; true when it was consumed on the way.
static bool mouse(QWidget *target, QEvent::Type type, Qt::MouseButtons buttons, const QPoint &at)
{
    const auto button = type == QEvent::MouseMove ? Qt::NoButton : Qt::MouseButton(int(buttons));
    QMouseEvent event(type, target->mapFromGlobal(at), at, button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
    return event.isAccepted();
}

class tst_MainWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir emptyRoot; // no kernel files: every reader falls back
    QSettings store { "ostrelo", "settings" };
    QScopedPointer<MainWindow> window;
    QSystemTrayIcon *tray = nullptr;
    QWidget *overlay = nullptr;
    QString icon; // the docked tray icon's X window
    Reasons activations;

    // A shown window on a fixture tree (the empty one by default), its tray icon docked.
    void open(const QString &root = QString())
    {
        window.reset(new MainWindow(nullptr, root.isEmpty() ? emptyRoot.path() : root));
        for (QWidget *widget : QApplication::topLevelWidgets())
            overlay = widget->windowTitle() == "系统监控" ? widget : overlay;
        if ((tray = window->findChild<QSystemTrayIcon *>()))
            connect(tray, &QSystemTrayIcon::activated, this, [&](int why) { activations << why; });
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.data()));
        QTRY_VERIFY_WITH_TIMEOUT(!tray || !(icon = dockedIcon("tst_mainwindow")).isEmpty(), 10000);
    }
    // x and y of a click on the icon, which trayer makes at least 22 x 22, then xdotool's click.
    // Qt pairs clicks into a double click only within 5 pixels, so clicks at 4, 11 and 18 never
    // pair, however quickly they follow each other.
    void clickIcon(const QString &click)
    {
        run("xdotool mousemove --window " + icon + ' ' + click);
    }

private slots:
    void initTestCase()
    {
        QTRY_VERIFY_WITH_TIMEOUT(QSystemTrayIcon::isSystemTrayAvailable(), 10000);
        // A smartctl that always fails keeps a real disk out of the figures.
        qputenv("PATH", QFINDTESTDATA("bin-failing").toLocal8Bit() + ':' + qgetenv("PATH"));
        QVERIFY(QDir().mkpath(QFileInfo(MainWindow::iconFilePath()).path()));
    }
    void init()
    {
        store.clear(), store.sync();
        activations.clear();
        if (!QFile::exists(MainWindow::iconFilePath()))
            QVERIFY(QFile::copy(QFINDTESTDATA("../data/ostrelo.png"), MainWindow::iconFilePath()));
    }
    void cleanup()
    {
        window.reset();
        QTRY_VERIFY(dockedIcon("tst_mainwindow").isEmpty());
    }

    void selection_data()
    {
        QTest::addColumn<QVariantMap>("stored");
        QTest::addColumn<QString>("shown"); // one digit per item, in display order
        QTest::addColumn<int>("clicked");
        QTest::newRow("no store, tick frequency") << QVariantMap() << "11100000" << 3;
        QTest::newRow("edited store, clear swap") << QVariantMap { { "cpuUsageEnabled", false },
            { "swapEnabled", "false" }, { "cpuFreqEnabled", true }, { "avgTempEnabled", "0" },
            { "hddTempEnabled", "yes" }, { "otherTempEnabled", 2 } }
                                                  << "01010011" << 2;
    }
    void selection()
    {
        QFETCH(QVariantMap, stored);
        QFETCH(QString, shown);
        QFETCH(int, clicked);
        for (auto it = stored.cbegin(); it != stored.cend(); ++it)
            store.setValue(it.key(), it.value());
        store.sync();
        const QStringList before = store.allKeys();
        open();
        const QList<QLabel *> values = labels(window->findChildren<QGroupBox *>().at(1));
        QVERIFY2(!values.at(7)->text().contains("--"), "the first pass ran");
        QStringList keys;
        for (QCheckBox *box : window->findChildren<QCheckBox *>()) {
            const int i = keys.size();
            keys << box->objectName().replace("CheckBox", "Enabled");
            QCOMPARE(box->isChecked(), shown.at(i) == '1');
            QCOMPARE(values.at(i)->isVisible(), shown.at(i) == '1');
            for (int click = 1; click <= 3 && i == clicked; ++click) {
                // On the box itself: the check box is wider than what it reacts to.
                QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
                QCOMPARE(values.at(i)->isVisible(), (shown.at(i) == '1') != click % 2);
            }
        }
        store.sync();
        QCOMPARE(store.allKeys(), before); // nothing is written while the window lives
        window.reset();
        shown[clicked] = shown.at(clicked) == '1' ? '0' : '1';
        store.sync();
        QCOMPARE(store.allKeys().size(), 8);
        for (int i = 0; i < 8; ++i)
            QCOMPARE(store.value(keys.at(i)).toString(), shown.at(i) == '1' ? "true" : "false");
    }

    void passOverlayAndToolTip()
    {
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFINDTESTDATA("bin-canned").toLocal8Bit() + ':' + path);
        qputenv("SMARTCTL_CANNED", QFINDTESTDATA("fixtures/smartctl/hdd.txt").toLocal8Bit());
        open(QFINDTESTDATA("fixtures/laptop"));
        qputenv("PATH", path);
        QWidget *values = window->findChildren<QGroupBox *>().at(1);
        QCOMPARE(texts(values),
            QStringList({ "CPU使用率: 0.0%", "内存使用率: 23.6%", "Swap使用率: 0.1%",
                "CPU频率: 1397 MHz", "CPU最高温度: 53°C", "平均温度: 42°C", "硬盘温度: 36°C",
                "其他硬件温度: 50°C" }));
        // The disk item is off by default, yet its reader ran: the figure came from smartctl.
        QVERIFY(labels(values).at(6)->isHidden());
        QCOMPARE(tray->toolTip(), "系统资源监控\nCPU: 0.0%\n内存: 23.6%\nSwap: 0.1%");

        QCOMPARE(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 1024, 768));
        QCOMPARE(overlay->geometry(), QRect(754, 568, 250, 180));
        QVERIFY(overlay->isHidden() && overlay->toolTip().isEmpty());
        QCOMPARE(texts(overlay).at(8), "Other Temp: --°C");
        window->findChild<QCheckBox *>("memoryCheckBox")->click();
        QVERIFY(labels(overlay).at(2)->isHidden());
        overlay->show();
        window->findChild<QCheckBox *>("otherTempCheckBox")->click();
        QCOMPARE(texts(overlay),
            QStringList({ "系统资源监控", "CPU: 0.0%", "内存: 23.6%", "Swap: 0.1%",
                "CPU Freq: 1397 MHz", "CPU Max Temp: 53°C", "Avg Temp: 42°C", "HDD Temp: 48°C",
                "Other Temp: 50°C" }));
        QVERIFY(!labels(overlay).at(2)->isVisible() && labels(overlay).at(8)->isVisible());
        // Every figure, the memory one switched off too, with two decimals.
        QCOMPARE(overlay->toolTip(),
            "CPU: 0.00%\nCPU Freq: 1397 MHz\nCPU Max Temp: 53°C\nAvg Temp: 42°C\n"
            "HDD Temp: 48°C\nOther Temp: 50°C\n内存: 23.55%\nSwap: 0.13%");
        QCOMPARE(tray->toolTip(), "系统资源监控\nCPU: 0.0%\nSwap: 0.1%\nOther Temp: 50°C");
        for (QCheckBox *box : window->findChildren<QCheckBox *>())
            box->setChecked(false);
        QCOMPARE(tray->toolTip(), "系统资源监控");
    }

    void drags()
    {
        open();
        overlay->show();
        const QPoint start = overlay->pos(), grip = start + QPoint(40, 30);
        // No drag without a left press on the overlay; a right press is left to the overlay.
        mouse(overlay, QEvent::MouseMove, Qt::LeftButton, grip + QPoint(9, 9));
        QVERIFY(!mouse(overlay, QEvent::MouseButtonPress, Qt::RightButton, grip));
        mouse(overlay, QEvent::MouseMove, Qt::LeftButton, grip + QPoint(9, 9));
        QCOMPARE(overlay->pos(), start);
        QVERIFY(mouse(overlay, QEvent::MouseButtonPress, Qt::LeftButton, grip));
        QVERIFY(!mouse(overlay, QEvent::MouseMove, Qt::RightButton, grip));
        QVERIFY(mouse(overlay, QEvent::MouseMove, Qt::LeftButton, grip - start));
        QCOMPARE(overlay->pos(), QPoint(0, 0));
        // Any release, the right button's too, ends the drag.
        QVERIFY(mouse(overlay, QEvent::MouseButtonRelease, Qt::RightButton, grip));
        mouse(overlay, QEvent::MouseMove, Qt::LeftButton, grip);
        QCOMPARE(overlay->pos(), QPoint(0, 0));
        // The main window follows the left button alone.
        const QPoint from = window->pos();
        mouse(window.data(), QEvent::MouseButtonPress, Qt::LeftButton, from + QPoint(9, 9));
        mouse(window.data(), QEvent::MouseButtonPress, Qt::RightButton, from + grip);
        mouse(window.data(), QEvent::MouseMove, Qt::LeftButton, from + QPoint(39, 59));
        QCOMPARE(window->pos(), from + QPoint(30, 50));
        mouse(window.data(), QEvent::MouseMove, Qt::RightButton, from);
        QCOMPARE(window->pos(), from + QPoint(30, 50));
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
        open();
        if (closed) {
            // With the icon visible a close only hides: the event is ignored, the program runs on.
            QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
            QVERIFY(!window->close());
            QVERIFY(window->isHidden() && tray->isVisible() && lastClosed.isEmpty());
        }
        clickIcon(click);
        QTRY_COMPARE(activations, reported);
        QCOMPARE(window->isVisible(), visible);
        if (closed) // there is no window manager: the activation itself gives the X input focus
            QTRY_VERIFY(window->isActiveWindow());
    }

    void menuShowsWindow()
    {
        open();
        QMenu *menu = tray->contextMenu();
        QStringList entries;
        for (QAction *action : menu->actions())
            entries << (action->isSeparator() ? "----" : action->text());
        QCOMPARE(entries, QStringList({ "显示主窗口", "----", "退出" }));
        window->hide();
        clickIcon("11 11 click 3");
        QTRY_VERIFY(menu->isVisible());
        const QPoint entry = menu->mapToGlobal(menu->actionGeometry(menu->actions()[0]).center());
        run(QString("xdotool mousemove %1 %2 click 1").arg(entry.x()).arg(entry.y()));
        QTRY_VERIFY(window->isVisible());
    }

    void trayImageFollowsFile()
    {
        open();
        QVERIFY(!tray->icon().isNull());
        QVERIFY(QFile::remove(MainWindow::iconFilePath()));
        window->findChild<QCheckBox *>("swapCheckBox")->toggle(); // a toggle runs a pass at once
        QVERIFY(tray->icon().isNull());
        QVERIFY(QFile::copy(QFINDTESTDATA("../data/ostrelo.png"), MainWindow::iconFilePath()));
        QTRY_VERIFY_WITH_TIMEOUT(!tray->icon().isNull(), 5000); // back through the timer's pass
    }

    // Last: it ends the tray host.
    void closeWithoutTrayEndsProgram()
    {
        ::kill(qEnvironmentVariableIntValue("TRAY_HOST"), SIGTERM);
        QTRY_VERIFY(!QSystemTrayIcon::isSystemTrayAvailable());
        open();
        QVERIFY(!tray);
        // Closing the last window ends the event loop; the guard timer fails the test otherwise.
        QTimer::singleShot(0, window.data(), &QWidget::close);
        QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
