#include "core/cipher.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace ordalis {

namespace {

bool spacesOnly(std::string_view text)
{
    return text.find_first_not_of(' ') == std::string_view::npos;
}

// Both in byte arithmetic: a sum above 255 wraps to sum - 256 and takes
// one more; a difference of 0 or below wraps to difference + 256 and takes
// one less.
unsigned char enciphered(unsigned char clear, unsigned char key)
{
    const auto sum = static_cast<unsigned char>(clear + key);
    return static_cast<unsigned char>(sum + (sum < clear));
}

unsigned char deciphered(unsigned char cipher, unsigned char key)
{
    return static_cast<unsigned char>(cipher - key - (cipher <= key));
}

#if defined(__SSE2__)

// The same on sixteen codes at once. A sum wraps when the clear code is
// above 255 - key; a difference, when the cipher code is at most the key.
__m128i enciphered(__m128i clear, __m128i key)
{
    const __m128i complement = _mm_xor_si128(key, _mm_set1_epi8(-1));
    const __m128i stays = _mm_cmpeq_epi8(_mm_max_epu8(clear, complement), complement);
    return _mm_sub_epi8(_mm_add_epi8(clear, key), _mm_xor_si128(stays, _mm_set1_epi8(-1)));
}

__m128i deciphered(__m128i cipher, __m128i key)
{
    const __m128i wraps = _mm_cmpeq_epi8(_mm_min_epu8(cipher, key), cipher);
    return _mm_add_epi8(_mm_sub_epi8(cipher, key), wraps);
}

#endif

// One block of kBlock codes from `in` against `codes`, into `out`.
constexpr std::size_t kBlock = 256;

template <typename Step>
void block(const unsigned char* in, const unsigned char* codes, unsigned char* out, Step step)
{
#if defined(__SSE2__)
    for (std::size_t b = 0; b < kBlock; b += 16) {
        const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + b));
        const __m128i k = _mm_loadu_si128(reinterpret_cast<const __m128i*>(codes + b));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + b), step(c, k));
    }
#else
    for (std::size_t b = 0; b < kBlock; ++b)
        out[b] = step(in[b], codes[b]);
#endif
}

// Applies `step` to each text code with the key code at the same position.
// The text goes by blocks of kBlock codes, each against the key repeated
// from the right place, so that a block has no wrap of the key.
template <typename Step>
std::string transform(std::string_view text, std::string_view key, Step step)
{
    if (key.empty())
        return {};
    std::string repeated;
    while (repeated.size() < kBlock + key.size())
        repeated += key;
    const auto* in = reinterpret_cast<const unsigned char*>(text.data());
    const auto* codes = reinterpret_cast<const unsigned char*>(repeated.data());
    std::string out(text.size(), '\0');
    auto* o = reinterpret_cast<unsigned char*>(out.data());
    std::size_t i = 0, j = 0;  // j: the key position of text position i
    for (; i + kBlock <= text.size(); i += kBlock, j = (j + kBlock) % key.size())
        block(in + i, codes + j, o + i, step);
    for (std::size_t b = 0; i + b < text.size(); ++b)
        o[i + b] = step(in[i + b], codes[j + b]);
    return out;
}

}  // namespace

std::string encipher(std::string_view text, std::string_view key)
{
    if (spacesOnly(text))
        return {};
    return transform(text, key, [](auto clear, auto code) { return enciphered(clear, code); });
}

std::string decipher(std::string_view text, std::string_view key)
{
    return transform(text, key, [](auto cipher, auto code) { return deciphered(cipher, code); });
}

}  // namespace ordalis
