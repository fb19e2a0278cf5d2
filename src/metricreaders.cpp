// PLACEHOLDER: replaced by the readers' real implementation.
#include "metricreaders.h"
#include <QByteArray>
namespace MetricReaders {
int parseInteger(const std::string &text) { return std::stoi(text); }
bool parseCpuSample(const QByteArray &, CpuSample *) { return false; }
double cpuUsagePercent(const CpuSample &, const CpuSample &) { return 0; }
double parseMemoryUsage(const QByteArray &) { return 0; }
double parseSwapUsage(const QByteArray &) { return 0; }
int parseCpuFrequency(const QByteArray &) { return 0; }
bool parseSmartctlTemperature(const QByteArray &, int *) { return false; }
double readCpuUsage(const QString &) { return 0; }
double readMemoryUsage(const QString &) { return 0; }
double readSwapUsage(const QString &) { return 0; }
int readCpuFrequency(const QString &) { return 0; }
double readFirstAvailableTemperature(const QString &) { return 0; }
int readCpuMaxTemperature(const QString &) { return 0; }
int readAverageTemperature(const QString &) { return 0; }
int readDiskTemperature(const QString &) { return 0; }
int readOtherTemperature(const QString &) { return 0; }
}
