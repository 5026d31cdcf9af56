#include "core/treewalk.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace ordalis {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

// A temporary tree:
//   a.txt b.txt .cache.txt   .hidden/h.txt   S/c.txt   S/T/d.txt
class TreeWalkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "ordalis-walk-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        for (const char* file : {"a.txt", "b.txt", ".cache.txt", ".hidden/h.txt", "S/c.txt", "S/T/d.txt"})
            touch(file);
    }
    void TearDown() override { fs::remove_all(root_); }

    void touch(const std::string& relative)
    {
        const fs::path path = root_ / relative;
        fs::create_directories(path.parent_path());
        std::ofstream(path) << "x";
    }
    std::string path(const std::string& relative) const { return (root_ / relative).string(); }

    std::vector<std::string> walkAll(TreeWalk& walk, milliseconds budget, int* steps = nullptr)
    {
        std::vector<std::string> seen;
        int calls = 1;
        while (walk.step(budget, [&](const std::string& p) { seen.push_back(p); }))
            ++calls;
        if (steps)
            *steps = calls;
        return seen;
    }

    fs::path root_;
};

TEST_F(TreeWalkTest, FilesOfAFolderBeforeItsSubfoldersHiddenIncluded)
{
    TreeWalk walk(root_.string());
    const auto seen = walkAll(walk, milliseconds(1000));
    ASSERT_EQ(seen.size(), 6u);
    const std::set<std::string> topFiles(seen.begin(), seen.begin() + 3);
    EXPECT_EQ(topFiles, (std::set<std::string>{path("a.txt"), path("b.txt"), path(".cache.txt")}));
    // Each subtree is finished before the next one starts.
    const auto c = std::find(seen.begin(), seen.end(), path("S/c.txt"));
    ASSERT_NE(c, seen.end());
    EXPECT_EQ(*(c + 1), path("S/T/d.txt"));
    EXPECT_NE(std::find(seen.begin(), seen.end(), path(".hidden/h.txt")), seen.end());
    EXPECT_EQ(walk.filesVisited(), 6u);
}

TEST_F(TreeWalkTest, CountingLeavesOutHiddenEntries)
{
    std::vector<std::string> paths;
    EXPECT_EQ(countFiles(root_.string(), &paths), 4u);
    ASSERT_EQ(paths.size(), 4u);
    EXPECT_EQ(std::set<std::string>(paths.begin(), paths.begin() + 2),
              (std::set<std::string>{path("a.txt"), path("b.txt")}));
    EXPECT_EQ(paths[2], path("S/c.txt"));
    EXPECT_EQ(paths[3], path("S/T/d.txt"));
}

TEST_F(TreeWalkTest, CountingListsSiblingFoldersInTheWalkOrder)
{
    // Many siblings, so that the listing order differs from any sorted one.
    for (const char* folder : {"zeta", "Alpha", "m", "b2", "b10", "Éte", "_x", "9", "kappa", "Omega"})
        for (const char* file : {"f1", "sub/f2"})
            touch(std::string(folder) + "/" + file);
    std::vector<std::string> counted;
    countFiles(root_.string(), &counted);
    TreeWalk walk(root_.string());
    std::vector<std::string> walked;
    for (const std::string& p : walkAll(walk, milliseconds(1000)))
        if (p.find("/.") == std::string::npos)
            walked.push_back(p);
    EXPECT_EQ(counted, walked);
    EXPECT_EQ(counted.size(), 24u);
}

TEST_F(TreeWalkTest, SymbolicLinksAndPipesAreNeverFollowed)
{
    const fs::path outside = root_.string() + "-outside";
    fs::create_directories(outside);
    std::ofstream(outside / "o.txt") << "x";
    ASSERT_EQ(::mkfifo((root_ / "S" / "pipe").c_str(), 0600), 0);
    fs::create_directory_symlink("..", root_ / "S" / "loop");
    fs::create_directory_symlink(outside, root_ / "out");
    fs::create_symlink(root_ / "a.txt", root_ / "S" / "link.txt");

    TreeWalk walk(root_.string());
    const auto seen = walkAll(walk, milliseconds(1000));
    fs::remove_all(outside);
    EXPECT_EQ(std::set<std::string>(seen.begin(), seen.end()),
              (std::set<std::string>{path("a.txt"), path("b.txt"), path(".cache.txt"),
                                     path(".hidden/h.txt"), path("S/c.txt"), path("S/T/d.txt")}));
    EXPECT_EQ(seen.size(), 6u);
    EXPECT_EQ(countFiles(root_.string()), 4u);
}

TEST_F(TreeWalkTest, StopFromTheCallbackEndsTheWalk)
{
    TreeWalk walk(root_.string());
    int calls = 0;
    EXPECT_FALSE(walk.step(milliseconds(1000), [&](const std::string&) {
        ++calls;
        walk.stop();
    }));
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(walk.filesVisited(), 1u);
    EXPECT_FALSE(walk.step(milliseconds(1000), [&](const std::string&) { ++calls; }));
    EXPECT_EQ(calls, 1);
}

TEST_F(TreeWalkTest, ZeroBudgetStepsResumeWhereTheyStopped)
{
    TreeWalk whole(root_.string());
    const auto expected = walkAll(whole, milliseconds(1000));
    TreeWalk inSteps(root_.string());
    int steps = 0;
    EXPECT_EQ(walkAll(inSteps, milliseconds(0), &steps), expected);
    EXPECT_GT(steps, 6);
}

TEST_F(TreeWalkTest, RootWithTrailingSeparatorGivesSingleSeparators)
{
    TreeWalk walk(root_.string() + "/");
    const auto seen = walkAll(walk, milliseconds(1000));
    EXPECT_NE(std::find(seen.begin(), seen.end(), path("S/c.txt")), seen.end());
}

TEST(TreeWalk, FolderThatCannotBeListedGivesNothing)
{
    TreeWalk walk("/nonexistent-ordalis-folder");
    int calls = 0;
    EXPECT_FALSE(walk.step(milliseconds(1000), [&](const std::string&) { ++calls; }));
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(countFiles("/nonexistent-ordalis-folder"), 0u);
}

TEST(Progress, StaysWithinTheRange)
{
    EXPECT_EQ(progressRange(3), 3);
    EXPECT_EQ(progressValue(2, 3), 2);
    EXPECT_EQ(progressValue(5, 3), 3);  // more files met than counted
    EXPECT_EQ(progressRange(0), 0);
    EXPECT_EQ(progressValue(4, 0), 0);  // nothing counted
    const std::uint64_t huge = 1ULL << 40;
    EXPECT_LE(progressRange(huge), INT_MAX);
    EXPECT_GT(progressRange(huge), INT_MAX / 2);
    EXPECT_EQ(progressValue(huge + 7, huge), progressRange(huge));
    EXPECT_EQ(progressValue(0, huge), 0);
}

}  // namespace
}  // namespace ordalis
