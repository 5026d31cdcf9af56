#include "core/treewalk.h"

#include "core/paths.h"

#include <algorithm>
#include <climits>

namespace ordalis {

std::uint64_t countFiles(const std::string& root, std::vector<std::string>* paths,
                         const std::atomic<bool>* cancel)
{
    const char sep = platform::separator();
    std::uint64_t count = 0;
    std::vector<std::string> pending{root};  // next folder to list last
    std::vector<platform::DirEntry> entries;
    while (!pending.empty()) {
        if (cancel && cancel->load(std::memory_order_relaxed))
            break;
        const std::string folder = std::move(pending.back());
        pending.pop_back();
        // A listing that fails leaves `entries` empty or with what was read.
        platform::listDirectory(folder, entries);
        const auto firstSubfolder = pending.size();
        for (const auto& entry : entries) {
            if (entry.isSymlink || entry.isSpecial || entry.name.starts_with('.'))
                continue;
            if (entry.isDirectory) {
                pending.push_back(joinPath(folder, entry.name, sep));
            } else {
                ++count;
                if (paths)
                    paths->push_back(joinPath(folder, entry.name, sep));
            }
        }
        // Subfolders are taken in listing order, so the first one goes last.
        std::reverse(pending.begin() + static_cast<std::ptrdiff_t>(firstSubfolder), pending.end());
    }
    return count;
}

TreeWalk::TreeWalk(std::string root)
{
    folders_.emplace_back(std::move(root));
}

bool TreeWalk::step(std::chrono::milliseconds budget,
                    const std::function<void(const std::string& path)>& onFile)
{
    const auto deadline = std::chrono::steady_clock::now() + budget;
    do {
        if (finished())
            return false;
        advance(onFile);
    } while (std::chrono::steady_clock::now() < deadline);
    return !finished();
}

void TreeWalk::stop()
{
    folders_.clear();
}

void TreeWalk::advance(const std::function<void(const std::string& path)>& onFile)
{
    Folder& folder = folders_.back();
    if (!folder.listed) {
        // A listing that fails leaves `entries` empty or with what was read.
        platform::listDirectory(folder.path, folder.entries);
        folder.listed = true;
        return;
    }
    if (folder.next == folder.entries.size()) {
        if (folder.filesDone) {
            folders_.pop_back();
        } else {
            folder.filesDone = true;
            folder.next = 0;
        }
        return;
    }
    const platform::DirEntry& entry = folder.entries[folder.next++];
    if (entry.isSymlink || entry.isSpecial || entry.isDirectory != folder.filesDone)
        return;
    std::string path = joinPath(folder.path, entry.name, platform::separator());
    if (folder.filesDone) {
        folders_.emplace_back(std::move(path));  // invalidates `folder`
    } else {
        ++filesVisited_;
        onFile(path);  // may call stop(): nothing of `folder` is used after
    }
}

namespace {

// Divisor that brings `maximum` within what an int holds.
std::uint64_t progressScale(std::uint64_t maximum)
{
    constexpr std::uint64_t kLimit = INT_MAX;
    return maximum <= kLimit ? 1 : maximum / kLimit + 1;
}

}  // namespace

int progressRange(std::uint64_t maximum)
{
    return static_cast<int>(maximum / progressScale(maximum));
}

int progressValue(std::uint64_t done, std::uint64_t maximum)
{
    return static_cast<int>(std::min(done, maximum) / progressScale(maximum));
}

}  // namespace ordalis
