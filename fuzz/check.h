#ifndef FUZZ_CHECK_H
#define FUZZ_CHECK_H

#include <QByteArray>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

// A property every input must keep. A broken one aborts, which libFuzzer reports as a crash and
// saves the input as an artifact, like any sanitizer finding.
#define FUZZ_CHECK(condition)                                                                      \
    ((condition) ? void(0) : fuzzCheckFailed(#condition, __FILE__, __LINE__))

[[noreturn]] inline void fuzzCheckFailed(const char *condition, const char *file, int line)
{
    std::fprintf(stderr, "%s:%d: property broken: %s\n", file, line, condition);
    std::abort();
}

// The fuzzer's bytes without a copy, so AddressSanitizer sees a read past the input's end (raw
// data carries no terminating NUL either, which no parser may rely on).
inline QByteArray fuzzInput(const uint8_t *data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
}

// What parseInteger() promises, rebuilt on strtoll as a second opinion: white space, an optional
// sign and the digits up to the first non-digit (or NUL); false without a digit or beyond 32 bits.
inline bool referenceInteger(const QByteArray &bytes, int *value)
{
    const std::string text = bytes.toStdString();
    char *end = nullptr;
    errno = 0;
    const long long parsed = std::strtoll(text.c_str(), &end, 10);
    if (end == text.c_str() || errno == ERANGE || parsed < std::numeric_limits<int>::min()
        || parsed > std::numeric_limits<int>::max())
        return false;
    *value = int(parsed);
    return true;
}

#endif // FUZZ_CHECK_H
