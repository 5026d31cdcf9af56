#include "core/natural.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ordalis {
namespace {

// Digit runs compare by value at any length; letters without case and accents, then accents, then case, then bytes.
TEST(NaturalOrder, FirstBeforeSecond)
{
    struct Row { const char* label; std::string first, second; };
    const Row rows[] = {
        {"NumberByValue", "fichier_9", "fichier_10"},
        {"NameBeforeTheLongerNamesItBegins", "abc", "abcd"},
        {"SharedDigitsThenLongerNumber", "img_129", "img_1234"},
        {"ValueBeforeLeadingZeros", "x01", "x2"},
        {"FirstDifferingZerosDecide", "a1b01", "a01b1"},
        {"TwentyNinesBeforeTwentyOneDigits", "n99999999999999999999", "n100000000000000000000"},
        {"DotBeforeDigits", "a.txt", "a1.txt"},
        {"DigitsBeforeLetters", "a9", "aa"},
        {"AccentedAmongPlain", "\xC3\xA9" "cho.bin", "z\xC3\xA8" "bre.bin"},   // écho, zèbre
        {"AccentedCapitalAmongPlain", "\xC3\x89t\xC3\xA9", "f"},            // Été
        {"LetterBeforeAccent", "\xC3\xA9" "a", "eb"},                      // éa
        {"PlainBeforeAccented", "ecole", "\xC3\xA9" "cole"},
        {"AccentsBeforeCase", "ecole", "Ecol\xC3\xA9"},
        {"CapitalsFirst", "Ecole", "ecole"},
        {"WholeCharacterAfterSharedLeadByte", "a\xC3\xA9" "a", "a\xC3\x89" "b"},  // aéa, aÉb: é and É share 0xC3
        {"AccentsBeforeZeros", "e01", "\xC3\xA9" "1"},
        {"CombiningMarkLeftOut", "e\xCC\x81" "a", "eb"},                   // e + U+0301
        {"GreekTonosLeftOut", "\xCE\xAC\xCE\xB2", "\xCE\xB1\xCE\xB3"},        // άβ, αγ
        {"GreekWithoutCase", "\xCE\xB2", "\xCE\x93"},                         // β, Γ
        {"CyrillicYoAsYe", "\xD1\x91\xD0\xB0", "\xD0\xB5\xD0\xB1"},          // ёа, еб
        {"EqualIgnoringCaseByBytes", "README", "Readme"},
        {"InvalidByteAfterLetters", "az", "a\xE0"},
        {"ValidBeforeSameValueByte", "a\xC3\xA9", "a\xE9"},  // é, then the lone byte E9
        {"OverlongZeroIsNoDigit", "a5", "a\xC0\xB0"},
    };
    for (const Row& row : rows) {
        EXPECT_LT(naturalCompare(row.first, row.second), 0) << row.label;
        EXPECT_TRUE(naturalLess(row.first, row.second) && !naturalLess(row.second, row.first)) << row.label;
    }
}

// A strict total order over awkward names: antisymmetric, zero for identical names only, transitive.
TEST(NaturalOrder, TotalOrderOverAwkwardNames)
{
    const std::vector<std::string> names = {
        "", "0", "00", "01", "a", "A", "a0", "a00", "A0", "a1", "a01", "a1b", "a01b", "a.", "a 1",
        "\xC3\xA9", "\xC3\x89", "E", "e", "\xE9", "e\xCC\x81", "E\xCC\x81", "\xC3\xA9" "1", "e01", "ea",
        "\xC3\xA9" "b", "\xCC\x81", "\xCE\xAC", "\xCE\x86", "\xCE\xB1", "\x80", "\xC3", "\xC0\xB0", "x9y", "x09y", "X9Y",
        "99999999999999999999999", "099999999999999999999999"};
    auto sign = [](int v) { return (v > 0) - (v < 0); };
    for (const auto& a : names) {
        for (const auto& b : names) {
            const int ab = sign(naturalCompare(a, b));
            EXPECT_EQ(ab, -sign(naturalCompare(b, a))) << a << " / " << b;
            EXPECT_EQ(ab == 0, a == b) << a << " / " << b;
            for (const auto& c : names) {
                if (ab < 0 && naturalCompare(b, c) < 0) {
                    EXPECT_LT(naturalCompare(a, c), 0) << a << " / " << b << " / " << c;
                }
            }
        }
    }
}

}  // namespace
}  // namespace ordalis
