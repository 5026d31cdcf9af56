// Generated folders of awkward names run through the rename plans: a rename
// never costs a file or a byte, and leaves no temporary name.
#include "core/renameplan.h"

#include "../temp_dir.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace ordalis {
namespace {

namespace fs = std::filesystem;

// A small generator of our own: the same cases on every standard library.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return state_;
    }
    std::size_t below(std::size_t n) { return static_cast<std::size_t>(next() % n); }
    template <typename T, std::size_t N>
    const T& pick(const T (&items)[N]) { return items[below(N)]; }

private:
    std::uint64_t state_;
};

const char* const kStems[] = {"a", "A", "photo", "Photo", "PHOTO.Vac", "Vac001", "Vac002", "vac001",
                              "", ".bashrc", ".config", "README", "x y", "\xff\xfe", "caf\xe9",
                              "\xc3\xa9t\xc3\xa9", "con", "LPT1", "a:b", "why?", "trail.", "trail ", "001"};
const char* const kExtensions[] = {"", ".txt", ".TXT", ".jpg", ".JPG", ".Vac.JPG", ".gif", ".old",
                                   ".\xff", ".doc"};
const char* const kBases[] = {"Vac", "", "photo", "a", "LPT", "con", "x?", "\xff", ".", "Vac00"};
const char* const kStarts[] = {"1", "001", "0", " 5 ", "abc", "999", "18446744073709551615"};
const char* const kFormats[] = {"", "0", "000", "0000000000"};
const char* const kNewExtensions[] = {"txt", "TXT", "jpg", "gif", "", ".doc", "a:b", "old", "\xff", "Vac.JPG"};

// The names of a folder, read with plain POSIX calls (any bytes allowed).
std::vector<std::string> namesIn(const std::string& folder)
{
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..")
                names.push_back(name);
        }
        ::closedir(dir);
    }
    return names;
}

std::multiset<std::string> contentsIn(const std::string& folder)
{
    std::multiset<std::string> out;
    for (const std::string& name : namesIn(folder))
        out.insert(test::readFile(folder + "/" + name));
    return out;
}

TEST(RenameProperty, NoFileNameOrByteIsLost)
{
    constexpr int kCases = 10000;
    Random random(0x0DA115ULL);
    const test::TempDir dir("ordalis-property-");
    const std::string root = dir.path().string();
    std::size_t files = 0;
    std::size_t renamed = 0;
    for (int c = 0; c < kCases; ++c) {
        const std::string folder = root + "/" + std::to_string(c);
        ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
        // The folder: 1 to 12 distinct names, each file holding its own content.
        std::set<std::string> unique;
        const std::size_t wanted = 1 + random.below(12);
        while (unique.size() < wanted) {
            std::string name = std::string(random.pick(kStems)) + random.pick(kExtensions);
            if (name.empty() || name == "." || name == "..")
                continue;
            unique.insert(name);
        }
        std::vector<std::string> names(unique.begin(), unique.end());
        for (std::size_t i = 0; i < names.size(); ++i) {
            const std::size_t j = i + random.below(names.size() - i);
            std::swap(names[i], names[j]);
        }
        for (std::size_t i = 0; i < names.size(); ++i)
            test::writeFile(folder + "/" + names[i], "file " + std::to_string(i) + " of case " + std::to_string(c));
        const auto before = contentsIn(folder);
        // The list: the folder's names or some of them (the others are
        // existing files the plan does not know), some selected.
        std::vector<std::string> list;
        std::vector<bool> selected;
        for (const std::string& name : names)
            if (random.below(5) != 0) {
                list.push_back(name);
                selected.push_back(random.below(4) != 0);
            }
        const bool numbered = random.below(2) == 0;
        const auto plan = numbered ? planNumberedRename(list, selected, random.pick(kBases),
                                                        random.pick(kStarts), random.pick(kFormats))
                                   : planExtensionChange(list, selected, random.pick(kNewExtensions));
        renamed += applyRenamePlan(folder, plan);

        const auto after = namesIn(folder);
        ASSERT_EQ(after.size(), names.size()) << "case " << c;
        for (const std::string& name : after)
            ASSERT_EQ(name.find(".ordalis-"), std::string::npos) << "case " << c << ": " << name;
        ASSERT_EQ(contentsIn(folder), before) << "case " << c;
        files += names.size();
        fs::remove_all(folder);
    }
    std::printf("%d folders, %zu files, %zu renames done\n", kCases, files, renamed);
}

}  // namespace
}  // namespace ordalis
