// /proc/meminfo through the memory usage parser. Property: any content gives a finite percentage
// (a file with nonsense figures may well give one outside 0 to 100).
#include "check.h"
#include "metricreaders.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FUZZ_CHECK(std::isfinite(MetricReaders::parseMemoryUsage(fuzzInput(data, size))));
    return 0;
}
