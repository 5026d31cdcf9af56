// Attributes and file times on Linux: kept in the user.DOSATTRIB record
// and the permission bits, as a file server keeps them for Windows.
#include "core/attributes.h"
#include "core/filetime_units.h"
#include "core/platform/platform.h"

#include "../temp_dir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>

namespace ordalis {
namespace {

namespace fs = std::filesystem;
using platform::FileTime;
using platform::FileTimes;

constexpr FileTime kCreation = 126422359440000000ULL;  // 2001-08-14 04:12:24 UTC
constexpr FileTime kWrite = 126500240000000000ULL;     // 2001-11-12 07:33:20
constexpr FileTime kAccess = 126653280000000000ULL;    // 2002-05-08 10:40:00

TEST(FileTimeUnits, ConvertsBothWays)
{
    struct Row { std::int64_t seconds, nanoseconds; FileTime fileTime; };
    const Row rows[] = {
        {0, 0, 116444736000000000ULL},
        {1, 999999900, 116444736019999999ULL},
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

// A private folder on a file system that keeps user extended attributes;
// the tests are skipped elsewhere.
class XattrFolder : public testing::Test {
protected:
    void SetUp() override
    {
        const std::string probe = dir_.put("probe");
        if (::setxattr(probe.c_str(), "user.probe", "1", 1, 0) != 0)
            GTEST_SKIP() << "the temporary folder's file system keeps no user extended attributes";
    }
    // A file of mode `mode` whose access and write times are kAccess and kWrite.
    std::string make(const std::string& name, mode_t mode = 0644)
    {
        const std::string path = dir_.put(name);
        ::chmod(path.c_str(), mode);
        const timespec times[2] = {{1020854400, 0}, {1005550400, 0}};
        ::utimensat(AT_FDCWD, path.c_str(), times, 0);
        return path;
    }
    static std::uint32_t attributesOf(const std::string& path)
    {
        std::uint32_t value = 0xdead;
        EXPECT_FALSE(platform::getAttributes(path, value)) << path;
        return value;
    }
    static mode_t modeOf(const std::string& path)
    {
        struct stat st{};
        ::stat(path.c_str(), &st);
        return st.st_mode & 07777;
    }
    static FileTimes timesOf(const std::string& path)
    {
        FileTimes times;
        EXPECT_FALSE(platform::getFileTimes(path, times)) << path;
        return times;
    }

    test::TempDir dir_;
};

TEST_F(XattrFolder, WrittenAttributesReadBack)
{
    struct Row { std::uint32_t written, read; mode_t mode; };  // mode from 0644
    const Row rows[] = {{6, 6, 0644}, {38, 38, 0644}, {7, 7, 0444}, {0, 0, 0644}, {39, 39, 0444},
                        {0x800 | 0x10 | 4, 4, 0644}};  // other bits are not written
    for (const Row& row : rows) {
        const std::string path = make("f" + std::to_string(row.written));
        ASSERT_FALSE(platform::setAttributes(path, row.written)) << row.written;
        EXPECT_EQ(attributesOf(path), row.read);
        EXPECT_EQ(modeOf(path), row.mode) << "value " << row.written;
    }
    // A leading dot stays hidden.
    const std::string dotted = make(".profil");
    ASSERT_FALSE(platform::setAttributes(dotted, kSystem));
    EXPECT_EQ(attributesOf(dotted), kHidden | kSystem);
}

TEST_F(XattrFolder, NothingStoredReadsAsWindowsWould)
{
    EXPECT_EQ(attributesOf(make("plain")), kArchive);
    EXPECT_EQ(attributesOf(make(".cache")), kArchive | kHidden);
    EXPECT_EQ(attributesOf(make("locked", 0444)), kArchive | kReadOnly);
    fs::create_directory(dir_.path() / "folder");
    EXPECT_EQ(attributesOf(dir_.file("folder")), 0u);
    // A record written by a file server (version 5): read-only and system.
    const std::string served = make("served");
    const unsigned char v5[] = {0, 0, 5, 0, 5, 0, 0, 0, 0x11, 0, 0, 0, 0x05, 0, 0, 0,
                                0x00, 0x84, 0x16, 0x52, 0x77, 0x24, 0xc1, 0x01};
    ASSERT_EQ(::setxattr(served.c_str(), "user.DOSATTRIB", v5, sizeof v5, 0), 0);
    EXPECT_EQ(attributesOf(served), kReadOnly | kSystem);
}

TEST_F(XattrFolder, ReadOnlyTakesAndGivesBackWriteBits)
{
    const std::pair<mode_t, mode_t> set[] = {{0666, 0444}, {0620, 0400}, {0777, 0555}};
    for (const auto& [before, after] : set) {
        const std::string path = make("rw", before);
        ASSERT_FALSE(platform::setAttributes(path, kReadOnly));
        EXPECT_EQ(modeOf(path), after) << "from " << std::oct << before;
        fs::remove(path);
    }
    // Cleared, write comes back where reading is allowed, within the umask.
    struct Row { mode_t before, umask, after; };
    const mode_t saved = ::umask(022);
    for (const Row& row : {Row{0444, 022, 0644}, Row{0400, 002, 0600}, Row{0440, 0, 0660}}) {
        const std::string path = make("ro", row.before);
        EXPECT_EQ(attributesOf(path), kArchive | kReadOnly);
        ::umask(row.umask);
        EXPECT_FALSE(platform::setAttributes(path, 0));
        ::umask(022);
        EXPECT_EQ(modeOf(path), row.after) << std::oct << row.before << " umask " << row.umask;
        EXPECT_EQ(attributesOf(path), 0u);
        fs::remove(path);
    }
    ::umask(saved);
    // The stored bit still counts while the permissions allow writing.
    const std::string stored = make("stored");
    ASSERT_FALSE(platform::setAttributes(stored, kReadOnly));
    ::chmod(stored.c_str(), 0644);
    EXPECT_EQ(attributesOf(stored), kReadOnly);
}

// Windows ignores the read-only attribute of a folder: its owner may still
// create files in it.
TEST_F(XattrFolder, ReadOnlyFolderKeepsItsPermissions)
{
    const std::string folder = dir_.file("dossier");
    for (const mode_t mode : {mode_t(0755), mode_t(0700), mode_t(0775)}) {
        fs::create_directory(folder);
        ::chmod(folder.c_str(), mode);
        ASSERT_FALSE(platform::setAttributes(folder, kReadOnly | kArchive));
        EXPECT_EQ(modeOf(folder), mode) << std::oct << mode;
        fs::remove_all(folder);
    }
}

TEST_F(XattrFolder, WriteTimeSetAccessTimeUntouchedZeroMeansUnchanged)
{
    const std::string path = make("stamp");
    for (const FileTime write : {kCreation, kCreation + 1234567, FileTime(113288544000000000ULL)}) {
        ASSERT_FALSE(platform::setFileTimes(path, 0, write));
        EXPECT_EQ(timesOf(path).write, write);
        EXPECT_EQ(timesOf(path).access, kAccess);
    }
    const std::string same = make("same");
    ASSERT_FALSE(platform::setFileTimes(same, kCreation, 0));
    ASSERT_FALSE(platform::setFileTimes(same, 0, 0));
    EXPECT_EQ(timesOf(same).creation, kCreation);
    EXPECT_EQ(timesOf(same).write, kWrite);
    EXPECT_EQ(timesOf(same).access, kAccess);
    std::uint64_t size = 0;
    ASSERT_FALSE(platform::fileSize(same, size));
    EXPECT_EQ(size, 1u);
    EXPECT_TRUE(platform::fileSize(dir_.file("missing"), size));
}

// The record holds the hex text, then a version 3 record with the creation
// time; times and attributes each survive changes of the other.
TEST_F(XattrFolder, CreationTimeAndAttributesShareTheRecord)
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
    for (const std::uint32_t attributes : {6u, 0u, 38u}) {
        ASSERT_FALSE(platform::setAttributes(path, attributes));
        EXPECT_EQ(timesOf(path).creation, kCreation) << "after " << attributes;
        ASSERT_FALSE(platform::setFileTimes(path, kCreation, kWrite + 10));
        EXPECT_EQ(attributesOf(path), attributes);
    }
}

TEST_F(XattrFolder, ReadOnlyFileKeepsItsTimes)
{
    const std::string byPermissions = make("perm", 0444);
    const std::string byAttribute = make("attr");
    ASSERT_FALSE(platform::setAttributes(byAttribute, kReadOnly | kArchive));
    const std::string byStoredBit = make("bit");
    ASSERT_FALSE(platform::setAttributes(byStoredBit, kReadOnly));
    ::chmod(byStoredBit.c_str(), 0644);
    for (const std::string& path : {byPermissions, byAttribute, byStoredBit}) {
        const FileTimes before = timesOf(path);
        EXPECT_EQ(platform::setFileTimes(path, kCreation, kCreation), std::errc::permission_denied) << path;
        EXPECT_EQ(timesOf(path).write, kWrite) << path;
        EXPECT_EQ(timesOf(path).creation, before.creation) << path;
    }
}

// A folder, a link (its target takes the times), a FIFO (which must not
// block).
TEST_F(XattrFolder, TimesOnEveryKindOfEntry)
{
    const std::string folder = dir_.file("folder"), target = make("target"), link = dir_.file("link");
    const std::string fifo = dir_.file("fifo");
    fs::create_directory(folder);
    fs::create_symlink("target", link);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    for (const std::string& path : {folder, link}) {
        ASSERT_FALSE(platform::setFileTimes(path, kCreation, kAccess)) << path;
        EXPECT_EQ(timesOf(path).write, kAccess) << path;
        EXPECT_EQ(timesOf(path).creation, kCreation) << path;
    }
    ASSERT_FALSE(platform::setFileTimes(fifo, 0, kAccess));
    EXPECT_EQ(timesOf(fifo).write, kAccess);
    EXPECT_EQ(timesOf(target).write, kAccess) << "a link leads to its target";
    EXPECT_EQ(timesOf(target).creation, kCreation);
}

}  // namespace
}  // namespace ordalis
