// Text files as read by the text tools: any bytes decode, the text encodes
// again in the format it was read with, and that file reads back as the
// same text and format; with the lines as read, it encodes to the very same
// bytes.
#include "check.h"
#include "core/textfile.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ordalis::DecodedText decoded = ordalis::decodeText(bytes);
    FUZZ_CHECK(decoded.text.find(u'\r') == std::u16string::npos);
    std::string saved;
    FUZZ_CHECK(ordalis::encodeText(decoded.text, decoded.format, saved));
    const ordalis::DecodedText again = ordalis::decodeText(saved);
    FUZZ_CHECK(again.text == decoded.text);
    FUZZ_CHECK(again.format.encoding == decoded.format.encoding);
    const ordalis::LineLayout layout(decoded.text, decoded.breaks);
    FUZZ_CHECK(ordalis::encodeText(decoded.text, decoded.format, saved, nullptr, &layout));
    FUZZ_CHECK(saved == bytes);
    return 0;
}
