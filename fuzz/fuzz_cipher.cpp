// The cipher: the first byte gives the share of the input that is the key,
// the rest is the text, with code 0 read as 1 (texts hold codes 1 to 255).
// Deciphering what was enciphered gives the text back, even from a cipher
// text of spaces only (the text "o" under the key "\xB0"), and the cipher
// text holds codes 1 to 255 only.
#include "check.h"
#include "core/cipher.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t keyLength = (size - 1) * data[0] / 255;
    const std::string key(reinterpret_cast<const char*>(data + 1), keyLength);
    std::string text(reinterpret_cast<const char*>(data + 1 + keyLength), size - 1 - keyLength);
    for (char& c : text)
        if (c == '\0')
            c = 1;
    const std::string cipher = ordalis::encipher(text, key);
    if (key.empty() || text.find_first_not_of(' ') == std::string::npos) {
        FUZZ_CHECK(cipher.empty());
        return 0;
    }
    FUZZ_CHECK(cipher.size() == text.size());
    FUZZ_CHECK(cipher.find('\0') == std::string::npos);
    FUZZ_CHECK(ordalis::decipher(cipher, key) == text);
    return 0;
}
