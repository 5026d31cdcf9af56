// Generated folders of awkward names through the rename plans: no file, byte or temporary name is lost or left,
// and each file ends as the preview said.
#include "core/renameplan.h"
#include "core/renamepreview.h"

#include "../temp_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace ordalis {
namespace {

namespace fs = std::filesystem;

const char* const kStems[] = {"a", "A", "photo", "Photo", "PHOTO.Vac", "Vac001", "Vac002", "vac001",
                              "", ".bashrc", ".config", "README", "x y", "\xff\xfe", "caf\xe9",
                              "\xc3\xa9t\xc3\xa9", "con", "LPT1", "a:b", "why?", "trail.", "trail ", "001"};
const char* const kExtensions[] = {"", ".txt", ".TXT", ".jpg", ".JPG", ".Vac.JPG", ".gif", ".old",
                                   ".\xff", ".doc"};
const char* const kBases[] = {"Vac", "", "photo", "a", "LPT", "con", "x?", "\xff", ".", "Vac00"};
const char* const kStarts[] = {"1", "001", "0", " 5 ", "abc", "999", "18446744073709551615"};
const char* const kFormats[] = {"", "0", "000", "0000000000"};
const char* const kNewExtensions[] = {"txt", "TXT", "jpg", "gif", "", ".doc", "a:b", "old", "\xff", "Vac.JPG"};

TEST(RenameProperty, NoFileNameOrByteIsLost)
{
    constexpr int kCases = 10000;
    std::mt19937_64 random(0x0DA115ULL);  // fully defined by the standard: the same cases everywhere
    const auto below = [&random](std::size_t n) { return static_cast<std::size_t>(random() % n); };
    const auto pick = [&below](const auto& items) { return items[below(std::size(items))]; };
    const test::TempDir dir("ordalis-property-");
    const std::string root = dir.path().string();
    std::size_t renamed = 0;
    for (int c = 0; c < kCases; ++c) {
        const std::string folder = root + "/" + std::to_string(c);
        ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
        std::set<std::string> unique;
        const std::size_t wanted = 1 + below(12);
        while (unique.size() < wanted) {
            std::string name = std::string(pick(kStems)) + pick(kExtensions);
            if (name.empty() || name == "." || name == "..")
                continue;
            unique.insert(name);
        }
        std::vector<std::string> names(unique.begin(), unique.end());
        for (std::size_t i = 0; i < names.size(); ++i)
            std::swap(names[i], names[i + below(names.size() - i)]);
        std::map<std::string, std::string> contentOf;
        for (std::size_t i = 0; i < names.size(); ++i) {
            contentOf[names[i]] = "file " + std::to_string(i) + " of case " + std::to_string(c);
            test::writeFile(folder + "/" + names[i], contentOf[names[i]]);
        }
        // The list: some of the folder's names (the others stay unknown), some selected.
        std::vector<std::string> list;
        std::vector<bool> selected;
        for (const std::string& name : names)
            if (below(5) != 0) {
                list.push_back(name);
                selected.push_back(below(4) != 0);
            }
        const bool numbered = below(2) == 0;
        const auto plan = numbered ? planNumberedRename(list, selected, pick(kBases),
                                                        pick(kStarts), pick(kFormats))
                                   : planExtensionChange(list, selected, pick(kNewExtensions));
        const auto preview = previewRenamePlan(plan, names, false);
        ASSERT_EQ(preview.size(), plan.size());
        renamed += applyRenamePlan(folder, plan);
        for (const PlannedRename& row : preview) {
            const std::string& now = row.outcome == Outcome::Renamed ? row.op.newName : row.op.oldName;
            ASSERT_EQ(test::readFile(folder + "/" + now), contentOf[row.op.oldName])
                << "case " << c << ": " << row.op.oldName << " -> " << row.op.newName << ", " << outcomeText(row);
        }
        // Each listed file holds its content where the preview said; as many names as before: nothing was
        // overwritten, no temporary name is left.
        ASSERT_EQ(test::namesIn(folder).size(), names.size()) << "case " << c;
        fs::remove_all(folder);
    }
    EXPECT_GT(renamed, std::size_t(kCases));  // not a property of plans that rename nothing
}

}  // namespace
}  // namespace ordalis
