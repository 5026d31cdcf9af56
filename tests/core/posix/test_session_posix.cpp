// Where the program keeps its state, and the paths it is given from outside.
#include "core/paths.h"
#include "core/platform/platform.h"

#include <cstdlib>
#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace {

using ordalis::platform::pathFromFileUrl;
using ordalis::platform::userStateFolder;

// Sets (or, with nullopt, removes) an environment variable for one scope.
class Env {
public:
    Env(const char* name, std::optional<std::string> value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            saved_ = old;
        value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
    }
    ~Env() { saved_ ? ::setenv(name_, saved_->c_str(), 1) : ::unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> saved_;
};

TEST(Session, StateFolderFollowsXdgStateHomeOnlyWhenAbsolute)
{
    const Env home("HOME", "/home/claire");
    {
        const Env state("XDG_STATE_HOME", "/var/state/claire");
        EXPECT_EQ(userStateFolder(), "/var/state/claire");
    }
    {
        const Env state("XDG_STATE_HOME", "state");  // relative: ignored, as the standard asks
        EXPECT_EQ(userStateFolder(), "/home/claire/.local/state");
    }
    const Env state("XDG_STATE_HOME", std::nullopt);
    EXPECT_EQ(userStateFolder(), "/home/claire/.local/state");
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
