// Attributes and file times on Linux, kept in user.DOSATTRIB and the permission bits as Samba does.
#include "core/attributes.h"
#include "core/dosattrib.h"
#include "core/filetime_units.h"
#include "core/platform/platform.h"

#include "../temp_dir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace ordalis {
namespace {

namespace fs = std::filesystem;
using platform::FileTime;
using platform::FileTimes;

constexpr FileTime kCreation = 126422359440000000ULL;  // 2001-08-14 04:12:24 UTC
constexpr FileTime kWrite = 126500240000000000ULL;     // 2001-11-12 07:33:20
constexpr FileTime kAccess = 126653280000000000ULL;    // 2002-05-08 10:40:00

TEST(FileTimeUnits, ConvertBothWaysFrom1601)
{
    EXPECT_EQ(fileTimeFromUnix({1, 999999900}), 116444736019999999ULL);
    EXPECT_EQ(unixFromFileTime(116444736019999999ULL).nanoseconds, 999999900);
    EXPECT_EQ(unixFromFileTime(0).seconds, -11644473600);
    EXPECT_EQ(fileTimeFromUnix({-11644473601, 0}), 0u) << "before 1601";
}

// A private folder on a file system that keeps user extended attributes; the tests are skipped elsewhere.
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
    test::TempDir dir_;
};

std::uint32_t attributesOf(const std::string& path)
{
    std::uint32_t value = 0xdead;
    EXPECT_FALSE(platform::getAttributes(path, value)) << path;
    return value;
}

mode_t modeOf(const std::string& path)
{
    struct stat st{};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

FileTimes timesOf(const std::string& path)
{
    FileTimes times;
    EXPECT_FALSE(platform::getFileTimes(path, times)) << path;
    return times;
}

// Written then read back (other bits are not kept, a leading dot stays hidden), or with nothing stored read as
// Windows would; the permissions follow the read-only bit.
TEST_F(XattrFolder, AttributesReadBack)
{
    constexpr std::uint32_t kNothing = 0xFFFFFFFF;  // no attributes written
    struct Row { const char* name; mode_t mode; std::uint32_t written, read; mode_t modeAfter; };
    const Row rows[] = {
        {"archive hidden system", 0644, 38, 38, 0644}, {"read-only", 0666, 7, 7, 0444}, {"none", 0644, 0, 0, 0644},
        {"others unwritten", 0644, 0x800 | 0x10 | 4, 4, 0644}, {".profil", 0644, kSystem, kHidden | kSystem, 0644},
        {"plain", 0644, kNothing, kArchive, 0644}, {".a", 0644, kNothing, kArchive | kHidden, 0644},
        {"locked", 0444, kNothing, kArchive | kReadOnly, 0444},
    };
    for (const Row& row : rows) {
        const std::string path = make(row.name, row.mode);
        if (row.written != kNothing) {
            ASSERT_FALSE(platform::setAttributes(path, row.written)) << row.name;
        }
        EXPECT_EQ(attributesOf(path), row.read) << row.name;
        EXPECT_EQ(modeOf(path), row.modeAfter) << row.name;
    }
    fs::create_directory(dir_.path() / "folder");
    EXPECT_EQ(attributesOf(dir_.file("folder")), 0u);
}

TEST_F(XattrFolder, ReadOnlyTakesAndGivesBackWriteBits)
{
    // Cleared, write comes back where reading is allowed, within the umask.
    struct Row { mode_t before, umask, after; };
    const mode_t saved = ::umask(022);
    for (const Row& row : {Row{0444, 022, 0644}, Row{0440, 0, 0660}}) {
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
    // Windows ignores the read-only attribute of a folder: its owner may still create files in it.
    const std::string folder = dir_.file("dossier");
    fs::create_directory(folder);
    ::chmod(folder.c_str(), 0775);
    ASSERT_FALSE(platform::setAttributes(folder, kReadOnly | kArchive));
    EXPECT_EQ(modeOf(folder), 0775u);
}

// Times and attributes share one record; each survives changes of the other.
TEST_F(XattrFolder, CreationTimeAndAttributesShareTheRecord)
{
    const std::string path = make("created");
    ASSERT_FALSE(platform::setFileTimes(path, kCreation, 0));
    ASSERT_FALSE(platform::setAttributes(path, 0x22));
    const std::vector<std::uint8_t> expected = encodeDosAttrib({0x22, kCreation});
    std::uint8_t value[128] = {};
    ASSERT_EQ(::getxattr(path.c_str(), "user.DOSATTRIB", value, sizeof value), ssize_t(expected.size()));
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), value));
    FileTime creation = kCreation;
    for (const std::uint32_t attributes : {6u, 0u}) {
        ASSERT_FALSE(platform::setAttributes(path, attributes));
        EXPECT_EQ(timesOf(path).creation, creation) << "after " << attributes;
        creation += 10'000'000;  // another time, so that the record is written again
        ASSERT_FALSE(platform::setFileTimes(path, creation, kWrite + 10));
        EXPECT_EQ(attributesOf(path), attributes);
    }
}

// The stored bit still counts while the permissions allow writing.
TEST_F(XattrFolder, ReadOnlyFileKeepsItsTimes)
{
    const std::string byPermissions = make("perm", 0444);
    const std::string byStoredBit = make("bit");
    ASSERT_FALSE(platform::setAttributes(byStoredBit, kReadOnly));
    ::chmod(byStoredBit.c_str(), 0644);
    for (const std::string& path : {byPermissions, byStoredBit}) {
        EXPECT_EQ(platform::setFileTimes(path, kCreation, kCreation), std::errc::permission_denied) << path;
        EXPECT_EQ(timesOf(path).write, kWrite) << path;
        EXPECT_NE(timesOf(path).creation, kCreation) << path;
    }
}

// A folder, a link (its target takes the times), a FIFO (which must not block).
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
    EXPECT_EQ(timesOf(target).creation, kCreation) << "a link leads to its target";
}

}  // namespace
}  // namespace ordalis
