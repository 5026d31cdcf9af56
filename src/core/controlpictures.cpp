#include "core/controlpictures.h"

namespace ordalis {

namespace {

constexpr char16_t kPictureBase = 0x2400;
constexpr char16_t kDelete = 0x7F;
constexpr char16_t kDeletePicture = 0x2421;

}  // namespace

char16_t controlPicture(char16_t c)
{
    if (c < 0x20)
        return static_cast<char16_t>(kPictureBase + c);
    return c == kDelete ? kDeletePicture : c;
}

char16_t controlCodeOf(char16_t c)
{
    if (c >= kPictureBase && c < kPictureBase + 0x20)
        return static_cast<char16_t>(c - kPictureBase);
    return c == kDeletePicture ? kDelete : c;
}

}  // namespace ordalis
