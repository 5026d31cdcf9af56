// The whole-folder walk: a counting pass that sizes the progress bar, and
// the walk proper that visits every file of a folder tree. Neither follows a
// symbolic link, to a folder or to a file, so nothing outside the chosen
// tree is reached and a link back into the tree cannot loop.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/platform/platform.h"

namespace ordalis {

// Counting pass: the files of the tree under `root` that a plain listing
// shows, i.e. leaving out every entry whose name begins with "." (and what
// lies below such a folder). When `paths` is given, the full path of each
// counted file is appended to it: the files of a folder in listing order,
// then each subfolder in listing order with everything below it. A folder
// that cannot be listed adds nothing. Setting `cancel` (from any thread)
// ends the count before the next folder; it then returns what it counted.
std::uint64_t countFiles(const std::string& root, std::vector<std::string>* paths = nullptr,
                         const std::atomic<bool>* cancel = nullptr);

// The walk, depth first and pre-order: every file of a folder in listing
// order (hidden ones included), then each subfolder in listing order with
// its whole subtree. Symbolic links and special files (devices, pipes,
// sockets) are skipped; a folder that cannot be listed gives nothing. The walk advances in steps so that a window can
// drive it from its event loop and stay responsive.
class TreeWalk {
public:
    explicit TreeWalk(std::string root);

    // Processes entries, calling `onFile` with the full path of each file,
    // until `budget` is spent (at least one entry is processed per call).
    // Returns true while entries remain, false once the walk is finished or
    // stopped. `onFile` may call stop().
    bool step(std::chrono::milliseconds budget,
              const std::function<void(const std::string& path)>& onFile);

    // Ends the walk: the next step() processes nothing and returns false.
    void stop();

    bool finished() const { return folders_.empty(); }
    std::uint64_t filesVisited() const { return filesVisited_; }

private:
    struct Folder {
        explicit Folder(std::string folderPath) : path(std::move(folderPath)) {}

        std::string path;
        std::vector<platform::DirEntry> entries;
        std::size_t next = 0;       // next entry of the current pass
        bool listed = false;
        bool filesDone = false;     // the files pass is over, subfolders follow
    };

    // Handles one entry (or the end of a pass) of the innermost folder.
    void advance(const std::function<void(const std::string& path)>& onFile);

    std::vector<Folder> folders_;  // innermost last
    std::uint64_t filesVisited_ = 0;
};

// Range of a progress bar for `maximum` steps: the count itself, scaled down
// when it exceeds what an int holds.
int progressRange(std::uint64_t maximum);

// Position of that bar after `done` steps; held at the end of the range when
// the walk meets more files than were counted (0 when nothing was counted).
int progressValue(std::uint64_t done, std::uint64_t maximum);

}  // namespace ordalis
