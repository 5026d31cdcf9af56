#include "core/cipher.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace ordalis {
namespace {

// Each row enciphers `text` into `cipher`; when `back`, deciphering `cipher` gives `text` again.
TEST(Cipher, BothWays)
{
    struct Row { const char* name; std::string text, key, cipher; bool back; };
    const Row rows[] = {
        {"sum 256 wraps to 1", "\x01", "\xFF", "\x01", true},
        {"sum 510 gives 255, difference 0 gives 255", "\xFF", "\xFF", "\xFF", true},
        {"difference below 0 raised by 255", "\xFE", "b", "a", true},
        {"key repeats", "abcde", "\x01\x02", "bddff", true},
        {"key spaces count", "AA", " \x01", "aB", true},
        {"CR LF takes two key positions", "a\r\nb", "\x01\x02\x03", "b\x0F\x0D" "c", true},
        {"tab alone is no empty text", "\t", "\x01", "\x0A", true},
        {"a cipher text of spaces only is deciphered too", "\x1F\x1F", "\x01", "  ", true},
        {"cipher text of spaces from 'o' under 0xB0", "o", "\xB0", " ", true},
        {"spaces only", "   ", "k", "", false},
        {"empty key", "abc", "", "", false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(encipher(row.text, row.key), row.cipher) << row.name;
        if (row.back) {
            EXPECT_EQ(decipher(row.cipher, row.key), row.text) << row.name;
        }
    }
    EXPECT_EQ(decipher("abc", ""), "");
}

// Against the rule written plainly, over texts of several blocks and keys of any length.
TEST(Cipher, RandomTextsAsThePlainRuleAndRoundTrip)
{
    std::mt19937 random(20010814);
    std::uniform_int_distribution<int> code(1, 255), length(1, 1200);
    auto plainRule = [](const std::string& text, const std::string& key) {
        std::string out;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const int sum = static_cast<unsigned char>(text[i]) + static_cast<unsigned char>(key[i % key.size()]);
            out += static_cast<char>(sum > 255 ? sum - 255 : sum);
        }
        return out;
    };
    auto randomBytes = [&](int n) {
        std::string s(n, '\0');
        for (char& c : s)
            c = static_cast<char>(code(random));
        return s;
    };
    for (int i = 0; i < 2000; ++i) {
        std::string text = randomBytes(length(random));
        text[0] = text[0] == ' ' ? 'x' : text[0];  // never spaces only
        const std::string key = randomBytes(length(random) % 300 + 1);
        const std::string cipher = encipher(text, key);
        ASSERT_EQ(cipher, plainRule(text, key)) << "case " << i;
        ASSERT_EQ(decipher(cipher, key), text) << "case " << i;
    }
}

}  // namespace
}  // namespace ordalis
