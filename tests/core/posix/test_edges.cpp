// Edges of the search and the rename journal that a hand-made fault sample
// showed unguarded: special files, the size of a batch, marks of positions
// that do not exist.
#include "core/filesearch.h"
#include "core/renamejournal.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace ordalis {
namespace {

namespace fs = std::filesystem;

class EdgesFolder : public testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "ordalis-edges-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
    }
    void TearDown() override { fs::remove_all(root_); }

    std::vector<std::vector<SearchRow>> search(const std::string& pattern)
    {
        std::vector<std::vector<SearchRow>> batches;
        const std::atomic<bool> stop = false;
        searchFiles({root_.string(), false, [pattern] { return pattern; }}, stop,
                    [&](std::vector<SearchRow>&& rows) { batches.push_back(std::move(rows)); });
        return batches;
    }

    fs::path root_;
};

TEST_F(EdgesFolder, SearchListsNoPipeNorSocket)
{
    std::ofstream(root_ / "fichier.txt") << "x";
    ASSERT_EQ(::mkfifo((root_ / "tube.txt").c_str(), 0600), 0);
    const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = (root_ / "prise.txt").string();
    if (socketPath.size() < sizeof address.sun_path) {
        std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
        ASSERT_EQ(::bind(s, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    }
    ::close(s);
    std::set<std::string> found;
    for (const auto& batch : search("*.txt"))
        for (const SearchRow& row : batch)
            found.insert(row.name);
    EXPECT_EQ(found, std::set<std::string>{"fichier.txt"});
}

TEST_F(EdgesFolder, NoBatchHoldsMoreThanItsRows)
{
    constexpr std::size_t kFiles = 3 * kSearchBatchRows + 7;
    for (std::size_t i = 0; i < kFiles; ++i)
        std::ofstream(root_ / ("f" + std::to_string(i))) << "";
    std::size_t total = 0;
    for (const auto& batch : search("*")) {
        EXPECT_FALSE(batch.empty());
        EXPECT_LE(batch.size(), kSearchBatchRows);
        total += batch.size();
    }
    EXPECT_EQ(total, kFiles);
}

TEST_F(EdgesFolder, JournalMarksOfPositionsThatDoNotExistAreIgnored)
{
    const fs::path journal = root_ / "journal";
    std::ofstream(journal, std::ios::binary) << "ordalis-rename-journal 1\nfolder /tmp\n"
                                                "pair a.txt b.txt\npair c.txt d.txt\n"
                                                "done 2\ndone 1\ndone 18446744073709551615\nundone 2\n";
    const auto contents = readRenameJournal(journal.string());
    ASSERT_TRUE(contents.has_value());
    ASSERT_EQ(contents->pairs.size(), 2u);
    EXPECT_FALSE(contents->pairs[0].done);
    EXPECT_TRUE(contents->pairs[1].done);
    EXPECT_EQ(contents->doneCount(), 1u);
}

}  // namespace
}  // namespace ordalis
