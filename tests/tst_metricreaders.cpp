#include "metricreaders.h"

#include <QtTest>

using namespace MetricReaders;

class tst_MetricReaders : public QObject
{
    Q_OBJECT

    // Only the swap reader may log; QTest alone would let any other message pass, such as
    // QProcess's "Destroyed while process is still running".
    static inline QtMessageHandler testlibHandler = nullptr;
    static inline QStringList loggedMessages;
    QStringList expectedMessages;
    const QByteArray originalPath = qgetenv("PATH");

    static void record(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        loggedMessages << text;
        testlibHandler(type, context, text);
    }

    static QString fixture(const QString &name) { return QFINDTESTDATA("fixtures/" + name); }

private slots:
    void initTestCase() { testlibHandler = qInstallMessageHandler(record); }
    void init() { loggedMessages = expectedMessages = QStringList(); }
    void cleanup()
    {
        QCOMPARE(loggedMessages, expectedMessages);
        // No child is left, running or zombie: /proc/<pid>/stat reads "pid (comm) state ppid ...".
        const QString self = QString::number(QCoreApplication::applicationPid());
        for (const QString &pid : QDir("/proc").entryList(QDir::Dirs)) {
            QFile file("/proc/" + pid + "/stat");
            if (file.open(QIODevice::ReadOnly))
                QVERIFY2(QString(file.readAll()).section(") ", -1).section(' ', 1, 1) != self,
                    qPrintable(pid));
        }
    }

    void cpuSamples_data()
    {
        QTest::addColumn<QString>("lines");
        QTest::addColumn<double>("usage");
        QTest::newRow("25.0 for 600/400 then 1000/700")
            << "cpu 200 0 0 350 50 0 0 0\ncpu 300 0 0 600 100 0 0 0" << 25.0;
        QTest::newRow("more than eight counters cut after eight")
            << "cpu 200 0 0 350 50 0 0 0 20 5\ncpu 300 0 0 600 100 0 0 0 60 9" << 25.0;
        QTest::newRow("fewer than eight counters") << "cpu 200 0 0 400\ncpu 300 0 0 700" << 25.0;
        QTest::newRow("iowait counts as idle") << "cpu 200 0 0 400 0\ncpu 200 0 0 400 100" << 0.0;
        QTest::newRow("zero total delta") << "cpu 200 0 0 400\ncpu 200 0 0 400" << 0.0;
        QTest::newRow("idle counter going back") << "cpu 100 0 0 400\ncpu 300 0 0 300" << 0.0;
        QTest::newRow("within 0..100: 64-bit delta") << "cpu 1\ncpu 18446744073709551615" << 100.0;
    }
    void cpuSamples()
    {
        QFETCH(QString, lines);
        CpuSample first, second;
        QVERIFY(parseCpuSample(lines.section('\n', 0, 0).toLatin1(), &first));
        QVERIFY(parseCpuSample(lines.section('\n', 1).toLatin1(), &second));
        const double usage = cpuUsagePercent(first, second);
        QVERIFY(usage >= 0.0 && usage <= 100.0);
        QTEST(usage, "usage");
    }

    // Every read but the last gives 0.0, whatever baseline an earlier row left.
    void cpuReader_data()
    {
        QTest::addColumn<QString>("trees");
        QTest::addColumn<double>("lastUsage");
        QTest::newRow("missing, empty or counterless stat keeps the baseline")
            << "cpu-baseline no-sources cpu-empty cpu-no-counters cpu-quarter-busy" << 25.0;
        QTest::newRow("counters going backwards become the baseline")
            << "cpu-quarter-busy cpu-baseline cpu-quarter-busy" << 25.0;
    }
    void cpuReader()
    {
        QFETCH(QString, trees);
        const QStringList reads = trees.split(' ');
        for (const QString &tree : reads.mid(0, reads.size() - 1))
            QCOMPARE(readCpuUsage(fixture(tree)), 0.0);
        QTEST(readCpuUsage(fixture(reads.last())), "lastUsage");
    }

    // Here and for the frequency a fixture root (an absolute path) is read, other input parsed.
    // Swap messages starting with "Swap" are infos, the others warnings.
    void meminfo_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<double>("memory");
        QTest::addColumn<double>("swap");
        QTest::addColumn<QStringList>("messages");
        const QStringList third { "SwapTotal: 300", "SwapFree: 200",
            "Swap usage calculated: 33.3333 % (Total: 300  Free: 200 )" };
        QTest::newRow("MemTotal 800, MemAvailable 300, SwapTotal 300, SwapFree 200")
            << fixture("mem-small") << 62.5 << 100.0 / 3 << third;
        QTest::newRow("longer key starting with MemTotal, text before SwapTotal:")
            << "MemTotals: 800\nMemAvailable: 300\nXSwapTotal: 300\nSwapFree: 200" << 62.5
            << 100.0 / 3 << third;
        QTest::newRow("no MemAvailable")
            << "MemTotal: 800\nSwapTotal: 300\nSwapFree: 200" << 100.0 << 100.0 / 3 << third;
        QTest::newRow("indented MemTotal, SwapTotal equal to SwapFree")
            << " MemTotal: 800\nMemAvailable: 300\nSwapTotal: 300\nSwapFree: 300" << 0.0 << 0.0
            << QStringList { "SwapTotal: 300", "SwapFree: 300",
                   "Swap usage calculated: 0 % (Total: 300  Free: 300 )" };
        QTest::newRow("MemAvailable before MemTotal, no swap")
            << "MemAvailable: 300\nMemTotal: 800\nSwapTotal: 0\nSwapFree: 0" << 0.0 << 0.0
            << QStringList { "SwapTotal: 0", "SwapFree: 0",
                   "No valid swap data found in /proc/meminfo" };
        QTest::newRow("no file") << fixture("no-sources") << 0.0 << 0.0
                                 << QStringList { "Failed to open /proc/meminfo for swap usage" };
    }
    void meminfo()
    {
        QFETCH(QString, input);
        QFETCH(QStringList, messages);
        for (const QString &m : qAsConst(messages))
            QTest::ignoreMessage(m.startsWith("Swap") ? QtInfoMsg : QtWarningMsg, qPrintable(m));
        expectedMessages = messages;
        const bool file = input.startsWith('/');
        QTEST(file ? readMemoryUsage(input) : parseMemoryUsage(input.toLatin1()), "memory");
        QTEST(file ? readSwapUsage(input) : parseSwapUsage(input.toLatin1()), "swap");
    }

    void frequency_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("megahertz");
        QTest::newRow("2400000 kHz") << fixture("freq-2400000") << 2400;
        QTest::newRow("2399999 kHz truncated") << "2399999\n" << 2399;
        QTest::newRow("below 1000 kHz") << "999\n" << 0;
        QTest::newRow("trailing text ignored") << "2400000 kHz\n" << 2400;
        QTest::newRow("empty line") << "\n" << 0;
        QTest::newRow("no digits") << "<unknown>\n" << 0;
        QTest::newRow("beyond 32 bits") << "99999999999\n" << 0;
        QTest::newRow("missing file") << fixture("no-sources") << 0;
    }
    void frequency()
    {
        QFETCH(QString, input);
        const bool file = input.startsWith('/');
        QTEST(file ? readCpuFrequency(input) : parseCpuFrequency(input.toLatin1()), "megahertz");
    }

    void sensors_data()
    {
        QTest::addColumn<QString>("tree");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("average");
        QTest::addColumn<int>("other");
        QTest::newRow("45000, 52999 and 38500") << "temp-three-sensors" << 52 << 45 << 47;
        QTest::newRow("45 and 46 average 45") << "temp-average-truncated" << 46 << 45 << 47;
        QTest::newRow("-5500 counts as -5") << "temp-negative" << 31 << 13 << -3;
        QTest::newRow("only thermal_zone3 and hwmon7") << "temp-gaps" << 50 << 45 << 2;
        QTest::newRow("text, empty, overflow skipped") << "temp-unreadable" << 51 << 47 << 45;
        QTest::newRow("no thermal_zone0, hwmon0 47800") << "temp-hwmon0-first" << 47 << 47 << 49;
        QTest::newRow("no sensors") << "no-sources" << 5 << -2 << 2;
    }
    void sensors()
    {
        QFETCH(QString, tree);
        QTEST(readCpuMaxTemperature(fixture(tree)), "maximum");
        QTEST(readAverageTemperature(fixture(tree)), "average");
        QTEST(readOtherTemperature(fixture(tree)), "other");
    }

    // "TREE BIN [OUTPUT [EXIT]]": the fixture tree, and smartctl from BIN printing OUTPUT from
    // fixtures/smartctl and exiting with EXIT (bin-failing exits 2). disk-hwmon's hwmon0 reads 50.
    void disk_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<int>("celsius");
        QTest::newRow("Temperature_Celsius 36") << "disk-hwmon bin-canned hdd.txt" << 36;
        QTest::newRow("lower-case name") << "disk-hwmon bin-canned hdd-lowercase.txt" << 36;
        QTest::newRow("first of two rows") << "disk-hwmon bin-canned seagate-airflow.txt" << 31;
        QTest::newRow("short and 36/45 rows skipped")
            << "disk-hwmon bin-canned unusable-rows.txt" << 38;
        QTest::newRow("exit status not 0") << "disk-hwmon bin-canned hdd.txt 4" << 50;
        QTest::newRow("failing smartctl, hwmon out of range, thermal_zone0 40000")
            << "disk-thermal-only bin-failing" << 37;
        QTest::newRow("0 and 100000 skipped, then 99999") << "disk-range-99 bin-failing" << 99;
        QTest::newRow("1000") << "disk-range-1 bin-failing" << 1;
        QTest::newRow("no sensors") << "no-sources bin-failing" << -3;
        // Killed after 3 s, with the table printed so far; cleanup() then finds no child left.
        QTest::newRow("hanging smartctl") << "disk-hwmon bin-hanging hdd.txt" << 36;
    }
    void disk()
    {
        QFETCH(QString, setup);
        const QStringList args = setup.split(' ');
        qputenv("PATH", QFile::encodeName(QFINDTESTDATA(args.at(1))) + ':' + originalPath);
        qputenv("SMARTCTL_CANNED", QFile::encodeName(fixture("smartctl/" + args.value(2))));
        qputenv("SMARTCTL_EXIT", args.value(3, "0").toLatin1());
        QTEST(readDiskTemperature(fixture(args.at(0))), "celsius");
    }
};

QTEST_GUILESS_MAIN(tst_MetricReaders)
#include "tst_metricreaders.moc"
