// A private temporary folder on a file system that keeps user extended
// attributes; the tests of a fixture deriving from it are skipped elsewhere.
#pragma once

#include <gtest/gtest.h>
#include <sys/xattr.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

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
