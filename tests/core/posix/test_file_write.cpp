#include "core/platform/platform.h"
#include "core/textfile.h"

#include "../temp_dir.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace ordalis {
namespace {

namespace fs = std::filesystem;

class FileWrite : public ::testing::Test {
protected:
    void TearDown() override
    {
        ::chmod(dir_.c_str(), 0700);
        fs::remove_all(dir_);
    }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    void put(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }

    std::string bytesOf(const std::string& name) const
    {
        std::ifstream in(dir_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    std::size_t entries() const
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
    }

    fs::path dir_ = test::makeTempDir("ordalis-filewrite-");
};

TEST_F(FileWrite, KeepsPermissionBits)
{
    put("t.txt", "old");
    ASSERT_EQ(::chmod(path("t.txt").c_str(), 0640), 0);
    ASSERT_FALSE(platform::writeFileReplacing(path("t.txt"), "new"));
    struct stat st{};
    ASSERT_EQ(::stat(path("t.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(bytesOf("t.txt"), "new");
}

TEST_F(FileWrite, ThroughALinkReplacesTheFileItLeadsTo)
{
    put("real.txt", "old");
    fs::create_symlink("real.txt", dir_ / "link.txt");
    ASSERT_FALSE(platform::writeFileReplacing(path("link.txt"), "new"));
    EXPECT_TRUE(fs::is_symlink(dir_ / "link.txt"));
    EXPECT_EQ(bytesOf("real.txt"), "new");
    EXPECT_EQ(entries(), 2u);
}

// The write itself fails half way (file size limit): the old file stays whole.
TEST_F(FileWrite, WriteErrorKeepsTheOldFile)
{
    put("t.txt", "old content\n");
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 4096;
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::error_code ec = platform::writeFileReplacing(path("t.txt"), std::string(100000, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_TRUE(ec);
    EXPECT_EQ(bytesOf("t.txt"), "old content\n");
    EXPECT_EQ(entries(), 1u);
}

TEST_F(FileWrite, ReadOnlyFolder)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser writes into read-only folders";
    put("t.txt", "old");
    ASSERT_EQ(::chmod(dir_.c_str(), 0500), 0);
    EXPECT_TRUE(platform::writeFileReplacing(path("t.txt"), "new"));
    EXPECT_EQ(bytesOf("t.txt"), "old");
    EXPECT_EQ(entries(), 1u);
}

TEST_F(FileWrite, NoLineBreakSeenWritesLf)
{
    ASSERT_FALSE(saveTextFile(path("t.txt"), u"a\nb", {TextEncoding::Utf8, LineEnding::None}));
    EXPECT_EQ(bytesOf("t.txt"), "a\nb\n");
}

}  // namespace
}  // namespace ordalis
