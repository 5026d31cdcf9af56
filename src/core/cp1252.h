// Windows code page 1252, both ways, for all 256 codes. The five codes that
// the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for
// the control characters of the same number, as Windows has them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ordalis::cp1252 {

// The Unicode character of a code.
char16_t toUnicode(unsigned char code);

// The code of a Unicode character, or nothing when the code page lacks it.
std::optional<unsigned char> fromUnicode(char32_t c);

// One code, one UTF-16 unit: a decoded text has the length of its bytes.
std::u16string decode(std::string_view bytes);

// The first character of a text that the code page lacks.
struct Unencodable {
    std::size_t position = 0;  // its index in the UTF-16 text
    char32_t character = 0;    // a whole character: a surrogate pair counts as one
};

// Encodes a UTF-16 text. Fails at the first character that the code page
// lacks (a lone surrogate included), which is reported in `lacking`; `out`
// is then left empty.
bool encode(std::u16string_view text, std::string& out, Unencodable* lacking = nullptr);

}  // namespace ordalis::cp1252
