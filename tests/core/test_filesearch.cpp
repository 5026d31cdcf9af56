#include "core/filesearch.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <future>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace ordalis {
namespace {

namespace fs = std::filesystem;

struct TextRow {
    std::string input;
    char separator;
    std::string expected;
};

class FolderText : public ::testing::TestWithParam<TextRow> {};

TEST_P(FolderText, DropsTrailingSeparatorsButKeepsARoot)
{
    EXPECT_EQ(searchFolderText(GetParam().input, GetParam().separator), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Paths, FolderText, ::testing::Values(
    TextRow{"/home/lea/", '/', "/home/lea"}, TextRow{"/home/lea", '/', "/home/lea"},
    TextRow{"C:\\", '\\', "C:"}, TextRow{"C:\\Docs\\", '\\', "C:\\Docs"},
    TextRow{"C:/Docs/", '\\', "C:/Docs"}));

class DisplayText : public ::testing::TestWithParam<TextRow> {};

TEST_P(DisplayText, ReplacesEachInvalidByte)
{
    EXPECT_EQ(displayText(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Bytes, DisplayText, ::testing::Values(
    TextRow{"plain.txt", 0, "plain.txt"},
    TextRow{"\xC3\xA9t\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", 0, "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"},
    TextRow{"caf\xE9.txt", 0, "caf\xEF\xBF\xBD.txt"},                         // Latin-1 byte
    TextRow{"a\xE2\x82", 0, "a\xEF\xBF\xBD\xEF\xBF\xBD"},                     // cut at the end
    TextRow{"\xC0\xAF", 0, "\xEF\xBF\xBD\xEF\xBF\xBD"},                       // overlong '/'
    TextRow{"\xED\xA0\x80", 0, "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},       // surrogate
    TextRow{"\xF4\x90\x80\x80", 0,
            "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"}));              // above U+10FFFF

TEST(NameLengthText, LeadingZeroBelowTen)
{
    const std::pair<int, const char*> rows[] = {{5, "05"}, {9, "09"}, {10, "10"}, {123, "123"}};
    for (const auto& [n, text] : rows)
        EXPECT_EQ(nameLengthText(n), text);
}

class FileSearchTest : public ::testing::Test {
protected:
    void TearDown() override { fs::remove_all(root_); }

    void write(const std::string& relative, const std::string& content = "x")
    {
        fs::create_directories((root_ / relative).parent_path());
        std::ofstream(root_ / relative, std::ios::binary) << content;
    }
    std::string path(const std::string& relative) const
    {
        return (root_ / fs::path(relative).make_preferred()).string();
    }

    std::vector<SearchRow> search(bool subfolders, std::function<std::string()> pattern,
                                  std::function<void(std::vector<SearchRow>&)> onEachBatch = {})
    {
        std::vector<SearchRow> rows;
        searchFiles({root_.string() + "/", subfolders, std::move(pattern)}, stop_,
                    [&](std::vector<SearchRow>&& batch) {
                        EXPECT_FALSE(batch.empty());
                        if (onEachBatch)
                            onEachBatch(batch);
                        std::move(batch.begin(), batch.end(), std::back_inserter(rows));
                    });
        return rows;
    }
    static std::function<std::string()> fixed(std::string pattern)
    {
        return [pattern] { return pattern; };
    }
    static std::vector<std::string> names(const std::vector<SearchRow>& rows)
    {
        std::vector<std::string> out;
        for (const auto& row : rows)
            out.push_back(row.name);
        return out;
    }

    fs::path root_ = test::makeTempDir("ordalis-search-");
    std::atomic<bool> stop_{false};
};

TEST_F(FileSearchTest, RowTextsAndNumbers)
{
    write("a.TXT", "12345");
    write("twelve_c.txt", "");
    write("notes.md");
    const auto rows = search(false, fixed("*.txt"));
    ASSERT_EQ(rows.size(), 2u);
    const auto& a = rows[0].name == "a.TXT" ? rows[0] : rows[1];
    const auto& twelve = rows[0].name == "a.TXT" ? rows[1] : rows[0];
    EXPECT_EQ(a.folder, root_.string());
    EXPECT_EQ(a.key, path("a.TXT"));
    EXPECT_EQ(a.displayName, "a.TXT");
    EXPECT_EQ(a.size, 5u);
    EXPECT_EQ(a.sizeText, "5");
    EXPECT_EQ(a.nameLength, 5u);
    EXPECT_EQ(a.nameLengthText, "05");
    EXPECT_EQ(twelve.sizeText, "0");
    EXPECT_EQ(twelve.nameLengthText, "12");
}

TEST_F(FileSearchTest, FoldersAreWalkedWhateverTheirNamesButNeverListed)
{
    write("r.txt");
    write(".hidden.txt");
    write("folder.txt/inner.txt");
    auto own = names(search(false, fixed("*.txt")));
    std::sort(own.begin(), own.end());
    EXPECT_EQ(own, (std::vector<std::string>{".hidden.txt", "r.txt"}));
    auto all = names(search(true, fixed("*.txt")));
    std::sort(all.begin(), all.end());
    EXPECT_EQ(all, (std::vector<std::string>{".hidden.txt", "inner.txt", "r.txt"}));
}

TEST_F(FileSearchTest, OwnFilesFirstThenEachSubfolderDepthFirst)
{
    for (const char* file : {"r1.txt", "a/a1.txt", "a/b/b1.txt", "c/c1.txt", "r2.txt"})
        write(file);
    const auto found = names(search(true, fixed("*.txt")));
    ASSERT_EQ(found.size(), 5u);
    const std::vector<std::string> aFirst{"a1.txt", "b1.txt", "c1.txt"};
    const std::vector<std::string> cFirst{"c1.txt", "a1.txt", "b1.txt"};
    const std::vector<std::string> below(found.begin() + 2, found.end());
    EXPECT_TRUE(below == aFirst || below == cFirst) << below[0] << " " << below[1] << " " << below[2];
    EXPECT_TRUE(found[0].starts_with('r') && found[1].starts_with('r'));
}

TEST_F(FileSearchTest, PatternIsReadAgainAtEachFolder)
{
    for (const char* file : {"r.txt", "r.md", "sub/s.txt", "sub/s.md"})
        write(file);
    int calls = 0;
    const auto found = search(true, [&calls] { return ++calls == 1 ? "*.TXT" : "*.md"; });
    EXPECT_EQ(names(found), (std::vector<std::string>{"r.txt", "s.md"}));
}

// 20 nested folders of 20 files: the first full batch comes from the
// middle of the walk, and the stop it asks for ends everything.
TEST_F(FileSearchTest, NoRowAfterAStopDuringADeepWalk)
{
    std::string folder;
    for (int depth = 0; depth < 20; ++depth) {
        folder += "d" + std::to_string(depth) + "/";
        for (int i = 0; i < 20; ++i)
            write(folder + "f" + std::to_string(i) + ".txt");
    }
    int batches = 0;
    const auto rows = search(true, fixed("*"), [&](std::vector<SearchRow>&) {
        ++batches;
        stop_ = true;
    });
    EXPECT_EQ(batches, 1);
    EXPECT_LT(rows.size(), 400u);
}

// The search on a worker thread, stopped from this one as it enters its
// second folder: nothing of that folder or below comes.
TEST_F(FileSearchTest, StopFromAnotherThread)
{
    for (const char* file : {"a.txt", "sub/b.txt", "sub/deeper/c.txt"})
        write(file);
    std::promise<void> entered, stopped;
    int calls = 0;
    std::thread worker([&] {
        const auto rows = search(true, [&] {
            if (++calls == 2) {
                entered.set_value();
                stopped.get_future().wait();
            }
            return std::string("*");
        });
        for (const auto& row : rows)
            EXPECT_EQ(row.name, "a.txt");
    });
    entered.get_future().wait();
    stop_ = true;
    stopped.set_value();
    worker.join();
    EXPECT_EQ(calls, 2);
}

// Files removed after the folder was listed, before their turn came.
TEST_F(FileSearchTest, AVanishedFileIsSkippedAndTheSearchGoesOn)
{
    for (int i = 0; i < 300; ++i)
        write("f" + std::to_string(i) + ".txt");
    write("later/z.txt");
    bool removed = false;
    std::size_t firstBatch = 0;
    const auto rows = search(true, fixed("*.txt"), [&](std::vector<SearchRow>& batch) {
        if (removed)
            return;
        removed = true;
        firstBatch = batch.size();
        for (int i = 0; i < 300; ++i)
            if (std::none_of(batch.begin(), batch.end(), [i](const SearchRow& row) {
                    return row.name == "f" + std::to_string(i) + ".txt";
                }))
                fs::remove(root_ / ("f" + std::to_string(i) + ".txt"));
    });
    ASSERT_LT(firstBatch, 300u);
    ASSERT_EQ(rows.size(), firstBatch + 1);
    EXPECT_EQ(rows.back().key, path("later/z.txt"));
}

}  // namespace
}  // namespace ordalis
