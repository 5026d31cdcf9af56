// Stamping dates on a whole folder tree through the walk, as the window's
// whole-folder command does (counting pass, then per file: both date texts
// read afresh, and creation and modification times set on the worker
// threads), against
// `find DIR -type f -exec touch -m -d ... {} +` on the same tree.
#include "bench_tree.h"
#include "core/datetime.h"
#include "core/platform/platform.h"
#include "core/treewalk.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

using bench::Clock;
using bench::seconds;

struct StampResult {
    std::uint64_t stamped = 0;
    int progress = 0;       // last position of the progress bar
    int progressRange = 0;
};

// The whole-folder command without its window, with the creation date of
// the given round (each round really rewrites every stored creation time).
StampResult stampTree(const std::string& root, int round)
{
    const std::string creationDate = std::to_string(14 + round) + "/08/01";
    const std::string creationTime = "05:12:24";
    const std::string writeDate = "14/08/2001", writeTime = "05:12:24";
    ordalis::DateTextReader creationReader, writeReader;
    std::vector<std::string> countedPaths;  // the window lists them
    const std::uint64_t counted = ordalis::countFiles(root, &countedPaths);
    StampResult result;
    result.progressRange = ordalis::progressRange(counted);
    std::atomic<std::uint64_t> stamped{0};
    std::uint64_t visited = 0;
    bench::walkOnWorkers(root, [&](const std::string& path) -> ordalis::FileWorkers::Job {
        const auto creation = creationReader.read(creationDate, creationTime).value_or(0);
        const auto write = writeReader.read(writeDate, writeTime).value_or(0);
        result.progress = ordalis::progressValue(++visited, counted);
        return [&stamped, path, creation, write] {
            if (!ordalis::platform::setFileTimes(path, creation, write))
                ++stamped;
        };
    });
    result.stamped = stamped;
    return result;
}

double timeFind(const std::string& root)
{
    const std::string command =
        "find '" + root + "' -type f -exec touch -m -d '2001-08-14 05:12:24' {} +";
    const auto start = Clock::now();
    if (std::system(command.c_str()) != 0)
        std::fprintf(stderr, "find -exec touch failed\n");
    return seconds(Clock::now() - start);
}

}  // namespace

int main()
{
    const bench::Tree tree("ordalis-bench-stamp");
    const std::string root = tree.root();
    std::printf("tree: %llu files (counting pass)\n", static_cast<unsigned long long>(ordalis::countFiles(root)));

    double ours = 1e9, find = 1e9;
    for (int round = 0; round < 3; ++round) {
        find = std::min(find, timeFind(root));
        const auto start = Clock::now();
        const StampResult result = stampTree(root, round);
        ours = std::min(ours, seconds(Clock::now() - start));
        std::printf("round %d: stamped %llu files, progress %d of %d\n", round + 1,
                    static_cast<unsigned long long>(result.stamped), result.progress,
                    result.progressRange);
    }
    std::printf("walk + stamp: %.3f s, find -exec touch: %.3f s (best of 3)\n", ours, find);
    std::printf("stamp: %.2fx find -exec touch (goal <= 1.0x)\n", ours / find);
    return 0;
}
