// Size, last-write time and local time for the file search, on POSIX systems.
#include "core/filetime_units.h"
#include "core/platform/platform.h"

#include <sys/stat.h>

#include <cerrno>
#include <ctime>

namespace ordalis::platform {

std::error_code fileStat(const std::string& dir, const std::string& name, FileStat& out)
{
    std::string path;
    path.reserve(dir.size() + 1 + name.size());
    path.append(dir);
    if (path.empty() || path.back() != '/')
        path.push_back('/');
    path.append(name);
    struct stat st{};
    if (::stat(path.c_str(), &st) != 0)
        return {errno, std::generic_category()};
    out.size = static_cast<std::uint64_t>(st.st_size);
    out.write = fileTimeFromUnix({st.st_mtim.tv_sec, st.st_mtim.tv_nsec});
    out.isDirectory = S_ISDIR(st.st_mode);
    return {};
}

bool localTime(std::uint64_t fileTime, LocalFields& out)
{
    const auto instant = static_cast<std::time_t>(unixFromFileTime(fileTime).seconds);
    std::tm fields{};
    if (!::localtime_r(&instant, &fields))
        return false;
    out = {fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday,
           fields.tm_hour, fields.tm_min, fields.tm_sec};
    return true;
}

}  // namespace ordalis::platform
