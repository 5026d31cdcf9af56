// Saving a file's content on Linux without losing anything else of it.
//
// A file that nothing else would miss is replaced: a new file beside it
// (O_EXCL, so no planted file or link is written through) takes its owner,
// group, mode and every extended attribute (the stored DOS record and the
// ACLs included), then the new bytes, is synced and renamed over it. Any
// other file (several links, another owner, a folder this user may not
// write in, an attribute that cannot be copied) is written in place, after
// its old content was copied aside and synced, so that a crash in the middle
// still leaves the old content on the disk in full.
#include "core/attributes.h"
#include "core/fileerrors.h"
#include "core/platform/platform.h"

#include <sys/stat.h>
#include <sys/xattr.h>
#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace ordalis::platform {

namespace {

std::atomic<void (*)(const char*)> stepHook = nullptr;

void step(const char* name)
{
    if (auto hook = stepHook.load())
        hook(name);
}

std::error_code lastError()
{
    return {errno, std::generic_category()};
}

// The folder part of a path, with its final slash; "" for a bare name.
std::string folderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The path a chain of links finally names, whether it exists or not (a link
// that leads nowhere names the file to create); the path itself when it is
// no link.
std::error_code finalTarget(const std::string& path, std::string& target)
{
    target = path;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st{};
        if (::lstat(target.c_str(), &st) != 0)
            return errno == ENOENT ? std::error_code() : lastError();
        if (!S_ISLNK(st.st_mode))
            return {};
        std::string link(std::size_t(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
        const ssize_t n = ::readlink(target.c_str(), link.data(), link.size());
        if (n < 0)
            return lastError();
        link.resize(std::size_t(n));
        target = link.starts_with('/') ? link : folderOf(target) + link;
    }
    return std::make_error_code(std::errc::too_many_symbolic_link_levels);
}

// Creates ".<name>.ordalis-N" in `folder` (the target's own, or another one)
// with `mode` less the umask, N the process number first, then random
// numbers; a name already taken, by a stale file or a planted link, is
// passed over, never opened. -1 on failure.
int createBeside(const std::string& folder, const std::string& target, std::string& temp, mode_t mode = 0600)
{
    const std::string name = target.substr(folderOf(target).size());
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto number = attempt == 0 ? static_cast<unsigned>(::getpid()) : random() % 1000000;
        temp = folder + "." + name + ".ordalis-" + std::to_string(number);
        const int fd = ::open(temp.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

std::error_code writeAt(int fd, std::string_view bytes, off_t offset)
{
    while (!bytes.empty()) {
        const ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return lastError();
        bytes.remove_prefix(std::size_t(n));
        offset += n;
    }
    return {};
}

std::error_code writeAndSync(int fd, std::string_view bytes)
{
    const std::error_code ec = writeAt(fd, bytes, 0);
    return ec ? ec : (::fsync(fd) == 0 ? std::error_code() : lastError());
}

// Makes a rename or a new name durable; a folder that cannot be synced is no failure.
void syncFolder(const std::string& folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Closes `fd`, and removes `temp` when `ec` says the save failed.
std::error_code finish(int fd, const std::string& temp, std::error_code ec)
{
    if (::close(fd) != 0 && !ec)
        ec = lastError();
    if (ec)
        ::unlink(temp.c_str());
    return ec;
}

std::error_code createNew(const std::string& target, std::string_view bytes)
{
    std::string temp;
    const int fd = createBeside(folderOf(target), target, temp, 0666);
    if (fd < 0)
        return lastError();
    std::error_code ec = writeAndSync(fd, bytes);
    step("temporary-written");
    if (!ec)
        ec = renameNoReplace(temp, target);
    if (!finish(fd, temp, ec))
        syncFolder(folderOf(target));
    return ec;
}

// Copies every extended attribute of `from` (ACLs and the DOS record
// included) to the open file `fd`; false when one cannot be read or set.
bool copyAttributes(const std::string& from, int fd)
{
    const ssize_t size = ::listxattr(from.c_str(), nullptr, 0);
    if (size <= 0)
        return size == 0 || errno == ENOTSUP;
    std::vector<char> names(std::size_t(size) + 256);
    const ssize_t listed = ::listxattr(from.c_str(), names.data(), names.size());
    if (listed < 0)
        return false;
    std::vector<char> value;
    for (const char* name = names.data(); name < names.data() + listed; name += std::strlen(name) + 1) {
        const ssize_t length = ::getxattr(from.c_str(), name, nullptr, 0);
        value.resize(std::size_t(length > 0 ? length : 0) + 1);
        const ssize_t read = length < 0 ? -1 : ::getxattr(from.c_str(), name, value.data(), value.size());
        if (read < 0 || ::fsetxattr(fd, name, value.data(), std::size_t(read), 0) != 0)
            return false;
    }
    return true;
}

// True when replacing the file loses nothing that copying cannot give back.
bool replaceable(const std::string& target, const struct stat& st)
{
    const std::string folder = folderOf(target);
    return st.st_nlink == 1 && st.st_uid == ::geteuid()
        && ::faccessat(AT_FDCWD, folder.empty() ? "." : folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

// Replaces the file with a new one that has all it had. `kept` is false, and
// nothing changed, when something of it cannot be given to the new one.
std::error_code replaceWithCopy(const std::string& target, const struct stat& st, std::string_view bytes,
                                bool& kept)
{
    std::string temp;
    const int fd = createBeside(folderOf(target), target, temp);
    if (fd < 0)
        return lastError();
    kept = ::fchown(fd, st.st_uid, st.st_gid) == 0 && ::fchmod(fd, st.st_mode & 07777) == 0
        && copyAttributes(target, fd);
    if (!kept) {
        finish(fd, temp, std::make_error_code(std::errc::operation_canceled));
        return {};
    }
    std::error_code ec = writeAndSync(fd, bytes);
    step("temporary-written");
    if (!ec && ::rename(temp.c_str(), target.c_str()) != 0)
        ec = lastError();
    if ((ec = finish(fd, temp, ec)))
        return ec;
    step("renamed");
    syncFolder(folderOf(target));
    return {};
}

std::error_code readAll(int fd, std::string& bytes)
{
    struct stat st{};
    if (::fstat(fd, &st) != 0)
        return lastError();
    bytes.resize(std::size_t(st.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pread(fd, bytes.data() + done, bytes.size() - done, off_t(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n == 0 ? std::make_error_code(std::errc::io_error) : lastError();
        done += std::size_t(n);
    }
    return {};
}

// A synced copy of `old` beside the target, or in /var/tmp (kept across
// restarts) when its folder takes no new file.
std::error_code copyAside(const std::string& target, std::string_view old, std::string& copy, int& fd)
{
    std::error_code ec;
    for (const std::string& folder : {folderOf(target), std::string("/var/tmp/")}) {
        fd = createBeside(folder, target, copy);
        ec = fd < 0 ? lastError() : writeAndSync(fd, old);
        if (!ec) {
            syncFolder(folder);
            return {};
        }
        if (fd >= 0)
            finish(fd, copy, ec);
    }
    fd = -1;
    return ec;
}

// Writes `bytes` over the file's content, in two halves around the step
// hook, and syncs it.
std::error_code overwrite(int fd, std::string_view bytes)
{
    const std::size_t half = bytes.size() / 2;
    std::error_code ec = writeAt(fd, bytes.substr(0, half), 0);
    step("half-written");
    if (!ec)
        ec = writeAt(fd, bytes.substr(half), off_t(half));
    if (!ec && ::ftruncate(fd, off_t(bytes.size())) != 0)
        ec = lastError();
    if (!ec && ::fsync(fd) != 0)
        ec = lastError();
    return ec;
}

// The old content goes to a copy first; a failed write puts it back, and
// the copy is removed only once the file holds one content in full.
std::error_code writeInPlace(const std::string& target, std::string_view bytes)
{
    const int fd = ::open(target.c_str(), O_RDWR | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return lastError();
    std::string old, copy;
    int copyFd = -1;
    std::error_code ec = readAll(fd, old);
    if (!ec)
        ec = copyAside(target, old, copy, copyFd);
    if (!ec) {
        step("copy-synced");
        ec = overwrite(fd, bytes);
        const bool whole = !ec || !overwrite(fd, old);
        // When the old content could not be put back either, the copy keeps it.
        finish(copyFd, whole ? copy : std::string(), whole ? std::make_error_code(std::errc::operation_canceled)
                                                             : std::error_code());
        if (!ec)
            step("written");
    }
    ::close(fd);
    return ec;
}

}  // namespace

void setSaveStepHook(void (*hook)(const char* step))
{
    stepHook = hook;
}

std::error_code saveFile(const std::string& path, std::string_view bytes)
{
    std::string target;
    if (const std::error_code ec = finalTarget(path, target))
        return ec;
    struct stat st{};
    if (::stat(target.c_str(), &st) != 0)
        return errno == ENOENT ? createNew(target, bytes) : lastError();
    if (S_ISDIR(st.st_mode))
        return std::make_error_code(std::errc::is_a_directory);
    if (!S_ISREG(st.st_mode))
        return FileRefusal::NotRegularFile;
    std::uint32_t attributes = 0;
    if (!getAttributes(target, attributes) && (attributes & kReadOnly))
        return FileRefusal::ReadOnlyAttribute;
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        return lastError();
    if (replaceable(target, st)) {
        bool kept = false;
        const std::error_code ec = replaceWithCopy(target, st, bytes, kept);
        if (kept || ec)
            return ec;
    }
    return writeInPlace(target, bytes);
}

std::error_code writeFileInPlace(const std::string& path, std::string_view bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return lastError();
    std::error_code ec = writeAt(fd, bytes, 0);
    if (!ec && ::fdatasync(fd) != 0)
        ec = lastError();
    if (::close(fd) != 0 && !ec)
        ec = lastError();
    return ec;
}

}  // namespace ordalis::platform
