// Saves and renames on a real file system. A save changes the content of a
// file and nothing else of it, refuses what it must not write, and at every
// moment leaves one content in full; a failed save leaves the old file byte
// for byte and no temporary; a vanished file fails alone.
#include "core/attributes.h"
#include "core/fileerrors.h"
#include "core/platform/platform.h"
#include "core/renameplan.h"
#include "core/textfile.h"

#include "../temp_dir.h"

#include <gtest/gtest.h>

#include <grp.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ordalis {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

constexpr uid_t kUser = 65534;  // an ordinary user (and group) of every Debian system
const std::string kOld = "ancien contenu\r\nligne 2\r\n";
const std::u16string kNewText = u"nouveau";
const std::string kNew = "nouveau\n";
const TextFormat kLf{TextEncoding::Utf8, LineEnding::Lf};

// A private folder holding texte.txt; a tmpfs can be mounted on it first.
class Folder : public test::TempDir {
public:
    explicit Folder(const char* tmpfsOptions = nullptr) : TempDir("ordalis-files-")
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

// Runs `body` in a child process that dropped root for the ordinary user;
// its verdict, or nothing when root cannot be dropped here.
std::optional<bool> asOrdinaryUser(const std::function<bool()>& body)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(kUser) != 0 || ::setuid(kUser) != 0))
            ::_exit(2);
        ::_exit(::geteuid() == 0 ? 2 : body() ? 0 : 1);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) == 2)
        return std::nullopt;
    return WEXITSTATUS(status) == 0;
}

std::string xattr(const std::string& path, const char* name)
{
    char value[4096];
    const ssize_t n = ::getxattr(path.c_str(), name, value, sizeof value);
    return n < 0 ? "(none)" : std::string(value, std::size_t(n));
}

struct stat statOf(const std::string& path)
{
    struct stat st{};
    ::stat(path.c_str(), &st);
    return st;
}

// As an ordinary user: what is refused keeps its old content, what may be
// written is saved with its owner and group unchanged.
TEST(SaveKeeps, OrdinaryUserCases)
{
    struct Row { const char* name; uid_t folderOwner; mode_t folderMode; uid_t fileOwner; gid_t fileGroup;
                 mode_t fileMode; std::error_code expected; };
    const Row rows[] = {
        {"protected 0444 in own folder", kUser, 0755, kUser, kUser, 0444, FileRefusal::ReadOnlyAttribute},
        {"another user's file", 0, 0777, 0, 0, 0644, std::make_error_code(std::errc::permission_denied)},
        {"writable file, folder not", 0, 0755, kUser, kUser, 0644, {}},
        {"group-writable file of another", 0, 0755, 0, kUser, 0664, {}},
    };
    for (const Row& row : rows) {
        const Folder dir;
        const std::string file = dir.file("texte.txt");
        ::chown(dir.path().c_str(), row.folderOwner, row.folderOwner);
        ::chmod(dir.path().c_str(), row.folderMode);
        ::chown(file.c_str(), row.fileOwner, row.fileGroup);
        ::chmod(file.c_str(), row.fileMode);
        const std::optional<bool> verdict =
            asOrdinaryUser([&] { return saveTextFile(file, kNewText, kLf) == row.expected; });
        if (!verdict)
            GTEST_SKIP() << "cannot drop root privileges here";
        EXPECT_TRUE(*verdict) << row.name;
        EXPECT_EQ(test::readFile(file), row.expected ? kOld : kNew) << row.name;
        const struct stat st = statOf(file);
        EXPECT_EQ(st.st_uid, row.fileOwner) << row.name;
        EXPECT_EQ(st.st_gid, row.fileGroup) << row.name;
        EXPECT_EQ(st.st_mode & 07777, row.fileMode) << row.name;
        ::chmod(dir.path().c_str(), 0755);
        EXPECT_EQ(test::namesIn(dir.path()), Names{"texte.txt"}) << row.name;
    }
}

// Extended attributes (the stored DOS record among them), ACLs, mode, owner
// and links, whether the file is replaced or written in place.
TEST(SaveKeeps, EverythingButTheContent)
{
    for (const bool hardLink : {false, true}) {
        const Folder dir;
        const std::string file = dir.file("texte.txt");
        ASSERT_FALSE(platform::setAttributes(file, kHidden | kSystem));
        ASSERT_FALSE(platform::setFileTimes(file, 126500240000000000ULL, 0));  // a creation time
        ASSERT_EQ(::setxattr(file.c_str(), "user.autre", "valeur", 6, 0), 0);
        const bool acl = std::system(("setfacl -m u:65534:r '" + file + "' 2>/dev/null").c_str()) == 0;
        ::chown(file.c_str(), 0, kUser);
        ::chmod(file.c_str(), 0640);
        if (hardLink)
            fs::create_hard_link(file, dir.path() / "lien-dur.txt");
        const std::string dosRecord = xattr(file, "user.DOSATTRIB"), aclValue = xattr(file, "system.posix_acl_access");
        const struct stat before = statOf(file);

        ASSERT_EQ(saveTextFile(file, kNewText, kLf), std::error_code()) << hardLink;
        EXPECT_EQ(dir.read("texte.txt"), kNew);
        EXPECT_EQ(xattr(file, "user.DOSATTRIB"), dosRecord) << hardLink;
        EXPECT_EQ(xattr(file, "user.autre"), "valeur") << hardLink;
        if (acl) {
            EXPECT_EQ(xattr(file, "system.posix_acl_access"), aclValue) << hardLink;
        }
        const struct stat after = statOf(file);
        EXPECT_EQ(after.st_mode, before.st_mode) << hardLink;
        EXPECT_EQ(after.st_gid, gid_t(kUser)) << hardLink;
        EXPECT_EQ(after.st_nlink, before.st_nlink) << hardLink;
        if (hardLink) {
            EXPECT_EQ(after.st_ino, before.st_ino);
            EXPECT_EQ(dir.read("lien-dur.txt"), kNew);
        }
        EXPECT_EQ(dir.names().size(), hardLink ? 2u : 1u);
    }
}

// A link is followed, a dangling one included (the file it names is
// created); a pipe is refused at once, read or written.
TEST(SaveKeeps, LinksFollowedPipesRefused)
{
    const Folder dir;
    fs::create_symlink("texte.txt", dir.path() / "lien");
    fs::create_symlink("nouveau.txt", dir.path() / "pendant");
    ASSERT_EQ(::mkfifo(dir.file("tube").c_str(), 0644), 0);
    EXPECT_FALSE(saveTextFile(dir.file("lien"), kNewText, kLf));
    const mode_t umask = ::umask(027);
    EXPECT_FALSE(saveTextFile(dir.file("pendant"), kNewText, kLf));
    ::umask(umask);
    EXPECT_EQ(statOf(dir.file("nouveau.txt")).st_mode & 07777, 0640u);  // as any new file: the umask taken off 0666
    EXPECT_EQ(saveTextFile(dir.file("tube"), kNewText, kLf), FileRefusal::NotRegularFile);
    DecodedText read;
    EXPECT_EQ(readTextFile(dir.file("tube"), read), FileRefusal::NotRegularFile);
    EXPECT_EQ(dir.read("texte.txt"), kNew);
    EXPECT_EQ(dir.read("nouveau.txt"), kNew);
    EXPECT_TRUE(fs::is_symlink(dir.path() / "lien") && fs::is_symlink(dir.path() / "pendant"));
    EXPECT_TRUE(fs::is_fifo(dir.path() / "tube"));
    EXPECT_EQ(dir.names(), (Names{"lien", "nouveau.txt", "pendant", "texte.txt", "tube"}));
}

// A stale file or a planted link at the name the save tries first for its
// temporary file or its copy is passed over: nothing is written through it.
TEST(SaveKeeps, TakenTemporaryNamesPassedOver)
{
    for (const bool inPlace : {false, true}) {
        const Folder dir;
        dir.put("victime.txt", "intacte");
        if (inPlace)
            fs::create_hard_link(dir.path() / "texte.txt", dir.path() / "lien-dur.txt");
        const std::string first = ".texte.txt.ordalis-" + std::to_string(::getpid());
        fs::create_symlink(dir.path() / "victime.txt", dir.path() / first);
        ASSERT_EQ(saveTextFile(dir.file("texte.txt"), kNewText, kLf), std::error_code()) << inPlace;
        EXPECT_EQ(dir.read("texte.txt"), kNew) << inPlace;
        EXPECT_EQ(dir.read("victime.txt"), "intacte") << inPlace;
        EXPECT_TRUE(fs::is_symlink(dir.path() / first)) << inPlace;
        fs::remove(dir.path() / first);
        dir.put(first, "ancien temporaire");
        ASSERT_EQ(saveTextFile(dir.file("texte.txt"), u"encore", kLf), std::error_code()) << inPlace;
        EXPECT_EQ(dir.read(first), "ancien temporaire") << inPlace;
        EXPECT_EQ(dir.names().size(), inPlace ? 4u : 3u) << inPlace;
    }
}

const char* crashStep = nullptr;

// A crash (the process ends at once) after each step of a save leaves the
// old or the new content in full: in the file, or, while the file is being
// written in place, in the copy beside it.
TEST(SaveKeeps, CrashBetweenStepsLeavesOneWholeContent)
{
    // inPlace: a second link keeps the file from being replaced; expected: "old", "new" or "copy" (the old
    // content in the copy beside the file).
    struct Row { bool inPlace; const char* step; const char* expected; };
    const Row rows[] = {
        {false, "temporary-written", "old"}, {false, "renamed", "new"},
        {true, "copy-synced", "old"},        {true, "half-written", "copy"},
        {true, "written", "new"},
    };
    const std::string big = std::string(100000, 'n');
    for (const Row& row : rows) {
        const Folder dir;
        if (row.inPlace)
            fs::create_hard_link(dir.path() / "texte.txt", dir.path() / "lien-dur.txt");
        crashStep = row.step;
        const pid_t child = ::fork();
        if (child == 0) {
            platform::setSaveStepHook([](const char* step) {
                if (std::strcmp(step, crashStep) == 0)
                    ::_exit(0);
            });
            platform::saveFile(dir.file("texte.txt"), big);
            ::_exit(3);  // the step never came
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_EQ(WEXITSTATUS(status), 0) << row.step;
        const std::string expected = row.expected;
        if (expected == "copy") {
            EXPECT_NE(dir.read("texte.txt"), kOld) << row.step;
            ASSERT_EQ(dir.names().size(), 3u) << row.step;
            EXPECT_EQ(dir.read(dir.names()[0]), kOld) << row.step;  // ".texte.txt.ordalis-…" sorts first
        } else {
            EXPECT_EQ(dir.read("texte.txt"), expected == "new" ? big : kOld) << row.step;
        }
    }
}

// A disk too small for the new content, a full one, then one mounted read-only.
TEST(SaveFaults, FullOrReadOnlyVolumeKeepsTheOldFile)
{
    Folder folder("size=64k");
    if (!folder.mounted())
        GTEST_SKIP() << "cannot mount a tmpfs here (needs root)";
    EXPECT_TRUE(saveTextFile(folder.file("texte.txt"), std::u16string(200 * 1024, u'x'), kLf));  // above the size
    folder.expectUntouched();
    folder.put("remplissage", std::string(64 * 4096, 'z'));  // the disk is full before the save starts
    EXPECT_TRUE(saveTextFile(folder.file("texte.txt"), u"court", kLf));
    folder.expectUntouched({"remplissage", "texte.txt"});
    ASSERT_EQ(::mount(nullptr, folder.path().c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
    EXPECT_EQ(saveTextFile(folder.file("texte.txt"), u"nouveau", kLf), std::errc::read_only_file_system);
    folder.expectUntouched({"remplissage", "texte.txt"});
}

TEST(SaveFaults, ImmutableTargetKeepsTheOldFile)
{
    Folder folder;
    if (std::system(("chattr +i '" + folder.file("texte.txt") + "' >/dev/null 2>&1").c_str()) != 0)
        GTEST_SKIP() << "cannot make a file immutable here (chattr +i)";
    EXPECT_EQ(saveTextFile(folder.file("texte.txt"), u"nouveau", kLf), std::errc::operation_not_permitted);
    folder.expectUntouched();
}

// b.txt was listed, then removed by someone else before the command: its times, attributes and rename fail alone,
// and nothing is created in its place.
TEST(VanishedFiles, EachCommandGoesOnWithTheNextFile)
{
    const Folder folder;
    for (const char* name : {"a.txt", "c.txt"})
        folder.put(name);
    constexpr platform::FileTime kWrite = 126500240000000000ULL;  // 2001-11-12 07:33:20 UTC
    for (const std::string name : {"a.txt", "b.txt", "c.txt"}) {
        EXPECT_EQ(bool(platform::setFileTimes(folder.file(name), 0, kWrite)), name == "b.txt") << name;
        EXPECT_EQ(bool(platform::setAttributes(folder.file(name), kReadOnly)), name == "b.txt") << name;
    }
    const std::vector<RenameOp> plan = {
        {0, "a.txt", "a.doc"}, {1, "b.txt", "b.doc"}, {2, "b.txt", "b.txt"}, {3, "c.txt", "c.doc"}};
    std::vector<std::size_t> progress;
    EXPECT_EQ(applyRenamePlan(folder.path().string(), plan, [&](std::size_t n) { progress.push_back(n); }), 2u);
    EXPECT_EQ(progress, (std::vector<std::size_t>{1, 2, 3, 4}));
    EXPECT_EQ(folder.names(), (Names{"a.doc", "c.doc", "texte.txt"}));
    platform::FileTimes times;
    ASSERT_FALSE(platform::getFileTimes(folder.file("c.doc"), times));
    EXPECT_EQ(times.write, kWrite);
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
