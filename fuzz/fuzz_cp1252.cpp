// Code page 1252: every byte string decodes to one unit per byte and
// encodes back to the same bytes; any UTF-16 text (the input read as
// 16-bit units) encodes or reports a character the code page lacks.
#include "check.h"
#include "core/cp1252.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::u16string text = ordalis::cp1252::decode(bytes);
    FUZZ_CHECK(text.size() == bytes.size());
    std::string back;
    FUZZ_CHECK(ordalis::cp1252::encode(text, back));
    FUZZ_CHECK(back == bytes);

    std::u16string units(size / 2, u'\0');
    std::memcpy(units.data(), data, units.size() * 2);
    std::string out = "x";
    ordalis::cp1252::Unencodable lacking;
    if (ordalis::cp1252::encode(units, out, &lacking)) {
        FUZZ_CHECK(out.size() == units.size());
    } else {
        FUZZ_CHECK(out.empty());
        FUZZ_CHECK(lacking.position < units.size());
    }
    return 0;
}
