#include "core/filesearch.h"
#include "core/platform/platform.h"

#include "../temp_dir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <future>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace ordalis {
namespace {

namespace fs = std::filesystem;

class FileSearchPosix : public ::testing::Test {
protected:
    std::string path(const std::string& relative) const { return root_.file(relative); }
    // Rows by key, subfolders included.
    std::map<std::string, SearchRow> search(const std::string& pattern)
    {
        const std::atomic<bool> stop{false};
        std::map<std::string, SearchRow> rows;
        searchFiles({root_.path().string(), true, [pattern] { return pattern; }}, stop,
                    [&rows](std::vector<SearchRow>&& batch) {
                        for (auto& row : batch)
                            EXPECT_TRUE(rows.emplace(row.key, std::move(row)).second);
                    });
        return rows;
    }

    test::Env zone_{"TZ", "Europe/Paris"};  // for the date texts
    test::TempDir root_{"ordalis-search-posix-"};
};

// Links to folders are not walked, a link to a file has its target's size; pipes, sockets, devices and links to them
// are left out. The walk leans on two guards: a link is never listed as a folder, and no folder is opened through a
// link; pipes and sockets are listed as special, never to be opened.
TEST_F(FileSearchPosix, LinksPipesAndSockets)
{
    root_.put("a/x.txt");
    fs::create_directory_symlink(root_.path(), path("a/loop"));
    fs::create_directory_symlink(path("a"), path("dir.txt"));
    fs::create_symlink(path("a/x.txt"), path("link.txt"));
    fs::create_symlink(path("gone"), path("dangling.txt"));
    ASSERT_EQ(::mkfifo(path("tube.txt").c_str(), 0600), 0);
    fs::create_symlink(path("tube.txt"), path("tube.ico"));  // opening it for its icon would wait for a writer
    fs::create_symlink("/dev/null", path("null.txt"));
    sockaddr_un address{AF_UNIX, {}};
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path("prise.txt").c_str());
    const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::bind(s, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(s);
    const auto rows = search("*");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows.count(path("a/x.txt")), 1u);
    EXPECT_EQ(rows.at(path("link.txt")).size, 1u);  // the target's
    platform::OpenFolder top, child, back;
    ASSERT_FALSE(platform::OpenFolder::open(root_.path().string(), top));
    std::vector<platform::DirEntry> listed, byPath;
    ASSERT_FALSE(top.list(listed));
    ASSERT_FALSE(platform::listDirectory(root_.path().string(), byPath));
    ASSERT_EQ(listed.size(), 8u);
    ASSERT_EQ(byPath.size(), 8u);
    const std::set<std::string> links = {"dir.txt", "link.txt", "dangling.txt", "tube.ico", "null.txt"};
    for (const auto& entries : {listed, byPath})
        for (const platform::DirEntry& entry : entries) {
            EXPECT_EQ(entry.isDirectory, entry.name == "a") << entry.name;
            EXPECT_EQ(entry.isSymlink, links.count(entry.name) == 1) << entry.name;
            EXPECT_EQ(entry.isSpecial, entry.name == "tube.txt" || entry.name == "prise.txt") << entry.name;
        }
    EXPECT_TRUE(top.openChild("dir.txt", child));
    EXPECT_FALSE(child.isOpen());
    ASSERT_FALSE(top.openChild("a", child));
    EXPECT_TRUE(child.openChild("loop", back));
}

// A name that is not UTF-8 keeps its bytes and shows U+FFFD; dates are local, times kept to the 100 ns; sizes
// beyond 4 GB.
TEST_F(FileSearchPosix, NamesDatesAndSizesOfTheRows)
{
    root_.put("d\xE9/caf\xE9.txt");
    root_.put("summer.txt");
    root_.put("winter.txt");
    fs::resize_file(path("summer.txt"), 5'000'000'000ULL);  // sparse
    const auto setTime = [this](const char* name, time_t utc, long nanoseconds = 0) {
        const timespec times[2] = {{utc, 0}, {utc, nanoseconds}};
        ASSERT_EQ(::utimensat(AT_FDCWD, path(name).c_str(), times, 0), 0);
    };
    setTime("summer.txt", 997758744, 123'456'789);  // 2001-08-14 03:12:24.123456789 UTC
    setTime("winter.txt", 978737400);  // 2001-01-05 23:30:00 UTC
    const auto rows = search("*.txt");
    ASSERT_EQ(rows.size(), 3u);
    const SearchRow& cafe = rows.at(path("d\xE9/caf\xE9.txt"));
    EXPECT_EQ(cafe.name, "caf\xE9.txt");
    EXPECT_EQ(cafe.displayName, "caf\xEF\xBF\xBD.txt");
    EXPECT_EQ(cafe.nameLength, 8u);
    EXPECT_EQ(cafe.folder, path("d\xE9"));
    EXPECT_EQ(cafe.displayFolder, root_.path().string() + "/d\xEF\xBF\xBD");
    const SearchRow& summer = rows.at(path("summer.txt"));
    EXPECT_EQ(summer.dateText, "14/08/2001");
    EXPECT_EQ(summer.timeText, "05:12");
    EXPECT_EQ(summer.writeTime, 126422323441234567ULL);  // to the 100 ns
    EXPECT_EQ(summer.size, 5'000'000'000ULL);
    EXPECT_EQ(rows.at(path("winter.txt")).dateText, "06/01/2001");
    EXPECT_EQ(rows.at(path("winter.txt")).timeText, "00:30");
}

// A path far longer than one system call takes, and two trees deep enough that the second is entered
// from a start folder the first one's walk had let go: nothing is skipped.
TEST_F(FileSearchPosix, FilesBelowTheLongestPath)
{
    const std::string level(15, 'd');
    for (const auto& [top, depth] : {std::pair<const char*, int>{"a", 500}, {"b", 100}}) {
        root_.put(std::string(top) + "/x");
        int folder = ::open(path(top).c_str(), O_RDONLY | O_DIRECTORY);
        for (int k = 0; k < depth; ++k) {
            ASSERT_EQ(::mkdirat(folder, level.c_str(), 0700), 0);
            const int child = ::openat(folder, level.c_str(), O_RDONLY | O_DIRECTORY);
            ::close(folder);
            ASSERT_GE(folder = child, 0);
        }
        ::close(::openat(folder, (std::string(top) + ".txt").c_str(), O_WRONLY | O_CREAT, 0600));
        ::close(folder);
    }
    root_.put("top.txt");
    std::map<std::string, std::size_t> folderLengths;
    for (const auto& [key, row] : search("*.txt"))
        folderLengths[row.name] = row.folder.size();
    const std::size_t top = root_.path().string().size();
    EXPECT_EQ(folderLengths, (std::map<std::string, std::size_t>{
                                 {"a.txt", top + 2 + 16 * 500}, {"b.txt", top + 2 + 16 * 100}, {"top.txt", top}}));
    // std::filesystem cannot remove a path this long.
    EXPECT_EQ(std::system(("rm -rf '" + path("a") + "' '" + path("b") + "'").c_str()), 0);
}

// Icon bytes are read only from a small regular file, and never wait for a pipe's writer.
TEST_F(FileSearchPosix, SmallFileReadWithoutWaiting)
{
    ASSERT_EQ(::mkfifo(path("tube.ico").c_str(), 0600), 0);
    fs::create_symlink(path("tube.ico"), path("lien.ico"));
    root_.put("petit.ico", "ICON");
    root_.put("gros.ico", std::string(2000, 'x'));
    struct Row { const char* name; std::string path; std::errc error; const char* bytes; };
    const Row rows[] = {
        {"Small", path("petit.ico"), std::errc(), "ICON"},
        {"TooLarge", path("gros.ico"), std::errc::file_too_large, ""},
        {"Pipe", path("tube.ico"), std::errc::invalid_argument, ""},
        {"LinkToPipe", path("lien.ico"), std::errc::invalid_argument, ""},
        {"Device", "/dev/zero", std::errc::invalid_argument, ""},
        {"Folder", root_.path().string(), std::errc::invalid_argument, ""},
    };
    for (const Row& row : rows) {
        std::string bytes = "old";
        auto reading = std::async(std::launch::async, [&] { return platform::readSmallFile(row.path, 1024, bytes); });
        if (reading.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
            ADD_FAILURE() << row.name << ": waits for a writer";
            ::close(::open(row.path.c_str(), O_WRONLY | O_NONBLOCK));  // lets it go
            continue;
        }
        const std::error_code err = reading.get();
        EXPECT_EQ(err.value(), static_cast<int>(row.error)) << row.name << ": " << err.message();
        EXPECT_EQ(bytes, row.bytes) << row.name;
    }
}

}  // namespace
}  // namespace ordalis
