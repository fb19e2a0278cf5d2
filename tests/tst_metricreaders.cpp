#include "metricreaders.h"

#include <QtTest>

#include <sys/resource.h>

using namespace MetricReaders;

// Every message is recorded: only the swap reader may log, and an unexpected one (QProcess's
// "Destroyed while process is still running", say) fails the test it came from.
static QStringList logged;
static QtMessageHandler testlib = nullptr;

static QString fixture(const QString &name)
{
    return QFINDTESTDATA("fixtures/" + name);
}

// Page faults of the children reaped so far: any child, however short-lived, has some.
static long childFaults()
{
    rusage usage {};
    getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_minflt;
}

class tst_MetricReaders : public QObject
{
    Q_OBJECT

    QStringList expectedMessages;
    const QByteArray path = qgetenv("PATH");

private slots:
    void initTestCase()
    {
        testlib = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &c, const QString &text) {
                logged << text, testlib(type, c, text);
            });
    }
    void init() { logged = expectedMessages = QStringList(); }
    void cleanup() { QCOMPARE(logged, expectedMessages); }

    void cpuSamples_data()
    {
        QTest::addColumn<QString>("lines");
        QTest::addColumn<double>("usage");
        // clang-format off
        QTest::newRow("busy 100 of 400") << "cpu 200 0 0 350 50 0 0 0\ncpu 300 0 0 600 100 0 0 0" << 25.0;
        QTest::newRow("cut after eight") << "cpu 200 0 0 350 50 0 0 0 20 5\ncpu 300 0 0 600 100 0 0 0 60 9" << 25.0;
        QTest::newRow("fewer than eight") << "cpu 200 0 0 400\ncpu 300 0 0 700" << 25.0;
        QTest::newRow("iowait is idle") << "cpu 200 0 0 400 0\ncpu 200 0 0 400 100" << 0.0;
        QTest::newRow("zero total delta") << "cpu 200 0 0 400\ncpu 200 0 0 400" << 0.0;
        QTest::newRow("idle going back") << "cpu 100 0 0 400\ncpu 300 0 0 300" << 0.0;
        QTest::newRow("idle above total") << "cpu 9 0 0 1\ncpu 0 0 0 20" << 0.0;
        QTest::newRow("64-bit delta") << "cpu 1\ncpu 18446744073709551615" << 100.0;
        // clang-format on
    }
    void cpuSamples()
    {
        QFETCH(QString, lines);
        CpuSample first, second;
        QVERIFY(parseCpuSample(lines.section('\n', 0, 0).toLatin1(), &first));
        QVERIFY(parseCpuSample(lines.section('\n', 1).toLatin1(), &second));
        QTEST(cpuUsagePercent(first, second), "usage");
    }

    // Reads of fixture trees: every read but the last gives 0.0, whatever baseline it left.
    void cpuReader_data()
    {
        QTest::addColumn<QString>("trees");
        // clang-format off
        QTest::newRow("missing, empty, counterless") << "cpu-baseline no-sources cpu-empty cpu-no-counters";
        QTest::newRow("going back is a new baseline") << "cpu-quarter-busy cpu-baseline";
        // clang-format on
    }
    void cpuReader()
    {
        QFETCH(QString, trees);
        for (const QString &tree : trees.split(' '))
            QCOMPARE(readCpuUsage(fixture(tree)), 0.0);
        QCOMPARE(readCpuUsage(fixture("cpu-quarter-busy")), 25.0);
    }

    // Input starting with '/' is a fixture tree to read, any other is parsed. Messages starting
    // with "Swap" are infos, the others warnings.
    void meminfo_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<double>("memory");
        QTest::addColumn<double>("swap");
        QTest::addColumn<QString>("messages");
        // clang-format off
        const QString third = "SwapTotal: 300|SwapFree: 200|"
                              "Swap usage calculated: 33.3333 % (Total: 300  Free: 200 )";
        QTest::newRow("800/300, swap 300/200") << fixture("mem-small") << 62.5 << 100.0 / 3 << third;
        QTest::newRow("keys inside words")
            << "MemTotals: 800\nMemAvailable: 300\nXSwapTotal: 300\nSwapFree: 200" << 62.5 << 100.0 / 3 << third;
        QTest::newRow("no MemAvailable, stop at SwapFree")
            << "MemTotal: 800\nSwapTotal: 300\nSwapFree: 200\nSwapFree: 0" << 100.0 << 100.0 / 3 << third;
        QTest::newRow("indented, all free")
            << " MemTotal: 800\nMemAvailable: 300\nSwapTotal: 300\nSwapFree: 300" << 0.0 << 0.0
            << "SwapTotal: 300|SwapFree: 300|Swap usage calculated: 0 % (Total: 300  Free: 300 )";
        QTest::newRow("available first, no swap")
            << "MemAvailable: 300\nMemTotal: 800\nSwapTotal: 0\nSwapFree: 0" << 0.0 << 0.0
            << "SwapTotal: 0|SwapFree: 0|No valid swap data found in /proc/meminfo";
        QTest::newRow("beyond 64 bits, below 0, 1 kB swap")
            << "MemTotal: 99999999999999999999\nMemAvailable: -9\nSwapTotal: 1\nSwapFree: -" << 100.0 << 100.0
            << "SwapTotal: 1|SwapFree: 0|Swap usage calculated: 100 % (Total: 1  Free: 0 )";
        QTest::newRow("signs, no SwapFree")
            << "MemTotal: 800\nMemAvailable: -8\nSwapTotal: +300" << 101.0 << 100.0
            << "SwapTotal: 300|Swap usage calculated: 100 % (Total: 300  Free: 0 )";
        QTest::newRow("difference beyond 64 bits, no swap")
            << "MemTotal: 9223372036854775807\nMemAvailable: -9223372036854775807" << 200.0 << 0.0
            << "No valid swap data found in /proc/meminfo";
        QTest::newRow("no file")
            << fixture("no-sources") << 0.0 << 0.0 << "Failed to open /proc/meminfo for swap usage";
        // clang-format on
    }
    void meminfo()
    {
        QFETCH(QString, input);
        QFETCH(QString, messages);
        expectedMessages = messages.split('|');
        for (const QString &m : qAsConst(expectedMessages))
            QTest::ignoreMessage(m.startsWith("Swap") ? QtInfoMsg : QtWarningMsg, qPrintable(m));
        const bool file = input.startsWith('/');
        QTEST(file ? readMemoryUsage(input) : parseMemoryUsage(input.toLatin1()), "memory");
        QTEST(file ? readSwapUsage(input) : parseSwapUsage(input.toLatin1()), "swap");
    }

    void frequency_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("megahertz");
        // clang-format off
        QTest::newRow("2400000 kHz") << fixture("freq-2400000") << 2400;
        QTest::newRow("truncated") << "2399999\n" << 2399;
        QTest::newRow("below 1000 kHz") << "999\n" << 0;
        QTest::newRow("trailing text") << "2400000 kHz\n" << 2400;
        QTest::newRow("empty line") << "\n" << 0;
        QTest::newRow("no digits") << "<unknown>\n" << 0;
        QTest::newRow("beyond 32 bits") << "99999999999\n" << 0;
        QTest::newRow("missing file") << fixture("no-sources") << 0;
        // clang-format on
    }
    void frequency()
    {
        QFETCH(QString, input);
        const bool file = input.startsWith('/');
        QTEST(file ? readCpuFrequency(input) : parseCpuFrequency(input.toLatin1()), "megahertz");
    }

    // "TREE BIN [OUTPUT [EXIT]]": a fixture tree, and smartctl from BIN printing OUTPUT from
    // fixtures/smartctl and exiting with EXIT (bin-failing exits 2; with "nowhere" the search path
    // has no smartctl at all); then the maximum, average, disk and other temperature.
    void temperatures_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("celsius");
        // clang-format off
        QTest::newRow("45000, 52999, 38500") << "temp-three-sensors bin-failing" << "52 45 38 47";
        QTest::newRow("45 and 46 average 45") << "temp-average-truncated bin-failing" << "46 45 42 47";
        QTest::newRow("-5500 counts as -5") << "temp-negative bin-failing" << "31 13 31 -3";
        QTest::newRow("thermal_zone3, hwmon7") << "temp-gaps bin-failing" << "50 45 -3 2";
        QTest::newRow("text, empty, overflow") << "temp-unreadable bin-failing" << "51 47 43 45";
        QTest::newRow("hwmon0 first") << "temp-hwmon0-first bin-failing" << "47 47 47 49";
        QTest::newRow("no sensors") << "no-sources bin-failing" << "5 -2 -3 2";
        QTest::newRow("Temperature_Celsius") << "disk-hwmon bin-canned hdd.txt" << "50 50 36 52";
        QTest::newRow("lower case") << "disk-hwmon bin-canned hdd-lowercase.txt" << "50 50 36 52";
        QTest::newRow("first of two rows") << "disk-hwmon bin-canned seagate-airflow.txt" << "50 50 31 52";
        QTest::newRow("unusable rows") << "disk-hwmon bin-canned unusable-rows.txt" << "50 50 38 52";
        QTest::newRow("no temperature row") << "disk-hwmon bin-canned ssd-no-temperature.txt" << "50 50 50 52";
        QTest::newRow("exit status 4") << "disk-hwmon bin-canned hdd.txt 4" << "50 50 50 52";
        QTest::newRow("hwmon 0, 100000") << "disk-thermal-only bin-failing" << "100 46 37 42";
        QTest::newRow("hwmon 99999") << "disk-range-99 bin-failing" << "100 61 99 2";
        QTest::newRow("hwmon 1000") << "disk-range-1 bin-failing" << "100 33 1 2";
        QTest::newRow("no smartctl") << "disk-hwmon nowhere" << "50 50 50 52";
        // Killed after 3 s, with the table printed so far.
        QTest::newRow("hanging smartctl") << "disk-hwmon bin-hanging hdd.txt" << "50 50 36 52";
        // clang-format on
    }
    void temperatures()
    {
        QFETCH(QString, setup);
        const QStringList args = setup.split(' ');
        const QString root = fixture(args.at(0));
        const bool nowhere = args.at(1) == "nowhere";
        qputenv("PATH",
            nowhere ? QFile::encodeName(root)
                    : QFINDTESTDATA(args.at(1)).toLocal8Bit() + ':' + path);
        qputenv("SMARTCTL_CANNED", QFile::encodeName(fixture("smartctl/" + args.value(2))));
        qputenv("SMARTCTL_EXIT", args.value(3, "0").toLatin1());
        QElapsedTimer timer;
        timer.start();
        const long faults = childFaults();
        const int disk = readDiskTemperature(root);
        QVERIFY2(timer.elapsed() < 4500, "the wait for smartctl is bounded");
        QVERIFY2(!nowhere || childFaults() == faults, "no process without smartctl");
        QTEST(QString("%1 %2 %3 %4")
                  .arg(readCpuMaxTemperature(root))
                  .arg(readAverageTemperature(root))
                  .arg(disk)
                  .arg(readOtherTemperature(root)),
            "celsius");
        // No child is left, running or zombie: /proc/<pid>/stat reads "pid (comm) state ppid ...".
        for (const QString &pid : QDir("/proc").entryList(QDir::Dirs)) {
            QFile stat("/proc/" + pid + "/stat");
            QVERIFY(!stat.open(QIODevice::ReadOnly)
                || QString(stat.readAll()).section(") ", -1).section(' ', 1, 1).toLongLong()
                    != QCoreApplication::applicationPid());
        }
    }
};

QTEST_GUILESS_MAIN(tst_MetricReaders)
#include "tst_metricreaders.moc"
