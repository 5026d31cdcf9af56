// The text cipher: a repeating-key additive cipher on code page 1252 codes
// with its own wrap rule (a sum above 255 is reduced by 255, not 256).
// Texts and keys are byte strings of code page 1252 codes, of any length.
#pragma once

#include <string>
#include <string_view>

namespace ordalis {

// The cipher text of `text` under `key`, of the same length as `text`: each
// code is added to the key code at the same position, the key repeating from
// its first character over every character of the text (line breaks
// included); a sum above 255 is reduced by 255, so the result holds codes 1
// to 255 only. Every key character counts, spaces included. A text that is
// empty or made of spaces (code 32) only gives the empty result, and so does
// an empty key.
std::string encipher(std::string_view text, std::string_view key);

// The clear text of `text` under `key`: the key code is subtracted, a
// difference below 0 is raised by 255, and a difference of 0 gives 255.
// Deciphering what encipher gave with the same key gives the clear text back
// exactly for every text of codes 1 to 255 (a clear code 0 comes back as
// 255). Every text is deciphered, one of spaces only included (it may be
// the cipher text of a text that is not); an empty key gives the empty
// result.
std::string decipher(std::string_view text, std::string_view key);

}  // namespace ordalis
