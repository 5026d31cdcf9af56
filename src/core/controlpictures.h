// Exact texts in the text widgets. A cipher text may hold any code 1 to 255,
// but the widgets turn CR LF and a lone CR into LF and do not show most
// control codes. Shown as their Unicode control pictures, the control codes
// survive the widgets; code page 1252 has no control picture, so for its
// texts the mapping is lossless.
#pragma once

#include <string>
#include <string_view>

namespace ordalis {

// Each control code U+0001..U+001F and U+007F becomes its control picture
// (U+2400 + code; U+2421 for U+007F), except a CR LF pair, which stays a
// line break.
std::u16string toControlPictures(std::u16string_view text);

// Each control picture U+2401..U+241F and U+2421 becomes its control code;
// each line break left as such (CR LF, or a lone LF or CR as the widgets
// give it back) becomes CR LF.
std::u16string fromControlPictures(std::u16string_view text);

}  // namespace ordalis
