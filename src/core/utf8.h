// Minimal UTF-8 helpers for names and texts of the core.
#pragma once

#include <string>
#include <string_view>

namespace ordalis::utf8 {

// Decodes UTF-8; an invalid byte stands for itself (Latin-1), so any byte
// string decodes without loss of position.
std::u32string decode(std::string_view text);
std::string encode(std::u32string_view text);

// Simple lower-case folding for the Latin letters (ASCII, Latin-1, Latin
// Extended-A), enough for file names and French texts.
char32_t foldCase(char32_t c);

}  // namespace ordalis::utf8
