// scaling_cur_freq through the frequency parser. Properties: it never throws (an escaping
// exception ends the run as a crash) and gives a plain int: the kHz figure strtoll finds, divided
// by 1000, or 0 when there is no 32-bit figure.
#include "check.h"
#include "metricreaders.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = fuzzInput(data, size);
    const int megahertz = MetricReaders::parseCpuFrequency(input);
    int kilohertz = 0;
    FUZZ_CHECK(megahertz == (referenceInteger(input, &kilohertz) ? kilohertz / 1000 : 0));
    return 0;
}
