// Conversions between Unix time (seconds and nanoseconds since 1970-01-01
// UTC) and file times (100-nanosecond intervals since 1601-01-01 UTC).
#pragma once

#include <cstdint>

namespace ordalis {

// The Unix epoch as a file time.
inline constexpr std::uint64_t kUnixEpochFileTime = 116444736000000000ULL;
inline constexpr std::int64_t kFileTimeTicksPerSecond = 10'000'000;

struct UnixTime {
    std::int64_t seconds = 0;
    std::int64_t nanoseconds = 0;  // 0 to 999,999,999
};

// The file time of a Unix time; 0 when the instant lies before 1601, which a
// file time cannot hold. Precision below 100 ns is dropped.
constexpr std::uint64_t fileTimeFromUnix(UnixTime t)
{
    constexpr std::int64_t epochSeconds =
        static_cast<std::int64_t>(kUnixEpochFileTime) / kFileTimeTicksPerSecond;
    if (t.seconds < -epochSeconds)
        return 0;
    return static_cast<std::uint64_t>(t.seconds + epochSeconds) * kFileTimeTicksPerSecond +
           static_cast<std::uint64_t>(t.nanoseconds / 100);
}

// The Unix time of a file time (negative seconds before 1970).
constexpr UnixTime unixFromFileTime(std::uint64_t fileTime)
{
    const auto ticks = static_cast<std::int64_t>(fileTime / kFileTimeTicksPerSecond);
    const auto rest = static_cast<std::int64_t>(fileTime % kFileTimeTicksPerSecond);
    constexpr std::int64_t epochSeconds =
        static_cast<std::int64_t>(kUnixEpochFileTime) / kFileTimeTicksPerSecond;
    return {ticks - epochSeconds, rest * 100};
}

}  // namespace ordalis
