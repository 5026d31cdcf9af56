// Directory listing on POSIX systems.
#include "core/platform/platform.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace ordalis::platform {

char separator()
{
    return '/';
}

std::error_code listDirectory(const std::string& dir, std::vector<DirEntry>& out)
{
    out.clear();
    DIR* handle = ::opendir(dir.empty() ? "/" : dir.c_str());
    if (!handle)
        return {errno, std::generic_category()};
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

bool leadsToFolder(const std::string& path)
{
    struct stat st{};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace ordalis::platform
