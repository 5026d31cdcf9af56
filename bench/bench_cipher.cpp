// Enciphering and deciphering a 10 MB text of random codes 1 to 255 with a
// 16-character key, against a plain loop that adds the key bytes in the same
// run. The verdict is the slower of the two directions, median of rounds.
#include "bench_clock.h"
#include "core/cipher.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

using bench::Clock;
using bench::median;
using bench::milliseconds;
using bench::timed;

constexpr std::size_t kBytes = 10u * 1024 * 1024;
constexpr int kRounds = 7;

std::string randomText(std::size_t size)
{
    std::mt19937 random(1252);
    std::uniform_int_distribution<int> code(1, 255);
    std::string text(size, '\0');
    for (char& c : text)
        c = static_cast<char>(code(random));
    return text;
}

// What the cipher costs at the least: one addition per byte, no wrap rule.
std::string plainAdd(const std::string& text, const std::string& key)
{
    std::string out(text.size(), '\0');
    for (std::size_t i = 0, j = 0; i < text.size(); ++i, j = j + 1 == key.size() ? 0 : j + 1)
        out[i] = static_cast<char>(text[i] + key[j]);
    return out;
}

}  // namespace

int main()
{
    const std::string clear = randomText(kBytes);
    const std::string key = "Cl\xE9 s\xE8" "crete 2001 !";
    std::vector<double> crypt, decrypt, plain;
    std::string cipher, back, added;
    for (int round = 0; round < kRounds; ++round) {
        crypt.push_back(timed([&] { return ordalis::Crypter(clear, key); }, cipher));
        decrypt.push_back(timed([&] { return ordalis::Decrypter(cipher, key); }, back));
        plain.push_back(timed([&] { return plainAdd(clear, key); }, added));
    }
    const bool exact = back == clear;
    std::printf("10 MB, median of %d rounds: Crypter %.1f ms, Decrypter %.1f ms, plain byte loop %.1f ms; "
                "round trip %s\n",
                kRounds, median(crypt), median(decrypt), median(plain), exact ? "exact" : "WRONG");
    std::printf("cipher: %.1f ms per 10 MB (goal < 50 ms)\n", std::max(median(crypt), median(decrypt)));
    return exact ? 0 : 1;
}
