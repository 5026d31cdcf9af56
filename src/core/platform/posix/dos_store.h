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

// The stored record of `path`; `record` stays empty when the file has none.
// A file system without user extended attributes gives
// errc::operation_not_supported.
std::error_code readDosRecord(const std::string& path, std::optional<DosRecord>& record);
// Stores `record`; with `onlyNew`, fails with errc::file_exists when the
// file already has a record.
std::error_code writeDosRecord(const std::string& path, const DosRecord& record,
                               bool onlyNew = false);

// True when `path` lies on a FAT volume.
bool isFatVolume(const std::string& path);
// The four attributes of a file on a FAT volume.
std::error_code getFatAttributes(const std::string& path, std::uint32_t& attributes);

// The stored attributes a file has when nothing is stored: archive for a
// regular file, none for anything else.
std::uint32_t defaultStoredAttributes(const struct stat& st);

// The four attributes of a file from its status, its stored attributes and
// its name: read-only when no one may write a non-folder or the stored bit
// says so; hidden when stored or the name begins with ".".
std::uint32_t combineAttributes(const std::string& path, const struct stat& st,
                                std::uint32_t stored);

inline std::error_code lastError()
{
    return {errno, std::generic_category()};
}

}  // namespace ordalis::platform::posix
