// Where POSIX systems keep the DOS attributes and creation time of a file:
// the `user.DOSATTRIB` extended attribute, or a FAT volume's own directory
// entry. Shared by the attribute and the file time code of this folder.
//
// Linux only (extended attributes, statfs, the FAT ioctls). Symbolic links
// are followed: Linux keeps no user extended attributes on links, so a link
// reads and takes the attributes and times of its target.
#pragma once

#include "core/dosattrib.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdint>
#include <optional>
#include <string>
#include <system_error>

namespace ordalis::platform::posix {

// A file reached through a descriptor open on it when there is one (fd >= 0),
// else through its path. Calls through the descriptor spare a path lookup
// each and all reach the same file; their permission checks are those of
// the calls by path.
struct FileRef {
    FileRef(const std::string& filePath, int descriptor = -1) : path(filePath), fd(descriptor) {}

    const std::string& path;
    int fd;
};

// A descriptor open on `path` for the calls of this folder: read-only, never
// blocking (a FIFO without writer opens at once), never becoming the
// controlling terminal. A file that cannot be opened so (no read permission)
// leaves the descriptor at -1 and is reached by its path.
class OpenedFile {
public:
    explicit OpenedFile(const std::string& path);
    ~OpenedFile();
    OpenedFile(const OpenedFile&) = delete;
    OpenedFile& operator=(const OpenedFile&) = delete;

    FileRef ref() const { return {path_, fd_}; }

private:
    const std::string& path_;
    int fd_;
};

// The status of the file (links followed).
std::error_code statFile(const FileRef& file, struct stat& st);

// The stored record of the file; `record` stays empty when it has none.
// A file system without user extended attributes gives
// errc::operation_not_supported.
std::error_code readDosRecord(const FileRef& file, std::optional<DosRecord>& record);
// Stores `record`; with `onlyNew`, fails with errc::file_exists when the
// file already has a record.
std::error_code writeDosRecord(const FileRef& file, const DosRecord& record,
                               bool onlyNew = false);

// True when the file lies on a FAT volume.
bool isFatVolume(const FileRef& file);
// The four attributes of a file on a FAT volume.
std::error_code getFatAttributes(const FileRef& file, std::uint32_t& attributes);

// The stored attributes a file has when nothing is stored: archive for a
// regular file, none for anything else.
std::uint32_t defaultStoredAttributes(const struct stat& st);

// Read-only: no one may write a non-folder, or the stored bit says so.
bool isReadOnly(const struct stat& st, std::uint32_t stored);

// The four attributes of a file from its status, its stored attributes and
// its name: read-only as isReadOnly() says; hidden when stored or the name
// begins with ".".
std::uint32_t combineAttributes(const std::string& path, const struct stat& st,
                                std::uint32_t stored);

inline std::error_code lastError()
{
    return {errno, std::generic_category()};
}

}  // namespace ordalis::platform::posix
