// Dates typed in French, local times and file times, and the lines of the properties panel.
#include "core/datetime.h"
#include "core/properties.h"

#include "../temp_dir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

namespace ordalis {
namespace {

using test::Env;

LocalDateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return {y, mo, d, h, mi, s};
}

TEST(ParseFrench, ReadsOrRejects)
{
    const std::pair<const char*, LocalDateTime> accepted[] = {
        {"14/08/01 05:12:24", at(2001, 8, 14, 5, 12, 24)}, {"14-08-2001 05:12", at(2001, 8, 14, 5, 12, 0)},
        {"01/01/29 00:00:00", at(2029, 1, 1)},             {"01/01/30", at(1930, 1, 1)},
        {"14 aout 01", at(2001, 8, 14)},                   {"14 févr. 2001 23:59:59", at(2001, 2, 14, 23, 59, 59)},
        {"1er janvier 2001", at(2001, 1, 1)},              {"29/02/2000", at(2000, 2, 29)},
        {"14\xC2\xA0" "AOÛT\xC2\xA0" "2001", at(2001, 8, 14)}};
    for (const auto& [text, expected] : accepted)
        EXPECT_EQ(parseFrenchDateTime(text), expected) << text;
    for (const char* text : {"", "14/O8/01", "29/02/2001", "29/02/1900", "31/04/2001", "14/13/2001", "00/08/2001",
                             "14/08/01 24:00:00", "14/08/01 05:60", "14/08/01 05:12:24 PM", "14/08/201", "14 jui 2001",
                             "2er janvier 2001"})
        EXPECT_EQ(parseFrenchDateTime(text), std::nullopt) << text;
}

// File time 0 means "leave unchanged": the first instant of 1601 UTC is refused.
TEST(LocalToFileTime, DatesUpToTheFirstInstantOf1601AreRefused)
{
    Env zone("TZ", "UTC+1");  // one hour west: local 23:00 is 00:00 UTC
    struct Row { const char* date; const char* time; std::optional<std::uint64_t> expected; };
    for (const Row& row : {Row{"31/12/1600", "22:59:59", std::nullopt}, Row{"31/12/1600", "23:00:00", std::nullopt},
                           Row{"31/12/1600", "23:00:01", 10000000ULL}, Row{"01/01/1601", "00:00:00", 36000000000ULL}})
        EXPECT_EQ(DateEnTempsFichier(row.date, row.time), row.expected) << row.date << " " << row.time;
}

TEST(DateTextReader, FollowsTheTextsFromOneFileToTheNext)
{
    Env zone("TZ", "UTC-1");  // one hour east: 2001-08-14 04:12:24 UTC
    DateTextReader reader;
    EXPECT_EQ(reader.read("14/08/01", "05:12:24"), 126422359440000000ULL);
    EXPECT_EQ(reader.read("14/08/01", "05:12:24"), 126422359440000000ULL);
    EXPECT_EQ(reader.read("14/08/0l", "05:12:24"), std::nullopt);
    EXPECT_EQ(reader.read("14/08/01", "05:12:25"), 126422359450000000ULL);
}

TEST(PropertiesLines, SizeFolderAttributesAndDates)
{
    const std::pair<std::uint64_t, const char*> sizes[] = {
        {0, "Taille : 0 octets ou 0 Ko"}, {1, "Taille : 1 octets ou 1 Ko"}, {1024, "Taille : 1024 octets ou 1 Ko"},
        {1025, "Taille : 1025 octets ou 2 Ko"}, {5368709121ULL, "Taille : 5368709121 octets ou 5242881 Ko"}};
    for (const auto& [bytes, line] : sizes)
        EXPECT_EQ(sizeLine(bytes), line) << bytes;
    EXPECT_EQ(folderCaption("C:\\Photos\\a.txt", '\\'), "C:\\Photos");
    EXPECT_EQ(folderCaption("/a.txt", '/'), "/");
    EXPECT_EQ(propertiesAttributeText(0x801, true), "Lecture seule");  // compressed read-only
    EXPECT_EQ(attributesLine(0x27, false), "Attributs : Normal");
    Env zone("TZ", "Europe/Paris");
    // 1999-12-31 23:00:00 UTC, midnight in Paris: the date alone.
    EXPECT_EQ(dateLine(kModifiedLabel, 125911548000000000ULL), "Modifié le : 01/01/2000");
}

}  // namespace
}  // namespace ordalis
