// The core's UTF-8 reader: any bytes decode, one unit a character or an
// invalid byte, and encode back to the same bytes; their display is valid
// UTF-8 with as many characters; folding keeps a character a character.
#include "check.h"
#include "core/utf8.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace {

bool isCharacter(char32_t c)
{
    return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace ordalis;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::u32string units = utf8::decode(bytes);
    FUZZ_CHECK(units.size() <= bytes.size());
    FUZZ_CHECK(utf8::encode(units) == bytes);
    for (const char32_t unit : units) {
        FUZZ_CHECK(isCharacter(unit) || utf8::isInvalid(unit));
        FUZZ_CHECK(isCharacter(utf8::fold(unit)));
    }
    const std::u32string shown = utf8::decode(utf8::display(bytes));
    FUZZ_CHECK(shown.size() == units.size());
    for (std::size_t i = 0; i < shown.size(); ++i)
        FUZZ_CHECK(utf8::isInvalid(units[i]) ? shown[i] == 0xFFFD : shown[i] == units[i]);
    return 0;
}
