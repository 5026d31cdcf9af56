#include "core/treewalk.h"

#include "../temp_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace ordalis {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;
using Paths = std::vector<std::string>;

// Six files; links and a pipe that are never followed.
class TreeWalkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* file : {"a.txt", "b.txt", ".cache.txt", ".hidden/h.txt", "S/c.txt", "S/T/d.txt"})
            root_.put(file);
        ASSERT_EQ(::mkfifo(path("S/pipe").c_str(), 0600), 0);
        fs::create_directory_symlink("..", path("S/loop"));
        fs::create_directory_symlink(path("S"), path("out"));
        fs::create_symlink(path("a.txt"), path("S/link.txt"));
    }
    std::string path(const std::string& relative) const { return root_.file(relative); }
    static Paths walkAll(TreeWalk& walk, milliseconds budget, int* steps = nullptr)
    {
        Paths seen;
        int calls = 1;
        while (walk.step(budget, [&](const std::string& p) { seen.push_back(p); }))
            ++calls;
        if (steps)
            *steps = calls;
        return seen;
    }

    test::TempDir root_{"ordalis-walk-"};
};

TEST_F(TreeWalkTest, FilesOfAFolderBeforeItsSubfoldersHiddenIncludedLinksNot)
{
    TreeWalk walk(root_.path().string() + "/");  // a trailing separator gives single separators
    const auto seen = walkAll(walk, milliseconds(1000));
    ASSERT_EQ(seen.size(), 6u);
    EXPECT_EQ(std::set<std::string>(seen.begin(), seen.begin() + 3),
              (std::set<std::string>{path("a.txt"), path("b.txt"), path(".cache.txt")}));
    // Each subtree is finished before the next one starts.
    const auto c = std::find(seen.begin(), seen.end(), path("S/c.txt"));
    ASSERT_NE(c, seen.end());
    EXPECT_EQ(*(c + 1), path("S/T/d.txt"));
    EXPECT_NE(std::find(seen.begin(), seen.end(), path(".hidden/h.txt")), seen.end());
    EXPECT_EQ(walk.filesVisited(), 6u);
    // Steps of no time each resume where the last one stopped.
    TreeWalk inSteps(root_.path().string() + "/");
    int steps = 0;
    EXPECT_EQ(walkAll(inSteps, milliseconds(0), &steps), seen);
    EXPECT_GT(steps, 6);
}

// Hidden entries left out, the others in the walk's own order, also among many siblings.
TEST_F(TreeWalkTest, CountingListsTheFilesInTheWalkOrder)
{
    Paths counted;
    EXPECT_EQ(countFiles(root_.path().string(), &counted), 4u);
    EXPECT_EQ(Paths(counted.begin() + 2, counted.end()), (Paths{path("S/c.txt"), path("S/T/d.txt")}));
    for (const char* folder : {"zeta", "Alpha", "m", "b2", "b10", "Éte", "_x", "9", "kappa", "Omega"})
        for (const char* file : {"f1", "sub/f2"})
            root_.put(std::string(folder) + "/" + file);
    counted.clear();
    countFiles(root_.path().string(), &counted);
    TreeWalk walk(root_.path().string());
    Paths walked;
    for (const std::string& p : walkAll(walk, milliseconds(1000)))
        if (p.find("/.") == std::string::npos)
            walked.push_back(p);
    EXPECT_EQ(counted, walked);
    EXPECT_EQ(counted.size(), 24u);
}

TEST_F(TreeWalkTest, StopFromTheCallbackEndsTheWalk)
{
    TreeWalk walk(root_.path().string());
    int calls = 0;
    EXPECT_FALSE(walk.step(milliseconds(1000), [&](const std::string&) {
        ++calls;
        walk.stop();
    }));
    EXPECT_FALSE(walk.step(milliseconds(1000), [&](const std::string&) { ++calls; }));
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(walk.filesVisited(), 1u);
    TreeWalk missing("/nonexistent-ordalis-folder");  // gives nothing
    EXPECT_FALSE(missing.step(milliseconds(1000), [&](const std::string&) { ++calls; }));
    EXPECT_EQ(calls, 1);
}

TEST(Progress, StaysWithinTheRange)
{
    EXPECT_EQ(progressValue(5, 3), 3);  // more files met than counted
    EXPECT_EQ(progressValue(4, 0), 0);  // nothing counted
    const std::uint64_t huge = 1ULL << 40;
    EXPECT_GT(progressRange(huge), INT_MAX / 2);
    EXPECT_EQ(progressValue(huge + 7, huge), progressRange(huge));
}

}  // namespace
}  // namespace ordalis
