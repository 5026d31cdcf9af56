#include "core/controlpictures.h"

namespace ordalis {

namespace {

constexpr char16_t kPictureBase = 0x2400;
constexpr char16_t kDelete = 0x7F;
constexpr char16_t kDeletePicture = 0x2421;

bool isCrLfAt(std::u16string_view text, std::size_t i)
{
    return text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n';
}

}  // namespace

std::u16string toControlPictures(std::u16string_view text)
{
    std::u16string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const char16_t c = out[i];
        if (isCrLfAt(out, i))
            ++i;
        else if (c >= 0x01 && c <= 0x1F)
            out[i] = static_cast<char16_t>(kPictureBase + c);
        else if (c == kDelete)
            out[i] = kDeletePicture;
    }
    return out;
}

std::u16string fromControlPictures(std::u16string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\r' || c == u'\n') {
            if (isCrLfAt(text, i))
                ++i;
            out += u"\r\n";
        } else if (c > kPictureBase && c <= kPictureBase + 0x1F) {
            out.push_back(static_cast<char16_t>(c - kPictureBase));
        } else {
            out.push_back(c == kDeletePicture ? kDelete : c);
        }
    }
    return out;
}

}  // namespace ordalis
