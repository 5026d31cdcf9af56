// Huge inputs no user types (what the fuzz targets found is among the pattern tests). Work that grows
// out of bound with the input never ends within the tests' time limit; the
// benchmarks measure the speed.
#include "core/cipher.h"
#include "core/pattern.h"
#include "core/textfile.h"

#include <gtest/gtest.h>

#include <string>

namespace ordalis {
namespace {

TEST(HugeInputs, CipherPatternsAndTextDecoding)
{
    constexpr std::size_t kSize = 10 * 1000 * 1000;  // a 10 MB text under a 10 MB key
    std::string text(kSize, ' '), key(kSize, ' ');
    for (std::size_t i = 0; i < kSize; ++i) {
        text[i] = static_cast<char>(1 + (i * 7919) % 255);
        key[i] = static_cast<char>((i * 104729 + 13) % 256);
    }
    EXPECT_EQ(decipher(encipher(text, key), key), text);

    // A matcher that backtracks without bound would take years.
    const std::string name(100000, 'a');
    EXPECT_FALSE(matchesPattern(std::string(50, '*') + "a*a*a*a*a*a*a*a*a*a*b", name));
    EXPECT_TRUE(matchesPattern("*a*a*a*a*a*a*a*a*a*a", name));

    std::string bytes;
    while (bytes.size() < 20 * 1024 * 1024)
        bytes += "ligne \xc3\xa9t\xc3\xa9\r\n";
    const DecodedText decoded = decodeText(bytes);
    EXPECT_EQ(decoded.format, (TextFormat{TextEncoding::Utf8, LineEnding::CrLf}));
    EXPECT_EQ(decoded.text.substr(0, 11), u"ligne été\nl");
}

}  // namespace
}  // namespace ordalis
