// DOS attributes on POSIX systems: the permission bits for read-only, the
// name for hidden, and the stored record (or a FAT volume's own attributes)
// for the rest.
#include "core/attributes.h"
#include "core/platform/platform.h"
#include "core/platform/posix/dos_store.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <linux/msdos_fs.h>
#include <sys/ioctl.h>
#include <sys/statfs.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <vector>

namespace ordalis::platform {

namespace posix {

namespace {

constexpr const char* kDosAttribName = "user.DOSATTRIB";
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

std::string lastComponent(const std::string& path)
{
    std::size_t end = path.find_last_not_of('/');
    if (end == std::string::npos)
        return {};
    const std::size_t slash = path.rfind('/', end);
    const std::size_t begin = slash == std::string::npos ? 0 : slash + 1;
    return path.substr(begin, end + 1 - begin);
}

class FileDescriptor {
public:
    explicit FileDescriptor(const std::string& path)
        : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK))
    {
    }
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

std::error_code setFatAttributes(const std::string& path, std::uint32_t attributes)
{
    const FileDescriptor file(path);
    if (file.get() < 0)
        return lastError();
    std::uint32_t current = 0;
    if (::ioctl(file.get(), FAT_IOCTL_GET_ATTRIBUTES, &current) != 0)
        return lastError();
    std::uint32_t wanted = (current & ~kAttributeMask) | attributes;
    if (wanted != current && ::ioctl(file.get(), FAT_IOCTL_SET_ATTRIBUTES, &wanted) != 0)
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

std::error_code readDosRecord(const std::string& path, std::optional<DosRecord>& record)
{
    record.reset();
    std::array<std::uint8_t, 256> buffer{};
    ssize_t size = ::getxattr(path.c_str(), kDosAttribName, buffer.data(), buffer.size());
    if (size >= 0) {
        record = decodeDosAttrib(std::span(buffer.data(), static_cast<std::size_t>(size)));
        return {};
    }
    if (errno == ENODATA)
        return {};
    if (errno != ERANGE)
        return lastError();
    std::vector<std::uint8_t> large;
    do {  // the value may grow between the two calls
        size = ::getxattr(path.c_str(), kDosAttribName, nullptr, 0);
        if (size < 0)
            return errno == ENODATA ? std::error_code() : lastError();
        large.resize(static_cast<std::size_t>(size));
        size = ::getxattr(path.c_str(), kDosAttribName, large.data(), large.size());
    } while (size < 0 && errno == ERANGE);
    if (size < 0)
        return errno == ENODATA ? std::error_code() : lastError();
    record = decodeDosAttrib(std::span(large.data(), static_cast<std::size_t>(size)));
    return {};
}

std::error_code writeDosRecord(const std::string& path, const DosRecord& record, bool onlyNew)
{
    const std::vector<std::uint8_t> value = encodeDosAttrib(record);
    const int flags = onlyNew ? XATTR_CREATE : 0;
    if (::setxattr(path.c_str(), kDosAttribName, value.data(), value.size(), flags) != 0)
        return lastError();
    return {};
}

bool isFatVolume(const std::string& path)
{
    struct statfs info{};
    return ::statfs(path.c_str(), &info) == 0 && info.f_type == MSDOS_SUPER_MAGIC;
}

std::error_code getFatAttributes(const std::string& path, std::uint32_t& attributes)
{
    const FileDescriptor file(path);
    if (file.get() < 0)
        return lastError();
    std::uint32_t value = 0;
    if (::ioctl(file.get(), FAT_IOCTL_GET_ATTRIBUTES, &value) != 0)
        return lastError();
    attributes = value & kAttributeMask;
    return {};
}

std::uint32_t defaultStoredAttributes(const struct stat& st)
{
    return S_ISREG(st.st_mode) ? kArchive : 0;
}

std::uint32_t combineAttributes(const std::string& path, const struct stat& st,
                                std::uint32_t stored)
{
    std::uint32_t attributes = stored & kAttributeMask;
    if (!S_ISDIR(st.st_mode) && (st.st_mode & kAnyWrite) == 0)
        attributes |= kReadOnly;
    const std::string name = lastComponent(path);
    if (name.size() > 1 && name[0] == '.' && name != "..")
        attributes |= kHidden;
    return attributes;
}

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
