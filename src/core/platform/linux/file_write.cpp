// Replacing a file's content safely on POSIX systems: a new file beside the
// target (created with O_EXCL, so the umask applies to a new target), all
// bytes written and fsync'ed, then rename(), which replaces the target in
// one step. A link as target is followed: the file it leads to is replaced.
#include "core/platform/platform.h"

#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <random>
#include <string>

namespace ordalis::platform {

namespace {

std::error_code lastError()
{
    return {errno, std::generic_category()};
}

// The file a link leads to; the path itself when it is no link.
std::string resolvedTarget(const std::string& path)
{
    struct stat st{};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
        return path;
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

// Creates ".<name>.ordalis-XXXXXX" in the target's folder; -1 on failure.
int createTemporary(const std::string& target, std::string& temp)
{
    const auto slash = target.rfind('/');
    const std::size_t cut = slash == std::string::npos ? 0 : slash + 1;
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = target.substr(0, cut) + "." + target.substr(cut) + ".ordalis-" + std::to_string(random() % 1000000);
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

std::error_code writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return lastError();
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return ::fsync(fd) == 0 ? std::error_code() : lastError();
}

// An existing target's permissions (and, where allowed, owner) pass to the
// new file.
std::error_code keepPermissions(int fd, const std::string& target)
{
    struct stat st{};
    if (::stat(target.c_str(), &st) != 0)
        return errno == ENOENT ? std::error_code() : lastError();
    // A user who may not give the file away becomes its owner: no failure.
    [[maybe_unused]] const bool ownerKept = ::fchown(fd, st.st_uid, st.st_gid) == 0;
    return ::fchmod(fd, st.st_mode & 07777) == 0 ? std::error_code() : lastError();
}

// Makes the rename itself durable; a folder that cannot be synced is no failure.
void syncFolder(const std::string& target)
{
    const auto slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

std::error_code writeFileReplacing(const std::string& path, std::string_view bytes)
{
    const std::string target = resolvedTarget(path);
    std::string temp;
    const int fd = createTemporary(target, temp);
    if (fd < 0)
        return lastError();
    std::error_code ec = keepPermissions(fd, target);
    if (!ec)
        ec = writeAll(fd, bytes);
    if (::close(fd) != 0 && !ec)
        ec = lastError();
    if (!ec && ::rename(temp.c_str(), target.c_str()) != 0)
        ec = lastError();
    if (ec) {
        ::unlink(temp.c_str());
        return ec;
    }
    syncFolder(target);
    return {};
}

std::error_code writeFileInPlace(const std::string& path, std::string_view bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return lastError();
    std::error_code ec = writeAll(fd, bytes);
    if (!ec && ::fdatasync(fd) != 0)
        ec = lastError();
    if (::close(fd) != 0 && !ec)
        ec = lastError();
    return ec;
}

}  // namespace ordalis::platform
