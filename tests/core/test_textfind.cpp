#include "core/textfind.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace ordalis {
namespace {

constexpr CaseMode kExact = CaseMode::Exact;
constexpr CaseMode kIgnore = CaseMode::IgnoreCase;

TEST(TextFind, Positions)
{
    struct Row { std::u16string text; std::u16string word; std::size_t from; CaseMode mode; std::size_t found; };
    const Row rows[] = {
        {u"aaa", u"aa", 1, kExact, 1},
        {u"aaaa", u"aa", 3, kExact, 3},
        {u"abc", u"a", 4, kExact, 0},
        {u"\U0001F600 x", u"x", 1, kExact, 4},
        {u"Bonjour LE monde", u"le", 1, kIgnore, 9},
        {u"ete \u00E9t\u00E9", u"\u00C9T\u00C9", 1, kIgnore, 5},  // accents count
        {u"\u03A3\u03BF\u03C6\u03CC\u03C2", u"\u03C3", 1, kIgnore, 1},  // final sigma folds too
        {u"5 \u212A", u"k", 1, kIgnore, 3},                             // Kelvin sign
        {u"stra\u00DFe", u"STRASSE", 1, kIgnore, 0},                      // one to one only
        {u"\u0161\u0061\u0161\u0161\u0061", u"\u0161\u0061", 2, kExact, 4},
    };
    for (const Row& row : rows)
        EXPECT_EQ(findText(row.text, row.word, row.from, row.mode), row.found)
            << "word of " << row.word.size() << " units from " << row.from;
}

// Against a plain scan over texts of a few letters in both cases: a wrong shift steps over a match.
TEST(TextFind, AgreesWithAPlainScan)
{
    const std::u16string alphabet = u"aA\u0161\u0160\u0261b";
    const auto fold = [](char16_t c) { return c == u'A' ? u'a' : c == u'\u0160' ? u'\u0161' : c; };
    std::mt19937 random(4);
    std::uniform_int_distribution<std::size_t> unit(0, alphabet.size() - 1);
    auto draw = [&](std::size_t n) {
        std::u16string s(n, u' ');
        std::generate(s.begin(), s.end(), [&] { return alphabet[unit(random)]; });
        return s;
    };
    auto plainScan = [&](const std::u16string& text, const std::u16string& word, std::size_t from, bool folded) {
        for (std::size_t at = from - 1; at + word.size() <= text.size(); ++at) {
            std::size_t i = 0;
            while (i < word.size() && (folded ? fold(text[at + i]) == fold(word[i]) : text[at + i] == word[i]))
                ++i;
            if (i == word.size())
                return at + 1;
        }
        return std::size_t{0};
    };
    for (int i = 0; i < 3000; ++i) {
        const std::u16string text = draw(random() % 100);
        const std::u16string word = draw(random() % 4 + 1);
        const std::size_t from = random() % 102 + 1;
        ASSERT_EQ(findText(text, word, from, kExact), plainScan(text, word, from, false)) << "case " << i;
        ASSERT_EQ(findText(text, word, from, kIgnore), plainScan(text, word, from, true)) << "case " << i;
    }
}

}  // namespace
}  // namespace ordalis
