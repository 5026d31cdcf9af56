// UTF-8 as the core reads every name and text, by one rule: a character is
// a well-formed sequence (no overlong form, no surrogate, nothing above
// U+10FFFF); any other byte is a unit of its own that shows and matches as
// U+FFFD but keeps its byte, so that a name decodes and encodes back to the
// very same bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ordalis::utf8 {

// The unit of a byte that is not part of a well-formed sequence: a lone low
// surrogate (U+DC80 to U+DCFF), which no well-formed text decodes to.
constexpr char32_t invalidUnit(unsigned char byte)
{
    return 0xDC00 + byte;
}

constexpr bool isInvalid(char32_t unit)
{
    return unit >= 0xDC80 && unit <= 0xDCFF;
}

// Reads the unit that begins at `text[pos]` (pos < text.size()) into `unit`
// and returns its length in bytes: 1 for an invalid byte.
std::size_t decodeAt(std::string_view text, std::size_t pos, char32_t& unit);

std::u32string decode(std::string_view text);

// Appends a unit as UTF-8; an invalid byte's unit as its own byte.
void append(std::string& out, char32_t unit);
std::string encode(std::u32string_view units);

// `bytes` as valid UTF-8: U+FFFD for each invalid byte.
std::string display(std::string_view bytes);

// The Unicode simple case folding of a unit (one character to one, the
// generated table of casefold.h); an invalid byte's unit folds to U+FFFD,
// as it shows.
char32_t fold(char32_t unit);

}  // namespace ordalis::utf8
