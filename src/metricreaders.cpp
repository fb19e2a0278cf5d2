#include "metricreaders.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringBuilder>
#include <QStringView>
#include <QtDebug>

#include <algorithm>
#include <array>
#include <limits>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace MetricReaders {

namespace {

constexpr char kProcStatPath[] = "/proc/stat";
constexpr char kMemInfoPath[] = "/proc/meminfo";
constexpr char kCpuFreqPath[] = "/sys/devices/system/cpu/cpu0/cpufreq/scaling_cur_freq";
// Sensor files are named around a one-digit device index: thermal_zone3/temp, hwmon7/temp1_input.
constexpr char kThermalZoneDir[] = "/sys/class/thermal/thermal_zone";
constexpr char kThermalZoneFile[] = "/temp";
constexpr char kHwmonDir[] = "/sys/class/hwmon/hwmon";
constexpr char kHwmonFile[] = "/temp1_input";
constexpr int kSensorIndices = 10;

// Large enough for the aggregate cpu line of /proc/stat (a label and ten 20-digit counters) and
// for any sensor or cpufreq file.
constexpr int kLineBufferSize = 256;

constexpr int kSmartctlTimeoutMs = 3000;
constexpr int kReapTimeoutMs = 500;

// The CPU sample taken by the previous readCpuUsage() in this process; a total of 0 means none.
quint64 previousTotal = 0;
quint64 previousIdle = 0;

// A smartctl that outlived its SIGKILL, stuck in the kernel on a disk that stopped answering; it
// is deleted once it ends. While it lives no other is started: every one would hang the same way,
// and a disk that hangs for hours would pile up a process and its pipes each pass.
QPointer<QProcess> stuckSmartctl;

QString thermalZoneTemp(const QString &root, int zone)
{
    return root % QLatin1String(kThermalZoneDir) % QLatin1Char(char('0' + zone))
        % QLatin1String(kThermalZoneFile);
}

QString hwmonTemp(const QString &root, int device)
{
    return root % QLatin1String(kHwmonDir) % QLatin1Char(char('0' + device))
        % QLatin1String(kHwmonFile);
}

// Kernel pseudo-files report a size of 0, so they are read up to the line end, never by size.
// Returns the length of the first line with its line feed, 0 when the file does not open or is
// empty.
int readFirstLine(const QString &path, char (&line)[kLineBufferSize])
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return int(qMax<qint64>(file.readLine(line, kLineBufferSize), 0));
}

bool readMillidegrees(const QString &path, int *millidegrees)
{
    char line[kLineBufferSize];
    const int length = readFirstLine(path, line);
    return length > 0 && parseSensorValue(QByteArray::fromRawData(line, length), millidegrees);
}

// Readings of thermal zones 0 to 9, then hwmon 0 to 9, in whole degrees truncated toward zero.
// Missing indices are skipped; they are not always contiguous.
int scanSensors(const QString &root, std::array<int, 2 * kSensorIndices> *degrees)
{
    int count = 0;
    int millidegrees = 0;
    for (int zone = 0; zone < kSensorIndices; ++zone) {
        if (readMillidegrees(thermalZoneTemp(root, zone), &millidegrees))
            (*degrees)[size_t(count++)] = millidegrees / 1000;
    }
    for (int device = 0; device < kSensorIndices; ++device) {
        if (readMillidegrees(hwmonTemp(root, device), &millidegrees))
            (*degrees)[size_t(count++)] = millidegrees / 1000;
    }
    return count;
}

// The whole part of readFirstAvailableTemperature(), truncated toward zero (-2.7 gives -2).
int firstAvailableDegrees(const QString &root)
{
    return int(readFirstAvailableTemperature(root));
}

bool isSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view view(const QByteArray &bytes)
{
    return std::string_view(bytes.constData(), size_t(bytes.size()));
}

// Cuts the next line (without its line feed) off the front of text; false once text is used up.
bool nextLine(std::string_view *text, std::string_view *line)
{
    if (text->empty())
        return false;
    const size_t end = text->find('\n');
    *line = text->substr(0, end);
    text->remove_prefix(end == std::string_view::npos ? text->size() : end + 1);
    return true;
}

// Cuts the next white-space separated word off the front of text; empty at the end.
std::string_view nextWord(std::string_view *text)
{
    size_t begin = 0;
    while (begin < text->size() && isSpace((*text)[begin]))
        ++begin;
    size_t end = begin;
    while (end < text->size() && !isSpace((*text)[end]))
        ++end;
    const std::string_view word = text->substr(begin, end - begin);
    text->remove_prefix(end);
    return word;
}

// A /proc/stat tick counter: decimal digits only, within 64 bits.
bool parseCounter(std::string_view word, quint64 *value)
{
    if (word.empty())
        return false;
    quint64 result = 0;
    for (const char c : word) {
        const unsigned digit = unsigned(c - '0');
        if (!isDigit(c) || result > (std::numeric_limits<quint64>::max() - digit) / 10)
            return false;
        result = result * 10 + digit;
    }
    *value = result;
    return true;
}

// The value of a /proc/meminfo line such as "MemTotal:       16318236 kB", read the way an
// input stream reads "key value": the first word is skipped, then an optional sign and the digits
// up to the first non-digit. No digits read as 0; a value beyond 64 bits as the nearest limit.
qint64 meminfoValue(std::string_view line)
{
    nextWord(&line);
    while (!line.empty() && isSpace(line.front()))
        line.remove_prefix(1);
    const bool negative = !line.empty() && line.front() == '-';
    if (!line.empty() && (line.front() == '-' || line.front() == '+'))
        line.remove_prefix(1);
    constexpr qint64 maximum = std::numeric_limits<qint64>::max();
    constexpr qint64 minimum = std::numeric_limits<qint64>::min();
    const quint64 limit = negative ? quint64(maximum) + 1 : quint64(maximum);
    quint64 magnitude = 0;
    for (; !line.empty() && isDigit(line.front()); line.remove_prefix(1)) {
        const unsigned digit = unsigned(line.front() - '0');
        if (magnitude > (limit - digit) / 10)
            return negative ? minimum : maximum;
        magnitude = magnitude * 10 + digit;
    }
    if (!negative)
        return qint64(magnitude);
    return magnitude == limit ? minimum : -qint64(magnitude);
}

// 100 × (total − part) ÷ total, 0 without a positive total. Both figures are in kB.
double usedPercent(qint64 total, qint64 part)
{
    if (total <= 0)
        return 0.0;
    // Real kB figures are far from 2^63; a value that would overflow the difference is garbage and
    // is only kept from being undefined.
    const bool overflows = part < 0 && total > std::numeric_limits<qint64>::max() + part;
    const double used = overflows ? double(total) - double(part) : double(total - part);
    return 100.0 * used / double(total);
}

// Runs `smartctl -A /dev/sda` and takes the temperature from its attribute table.
bool smartctlTemperature(int *celsius)
{
    if (stuckSmartctl)
        return false;
    // Looked up on the search path the start would use, so a system without smartctl forks
    // nothing every second only to learn that again.
    const QString program = QStandardPaths::findExecutable(QStringLiteral("smartctl"));
    if (program.isEmpty())
        return false;
    auto smartctl = std::make_unique<QProcess>();
    smartctl->setStandardErrorFile(QProcess::nullDevice());
    smartctl->start(program, { QStringLiteral("-A"), QStringLiteral("/dev/sda") });
    // A disk that stops answering can keep smartctl waiting far longer than one refresh; after the
    // wait, whatever it has printed so far is used.
    smartctl->waitForFinished(kSmartctlTimeoutMs);
    // The exit status is a bit mask of problems; only 0 vouches for the table.
    const bool found = smartctl->exitCode() == 0
        && parseSmartctlTemperature(smartctl->readAllStandardOutput(), celsius);
    if (smartctl->state() != QProcess::NotRunning) {
        smartctl->kill();
        // Waiting lets QProcess reap the killed child, so no zombie is left behind. One stuck in
        // the kernel outlives even SIGKILL until its I/O ends: rather than block the window for
        // that long (QProcess's destructor would wait 30 s), it is reaped when it ends.
        if (!smartctl->waitForFinished(kReapTimeoutMs)) {
            stuckSmartctl = smartctl.release();
            QObject::connect(stuckSmartctl,
                QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), stuckSmartctl,
                &QObject::deleteLater);
        }
    }
    return found;
}

} // namespace

int parseInteger(const std::string &text)
{
    return std::stoi(text);
}

bool parseSensorValue(const QByteArray &firstLine, int *millidegrees)
{
    // Only the two failures stoi documents are a bad file; anything else is a bug and escapes.
    try {
        *millidegrees = parseInteger(firstLine.toStdString());
        return true;
    } catch (const std::invalid_argument &) {
        return false;
    } catch (const std::out_of_range &) {
        return false;
    }
}

bool parseCpuSample(const QByteArray &line, CpuSample *sample)
{
    std::string_view text = view(line);
    text = text.substr(0, text.find('\n'));
    nextWord(&text); // the "cpu" label
    // user nice system idle iowait irq softirq steal, in USER_HZ ticks. The guest and guest_nice
    // columns that newer kernels add are already counted in user and nice, so they are left out.
    // See proc(5).
    std::array<quint64, 8> ticks {};
    size_t count = 0;
    while (count < ticks.size() && parseCounter(nextWord(&text), &ticks[count]))
        ++count;
    if (count == 0)
        return false;
    sample->idle = ticks[3] + ticks[4];
    sample->total = 0;
    for (const quint64 value : ticks)
        sample->total += value;
    return true;
}

double cpuUsagePercent(const CpuSample &previous, const CpuSample &current)
{
    // No figure without an earlier sample, within one tick, or when a counter went back (proc(5)
    // calls iowait unreliable); the caller's baseline moves on to the current sample regardless.
    if (previous.total == 0 || current.total <= previous.total || current.idle < previous.idle)
        return 0.0;
    const quint64 totalDelta = current.total - previous.total;
    const quint64 idleDelta = current.idle - previous.idle;
    // Idle time is part of the total, so a larger idle delta only comes from inconsistent counters.
    const quint64 busyDelta = idleDelta < totalDelta ? totalDelta - idleDelta : 0;
    // With deltas beyond 2^53 the division can round a hair above 100.
    return qMin(100.0, 100.0 * double(busyDelta) / double(totalDelta));
}

double parseMemoryUsage(const QByteArray &meminfo)
{
    qint64 total = 0;
    qint64 available = 0;
    std::string_view text = view(meminfo);
    std::string_view line;
    // The kernel writes MemTotal first and MemAvailable third, so the scan ends early.
    while (nextLine(&text, &line)) {
        if (line.substr(0, 8) == "MemTotal") {
            total = meminfoValue(line);
        } else if (line.substr(0, 12) == "MemAvailable") {
            available = meminfoValue(line);
            break;
        }
    }
    return usedPercent(total, available);
}

double parseSwapUsage(const QByteArray &meminfo)
{
    qint64 total = 0;
    qint64 free = 0;
    std::string_view text = view(meminfo);
    std::string_view line;
    while (nextLine(&text, &line)) {
        if (line.find("SwapTotal:") != std::string_view::npos) {
            total = meminfoValue(line);
            qInfo() << "SwapTotal:" << total;
        } else if (line.find("SwapFree:") != std::string_view::npos) {
            free = meminfoValue(line);
            qInfo() << "SwapFree:" << free;
            break;
        }
    }
    if (total <= 0) {
        qWarning() << "No valid swap data found in /proc/meminfo";
        return 0.0;
    }
    const double usage = usedPercent(total, free);
    qInfo() << "Swap usage calculated:" << usage << "% (Total:" << total << " Free:" << free << ")";
    return usage;
}

int parseCpuFrequency(const QByteArray &firstLine)
{
    try {
        // scaling_cur_freq is in kHz; MHz are truncated, so 2399999 kHz is 2399 MHz.
        return parseInteger(firstLine.toStdString()) / 1000;
    } catch (const std::logic_error &) {
        // Empty, no digits or beyond 32 bits: treated like a system without cpufreq.
        return 0;
    }
}

bool parseSmartctlTemperature(const QByteArray &output, int *celsius)
{
    // The table pads its columns with a varying number of blanks.
    static const QRegularExpression fieldSeparator(QStringLiteral("\\s+"));
    const QString text = QString::fromUtf8(output);
    const QList<QStringView> lines = QStringView(text).split(QLatin1Char('\n'));
    for (const QStringView line : lines) {
        if (!line.contains(QLatin1String("Temperature_Celsius"), Qt::CaseInsensitive)
            && !line.contains(QLatin1String("Airflow_Temperature_Cel"), Qt::CaseInsensitive))
            continue;
        // ID# ATTRIBUTE_NAME FLAG VALUE WORST THRESH TYPE UPDATED WHEN_FAILED RAW_VALUE; the raw
        // value of both attributes starts with °C, often followed by "(Min/Max 20/45)".
        const QList<QStringView> fields = line.split(fieldSeparator, Qt::SkipEmptyParts);
        if (fields.size() <= 9)
            continue;
        bool ok = false;
        const int value = fields.at(9).toInt(&ok, 10);
        if (ok) {
            *celsius = value;
            return true;
        }
    }
    return false;
}

double readCpuUsage(const QString &root)
{
    char line[kLineBufferSize];
    const int length = readFirstLine(root + QLatin1String(kProcStatPath), line);
    CpuSample current;
    if (length == 0 || !parseCpuSample(QByteArray::fromRawData(line, length), &current))
        return 0.0;
    const CpuSample previous { previousTotal, previousIdle };
    previousTotal = current.total;
    previousIdle = current.idle;
    return cpuUsagePercent(previous, current);
}

double readMemoryUsage(const QString &root)
{
    QFile file(root + QLatin1String(kMemInfoPath));
    if (!file.open(QIODevice::ReadOnly))
        return 0.0;
    return parseMemoryUsage(file.readAll());
}

double readSwapUsage(const QString &root)
{
    QFile file(root + QLatin1String(kMemInfoPath));
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning() << "Failed to open /proc/meminfo for swap usage";
        return 0.0;
    }
    return parseSwapUsage(file.readAll());
}

int readCpuFrequency(const QString &root)
{
    char line[kLineBufferSize];
    const int length = readFirstLine(root + QLatin1String(kCpuFreqPath), line);
    return parseCpuFrequency(QByteArray::fromRawData(line, length));
}

double readFirstAvailableTemperature(const QString &root)
{
    int millidegrees = 0;
    if (readMillidegrees(thermalZoneTemp(root, 0), &millidegrees))
        return millidegrees / 1000.0;
    for (int device = 0; device < 3; ++device) {
        if (readMillidegrees(hwmonTemp(root, device), &millidegrees))
            return millidegrees / 1000.0;
    }
    return 0.0;
}

int readCpuMaxTemperature(const QString &root)
{
    std::array<int, 2 * kSensorIndices> degrees;
    const int count = scanSensors(root, &degrees);
    if (count == 0)
        return firstAvailableDegrees(root) + 5;
    return *std::max_element(degrees.begin(), degrees.begin() + count);
}

int readAverageTemperature(const QString &root)
{
    std::array<int, 2 * kSensorIndices> degrees;
    const int count = scanSensors(root, &degrees);
    if (count == 0)
        return firstAvailableDegrees(root) - 2;
    int sum = 0;
    for (int i = 0; i < count; ++i)
        sum += degrees[size_t(i)];
    return sum / count;
}

int readDiskTemperature(const QString &root)
{
    int celsius = 0;
    if (smartctlTemperature(&celsius))
        return celsius;
    // Without smartctl's answer, the first of hwmon0 to hwmon3 that reads like a disk; 0 and three
    // digits are a sensor not wired up or not a disk.
    int millidegrees = 0;
    for (int device = 0; device < 4; ++device) {
        if (readMillidegrees(hwmonTemp(root, device), &millidegrees)) {
            celsius = millidegrees / 1000;
            if (celsius >= 1 && celsius <= 99)
                return celsius;
        }
    }
    return firstAvailableDegrees(root) - 3;
}

int readOtherTemperature(const QString &root)
{
    return firstAvailableDegrees(root) + 2;
}

} // namespace MetricReaders
