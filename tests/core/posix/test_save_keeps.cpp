// A save changes the content of a file and nothing else of it, refuses what
// it must not write, and at every moment leaves one content in full.
#include "core/attributes.h"
#include "core/fileerrors.h"
#include "core/platform/platform.h"
#include "core/textfile.h"

#include "../temp_dir.h"

#include <gtest/gtest.h>

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace ordalis {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

constexpr uid_t kUser = 65534;  // an ordinary user (and group) of every Debian system
const std::string kOld = "ancien contenu\nligne 2\n";
const std::u16string kNewText = u"nouveau";
const std::string kNew = "nouveau\n";
const TextFormat kLf{TextEncoding::Utf8, LineEnding::Lf};

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
        const test::TempDir dir("ordalis-keeps-");
        const std::string file = dir.put("texte.txt", kOld);
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

// Windows refuses a read-only file to the administrator too.
TEST(SaveKeeps, ReadOnlyAttributeRefusedToRoot)
{
    const test::TempDir dir("ordalis-keeps-");
    dir.put("texte.txt", kOld);
    ASSERT_FALSE(platform::setAttributes(dir.file("texte.txt"), kReadOnly));
    EXPECT_EQ(saveTextFile(dir.file("texte.txt"), kNewText, kLf), FileRefusal::ReadOnlyAttribute);
    EXPECT_EQ(dir.read("texte.txt"), kOld);
}

// Extended attributes (the stored DOS record among them), ACLs, mode, owner
// and links, whether the file is replaced or written in place.
TEST(SaveKeeps, EverythingButTheContent)
{
    for (const bool hardLink : {false, true}) {
        const test::TempDir dir("ordalis-keeps-");
        dir.put("texte.txt", kOld);
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
    const test::TempDir dir("ordalis-keeps-");
    dir.put("texte.txt", kOld);
    fs::create_symlink("texte.txt", dir.path() / "lien");
    fs::create_symlink("nouveau.txt", dir.path() / "pendant");
    ASSERT_EQ(::mkfifo(dir.file("tube").c_str(), 0644), 0);
    EXPECT_FALSE(saveTextFile(dir.file("lien"), kNewText, kLf));
    const mode_t umask = ::umask(027);
    EXPECT_FALSE(saveTextFile(dir.file("pendant"), kNewText, kLf));
    ::umask(umask);
    struct stat created{};
    ASSERT_EQ(::stat(dir.file("nouveau.txt").c_str(), &created), 0);
    EXPECT_EQ(created.st_mode & 07777, 0640u);  // as any new file: what the umask leaves of 0666
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
        const test::TempDir dir("ordalis-keeps-");
        dir.put("texte.txt", kOld);
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
        const test::TempDir dir("ordalis-crash-");
        dir.put("texte.txt", kOld);
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

}  // namespace
}  // namespace ordalis
