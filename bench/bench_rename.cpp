// Batch rename of 10,000 files of one folder through the rename plan, its
// undo journal (written and synced as the rename panel does) and the
// no-replace platform layer, against a plain loop of std::rename() over the
// same names in the same run. Each round renames a freshly made set of files
// with each method, in turn first; the verdict compares the median times.
#include "bench_clock.h"
#include "core/platform/platform.h"
#include "core/renamejournal.h"
#include "core/renameplan.h"
#include "core/renamepreview.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using bench::Clock;
using bench::median;
using bench::milliseconds;

constexpr int kFiles = 10000;
constexpr int kRounds = 9;

std::vector<std::string> makeNames()
{
    std::vector<std::string> names;
    names.reserve(kFiles);
    for (int i = 0; i < kFiles; ++i)
        names.push_back("IMG_" + std::to_string(100000 + i) + ".JPG");
    return names;
}

// A new empty folder holding one empty file per name.
fs::path makeFolder(const fs::path& root, const std::string& label, const std::vector<std::string>& names)
{
    const fs::path folder = root / label;
    fs::create_directory(folder);
    for (const std::string& name : names) {
        if (std::FILE* f = std::fopen((folder / name).string().c_str(), "wb"))
            std::fclose(f);
    }
    return folder;
}

double timeOurs(const fs::path& folder, const std::vector<std::string>& names, std::size_t& renamed)
{
    const std::vector<bool> selected(names.size(), true);
    const auto start = Clock::now();
    // As the command does: the folder listed, the plan worked out over it, the renames it predicts.
    std::vector<ordalis::platform::DirEntry> entries;
    ordalis::platform::listDirectory(folder.string(), entries);
    std::vector<std::string> present;
    for (auto& entry : entries)
        present.push_back(std::move(entry.name));
    const ordalis::RenameRequest request{false, names, selected, "Vac", "001", "0000", ""};
    const auto plan = ordalis::renamesOf(ordalis::planRequest(request, present, false));
    ordalis::RenameJournal journal((folder.parent_path() / "last.journal").string(), folder.string(), plan);
    renamed = ordalis::applyRenamePlan(folder.string(), plan, {}, &journal);
    return milliseconds(Clock::now() - start);
}

double timePlain(const fs::path& folder, const std::vector<ordalis::RenameOp>& plan, std::size_t& renamed)
{
    std::vector<std::string> from, to;
    for (const auto& op : plan) {
        from.push_back((folder / op.oldName).string());
        to.push_back((folder / op.newName).string());
    }
    renamed = 0;
    const auto start = Clock::now();
    for (std::size_t i = 0; i < from.size(); ++i)
        renamed += std::rename(from[i].c_str(), to[i].c_str()) == 0;
    return milliseconds(Clock::now() - start);
}

}  // namespace

int main()
{
    const std::vector<std::string> names = makeNames();
    const auto plan = ordalis::planNumberedRename(names, std::vector<bool>(names.size(), true), "Vac", "001", "0000");
    std::string pattern = (fs::temp_directory_path() / "ordalis-bench-rename-").string()
        + std::to_string(Clock::now().time_since_epoch().count());
    const fs::path root(pattern);
    fs::create_directory(root);

    std::vector<double> ours, plain;
    for (int round = 0; round < kRounds; ++round) {
        std::size_t oursDone = 0, plainDone = 0;
        // Both folders are made before either is timed, and the method timed
        // first changes every round, so neither gains from a warmer cache.
        const fs::path a = makeFolder(root, "ours" + std::to_string(round), names);
        const fs::path b = makeFolder(root, "plain" + std::to_string(round), names);
        if (round % 2 == 0) {
            ours.push_back(timeOurs(a, names, oursDone));
            plain.push_back(timePlain(b, plan, plainDone));
        } else {
            plain.push_back(timePlain(b, plan, plainDone));
            ours.push_back(timeOurs(a, names, oursDone));
        }
        std::printf("round %d: ours %.1f ms (%zu renamed), plain rename() %.1f ms (%zu renamed)\n", round + 1,
                    ours.back(), oursDone, plain.back(), plainDone);
        fs::remove_all(a);
        fs::remove_all(b);
    }
    fs::remove_all(root);

    const double oursMedian = median(ours);
    const double plainMedian = median(plain);
    std::printf("%d files, median of %d rounds: ours %.1f ms, plain %.1f ms\n", kFiles, kRounds, oursMedian,
                plainMedian);
    std::printf("rename: %.2fx plain rename() loop (goal <= 1.3x)\n", oursMedian / plainMedian);
    return 0;
}
