// Simple Unicode case folding of UTF-16 code units (one unit to one unit),
// so that a folded text keeps every position of the original. Characters
// outside the Basic Multilingual Plane, and surrogates, fold to themselves.
#pragma once

#include <cstdint>

namespace ordalis::casefold {

inline constexpr int kBlockBits = 6;

// Generated tables (casefold_table.cpp): the block of each run of 64 code
// units, and per block the delta that takes each unit to its folding.
extern const std::uint8_t kBlockIndex[0x10000 >> kBlockBits];
extern const std::uint16_t kBlockDeltas[][1 << kBlockBits];

inline char16_t fold(char16_t c)
{
    const std::uint16_t delta = kBlockDeltas[kBlockIndex[c >> kBlockBits]][c & ((1 << kBlockBits) - 1)];
    return static_cast<char16_t>(c + delta);
}

}  // namespace ordalis::casefold
