#include "core/datetime.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace ordalis {
namespace {

// Sets the process time zone for the life of the guard, then restores it.
class TimeZone {
public:
    explicit TimeZone(const char* zone)
    {
        if (const char* old = std::getenv("TZ"))
            saved_ = old;
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ~TimeZone()
    {
        if (saved_)
            ::setenv("TZ", saved_->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }

private:
    std::optional<std::string> saved_;
};

struct ParseRow {
    const char* text;
    std::optional<LocalDateTime> expected;
};

LocalDateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return {y, mo, d, h, mi, s};
}

class ParseFrench : public ::testing::TestWithParam<ParseRow> {};

TEST_P(ParseFrench, ReadsOrRejects)
{
    EXPECT_EQ(parseFrenchDateTime(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Accepted, ParseFrench, ::testing::Values(
    ParseRow{"14/08/01 05:12:24", at(2001, 8, 14, 5, 12, 24)}, ParseRow{"14/08/2001 05:12:24", at(2001, 8, 14, 5, 12, 24)},
    ParseRow{"14-08-2001 05:12", at(2001, 8, 14, 5, 12, 0)}, ParseRow{"14.08.01", at(2001, 8, 14)},
    ParseRow{"14 08 2001", at(2001, 8, 14)}, ParseRow{"  1/2/45   7:05:09 ", at(1945, 2, 1, 7, 5, 9)},
    ParseRow{"01/01/29 00:00:00", at(2029, 1, 1)}, ParseRow{"01/01/30", at(1930, 1, 1)},
    ParseRow{"14 août 2001 05:12:24", at(2001, 8, 14, 5, 12, 24)}, ParseRow{"14 aout 01", at(2001, 8, 14)},
    ParseRow{"14 AOÛT 2001", at(2001, 8, 14)}, ParseRow{"14 févr. 2001 23:59:59", at(2001, 2, 14, 23, 59, 59)},
    ParseRow{"3 juil 2001", at(2001, 7, 3)}, ParseRow{"3 Décembre 1999", at(1999, 12, 3)},
    ParseRow{"1er janvier 2001", at(2001, 1, 1)}, ParseRow{"29/02/2000", at(2000, 2, 29)},
    ParseRow{"14\xC2\xA0" "août\xC2\xA0" "2001", at(2001, 8, 14)}));

TEST(ParseFrenchRejected, EveryMalformedText)
{
    for (const char* text : {"", "abc 05:12:24", "14/08/01 ab:cd:ef", "14/O8/01", "31/02/2001", "29/02/2001",
                             "29/02/1900", "31/04/2001", "14/13/2001", "00/08/2001", "14/08/01 24:00:00",
                             "14/08/01 05:60", "14/08/01 05", "14/08/01 05:12:24 PM", "14/08", "14/08/201",
                             "14 jui 2001", "2er janvier 2001", " 05:12:24"})
        EXPECT_EQ(parseFrenchDateTime(text), std::nullopt) << text;
}

TEST(LocalToFileTime, OneHourEastWithoutDaylightSaving)
{
    TimeZone zone("UTC-1");
    // 2001-08-14 04:12:24 UTC.
    EXPECT_EQ(DateEnTempsFichier("14/08/01", "05:12:24"), 126422359440000000ULL);
}

TEST(LocalToFileTime, UsesTheOffsetOfTheDateItself)
{
    TimeZone zone("Europe/Paris");
    // 2001-01-15 11:00:00 UTC (winter, +1) and 2001-07-15 10:00:00 UTC (summer, +2).
    EXPECT_EQ(localToFileTime(at(2001, 1, 15, 12)), 126240300000000000ULL);
    EXPECT_EQ(localToFileTime(at(2001, 7, 15, 12)), 126396648000000000ULL);
}

// The same rows run under Wine (core/win32/test_local_time_win32.cpp), where
// 15/06/1965 gets Windows' summer time rule instead of the time zone
// database's history.
struct ZoneRow {
    const char* label;
    const char* date;
    const char* time;
    std::optional<std::uint64_t> expected;
};

class ParisDates : public ::testing::TestWithParam<ZoneRow> {};

TEST_P(ParisDates, ConvertWithTheOffsetOfTheirDate)
{
    TimeZone zone("Europe/Paris");
    const ZoneRow& row = GetParam();
    EXPECT_EQ(DateEnTempsFichier(row.date, row.time), row.expected);
    if (row.expected) {  // and back, as the properties panel shows it
        EXPECT_EQ(formatGeneralDate(*row.expected), std::string(row.date) + " " + row.time);
    }
}

INSTANTIATE_TEST_SUITE_P(LocalToFileTime, ParisDates, ::testing::Values(
    // 2001-08-14 03:12:24 UTC: summer time, two hours east.
    ZoneRow{"SummerTime2001", "14/08/2001", "05:12:24", 126422323440000000ULL},
    // 1965-06-15 09:00 UTC: France kept winter time all year from 1946 to 1975.
    ZoneRow{"June1965", "15/06/1965", "10:00:00", 115009956000000000ULL},
    ZoneRow{"January1965", "15/01/1965", "10:00:00", 114879492000000000ULL},
    // The first year of the two-digit window; Paris kept Greenwich time
    // until 1940.
    ZoneRow{"NewYear1930", "01/01/1930", "00:00:01", 103821696010000000ULL},
    // Paris mean time, 9 min 21 s east: 1600-12-31 23:55:39 UTC, before the
    // first file time.
    ZoneRow{"Before1601Utc", "01/01/1601", "00:05:00", std::nullopt}),
    [](const auto& info) { return std::string(info.param.label); });

// File time 0 means "leave unchanged" to the platform, so the first instant
// of 1601 UTC is refused like the dates before it.
TEST(LocalToFileTime, DatesUpToTheFirstInstantOf1601AreRefused)
{
    TimeZone zone("UTC");
    EXPECT_EQ(localToFileTime(at(1601, 1, 1)), std::nullopt);
    EXPECT_EQ(DateEnTempsFichier("01/01/1601", "00:00:00"), std::nullopt);
    EXPECT_EQ(localToFileTime(at(1601, 1, 1, 0, 0, 1)), 10000000ULL);
    EXPECT_EQ(localToFileTime(at(1600, 12, 31, 23, 59, 59)), std::nullopt);
    EXPECT_EQ(DateEnTempsFichier("01/01/0001", "00:00:00"), std::nullopt);
}

TEST(LocalToFileTime, LocalTimeWestOfUtcLandingOnTheFirstInstantOf1601)
{
    TimeZone zone("UTC+1");  // one hour west: local 23:00 is 00:00 UTC
    EXPECT_EQ(DateEnTempsFichier("31/12/1600", "23:00:00"), std::nullopt);
    EXPECT_EQ(DateEnTempsFichier("31/12/1600", "23:00:01"), 10000000ULL);
    EXPECT_EQ(DateEnTempsFichier("01/01/1601", "00:00:00"), 36000000000ULL);
}

TEST(DateTextReader, FollowsTheTextsFromOneFileToTheNext)
{
    TimeZone zone("UTC-1");
    DateTextReader reader;
    EXPECT_EQ(reader.read("14/08/01", "05:12:24"), 126422359440000000ULL);
    EXPECT_EQ(reader.read("14/08/01", "05:12:24"), 126422359440000000ULL);
    EXPECT_EQ(reader.read("14/08/0l", "05:12:24"), std::nullopt);
    EXPECT_EQ(reader.read("14/08/0l", "05:12:24"), std::nullopt);
    EXPECT_EQ(reader.read("14/08/01", "05:12:25"), 126422359450000000ULL);
}

TEST(FormatGeneralDate, DateAloneAtExactMidnight)
{
    TimeZone zone("Europe/Paris");
    // 2001-08-14 03:12:24 UTC, then 2000-01-01 00:00:00 and 00:00:01 local.
    EXPECT_EQ(formatGeneralDate(126422323440000000ULL), "14/08/2001 05:12:24");
    EXPECT_EQ(formatGeneralDate(125911548000000000ULL), "01/01/2000");
    EXPECT_EQ(formatGeneralDate(125911548010000000ULL), "01/01/2000 00:00:01");
}

TEST(DateInputMessage, ExactTexts)
{
    EXPECT_EQ(kDateInputErrorTitle, "Erreur de saisie date ou heure");
    EXPECT_EQ(kDateInputErrorText,
              "Vous devez entrez la date sous la forme 14/08/01\net l'heure sous la forme 05:12:24");
}

}  // namespace
}  // namespace ordalis
