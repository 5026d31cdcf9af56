// Inputs no user types: huge ones, each handled within seconds, and what the fuzz targets found.
#include "core/cipher.h"
#include "core/pattern.h"
#include "core/textfile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace ordalis {
namespace {

using Clock = std::chrono::steady_clock;

TEST(HugeInputs, CipherPatternsAndTextDecoding)
{
    constexpr std::size_t kSize = 10 * 1000 * 1000;  // a 10 MB text under a 10 MB key
    std::string text(kSize, ' '), key(kSize, ' ');
    for (std::size_t i = 0; i < kSize; ++i) {
        text[i] = static_cast<char>(1 + (i * 7919) % 255);
        key[i] = static_cast<char>((i * 104729 + 13) % 256);
    }
    auto start = Clock::now();
    EXPECT_EQ(decipher(encipher(text, key), key), text);
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(5));

    start = Clock::now();  // a matcher that backtracks without bound would take years
    const std::string name(100000, 'a');
    EXPECT_FALSE(matchesPattern(std::string(50, '*') + "a*a*a*a*a*a*a*a*a*a*b", name));
    EXPECT_TRUE(matchesPattern("*a*a*a*a*a*a*a*a*a*a", name));
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(5));

    std::string bytes;
    while (bytes.size() < 20 * 1024 * 1024)
        bytes += "ligne \xc3\xa9t\xc3\xa9\r\n";
    start = Clock::now();
    const DecodedText decoded = decodeText(bytes);
    EXPECT_EQ(decoded.format, (TextFormat{TextEncoding::Utf8, LineEnding::CrLf}));
    EXPECT_EQ(decoded.text.substr(0, 11), u"ligne été\nl");
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(5));
}

// A '*' of the pattern facing a '*' of the name (legal on POSIX) is still a wildcard.
TEST(FuzzFindings, StarOfThePatternFacingAStarOfTheName)
{
    struct Row { const char* pattern; const char* name; bool matches; };
    const Row rows[] = {{"*", "*.x", true}, {"*.txt", "*a.txt", true}, {"*.*", "*", true}, {"a*", "a*b", true},
                        {"*b", "**b", true}, {"*.txt", "*a.doc", false}, {"?*", "*", true}, {"*x", "*", false}};
    for (const Row& row : rows)
        EXPECT_EQ(matchesPattern(row.pattern, row.name), row.matches) << row.pattern << " / " << row.name;
}

}  // namespace
}  // namespace ordalis
