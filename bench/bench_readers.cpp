#include "metricreaders.h"

#include <QCoreApplication>
#include <QStringList>

#include <sys/resource.h>

#include <cstdio>
#include <ctime>

// Wall and CPU time per call of each metric reader and of a whole refresh pass, over the laptop
// fixture tree (files served from the page cache, unlike /proc and /sys, whose text the kernel
// builds on each read). smartctl is the tests' shell stand-in, so the figures with it show the
// cost of starting a child, not of talking to a disk.
//   bench_readers [--system] [SCALE]
// --system reads the running machine's /proc and /sys instead; SCALE multiplies the number of
// calls (default 1).

namespace {

double clockSeconds(clockid_t clock)
{
    timespec now {};
    clock_gettime(clock, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// User and system time of the children reaped so far.
double childrenSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

volatile double sink = 0;

template<typename Call> void measure(const char *name, int calls, Call call)
{
    sink = sink + call(); // warm-up: dentry and page caches, lazy symbol binding
    const double wall = clockSeconds(CLOCK_MONOTONIC);
    const double cpu = clockSeconds(CLOCK_PROCESS_CPUTIME_ID);
    const double children = childrenSeconds();
    for (int i = 0; i < calls; ++i)
        sink = sink + call();
    const double perCall = 1e6 / calls;
    std::printf("%-40s %7d %11.1f %11.1f %11.1f\n", name, calls,
        (clockSeconds(CLOCK_MONOTONIC) - wall) * perCall,
        (clockSeconds(CLOCK_PROCESS_CPUTIME_ID) - cpu) * perCall,
        (childrenSeconds() - children) * perCall);
}

void discardMessage(QtMsgType, const QMessageLogContext &, const QString &)
{ }

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    const bool system = arguments.removeAll(QStringLiteral("--system")) > 0;
    const int scale = arguments.isEmpty() ? 1 : qMax(1, arguments.first().toInt());
    // The swap reader logs three lines per call.
    qInstallMessageHandler(discardMessage);

    using namespace MetricReaders;
    const QString root = system ? QString() : QStringLiteral(OSTRELO_TESTS_DIR "/fixtures/laptop");
    const QByteArray path = qgetenv("PATH");
    const QByteArray withSmartctl = OSTRELO_TESTS_DIR "/bin-canned:" + path;
    qputenv("PATH", withSmartctl);
    qputenv("SMARTCTL_CANNED", OSTRELO_TESTS_DIR "/fixtures/smartctl/hdd.txt");

    std::printf(
        "one pass: cpu %.1f%%  memory %.1f%%  swap %.1f%%  %d MHz  max %d  avg %d  disk %d  "
        "other %d\n\n",
        readCpuUsage(root), readMemoryUsage(root), readSwapUsage(root), readCpuFrequency(root),
        readCpuMaxTemperature(root), readAverageTemperature(root), readDiskTemperature(root),
        readOtherTemperature(root));
    std::printf("%-40s %7s %11s %11s %11s\n", "per call (microseconds)", "calls", "wall",
        "process CPU", "children CPU");

    const int fileCalls = 20000 * scale;
    const int processCalls = 200 * scale;
    measure("readCpuUsage", fileCalls, [&] { return readCpuUsage(root); });
    measure("readMemoryUsage", fileCalls, [&] { return readMemoryUsage(root); });
    measure("readSwapUsage", fileCalls, [&] { return readSwapUsage(root); });
    measure("readCpuFrequency", fileCalls, [&] { return readCpuFrequency(root); });
    measure("readFirstAvailableTemperature", fileCalls,
        [&] { return readFirstAvailableTemperature(root); });
    measure("readCpuMaxTemperature", fileCalls, [&] { return readCpuMaxTemperature(root); });
    measure("readAverageTemperature", fileCalls, [&] { return readAverageTemperature(root); });
    measure("readOtherTemperature", fileCalls, [&] { return readOtherTemperature(root); });
    measure("readDiskTemperature (smartctl answers)", processCalls,
        [&] { return readDiskTemperature(root); });

    const auto passWithoutDisk = [&] {
        return readCpuUsage(root) + readMemoryUsage(root) + readSwapUsage(root)
            + readCpuFrequency(root) + readCpuMaxTemperature(root) + readAverageTemperature(root)
            + readOtherTemperature(root);
    };
    measure("pass, all eight readers", processCalls,
        [&] { return passWithoutDisk() + readDiskTemperature(root); });
    measure("pass without smartctl (seven readers)", fileCalls / 4, passWithoutDisk);

    // No smartctl anywhere: QProcess still forks, the exec fails, the hwmon fallback answers.
    qputenv("PATH", "/nonexistent");
    measure("readDiskTemperature (no smartctl)", processCalls,
        [&] { return readDiskTemperature(root); });
    qputenv("PATH", path);
    return 0;
}
