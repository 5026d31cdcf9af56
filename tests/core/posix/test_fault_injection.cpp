// A failed save leaves the old file byte for byte and no temporary; a vanished file fails alone.
#include "core/attributes.h"
#include "core/fileworkers.h"
#include "core/platform/platform.h"
#include "core/renameplan.h"
#include "core/textfile.h"
#include "core/treewalk.h"

#include "../temp_dir.h"

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace ordalis {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

const std::string kOld = "ancien contenu\r\nligne 2\r\n";
const TextFormat kCrLf{TextEncoding::Utf8, LineEnding::CrLf};

// A private folder holding texte.txt; a tmpfs can be mounted on it first.
class Folder : public test::TempDir {
public:
    explicit Folder(const char* tmpfsOptions = nullptr) : TempDir("ordalis-faults-")
    {
        if (tmpfsOptions)
            mounted_ = ::geteuid() == 0 && ::mount("ordalis-test", path().c_str(), "tmpfs", 0, tmpfsOptions) == 0;
        put("texte.txt", kOld);
    }
    ~Folder()
    {
        if (mounted_)
            ::umount2(path().c_str(), MNT_DETACH);
        std::system(("chattr -R -i '" + path().string() + "' >/dev/null 2>&1").c_str());
    }
    bool mounted() const { return mounted_; }
    // The old file and nothing else, byte for byte.
    void expectUntouched(const Names& expected = {"texte.txt"}) const
    {
        EXPECT_EQ(read("texte.txt"), kOld);
        EXPECT_EQ(names(), expected);
    }

private:
    bool mounted_ = false;
};

// A disk too small for the new content, a full one, then one mounted read-only.
TEST(SaveFaults, FullOrReadOnlyVolumeKeepsTheOldFile)
{
    Folder folder("size=64k");
    if (!folder.mounted())
        GTEST_SKIP() << "cannot mount a tmpfs here (needs root)";
    EXPECT_TRUE(saveTextFile(folder.file("texte.txt"), std::u16string(200 * 1024, u'x'), kCrLf));  // above the size
    folder.expectUntouched();
    folder.put("remplissage", std::string(64 * 4096, 'z'));  // the disk is full before the save starts
    EXPECT_TRUE(saveTextFile(folder.file("texte.txt"), u"court", kCrLf));
    folder.expectUntouched({"remplissage", "texte.txt"});
    ASSERT_EQ(::mount(nullptr, folder.path().c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
    EXPECT_EQ(saveTextFile(folder.file("texte.txt"), u"nouveau", kCrLf), std::errc::read_only_file_system);
    folder.expectUntouched({"remplissage", "texte.txt"});
}

TEST(SaveFaults, ImmutableTargetKeepsTheOldFile)
{
    Folder folder;
    if (std::system(("chattr +i '" + folder.file("texte.txt") + "' >/dev/null 2>&1").c_str()) != 0)
        GTEST_SKIP() << "cannot make a file immutable here (chattr +i)";
    EXPECT_EQ(saveTextFile(folder.file("texte.txt"), u"nouveau", kCrLf), std::errc::operation_not_permitted);
    folder.expectUntouched();
}

TEST(VanishedFiles, RenamePlanGoesOnWithTheNextFile)
{
    const Folder folder;
    for (const char* name : {"a.txt", "c.txt"})
        folder.put(name);
    // b.txt was listed, then removed by someone else before the command.
    const std::vector<RenameOp> plan = {
        {0, "a.txt", "a.doc"}, {1, "b.txt", "b.doc"}, {2, "b.txt", "b.txt"}, {3, "c.txt", "c.doc"}};
    std::vector<std::size_t> progress;
    EXPECT_EQ(applyRenamePlan(folder.path().string(), plan, [&](std::size_t n) { progress.push_back(n); }), 2u);
    EXPECT_EQ(progress, (std::vector<std::size_t>{1, 2, 3, 4}));
    EXPECT_EQ(folder.names(), (Names{"a.doc", "c.doc", "texte.txt"}));
}

TEST(VanishedFiles, TimesAndAttributesGoOnWithTheNextFile)
{
    const Folder folder;
    for (const char* name : {"1.txt", "2.txt", "3.txt"})
        folder.put(name);
    constexpr platform::FileTime kWrite = 126500240000000000ULL;  // 2001-11-12 07:33:20 UTC
    std::atomic<int> failures = 0;
    bool removed = false;
    FileWorkers workers(2);
    TreeWalk walk(folder.path().string());
    // Once the folder is listed, the first file handed over removes another.
    while (walk.step(std::chrono::milliseconds(50), [&](const std::string& path) {
        if (!removed) {
            removed = true;
            fs::remove(folder.file(fs::path(path).filename() == "3.txt" ? "2.txt" : "3.txt"));
        }
        workers.post([&failures, path] {
            const bool timesFailed = bool(platform::setFileTimes(path, 0, kWrite));
            const bool attributesFailed = bool(platform::setAttributes(path, kReadOnly));
            failures += timesFailed && attributesFailed ? 1 : 0;
        });
    })) {
    }
    workers.wait();
    EXPECT_EQ(failures.load(), 1);
    EXPECT_EQ(folder.names().size(), 3u);
    for (const std::string& name : folder.names()) {
        platform::FileTimes times;
        ASSERT_FALSE(platform::getFileTimes(folder.file(name), times)) << name;
        EXPECT_EQ(times.write, kWrite) << name;
    }
}

// Renaming onto another name of the same file (hard link, other case) is refused; both names stay.
TEST(HardLinks, RenameOntoAnotherNameOfTheSameFileKeepsBoth)
{
    for (const char* other : {"b.txt", "TEXTE.TXT"}) {
        const Folder folder;
        fs::create_hard_link(folder.file("texte.txt"), folder.file(other));
        EXPECT_EQ(platform::renameNoReplace(folder.file("texte.txt"), folder.file(other)), std::errc::file_exists);
        EXPECT_EQ(applyRenamePlan(folder.path().string(), {{0, "texte.txt", other}}), 0u) << other;
        folder.expectUntouched(Names{other, "texte.txt"});
    }
}

// A case-insensitive volume: a FAT image (needs root and the kernel's support).
TEST(CaseInsensitive, CaseOnlyRenameChangesTheName)
{
    const Folder folder;
    const std::string image = folder.file("volume.img"), dir = folder.file("mnt");
    fs::create_directory(dir);
    if (::geteuid() != 0 || std::system(("truncate -s 4M '" + image + "' && mkfs.vfat '" + image +
                                         "' >/dev/null 2>&1 && mount -o loop '" + image + "' '" + dir + "' 2>/dev/null")
                                            .c_str()) != 0)
        GTEST_SKIP() << "this machine cannot mount a FAT image";
    test::writeFile(dir + "/photo.jpg", "photo");
    test::writeFile(dir + "/autre.jpg", "autre");
    EXPECT_FALSE(platform::renameNoReplace(dir + "/photo.jpg", dir + "/PHOTO.JPG"));
    EXPECT_EQ(platform::renameNoReplace(dir + "/autre.jpg", dir + "/Photo.jpg"), std::errc::file_exists);
    EXPECT_EQ(test::namesIn(dir), (Names{"PHOTO.JPG", "autre.jpg"}));
    EXPECT_EQ(test::readFile(dir + "/PHOTO.JPG"), "photo");
    ::umount2(dir.c_str(), MNT_DETACH);
}

}  // namespace
}  // namespace ordalis
