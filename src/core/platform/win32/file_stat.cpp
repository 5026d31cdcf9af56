// Size and last-write time for the file search, on Windows (the local time
// is in local_time.cpp).
#include "core/platform/platform.h"
#include "core/platform/win32/wide.h"

#include <windows.h>

namespace ordalis::platform {

std::error_code fileStat(const std::string& dir, const std::string& name, FileStat& out)
{
    std::string path = dir;
    if (path.empty() || (path.back() != '\\' && path.back() != '/'))
        path.push_back('\\');
    path.append(name);
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(win32::widen(path).c_str(), GetFileExInfoStandard, &data))
        return {static_cast<int>(::GetLastError()), std::system_category()};
    out.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    out.write = (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32)
              | data.ftLastWriteTime.dwLowDateTime;
    out.isDirectory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    return {};
}

}  // namespace ordalis::platform
