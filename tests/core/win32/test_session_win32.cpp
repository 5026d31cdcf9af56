// Where the program keeps its state on Windows, and the paths it is given from outside.
#include "core/platform/platform.h"

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using ordalis::platform::commandLineArguments;
using ordalis::platform::pathFromFileUrl;

TEST(SessionWin32, StateFolderIsAnExistingLocalFolder)
{
    const std::string folder = ordalis::platform::userStateFolder();
    ASSERT_GE(folder.size(), 3u);
    EXPECT_EQ(folder.substr(1, 2), ":\\");
    EXPECT_TRUE(ordalis::platform::leadsToFolder(folder));
}

TEST(SessionWin32, FileUrlsGiveWindowsPaths)
{
    EXPECT_EQ(pathFromFileUrl("", "/C:/Photos/d%C3%A9p%C3%B4t/a%20b.jpg"), "C:\\Photos\\d\xC3\xA9p\xC3\xB4t\\a b.jpg");
    EXPECT_EQ(pathFromFileUrl("", "/C:/"), "C:\\");
    EXPECT_EQ(pathFromFileUrl("serveur", "/partage/x.txt"), "\\\\serveur\\partage\\x.txt");
}

// The arguments are read again from the wide command line; those a toolkit took out of argv stay out.
TEST(SessionWin32, ArgumentsFollowWhatArgvKept)
{
    std::vector<std::string> given(__argv + 1, __argv + __argc);
    EXPECT_EQ(commandLineArguments(__argc, __argv), given);
    if (__argc < 3)
        GTEST_SKIP() << "needs two arguments or more";
    char* last[] = {__argv[0], __argv[__argc - 1], nullptr};
    EXPECT_EQ(commandLineArguments(2, last), std::vector<std::string>{given.back()});
}

}  // namespace
