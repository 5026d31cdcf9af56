#include "core/colour.h"

#include <charconv>

namespace ordalis {

std::optional<Colour> parseColourText(std::string_view text)
{
    int base = 10;
    if (text.size() > 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h')) {
        text.remove_prefix(2);
        if (text.ends_with('&'))
            text.remove_suffix(1);
        base = 16;
    }
    if (text.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    const auto [end, err] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (err != std::errc{} || end != text.data() + text.size() || value > 0xFFFFFF)
        return std::nullopt;
    return static_cast<Colour>(value);
}

std::string colourToDecimalText(Colour colour)
{
    return std::to_string(colour);
}

}  // namespace ordalis
