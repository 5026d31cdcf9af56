// Where the processor compares eight code units at once, the scan looks at
// each position for a unit that may start the word and one that may end it
// (each case of the first and last letters when the case is ignored), the
// text read as it is, at nearly the speed of memory; only a position where
// both agree is compared whole. Otherwise, and for letters with more than
// kMostVariants cases, Boyer-Moore-Horspool over UTF-16 code units, with
// one shift per code unit (a 64 KB table, built for each search); without
// case distinction the table gives every unit the shift of its folding.
#include "core/textfind.h"

#include "core/casefold.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// The units that are `unit` under `fold` (`unit` is already folded).
template <typename Fold>
std::vector<char16_t> variantsOf(char16_t unit, Fold fold)
{
    std::vector<char16_t> variants;
    for (std::size_t u = 0; u < kUnits; ++u) {
        if (fold(static_cast<char16_t>(u)) == unit)
            variants.push_back(static_cast<char16_t>(u));
    }
    return variants;
}

constexpr std::size_t kMostVariants = 4;

#if defined(__SSE2__)

// Which units a scan looks for: those equal to one of `units` once `bits`
// are set in them. Two cases that differ by one bit (as a and A, é and É)
// take one comparison.
struct Units {
    __m128i bits;
    __m128i units[kMostVariants];
    std::size_t count = 0;
};

Units unitsOf(std::vector<char16_t> variants)
{
    char16_t bit = 0;
    if (variants.size() == 2 && std::has_single_bit(static_cast<unsigned>(variants[0] ^ variants[1]))) {
        bit = static_cast<char16_t>(variants[0] ^ variants[1]);
        variants = {static_cast<char16_t>(variants[0] | bit)};
    }
    Units out{_mm_set1_epi16(static_cast<short>(bit)), {}, 0};
    for (const char16_t u : variants)
        if (out.count < kMostVariants)
            out.units[out.count++] = _mm_set1_epi16(static_cast<short>(u));
    return out;
}

// Per unit of `block`, all bits set where it is one of `units`.
__m128i equalsAny(__m128i block, const Units& units)
{
    block = _mm_or_si128(block, units.bits);
    __m128i any = _mm_cmpeq_epi16(block, units.units[0]);
    for (std::size_t i = 1; i < units.count; ++i)
        any = _mm_or_si128(any, _mm_cmpeq_epi16(block, units.units[i]));
    return any;
}

// The first and last units of `word` (already folded) from `firsts` and
// `lasts`, eight positions at a time; the 0-based start or npos.
template <typename Fold>
std::size_t scanPairs(std::u16string_view text, std::u16string_view word, std::size_t start, Fold fold,
                      const std::vector<char16_t>& firsts, const std::vector<char16_t>& lasts)
{
    const Units starting = unitsOf(firsts), ending = unitsOf(lasts);
    const std::size_t last = word.size() - 1;
    std::size_t at = start;
    for (; at + last + 8 <= text.size(); at += 8) {
        const __m128i first = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + at));
        const __m128i final = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + at + last));
        // Two bits for each position where both units may belong to the word.
        auto both = static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(equalsAny(first, starting), equalsAny(final, ending))));
        for (; both != 0; both &= both - 1, both &= both - 1) {
            const std::size_t candidate = at + static_cast<std::size_t>(std::countr_zero(both)) / 2;
            if (matchesAt(text, candidate, word, fold))
                return candidate;
        }
    }
    for (; at + last < text.size(); ++at) {
        if (matchesAt(text, at, word, fold))
            return at;
    }
    return std::u16string_view::npos;
}

#endif

// `word` is already folded; returns the 0-based start or npos.
template <typename Fold>
std::size_t find(std::u16string_view text, std::u16string_view word, std::size_t start, Fold fold)
{
#if defined(__SSE2__)
    const std::vector<char16_t> firsts = variantsOf(word.front(), fold), lasts = variantsOf(word.back(), fold);
    if (firsts.size() <= kMostVariants && lasts.size() <= kMostVariants)
        return scanPairs(text, word, start, fold, firsts, lasts);
#endif
    return search(text, word, start, fold);
}

}  // namespace

std::size_t findText(std::u16string_view text, std::u16string_view word, std::size_t from, CaseMode mode)
{
    const std::size_t start = from == 0 ? 0 : from - 1;
    if (word.empty() || start >= text.size() || text.size() - start < word.size())
        return 0;
    std::size_t found = std::u16string_view::npos;
    if (mode == CaseMode::Exact) {
        found = find(text, word, start, Exact{});
    } else {
        std::u16string folded(word);
        for (char16_t& c : folded)
            c = casefold::fold(c);
        found = find(text, folded, start, Folded{});
    }
    return found == std::u16string_view::npos ? 0 : found + 1;
}

}  // namespace ordalis
