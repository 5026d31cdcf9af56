#include "core/attributes.h"
#include "core/filetime_units.h"
#include "core/platform/platform.h"

#include "xattr_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>

#include <cstring>
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
constexpr FileTime kAccess = kTestLater;

TEST(FileTimeUnits, ConvertsBothWays)
{
    struct Row {
        std::int64_t seconds;
        std::int64_t nanoseconds;
        FileTime fileTime;
    };
    const Row rows[] = {
        {0, 0, 116444736000000000ULL},
        {997762344, 0, kCreation},
        {1, 999999900, 116444736019999999ULL},
        {-315619200, 0, 113288544000000000ULL},  // 1960-01-01
        {-11644473600, 0, 0},                    // 1601-01-01
    };
    for (const Row& row : rows) {
        EXPECT_EQ(fileTimeFromUnix({row.seconds, row.nanoseconds}), row.fileTime) << row.seconds;
        const UnixTime back = unixFromFileTime(row.fileTime);
        EXPECT_EQ(back.seconds, row.seconds);
        EXPECT_EQ(back.nanoseconds, row.nanoseconds);
    }
    EXPECT_EQ(fileTimeFromUnix({-11644473601, 0}), 0u) << "before 1601";
}

class TimedFiles : public XattrFolder {
protected:
    // A file whose access and write times are kAccess and kWrite.
    std::string make(const std::string& name)
    {
        const std::string path = (dir_ / name).string();
        std::ofstream(path) << "x";
        const timespec times[2] = {{1020854400, 0}, {1005550400, 0}};
        ::utimensat(AT_FDCWD, path.c_str(), times, 0);
        return path;
    }
    static FileTimes timesOf(const std::string& path)
    {
        FileTimes times;
        EXPECT_FALSE(platform::getFileTimes(path, times));
        return times;
    }
};

TEST_F(TimedFiles, SetsTheWriteTimeAndLeavesTheAccessTime)
{
    const FileTime writes[] = {kCreation, kCreation + 1234567, 113288544000000000ULL};
    const std::string path = make("stamp");
    ASSERT_EQ(timesOf(path).access, kAccess);
    for (const FileTime write : writes) {
        ASSERT_FALSE(platform::setFileTimes(path, 0, write));
        const FileTimes after = timesOf(path);
        EXPECT_EQ(after.write, write);
        EXPECT_EQ(after.access, kAccess);
    }
}

TEST_F(TimedFiles, ZeroTimesLeaveTheFileAlone)
{
    const std::string path = make("same");
    ASSERT_FALSE(platform::setFileTimes(path, kCreation, 0));
    ASSERT_FALSE(platform::setFileTimes(path, 0, 0));
    const FileTimes after = timesOf(path);
    EXPECT_EQ(after.creation, kCreation);
    EXPECT_EQ(after.write, kWrite);
    EXPECT_EQ(after.access, kAccess);
}

TEST_F(TimedFiles, CreationSurvivesAttributeChanges)
{
    const std::string path = make("created");
    ASSERT_FALSE(platform::setFileTimes(path, kCreation, 0));
    ASSERT_FALSE(platform::setAttributes(path, 0x22));
    const unsigned char expected[56] = {
        0x30, 0x78, 0x32, 0x32, 0, 0, 3, 0, 3, 0, 0, 0, 0x11, 0, 0, 0, 0x22, 0, 0, 0,
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        0x00, 0x84, 0x16, 0x52, 0x77, 0x24, 0xc1, 0x01, 0, 0, 0, 0, 0, 0, 0, 0};
    unsigned char value[128] = {};
    ASSERT_EQ(::getxattr(path.c_str(), "user.DOSATTRIB", value, sizeof value), 56);
    EXPECT_EQ(std::memcmp(value, expected, sizeof expected), 0);
    for (const std::uint32_t attributes : {7u, 0u, 38u}) {
        ASSERT_FALSE(platform::setAttributes(path, attributes));
        EXPECT_EQ(timesOf(path).creation, kCreation) << "after " << attributes;
    }
}

TEST_F(TimedFiles, AttributesSurviveTimeChanges)
{
    for (const std::uint32_t attributes : {6u, 0u, 38u}) {
        const std::string path = make("kept" + std::to_string(attributes));
        ASSERT_FALSE(platform::setAttributes(path, attributes));
        ASSERT_FALSE(platform::setFileTimes(path, kCreation, kWrite + 10));
        std::uint32_t after = 0xdead;
        ASSERT_FALSE(platform::getAttributes(path, after));
        EXPECT_EQ(after, attributes);
        EXPECT_EQ(timesOf(path).creation, kCreation);
    }
}

TEST_F(TimedFiles, ReadOnlyFileKeepsItsTimes)
{
    const std::string byPermissions = make("perm");
    ::chmod(byPermissions.c_str(), 0444);
    const std::string byAttribute = make("attr");
    ASSERT_FALSE(platform::setAttributes(byAttribute, kReadOnly | kArchive));
    const std::string byStoredBit = make("bit");
    ASSERT_FALSE(platform::setAttributes(byStoredBit, kReadOnly));
    ::chmod(byStoredBit.c_str(), 0644);
    for (const std::string& path : {byPermissions, byAttribute, byStoredBit}) {
        const FileTimes before = timesOf(path);
        EXPECT_EQ(platform::setFileTimes(path, kCreation, kCreation),
                  std::errc::permission_denied) << path;
        const FileTimes after = timesOf(path);
        EXPECT_EQ(after.write, kWrite) << path;
        EXPECT_EQ(after.creation, before.creation) << path;
    }
}

TEST_F(TimedFiles, SizeOfAFile)
{
    const std::string path = (dir_ / "sized").string();
    std::ofstream(path) << std::string(1025, 'a');
    std::uint64_t size = 0;
    ASSERT_FALSE(platform::fileSize(path, size));
    EXPECT_EQ(size, 1025u);
    EXPECT_TRUE(platform::fileSize((dir_ / "missing").string(), size));
}

}  // namespace
}  // namespace ordalis
