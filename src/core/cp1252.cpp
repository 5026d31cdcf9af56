#include "core/cp1252.h"

#include <array>

namespace ordalis::cp1252 {

namespace {

// Codes 0x80 to 0x9F; the others are their own Unicode character.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// The whole character that starts at `i`.
char32_t characterAt(std::u16string_view text, std::size_t i)
{
    if (isHighSurrogate(text[i]) && i + 1 < text.size() && isLowSurrogate(text[i + 1]))
        return 0x10000 + ((char32_t(text[i]) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00);
    return text[i];
}

}  // namespace

char16_t toUnicode(unsigned char code)
{
    return code >= 0x80 && code <= 0x9F ? kHighControls[code - 0x80] : char16_t(code);
}

std::optional<unsigned char> fromUnicode(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

std::u16string decode(std::string_view bytes)
{
    std::u16string out(bytes.size(), u'\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        out[i] = toUnicode(static_cast<unsigned char>(bytes[i]));
    return out;
}

bool encode(std::u16string_view text, std::string& out, Unencodable* lacking)
{
    out.assign(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = characterAt(text, i);
        const auto code = fromUnicode(c);
        if (!code) {
            out.clear();
            if (lacking)
                *lacking = {i, c};
            return false;
        }
        out[i] = static_cast<char>(*code);
    }
    return true;
}

}  // namespace ordalis::cp1252
