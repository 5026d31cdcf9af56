// Reading a whole regular file on Linux. The status is read before the file
// is opened, and the open never waits (O_NONBLOCK), so that a pipe, device
// or socket is refused at once instead of holding the caller.
#include "core/fileerrors.h"
#include "core/platform/platform.h"

#include <sys/stat.h>
#include <fcntl.h>
#include <malloc.h>
#include <unistd.h>

#include <cerrno>

namespace ordalis::platform {

namespace {

std::error_code lastError()
{
    return {errno, std::generic_category()};
}

std::error_code kindOf(const struct stat& st)
{
    if (S_ISDIR(st.st_mode))
        return std::make_error_code(std::errc::is_a_directory);
    return S_ISREG(st.st_mode) ? std::error_code() : make_error_code(FileRefusal::NotRegularFile);
}

}  // namespace

std::error_code readRegularFile(const std::string& path, std::string& bytes)
{
    struct stat st{};
    if (::stat(path.c_str(), &st) != 0)
        return lastError();
    if (const std::error_code ec = kindOf(st))
        return ec;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return lastError();
    std::error_code ec = ::fstat(fd, &st) == 0 ? kindOf(st) : lastError();  // replaced since?
    bytes.clear();
    if (!ec)
        bytes.reserve(std::size_t(st.st_size));
    char buffer[1 << 16];
    while (!ec) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ec = n < 0 ? lastError() : std::error_code();
            break;
        }
        bytes.append(buffer, std::size_t(n));
    }
    ::close(fd);
    return ec;
}

void releaseFreedMemory()
{
    ::malloc_trim(0);
}

}  // namespace ordalis::platform
