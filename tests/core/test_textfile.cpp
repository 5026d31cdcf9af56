#include "core/textfile.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace ordalis {
namespace {

namespace fs = std::filesystem;

constexpr TextFormat kUtf8Lf{TextEncoding::Utf8, LineEnding::Lf};
constexpr TextFormat kUtf8CrLf{TextEncoding::Utf8, LineEnding::CrLf};
constexpr TextFormat kBomLf{TextEncoding::Utf8WithBom, LineEnding::Lf};
constexpr TextFormat kAnsiCrLf{TextEncoding::Cp1252, LineEnding::CrLf};

TEST(TextFile, Decoding)
{
    struct Row { std::string bytes; std::u16string text; TextFormat format; };
    const Row rows[] = {
        {"", u"", {TextEncoding::Utf8, LineEnding::None}},
        {"a\r\nb\r\n", u"a\nb\n", kUtf8CrLf},
        {"a\nb\r\n", u"a\nb\n", kUtf8Lf},
        {"a\rb", u"a\nb", {TextEncoding::Utf8, LineEnding::None}},
        {"\xEF\xBB\xBF\xC3\xA9\n", u"\u00E9\n", kBomLf},
        {"\xF0\x9F\x98\x80", u"\U0001F600", {TextEncoding::Utf8, LineEnding::None}},
        {"caf\xE9\r\n", u"caf\u00E9\n", kAnsiCrLf},
        {"\x80 5\r\n", u"\u20AC 5\n", kAnsiCrLf},
        {"\xC0\xAF", u"\u00C0\u00AF", {TextEncoding::Cp1252, LineEnding::None}},          // overlong
        {"\xED\xA0\x80", u"\u00ED\u00A0\u20AC", {TextEncoding::Cp1252, LineEnding::None}},  // surrogate
        {"\xE2\x82", u"\u00E2\u201A", {TextEncoding::Cp1252, LineEnding::None}},            // cut short
        {"\xF4\x90\x80\x80", u"\u00F4\u0090\u20AC\u20AC", {TextEncoding::Cp1252, LineEnding::None}},
        {"\xEF\xBB\xBF\xE9", u"\u00EF\u00BB\u00BF\u00E9", {TextEncoding::Cp1252, LineEnding::None}},
    };
    for (const Row& row : rows) {
        const DecodedText decoded = decodeText(row.bytes);
        EXPECT_EQ(decoded.text, row.text) << row.bytes;
        EXPECT_EQ(decoded.format, row.format) << row.bytes;
    }
}

TEST(TextFile, Encoding)
{
    struct Row { std::u16string text; TextFormat format; std::string bytes; };
    const Row rows[] = {
        {u"a\nb", kAnsiCrLf, "a\r\nb"},
        {u"\u00E9\r\nx\ry", kUtf8Lf, "\xC3\xA9\nx\ny"},
        {u"a\r\n\nb", kUtf8CrLf, "a\r\n\r\nb"},
        {u"\u20AC", kBomLf, "\xEF\xBB\xBF\xE2\x82\xAC"},
        {u"\u20AC\u0153", kAnsiCrLf, "\x80\x9C"},
        {u"\U0001F600", kUtf8Lf, "\xF0\x9F\x98\x80"},
    };
    for (const Row& row : rows) {
        std::string bytes;
        EXPECT_TRUE(encodeText(row.text, row.format, bytes));
        EXPECT_EQ(bytes, row.bytes);
    }
}

TEST(TextFile, EncodingReportsWhatTheEncodingLacks)
{
    std::string bytes;
    cp1252::Unencodable lacking;
    EXPECT_FALSE(encodeText(u"a\nb\u0151", kAnsiCrLf, bytes, &lacking));
    EXPECT_EQ(lacking.position, 3u);
    EXPECT_EQ(lacking.character, 0x151u);
    EXPECT_FALSE(encodeText(u"ab\xDC00", kUtf8Lf, bytes, &lacking));
    EXPECT_EQ(lacking.position, 2u);
}

TEST(TextFile, NewTextFormat)
{
    EXPECT_EQ(newTextFormat(u"\u0151", SystemStyle::Posix), kUtf8Lf);
    EXPECT_EQ(newTextFormat(u"\u00E9\u20AC", SystemStyle::Windows), kAnsiCrLf);
    EXPECT_EQ(newTextFormat(u"\u00E9\u0151", SystemStyle::Windows), kUtf8CrLf);
}

class TextFileOnDisk : public ::testing::Test {
protected:
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    void put(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }

    std::string bytesOf(const std::string& name) const
    {
        std::ifstream in(dir_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    std::vector<std::string> names() const
    {
        std::vector<std::string> out;
        for (const auto& entry : fs::directory_iterator(dir_))
            out.push_back(entry.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }

    fs::path dir_ = test::makeTempDir("ordalis-textfile-");
};

TEST_F(TextFileOnDisk, OpenAndSaveGivesTheSameBytes)
{
    for (const std::string bytes : {"Ligne 1\r\nd\xE9j\xE0\r\n", "a\nb\xC3\xA9\n\n", "\xEF\xBB\xBFx\r\n"}) {
        put("t.txt", bytes);
        DecodedText decoded;
        ASSERT_FALSE(readTextFile(path("t.txt"), decoded));
        ASSERT_FALSE(saveTextFile(path("t.txt"), decoded.text, decoded.format));
        EXPECT_EQ(bytesOf("t.txt"), bytes);
    }
    EXPECT_EQ(names(), std::vector<std::string>{"t.txt"});
}

TEST_F(TextFileOnDisk, OneFinalLineBreak)
{
    struct Row { std::u16string text; TextFormat format; std::string bytes; };
    const Row rows[] = {
        {u"", kAnsiCrLf, "\r\n"},
        {u"", kUtf8Lf, "\n"},
        {u"abc", kAnsiCrLf, "abc\r\n"},
        {u"abc\n", kAnsiCrLf, "abc\r\n"},
        {u"abc\n\n", kUtf8Lf, "abc\n\n"},
        {u"x", kBomLf, "\xEF\xBB\xBFx\n"},
    };
    for (const Row& row : rows) {
        ASSERT_FALSE(saveTextFile(path("new.txt"), row.text, row.format));
        EXPECT_EQ(bytesOf("new.txt"), row.bytes);
    }
}

TEST_F(TextFileOnDisk, FailedSaveLeavesEverythingAsItWas)
{
    put("old.txt", "ancien\r\n");
    fs::create_directory(dir_ / "folder");
    put("folder/inside.txt", "x");
    cp1252::Unencodable lacking;
    EXPECT_EQ(saveTextFile(path("old.txt"), u"\u0151", kAnsiCrLf, &lacking), std::errc::illegal_byte_sequence);
    EXPECT_EQ(lacking.character, 0x151u);
    EXPECT_TRUE(saveTextFile(path("folder"), u"texte", kUtf8Lf));
    EXPECT_TRUE(saveTextFile(path("missing/t.txt"), u"texte", kUtf8Lf));
    EXPECT_EQ(bytesOf("old.txt"), "ancien\r\n");
    EXPECT_EQ(bytesOf("folder/inside.txt"), "x");
    EXPECT_EQ(names(), (std::vector<std::string>{"folder", "old.txt"}));
    EXPECT_EQ(fs::directory_iterator(dir_ / "folder")->path().filename(), "inside.txt");
}

TEST_F(TextFileOnDisk, ReadingFails)
{
    DecodedText decoded;
    EXPECT_TRUE(readTextFile(path("missing.txt"), decoded));
    EXPECT_TRUE(readTextFile(dir_.string(), decoded));
}

}  // namespace
}  // namespace ordalis
