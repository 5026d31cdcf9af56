#include "core/cipher.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace ordalis {
namespace {

struct Row { const char* name; std::string text, key, result; };

TEST(Cipher, Crypter)
{
    const Row rows[] = {
        {"sum 256 wraps to 1", "\x01", "\xFF", "\x01"},
        {"sum 510 gives 255", "\xFF", "\xFF", "\xFF"},
        {"key repeats", "abcde", "\x01\x02", "bddff"},
        {"key spaces count", "AA", " \x01", "aB"},
        {"CR LF takes two key positions", "a\r\nb", "\x01\x02\x03", "b\x0F\x0D" "c"},
        {"tab alone is no empty text", "\t", "\x01", "\x0A"},
        {"spaces only", "   ", "k", ""},
        {"empty key", "abc", "", ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Crypter(row.text, row.key), row.result) << row.name;
}

TEST(Cipher, Decrypter)
{
    const Row rows[] = {
        {"difference below 0 raised by 255", "a", "b", "\xFE"},
        {"difference 0 gives 255", "\x05", "\x05", "\xFF"},
        {"spaces only deciphered too", "  ", "\x01", "\x1F\x1F"},
        {"cipher text of spaces from 'o' under 0xB0", " ", "\xB0", "o"},
        {"empty key", "abc", "", ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Decrypter(row.text, row.key), row.result) << row.name;
}

TEST(Cipher, RandomTextsRoundTrip)
{
    std::mt19937 random(20010814);
    std::uniform_int_distribution<int> code(1, 255), length(1, 300);
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
