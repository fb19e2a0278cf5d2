#include "metricreaders.h"

#include <QtTest>

#include <sys/resource.h>
#include <sys/wait.h>

using namespace MetricReaders;

class tst_MetricReaders : public QObject
{
    Q_OBJECT

    const QByteArray path = qgetenv("PATH");

private slots:
    // What a reader makes of a text, or of fixture trees ("/name") read in turn, as its figures:
    // the busy share of two /proc/stat samples, memory and swap from /proc/meminfo, megahertz
    // from scaling_cur_freq. The swap reader logs the messages (infos where they start with
    // "Swap", warnings otherwise) and no other.
    void figures_data()
    {
        QTest::addColumn<QString>("reader");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("figures");
        QTest::addColumn<QString>("messages");
        const QString third = "SwapTotal: 300|SwapFree: 200|"
                              "Swap usage calculated: 33.3333 % (Total: 300  Free: 200 )";
        // clang-format off
        QTest::newRow("busy 100 of 400, cut after eight") << "cpu" << "cpu 200 0 0 350 50 0 0 0 20 5\ncpu 300 0 0 600 100 0 0 0 60 9" << "25" << "";
        QTest::newRow("fewer than eight") << "cpu" << "cpu 200 0 0 400\ncpu 300 0 0 700" << "25" << "";
        QTest::newRow("iowait is idle") << "cpu" << "cpu 200 0 0 400 0\ncpu 200 0 0 400 100" << "0" << "";
        QTest::newRow("zero total delta") << "cpu" << "cpu 200 0 0 400\ncpu 200 0 0 400" << "0" << "";
        QTest::newRow("idle going back") << "cpu" << "cpu 100 0 0 400\ncpu 300 0 0 300" << "0" << "";
        QTest::newRow("idle above total") << "cpu" << "cpu 9 0 0 1\ncpu 0 0 0 20" << "0" << "";
        QTest::newRow("64-bit delta") << "cpu" << "cpu 1\ncpu 18446744073709551615" << "100" << "";
        // The first read, and every one after a read that gave no sample, is a baseline.
        QTest::newRow("missing, empty, counterless")
            << "cpu" << "/cpu-baseline /no-sources /cpu-empty /cpu-no-counters /cpu-quarter-busy" << "0 0 0 0 25" << "";
        QTest::newRow("going back is a new baseline")
            << "cpu" << "/cpu-quarter-busy /cpu-baseline /cpu-quarter-busy" << "0 0 25" << "";
        QTest::newRow("800/300, swap 300/200") << "meminfo" << "/mem-small" << "62.5 33.3333" << third;
        QTest::newRow("keys inside words") << "meminfo"
            << "MemTotals: 800\nMemAvailable: 300\nXSwapTotal: 300\nSwapFree: 200" << "62.5 33.3333" << third;
        QTest::newRow("no MemAvailable, stop at SwapFree") << "meminfo"
            << "MemTotal: 800\nSwapTotal: 300\nSwapFree: 200\nSwapFree: 0" << "100 33.3333" << third;
        QTest::newRow("indented, all free") << "meminfo"
            << " MemTotal: 800\nMemAvailable: 300\nSwapTotal: 300\nSwapFree: 300" << "0 0"
            << "SwapTotal: 300|SwapFree: 300|Swap usage calculated: 0 % (Total: 300  Free: 300 )";
        QTest::newRow("available first, no swap") << "meminfo"
            << "MemAvailable: 300\nMemTotal: 800\nSwapTotal: 0\nSwapFree: 0" << "0 0"
            << "SwapTotal: 0|SwapFree: 0|No valid swap data found in /proc/meminfo";
        QTest::newRow("beyond 64 bits, below 0, 1 kB swap") << "meminfo"
            << "MemTotal: 99999999999999999999\nMemAvailable: -9\nSwapTotal: 1\nSwapFree: -" << "100 100"
            << "SwapTotal: 1|SwapFree: 0|Swap usage calculated: 100 % (Total: 1  Free: 0 )";
        QTest::newRow("signs, 19 digits, no SwapFree") << "meminfo"
            << "MemTotal: 9000000000000000000\nMemAvailable: -90000000000000000\nSwapTotal: +300"
            << "101 100" << "SwapTotal: 300|Swap usage calculated: 100 % (Total: 300  Free: 0 )";
        QTest::newRow("difference beyond 64 bits, no swap") << "meminfo"
            << "MemTotal: 9223372036854775807\nMemAvailable: -9223372036854775807" << "200 0"
            << "No valid swap data found in /proc/meminfo";
        QTest::newRow("no meminfo") << "meminfo" << "/no-sources" << "0 0" << "Failed to open /proc/meminfo for swap usage";
        QTest::newRow("2400000 kHz") << "frequency" << "/freq-2400000" << "2400" << "";
        QTest::newRow("truncated") << "frequency" << "2399999\n" << "2399" << "";
        QTest::newRow("below 1000 kHz") << "frequency" << "999\n" << "0" << "";
        QTest::newRow("no digits") << "frequency" << "<unknown>\n" << "0" << "";
        QTest::newRow("beyond 32 bits") << "frequency" << "99999999999\n" << "0" << "";
        QTest::newRow("no cpufreq") << "frequency" << "/no-sources" << "0" << "";
        // clang-format on
    }
    void figures()
    {
        QFETCH(QString, reader);
        QFETCH(QString, input);
        QFETCH(QString, messages);
        for (const QString &m : messages.split('|', Qt::SkipEmptyParts))
            QTest::ignoreMessage(m.startsWith("Swap") ? QtInfoMsg : QtWarningMsg, qPrintable(m));
        QStringList figures;
        const auto add = [&figures](double figure) { figures << QString::number(figure); };
        const QByteArray text = input.toLatin1();
        if (input.startsWith('/')) {
            for (const QString &tree : input.mid(1).split(" /")) {
                const QString root = QFINDTESTDATA("fixtures/" + tree);
                add(reader == "cpu"           ? readCpuUsage(root)
                        : reader == "meminfo" ? readMemoryUsage(root)
                                              : readCpuFrequency(root));
                if (reader == "meminfo")
                    add(readSwapUsage(root));
            }
        } else if (reader == "cpu") {
            CpuSample first, second;
            QVERIFY(parseCpuSample(text.left(text.indexOf('\n')), &first));
            QVERIFY(parseCpuSample(text.mid(text.indexOf('\n') + 1), &second));
            add(cpuUsagePercent(first, second));
        } else {
            add(reader == "meminfo" ? parseMemoryUsage(text) : parseCpuFrequency(text));
            if (reader == "meminfo")
                add(parseSwapUsage(text));
        }
        QTEST(figures.join(' '), "figures");
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
        const QString root = QFINDTESTDATA("fixtures/" + args.at(0));
        const bool nowhere = args.at(1) == "nowhere";
        qputenv("PATH",
            nowhere ? QFile::encodeName(root)
                    : QFINDTESTDATA(args.at(1)).toLocal8Bit() + ':' + path);
        qputenv("SMARTCTL_CANNED",
            QFile::encodeName(QFINDTESTDATA("fixtures/smartctl/" + args.value(2))));
        qputenv("SMARTCTL_EXIT", args.value(3, "0").toLatin1());
        // Any child, however short-lived, adds to the page faults of the reaped children.
        rusage children {}, after {};
        getrusage(RUSAGE_CHILDREN, &children);
        const QDeadlineTimer bound(4500);
        const int disk = readDiskTemperature(root);
        QVERIFY2(!bound.hasExpired(), "the wait for smartctl is bounded");
        getrusage(RUSAGE_CHILDREN, &after);
        QVERIFY2(!nowhere || after.ru_minflt == children.ru_minflt, "no process without smartctl");
        QVERIFY2(::waitpid(-1, nullptr, WNOHANG) == -1, "no child is left, running or zombie");
        QTEST(QString::asprintf("%d %d %d %d", readCpuMaxTemperature(root),
                  readAverageTemperature(root), disk, readOtherTemperature(root)),
            "celsius");
    }
};

QTEST_GUILESS_MAIN(tst_MetricReaders)
#include "tst_metricreaders.moc"
