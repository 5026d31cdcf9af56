#include "core/naming.h"

#include "core/utf8.h"

#include <array>
#include <cstddef>

namespace ordalis {

namespace {

constexpr std::size_t kMaxUnits = 255;

bool isForbiddenByte(unsigned char c)
{
    if (c < 32)
        return true;
    switch (c) {
    case '\\': case '/': case ':': case '*': case '?':
    case '"': case '<': case '>': case '|':
        return true;
    default:
        return false;
    }
}

// Length in UTF-16 units: a character outside the basic plane counts two,
// any other character and each invalid byte one.
std::size_t utf16Units(std::string_view name)
{
    std::size_t units = 0;
    char32_t c = 0;
    for (std::size_t i = 0; i < name.size();) {
        i += utf8::decodeAt(name, i, c);
        units += c >= 0x10000 ? 2 : 1;
    }
    return units;
}

bool equalsAsciiNoCase(std::string_view text, std::string_view upper)
{
    if (text.size() != upper.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (c != upper[i])
            return false;
    }
    return true;
}

// A digit allowed after COM and LPT: 1 to 9, or superscript 1, 2 or 3.
bool isDeviceDigit(std::string_view text)
{
    if (text.size() == 1)
        return text[0] >= '1' && text[0] <= '9';
    return text == "\u00B9" || text == "\u00B2" || text == "\u00B3";
}

// The device check looks at the part before the first dot, trailing spaces
// dropped ("CON .txt" is still the console).
bool isDeviceName(std::string_view name)
{
    std::string_view stem = name.substr(0, name.find('.'));
    while (!stem.empty() && stem.back() == ' ')
        stem.remove_suffix(1);
    static constexpr std::array<std::string_view, 4> plain = {"CON", "PRN", "AUX", "NUL"};
    for (std::string_view device : plain) {
        if (equalsAsciiNoCase(stem, device))
            return true;
    }
    if (stem.size() < 4)
        return false;
    const std::string_view prefix = stem.substr(0, 3);
    return (equalsAsciiNoCase(prefix, "COM") || equalsAsciiNoCase(prefix, "LPT"))
        && isDeviceDigit(stem.substr(3));
}

}  // namespace

bool isValidWindowsName(std::string_view name)
{
    if (name.empty() || name.back() == '.' || name.back() == ' ')
        return false;
    for (char c : name) {
        if (isForbiddenByte(static_cast<unsigned char>(c)))
            return false;
    }
    return utf16Units(name) <= kMaxUnits && !isDeviceName(name);
}

}  // namespace ordalis
