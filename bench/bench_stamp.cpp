// Stamping dates on a whole folder tree through the walk, as the window's
// whole-folder command does (counting pass, then per file: both date texts
// read afresh, creation and modification times set), against
// `find DIR -type f -exec touch -m -d ... {} +` on the same tree.
#include "core/datetime.h"
#include "core/platform/platform.h"
#include "core/treewalk.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kTopFolders = 50;
constexpr int kSubfoldersEach = 99;  // 50 + 50 * 99 = 5,000 folders
constexpr int kFilesPerFolder = 20;  // 100,000 files

void makeFiles(const fs::path& folder)
{
    fs::create_directory(folder);
    for (int i = 0; i < kFilesPerFolder; ++i) {
        const std::string name = (folder / ("f" + std::to_string(i) + ".dat")).string();
        const int fd = ::open(name.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
        if (fd >= 0)
            ::close(fd);
    }
}

void makeTree(const fs::path& root)
{
    for (int t = 0; t < kTopFolders; ++t) {
        const fs::path top = root / ("d" + std::to_string(t));
        makeFiles(top);
        for (int s = 0; s < kSubfoldersEach; ++s)
            makeFiles(top / ("s" + std::to_string(s)));
    }
}

double seconds(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

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
    const std::uint64_t counted = ordalis::countFiles(root);
    StampResult result;
    result.progressRange = ordalis::progressRange(counted);
    ordalis::TreeWalk walk(root);
    while (walk.step(std::chrono::milliseconds(10), [&](const std::string& path) {
        const auto creation = creationReader.read(creationDate, creationTime);
        const auto write = writeReader.read(writeDate, writeTime);
        if (!ordalis::platform::setFileTimes(path, creation.value_or(0), write.value_or(0)))
            ++result.stamped;
        result.progress = ordalis::progressValue(walk.filesVisited(), counted);
    })) {
    }
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
    std::string pattern = (fs::temp_directory_path() / "ordalis-bench-stamp-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string root = pattern;
    makeTree(root);
    std::printf("tree: %llu files (counting pass), %d folders\n",
                static_cast<unsigned long long>(ordalis::countFiles(root)),
                kTopFolders * (1 + kSubfoldersEach));

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
    fs::remove_all(root);
    std::printf("walk + stamp: %.3f s, find -exec touch: %.3f s (best of 3)\n", ours, find);
    std::printf("stamp: %.2fx find -exec touch (goal <= 1.0x)\n", ours / find);
    return 0;
}
