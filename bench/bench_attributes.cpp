// Setting the read-only attribute (value 1) on every file of a tree of
// 100,000 files in 5,050 folders through a recursive walk over
// platform::listDirectory and platform::setAttributes, against
// `chmod -R a-w` on the same tree in the same run. Ours also writes the
// stored DOS record of each file. Before each timed pass the tree is made
// writable again and the records are removed, so every pass does the full
// work; the verdict compares the best times of five rounds.
#include "core/platform/platform.h"

#include <sys/xattr.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kTopFolders = 50;
constexpr int kSubFolders = 100;  // in each top folder
constexpr int kFilesPerFolder = 20;
constexpr int kRounds = 5;

void makeTree(const fs::path& root)
{
    for (int t = 0; t < kTopFolders; ++t) {
        const fs::path top = root / ("dossier" + std::to_string(t));
        fs::create_directory(top);
        for (int s = 0; s < kSubFolders; ++s) {
            const fs::path sub = top / ("sous" + std::to_string(s));
            fs::create_directory(sub);
            for (int f = 0; f < kFilesPerFolder; ++f) {
                const std::string file = (sub / ("f" + std::to_string(f) + ".txt")).string();
                const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
                if (fd >= 0)
                    ::close(fd);
            }
        }
    }
}

// Calls `onFile` for every file under `dir`, links excluded.
void walk(const std::string& dir, const std::function<void(const std::string&)>& onFile)
{
    std::vector<ordalis::platform::DirEntry> entries;
    if (ordalis::platform::listDirectory(dir, entries))
        return;
    for (const auto& entry : entries) {
        const std::string path = dir + "/" + entry.name;
        if (entry.isSymlink)
            continue;
        if (entry.isDirectory)
            walk(path, onFile);
        else
            onFile(path);
    }
}

void run(const std::string& command)
{
    if (std::system(command.c_str()) != 0)
        std::fprintf(stderr, "failed: %s\n", command.c_str());
}

// Writable again, no stored records.
void reset(const fs::path& root)
{
    run("chmod -R u+w '" + root.string() + "'");
    walk(root.string(), [](const std::string& path) { ::removexattr(path.c_str(), "user.DOSATTRIB"); });
}

double seconds(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

double timeOurs(const fs::path& root, std::size_t& failures)
{
    failures = 0;
    const auto start = Clock::now();
    walk(root.string(), [&](const std::string& path) {
        failures += ordalis::platform::setAttributes(path, 1) ? 1 : 0;
    });
    return seconds(Clock::now() - start);
}

double timeChmod(const fs::path& root)
{
    const auto start = Clock::now();
    run("chmod -R a-w '" + root.string() + "'");
    return seconds(Clock::now() - start);
}

}  // namespace

int main()
{
    std::string pattern = (fs::temp_directory_path() / "ordalis-bench-attr-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path root = pattern;
    makeTree(root);
    std::printf("tree: %d files in %d folders under %s\n",
                kTopFolders * kSubFolders * kFilesPerFolder, kTopFolders * (kSubFolders + 1),
                root.string().c_str());

    double bestOurs = 1e9;
    double bestChmod = 1e9;
    for (int round = 1; round <= kRounds; ++round) {
        reset(root);
        std::size_t failures = 0;
        const double ours = timeOurs(root, failures);
        reset(root);
        const double chmod = timeChmod(root);
        std::printf("round %d: setAttributes %.3f s (%zu failures), chmod -R %.3f s\n", round,
                    ours, failures, chmod);
        bestOurs = std::min(bestOurs, ours);
        bestChmod = std::min(bestChmod, chmod);
    }
    run("chmod -R u+w '" + root.string() + "'");
    fs::remove_all(root);
    std::printf("best: setAttributes %.3f s, chmod -R %.3f s\n", bestOurs, bestChmod);
    std::printf("attributes: %.2fx chmod -R (goal <= 2.0x)\n", bestOurs / bestChmod);
    return 0;
}
