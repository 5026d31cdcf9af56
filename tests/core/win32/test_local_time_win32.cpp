// Local dates to file times and back through Windows' own time zone rules,
// in the Paris zone. Under Wine the emulator sets TZ=Europe/Paris; on
// Windows the test needs a Central European zone and is skipped in any other.
#include "core/datetime.h"
#include "core/platform/platform.h"

#include "wine.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace ordalis {
namespace {

// The Linux rows (posix/test_datetime.cpp); Windows applies the present
// summer time rule to years it keeps no rule for.
TEST(ParisZone, DatesConvertWithTheOffsetOfTheirDate)
{
    TIME_ZONE_INFORMATION zone{};  // UTC+1 with summer time from March to October
    ::GetTimeZoneInformation(&zone);
    if (zone.Bias != -60 || zone.DaylightBias != -60 || zone.DaylightDate.wMonth != 3 ||
        zone.StandardDate.wMonth != 10) {
        ASSERT_FALSE(test::underWine()) << "Wine runs in the zone of TZ=Europe/Paris here";
        GTEST_SKIP() << "needs a Central European time zone";
    }
    struct Row { const char* date; const char* time; std::optional<std::uint64_t> expected; };
    const Row rows[] = {
        {"14/08/2001", "05:12:24", 126422323440000000ULL},  // summer time, two hours east
        {"15/06/1965", "10:00:00", 115009920000000000ULL},  // by the summer time rule
        {"15/01/1965", "10:00:00", 114879492000000000ULL},
        {"01/01/1930", "00:00:01", 103821660010000000ULL},  // 1929-12-31 23:00:01 UTC
        {"01/01/1601", "00:05:00", std::nullopt},           // before the first file time
    };
    for (const Row& row : rows) {
        EXPECT_EQ(DateEnTempsFichier(row.date, row.time), row.expected) << row.date;
        if (row.expected) {  // and back, as the properties panel shows it
            EXPECT_EQ(formatGeneralDate(*row.expected), std::string(row.date) + " " + row.time);
        }
    }
    // 45 is 1945, at its winter offset.
    EXPECT_EQ(DateEnTempsFichier("01/02/45", "07:05:09"), 108582555090000000ULL);
    platform::LocalFields fields;
    ASSERT_TRUE(platform::localTime(115009920000000000ULL, fields));
    EXPECT_EQ((std::to_array({fields.year, fields.month, fields.day, fields.hour, fields.minute, fields.second})),
              (std::to_array({1965, 6, 15, 10, 0, 0})));
}

}  // namespace
}  // namespace ordalis
