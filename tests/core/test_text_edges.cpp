// Edges of the text readers that a hand-made fault sample showed unguarded.
#include "core/textfile.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace ordalis {
namespace {

// Bytes that only look like UTF-8 are read as code page 1252, one
// character per byte.
TEST(TextEdges, SequencesThatAreNotUtf8AreReadAsCp1252)
{
    struct Row {
        const char* label;
        std::string bytes;
        TextEncoding encoding;
    };
    const Row rows[] = {
        {"OverlongTwoBytes", "a\xC1\xBF", TextEncoding::Cp1252},
        {"OverlongThreeBytes", "a\xE0\x9F\xBF", TextEncoding::Cp1252},
        {"OverlongFourBytes", "a\xF0\x8F\xBF\xBF", TextEncoding::Cp1252},
        {"Surrogate", "a\xED\xA0\x80", TextEncoding::Cp1252},
        {"AboveTheLastCharacter", "a\xF4\x90\x80\x80", TextEncoding::Cp1252},
        {"CutShort", "a\xE2\x82", TextEncoding::Cp1252},
        {"SmallestThreeBytes", "a\xE0\xA0\x80", TextEncoding::Utf8},
        {"LastCharacter", "a\xF4\x8F\xBF\xBF", TextEncoding::Utf8},
    };
    for (const Row& row : rows) {
        const DecodedText decoded = decodeText(row.bytes);
        EXPECT_EQ(decoded.format.encoding, row.encoding) << row.label;
        if (row.encoding == TextEncoding::Cp1252)
            EXPECT_EQ(decoded.text.size(), row.bytes.size()) << row.label;
    }
}

// The style is that of the first line break, whatever follows.
TEST(TextEdges, FirstLineBreakGivesTheStyle)
{
    struct Row {
        const char* label;
        const char* bytes;
        LineEnding ending;
    };
    const Row rows[] = {
        {"CrLfThenLf", "a\r\nb\nc\n", LineEnding::CrLf},
        {"LfThenCrLf", "a\nb\r\nc\r\n", LineEnding::Lf},
        {"LoneCrThenCrLf", "a\rb\r\nc\n", LineEnding::CrLf},
        {"LoneCrOnly", "a\rb", LineEnding::None},
    };
    for (const Row& row : rows)
        EXPECT_EQ(decodeText(row.bytes).format.lineEnding, row.ending) << row.label;
}

class TextEdgesOnDisk : public testing::Test {
protected:
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string path(const char* name) const { return (dir_ / name).string(); }
    std::string bytesOf(const char* name) const
    {
        std::ostringstream out;
        out << std::ifstream(dir_ / name, std::ios::binary).rdbuf();
        return out.str();
    }
    std::filesystem::path dir_ = test::makeTempDir("ordalis-text-edges-");
};

// A text that already ends with a line break, a lone CR included, gets no
// second one.
TEST_F(TextEdgesOnDisk, NoSecondFinalLineBreak)
{
    struct Row {
        const char* label;
        std::u16string text;
        std::string bytes;
    };
    const TextFormat crlf{TextEncoding::Cp1252, LineEnding::CrLf};
    const Row rows[] = {
        {"EndsWithLf", u"abc\n", "abc\r\n"},
        {"EndsWithLoneCr", u"abc\r", "abc\r\n"},
        {"EndsWithCrLf", u"abc\r\n", "abc\r\n"},
        {"NoBreak", u"abc", "abc\r\n"},
    };
    for (const Row& row : rows) {
        ASSERT_FALSE(saveTextFile(path("t.txt"), row.text, crlf)) << row.label;
        EXPECT_EQ(bytesOf("t.txt"), row.bytes) << row.label;
    }
}

TEST_F(TextEdgesOnDisk, AFolderIsNoTextFile)
{
    DecodedText out;
    EXPECT_EQ(readTextFile(dir_.string(), out), std::errc::is_a_directory);
}

}  // namespace
}  // namespace ordalis
