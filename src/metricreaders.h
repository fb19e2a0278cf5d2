#ifndef METRICREADERS_H
#define METRICREADERS_H

#include <QString>
#include <QtGlobal>

#include <string>

class QByteArray;

// Readers of the kernel's pseudo-files and of `smartctl -A /dev/sda`. Qt Core only, so they run
// against fixture trees: every reader takes the directory its absolute paths hang from, empty for
// the running system. Each reader returns its own fallback value instead of failing: no reader
// throws, and only the swap reader writes (diagnostic) log lines.
namespace MetricReaders {

// std::stoi: skips leading white space, takes an optional sign and the digits up to the first
// non-digit. Throws std::invalid_argument without a digit, std::out_of_range beyond 32 bits.
int parseInteger(const std::string &text);

// A sensor file's first line in millidegrees Celsius ("45000\n" is 45 °C), read with
// parseInteger(); false when that throws, i.e. no digits (a driver's error text) or beyond 32 bits.
bool parseSensorValue(const QByteArray &firstLine, int *millidegrees);

// Cumulative tick counters of the aggregate "cpu" line of /proc/stat.
struct CpuSample
{
    quint64 total = 0;
    quint64 idle = 0;
};

// False when the line holds no counter at all; missing counters count as 0.
bool parseCpuSample(const QByteArray &line, CpuSample *sample);
// Busy share in percent between two samples, always within 0 to 100.
double cpuUsagePercent(const CpuSample &previous, const CpuSample &current);

double parseMemoryUsage(const QByteArray &meminfo);
double parseSwapUsage(const QByteArray &meminfo);
int parseCpuFrequency(const QByteArray &firstLine);
// The raw value of the first usable temperature row; false when no row gives one.
bool parseSmartctlTemperature(const QByteArray &output, int *celsius);

double readCpuUsage(const QString &root = QString());
double readMemoryUsage(const QString &root = QString());
double readSwapUsage(const QString &root = QString());
int readCpuFrequency(const QString &root = QString());
double readFirstAvailableTemperature(const QString &root = QString());
int readCpuMaxTemperature(const QString &root = QString());
int readAverageTemperature(const QString &root = QString());
int readDiskTemperature(const QString &root = QString());
int readOtherTemperature(const QString &root = QString());

} // namespace MetricReaders

#endif // METRICREADERS_H
