// What the fuzz targets found, kept as plain cases.
#include "core/cipher.h"
#include "core/pattern.h"

#include <gtest/gtest.h>

namespace ordalis {
namespace {

// A '*' of the pattern facing a '*' of the name (legal on POSIX systems) is
// still a wildcard, not a literal that the name happens to match.
TEST(FuzzFindings, StarOfThePatternFacingAStarOfTheName)
{
    struct Row { const char* pattern; const char* name; bool matches; };
    const Row rows[] = {{"*", "*.x", true}, {"*.txt", "*a.txt", true}, {"*.*", "*", true}, {"a*", "a*b", true},
                        {"*b", "**b", true}, {"*.txt", "*a.doc", false}, {"?*", "*", true}, {"*x", "*", false}};
    for (const Row& row : rows)
        EXPECT_EQ(matchesPattern(row.pattern, row.name), row.matches) << row.pattern << " / " << row.name;
}

// A cipher of spaces only deciphers to nothing: "o" (111) under the key
// code 176 gives 287 - 255 = 32.
TEST(FuzzFindings, CipherTextOfSpacesOnlyDeciphersToNothing)
{
    EXPECT_EQ(Crypter("o", "\xB0"), " ");
    EXPECT_EQ(Decrypter(" ", "\xB0"), "");
}

}  // namespace
}  // namespace ordalis
