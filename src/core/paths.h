// Path and name helpers shared by the file commands.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ordalis {

// Joins a folder and a name with one separator: a folder ending with the
// separator loses that last character first; a name beginning with the
// separator is appended directly. ("C:\\", "a.txt", '\\') -> "C:\\a.txt".
std::string joinPath(std::string_view folder, std::string_view name, char separator);

// Position of the "." that begins the extension of a file name: its last
// ".", unless that is its first character, since a name whose only dot leads
// it has no extension, as on POSIX systems (".bashrc"). npos when the name
// has no extension. "Photo.Vac.JPG" -> 9, ".config.old" -> 7, "name." -> 4
// (an empty extension), ".bashrc" and "README" -> npos.
std::size_t extensionDot(std::string_view name);

// The value of a hexadecimal digit of either case, -1 for any other character.
int hexDigitValue(char c);

// The bytes that a URL's percent-encoded text stands for: each "%" followed
// by two hexadecimal digits (either case) becomes that byte; any other
// character, a lone "%" included, stays itself. "d%C3%A9p%E9" -> "d\xC3\xA9p\xE9".
std::string percentDecoded(std::string_view text);

}  // namespace ordalis
