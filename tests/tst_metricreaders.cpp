#include "metricreaders.h"

#include <QtTest>

class tst_MetricReaders : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void cpuSamples_data();
    void cpuSamples();
    void cpuUsageReader_data();
    void cpuUsageReader();
    void memoryReader_data();
    void memoryReader();
    void swapReader_data();
    void swapReader();
    void frequencyReader_data();
    void frequencyReader();
    void sensorReaders_data();
    void sensorReaders();
    void diskReader_data();
    void diskReader();
    void hangingSmartctlIsKilled();

private:
    void useSmartctl(const QString &binDir, const QString &output, int exitStatus = 0);

    QByteArray originalPath;
    QStringList expectedMessages;
};

namespace {

QtMessageHandler testlibHandler = nullptr;
QStringList loggedMessages;

// Only the swap reader may write a message; QTest alone would let any other one pass.
void recordMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    loggedMessages << message;
    testlibHandler(type, context, message);
}

// Fixture trees sit beside this file; an empty root would mean the running system.
QString fixture(const QString &name)
{
    const QString root = QFINDTESTDATA(QStringLiteral("fixtures/") + name);
    return root.isEmpty() ? QStringLiteral("/nonexistent/") + name : root;
}

// "pid state" of every child of this process, zombies included, from /proc/<pid>/stat, whose
// fields after "(comm)" are state and ppid.
QStringList childProcesses()
{
    QStringList children;
    const QByteArray self = QByteArray::number(QCoreApplication::applicationPid());
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &pid : pids) {
        QFile stat(QStringLiteral("/proc/") + pid + QStringLiteral("/stat"));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1 && fields.at(1) == self)
            children << pid + QLatin1Char(' ') + QString::fromLatin1(fields.at(0));
    }
    return children;
}

} // namespace

void tst_MetricReaders::initTestCase()
{
    originalPath = qgetenv("PATH");
    testlibHandler = qInstallMessageHandler(recordMessage);
}

void tst_MetricReaders::init()
{
    loggedMessages.clear();
    expectedMessages.clear();
}

void tst_MetricReaders::cleanup()
{
    qputenv("PATH", originalPath);
    QCOMPARE(loggedMessages, expectedMessages);
    QCOMPARE(childProcesses(), QStringList());
}

// binDir empty: no smartctl anywhere on PATH.
void tst_MetricReaders::useSmartctl(const QString &binDir, const QString &output, int exitStatus)
{
    qputenv("PATH",
        binDir.isEmpty() ? QByteArray("/nonexistent")
                         : QFile::encodeName(QFINDTESTDATA(binDir)) + ':' + originalPath);
    qputenv("SMARTCTL_CANNED", QFile::encodeName(fixture(QStringLiteral("smartctl/") + output)));
    qputenv("SMARTCTL_EXIT", QByteArray::number(exitStatus));
}

void tst_MetricReaders::cpuSamples_data()
{
    QTest::addColumn<QByteArray>("previous");
    QTest::addColumn<QByteArray>("current");
    QTest::addColumn<double>("usage");

    // In the "stops" rows, a parser that went on past the bad field would count 900 as irq time.
    QTest::newRow("fewer than eight counters")
        << QByteArray("cpu 100 0 0 300") << QByteArray("cpu 200 0 0 600") << 25.0;
    QTest::newRow("stops at a word")
        << QByteArray("cpu 100 0 0 300 x 5") << QByteArray("cpu 200 0 0 600 x 900") << 25.0;
    QTest::newRow("stops at a sign")
        << QByteArray("cpu 100 0 0 300 -1 5") << QByteArray("cpu 200 0 0 600 -1 900") << 25.0;
    QTest::newRow("stops beyond 64 bits")
        << QByteArray("cpu 100 0 0 300 18446744073709551616 5")
        << QByteArray("cpu 200 0 0 600 18446744073709551616 900") << 25.0;
    QTest::newRow("stops at the line end")
        << QByteArray("cpu 100 0 0 300\n5") << QByteArray("cpu 200 0 0 600\n900") << 25.0;
    QTest::newRow("all busy") << QByteArray("cpu 100 0 0 400") << QByteArray("cpu 200 0 0 400")
                              << 100.0;
    QTest::newRow("idle went back")
        << QByteArray("cpu 100 0 0 400") << QByteArray("cpu 300 0 0 300") << 0.0;
    QTest::newRow("idle delta above total delta")
        << QByteArray("cpu 0 0 100 400") << QByteArray("cpu 0 0 0 600") << 0.0;
    QTest::newRow("64-bit deltas")
        << QByteArray("cpu 1") << QByteArray("cpu 18446744073709551615") << 100.0;
}

void tst_MetricReaders::cpuSamples()
{
    QFETCH(QByteArray, previous);
    QFETCH(QByteArray, current);
    MetricReaders::CpuSample first;
    MetricReaders::CpuSample second;
    QVERIFY(MetricReaders::parseCpuSample(previous, &first));
    QVERIFY(MetricReaders::parseCpuSample(current, &second));
    const double usage = MetricReaders::cpuUsagePercent(first, second);
    QVERIFY(usage >= 0.0 && usage <= 100.0);
    QTEST(usage, "usage");
}

void tst_MetricReaders::cpuUsageReader_data()
{
    QTest::addColumn<QStringList>("trees");
    QTest::addColumn<double>("lastUsage");

    // Every call but the last returns 0.0. cpu-baseline: total 600, idle 400; cpu-quarter-busy:
    // total 1000, idle 700.
    QTest::newRow("first sample") << QStringList { "cpu-quarter-busy" } << 0.0;
    QTest::newRow("quarter busy") << QStringList { "cpu-baseline", "cpu-quarter-busy" } << 25.0;
    QTest::newRow("guest columns ignored")
        << QStringList { "cpu-baseline", "cpu-guest-columns" } << 25.0;
    QTest::newRow("iowait counts idle") << QStringList { "cpu-baseline", "cpu-iowait" } << 0.0;
    QTest::newRow("unreadable keeps baseline") << QStringList { "cpu-baseline", "no-sources",
        "cpu-empty", "cpu-no-counters", "cpu-quarter-busy" }
                                               << 25.0;
    QTest::newRow("same tick") << QStringList { "cpu-quarter-busy", "cpu-quarter-busy" } << 0.0;
    QTest::newRow("went back becomes baseline")
        << QStringList { "cpu-quarter-busy", "cpu-baseline", "cpu-quarter-busy" } << 25.0;
    QTest::newRow("laptop") << QStringList { "laptop", "laptop" } << 0.0;
}

void tst_MetricReaders::cpuUsageReader()
{
    QFETCH(QStringList, trees);
    QFETCH(double, lastUsage);
    // The sampler's baseline is process-wide; counters at zero leave it without one.
    QCOMPARE(MetricReaders::readCpuUsage(fixture("cpu-zero")), 0.0);
    const QString last = trees.takeLast();
    for (const QString &tree : qAsConst(trees))
        QCOMPARE(MetricReaders::readCpuUsage(fixture(tree)), 0.0);
    QCOMPARE(MetricReaders::readCpuUsage(fixture(last)), lastUsage);
}

void tst_MetricReaders::memoryReader_data()
{
    QTest::addColumn<QString>("root");
    QTest::addColumn<double>("usage");

    QTest::newRow("laptop") << fixture("laptop") << 100.0 * (16318236 - 12474532) / 16318236;
    QTest::newRow("800 total, 300 available") << fixture("mem-small") << 62.5;
    QTest::newRow("longer key word matches") << fixture("mem-longer-keys") << 62.5;
    QTest::newRow("indented keys do not match") << fixture("mem-indented-keys") << 0.0;
    QTest::newRow("MemAvailable before MemTotal") << fixture("mem-available-first") << 0.0;
    QTest::newRow("no MemAvailable") << fixture("mem-no-available") << 100.0;
    QTest::newRow("no meminfo") << fixture("no-sources") << 0.0;
}

void tst_MetricReaders::memoryReader()
{
    QFETCH(QString, root);
    QTEST(MetricReaders::readMemoryUsage(root), "usage");
}

void tst_MetricReaders::swapReader_data()
{
    QTest::addColumn<QString>("root");
    QTest::addColumn<double>("usage");
    QTest::addColumn<QStringList>("infos");
    QTest::addColumn<QString>("warning");

    const QStringList small { "SwapTotal: 300", "SwapFree: 200",
        "Swap usage calculated: 33.3333 % (Total: 300  Free: 200 )" };
    QTest::newRow("laptop") << fixture("laptop") << 100.0 * 1280 / 999420
                            << QStringList { "SwapTotal: 999420", "SwapFree: 998140",
                                   "Swap usage calculated: 0.128074 % (Total: 999420  Free: "
                                   "998140 )" }
                            << QString();
    QTest::newRow("300 total, 200 free") << fixture("mem-small") << 100.0 / 3 << small << QString();
    QTest::newRow("text before the key")
        << fixture("mem-longer-keys") << 100.0 / 3 << small << QString();
    QTest::newRow("indented keys")
        << fixture("mem-indented-keys") << 100.0 / 3 << small << QString();
    QTest::newRow("unused") << fixture("mem-no-available") << 0.0
                            << QStringList { "SwapTotal: 2097148", "SwapFree: 2097148",
                                   "Swap usage calculated: 0 % (Total: 2097148  Free: 2097148 )" }
                            << QString();
    QTest::newRow("no swap") << fixture("mem-no-swap") << 0.0
                             << QStringList { "SwapTotal: 0", "SwapFree: 0" }
                             << "No valid swap data found in /proc/meminfo";
    QTest::newRow("no SwapFree") << fixture("mem-no-swapfree") << 100.0
                                 << QStringList { "SwapTotal: 300",
                                        "Swap usage calculated: 100 % (Total: 300  Free: 0 )" }
                                 << QString();
    QTest::newRow("no meminfo") << fixture("no-sources") << 0.0 << QStringList()
                                << "Failed to open /proc/meminfo for swap usage";
}

void tst_MetricReaders::swapReader()
{
    QFETCH(QString, root);
    QFETCH(QStringList, infos);
    QFETCH(QString, warning);
    for (const QString &info : qAsConst(infos))
        QTest::ignoreMessage(QtInfoMsg, qPrintable(info));
    expectedMessages = infos;
    if (!warning.isEmpty()) {
        QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
        expectedMessages << warning;
    }
    QTEST(MetricReaders::readSwapUsage(root), "usage");
}

void tst_MetricReaders::frequencyReader_data()
{
    QTest::addColumn<QString>("root");
    QTest::addColumn<int>("megahertz");

    QTest::newRow("laptop") << fixture("laptop") << 1397;
    QTest::newRow("2400000 kHz") << fixture("freq-2400000") << 2400;
    QTest::newRow("truncated, not rounded") << fixture("freq-2399999") << 2399;
    QTest::newRow("below 1000 kHz") << fixture("freq-999") << 0;
    QTest::newRow("text after the number") << fixture("freq-trailing-text") << 2400;
    QTest::newRow("empty file") << fixture("freq-empty") << 0;
    QTest::newRow("no digits") << fixture("freq-no-digits") << 0;
    QTest::newRow("beyond 32 bits") << fixture("freq-overflow") << 0;
    QTest::newRow("no cpufreq") << fixture("no-sources") << 0;
}

void tst_MetricReaders::frequencyReader()
{
    QFETCH(QString, root);
    QTEST(MetricReaders::readCpuFrequency(root), "megahertz");
}

void tst_MetricReaders::sensorReaders_data()
{
    QTest::addColumn<QString>("root");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("average");
    QTest::addColumn<double>("firstAvailable");
    QTest::addColumn<int>("other");

    // Readings 48 20 53 (zones), 48 37 53 41 (hwmon): 300 / 7.
    QTest::newRow("laptop") << fixture("laptop") << 53 << 42 << 48.0 << 50;
    QTest::newRow("45, 52 and 38") << fixture("temp-three-sensors") << 52 << 45 << 45.0 << 47;
    QTest::newRow("45 and 46") << fixture("temp-average-truncated") << 46 << 45 << 45.0 << 47;
    QTest::newRow("-5500 and 30000") << fixture("temp-negative") << 30 << 12 << -5.5 << -3;
    QTest::newRow("gaps in the scan") << fixture("temp-gaps") << 50 << 45 << 0.0 << 2;
    QTest::newRow("text, empty, overflow skipped")
        << fixture("temp-unreadable") << 51 << 47 << 43.0 << 45;
    QTest::newRow("hwmon0 47800") << fixture("temp-hwmon0-first") << 47 << 47 << 47.8 << 49;
    QTest::newRow("no sensors") << fixture("no-sources") << 5 << -2 << 0.0 << 2;
}

void tst_MetricReaders::sensorReaders()
{
    QFETCH(QString, root);
    QTEST(MetricReaders::readCpuMaxTemperature(root), "maximum");
    QTEST(MetricReaders::readAverageTemperature(root), "average");
    QTEST(MetricReaders::readFirstAvailableTemperature(root), "firstAvailable");
    QTEST(MetricReaders::readOtherTemperature(root), "other");
}

void tst_MetricReaders::diskReader_data()
{
    QTest::addColumn<QString>("binDir");
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("exitStatus");
    QTest::addColumn<QString>("root");
    QTest::addColumn<int>("celsius");

    // hwmon0 of disk-hwmon reads 50 °C.
    const QString hwmon = fixture("disk-hwmon");
    QTest::newRow("Temperature_Celsius 36") << "bin-canned"
                                            << "hdd.txt" << 0 << hwmon << 36;
    QTest::newRow("lower-case name") << "bin-canned"
                                     << "hdd-lowercase.txt" << 0 << hwmon << 36;
    QTest::newRow("first of two rows") << "bin-canned"
                                       << "seagate-airflow.txt" << 0 << hwmon << 31;
    QTest::newRow("short and 36/45 rows skipped") << "bin-canned"
                                                  << "unusable-rows.txt" << 0 << hwmon << 38;
    QTest::newRow("no temperature row") << "bin-canned"
                                        << "ssd-no-temperature.txt" << 0 << hwmon << 50;
    QTest::newRow("exit status not 0") << "bin-canned"
                                       << "hdd.txt" << 4 << hwmon << 50;
    QTest::newRow("smartctl missing") << QString() << "hdd.txt" << 0 << hwmon << 50;
    QTest::newRow("0 and 100000 skipped, 99999")
        << "bin-failing" << QString() << 0 << fixture("disk-range-99") << 99;
    QTest::newRow("hwmon3 1000") << "bin-failing" << QString() << 0 << fixture("disk-range-1") << 1;
    QTest::newRow("thermal_zone0 40000")
        << "bin-failing" << QString() << 0 << fixture("disk-thermal-only") << 37;
    QTest::newRow("no sensors") << "bin-failing" << QString() << 0 << fixture("no-sources") << -3;
}

void tst_MetricReaders::diskReader()
{
    QFETCH(QString, binDir);
    QFETCH(QString, output);
    QFETCH(int, exitStatus);
    QFETCH(QString, root);
    useSmartctl(binDir, output, exitStatus);
    QTEST(MetricReaders::readDiskTemperature(root), "celsius");
}

void tst_MetricReaders::hangingSmartctlIsKilled()
{
    // The table printed before the hang is used, as smartctl has no exit status yet. Each call
    // waits out the 3 s limit; cleanup() then finds no child, running or zombie.
    useSmartctl(QStringLiteral("bin-hanging"), QStringLiteral("hdd.txt"));
    QCOMPARE(MetricReaders::readDiskTemperature(fixture("disk-hwmon")), 36);
    QCOMPARE(childProcesses(), QStringList());
    QCOMPARE(MetricReaders::readDiskTemperature(fixture("disk-hwmon")), 36);
}

QTEST_GUILESS_MAIN(tst_MetricReaders)
#include "tst_metricreaders.moc"
