#include "core/utf8.h"

#include "core/casefold.h"

namespace ordalis::utf8 {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The length of the sequence a lead byte begins and the smallest character
// of that length (a smaller one would be an overlong form); 0 for a byte
// that begins none.
struct Lead {
    std::size_t length;
    char32_t least;
};

Lead leadOf(unsigned char byte)
{
    if ((byte & 0xE0) == 0xC0) return {2, 0x80};
    if ((byte & 0xF0) == 0xE0) return {3, 0x800};
    if ((byte & 0xF8) == 0xF0) return {4, 0x10000};
    return {0, 0};
}

}  // namespace

std::size_t decodeAt(std::string_view text, std::size_t pos, char32_t& unit)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    unit = lead < 0x80 ? lead : invalidUnit(lead);
    const auto [length, least] = leadOf(lead);
    if (length == 0 || text.size() - pos < length)
        return 1;
    char32_t c = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto byte = static_cast<unsigned char>(text[pos + k]);
        if ((byte & 0xC0) != 0x80)
            return 1;
        c = (c << 6) | (byte & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return 1;
    unit = c;
    return length;
}

std::u32string decode(std::string_view text)
{
    std::u32string out;
    out.reserve(text.size());
    char32_t unit = 0;
    for (std::size_t i = 0; i < text.size();) {
        i += decodeAt(text, i, unit);
        out.push_back(unit);
    }
    return out;
}

void append(std::string& out, char32_t c)
{
    if (c < 0x80 || isInvalid(c)) {
        out.push_back(static_cast<char>(c & 0xFF));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::string encode(std::u32string_view units)
{
    std::string out;
    out.reserve(units.size());
    for (char32_t unit : units)
        append(out, unit);
    return out;
}

std::string display(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    char32_t unit = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = decodeAt(bytes, i, unit);
        if (isInvalid(unit))
            append(out, kReplacement);
        else
            out.append(bytes.substr(i, length));
        i += length;
    }
    return out;
}

char32_t fold(char32_t unit)
{
    if (isInvalid(unit))
        return kReplacement;
    return unit <= 0xFFFF ? casefold::fold(static_cast<char16_t>(unit)) : unit;
}

}  // namespace ordalis::utf8
