// Setting file times on every kind of entry a folder tree holds: a folder,
// a link to a file, a FIFO (which must not block), a file its owner may not
// read.
#include "core/filetime_units.h"
#include "core/platform/platform.h"

#include "xattr_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace ordalis {
namespace {

namespace fs = std::filesystem;
using platform::FileTime;
using platform::FileTimes;

constexpr FileTime kCreation = kTestCreation;
constexpr FileTime kWrite = kTestWrite;
constexpr FileTime kStamp = kTestLater;

class EntryKinds : public XattrFolder {
protected:
    // Gives `path` the write time kWrite.
    static void age(const std::string& path)
    {
        const timespec times[2] = {{0, UTIME_OMIT}, {1005550400, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0) << path;
    }
    static FileTimes timesOf(const std::string& path)
    {
        FileTimes times;
        EXPECT_FALSE(platform::getFileTimes(path, times)) << path;
        return times;
    }
};

TEST_F(EntryKinds, FolderAndLinkedFileTakeBothTimes)
{
    const std::string folder = (dir_ / "folder").string();
    const std::string target = (dir_ / "target").string();
    const std::string link = (dir_ / "link").string();
    fs::create_directory(folder);
    std::ofstream(target) << "x";
    fs::create_symlink("target", link);
    for (const std::string& path : {folder, target})
        age(path);
    for (const std::string& path : {folder, link}) {
        ASSERT_FALSE(platform::setFileTimes(path, kCreation, kStamp)) << path;
        EXPECT_EQ(timesOf(path).write, kStamp) << path;
        EXPECT_EQ(timesOf(path).creation, kCreation) << path;
    }
    EXPECT_EQ(timesOf(target).write, kStamp) << "a link leads to its target";
    EXPECT_EQ(timesOf(target).creation, kCreation);
}

TEST_F(EntryKinds, FifoWithoutWriterDoesNotBlock)
{
    const std::string fifo = (dir_ / "fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    age(fifo);
    ASSERT_FALSE(platform::setFileTimes(fifo, 0, kStamp));
    EXPECT_EQ(timesOf(fifo).write, kStamp);
}

// Without read permission the record cannot be read by anyone but the
// superuser, so the file keeps its times.
TEST_F(EntryKinds, FileItsOwnerMayNotRead)
{
    const std::string path = (dir_ / "unreadable").string();
    std::ofstream(path) << "x";
    age(path);
    ::chmod(path.c_str(), 0200);
    const std::error_code result = platform::setFileTimes(path, kCreation, kStamp);
    ::chmod(path.c_str(), 0600);
    if (::geteuid() == 0) {
        EXPECT_FALSE(result);
        EXPECT_EQ(timesOf(path).write, kStamp);
        EXPECT_EQ(timesOf(path).creation, kCreation);
    } else {
        EXPECT_EQ(result, std::errc::permission_denied);
        EXPECT_EQ(timesOf(path).write, kWrite);
        EXPECT_NE(timesOf(path).creation, kCreation);
    }
}

}  // namespace
}  // namespace ordalis
