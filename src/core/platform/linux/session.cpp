// What the program learns of its session on Linux: where to keep its
// state, its arguments, the paths of dropped files.
#include "core/paths.h"
#include "core/platform/platform.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace ordalis::platform {

std::string userStateFolder()
{
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state && state[0] == '/')
        return state;
    const char* home = std::getenv("HOME");
    if (!home || !home[0]) {
        const passwd* user = ::getpwuid(::getuid());
        home = user ? user->pw_dir : nullptr;
    }
    if (!home || !home[0])
        return {};
    return joinPath(home, ".local/state", '/');
}

std::vector<std::string> commandLineArguments(int argc, char** argv)
{
    // The arguments are the bytes the caller gave, names that are not
    // UTF-8 included.
    std::vector<std::string> out;
    for (int i = 1; i < argc; ++i)
        out.emplace_back(argv[i]);
    return out;
}

std::string pathFromFileUrl(std::string_view host, std::string_view encodedPath)
{
    if (!host.empty() && host != "localhost")
        return {};
    return percentDecoded(encodedPath);
}

}  // namespace ordalis::platform
