// The output of `smartctl -A`, valid UTF-8 or not, through the temperature parser. Properties: no
// memory error, UB or exception; the temperature is written only when a row gave one.
#include "check.h"
#include "metricreaders.h"

#include <limits>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    constexpr int unset = std::numeric_limits<int>::min();
    int celsius = unset;
    if (!MetricReaders::parseSmartctlTemperature(fuzzInput(data, size), &celsius))
        FUZZ_CHECK(celsius == unset);
    return 0;
}
