#include "core/attributes.h"
#include "core/platform/platform.h"

#include "xattr_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace ordalis {
namespace {

namespace fs = std::filesystem;

struct TextRow {
    std::uint32_t value;
    const char* text;
};

TEST(AttributeText, NamesTheFourAttributesOnly)
{
    const TextRow rows[] = {
        {0, "Normal"},
        {1, "Lecture seule"},
        {7, "Lecture seule - Fichier caché - Fichier système"},
        {32, "Archive"},
        {38, "Archive - Fichier caché - Fichier système"},
        {39, "Archive - Lecture seule - Fichier caché - Fichier système"},
        {0x800 | 1, "Lecture seule"},  // compressed and read-only
        {0x10 | 0x20, "Archive"},      // a folder marked archive
        {0x80, "Normal"},
    };
    for (const TextRow& row : rows)
        EXPECT_EQ(attributeText(row.value), row.text) << "value " << row.value;
}

// A private temporary folder on a file system with user extended attributes.
class AttributeFiles : public XattrFolder {
protected:
    std::string make(const std::string& name, mode_t mode = 0644)
    {
        const std::string path = (dir_ / name).string();
        std::ofstream(path) << "x";
        ::chmod(path.c_str(), mode);
        return path;
    }
    static std::uint32_t attributesOf(const std::string& path)
    {
        std::uint32_t value = 0xdead;
        EXPECT_FALSE(platform::getAttributes(path, value));
        return value;
    }
    static mode_t modeOf(const std::string& path)
    {
        struct stat st{};
        ::stat(path.c_str(), &st);
        return st.st_mode & 07777;
    }
};

TEST_F(AttributeFiles, WrittenValuesReadBack)
{
    struct Row {
        std::uint32_t value;
        mode_t mode;  // from 0644
    };
    const Row rows[] = {{6, 0644}, {38, 0644}, {7, 0444}, {0, 0644}, {1, 0444}, {39, 0444}};
    for (const Row& row : rows) {
        const std::string path = make("f" + std::to_string(row.value));
        ASSERT_FALSE(platform::setAttributes(path, row.value)) << row.value;
        EXPECT_EQ(attributesOf(path), row.value);
        EXPECT_EQ(modeOf(path), row.mode) << "value " << row.value;
    }
}

TEST_F(AttributeFiles, OtherBitsAreNotWritten)
{
    const std::string path = make("bits");
    ASSERT_FALSE(platform::setAttributes(path, 0x800 | 0x10 | 4));
    EXPECT_EQ(attributesOf(path), 4u);
}

TEST_F(AttributeFiles, NothingStoredReadsAsWindowsWould)
{
    EXPECT_EQ(attributesOf(make("plain")), kArchive);
    EXPECT_EQ(attributesOf(make(".cache")), kArchive | kHidden);
    EXPECT_EQ(attributesOf(make("locked", 0444)), kArchive | kReadOnly);
    fs::create_directory(dir_ / "folder");
    EXPECT_EQ(attributesOf((dir_ / "folder").string()), 0u);
}

TEST_F(AttributeFiles, LeadingDotStaysHidden)
{
    const std::string path = make(".profil");
    ASSERT_FALSE(platform::setAttributes(path, 0));
    EXPECT_EQ(attributesOf(path), kHidden);
    ASSERT_FALSE(platform::setAttributes(path, kSystem));
    EXPECT_EQ(attributesOf(path), kHidden | kSystem);
}

TEST_F(AttributeFiles, ClearingReadOnlyGivesBackWriteWhereReadable)
{
    struct Row {
        mode_t before;
        mode_t umask;
        mode_t after;
    };
    const Row rows[] = {
        {0444, 022, 0644}, {0444, 002, 0664}, {0400, 002, 0600}, {0440, 0, 0660}, {0555, 022, 0755},
    };
    const mode_t saved = ::umask(022);
    for (const Row& row : rows) {
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
}

TEST_F(AttributeFiles, SettingReadOnlyRemovesEveryWriteBit)
{
    struct Row {
        mode_t before;
        mode_t after;
    };
    const Row rows[] = {{0666, 0444}, {0644, 0444}, {0620, 0400}, {0777, 0555}, {0200, 0}};
    for (const Row& row : rows) {
        const std::string path = make("rw", row.before);
        ::chmod(path.c_str(), row.before);
        ASSERT_FALSE(platform::setAttributes(path, kReadOnly));
        EXPECT_EQ(modeOf(path), row.after) << "from " << std::oct << row.before;
        fs::remove(path);
    }
}

TEST_F(AttributeFiles, ReadOnlyFolderKeepsItsPermissions)
{
    // Windows ignores the read-only attribute of a folder: its owner may
    // still create files in it.
    const std::string folder = (dir_ / "dossier").string();
    for (const mode_t mode : {mode_t(0755), mode_t(0700), mode_t(0775)}) {
        fs::create_directory(folder);
        ::chmod(folder.c_str(), mode);
        ASSERT_FALSE(platform::setAttributes(folder, kReadOnly | kArchive));
        EXPECT_EQ(modeOf(folder), mode) << std::oct << mode;
        std::ofstream(folder + "/nouveau") << "x";
        EXPECT_TRUE(fs::exists(folder + "/nouveau"));
        fs::remove_all(folder);
    }
}

TEST_F(AttributeFiles, StoredReadOnlyCountsWhilePermissionsAllowWriting)
{
    const std::string path = make("stored");
    ASSERT_FALSE(platform::setAttributes(path, kReadOnly));
    ::chmod(path.c_str(), 0644);
    EXPECT_EQ(attributesOf(path), kReadOnly);
}

TEST_F(AttributeFiles, WritesTheHexTextAndVersionThreeRecord)
{
    const std::string path = make("record");
    ASSERT_FALSE(platform::setAttributes(path, 0x22));
    unsigned char value[128] = {};
    const ssize_t size = ::getxattr(path.c_str(), "user.DOSATTRIB", value, sizeof value);
    const unsigned char expected[56] = {0x30, 0x78, 0x32, 0x32, 0, 0, 3, 0, 3, 0, 0, 0,
                                        0x01, 0, 0, 0, 0x22, 0, 0, 0};
    ASSERT_EQ(size, 56);
    EXPECT_EQ(std::memcmp(value, expected, sizeof expected), 0);
}

TEST_F(AttributeFiles, ReadsARecordWrittenByAFileServer)
{
    const std::string path = make("served");
    const unsigned char v5[] = {0, 0, 5, 0, 5, 0, 0, 0, 0x11, 0, 0, 0, 0x05, 0, 0, 0,
                                0x00, 0x84, 0x16, 0x52, 0x77, 0x24, 0xc1, 0x01};
    ASSERT_EQ(::setxattr(path.c_str(), "user.DOSATTRIB", v5, sizeof v5, 0), 0);
    EXPECT_EQ(attributesOf(path), kReadOnly | kSystem);
}

// A FAT volume keeps the attributes in its own directory entries.
TEST(FatVolume, UsesTheVolumeAttributes)
{
    if (::geteuid() != 0 || std::system("command -v mkfs.vfat >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "needs root and mkfs.vfat to mount a FAT image";
    std::string pattern = (fs::temp_directory_path() / "ordalis-fat-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const fs::path dir = pattern;
    const std::string image = (dir / "fat.img").string();
    const std::string mount = (dir / "mnt").string();
    fs::create_directory(mount);
    const std::string prepare = "truncate -s 4M '" + image + "' && mkfs.vfat '" + image +
                                "' >/dev/null 2>&1 && mount -o loop '" + image + "' '" + mount +
                                "' >/dev/null 2>&1";
    if (std::system(prepare.c_str()) != 0) {
        fs::remove_all(dir);
        GTEST_SKIP() << "this machine cannot loop-mount a FAT image";
    }
    const std::string file = mount + "/CLE.TXT";
    std::ofstream(file) << "x";
    std::uint32_t value = 0;
    EXPECT_FALSE(platform::setAttributes(file, 7));
    EXPECT_FALSE(platform::getAttributes(file, value));
    EXPECT_EQ(value, 7u);
    EXPECT_FALSE(platform::setAttributes(file, kArchive));
    EXPECT_FALSE(platform::getAttributes(file, value));
    EXPECT_EQ(value, kArchive);
    EXPECT_EQ(platform::setFileTimes(file, 0x01c1247752168400ULL, 0),
              std::errc::operation_not_supported);
    std::system(("umount '" + mount + "'").c_str());
    fs::remove_all(dir);
}

}  // namespace
}  // namespace ordalis
