#include "core/dosattrib.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace ordalis {
namespace {

// "30 78 00" -> {0x30, 0x78, 0x00}.
std::vector<std::uint8_t> fromHex(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::uint8_t> bytes;
    unsigned value = 0;
    while (in >> std::hex >> value)
        bytes.push_back(static_cast<std::uint8_t>(value));
    return bytes;
}

// 2001-08-14 04:12:24 UTC as a file time, and its little-endian bytes.
constexpr std::uint64_t kCreation = 0x01c1247752168400ULL;
const std::string kC = " 00 84 16 52 77 24 c1 01 ";
const std::string kV3 = "30 78 32 32 00 00 03 00 03 00 00 00 11 00 00 00 22 00 00 00";

TEST(DosAttrib, WritesTheHexTextThenAVersionThreeRecord)
{
    const std::string zeros20 = " 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00";
    EXPECT_EQ(encodeDosAttrib({0x22, kCreation}), fromHex(kV3 + zeros20 + kC + "00 00 00 00 00 00 00 00"));
}

// Skipped fields hold non-zero bytes: a wrong offset shows as a wrong value.
TEST(DosAttrib, ReadsEveryStoredForm)
{
    const std::string skipped = " aa aa aa aa bb bb bb bb bb bb bb bb cc cc cc cc cc cc cc cc";
    struct Row { const char* name; std::string bytes; std::optional<DosRecord> expected; };
    const Row rows[] = {
        {"Version5AsFileServersWriteIt", "00 00 05 00 05 00 00 00 11 00 00 00 22 00 00 00" + kC,
         DosRecord{0x22, kCreation}},
        {"Version3AsWeWriteIt", kV3 + skipped + kC + "dd dd dd dd dd dd dd dd", DosRecord{0x22, kCreation}},
        {"Version1", "30 78 32 31 00 00 01 00 01 00 00 00 21 00 00 00" + skipped + kC + "dd dd dd dd dd dd dd dd",
         DosRecord{0x21, kCreation}},
        {"Version2", "30 78 32 00 02 00 02 00 01 00 00 00 02 00 00 00" + skipped + kC +
                         "dd dd dd dd dd dd dd dd ee ee ee ee ee ee ee ee 00",
         DosRecord{0x02, kCreation}},
        {"Version4SkipsTheInodeTime", "00 00 04 00 04 00 00 00 11 00 00 00 24 00 00 00 aa aa aa aa aa aa aa aa" + kC,
         DosRecord{0x24, kCreation}},
        {"Version3CreationWithoutItsFlag",
         "30 78 32 32 00 00 03 00 03 00 00 00 01 00 00 00 22 00 00 00" + skipped + kC + "dd dd dd dd dd dd dd dd",
         DosRecord{0x22, 0}},
        {"Version5AttributesWithoutTheirFlagComeFromTheText",
         "30 78 34 00 05 00 05 00 10 00 00 00 22 00 00 00" + kC, DosRecord{0x04, kCreation}},
        {"PlainHexTextWithNul", "30 78 32 32 00", DosRecord{0x22, 0}},
        {"PlainHexTextUpperCase", "30 78 32 41 00", DosRecord{0x2A, 0}},
        {"UnknownVersionFallsBackToTheText", "30 78 36 00 09 00 09 00 00 00 00 00", DosRecord{0x06, 0}},
        {"TruncatedRecordFallsBackToTheText", kV3 + " 00 00", DosRecord{0x22, 0}},
        {"LevelDifferentFromVersion", "00 00 05 00 03 00 00 00 11 00 00 00 22 00 00 00" + kC, std::nullopt},
        {"Empty", "", std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(decodeDosAttrib(fromHex(row.bytes)), row.expected) << row.name;
}

}  // namespace
}  // namespace ordalis
