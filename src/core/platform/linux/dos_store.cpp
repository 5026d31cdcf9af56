// The stored DOS record (`user.DOSATTRIB`), a FAT volume's own attributes,
// and the attributes derived from a file's status and name.
#include "core/platform/linux/dos_store.h"

#include "core/attributes.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <linux/msdos_fs.h>
#include <sys/ioctl.h>
#include <sys/statfs.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <array>
#include <vector>

namespace ordalis::platform::posix {

namespace {

constexpr const char* kDosAttribName = "user.DOSATTRIB";
constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;

ssize_t getDosAttrib(const FileRef& file, void* buffer, std::size_t size)
{
    if (file.fd >= 0)
        return ::fgetxattr(file.fd, kDosAttribName, buffer, size);
    return ::getxattr(file.path.c_str(), kDosAttribName, buffer, size);
}

// The value of a record larger than the first read expected; it may grow
// between the calls that size and read it.
std::error_code readLargeRecord(const FileRef& file, std::optional<DosRecord>& record)
{
    std::vector<std::uint8_t> large;
    ssize_t size = 0;
    do {
        size = getDosAttrib(file, nullptr, 0);
        if (size < 0)
            return errno == ENODATA ? std::error_code() : lastError();
        large.resize(static_cast<std::size_t>(size));
        size = getDosAttrib(file, large.data(), large.size());
    } while (size < 0 && errno == ERANGE);
    if (size < 0)
        return errno == ENODATA ? std::error_code() : lastError();
    record = decodeDosAttrib(std::span(large.data(), static_cast<std::size_t>(size)));
    return {};
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

}  // namespace

OpenedFile::OpenedFile(const std::string& path)
    : path_(path), fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK))
{
}

OpenedFile::~OpenedFile()
{
    if (fd_ >= 0)
        ::close(fd_);
}

std::error_code statFile(const FileRef& file, struct stat& st)
{
    const int result = file.fd >= 0 ? ::fstat(file.fd, &st) : ::stat(file.path.c_str(), &st);
    return result == 0 ? std::error_code() : lastError();
}

std::error_code readDosRecord(const FileRef& file, std::optional<DosRecord>& record)
{
    record.reset();
    std::array<std::uint8_t, 256> buffer{};
    const ssize_t size = getDosAttrib(file, buffer.data(), buffer.size());
    if (size >= 0) {
        record = decodeDosAttrib(std::span(buffer.data(), static_cast<std::size_t>(size)));
        return {};
    }
    if (errno == ENODATA)
        return {};
    if (errno != ERANGE)
        return lastError();
    return readLargeRecord(file, record);
}

std::error_code writeDosRecord(const FileRef& file, const DosRecord& record, bool onlyNew)
{
    const std::vector<std::uint8_t> value = encodeDosAttrib(record);
    const int flags = onlyNew ? XATTR_CREATE : 0;
    const int result =
        file.fd >= 0
            ? ::fsetxattr(file.fd, kDosAttribName, value.data(), value.size(), flags)
            : ::setxattr(file.path.c_str(), kDosAttribName, value.data(), value.size(), flags);
    return result == 0 ? std::error_code() : lastError();
}

bool isFatVolume(const FileRef& file)
{
    struct statfs info{};
    const int result =
        file.fd >= 0 ? ::fstatfs(file.fd, &info) : ::statfs(file.path.c_str(), &info);
    return result == 0 && info.f_type == MSDOS_SUPER_MAGIC;
}

std::error_code getFatAttributes(const FileRef& file, std::uint32_t& attributes)
{
    if (file.fd < 0) {
        const OpenedFile opened(file.path);
        if (opened.ref().fd < 0)
            return lastError();
        return getFatAttributes(opened.ref(), attributes);
    }
    std::uint32_t value = 0;
    if (::ioctl(file.fd, FAT_IOCTL_GET_ATTRIBUTES, &value) != 0)
        return lastError();
    attributes = value & kAttributeMask;
    return {};
}

std::uint32_t defaultStoredAttributes(const struct stat& st)
{
    return S_ISREG(st.st_mode) ? kArchive : 0;
}

bool isReadOnly(const struct stat& st, std::uint32_t stored)
{
    return (stored & kReadOnly) != 0 || (!S_ISDIR(st.st_mode) && (st.st_mode & kAnyWrite) == 0);
}

std::uint32_t combineAttributes(const std::string& path, const struct stat& st,
                                std::uint32_t stored)
{
    std::uint32_t attributes = stored & kAttributeMask;
    if (isReadOnly(st, stored))
        attributes |= kReadOnly;
    const std::string name = lastComponent(path);
    if (name.size() > 1 && name[0] == '.' && name != "..")
        attributes |= kHidden;
    return attributes;
}

}  // namespace ordalis::platform::posix
