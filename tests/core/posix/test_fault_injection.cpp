// Failures from the outside world: a save into a folder where writing
// fails, onto a full disk or over a file that may not be replaced leaves the
// old file byte for byte and no temporary file; a file that vanishes between
// the listing and the command is a failure of that file only; a rename that
// changes only the letter case on a case-insensitive volume.
#include "core/attributes.h"
#include "core/fileworkers.h"
#include "core/platform/platform.h"
#include "core/renameplan.h"
#include "core/textfile.h"
#include "core/treewalk.h"

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace ordalis {
namespace {

namespace fs = std::filesystem;

const std::string kOld = "ancien contenu\r\nligne 2\r\n";

std::string read(const fs::path& path)
{
    std::ostringstream out;
    out << std::ifstream(path, std::ios::binary).rdbuf();
    return out.str();
}

std::set<std::string> names(const fs::path& folder)
{
    std::set<std::string> out;
    for (const auto& entry : fs::directory_iterator(folder))
        out.insert(entry.path().filename().string());
    return out;
}

// A private folder; a tmpfs of `size` bytes can be mounted on it.
class Folder {
public:
    Folder()
    {
        std::string pattern = (fs::temp_directory_path() / "ordalis-faults-XXXXXX").string();
        if (::mkdtemp(pattern.data()))
            path_ = pattern;
    }
    ~Folder()
    {
        if (mounted_)
            ::umount2(path_.c_str(), MNT_DETACH);
        std::system(("chattr -R -i '" + path_.string() + "' >/dev/null 2>&1").c_str());
        fs::remove_all(path_);
    }
    bool mountTmpfs(const std::string& options)
    {
        mounted_ = ::geteuid() == 0 && ::mount("ordalis-test", path_.c_str(), "tmpfs", 0, options.c_str()) == 0;
        return mounted_;
    }
    bool remountReadOnly()
    {
        return ::mount(nullptr, path_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }
    const fs::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    fs::path path_;
    bool mounted_ = false;
};

std::u16string bigText(std::size_t units)
{
    std::u16string text(units, u'x');
    for (std::size_t i = 79; i < units; i += 80)
        text[i] = u'\n';
    return text;
}

const TextFormat kCrLf{TextEncoding::Utf8, LineEnding::CrLf};

// The old file and nothing else, byte for byte.
void expectUntouched(const Folder& folder, const std::set<std::string>& expected)
{
    EXPECT_EQ(read(folder.file("texte.txt")), kOld);
    EXPECT_EQ(names(folder.path()), expected);
}

TEST(SaveFaults, ReadOnlyFolderKeepsTheOldFile)
{
    Folder folder;
    std::ofstream(folder.file("texte.txt"), std::ios::binary) << kOld;
    ::chmod(folder.path().c_str(), 0555);
    if (::geteuid() != 0) {
        EXPECT_TRUE(saveTextFile(folder.file("texte.txt"), u"nouveau", kCrLf));
    } else {
        // Root writes anywhere: the save runs in a child without privileges.
        ::chmod(folder.path().c_str(), 0555);
        ::chmod(folder.file("texte.txt").c_str(), 0666);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                ::_exit(2);
            ::_exit(saveTextFile(folder.file("texte.txt"), u"nouveau", kCrLf) == std::errc::permission_denied ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        if (WEXITSTATUS(status) == 2)
            GTEST_SKIP() << "cannot drop root privileges here";
        EXPECT_EQ(WEXITSTATUS(status), 0) << "the save did not fail with permission_denied";
    }
    ::chmod(folder.path().c_str(), 0700);
    expectUntouched(folder, {"texte.txt"});
}

TEST(SaveFaults, ReadOnlyVolumeKeepsTheOldFile)
{
    Folder folder;
    if (!folder.mountTmpfs("size=64k"))
        GTEST_SKIP() << "cannot mount a tmpfs here (needs root)";
    std::ofstream(folder.file("texte.txt"), std::ios::binary) << kOld;
    ASSERT_TRUE(folder.remountReadOnly());
    EXPECT_EQ(saveTextFile(folder.file("texte.txt"), u"nouveau", kCrLf), std::errc::read_only_file_system);
    expectUntouched(folder, {"texte.txt"});
}

TEST(SaveFaults, FullDiskKeepsTheOldFile)
{
    Folder folder;
    if (!folder.mountTmpfs("size=64k"))
        GTEST_SKIP() << "cannot mount a tmpfs here (needs root)";
    std::ofstream(folder.file("texte.txt"), std::ios::binary) << kOld;
    struct Row {
        const char* label;
        std::size_t units;  // of the text saved
        bool fillFirst;     // the disk is full before the save starts
    };
    const Row rows[] = {{"TextLargerThanTheDisk", 200 * 1024, false},
                        {"DiskAlreadyFull", 10, true}};
    for (const Row& row : rows) {
        if (row.fillFirst) {
            std::ofstream filler(folder.file("remplissage"), std::ios::binary);
            const std::string block(4096, 'z');
            for (int i = 0; i < 64 && filler.write(block.data(), block.size()); ++i) {
            }
        }
        const std::error_code ec = saveTextFile(folder.file("texte.txt"), bigText(row.units), kCrLf);
        EXPECT_TRUE(ec) << row.label;
        std::set<std::string> expected{"texte.txt"};
        if (row.fillFirst)
            expected.insert("remplissage");
        expectUntouched(folder, expected);
    }
}

TEST(SaveFaults, ImmutableTargetKeepsTheOldFile)
{
    Folder folder;
    std::ofstream(folder.file("texte.txt"), std::ios::binary) << kOld;
    // A file that may not be replaced: the immutable flag, where the file
    // system and the user may set it.
    if (std::system(("chattr +i '" + folder.file("texte.txt") + "' >/dev/null 2>&1").c_str()) != 0)
        GTEST_SKIP() << "cannot make a file immutable here (chattr +i)";
    EXPECT_EQ(saveTextFile(folder.file("texte.txt"), u"nouveau", kCrLf), std::errc::operation_not_permitted);
    expectUntouched(folder, {"texte.txt"});
}

TEST(VanishedFiles, RenamePlanGoesOnWithTheNextFile)
{
    Folder folder;
    for (const char* name : {"a.txt", "c.txt"})
        std::ofstream(folder.file(name)) << name;
    // b.txt was listed, then removed by someone else before the command.
    const std::vector<RenameOp> plan = {
        {0, "a.txt", "a.doc"}, {1, "b.txt", "b.doc"}, {2, "b.txt", "b.txt"}, {3, "c.txt", "c.doc"}};
    std::vector<std::size_t> progress;
    EXPECT_EQ(applyRenamePlan(folder.path().string(), plan, [&](std::size_t n) { progress.push_back(n); }), 2u);
    EXPECT_EQ(progress, (std::vector<std::size_t>{1, 2, 3, 4}));
    EXPECT_EQ(names(folder.path()), (std::set<std::string>{"a.doc", "c.doc"}));
}

TEST(VanishedFiles, TimesAndAttributesGoOnWithTheNextFile)
{
    Folder folder;
    for (const char* name : {"1.txt", "2.txt", "3.txt", "4.txt"})
        std::ofstream(folder.file(name)) << name;
    constexpr platform::FileTime kWrite = 126500240000000000ULL;  // 2001-11-12 07:33:20 UTC
    std::atomic<int> failures = 0;
    bool removed = false;
    FileWorkers workers(2);
    TreeWalk walk(folder.path().string());
    // The walk has listed the folder; the first file it hands over removes
    // another one, which the command then meets.
    while (stepOnWorkers(walk, workers, std::chrono::milliseconds(50), [&](const std::string& path) {
        if (!removed) {
            removed = true;
            const std::string victim = folder.file(fs::path(path).filename() == "3.txt" ? "2.txt" : "3.txt");
            fs::remove(victim);
        }
        return FileWorkers::Job([&failures, path] {
            const bool timesFailed = bool(platform::setFileTimes(path, 0, kWrite));
            const bool attributesFailed = bool(platform::setAttributes(path, kReadOnly));
            failures += timesFailed && attributesFailed ? 1 : 0;
        });
    })) {
    }
    workers.wait();
    EXPECT_EQ(failures.load(), 1);
    const auto left = names(folder.path());
    EXPECT_EQ(left.size(), 3u);
    for (const std::string& name : left) {
        platform::FileTimes times;
        ASSERT_FALSE(platform::getFileTimes(folder.file(name), times)) << name;
        EXPECT_EQ(times.write, kWrite) << name;
        struct stat st{};
        ::stat(folder.file(name).c_str(), &st);
        EXPECT_EQ(st.st_mode & 0222, 0u) << name;
    }
}

TEST(HardLinks, RenameOntoAnotherNameOfTheSameFileKeepsBoth)
{
    struct Row {
        const char* label;
        const char* other;  // the second name of the file a.txt
    };
    for (const Row row : {Row{"OtherName", "b.txt"}, Row{"OtherCase", "A.TXT"}}) {
        Folder folder;
        std::ofstream(folder.file("a.txt")) << "contenu";
        fs::create_hard_link(folder.file("a.txt"), folder.file(row.other));
        EXPECT_EQ(platform::renameNoReplace(folder.file("a.txt"), folder.file(row.other)), std::errc::file_exists)
            << row.label;
        EXPECT_EQ(applyRenamePlan(folder.path().string(), {{0, "a.txt", row.other}}), 0u) << row.label;
        EXPECT_EQ(names(folder.path()), (std::set<std::string>{"a.txt", row.other})) << row.label;
        EXPECT_EQ(read(folder.file("a.txt")), "contenu") << row.label;
    }
}

// A case-insensitive volume: a FAT image, else an ext4 image with a
// case-folding folder; both need root and the kernel's support.
class CaseInsensitiveVolume {
public:
    CaseInsensitiveVolume()
    {
        if (::geteuid() != 0)
            return;
        const std::string image = folder_.file("volume.img");
        mount_ = folder_.file("mnt");
        fs::create_directory(mount_);
        const std::string fat = "truncate -s 4M '" + image + "' && mkfs.vfat '" + image +
                                "' >/dev/null 2>&1 && mount -o loop '" + image + "' '" + mount_ + "' >/dev/null 2>&1";
        const std::string ext4 = "rm -f '" + image + "' && truncate -s 8M '" + image + "' && mkfs.ext4 -q -O casefold '" +
                                 image + "' >/dev/null 2>&1 && mount -o loop '" + image + "' '" + mount_ +
                                 "' >/dev/null 2>&1";
        if (std::system(fat.c_str()) == 0) {
            mounted_ = true;
            dir_ = mount_;
        } else if (std::system(ext4.c_str()) == 0) {
            mounted_ = true;
            dir_ = mount_ + "/ci";
            ok_ = std::system(("mkdir '" + dir_ + "' && chattr +F '" + dir_ + "' >/dev/null 2>&1").c_str()) == 0;
            return;
        }
        ok_ = mounted_;
    }
    ~CaseInsensitiveVolume()
    {
        if (mounted_)
            std::system(("umount '" + mount_ + "' >/dev/null 2>&1").c_str());
    }
    bool ok() const { return ok_; }
    const std::string& dir() const { return dir_; }

private:
    Folder folder_;
    std::string mount_, dir_;
    bool mounted_ = false;
    bool ok_ = false;
};

TEST(CaseInsensitive, CaseOnlyRenameChangesTheName)
{
    CaseInsensitiveVolume volume;
    if (!volume.ok())
        GTEST_SKIP() << "this machine can mount neither a FAT image nor a case-folding ext4 folder";
    std::ofstream(volume.dir() + "/photo.jpg") << "photo";
    std::ofstream(volume.dir() + "/autre.jpg") << "autre";
    EXPECT_FALSE(platform::renameNoReplace(volume.dir() + "/photo.jpg", volume.dir() + "/PHOTO.JPG"));
    EXPECT_EQ(platform::renameNoReplace(volume.dir() + "/autre.jpg", volume.dir() + "/Photo.jpg"),
              std::errc::file_exists);
    EXPECT_EQ(names(volume.dir()), (std::set<std::string>{"PHOTO.JPG", "autre.jpg"}));
    EXPECT_EQ(read(volume.dir() + "/PHOTO.JPG"), "photo");
}

}  // namespace
}  // namespace ordalis
