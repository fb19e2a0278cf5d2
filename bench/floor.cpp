#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QList>
#include <QMainWindow>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QVBoxLayout>

#include <array>

// The floor that scripts/cost.sh measures the monitor against: about the least a Qt Widgets
// program can do to show what the monitor shows, eight labels in a main window and a tray icon
// whose tooltip repeats them, refreshed once a second. It reads /proc/stat and /proc/meminfo for
// the CPU, memory and swap figures; the other five stay at 0, because the frequency file, the
// sensor scans and smartctl are the monitor's own work, the part whose cost the comparison shows.
// The texts are the monitor's, so both programs load the same fonts.

namespace {

struct Item
{
    QString label; // main window; "%1" is the figure
    QString line; // tray tooltip
};

const std::array<Item, 8> kItems = { {
    { QStringLiteral("CPU使用率: %1%"), QStringLiteral("CPU: %1%") },
    { QStringLiteral("内存使用率: %1%"), QStringLiteral("内存: %1%") },
    { QStringLiteral("Swap使用率: %1%"), QStringLiteral("Swap: %1%") },
    { QStringLiteral("CPU频率: %1 MHz"), QStringLiteral("CPU Freq: %1 MHz") },
    { QStringLiteral("CPU最高温度: %1°C"), QStringLiteral("CPU Max Temp: %1°C") },
    { QStringLiteral("平均温度: %1°C"), QStringLiteral("Avg Temp: %1°C") },
    { QStringLiteral("硬盘温度: %1°C"), QStringLiteral("HDD Temp: %1°C") },
    { QStringLiteral("其他硬件温度: %1°C"), QStringLiteral("Other Temp: %1°C") },
} };

struct CpuTicks
{
    quint64 total = 0;
    quint64 idle = 0;
};

// The aggregate line: user nice system idle iowait irq softirq steal. Guest time, in the columns
// after these, is already counted in user and nice.
CpuTicks readCpuTicks()
{
    CpuTicks ticks;
    QFile file(QStringLiteral("/proc/stat"));
    if (!file.open(QIODevice::ReadOnly))
        return ticks;
    const QList<QByteArray> words = file.readLine().simplified().split(' ');
    for (int column = 1; column < qMin(int(words.size()), 9); ++column) {
        const quint64 value = words.at(column).toULongLong();
        ticks.total += value;
        if (column == 4 || column == 5)
            ticks.idle += value;
    }
    return ticks;
}

double busyPercent(const CpuTicks &previous, const CpuTicks &current)
{
    if (current.total <= previous.total || current.idle < previous.idle)
        return 0.0;
    const quint64 total = current.total - previous.total;
    return 100.0 * double(total - qMin(total, current.idle - previous.idle)) / double(total);
}

double usedPercent(double total, double left)
{
    return total > 0 ? 100.0 * (total - left) / total : 0.0;
}

// Memory (MemTotal less MemAvailable) and swap (SwapTotal less SwapFree) in use, in percent.
std::array<double, 2> readMemoryAndSwap()
{
    QFile file(QStringLiteral("/proc/meminfo"));
    if (!file.open(QIODevice::ReadOnly))
        return { 0.0, 0.0 };
    // "MemTotal: 16303940 kB MemFree: ..." once the lines are joined: each value follows its key.
    const QList<QByteArray> words = file.readAll().simplified().split(' ');
    const auto value = [&words](const char *key) {
        const int at = words.indexOf(key);
        return at >= 0 && at + 1 < words.size() ? words.at(at + 1).toDouble() : 0.0;
    };
    return { usedPercent(value("MemTotal:"), value("MemAvailable:")),
        usedPercent(value("SwapTotal:"), value("SwapFree:")) };
}

} // namespace

int main(int argc, char *argv[])
{
    // As the monitor does, so that neither maps Qt's GL integration and the two compare alike.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");

    QApplication app(argc, argv);
    const QIcon icon(QStringLiteral(OSTRELO_FLOOR_ICON));
    QApplication::setWindowIcon(icon);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Ostrelo floor"));
    // The size the monitor asks for its own window.
    window.resize(400, 300);
    auto *central = new QWidget(&window);
    window.setCentralWidget(central);
    auto *layout = new QVBoxLayout(central);
    std::array<QLabel *, kItems.size()> labels {};
    for (QLabel *&label : labels) {
        label = new QLabel(central);
        layout->addWidget(label);
    }

    auto *tray = new QSystemTrayIcon(icon, &window);
    CpuTicks previous = readCpuTicks();
    const auto refresh = [&labels, tray, &previous] {
        const CpuTicks current = readCpuTicks();
        const std::array<double, 2> memoryAndSwap = readMemoryAndSwap();
        const std::array<QString, kItems.size()> figures = {
            QString::number(busyPercent(previous, current), 'f', 1),
            QString::number(memoryAndSwap[0], 'f', 1),
            QString::number(memoryAndSwap[1], 'f', 1),
            QString::number(0),
            QString::number(0),
            QString::number(0),
            QString::number(0),
            QString::number(0),
        };
        previous = current;

        QString toolTip = QStringLiteral("系统资源监控");
        for (size_t i = 0; i < kItems.size(); ++i) {
            labels[i]->setText(kItems[i].label.arg(figures[i]));
            toolTip += QLatin1Char('\n') + kItems[i].line.arg(figures[i]);
        }
        tray->setToolTip(toolTip);
    };

    auto *timer = new QTimer(&window);
    QObject::connect(timer, &QTimer::timeout, &window, refresh);
    timer->start(1000);
    refresh();

    tray->show();
    window.show();
    return app.exec();
}
