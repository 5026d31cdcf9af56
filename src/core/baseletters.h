// What the natural order of names leaves out of a letter at its first
// level: the accents. Covers the precomposed Latin, Greek and Cyrillic
// characters and every combining mark of the Basic Multilingual Plane.
#pragma once

#include <algorithm>
#include <iterator>

namespace ordalis::baseletters {

struct Pair {
    char16_t first;
    char16_t second;
};

// Generated tables (baseletters_table.cpp), sorted: each precomposed
// character with the first character of its canonical decomposition, and
// the ranges (first, last) of the combining marks.
extern const Pair kBases[804];
extern const Pair kMarks[122];

// The character `c` is built on ('e' for 'é', 'Е' for 'Ё'); `c` itself when
// it is not a precomposed character of those scripts.
inline char32_t base(char32_t c)
{
    if (c < 0xC0 || c > 0xFFFF)
        return c;
    const auto* found = std::lower_bound(std::begin(kBases), std::end(kBases), c,
                                         [](const Pair& p, char32_t v) { return p.first < v; });
    return found != std::end(kBases) && found->first == c ? found->second : c;
}

// True for a combining mark (an accent written after its letter).
inline bool isMark(char32_t c)
{
    if (c < 0x300 || c > 0xFFFF)
        return false;
    const auto* after = std::upper_bound(std::begin(kMarks), std::end(kMarks), c,
                                         [](char32_t v, const Pair& p) { return v < p.first; });
    return after != std::begin(kMarks) && c <= std::prev(after)->second;
}

}  // namespace ordalis::baseletters
