// One libFuzzer target for all the readers' text parsers: the input's first byte picks the parser,
// the rest is what it reads. A broken property aborts, which libFuzzer reports as a crash and
// saves the input, as it does for a sanitizer finding or an escaping exception.
#include "metricreaders.h"

#include <QByteArray>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#define CHECK(c) ((c) ? void(0) : (std::fprintf(stderr, "broken: %s\n", #c), std::abort()))

using namespace MetricReaders;

// What parseInteger() promises, rebuilt on strtoll: white space, a sign, the digits up to the
// first non-digit (or NUL); false without a digit or beyond 32 bits.
static bool referenceInteger(const QByteArray &bytes, int *value)
{
    const std::string text = bytes.toStdString();
    char *end = nullptr;
    errno = 0;
    const long long parsed = std::strtoll(text.c_str(), &end, 10);
    const bool found = end != text.c_str() && errno != ERANGE && parsed == int(parsed);
    *value = found ? int(parsed) : *value;
    return found;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The swap parser logs what it finds. Installing the handler is a pointer swap, cheap enough
    // for every input.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    if (size == 0)
        return 0;
    // Not copied, so AddressSanitizer sees a read past the end; there is no terminating NUL.
    const char *text = reinterpret_cast<const char *>(data) + 1;
    const QByteArray input = QByteArray::fromRawData(text, int(size - 1));
    int value = std::numeric_limits<int>::min(), expected = value;
    switch (data[0] % 4) {
    case 0: { // two samples of /proc/stat's first line, the two halves: a share within 0 to 100
        const int half = input.size() / 2;
        CpuSample previous, current;
        parseCpuSample(QByteArray::fromRawData(text, half), &previous);
        parseCpuSample(QByteArray::fromRawData(text + half, input.size() - half), &current);
        const double usage = cpuUsagePercent(previous, current);
        CHECK(usage >= 0.0 && usage <= 100.0);
        break;
    }
    case 1: // /proc/meminfo: finite, if not always within 0 to 100 for nonsense figures
        CHECK(std::isfinite(parseMemoryUsage(input)) && std::isfinite(parseSwapUsage(input)));
        break;
    case 2: // a sensor file: a reading exactly when strtoll finds a 32-bit number, and that one;
        // scaling_cur_freq: that number of kHz in MHz, or 0 without one
        CHECK(parseSensorValue(input, &value) == referenceInteger(input, &expected));
        CHECK(value == expected);
        CHECK(parseCpuFrequency(input) == (parseSensorValue(input, &value) ? value / 1000 : 0));
        break;
    default: // smartctl -A: a temperature is written only when a row gave one
        if (!parseSmartctlTemperature(input, &value))
            CHECK(value == expected);
    }
    return 0;
}
