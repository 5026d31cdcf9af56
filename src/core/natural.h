// The one order of file names of the program: the file list, and therefore
// the running numbers of a batch rename, follow it on every system whatever
// the locale.
#pragma once

#include <string_view>

namespace ordalis {

// Compares two UTF-8 names in natural order, the same under every locale:
// - a run of ASCII digits compares with another run by numeric value, of any
//   length ("fichier_9" < "fichier_10"); against any other character it
//   sorts where the digit '0' would;
// - letters compare first without case and without accents: a precomposed
//   Latin, Greek or Cyrillic letter as the letter of its canonical
//   decomposition, combining marks left out ("ecole" < "école" < "ecoles",
//   "écho" < "zèbre"); other characters by code point;
// - a byte that is not part of well-formed UTF-8 (utf8.h) compares as the
//   U+FFFD it shows as, and at the case level by its own value, before a
//   real U+FFFD;
// - a name that is a prefix of the other comes first.
// Names equal so far are ordered by their accents (case-folded code points,
// "ecole" < "école"), then by case (code points as written, capitals first:
// "Ecole" < "ecole"), then by the leading zeros of their first differing
// number, fewer first ("x1" < "x01"), then by their bytes. Returns <0, 0 or
// >0; 0 only for identical byte strings.
int naturalCompare(std::string_view a, std::string_view b);

// naturalCompare(a, b) < 0, for the standard sorting algorithms.
bool naturalLess(std::string_view a, std::string_view b);

}  // namespace ordalis
