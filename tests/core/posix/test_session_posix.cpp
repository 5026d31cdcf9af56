// Where the program keeps its state, and the paths it is given from outside.
#include "core/paths.h"
#include "core/platform/platform.h"

#include "../temp_dir.h"

#include <string>

#include <gtest/gtest.h>

namespace {

using ordalis::test::Env;
using ordalis::platform::pathFromFileUrl;
using ordalis::platform::userStateFolder;

TEST(Session, StateFolderFollowsXdgStateHomeOnlyWhenAbsolute)
{
    const Env home("HOME", "/home/claire");
    const std::pair<const char*, const char*> rows[] = {  // a relative one is ignored, as the standard asks
        {"/var/state/claire", "/var/state/claire"}, {"state", "/home/claire/.local/state"},
        {nullptr, "/home/claire/.local/state"}};
    for (const auto& [state, folder] : rows) {
        const Env env("XDG_STATE_HOME", state);
        EXPECT_EQ(userStateFolder(), folder) << (state ? state : "unset");
    }
}

TEST(Session, FileUrlsGiveTheBytesOfTheirPath)
{
    EXPECT_EQ(ordalis::percentDecoded("d%C3%A9p%e9%2"), "d\xC3\xA9p\xE9%2");
    EXPECT_EQ(ordalis::percentDecoded("100%%zz"), "100%%zz");
    EXPECT_EQ(pathFromFileUrl("", "/home/d%C3%A9p%E9/a%20b.jpg"), "/home/d\xC3\xA9p\xE9/a b.jpg");
    EXPECT_EQ(pathFromFileUrl("localhost", "/tmp/x"), "/tmp/x");
    EXPECT_EQ(pathFromFileUrl("serveur", "/tmp/x"), "");  // not a path of this machine
}

TEST(Session, ArgumentsAreTheBytesGiven)
{
    char program[] = "ordalis", folder[] = "/tmp/d\xE9p";
    char* argv[] = {program, folder, nullptr};
    EXPECT_EQ(ordalis::platform::commandLineArguments(2, argv), std::vector<std::string>{"/tmp/d\xE9p"});
}

}  // namespace
