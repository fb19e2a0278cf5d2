#include "mainwindow.h"

#include "metricreaders.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDir>
#include <QFileInfo>
#include <QFocusFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {
const char kRelativeIconPath[] = "../share/icons/hicolor/48x48/apps/ostrelo.png";
const char kOrganisation[] = "ostrelo";
const char kApplication[] = "settings";
const int kRefreshIntervalMs = 1000;
const char kWatcher[] = "org.kde.StatusNotifierWatcher";
// Asked only when the window is closed; a watcher that does not answer by then is no tray.
const int kWatcherTimeoutMs = 2000;

// Where on the screen a press or move happened, as the window system reported it with the event:
// mapping the event's local position instead would use where Qt thinks the window is, which lags
// behind while the window is being dragged.
QPoint globalPosition(const QMouseEvent *event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return event->globalPosition().toPoint(); // Qt 6 deprecates globalPos() for this, new in 6.0
#else
    return event->globalPos();
#endif
}
} // namespace

const MainWindow::MetricItem MainWindow::metricItems[8] = {
    { &Settings::cpuUsageEnabled, QStringLiteral("cpuUsageEnabled"), true,
        QStringLiteral("cpuUsageCheckBox"), QT_TRANSLATE_NOOP("MainWindow", "CPU使用率"), QString(),
        QT_TRANSLATE_NOOP("MainWindow", "CPU使用率: %1%"),
        QT_TRANSLATE_NOOP("MainWindow", "CPU: %1%"), &MainWindow::cpuUsage, nullptr,
        &MainWindow::cpuUsageCheckBox, &MainWindow::cpuUsageLabel, &MainWindow::floatingCpuLabel },
    { &Settings::memoryEnabled, QStringLiteral("memoryEnabled"), true,
        QStringLiteral("memoryCheckBox"), QT_TRANSLATE_NOOP("MainWindow", "内存使用率"), QString(),
        QT_TRANSLATE_NOOP("MainWindow", "内存使用率: %1%"),
        QT_TRANSLATE_NOOP("MainWindow", "内存: %1%"), &MainWindow::memoryUsage, nullptr,
        &MainWindow::memoryCheckBox, &MainWindow::memoryLabel, &MainWindow::floatingMemoryLabel },
    { &Settings::swapEnabled, QStringLiteral("swapEnabled"), true, QStringLiteral("swapCheckBox"),
        QT_TRANSLATE_NOOP("MainWindow", "Swap使用率"), QString(),
        QT_TRANSLATE_NOOP("MainWindow", "Swap使用率: %1%"),
        QT_TRANSLATE_NOOP("MainWindow", "Swap: %1%"), &MainWindow::swapUsage, nullptr,
        &MainWindow::swapCheckBox, &MainWindow::swapLabel, &MainWindow::floatingSwapLabel },
    { &Settings::cpuFreqEnabled, QStringLiteral("cpuFreqEnabled"), false,
        QStringLiteral("cpuFreqCheckBox"), QT_TRANSLATE_NOOP("MainWindow", "CPU频率"),
        QStringLiteral("cpuFreqLabel"), QT_TRANSLATE_NOOP("MainWindow", "CPU频率: %1 MHz"),
        QT_TRANSLATE_NOOP("MainWindow", "CPU Freq: %1 MHz"), nullptr, &MainWindow::cpuFreq,
        &MainWindow::cpuFreqCheckBox, &MainWindow::cpuFreqLabel,
        &MainWindow::floatingCpuFreqLabel },
    { &Settings::cpuMaxTempEnabled, QStringLiteral("cpuMaxTempEnabled"), false,
        QStringLiteral("cpuMaxTempCheckBox"), QT_TRANSLATE_NOOP("MainWindow", "CPU最高温度"),
        QStringLiteral("cpuMaxTempLabel"), QT_TRANSLATE_NOOP("MainWindow", "CPU最高温度: %1°C"),
        QT_TRANSLATE_NOOP("MainWindow", "CPU Max Temp: %1°C"), nullptr, &MainWindow::cpuMaxTemp,
        &MainWindow::cpuMaxTempCheckBox, &MainWindow::cpuMaxTempLabel,
        &MainWindow::floatingCpuMaxTempLabel },
    { &Settings::avgTempEnabled, QStringLiteral("avgTempEnabled"), false,
        QStringLiteral("avgTempCheckBox"), QT_TRANSLATE_NOOP("MainWindow", "平均温度"),
        QStringLiteral("avgTempLabel"), QT_TRANSLATE_NOOP("MainWindow", "平均温度: %1°C"),
        QT_TRANSLATE_NOOP("MainWindow", "Avg Temp: %1°C"), nullptr, &MainWindow::avgTemp,
        &MainWindow::avgTempCheckBox, &MainWindow::avgTempLabel,
        &MainWindow::floatingAvgTempLabel },
    { &Settings::hddTempEnabled, QStringLiteral("hddTempEnabled"), false,
        QStringLiteral("hddTempCheckBox"), QT_TRANSLATE_NOOP("MainWindow", "硬盘温度"),
        QStringLiteral("hddTempLabel"), QT_TRANSLATE_NOOP("MainWindow", "硬盘温度: %1°C"),
        QT_TRANSLATE_NOOP("MainWindow", "HDD Temp: %1°C"), nullptr, &MainWindow::hddTemp,
        &MainWindow::hddTempCheckBox, &MainWindow::hddTempLabel,
        &MainWindow::floatingHddTempLabel },
    { &Settings::otherTempEnabled, QStringLiteral("otherTempEnabled"), false,
        QStringLiteral("otherTempCheckBox"), QT_TRANSLATE_NOOP("MainWindow", "其他硬件温度"),
        QStringLiteral("otherTempLabel"), QT_TRANSLATE_NOOP("MainWindow", "其他硬件温度: %1°C"),
        QT_TRANSLATE_NOOP("MainWindow", "Other Temp: %1°C"), nullptr, &MainWindow::otherTemp,
        &MainWindow::otherTempCheckBox, &MainWindow::otherTempLabel,
        &MainWindow::floatingOtherTempLabel },
};

QString MainWindow::iconFilePath()
{
    // Beside the executable's own directory, so the build tree and any install prefix work alike.
    return QDir(QCoreApplication::applicationDirPath())
        .absoluteFilePath(QLatin1String(kRelativeIconPath));
}

MainWindow::MainWindow(QWidget *parent, const QString &systemRoot)
    : QMainWindow(parent)
    , systemRoot(systemRoot)
{
    const QSettings store { QLatin1String(kOrganisation), QLatin1String(kApplication) };
    // toBool() takes whatever an edited store holds ("1", "yes", 0) without complaint.
    for (const MetricItem &item : metricItems)
        settings.*item.flag = store.value(item.key, item.enabledByDefault).toBool();

    setupUserInterface();
    startRefreshTimer();
}

MainWindow::~MainWindow()
{
    if (trayIcon) {
        trayIcon->setVisible(false);
        trayIcon = nullptr;
    }
    // The overlay has no parent, so nothing else would ever free it.
    delete floatingWindow;
    floatingWindow = nullptr;

    saveSettings();
}

void MainWindow::saveSettings() const
{
    // Every key is written, changed or not, so the store always holds the whole selection.
    QSettings store { QLatin1String(kOrganisation), QLatin1String(kApplication) };
    for (const MetricItem &item : metricItems)
        store.setValue(item.key, settings.*item.flag);
}

void MainWindow::setupUserInterface()
{
    setWindowTitle(QStringLiteral("Ostrelo"));
    resize(400, 300);

    auto *central = new QWidget(this);
    setCentralWidget(central);
    auto *mainLayout = new QVBoxLayout(central);

    monitorItemsGroup = new QGroupBox(tr("监控项设置"), this);
    auto *itemsLayout = new QVBoxLayout(monitorItemsGroup);
    for (const MetricItem &item : metricItems) {
        auto *checkBox = new QCheckBox(tr(item.checkBoxText), this);
        checkBox->setObjectName(item.checkBoxName);
        this->*item.checkBox = checkBox;
        // Checked before its handler is connected (below, with its label), so building the window
        // runs no handler.
        checkBox->setChecked(settings.*item.flag);
        itemsLayout->addWidget(checkBox);
    }
    mainLayout->addWidget(monitorItemsGroup);
    mainLayout->addStretch();

    createFloatingWindow();
    createTrayIcon();

    auto *valuesGroup = new QGroupBox(tr("监控数据信息"), this);
    auto *valuesLayout = new QVBoxLayout(valuesGroup);
    for (const MetricItem &item : metricItems) {
        auto *label = new QLabel(tr(item.labelFormat).arg(QLatin1String("--")), this);
        this->*item.label = label;
        if (!item.labelName.isEmpty())
            label->setObjectName(item.labelName);
        label->setStyleSheet(QStringLiteral("font-size: 16px; padding: 5px;"));
        label->setVisible(settings.*item.flag);
        label->setAlignment(Qt::AlignLeft);
        // Reached with Tab after the boxes, so that a screen reader reads the figure.
        label->setFocusPolicy(Qt::TabFocus);
        valuesLayout->addWidget(label);
        // The label as the context: Qt's accessibility takes a box's receivers for what it
        // controls, and a screen reader goes from the box to the figure by that relation.
        connect(this->*item.checkBox, &QCheckBox::toggled, label,
            [this, &item](bool checked) { setItemEnabled(item, checked); });
    }
    mainLayout->addWidget(valuesGroup);

    // A label draws no focus of its own: the style's focus frame, in the palette's text colour,
    // goes round the figure that has it.
    auto *focusFrame = new QFocusFrame(valuesGroup);
    connect(qApp, &QApplication::focusChanged, focusFrame,
        [valuesGroup, focusFrame](QWidget *, QWidget *now) {
            focusFrame->setWidget(now && now->parentWidget() == valuesGroup ? now : nullptr);
        });

    // The tray icon's menu is out of the keyboard's reach, and there may be no tray at all.
    new QShortcut(QKeySequence::Quit, this, this, &MainWindow::quitApplication);
}

void MainWindow::setItemEnabled(const MetricItem &item, bool enabled)
{
    settings.*item.flag = enabled;
    (this->*item.label)->setVisible(enabled);
    if (QLabel *floatingLabel = this->*item.floatingLabel)
        floatingLabel->setVisible(enabled);
    // Saved now as well as when the window goes: a session that ends by losing its display (every
    // Wayland logout, an X server that dies) ends the process without destroying the window.
    saveSettings();
    // Show the change now rather than at the next tick.
    updateSystemInfo();
}

QString MainWindow::figureText(const MetricItem &item, int decimals) const
{
    // In the form of the language the texts speak, which the default locale is.
    if (item.percent)
        return QLocale().toString(this->*item.percent, 'f', decimals);
    return QLocale().toString(this->*item.whole);
}

void MainWindow::startRefreshTimer()
{
    auto *timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &MainWindow::updateSystemInfo);
    timer->start(kRefreshIntervalMs);
    updateSystemInfo();
}

void MainWindow::updateSystemInfo()
{
    cpuUsage = readCpuUsage();
    memoryUsage = readMemoryUsage();
    swapUsage = readSwapUsage();
    cpuFreq = MetricReaders::readCpuFrequency(systemRoot);
    cpuMaxTemp = readCpuMaxTemperature();
    avgTemp = readAverageTemperature();
    hddTemp = readDiskTemperature();
    otherTemp = readOtherTemperature();

    // Hidden labels are written too, so a label that is switched on never shows a stale figure.
    for (const MetricItem &item : metricItems)
        (this->*item.label)->setText(tr(item.labelFormat).arg(figureText(item, 1)));
    // A screen reader reads a figure when it takes the focus, and would read it again at every
    // change of its name while it keeps it: once a second. So the name follows the text only
    // while the figure does not have the focus.
    for (const MetricItem &item : metricItems) {
        QLabel *label = this->*item.label;
        if (!label->hasFocus() && label->accessibleName() != label->text())
            label->setAccessibleName(label->text());
    }

    if (floatingWindow && floatingWindow->isVisible())
        updateFloatingWindow();
    updateTrayStatus();
}

double MainWindow::readCpuUsage()
{
    return MetricReaders::readCpuUsage(systemRoot);
}

double MainWindow::readMemoryUsage()
{
    return MetricReaders::readMemoryUsage(systemRoot);
}

double MainWindow::readSwapUsage()
{
    return MetricReaders::readSwapUsage(systemRoot);
}

int MainWindow::readCpuMaxTemperature()
{
    return MetricReaders::readCpuMaxTemperature(systemRoot);
}

int MainWindow::readAverageTemperature()
{
    return MetricReaders::readAverageTemperature(systemRoot);
}

int MainWindow::readDiskTemperature()
{
    return MetricReaders::readDiskTemperature(systemRoot);
}

int MainWindow::readOtherTemperature()
{
    return MetricReaders::readOtherTemperature(systemRoot);
}

void MainWindow::createTrayIcon()
{
    // Qt picks the kind of icon once, when the first is made: a StatusNotifierItem where a host
    // has registered with the session bus's watcher by then, else a window docked through the X11
    // tray protocol, which Qt docks into whichever tray appears later and again after a panel
    // restarts. So the icon is made at once, tray or not: at login the monitor starts before the
    // panel. Away from X11 only a host that is up now can ever show it.
    if (QGuiApplication::platformName() != QLatin1String("xcb")
        && !QSystemTrayIcon::isSystemTrayAvailable())
        return;

    trayIcon = new QSystemTrayIcon(this);
    refreshTrayImage();

    auto *menu = new QMenu(this);
    auto *showAction = new QAction(tr("显示主窗口"), this);
    auto *quitAction = new QAction(tr("退出"), this);
    connect(showAction, &QAction::triggered, this, &QWidget::showNormal);
    connect(quitAction, &QAction::triggered, this, &MainWindow::quitApplication);
    menu->addAction(showAction);
    menu->addSeparator();
    menu->addAction(quitAction);
    trayIcon->setContextMenu(menu);

    connect(trayIcon, &QSystemTrayIcon::activated, this, &MainWindow::iconActivated);
    trayIcon->show();
    // Closing the window ends the program only where no tray shows the icon, which closeEvent
    // tells at the moment of closing.
    setAttribute(Qt::WA_QuitOnClose, false);
}

void MainWindow::updateTrayStatus()
{
    if (!trayIcon)
        return;

    QString toolTip = tr("系统资源监控") + QLatin1Char('\n');
    for (const MetricItem &item : metricItems) {
        if (settings.*item.flag)
            toolTip += tr(item.shortFormat).arg(figureText(item, 1)) + QLatin1Char('\n');
    }
    toolTip.chop(1);
    // A StatusNotifierItem host answers each new tooltip by fetching all of the icon again, pixels
    // included, so an unchanged text is not sent.
    if (toolTip != trayIcon->toolTip())
        trayIcon->setToolTip(toolTip);
    // Looked up on every pass, so an icon file that is removed or restored shows at once.
    refreshTrayImage();
}

void MainWindow::refreshTrayImage()
{
    // The tray shows the installed icon or nothing: an empty icon tells that the file went away.
    // Decoding the PNG and repainting the tray each second would cost more than all the file
    // readers of a pass, so the image is loaded again only when the file comes, goes or changes.
    const QFileInfo file(iconFilePath());
    const QDateTime modified = file.exists() ? file.lastModified() : QDateTime();
    const qint64 size = file.exists() ? file.size() : -1;
    if (trayImageLoaded && modified == trayImageModified && size == trayImageSize)
        return;
    trayIcon->setIcon(file.exists() ? QIcon(file.filePath()) : QIcon());
    trayImageLoaded = true;
    trayImageModified = modified;
    trayImageSize = size;
}

void MainWindow::quitApplication()
{
    if (trayIcon)
        trayIcon->hide();
    if (floatingWindow)
        floatingWindow->hide();
    QCoreApplication::quit();
}

void MainWindow::iconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason != QSystemTrayIcon::Trigger)
        return;
    if (isVisible())
        hide();
    else
        bringToFront();
}

void MainWindow::bringToFront()
{
    showNormal();
    raise();
    // Wayland hands the focus only to what the user acts on, and logs a warning for every request.
    if (QGuiApplication::platformName() != QLatin1String("wayland"))
        activateWindow();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Accepted whoever asks: a quit that closes the windows first (the session manager's at logout,
    // Qt 6's quit()) must never be held back, and on Qt 5 its close is as spontaneous as the
    // user's. With a tray that shows the icon the window is only put away; without one it could
    // not be had back, so the program ends.
    QMainWindow::closeEvent(event);
    if (!trayShowsIcon())
        QCoreApplication::exit(0);
}

bool MainWindow::trayShowsIcon() const
{
    if (!trayIcon || !trayIcon->isVisible())
        return false;
    // Docked through the X11 protocol, the icon has a window of its own while there is a tray.
    if (trayIcon->geometry().isValid())
        return true;
    // A StatusNotifierItem shows while the watcher lists it and a host is registered with it. Qt's
    // own isSystemTrayAvailable() would open a bus connection that Qt 5 never closes.
    const QDBusConnection bus = QDBusConnection::sessionBus();
    const auto property = [&bus](const char *name) {
        QDBusMessage get = QDBusMessage::createMethodCall(QLatin1String(kWatcher),
            QStringLiteral("/StatusNotifierWatcher"),
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        get << QLatin1String(kWatcher) << QLatin1String(name);
        const QDBusMessage reply = bus.call(get, QDBus::Block, kWatcherTimeoutMs);
        return reply.arguments().value(0).value<QDBusVariant>().variant();
    };
    if (!bus.isConnected() || !property("IsStatusNotifierHostRegistered").toBool())
        return false;
    // Qt 5 names its item after a bus name of its own, Qt 6 after its connection: both belong to
    // this process.
    const QStringList items = property("RegisteredStatusNotifierItems").toStringList();
    return std::any_of(items.cbegin(), items.cend(), [&bus](const QString &item) {
        return bus.interface()->servicePid(item.section(QLatin1Char('/'), 0, 0)).value()
            == QCoreApplication::applicationPid();
    });
}

void MainWindow::createFloatingWindow()
{
    floatingWindow = new QWidget(nullptr, Qt::ToolTip | Qt::WindowStaysOnTopHint);
    floatingWindow->setWindowTitle(tr("系统监控"));
    floatingWindow->setFixedSize(250, 180);
    floatingWindow->setStyleSheet(
        QStringLiteral("background-color: rgba(0, 0, 0, 160); color: white; border-radius: 8px;"));
    floatingWindow->setWindowFlags(
        Qt::ToolTip | Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint);

    auto *layout = new QVBoxLayout(floatingWindow);
    layout->setContentsMargins(10, 10, 10, 10);

    auto *heading = new QLabel(tr("系统资源监控"), floatingWindow);
    heading->setAlignment(Qt::AlignCenter);
    heading->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 12px; color: white;"));
    layout->addWidget(heading);

    for (const MetricItem &item : metricItems) {
        auto *label = new QLabel(tr(item.shortFormat).arg(QLatin1String("--")), floatingWindow);
        this->*item.floatingLabel = label;
        label->setStyleSheet(QStringLiteral("color: white; font-size: 10px;"));
        label->setVisible(settings.*item.flag);
        layout->addWidget(label);
    }

    // Width and height rather than right and bottom: the corner sits 20 pixels inside a primary
    // screen at the origin.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    floatingWindow->move(screen.width() - 270, screen.height() - 200);
    floatingWindow->hide();
    floatingWindow->installEventFilter(this);

    auto *timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &MainWindow::updateFloatingWindow);
    timer->start(kRefreshIntervalMs);
}

void MainWindow::updateFloatingWindow()
{
    if (!floatingWindow || !floatingWindow->isVisible())
        return;

    for (const MetricItem &item : metricItems) {
        QLabel *label = this->*item.floatingLabel;
        label->setText(tr(item.shortFormat).arg(figureText(item, 1)));
        label->setVisible(settings.*item.flag);
    }

    // Every figure, enabled or not, with two decimals; memory and swap come last.
    const QLocale locale;
    floatingWindow->setToolTip(
        tr("CPU: %1%\nCPU Freq: %2 MHz\nCPU Max Temp: %3°C\n"
           "Avg Temp: %4°C\nHDD Temp: %5°C\nOther Temp: %6°C\n"
           "内存: %7%\nSwap: %8%")
            .arg(locale.toString(cpuUsage, 'f', 2), locale.toString(cpuFreq),
                locale.toString(cpuMaxTemp), locale.toString(avgTemp), locale.toString(hddTemp),
                locale.toString(otherTemp), locale.toString(memoryUsage, 'f', 2),
                locale.toString(swapUsage, 'f', 2)));
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // There is only one overlay, so its drag state lives once for the whole program.
    static QPoint floatingDragPosition;
    static bool floatingDragging = false;

    if (!floatingWindow || watched != floatingWindow)
        return QMainWindow::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            break;
        floatingDragPosition = globalPosition(mouse) - floatingWindow->frameGeometry().topLeft();
        floatingDragging = true;
        return true;
    }
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (!floatingDragging || !(mouse->buttons() & Qt::LeftButton))
            break;
        floatingWindow->move(globalPosition(mouse) - floatingDragPosition);
        return true;
    }
    case QEvent::MouseButtonRelease:
        floatingDragging = false;
        return true;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    dragPosition = globalPosition(event) - frameGeometry().topLeft();
    event->accept();
}

void MainWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    move(globalPosition(event) - dragPosition);
    event->accept();
}
