// The first line of /proc/stat: the input's first half is the previous sample, its second half the
// current one. Properties: parsing never fails on memory or UB, and the busy share of any two
// samples is a number within 0 to 100.
#include "check.h"
#include "metricreaders.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = fuzzInput(data, size);
    const int half = input.size() / 2;
    MetricReaders::CpuSample previous;
    MetricReaders::CpuSample current;
    MetricReaders::parseCpuSample(QByteArray::fromRawData(input.constData(), half), &previous);
    MetricReaders::parseCpuSample(
        QByteArray::fromRawData(input.constData() + half, input.size() - half), &current);
    const double usage = MetricReaders::cpuUsagePercent(previous, current);
    FUZZ_CHECK(!std::isnan(usage));
    FUZZ_CHECK(usage >= 0.0 && usage <= 100.0);
    return 0;
}
