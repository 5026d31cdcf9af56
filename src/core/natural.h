// The one order of file names of the program: the file list, and therefore
// the running numbers of a batch rename, follow it on every system whatever
// the locale.
#pragma once

#include <string_view>

namespace ordalis {

// Compares two UTF-8 names in natural order:
// - a run of ASCII digits compares with another run by numeric value, of any
//   length ("fichier_9" < "fichier_10"); against any other character it
//   sorts where the digit '0' would;
// - other characters compare by code point with no case distinction for the
//   Latin letters ("a2" < "A10", "E" < "é");
// - a byte that is not part of valid UTF-8 compares by its own value;
// - a name that is a prefix of the other comes first.
// Names equal by these rules are ordered by the leading zeros of their first
// differing number, fewer first ("x1" < "x01"), then by their bytes
// ("Été" < "été"). Returns <0, 0 or >0; 0 only for identical byte strings.
int naturalCompare(std::string_view a, std::string_view b);

// naturalCompare(a, b) < 0, for the standard sorting algorithms.
bool naturalLess(std::string_view a, std::string_view b);

}  // namespace ordalis
