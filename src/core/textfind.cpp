// Boyer-Moore-Horspool over UTF-16 code units, with one shift per code unit
// (a 64 KB table, built for each search). Without case distinction, the
// table gives every unit the shift of its folding, so the scan reads the
// text as it is and folds only to confirm a possible match. The units that
// may end a match have the shift 0, which keeps the scan loop to one test.
#include "core/textfind.h"

#include "core/casefold.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace ordalis {

namespace {

constexpr std::size_t kUnits = 0x10000;
constexpr std::size_t kLongestShift = 255;

struct Exact {
    char16_t operator()(char16_t c) const { return c; }
};

struct Folded {
    char16_t operator()(char16_t c) const { return casefold::fold(c); }
};

// Shifts of the word's own units: the distance from their last place
// before the end to the end, 0 for the last unit.
std::vector<std::uint8_t> shiftsOf(std::u16string_view word)
{
    std::vector<std::uint8_t> shifts(kUnits, static_cast<std::uint8_t>(std::min(word.size(), kLongestShift)));
    for (std::size_t i = 0; i + 1 < word.size(); ++i)
        shifts[word[i]] = static_cast<std::uint8_t>(std::min(word.size() - 1 - i, kLongestShift));
    shifts[word.back()] = 0;
    return shifts;
}

std::vector<std::uint8_t> shiftsFor(std::u16string_view word, Exact)
{
    return shiftsOf(word);
}

// `word` is folded; each unit takes the shift of its folding.
std::vector<std::uint8_t> shiftsFor(std::u16string_view word, Folded fold)
{
    std::vector<std::uint8_t> shifts = shiftsOf(word);
    for (std::size_t unit = 0; unit < kUnits; ++unit)
        shifts[unit] = shifts[fold(static_cast<char16_t>(unit))];
    return shifts;
}

// How far to go on after a mismatch that ended on the word's last unit.
std::size_t shiftAfterMismatch(std::u16string_view word)
{
    const std::size_t before = word.substr(0, word.size() - 1).rfind(word.back());
    return before == std::u16string_view::npos ? word.size() : word.size() - 1 - before;
}

template <typename Fold>
bool matchesAt(std::u16string_view text, std::size_t at, std::u16string_view word, Fold fold)
{
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (fold(text[at + i]) != word[i])
            return false;
    }
    return true;
}

// `word` is already folded; returns the 0-based start or npos.
template <typename Fold>
std::size_t search(std::u16string_view text, std::u16string_view word, std::size_t start, Fold fold)
{
    const std::vector<std::uint8_t> shifts = shiftsFor(word, fold);
    const std::size_t afterMismatch = shiftAfterMismatch(word);
    const std::size_t last = word.size() - 1;
    for (std::size_t at = start; at + last < text.size();) {
        const std::uint8_t shift = shifts[text[at + last]];
        if (shift != 0) {
            at += shift;
            continue;
        }
        if (matchesAt(text, at, word, fold))
            return at;
        at += afterMismatch;
    }
    return std::u16string_view::npos;
}

}  // namespace

std::size_t findText(std::u16string_view text, std::u16string_view word, std::size_t from, CaseMode mode)
{
    const std::size_t start = from == 0 ? 0 : from - 1;
    if (word.empty() || start >= text.size() || text.size() - start < word.size())
        return 0;
    std::size_t found = std::u16string_view::npos;
    if (mode == CaseMode::Exact) {
        found = search(text, word, start, Exact{});
    } else {
        std::u16string folded(word);
        for (char16_t& c : folded)
            c = casefold::fold(c);
        found = search(text, folded, start, Folded{});
    }
    return found == std::u16string_view::npos ? 0 : found + 1;
}

std::size_t longestUnbrokenRun(std::u16string_view text)
{
    std::size_t longest = 0;
    std::size_t run = 0;
    for (const char16_t c : text) {
        const bool breaks = c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == 0x2028 || c == 0x2029;
        run = breaks ? 0 : run + 1;
        longest = std::max(longest, run);
    }
    return longest;
}

}  // namespace ordalis
