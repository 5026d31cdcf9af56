// Enciphering and deciphering a 10 MB text of random codes 1 to 255 with a
// 16-character key, against a memory-bound pass over the same bytes in the
// same run: a 256-entry byte translation, the least a byte-for-byte cipher
// costs. The machine's load moves both alike, so the verdict is their
// ratio: the slower direction over the translation, medians of rounds.
#include "bench_clock.h"
#include "core/cipher.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

using bench::median;
using bench::timed;

constexpr std::size_t kBytes = 10u * 1024 * 1024;
constexpr int kRounds = 9;

std::string randomText(std::size_t size)
{
    std::mt19937 random(1252);
    std::uniform_int_distribution<int> code(1, 255);
    std::string text(size, '\0');
    for (char& c : text)
        c = static_cast<char>(code(random));
    return text;
}

std::string translated(const std::string& text, const std::array<unsigned char, 256>& table)
{
    std::string out(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        out[i] = static_cast<char>(table[static_cast<unsigned char>(text[i])]);
    return out;
}

}  // namespace

int main()
{
    const std::string clear = randomText(kBytes);
    const std::string key = "Cl\xE9 s\xE8" "crete 2001 !";
    std::array<unsigned char, 256> table{};
    for (std::size_t c = 0; c < table.size(); ++c)
        table[c] = static_cast<unsigned char>(255 - c);
    std::vector<double> crypt, decrypt, translation;
    std::string cipher, back, other;
    for (int round = 0; round < kRounds; ++round) {
        crypt.push_back(timed([&] { return ordalis::encipher(clear, key); }, cipher));
        decrypt.push_back(timed([&] { return ordalis::decipher(cipher, key); }, back));
        translation.push_back(timed([&] { return translated(clear, table); }, other));
    }
    const bool exact = back == clear;
    const double ratio = std::max(median(crypt), median(decrypt)) / median(translation);
    std::printf("10 MB, median of %d rounds: encipher %.1f ms, decipher %.1f ms, 256-entry byte translation "
                "%.1f ms; round trip %s\n",
                kRounds, median(crypt), median(decrypt), median(translation), exact ? "exact" : "WRONG");
    std::printf("cipher: %.2f x a byte translation of the same 10 MB (goal <= 4 x)\n", ratio);
    return exact ? 0 : 1;
}
