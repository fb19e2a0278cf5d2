// /proc/meminfo through the swap usage parser. Property: any content gives a finite percentage.
// The parser logs what it finds; those messages are dropped here.
#include "check.h"
#include "metricreaders.h"

#include <QtGlobal>

#include <cmath>

namespace {
void dropMessage(QtMsgType, const QMessageLogContext &, const QString &)
{ }
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler(dropMessage);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FUZZ_CHECK(std::isfinite(MetricReaders::parseSwapUsage(fuzzInput(data, size))));
    return 0;
}
