// Local dates to file times and back through Windows' own time zone rules,
// in the Paris zone (Central European time). Under Wine the emulator sets
// TZ=Europe/Paris, which Wine turns into that zone; on Windows the test needs
// a Central European zone and is skipped in any other.
#include "core/datetime.h"
#include "core/platform/platform.h"

#include "wine.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

namespace ordalis {
namespace {

// UTC+1 with summer time from March to October.
bool centralEuropeanZone()
{
    TIME_ZONE_INFORMATION zone{};
    ::GetTimeZoneInformation(&zone);
    return zone.Bias == -60 && zone.DaylightBias == -60 && zone.DaylightDate.wMonth == 3
        && zone.StandardDate.wMonth == 10;
}

class ParisZone : public testing::Test {
protected:
    void SetUp() override
    {
        if (centralEuropeanZone())
            return;
        ASSERT_FALSE(test::underWine()) << "Wine runs in the zone of TZ=Europe/Paris here";
        GTEST_SKIP() << "needs a Central European time zone";
    }
};

// The same dates as the Linux rows (core/posix/test_datetime.cpp). Windows
// applies the zone's present summer time rule to the years it keeps no rule
// for, while the Linux time zone database follows history: France had no
// summer time in 1965 and Greenwich time in 1930.
struct ZoneRow {
    const char* label;
    const char* date;
    const char* time;
    std::optional<std::uint64_t> expected;
};

void PrintTo(const ZoneRow& row, std::ostream* out)
{
    *out << row.date << ' ' << row.time;
}

class ParisDates : public ParisZone, public testing::WithParamInterface<ZoneRow> {};

TEST_P(ParisDates, ConvertWithTheOffsetOfTheirDate)
{
    const ZoneRow& row = GetParam();
    EXPECT_EQ(DateEnTempsFichier(row.date, row.time), row.expected);
    if (row.expected) {  // and back, as the properties panel shows it
        EXPECT_EQ(formatGeneralDate(*row.expected), std::string(row.date) + " " + row.time);
    }
}

INSTANTIATE_TEST_SUITE_P(Win32, ParisDates, testing::Values(
    // 2001-08-14 03:12:24 UTC: summer time, two hours east.
    ZoneRow{"SummerTime2001", "14/08/2001", "05:12:24", 126422323440000000ULL},
    // 1965-06-15 08:00 UTC, by the summer time rule.
    ZoneRow{"June1965", "15/06/1965", "10:00:00", 115009920000000000ULL},
    ZoneRow{"January1965", "15/01/1965", "10:00:00", 114879492000000000ULL},
    // The first year of the two-digit window: 1929-12-31 23:00:01 UTC.
    ZoneRow{"NewYear1930", "01/01/1930", "00:00:01", 103821660010000000ULL},
    // 1600-12-31 23:05 UTC, before the first file time.
    ZoneRow{"Before1601Utc", "01/01/1601", "00:05:00", std::nullopt}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(ParisZone, TwoDigitYearBefore1970)
{
    // 45 is 1945; its winter offset is one hour.
    EXPECT_EQ(DateEnTempsFichier("01/02/45", "07:05:09"), 108582555090000000ULL);
    EXPECT_EQ(DateEnTempsFichier("15/06/65", "10:00"), 115009920000000000ULL);
}

TEST_F(ParisZone, LocalFieldsOfAFileTime)
{
    platform::LocalFields fields;
    ASSERT_TRUE(platform::localTime(115009920000000000ULL, fields));
    EXPECT_EQ(fields.year, 1965);
    EXPECT_EQ(fields.month, 6);
    EXPECT_EQ(fields.day, 15);
    EXPECT_EQ(fields.hour, 10);
    EXPECT_EQ(fields.minute, 0);
    EXPECT_EQ(fields.second, 0);
}

}  // namespace
}  // namespace ordalis
