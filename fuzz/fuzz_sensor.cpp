// A thermal zone or hwmon temperature file, through the same parser the temperature readers use.
// Properties: only the two failures parseInteger() documents turn into "no reading", any other
// exception escapes and ends the run as a crash; a reading is there exactly when strtoll finds a
// 32-bit number, and it is that number; without one the value is left alone.
#include "check.h"
#include "metricreaders.h"

#include <limits>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = fuzzInput(data, size);
    constexpr int unset = std::numeric_limits<int>::min();
    int millidegrees = unset;
    const bool read = MetricReaders::parseSensorValue(input, &millidegrees);
    int expected = unset;
    FUZZ_CHECK(read == referenceInteger(input, &expected));
    FUZZ_CHECK(millidegrees == expected);
    return 0;
}
