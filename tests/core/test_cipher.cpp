#include "core/cipher.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace ordalis {
namespace {

struct Row { const char* name; std::string text; std::string key; std::string result; };

TEST(Cipher, Crypter)
{
    const Row rows[] = {
        {"sum 256 wraps to 1", "\x01", "\xFF", "\x01"},
        {"sum 510 gives 255", "\xFF", "\xFF", "\xFF"},
        {"sum 255 stays", "\x80", "\x7F", "\xFF"},
        {"key repeats", "abcde", "\x01\x02", "bddff"},
        {"longer key used up to the text", "ab", "\x01\x02\x03", "bd"},
        {"key spaces count", "AA", " \x01", "aB"},
        {"CR LF takes two key positions", "a\r\nb", "\x01\x02\x03", "b\x0F\x0D" "c"},
        {"key code 255 keeps codes 1..255", "H\xE9\xFF", "\xFF", "H\xE9\xFF"},
        {"outer spaces enciphered", " a ", "\x01", "!b!"},
        {"tab alone is no empty text", "\t", "\x01", "\x0A"},
        {"spaces only", "   ", "k", ""},
        {"empty text", "", "k", ""},
        {"empty key", "abc", "", ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Crypter(row.text, row.key), row.result) << row.name;
}

TEST(Cipher, Decrypter)
{
    const Row rows[] = {
        {"inverse of the 256 wrap", "\x01", "\xFF", "\x01"},
        {"difference below 0 raised by 255", "a", "b", "\xFE"},
        {"difference 0 gives 255", "\x05", "\x05", "\xFF"},
        {"key repeats, CR LF included", "b\x0F\x0D" "c", "\x01\x02\x03", "a\r\nb"},
        {"spaces only", "  ", "k", ""},
        {"empty key", "abc", "", ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Decrypter(row.text, row.key), row.result) << row.name;
}

TEST(Cipher, LatinSmallYWithDiaeresisSurvives)
{
    for (const std::string key : {"\x01", "\xFF", "cl\xE9", "\x7F\x80"})
        EXPECT_EQ(Decrypter(Crypter("\xFFy\xFF\xFF", key), key), "\xFFy\xFF\xFF");
}

TEST(Cipher, NoLengthLimit)
{
    const std::string text(40000, 'a');
    const std::string key = std::string(33000, '\x01') + std::string(7000, '\x02');
    const std::string cipher = Crypter(text, key);
    ASSERT_EQ(cipher.size(), 40000u);
    EXPECT_EQ(cipher[32999], 'b');
    EXPECT_EQ(cipher[39999], 'c');
    EXPECT_EQ(Decrypter(cipher, key), text);
}

TEST(Cipher, RandomTextsRoundTrip)
{
    std::mt19937 random(20010814);
    std::uniform_int_distribution<int> code(1, 255);
    std::uniform_int_distribution<int> length(1, 300);
    auto randomBytes = [&](int n) {
        std::string s(n, '\0');
        for (char& c : s)
            c = static_cast<char>(code(random));
        return s;
    };
    for (int i = 0; i < 2000; ++i) {
        std::string text = randomBytes(length(random));
        text[0] = text[0] == ' ' ? 'x' : text[0];  // never spaces only
        const std::string key = randomBytes(length(random) % 40 + 1);
        const std::string cipher = Crypter(text, key);
        ASSERT_EQ(cipher.find('\0'), std::string::npos);
        ASSERT_EQ(Decrypter(cipher, key), text) << "case " << i;
    }
}

}  // namespace
}  // namespace ordalis
