// A private temporary folder on a file system that keeps user extended
// attributes; the tests of a fixture deriving from it are skipped elsewhere.
#pragma once

#include <gtest/gtest.h>
#include <sys/xattr.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

// File times the tests set and expect (100 ns since 1601, UTC).
inline constexpr std::uint64_t kTestCreation = 126422359440000000ULL;  // 2001-08-14 04:12:24
inline constexpr std::uint64_t kTestWrite = 126500240000000000ULL;     // 2001-11-12 07:33:20
inline constexpr std::uint64_t kTestLater = 126653280000000000ULL;     // 2002-05-08 10:40:00

class XattrFolder : public testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "ordalis-test-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        const std::string probe = (dir_ / "probe").string();
        std::ofstream(probe) << "x";
        if (::setxattr(probe.c_str(), "user.probe", "1", 1, 0) != 0)
            GTEST_SKIP() << "the temporary folder's file system keeps no user extended attributes";
    }
    void TearDown() override
    {
        namespace fs = std::filesystem;
        for (const auto& entry : fs::recursive_directory_iterator(dir_))
            if (!entry.is_symlink())
                fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir_);
    }

    std::filesystem::path dir_;
};
