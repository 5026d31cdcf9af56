// Directory listing on POSIX systems.
#include "core/platform/platform.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace ordalis::platform {

char separator()
{
    return '/';
}

namespace {

// Reads the entries of an open folder stream and closes it.
std::error_code readEntries(DIR* handle, std::vector<DirEntry>& out)
{
    const int dirFd = ::dirfd(handle);
    errno = 0;
    while (const dirent* entry = ::readdir(handle)) {
        const char* name = entry->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
            continue;
        DirEntry item;
        item.name = name;
        unsigned char type = entry->d_type;
        if (type == DT_UNKNOWN) {
            struct stat st{};
            if (::fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) == 0)
                type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISLNK(st.st_mode) ? DT_LNK
                     : S_ISREG(st.st_mode) ? DT_REG : DT_CHR;
        }
        item.isDirectory = type == DT_DIR;
        item.isSymlink = type == DT_LNK;
        item.isSpecial = type == DT_CHR || type == DT_BLK || type == DT_FIFO || type == DT_SOCK;
        out.push_back(std::move(item));
        errno = 0;
    }
    const int err = errno;
    ::closedir(handle);
    return err ? std::error_code(err, std::generic_category()) : std::error_code();
}

std::error_code lastError()
{
    return {errno, std::generic_category()};
}

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

}  // namespace

std::error_code listDirectory(const std::string& dir, std::vector<DirEntry>& out)
{
    out.clear();
    DIR* handle = ::opendir(dir.empty() ? "/" : dir.c_str());
    if (!handle)
        return lastError();
    return readEntries(handle, out);
}

OpenFolder::~OpenFolder()
{
    close();
}

OpenFolder::OpenFolder(OpenFolder&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

OpenFolder& OpenFolder::operator=(OpenFolder&& other) noexcept
{
    if (this != &other) {
        close();
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

std::error_code OpenFolder::open(const std::string& path, OpenFolder& out)
{
    out.close();
    out.fd_ = ::open(path.empty() ? "/" : path.c_str(), kFolderFlags);
    return out.fd_ < 0 ? lastError() : std::error_code();
}

std::error_code OpenFolder::openChild(const std::string& name, OpenFolder& out) const
{
    out.close();
    out.fd_ = ::openat(fd_, name.c_str(), kFolderFlags | O_NOFOLLOW);
    return out.fd_ < 0 ? lastError() : std::error_code();
}

std::error_code OpenFolder::list(std::vector<DirEntry>& out) const
{
    out.clear();
    const int copy = ::fcntl(fd_, F_DUPFD_CLOEXEC, 0);
    if (copy < 0)
        return lastError();
    DIR* handle = ::fdopendir(copy);
    if (!handle) {
        const std::error_code err = lastError();
        ::close(copy);
        return err;
    }
    ::rewinddir(handle);  // the copy shares its position with fd_
    return readEntries(handle, out);
}

bool OpenFolder::isOpen() const
{
    return fd_ >= 0;
}

void OpenFolder::close()
{
    if (fd_ >= 0)
        ::close(std::exchange(fd_, -1));
}

bool leadsToFolder(const std::string& path)
{
    struct stat st{};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool namesIgnoreCase(const std::string& folder, const std::vector<std::string>& names)
{
    const std::string prefix = folder.empty() || folder.back() != '/' ? folder + '/' : folder;
    for (const std::string& name : names) {
        std::string swapped = name;
        for (char& c : swapped)
            if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))
                c ^= 0x20;
        struct stat own{}, other{};
        if (swapped == name || ::lstat((prefix + name).c_str(), &own) != 0)
            continue;
        return ::lstat((prefix + swapped).c_str(), &other) == 0 && own.st_ino == other.st_ino
            && own.st_dev == other.st_dev;
    }
    return false;
}

}  // namespace ordalis::platform
