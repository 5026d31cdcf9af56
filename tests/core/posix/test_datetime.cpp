// Dates typed in French, local times and file times, and the lines of the
// properties panel.
#include "core/datetime.h"
#include "core/properties.h"

#include "../temp_dir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

namespace ordalis {
namespace {

using test::TimeZone;

LocalDateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return {y, mo, d, h, mi, s};
}

TEST(ParseFrench, ReadsOrRejects)
{
    const std::pair<const char*, LocalDateTime> accepted[] = {
        {"14/08/01 05:12:24", at(2001, 8, 14, 5, 12, 24)}, {"14/08/2001 05:12:24", at(2001, 8, 14, 5, 12, 24)},
        {"14-08-2001 05:12", at(2001, 8, 14, 5, 12, 0)},   {"14.08.01", at(2001, 8, 14)},
        {"01/01/29 00:00:00", at(2029, 1, 1)},             {"01/01/30", at(1930, 1, 1)},
        {"14 août 2001 05:12:24", at(2001, 8, 14, 5, 12, 24)}, {"14 aout 01", at(2001, 8, 14)},
        {"14 AOÛT 2001", at(2001, 8, 14)},                 {"14 févr. 2001 23:59:59", at(2001, 2, 14, 23, 59, 59)},
        {"1er janvier 2001", at(2001, 1, 1)},              {"29/02/2000", at(2000, 2, 29)},
        {"14\xC2\xA0" "août\xC2\xA0" "2001", at(2001, 8, 14)}};
    for (const auto& [text, expected] : accepted)
        EXPECT_EQ(parseFrenchDateTime(text), expected) << text;
    for (const char* text : {"", "abc 05:12:24", "14/08/01 ab:cd:ef", "14/O8/01", "31/02/2001", "29/02/2001",
                             "29/02/1900", "31/04/2001", "14/13/2001", "00/08/2001", "14/08/01 24:00:00",
                             "14/08/01 05:60", "14/08/01 05", "14/08/01 05:12:24 PM", "14/08", "14/08/201",
                             "14 jui 2001", "2er janvier 2001", " 05:12:24"})
        EXPECT_EQ(parseFrenchDateTime(text), std::nullopt) << text;
}

// The same rows run under Wine (core/win32/test_local_time_win32.cpp), where
// 15/06/1965 gets Windows' summer time rule instead of the time zone
// database's history.
TEST(LocalToFileTime, ParisDatesWithTheOffsetOfTheirDate)
{
    TimeZone zone("Europe/Paris");
    struct Row { const char* date; const char* time; std::optional<std::uint64_t> expected; };
    const Row rows[] = {
        {"14/08/2001", "05:12:24", 126422323440000000ULL},  // summer time, two hours east
        {"15/06/1965", "10:00:00", 115009956000000000ULL},  // winter time all year from 1946 to 1975
        {"15/01/1965", "10:00:00", 114879492000000000ULL},
        {"01/01/1930", "00:00:01", 103821696010000000ULL},  // Greenwich time until 1940
        {"01/01/1601", "00:05:00", std::nullopt},  // Paris mean time, 9 min 21 s east: before 1601 UTC
    };
    for (const Row& row : rows) {
        EXPECT_EQ(DateEnTempsFichier(row.date, row.time), row.expected) << row.date;
        if (row.expected) {  // and back, as the properties panel shows it
            EXPECT_EQ(formatGeneralDate(*row.expected), std::string(row.date) + " " + row.time);
        }
    }
    // 2001-01-15 11:00:00 UTC (winter, +1) and 2001-07-15 10:00:00 UTC (summer, +2).
    EXPECT_EQ(localToFileTime(at(2001, 1, 15, 12)), 126240300000000000ULL);
    EXPECT_EQ(localToFileTime(at(2001, 7, 15, 12)), 126396648000000000ULL);
    // At exact midnight, the date alone.
    EXPECT_EQ(formatGeneralDate(125911548000000000ULL), "01/01/2000");
    EXPECT_EQ(formatGeneralDate(125911548010000000ULL), "01/01/2000 00:00:01");
}

// File time 0 means "leave unchanged" to the platform, so the first instant
// of 1601 UTC is refused like the dates before it.
TEST(LocalToFileTime, DatesUpToTheFirstInstantOf1601AreRefused)
{
    {
        TimeZone zone("UTC");
        EXPECT_EQ(localToFileTime(at(1601, 1, 1)), std::nullopt);
        EXPECT_EQ(localToFileTime(at(1601, 1, 1, 0, 0, 1)), 10000000ULL);
        EXPECT_EQ(localToFileTime(at(1600, 12, 31, 23, 59, 59)), std::nullopt);
        EXPECT_EQ(DateEnTempsFichier("01/01/0001", "00:00:00"), std::nullopt);
    }
    TimeZone zone("UTC+1");  // one hour west: local 23:00 is 00:00 UTC
    EXPECT_EQ(DateEnTempsFichier("31/12/1600", "23:00:00"), std::nullopt);
    EXPECT_EQ(DateEnTempsFichier("31/12/1600", "23:00:01"), 10000000ULL);
    EXPECT_EQ(DateEnTempsFichier("01/01/1601", "00:00:00"), 36000000000ULL);
}

TEST(DateTextReader, FollowsTheTextsFromOneFileToTheNext)
{
    TimeZone zone("UTC-1");  // one hour east: 2001-08-14 04:12:24 UTC
    DateTextReader reader;
    EXPECT_EQ(reader.read("14/08/01", "05:12:24"), 126422359440000000ULL);
    EXPECT_EQ(reader.read("14/08/01", "05:12:24"), 126422359440000000ULL);
    EXPECT_EQ(reader.read("14/08/0l", "05:12:24"), std::nullopt);
    EXPECT_EQ(reader.read("14/08/0l", "05:12:24"), std::nullopt);
    EXPECT_EQ(reader.read("14/08/01", "05:12:25"), 126422359450000000ULL);
    EXPECT_EQ(kDateInputErrorText,
              "Vous devez entrez la date sous la forme 14/08/01\net l'heure sous la forme 05:12:24");
}

TEST(PropertiesLines, SizeFolderAttributesAndDates)
{
    EXPECT_EQ(sizeLine(0), "Taille : 0 octets ou 0 Ko");
    EXPECT_EQ(sizeLine(1025), "Taille : 1025 octets ou 2 Ko");
    EXPECT_EQ(sizeLine(5368709121ULL), "Taille : 5368709121 octets ou 5242881 Ko");
    EXPECT_EQ(folderCaption("/home/u/a.txt", '/'), "/home/u");
    EXPECT_EQ(folderCaption("C:\\Photos\\a.txt", '\\'), "C:\\Photos");
    EXPECT_EQ(propertiesAttributeText(0x21, true), "Archive - Lecture seule");
    EXPECT_EQ(propertiesAttributeText(0x801, true), "Lecture seule");  // compressed read-only
    EXPECT_EQ(propertiesAttributeText(0x27, false), "Normal");
    EXPECT_EQ(attributesLine(0x27, true), "Attributs : Archive - Lecture seule - Fichier caché - Fichier système");
    TimeZone zone("Europe/Paris");
    // 2001-08-14 03:12:24 UTC and 1999-12-31 23:00:00 UTC.
    EXPECT_EQ(dateLine(kCreatedLabel, 126422323440000000ULL), "Créé le     : 14/08/2001 05:12:24");
    EXPECT_EQ(dateLine(kModifiedLabel, 125911548000000000ULL), "Modifié le : 01/01/2000");
    EXPECT_EQ(dateLine(kAccessedLabel, 125911548000000000ULL), "Accédé le : 01/01/2000");
}

}  // namespace
}  // namespace ordalis
