// What the whole-folder and search benchmarks share: a temporary tree of
// 100,000 empty files in 5,000 folders, removed when done, a clock, the
// whole-folder command's walk as the window drives it, and the name search.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include "core/filesearch.h"
#include "core/fileworkers.h"
#include "core/treewalk.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <iterator>
#include <mutex>
#include <optional>
#include <semaphore>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace bench {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

inline double seconds(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

inline void run(const std::string& command)
{
    if (std::system(command.c_str()) != 0)
        std::fprintf(stderr, "failed: %s\n", command.c_str());
}

// The walk of a whole-folder command without its window: the walk on a
// thread of its own, `prepare` on this thread for each file of the batches
// it hands over (one at a time: the walk waits for each to be taken), the
// operations it gives on the worker threads.
template <class Prepare>
void walkOnWorkers(const std::string& root, Prepare prepare)
{
    ordalis::FileWorkers workers;
    std::binary_semaphore taken(1);
    const std::atomic<bool> stop{false};
    std::mutex mutex;
    std::condition_variable arrived;
    std::optional<std::vector<std::string>> batch;  // empty once the walk is over
    std::thread walker([&] {
        ordalis::walkInBatches(root, workers, taken, stop, [&](std::vector<std::string>&& paths) {
            const std::lock_guard lock(mutex);
            batch = std::move(paths);
            arrived.notify_one();
        });
        const std::lock_guard lock(mutex);
        batch = std::vector<std::string>();
        arrived.notify_one();
    });
    for (std::unique_lock lock(mutex);; batch.reset(), taken.release()) {
        arrived.wait(lock, [&] { return batch.has_value(); });
        if (batch->empty())
            break;
        for (const std::string& path : *batch)
            workers.post(prepare(path));
    }
    walker.join();
    workers.wait();
}

class Tree {
public:
    static constexpr int kTopFolders = 50;
    static constexpr int kSubfoldersEach = 99;  // 50 + 50 * 99 = 5,000 folders
    static constexpr int kFilesPerFolder = 20;  // 100,000 files

    explicit Tree(const char* name)
    {
        std::string pattern = (fs::temp_directory_path() / (std::string(name) + "-XXXXXX")).string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        root_ = pattern;
        for (int t = 0; t < kTopFolders; ++t) {
            const fs::path top = root_ / ("d" + std::to_string(t));
            makeFiles(top);
            for (int s = 0; s < kSubfoldersEach; ++s)
                makeFiles(top / ("s" + std::to_string(s)));
        }
    }
    ~Tree()
    {
        run("chmod -R u+w '" + root_.string() + "'");
        fs::remove_all(root_);
    }
    Tree(const Tree&) = delete;
    Tree& operator=(const Tree&) = delete;

    std::string root() const { return root_.string(); }

private:
    static void makeFiles(const fs::path& folder)
    {
        fs::create_directory(folder);
        for (int i = 0; i < kFilesPerFolder; ++i) {
            const std::string name = (folder / ("f" + std::to_string(i) + ".dat")).string();
            const int fd = ::open(name.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
            if (fd >= 0)
                ::close(fd);
        }
    }

    fs::path root_;
};

// The search benchmarks' tree: three files of every folder's twenty take the extension the search asks
// for: 15,000 matches among 100,000 files.
inline void nameSearchMatches(const std::string& root)
{
    std::vector<std::filesystem::path> chosen;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        const std::string name = entry.path().filename().string();
        if (name == "f0.dat" || name == "f1.dat" || name == "f2.dat")
            chosen.push_back(entry.path());
    }
    for (const auto& path : chosen)
        std::filesystem::rename(path, std::filesystem::path(path).replace_extension(".txt"));
}

// Seconds the search engine takes to list the "*.txt" files of the tree at
// `root`, subfolders included; `rowCount` gets how many it found.
inline double timeNameSearch(const std::string& root, std::size_t& rowCount)
{
    const ordalis::SearchOptions options{root, true, [] { return std::string("*.txt"); }};
    const std::atomic<bool> stop{false};
    std::vector<ordalis::SearchRow> rows;
    const auto start = Clock::now();
    ordalis::searchFiles(options, stop, [&rows](std::vector<ordalis::SearchRow>&& batch) {
        std::move(batch.begin(), batch.end(), std::back_inserter(rows));
    });
    const double elapsed = seconds(Clock::now() - start);
    rowCount = rows.size();
    return elapsed;
}

}  // namespace bench
