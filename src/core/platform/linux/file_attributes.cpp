// DOS attributes on POSIX systems: the permission bits for read-only, the
// name for hidden, and the stored record (or a FAT volume's own attributes)
// for the rest.
#include "core/attributes.h"
#include "core/platform/platform.h"
#include "core/platform/linux/dos_store.h"

#include <linux/msdos_fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace ordalis::platform {

namespace posix {

namespace {

constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;

// The process's file creation mask, read without changing it.
mode_t currentUmask()
{
    if (std::FILE* status = std::fopen("/proc/self/status", "re")) {
        char line[256];
        unsigned mask = 0;
        bool found = false;
        while (!found && std::fgets(line, sizeof line, status))
            found = std::sscanf(line, "Umask: %o", &mask) == 1;
        std::fclose(status);
        if (found)
            return static_cast<mode_t>(mask);
    }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

// The permission bits that carry `readOnly`. Setting it removes every write
// bit; clearing it from a file no one may write gives back the owner's write
// bit, and group/other write where they may read, less the umask. Folders
// keep their permissions: read-only is only stored for them.
mode_t modeFor(const struct stat& st, bool readOnly)
{
    const mode_t mode = st.st_mode & 07777;
    if (S_ISDIR(st.st_mode))
        return mode;
    if (readOnly)
        return mode & ~kAnyWrite;
    if (mode & kAnyWrite)
        return mode;
    const mode_t othersWrite = ((mode & (S_IRGRP | S_IROTH)) >> 1) & ~currentUmask();
    return mode | S_IWUSR | othersWrite;
}

std::error_code setFatAttributes(const std::string& path, std::uint32_t attributes)
{
    const OpenedFile file(path);
    const int fd = file.ref().fd;
    if (fd < 0)
        return lastError();
    std::uint32_t current = 0;
    if (::ioctl(fd, FAT_IOCTL_GET_ATTRIBUTES, &current) != 0)
        return lastError();
    std::uint32_t wanted = (current & ~kAttributeMask) | attributes;
    if (wanted != current && ::ioctl(fd, FAT_IOCTL_SET_ATTRIBUTES, &wanted) != 0)
        return lastError();
    return {};
}

// Stores `attributes`, keeping a stored creation time. Most files have no
// record yet, so creating one is tried before reading one.
std::error_code storeAttributes(const std::string& path, std::uint32_t attributes)
{
    std::error_code ec = writeDosRecord(path, {attributes, 0}, true);
    if (ec != std::errc::file_exists)
        return ec;
    std::optional<DosRecord> stored;
    if ((ec = readDosRecord(path, stored)))
        return ec;
    const DosRecord record{attributes, stored ? stored->creation : 0};
    if (stored == record)
        return {};
    return writeDosRecord(path, record);
}

}  // namespace

}  // namespace posix

std::error_code getAttributes(const std::string& path, std::uint32_t& attributes)
{
    using namespace posix;
    struct stat st{};
    if (::stat(path.c_str(), &st) != 0)
        return lastError();
    std::optional<DosRecord> stored;
    std::error_code ec = readDosRecord(path, stored);
    std::uint32_t bits = stored ? stored->attributes : defaultStoredAttributes(st);
    if (ec == std::errc::operation_not_supported) {
        ec = isFatVolume(path) ? getFatAttributes(path, bits) : std::error_code();
    }
    if (ec)
        return ec;
    attributes = combineAttributes(path, st, bits);
    return {};
}

std::error_code setAttributes(const std::string& path, std::uint32_t attributes)
{
    using namespace posix;
    attributes &= kAttributeMask;
    struct stat st{};
    if (::stat(path.c_str(), &st) != 0)
        return lastError();
    const mode_t mode = st.st_mode & 07777;
    const mode_t wanted = modeFor(st, (attributes & kReadOnly) != 0);
    const bool owner = st.st_uid == ::geteuid() || ::geteuid() == 0;
    if (wanted != mode && !owner)  // change nothing rather than half
        return std::make_error_code(std::errc::operation_not_permitted);
    std::error_code ec = storeAttributes(path, attributes);
    if (ec == std::errc::operation_not_supported && isFatVolume(path))
        return setFatAttributes(path, attributes);
    bool restoreMode = false;
    if (ec == std::errc::permission_denied && owner) {
        // User attributes need read and write access to the file itself.
        if (::chmod(path.c_str(), mode | S_IRUSR | S_IWUSR) == 0) {
            restoreMode = true;
            ec = storeAttributes(path, attributes);
        }
    }
    if ((restoreMode || wanted != mode) && ::chmod(path.c_str(), wanted) != 0 && !ec)
        ec = lastError();
    return ec;
}

}  // namespace ordalis::platform
