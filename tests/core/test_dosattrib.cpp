#include "core/dosattrib.h"

#include <gtest/gtest.h>

#include <ostream>
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
const std::string kCreationBytes = "00 84 16 52 77 24 c1 01";

TEST(DosAttribEncode, VersionThreeRecordAfterTheHexText)
{
    const std::vector<std::uint8_t> expected = fromHex(
        "30 78 32 32 00 00 03 00 03 00 00 00 11 00 00 00 22 00 00 00"
        " 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 " +
        kCreationBytes + " 00 00 00 00 00 00 00 00");
    EXPECT_EQ(encodeDosAttrib({0x22, kCreation}), expected);
}

struct DecodeRow {
    const char* name;
    std::string bytes;
    std::optional<DosRecord> expected;
};

// Fields the reader must skip hold non-zero bytes, so that a wrong offset
// shows as a wrong value.
const DecodeRow kDecodeRows[] = {
    {"Version5AsFileServersWriteIt",
     "00 00 05 00 05 00 00 00 11 00 00 00 22 00 00 00 " + kCreationBytes,
     DosRecord{0x22, kCreation}},
    {"Version3AsWeWriteIt",
     "30 78 32 32 00 00 03 00 03 00 00 00 11 00 00 00 22 00 00 00"
     " aa aa aa aa bb bb bb bb bb bb bb bb cc cc cc cc cc cc cc cc " +
         kCreationBytes + " dd dd dd dd dd dd dd dd",
     DosRecord{0x22, kCreation}},
    {"Version1",
     "30 78 32 31 00 00 01 00 01 00 00 00 21 00 00 00 aa aa aa aa"
     " bb bb bb bb bb bb bb bb cc cc cc cc cc cc cc cc " +
         kCreationBytes + " dd dd dd dd dd dd dd dd",
     DosRecord{0x21, kCreation}},
    {"Version2",
     "30 78 32 00 02 00 02 00 01 00 00 00 02 00 00 00 aa aa aa aa"
     " bb bb bb bb bb bb bb bb cc cc cc cc cc cc cc cc " +
         kCreationBytes + " dd dd dd dd dd dd dd dd ee ee ee ee ee ee ee ee 00",
     DosRecord{0x02, kCreation}},
    {"Version4SkipsTheInodeTime",
     "00 00 04 00 04 00 00 00 11 00 00 00 24 00 00 00 aa aa aa aa aa aa aa aa " +
         kCreationBytes,
     DosRecord{0x24, kCreation}},
    {"Version3CreationWithoutItsFlag",
     "30 78 32 32 00 00 03 00 03 00 00 00 01 00 00 00 22 00 00 00"
     " 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 " +
         kCreationBytes + " 00 00 00 00 00 00 00 00",
     DosRecord{0x22, 0}},
    {"Version5AttributesWithoutTheirFlagComeFromTheText",
     "30 78 34 00 05 00 05 00 10 00 00 00 22 00 00 00 " + kCreationBytes,
     DosRecord{0x04, kCreation}},
    {"PlainHexText", "30 78 32 32", DosRecord{0x22, 0}},
    {"PlainHexTextWithNul", "30 78 32 32 00", DosRecord{0x22, 0}},
    {"UpperCaseHexText", "30 58 32 41", DosRecord{0x2a, 0}},
    {"UnknownVersionFallsBackToTheText", "30 78 36 00 09 00 09 00 00 00 00 00",
     DosRecord{0x06, 0}},
    {"TruncatedRecordFallsBackToTheText",
     "30 78 32 32 00 00 03 00 03 00 00 00 11 00 00 00 22 00 00 00 00 00",
     DosRecord{0x22, 0}},
    {"LevelDifferentFromVersion", "00 00 05 00 03 00 00 00 11 00 00 00 22 00 00 00 " +
                                      kCreationBytes,
     std::nullopt},
    {"NotHex", "7a 7a", std::nullopt},
    {"Empty", "", std::nullopt},
};

void PrintTo(const DecodeRow& row, std::ostream* out)
{
    *out << row.name;
}

class DosAttribDecode : public testing::TestWithParam<DecodeRow> {};

TEST_P(DosAttribDecode, ReadsTheStoredForm)
{
    const std::vector<std::uint8_t> bytes = fromHex(GetParam().bytes);
    EXPECT_EQ(decodeDosAttrib(bytes), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Forms, DosAttribDecode, testing::ValuesIn(kDecodeRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ordalis
