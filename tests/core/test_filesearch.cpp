#include "core/filesearch.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace ordalis {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

TEST(SearchTexts, FolderAndNameLength)
{
    struct FolderRow { const char* input; char separator; const char* expected; };
    for (const FolderRow& row : {FolderRow{"/home/lea/", '/', "/home/lea"}, FolderRow{"/", '/', "/"},
                                 FolderRow{"//", '/', "/"}, FolderRow{"C:\\", '\\', "C:"}})
        EXPECT_EQ(searchFolderText(row.input, row.separator), row.expected) << row.input;
    const std::pair<std::size_t, std::string> lengths[] = {{0, "00"}, {5, "05"}, {9, "09"}, {10, "10"}, {123, "123"}};
    for (const auto& [length, expected] : lengths)
        EXPECT_EQ(nameLengthText(length), expected) << length;
}

class FileSearchTest : public ::testing::Test {
protected:
    std::vector<SearchRow> search(bool subfolders, std::function<std::string()> pattern,
                                  std::function<void(std::vector<SearchRow>&)> onEachBatch = {})
    {
        std::vector<SearchRow> rows;
        searchFiles({root_.path().string() + "/", subfolders, std::move(pattern)}, stop_,
                    [&](std::vector<SearchRow>&& batch) {
                        EXPECT_FALSE(batch.empty());
                        EXPECT_LE(batch.size(), kSearchBatchRows);
                        if (onEachBatch)
                            onEachBatch(batch);
                        std::move(batch.begin(), batch.end(), std::back_inserter(rows));
                    });
        return rows;
    }
    static auto fixed(std::string pattern) { return [pattern] { return pattern; }; }
    static Names names(const std::vector<SearchRow>& rows, bool sorted = false)
    {
        Names out;
        for (const auto& row : rows)
            out.push_back(row.name);
        if (sorted)
            std::sort(out.begin(), out.end());
        return out;
    }
    std::string path(const std::string& relative) const
    {
        return (root_.path() / fs::path(relative).make_preferred()).string();
    }

    test::TempDir root_{"ordalis-search-"};
    std::atomic<bool> stop_{false};
};

// Folders are walked whatever their names but never listed; the pattern is read again at each folder. A row's folder
// has no trailing separator; its size is in bytes.
TEST_F(FileSearchTest, FoldersPatternAndRowTexts)
{
    for (const char* file : {".hidden.txt", "r.md", "sub.txt/s.txt", "sub.txt/s.md"})
        root_.put(file);
    root_.put("R.TXT", "12345");
    const auto rows = search(false, fixed("*.txt"));
    EXPECT_EQ(names(rows, true), (Names{".hidden.txt", "R.TXT"}));
    const SearchRow& r = rows.at(rows.at(0).name == "R.TXT" ? 0 : 1);
    EXPECT_EQ(r.folder, root_.path().string());
    EXPECT_EQ(r.key, path("R.TXT"));
    EXPECT_EQ(r.sizeText, "5");
    int calls = 0;
    EXPECT_EQ(names(search(true, [&calls] { return ++calls == 1 ? "*.TXT" : "*.md"; }), true),
              (Names{".hidden.txt", "R.TXT", "s.md"}));
}

TEST_F(FileSearchTest, OwnFilesFirstThenEachSubfolderDepthFirst)
{
    for (const char* file : {"r1.txt", "a/a1.txt", "a/b/b1.txt", "c/c1.txt", "r2.txt"})
        root_.put(file);
    const auto found = names(search(true, fixed("*.txt")));
    ASSERT_EQ(found.size(), 5u);
    const Names below(found.begin() + 2, found.end());
    EXPECT_TRUE(below == (Names{"a1.txt", "b1.txt", "c1.txt"}) || below == (Names{"c1.txt", "a1.txt", "b1.txt"}))
        << below[0] << " " << below[1] << " " << below[2];
    EXPECT_TRUE(found[0].starts_with('r') && found[1].starts_with('r'));
}

// Batches stay within their size; a stop at the first batch ends everything.
TEST_F(FileSearchTest, BatchesAndAStopDuringADeepWalk)
{
    std::string folder;
    for (int depth = 0; depth < 20; ++depth) {
        folder += "d" + std::to_string(depth) + "/";
        for (int i = 0; i < 20; ++i)
            root_.put(folder + "f" + std::to_string(i) + ".txt");
    }
    EXPECT_EQ(search(true, fixed("*")).size(), 400u);
    int batches = 0;
    const auto rows = search(true, fixed("*"), [&](std::vector<SearchRow>&) {
        ++batches;
        stop_ = true;
    });
    EXPECT_EQ(batches, 1);
    EXPECT_LT(rows.size(), 400u);
}

// Files removed after the folder was listed, before their turn came.
TEST_F(FileSearchTest, AVanishedFileIsSkippedAndTheSearchGoesOn)
{
    for (int i = 0; i < 300; ++i)
        root_.put("f" + std::to_string(i) + ".txt");
    root_.put("later/z.txt");
    std::size_t firstBatch = 0;
    const auto rows = search(true, fixed("*.txt"), [&](std::vector<SearchRow>& batch) {
        if (firstBatch != 0)
            return;
        firstBatch = batch.size();
        for (int i = 0; i < 300; ++i) {
            const std::string name = "f" + std::to_string(i) + ".txt";
            if (std::none_of(batch.begin(), batch.end(), [&](const SearchRow& row) { return row.name == name; }))
                fs::remove(root_.path() / name);
        }
    });
    ASSERT_LT(firstBatch, 300u);
    ASSERT_EQ(rows.size(), firstBatch + 1);
    EXPECT_EQ(rows.back().key, path("later/z.txt"));
}

}  // namespace
}  // namespace ordalis
