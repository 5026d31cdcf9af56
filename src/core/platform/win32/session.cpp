// What the program learns of its session on Windows: where to keep its
// state, its arguments, the paths of dropped files.
#include "core/paths.h"
#include "core/platform/platform.h"
#include "core/platform/win32/wide.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>

namespace ordalis::platform {

std::string userStateFolder()
{
    PWSTR folder = nullptr;
    std::string out;
    if (SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_DEFAULT, nullptr, &folder)))
        out = win32::narrow(folder);
    ::CoTaskMemFree(folder);
    return out;
}

std::vector<std::string> commandLineArguments(int argc, char** argv)
{
    // `argv` may have lost some arguments since the start (a toolkit takes
    // its own options out): a wide argument is kept when its ANSI spelling is
    // the next one left in `argv`.
    std::vector<std::string> out;
    int count = 0;
    LPWSTR* words = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!words)
        return out;
    int next = 1;
    for (int i = 1; i < count && next < argc; ++i) {
        const int n = ::WideCharToMultiByte(CP_ACP, 0, words[i], -1, nullptr, 0, nullptr, nullptr);
        std::string ansi(std::size_t(n > 0 ? n : 1), '\0');
        ::WideCharToMultiByte(CP_ACP, 0, words[i], -1, ansi.data(), n, nullptr, nullptr);
        if (ansi.c_str() == std::string_view(argv[next])) {
            out.push_back(win32::narrow(words[i]));
            ++next;
        }
    }
    ::LocalFree(words);
    return out;
}

std::string pathFromFileUrl(std::string_view host, std::string_view encodedPath)
{
    std::string path = percentDecoded(encodedPath);
    std::replace(path.begin(), path.end(), '/', '\\');
    if (!host.empty() && host != "localhost")
        return "\\\\" + std::string(host) + path;
    // "\C:\x" -> "C:\x"
    if (path.size() >= 3 && path[0] == '\\' && path[2] == ':')
        path.erase(0, 1);
    return path;
}

}  // namespace ordalis::platform
