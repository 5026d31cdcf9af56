// Size, last-write time and local time for the file search, on Windows.
#include "core/filetime_units.h"
#include "core/platform/platform.h"
#include "core/platform/win32/wide.h"

#include <windows.h>

#include <ctime>

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

// The C library's conversion, which follows the system's time zone; it
// fails for instants before 1970.
bool localTime(std::uint64_t fileTime, LocalFields& out)
{
    const auto instant = static_cast<std::time_t>(unixFromFileTime(fileTime).seconds);
    std::tm fields{};
    if (::localtime_s(&fields, &instant) != 0)
        return false;
    out = {fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday,
           fields.tm_hour, fields.tm_min, fields.tm_sec};
    return true;
}

}  // namespace ordalis::platform
