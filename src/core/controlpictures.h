// The control pictures that stand for control codes on screen. Code page
// 1252 has no control picture, so for its texts a picture shown is never
// one of the text's own characters.
#pragma once

namespace ordalis {

// The control picture of a control code U+0000..U+001F (U+2400 + code) or
// U+007F (U+2421); any other character stays itself.
char16_t controlPicture(char16_t c);

// The control code that the picture `c` stands for; any character that is
// no control picture of those codes stays itself.
char16_t controlCodeOf(char16_t c);

}  // namespace ordalis
