// Interface colours: 24-bit values 0x00BBGGRR (red in the low byte) and
// their text forms in the settings store.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ordalis {

using Colour = std::uint32_t;

// Reads "&H808000" (hexadecimal literal, case-insensitive digits, an
// optional trailing '&') or "8421376" (decimal). Anything else, or a value
// outside 24 bits, gives nothing.
std::optional<Colour> parseColourText(std::string_view text);

// The decimal text written after a pick or a reset ("8421376").
std::string colourToDecimalText(Colour colour);

inline constexpr std::uint8_t red(Colour c) { return c & 0xFF; }
inline constexpr std::uint8_t green(Colour c) { return (c >> 8) & 0xFF; }
inline constexpr std::uint8_t blue(Colour c) { return (c >> 16) & 0xFF; }
inline constexpr Colour rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return Colour(r) | (Colour(g) << 8) | (Colour(b) << 16);
}

}  // namespace ordalis
