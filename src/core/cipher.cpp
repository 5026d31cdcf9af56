#include "core/cipher.h"

namespace ordalis {

namespace {

bool spacesOnly(std::string_view text)
{
    return text.find_first_not_of(' ') == std::string_view::npos;
}

unsigned enciphered(unsigned clear, unsigned key)
{
    const unsigned sum = clear + key;
    return sum > 255 ? sum - 255 : sum;
}

unsigned deciphered(unsigned cipher, unsigned key)
{
    const int difference = int(cipher) - int(key);
    return difference > 0 ? unsigned(difference) : unsigned(difference + 255);
}

// Applies `step` to each text code with the key code at the same position.
template <typename Step>
std::string transform(std::string_view text, std::string_view key, Step step)
{
    if (key.empty())
        return {};
    std::string out(text.size(), '\0');
    std::size_t j = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        out[i] = static_cast<char>(step(static_cast<unsigned char>(text[i]), static_cast<unsigned char>(key[j])));
        if (++j == key.size())
            j = 0;
    }
    return out;
}

}  // namespace

std::string Crypter(std::string_view text, std::string_view key)
{
    if (spacesOnly(text))
        return {};
    return transform(text, key, enciphered);
}

std::string Decrypter(std::string_view text, std::string_view key)
{
    return transform(text, key, deciphered);
}

}  // namespace ordalis
