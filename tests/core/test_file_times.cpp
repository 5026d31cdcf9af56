// File times through the platform, on every system: to the 100 ns, before 1970, a zero time left unchanged; local
// dates to file times and back by the system's own zone rules.
#include "core/attributes.h"
#include "core/datetime.h"
#include "core/platform/platform.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

namespace ordalis {
namespace {

using platform::FileTime;
using platform::FileTimes;

// 2001-08-14 03:12:24.1234567 UTC and 1965-06-15 08:00:00.0000001 UTC.
constexpr FileTime kSummer2001 = 126422323441234567ULL;
constexpr FileTime kJune1965 = 115009920000000001ULL;

FileTimes timesOf(const std::string& path)
{
    FileTimes times;
    EXPECT_FALSE(platform::getFileTimes(path, times)) << path;
    return times;
}

// The access time is never touched.
TEST(FileTimes, SetCreationAndWriteOnly)
{
    struct Row { const char* label; FileTime creation, write; };
    for (const Row& row : {Row{"Both", kSummer2001, kJune1965}, Row{"WriteOnly", 0, kSummer2001},
                           Row{"CreationOnly", kJune1965, 0}, Row{"Neither", 0, 0}}) {
        SCOPED_TRACE(row.label);
        const test::TempDir dir("ordalis-times-");
        const std::string path = dir.put("horodatage.txt");
        const FileTimes before = timesOf(path);
        ASSERT_FALSE(platform::setFileTimes(path, row.creation, row.write));
        const FileTimes after = timesOf(path);
        EXPECT_EQ(after.write, row.write ? row.write : before.write);
        EXPECT_EQ(after.access, before.access);
        if (test::checkWindowsBehaviour(test::underWine(), "Wine keeps no creation time of its own")) {
            EXPECT_EQ(after.creation, row.creation ? row.creation : before.creation);
        }
    }
}

TEST(FileTimes, ReadOnlyFileKeepsItsTimes)
{
    const test::TempDir dir("ordalis-times-");
    const std::string path = dir.put("lecture seule.txt");
    ASSERT_FALSE(platform::setAttributes(path, kReadOnly));
    const FileTimes before = timesOf(path);
    const std::error_code ec = platform::setFileTimes(path, kSummer2001, kJune1965);
    if (test::checkWindowsBehaviour(test::wineRunByRoot(), "Wine run by root opens read-only files for writing")) {
        EXPECT_EQ(ec, std::errc::permission_denied);
        EXPECT_EQ(timesOf(path).creation, before.creation);
        EXPECT_EQ(timesOf(path).write, before.write);
    }
    std::uint32_t attributes = 0;
    EXPECT_FALSE(platform::getAttributes(path, attributes));
    EXPECT_EQ(attributes & kReadOnly, kReadOnly);
}

// Paris dates with the offset of their date, and back as the properties panel shows them. Windows applies the
// present summer time rule to years it keeps no rule for, and needs a Central European zone (under Wine, the
// TZ=Europe/Paris of the tests).
TEST(LocalToFileTime, ParisDatesWithTheOffsetOfTheirDate)
{
#ifdef _WIN32
    TIME_ZONE_INFORMATION zone{};  // UTC+1 with summer time from March to October
    ::GetTimeZoneInformation(&zone);
    if (zone.Bias != -60 || zone.DaylightBias != -60 || zone.DaylightDate.wMonth != 3 ||
        zone.StandardDate.wMonth != 10) {
        ASSERT_FALSE(test::underWine()) << "Wine runs in the zone of TZ=Europe/Paris here";
        GTEST_SKIP() << "needs a Central European time zone";
    }
    // 45 is 1945, at its winter offset.
    EXPECT_EQ(DateEnTempsFichier("01/02/45", "07:05:09"), 108582555090000000ULL);
#else
    const test::Env zone("TZ", "Europe/Paris");
#endif
    struct Row { const char* date; const char* time; std::optional<std::uint64_t> expected; };
    const Row rows[] = {
        {"14/08/2001", "05:12:24", 126422323440000000ULL},  // summer time, two hours east
        {"15/01/1965", "10:00:00", 114879492000000000ULL},
#ifdef _WIN32
        {"15/06/1965", "10:00:00", 115009920000000000ULL},  // by the summer time rule
        {"01/01/1930", "00:00:01", 103821660010000000ULL},  // 1929-12-31 23:00:01 UTC
#else
        {"15/06/1965", "10:00:00", 115009956000000000ULL},  // winter time all year from 1946 to 1975
        {"01/01/1930", "00:00:01", 103821696010000000ULL},  // Greenwich time until 1940
#endif
        {"01/01/1601", "00:05:00", std::nullopt},  // before the first file time (Paris mean time, 9 min 21 s east)
    };
    for (const Row& row : rows) {
        EXPECT_EQ(DateEnTempsFichier(row.date, row.time), row.expected) << row.date;
        if (row.expected) {
            EXPECT_EQ(formatGeneralDate(*row.expected), std::string(row.date) + " " + row.time);
        }
    }
}

}  // namespace
}  // namespace ordalis
