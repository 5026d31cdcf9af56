#include "core/natural.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace ordalis {
namespace {

// `first` sorts strictly before `second`.
struct OrderRow {
    const char* label;
    std::string first;
    std::string second;
};

void PrintTo(const OrderRow& row, std::ostream* out)
{
    *out << row.label;
}

class NaturalOrder : public testing::TestWithParam<OrderRow> {};

TEST_P(NaturalOrder, FirstBeforeSecond)
{
    const OrderRow& row = GetParam();
    EXPECT_LT(naturalCompare(row.first, row.second), 0);
    EXPECT_GT(naturalCompare(row.second, row.first), 0);
    EXPECT_TRUE(naturalLess(row.first, row.second));
    EXPECT_FALSE(naturalLess(row.second, row.first));
}

const OrderRow kRows[] = {
    {"NumberByValue", "fichier_9", "fichier_10"},
    {"NumberBeforeExtension", "fichier_2.txt", "fichier_10.txt"},
    {"CaseIgnoredAroundNumbers", "a2", "A10"},
    {"CaseIgnoredInLetters", "apple", "Banana"},
    {"SharedDigitsThenLongerNumber", "img_129", "img_1234"},
    {"SharedDigitsThenLastDigit", "img_1234", "img_1299"},
    {"SharedZerosOnlyThenValue", "x010", "x0099"},
    {"EqualNumbersThenLetters", "x10a", "x10B"},
    {"ValueBeforeLeadingZeros", "x01", "x2"},
    {"FewerLeadingZerosFirst", "x1", "x01"},
    {"ZeroBeforeDoubleZero", "0", "00"},
    {"FirstDifferingZerosDecide", "a1b01", "a01b1"},
    {"TwentyNinesBeforeTwentyOneDigits", "n99999999999999999999", "n100000000000000000000"},
    {"ThirtyDigitsLastDigit", "n123456789012345678901234567890", "n123456789012345678901234567891"},
    {"LongZeroPaddedSmallValue", "v000000000000000000000000000002", "v3"},
    {"PrefixFirst", "fichier", "fichier_1"},
    {"NumberPrefixFirst", "a1", "a1b"},
    {"DotBeforeDigits", "a.txt", "a1.txt"},
    {"BlankBeforeDigits", "photo 2", "photo2"},
    {"DigitsBeforeUnderscore", "a1", "a_"},
    {"DigitsBeforeLetters", "a9", "aa"},
    {"PlainEBeforeAccentedE", "E", "\xC3\xA9"},                       // E, é
    {"UpperAccentBeforeLower", "\xC3\x89t\xC3\xA9", "\xC3\xA9t\xC3\xA9"},  // Été, été
    {"EqualIgnoringCaseByBytesUpper", "README", "Readme"},
    {"EqualIgnoringCaseByBytesLower", "Readme", "readme"},
    {"InvalidByteByValue", "a\xE0x", "a\xC3\xA9"},    // byte E0 < é (U+E9)
    {"ValidBeforeSameValueByte", "a\xC3\xA9", "a\xE9"},  // é, then the lone byte E9
    {"LoneContinuationBytes", "\x80", "\x81"},
    {"TruncatedSequence", "a\xC3", "a\xC3\xA9"},
    {"OverlongZeroIsNoDigit", "a5", "a\xC0\xB0"},
};

INSTANTIATE_TEST_SUITE_P(Rows, NaturalOrder, testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(NaturalCompare, ZeroOnlyForIdenticalBytes)
{
    for (const char* name : {"", "fichier_10.txt", "x01", "\xC3\xA9t\xC3\xA9", "a\xFF"})
        EXPECT_EQ(naturalCompare(name, name), 0) << name;
}

TEST(NaturalCompare, SortsAFolderAsAUserCounts)
{
    std::vector<std::string> names = {"fichier_100", "Fichier_2", "fichier_10", "fichier_0", "fichier_1",
                                      "fichier_01", "fichier_1000", "fichier_9"};
    std::sort(names.begin(), names.end(), naturalLess);
    EXPECT_EQ(names, (std::vector<std::string>{"fichier_0", "fichier_1", "fichier_01", "Fichier_2", "fichier_9",
                                               "fichier_10", "fichier_100", "fichier_1000"}));
}

// A strict total order over awkward names: antisymmetric, never equal for
// different names, transitive.
TEST(NaturalCompare, TotalOrderOverAwkwardNames)
{
    const std::vector<std::string> names = {
        "", "0", "00", "000", "1", "01", "a", "A", "a0", "a00", "A0", "a1", "a01", "a1b", "a01b", "a_", "a.",
        "a 1", "\xC3\xA9", "\xC3\x89", "E", "e", "\xE9", "\xC9", "\x80", "\xC3", "\xC0\xB0", "x9y", "x09y", "X9Y",
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
