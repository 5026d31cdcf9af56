// Natural sort of 200,000 file names like "fichier_123456.txt", the largest
// folders the file list shows, against a plain byte-order std::sort of the
// same names in the same run. Each round sorts a fresh copy of the same
// shuffled list with each method; the verdict compares the median times.
// Both the elapsed time and the process's processor time are shown: on a
// machine shared with other work the elapsed time also counts theirs.
#include "core/natural.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kNames = 200000;
constexpr int kRounds = 5;
constexpr double kGoalMilliseconds = 300.0;

// Mostly "fichier_<number>.txt" with numbers of one to six digits, some
// capitalised or with another extension, in random order.
std::vector<std::string> makeNames()
{
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> number(0, 999999);
    std::uniform_int_distribution<int> kind(0, 9);
    std::vector<std::string> names;
    names.reserve(kNames);
    for (int i = 0; i < kNames; ++i) {
        const int k = kind(random);
        const char* stem = k == 0 ? "Fichier_" : k == 1 ? "IMG_" : "fichier_";
        const char* extension = k == 2 ? ".JPG" : ".txt";
        names.push_back(stem + std::to_string(number(random)) + extension);
    }
    return names;
}

double milliseconds(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Timing {
    double elapsed = 0;    // ms
    double processor = 0;  // ms
};

template <typename Less>
Timing timeSort(std::vector<std::string> names, Less less)
{
    const auto start = Clock::now();
    const std::clock_t startProcessor = std::clock();
    std::sort(names.begin(), names.end(), less);
    const double processor = 1000.0 * static_cast<double>(std::clock() - startProcessor) / CLOCKS_PER_SEC;
    return {milliseconds(Clock::now() - start), processor};
}

}  // namespace

int main()
{
    const std::vector<std::string> names = makeNames();
    std::vector<double> natural, naturalProcessor, plain, plainProcessor;
    for (int round = 0; round < kRounds; ++round) {
        const Timing ours = timeSort(names, [](const std::string& a, const std::string& b) {
            return ordalis::naturalLess(a, b);
        });
        const Timing bytes = timeSort(names, std::less<std::string>());
        natural.push_back(ours.elapsed);
        naturalProcessor.push_back(ours.processor);
        plain.push_back(bytes.elapsed);
        plainProcessor.push_back(bytes.processor);
        std::printf("round %d: natural %.1f ms (processor %.1f ms), byte order %.1f ms (processor %.1f ms)\n",
                    round + 1, ours.elapsed, ours.processor, bytes.elapsed, bytes.processor);
    }
    const double naturalMedian = median(natural);
    const double plainMedian = median(plain);
    std::printf("%d names, median of %d rounds: natural %.1f ms, byte order %.1f ms\n", kNames, kRounds,
                naturalMedian, plainMedian);
    std::printf("natural sort: %.1f ms elapsed, %.1f ms processor (goal < %.0f ms), %.2fx byte-order std::sort\n",
                naturalMedian, median(naturalProcessor), kGoalMilliseconds,
                median(naturalProcessor) / median(plainProcessor));
    return 0;
}
