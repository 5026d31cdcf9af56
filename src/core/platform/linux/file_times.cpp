// File times and size on POSIX systems. The modification and access times
// are the file system's; the creation time is the stored record's when it
// has one, else the file system's birth time, else the modification time.
#include "core/attributes.h"
#include "core/filetime_units.h"
#include "core/platform/platform.h"
#include "core/platform/linux/dos_store.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

namespace ordalis::platform {

using namespace posix;

namespace {

FileTime fromStatx(const struct statx_timestamp& t)
{
    return fileTimeFromUnix({t.tv_sec, t.tv_nsec});
}

timespec toTimespec(FileTime time)
{
    const UnixTime t = unixFromFileTime(time);
    timespec ts{};
    ts.tv_sec = static_cast<time_t>(t.seconds);
    ts.tv_nsec = static_cast<long>(t.nanoseconds);
    return ts;
}

// Sets the modification time, leaving the access time alone.
std::error_code setWriteTime(const FileRef& file, FileTime write)
{
    const timespec times[2] = {{0, UTIME_OMIT}, toTimespec(write)};
    const int result = file.fd >= 0 ? ::futimens(file.fd, times)
                                    : ::utimensat(AT_FDCWD, file.path.c_str(), times, 0);
    return result == 0 ? std::error_code() : lastError();
}

}  // namespace

std::error_code getFileTimes(const std::string& path, FileTimes& out)
{
    struct statx info{};
    const unsigned mask = STATX_ATIME | STATX_MTIME | STATX_BTIME;
    if (::statx(AT_FDCWD, path.c_str(), 0, mask, &info) != 0)
        return lastError();
    out.access = fromStatx(info.stx_atime);
    out.write = fromStatx(info.stx_mtime);
    std::optional<DosRecord> record;
    if (!readDosRecord(path, record) && record && record->creation != 0)
        out.creation = record->creation;
    else if (info.stx_mask & STATX_BTIME)
        out.creation = fromStatx(info.stx_btime);
    else
        out.creation = out.write;
    return {};
}

std::error_code setFileTimes(const std::string& path, FileTime creation, FileTime write)
{
    const OpenedFile opened(path);
    const FileRef file = opened.ref();
    struct stat st{};
    std::error_code ec = statFile(file, st);
    if (ec)
        return ec;
    std::optional<DosRecord> record;
    ec = readDosRecord(file, record);
    const bool keepsRecords = ec != std::errc::operation_not_supported;
    std::uint32_t stored = record ? record->attributes : defaultStoredAttributes(st);
    if (!keepsRecords)
        ec = isFatVolume(file) ? getFatAttributes(file, stored) : std::error_code();
    if (ec)
        return ec;
    if (isReadOnly(st, stored))
        return std::make_error_code(std::errc::permission_denied);
    if (write != 0 && (ec = setWriteTime(file, write)))
        return ec;
    if (creation == 0 || (record && record->creation == creation))
        return {};
    // A FAT entry holds a creation time, but Linux offers no way to set it.
    if (!keepsRecords)
        return std::make_error_code(std::errc::operation_not_supported);
    return writeDosRecord(file, {stored, creation});
}

std::error_code fileSize(const std::string& path, std::uint64_t& size)
{
    struct stat st{};
    if (::stat(path.c_str(), &st) != 0)
        return lastError();
    size = static_cast<std::uint64_t>(st.st_size);
    return {};
}

}  // namespace ordalis::platform
