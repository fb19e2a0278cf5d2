#include "mainwindow.h"

#include <QtTest>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <QSettings>

namespace {
const QStringList kCheckBoxes
    = { "cpuUsageCheckBox", "memoryCheckBox", "swapCheckBox", "cpuFreqCheckBox",
          "cpuMaxTempCheckBox", "avgTempCheckBox", "hddTempCheckBox", "otherTempCheckBox" };
const QStringList kKeys = { "cpuUsageEnabled", "memoryEnabled", "swapEnabled", "cpuFreqEnabled",
    "cpuMaxTempEnabled", "avgTempEnabled", "hddTempEnabled", "otherTempEnabled" };

QList<QLabel *> valueLabels(const MainWindow &window)
{
    for (const QGroupBox *group : window.findChildren<QGroupBox *>()) {
        if (group->title() == QStringLiteral("监控数据信息"))
            return group->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly);
    }
    return {};
}

QWidget *overlay()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->windowTitle() == QStringLiteral("系统监控"))
            return widget;
    }
    return nullptr;
}

// Sends a mouse event as the window system would deliver it; true when it was consumed before
// reaching the widget's own handler (which ignores presses it does not want).
bool sendMouse(QWidget *target, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons,
    const QPoint &global)
{
    QMouseEvent event(type, target->mapFromGlobal(global), global, button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
    return event.isAccepted();
}

QString storeText()
{
    QFile file(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/ostrelo/settings.conf"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void loadsSelection_data();
    void loadsSelection();
    void toggleShowsHidesAndSavesOnce_data();
    void toggleShowsHidesAndSavesOnce();
    void passWritesEveryLabel();
    void overlayMirrorsFigures();
    void drags();
    void slotsInOrder();
    void closeWithoutTrayEndsProgram();

private:
    QTemporaryDir emptyRoot; // no kernel files: every reader falls back
};

void tst_MainWindow::init()
{
    QSettings store(QStringLiteral("ostrelo"), QStringLiteral("settings"));
    store.clear();
    store.sync();
}

void tst_MainWindow::loadsSelection_data()
{
    QTest::addColumn<QVariantMap>("stored");
    QTest::addColumn<QString>("shown"); // one digit per item, in display order

    QTest::newRow("no store") << QVariantMap() << "11100000";
    QTest::newRow("mixed values") << QVariantMap { { "cpuUsageEnabled", false },
        { "swapEnabled", QStringLiteral("false") }, { "cpuFreqEnabled", true },
        { "avgTempEnabled", QStringLiteral("0") }, { "hddTempEnabled", QStringLiteral("yes") },
        { "otherTempEnabled", 2 } }
                                  << "01010011";
}

void tst_MainWindow::loadsSelection()
{
    QFETCH(QVariantMap, stored);
    QFETCH(QString, shown);
    {
        QSettings store(QStringLiteral("ostrelo"), QStringLiteral("settings"));
        for (auto it = stored.cbegin(); it != stored.cend(); ++it)
            store.setValue(it.key(), it.value());
    }

    MainWindow window(nullptr, emptyRoot.path());
    QCOMPARE(window.windowTitle(), QStringLiteral("Ostrelo"));
    QCOMPARE(window.size(), QSize(400, 300));
    const QList<QLabel *> labels = valueLabels(window);
    QCOMPARE(labels.size(), 8);
    for (int i = 0; i < 8; ++i) {
        const bool enabled = shown.at(i) == QLatin1Char('1');
        QCOMPARE(window.findChild<QCheckBox *>(kCheckBoxes.at(i))->isChecked(), enabled);
        QCOMPARE(!labels.at(i)->isHidden(), enabled);
        QVERIFY2(!labels.at(i)->text().contains(QStringLiteral("--")), "first pass ran");
    }
}

void tst_MainWindow::toggleShowsHidesAndSavesOnce_data()
{
    QTest::addColumn<int>("item");
    for (int i = 0; i < 8; ++i)
        QTest::newRow(qPrintable(kKeys.at(i))) << i;
}

void tst_MainWindow::toggleShowsHidesAndSavesOnce()
{
    QFETCH(int, item);
    const QString before = storeText();
    bool expected = false;
    {
        MainWindow window(nullptr, emptyRoot.path());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *checkBox = window.findChild<QCheckBox *>(kCheckBoxes.at(item));
        QLabel *label = valueLabels(window).at(item);
        const bool initially = checkBox->isChecked();
        // On the box itself: the check box is wider than what it reacts to.
        const QPoint box(8, checkBox->height() / 2);

        QTest::mouseClick(checkBox, Qt::LeftButton, Qt::NoModifier, box);
        QCOMPARE(checkBox->isChecked(), !initially);
        QCOMPARE(label->isVisible(), !initially);
        QTest::mouseClick(checkBox, Qt::LeftButton, Qt::NoModifier, box);
        QCOMPARE(label->isVisible(), initially);
        QTest::mouseClick(checkBox, Qt::LeftButton, Qt::NoModifier, box);
        expected = !initially;

        QCOMPARE(storeText(), before); // nothing is written while the window lives
    }
    const QSettings stored(QStringLiteral("ostrelo"), QStringLiteral("settings"));
    QCOMPARE(stored.allKeys().size(), 8);
    for (int i = 0; i < 8; ++i)
        QCOMPARE(stored.value(kKeys.at(i)).toBool(), i == item ? expected : i < 3);
}

void tst_MainWindow::passWritesEveryLabel()
{
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFINDTESTDATA("bin-canned").toLocal8Bit() + ':' + path);
    qputenv("SMARTCTL_CANNED", QFINDTESTDATA("fixtures/smartctl/hdd.txt").toLocal8Bit());
    MainWindow window(nullptr, QFINDTESTDATA("fixtures/laptop"));
    qputenv("PATH", path);

    QStringList texts;
    for (const QLabel *label : valueLabels(window))
        texts << label->text();
    QCOMPARE(texts,
        QStringList(
            { "CPU使用率: 0.0%", "内存使用率: 23.6%", "Swap使用率: 0.1%", "CPU频率: 1397 MHz",
                "CPU最高温度: 53°C", "平均温度: 42°C", "硬盘温度: 36°C", "其他硬件温度: 50°C" }));
    // The disk item is off by default, yet its reader ran: the figure came from smartctl.
    QVERIFY(valueLabels(window).at(6)->isHidden());
}

void tst_MainWindow::overlayMirrorsFigures()
{
    MainWindow window(nullptr, QFINDTESTDATA("fixtures/laptop"));
    QWidget *floating = overlay();
    QVERIFY(floating && floating->isHidden());
    QCOMPARE(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 800, 600));
    QCOMPARE(floating->geometry(), QRect(530, 400, 250, 180));
    QVERIFY(floating->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(floating->toolTip(), QString());
    const QList<QLabel *> lines = floating->findChildren<QLabel *>();
    QCOMPARE(lines.at(1)->text(), QStringLiteral("CPU: --%"));
    QCOMPARE(lines.at(8)->text(), QStringLiteral("Other Temp: --°C"));

    floating->show();
    QVERIFY(QTest::qWaitForWindowExposed(floating));
    window.findChild<QCheckBox *>(QStringLiteral("memoryCheckBox"))->click();
    QStringList texts;
    for (const QLabel *line : lines)
        texts << line->text();
    QCOMPARE(texts,
        QStringList(
            { "系统资源监控", "CPU: 0.0%", "内存: 23.6%", "Swap: 0.1%", "CPU Freq: 1397 MHz",
                "CPU Max Temp: 53°C", "Avg Temp: 42°C", "HDD Temp: 48°C", "Other Temp: 50°C" }));
    QVERIFY(!lines.at(2)->isVisible());
    QVERIFY(lines.at(3)->isVisible());
    // Every figure, the memory one switched off too, with two decimals.
    QCOMPARE(floating->toolTip(),
        QStringLiteral("CPU: 0.00%\nCPU Freq: 1397 MHz\nCPU Max Temp: 53°C\nAvg Temp: 42°C\n"
                       "HDD Temp: 48°C\nOther Temp: 50°C\n内存: 23.55%\nSwap: 0.13%"));
}

void tst_MainWindow::drags()
{
    MainWindow window(nullptr, emptyRoot.path());
    QWidget *floating = overlay();
    floating->show();
    QVERIFY(QTest::qWaitForWindowExposed(floating));
    const QPoint start = floating->pos();
    const QPoint grip = start + QPoint(40, 30);

    // A move with the button held but no press on the overlay first does not move it; nor does
    // one after a right press, which is left to the overlay itself.
    sendMouse(floating, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, grip + QPoint(9, 9));
    QVERIFY(!sendMouse(floating, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, grip));
    sendMouse(floating, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, grip + QPoint(9, 9));
    QCOMPARE(floating->pos(), start);

    QVERIFY(sendMouse(floating, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, grip));
    QVERIFY(sendMouse(
        floating, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, grip + QPoint(-100, -50)));
    QCOMPARE(floating->pos(), start + QPoint(-100, -50));
    // Any release, the right button's too, ends the drag.
    QVERIFY(sendMouse(floating, QEvent::MouseButtonRelease, Qt::RightButton, Qt::LeftButton, grip));
    sendMouse(floating, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, grip);
    QCOMPARE(floating->pos(), start + QPoint(-100, -50));

    // The main window follows the left button alone.
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint windowStart = window.pos();
    sendMouse(&window, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, windowStart);
    sendMouse(
        &window, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, windowStart + QPoint(30, 50));
    QCOMPARE(window.pos(), windowStart + QPoint(30, 50));
    sendMouse(&window, QEvent::MouseMove, Qt::NoButton, Qt::RightButton, windowStart);
    QCOMPARE(window.pos(), windowStart + QPoint(30, 50));
}

void tst_MainWindow::slotsInOrder()
{
    const QMetaObject &meta = MainWindow::staticMetaObject;
    QStringList methods;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        const QMetaMethod method = meta.method(i);
        QVERIFY(
            method.methodType() == QMetaMethod::Slot && method.access() == QMetaMethod::Private);
        methods << method.methodSignature() + ' ' + method.parameterNames().join(',');
    }
    QCOMPARE(methods,
        QStringList({ "updateSystemInfo() ", "updateFloatingWindow() ", "quitApplication() ",
            "iconActivated(QSystemTrayIcon::ActivationReason) reason" }));
}

void tst_MainWindow::closeWithoutTrayEndsProgram()
{
    QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable());
    MainWindow window(nullptr, emptyRoot.path());
    QVERIFY(!window.findChild<QSystemTrayIcon *>());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // Closing the last window ends the event loop; the guard timer fails the test otherwise.
    QTimer::singleShot(0, &window, &QWidget::close);
    QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(window.isHidden());
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
