// Size, last-write time, local time and icon bytes for the file search, on
// POSIX systems.
#include "core/filetime_units.h"
#include "core/platform/platform.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

namespace ordalis::platform {

namespace {

// Reads until the end of the file, at most `maxBytes` bytes (its size when
// it was checked: a file that grows meanwhile is cut there).
std::error_code readAll(int fd, std::size_t maxBytes, std::string& out)
{
    out.resize(maxBytes);
    std::size_t done = 0;
    while (done < maxBytes) {
        const ssize_t n = ::read(fd, out.data() + done, maxBytes - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return {errno, std::generic_category()};
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    out.resize(done);
    return {};
}

void fillStat(const struct stat& st, FileStat& out)
{
    out.size = static_cast<std::uint64_t>(st.st_size);
    out.write = fileTimeFromUnix({st.st_mtim.tv_sec, st.st_mtim.tv_nsec});
    out.isDirectory = S_ISDIR(st.st_mode);
    out.isRegular = S_ISREG(st.st_mode);
}

}  // namespace

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
    fillStat(st, out);
    return {};
}

std::error_code OpenFolder::stat(const std::string& name, FileStat& out) const
{
    struct stat st{};
    if (::fstatat(fd_, name.c_str(), &st, 0) != 0)
        return {errno, std::generic_category()};
    fillStat(st, out);
    return {};
}

// Opened without waiting (a pipe has no writer to wait for), then checked
// on the descriptor itself, so that what is read is what was checked.
std::error_code readSmallFile(const std::string& path, std::size_t maxBytes, std::string& out)
{
    out.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return {errno, std::generic_category()};
    struct stat st{};
    std::error_code err;
    if (::fstat(fd, &st) != 0)
        err = {errno, std::generic_category()};
    else if (!S_ISREG(st.st_mode))
        err = std::make_error_code(std::errc::invalid_argument);
    else if (static_cast<std::uint64_t>(st.st_size) > maxBytes)
        err = std::make_error_code(std::errc::file_too_large);
    else
        err = readAll(fd, static_cast<std::size_t>(st.st_size), out);
    ::close(fd);
    return err;
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
