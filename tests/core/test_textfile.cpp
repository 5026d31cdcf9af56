#include "core/attributes.h"
#include "core/fileerrors.h"
#include "core/platform/platform.h"
#include "core/textfile.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace ordalis {
namespace {

constexpr TextFormat kUtf8None{TextEncoding::Utf8, LineEnding::None};
constexpr TextFormat kUtf8Lf{TextEncoding::Utf8, LineEnding::Lf};
constexpr TextFormat kUtf8CrLf{TextEncoding::Utf8, LineEnding::CrLf};
constexpr TextFormat kBomLf{TextEncoding::Utf8WithBom, LineEnding::Lf};
constexpr TextFormat kAnsiCrLf{TextEncoding::Cp1252, LineEnding::CrLf};
constexpr TextFormat kUtf8Cr{TextEncoding::Utf8, LineEnding::Cr};
constexpr TextFormat kUtf8CrOpen{TextEncoding::Utf8, LineEnding::Cr, FinalBreak::Never};
constexpr TextFormat kUtf8Open{TextEncoding::Utf8, LineEnding::None, FinalBreak::Never};
constexpr TextFormat kAnsiOpen{TextEncoding::Cp1252, LineEnding::None, FinalBreak::Never};

// Bytes that only look like UTF-8 are read as code page 1252; the most common line break sets the style.
TEST(TextFile, Decoding)
{
    struct Row { std::string bytes; std::u16string text; TextFormat format; };
    const Row rows[] = {
        {"a\r\nb\r\n", u"a\nb\n", kUtf8CrLf},
        {"a\nb\r\n", u"a\nb\n", kUtf8Lf},
        {"a\rb\r\nc\n", u"a\nb\nc\n", kUtf8Cr},
        {"a\nb\r\nc\r\n", u"a\nb\nc\n", kUtf8CrLf},
        {"a\rb", u"a\nb", kUtf8CrOpen},
        {"", u"", {TextEncoding::Utf8, LineEnding::None, FinalBreak::IfNotEmpty}},
        {"\xEF\xBB\xBF\xC3\xA9\n", u"\u00E9\n", kBomLf},
        {"\x80 5\r\n", u"\u20AC 5\n", kAnsiCrLf},
        {"\xE0\xA0\x80\xF4\x8F\xBF\xBF", u"\u0800\U0010FFFF", kUtf8Open},
        {"\xC0\xAF", u"\u00C0\u00AF", kAnsiOpen},                           // overlong, two bytes
        {"a\xE0\x9F\xBF", u"a\u00E0\u0178\u00BF", kAnsiOpen},               // overlong, three bytes
        {"a\xF0\x8F\xBF\xBF", u"a\u00F0\u008F\u00BF\u00BF", kAnsiOpen},     // overlong, four bytes
        {"\xF4\x90\x80\x80", u"\u00F4\u0090\u20AC\u20AC", kAnsiOpen},       // above U+10FFFF
        {"a\xE2\x80\xA9" "b\xEF\xB7\x90", u"a\nb\n", kUtf8None},             // breaks of the text widgets
    };
    for (const Row& row : rows) {
        const DecodedText decoded = decodeText(row.bytes);
        EXPECT_EQ(decoded.text, row.text) << row.bytes;
        EXPECT_EQ(decoded.format, row.format) << row.bytes;
    }
    // 20 MB: reading that grows faster than the text would not end within the tests' time limit.
    std::string bytes;
    while (bytes.size() < 20 * 1024 * 1024)
        bytes += "ligne \xc3\xa9t\xc3\xa9\r\n";
    const DecodedText decoded = decodeText(bytes);
    EXPECT_EQ(decoded.format, kUtf8CrLf);
    EXPECT_EQ(decoded.text.substr(0, 11), u"ligne \u00E9t\u00E9\nl");
}

// What cannot be written in the chosen encoding, and the format of a new text.
TEST(TextFile, Encoding)
{
    cp1252::Unencodable lacking;
    std::string bytes;
    EXPECT_FALSE(encodeText(u"a\nb\u0151", kAnsiCrLf, bytes, &lacking));
    EXPECT_EQ(lacking.position, 3u);
    EXPECT_EQ(lacking.character, 0x151u);
    EXPECT_FALSE(encodeText(u"ab\xDC00", kUtf8Lf, bytes));
    EXPECT_EQ(newTextFormat(u"\u0151", SystemStyle::Posix), kUtf8Lf);
    EXPECT_EQ(newTextFormat(u"\u00E9\u20AC", SystemStyle::Windows), kAnsiCrLf);
    EXPECT_EQ(newTextFormat(u"\u00E9\u0151", SystemStyle::Windows), kUtf8CrLf);
}

// Whatever a file holds, opened and saved without an edit it keeps its bytes.
TEST(TextFileOnDisk, OpenAndSaveGivesTheSameBytes)
{
    const test::TempDir dir("ordalis-textfile-");
    struct Row { const char* name; std::string bytes; bool binary; };
    const Row rows[] = {
        {"1252, CR LF", "Ligne 1\r\nd\xE9j\xE0\r\n", false},
        {"UTF-8, empty lines", "a\nb\xC3\xA9\n\n", false},
        {"byte-order mark", "\xEF\xBB\xBFx\r\n", false},
        {"lone CR", "un\rdeux\rtrois\r", false},
        {"mixed", "a\r\nb\nc\rd\r\n\n\re", false},
        {"no final break", "fin sans saut", false},
        {"empty", "", false},
        {"widget breaks", "a\xE2\x80\xA9" "b\xEF\xB7\x91" "c\n", false},
        {"NUL and controls", std::string("ELF\0\x01\x02\r\n\x7F\xFF\0", 12), true},
        {"UTF-8 holding byte 0x81", "\xC3\x81" "b\xC3\x90\n", false},  // \u00C1, \u00D0
        {"undefined 1252 codes", "\x81\x8D\x8F\x90\x9D\r", true},
    };
    for (const Row& row : rows) {
        dir.put("t.txt", row.bytes);
        DecodedText decoded;
        ASSERT_FALSE(readTextFile(dir.file("t.txt"), decoded));
        EXPECT_EQ(decoded.binary, row.binary) << row.name;
        LineLayout layout(decoded.text, decoded.breaks);
        ASSERT_FALSE(saveTextFile(dir.file("t.txt"), decoded.text, decoded.format, nullptr, &layout));
        EXPECT_EQ(dir.read("t.txt"), row.bytes) << row.name;
        ASSERT_FALSE(saveTextFile(dir.file("t.txt"), decoded.text, decoded.format, nullptr, &layout));
        EXPECT_EQ(dir.read("t.txt"), row.bytes) << row.name << ", saved twice";
    }
    EXPECT_EQ(dir.names(), std::vector<std::string>{"t.txt"});
}

// An edited text: each line still there keeps its own break, a new one takes the file's usual one.
TEST(TextFile, EditedLinesKeepTheirBreaks)
{
    struct Row { const char* name; std::string file; std::u16string edited; std::string bytes; };
    const Row rows[] = {
        {"line changed", "a\r\nb\nc\r\n", u"a\nB\nc\n", "a\r\nB\r\nc\r\n"},
        {"line added, lone CR", "a\rb\rc\r", u"a\nx\nb\nc\n", "a\rx\rb\rc\r"},
        {"line removed", "1\r\n2\n3\r\n4\n", u"1\n3\n4\n", "1\r\n3\r\n4\n"},
        {"lines swapped", "a\nb\r\nc\rd\n", u"a\nc\nb\nd\n", "a\nc\rb\r\nd\n"},
        {"end appended, first of equals", "a\r\nb\n", u"a\nb\nc\nd", "a\r\nb\nc\r\nd"},
        {"all new", "x\r\ny\r\n", u"p\nq\n", "p\r\nq\r\n"},
    };
    for (const Row& row : rows) {
        const DecodedText decoded = decodeText(row.file);
        const LineLayout layout(decoded.text, decoded.breaks);
        std::string bytes;
        ASSERT_TRUE(encodeText(row.edited, decoded.format, bytes, nullptr, &layout));
        EXPECT_EQ(bytes, row.bytes) << row.name;
    }
}

// Texts saved in each encoding with one final line break, never a second one (a lone CR counts); with no line break
// seen, the system's own.
TEST(TextFileOnDisk, EncodingAndOneFinalLineBreak)
{
    const test::TempDir dir("ordalis-textfile-");
    struct Row { std::u16string text; TextFormat format; std::string bytes; };
    const Row rows[] = {
        {u"\u00E9\r\nx\ry", kUtf8Lf, "\xC3\xA9\nx\ny\n"},
        {u"\u20AC", kBomLf, "\xEF\xBB\xBF\xE2\x82\xAC\n"},
        {u"\u20AC\u0153", kAnsiCrLf, "\x80\x9C\r\n"},
        {u"\U0001F600", kUtf8Lf, "\xF0\x9F\x98\x80\n"},
        {u"", kAnsiCrLf, "\r\n"},
        {u"abc", kAnsiCrLf, "abc\r\n"},
        {u"abc\n", kAnsiCrLf, "abc\r\n"},
        {u"abc\r", kAnsiCrLf, "abc\r\n"},
        {u"abc\n\n", kUtf8Lf, "abc\n\n"},
        {u"x", kBomLf, "\xEF\xBB\xBFx\n"},
        {u"abc", {TextEncoding::Utf8, LineEnding::Lf, FinalBreak::IfNotEmpty}, "abc\n"},   // a file that was empty
        {u"", {TextEncoding::Utf8, LineEnding::Lf, FinalBreak::IfNotEmpty}, ""},
        {u"abc", {TextEncoding::Utf8, LineEnding::Lf, FinalBreak::Never}, "abc"},          // no final break read
#ifdef _WIN32
        {u"a\nb", kUtf8None, "a\r\nb\r\n"},
#else
        {u"a\nb", kUtf8None, "a\nb\n"},
#endif
    };
    for (const Row& row : rows) {
        ASSERT_FALSE(saveTextFile(dir.file("new.txt"), row.text, row.format));
        EXPECT_EQ(dir.read("new.txt"), row.bytes) << row.bytes;
    }
}

// A read-only file (refused to the administrator too, as on Windows) and a folder are refused before anything is
// written; a hidden system file saved keeps those attributes.
TEST(TextFileOnDisk, FailedSaveOrReadLeavesEverythingAsItWas)
{
    const test::TempDir dir("ordalis-textfile-");
    dir.put("old.txt", "ancien\r\n");
    dir.put("folder/inside.txt", "x");
    dir.put("cache.txt", "ancien");
    EXPECT_EQ(saveTextFile(dir.file("old.txt"), u"\u0151", kAnsiCrLf), std::errc::illegal_byte_sequence);
    ASSERT_FALSE(platform::setAttributes(dir.file("old.txt"), kReadOnly));
    EXPECT_EQ(saveTextFile(dir.file("old.txt"), u"texte", kUtf8Lf), FileRefusal::ReadOnlyAttribute);
    EXPECT_EQ(saveTextFile(dir.file("folder"), u"texte", kUtf8Lf), std::errc::is_a_directory);
    EXPECT_TRUE(saveTextFile(dir.file("missing/t.txt"), u"texte", kUtf8Lf));
    ASSERT_FALSE(platform::setAttributes(dir.file("cache.txt"), kHidden | kSystem));
    EXPECT_FALSE(saveTextFile(dir.file("cache.txt"), u"nouveau", kUtf8None));
    std::uint32_t attributes = 0;
    EXPECT_FALSE(platform::getAttributes(dir.file("cache.txt"), attributes));
    EXPECT_EQ(attributes & (kHidden | kSystem), kHidden | kSystem);
    EXPECT_EQ(dir.read("old.txt"), "ancien\r\n");
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"cache.txt", "folder", "old.txt"}));
    EXPECT_EQ(test::namesIn(dir.path() / "folder"), std::vector<std::string>{"inside.txt"});
    DecodedText decoded;
    EXPECT_TRUE(readTextFile(dir.file("missing.txt"), decoded));
    EXPECT_EQ(readTextFile(dir.path().string(), decoded), std::errc::is_a_directory);
}

}  // namespace
}  // namespace ordalis
