// The only operating-system-specific services of the program. Each OS has
// its own implementation folder (linux/, win32/), chosen by CMake. Paths are
// UTF-8 text with the platform's own separator; the Windows implementation
// converts them to wide strings.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace ordalis::platform {

// The separator of the platform's paths ('/' or '\\').
char separator();

// Renames `from` to `to` (both full paths). Never replaces an existing file:
// when `to` names another existing file the call fails with
// std::errc::file_exists and both files are left as they were. A rename that
// changes only the letter case of a name on a case-insensitive volume is not
// a collision.
std::error_code renameNoReplace(const std::string& from, const std::string& to);

struct DirEntry {
    std::string name;      // without the folder
    bool isDirectory = false;
    bool isSymlink = false;  // links are never followed by the walks
    bool isSpecial = false;  // device, pipe or socket: never opened by the file commands
};

// Lists the entries of `dir`, "." and ".." excluded, hidden and system
// entries included, in the order the file system returns them.
std::error_code listDirectory(const std::string& dir, std::vector<DirEntry>& out);

// What the file search reads of each found file: its size and last-write
// time (a file time, 100-nanosecond intervals since 1601-01-01 UTC), links
// followed, whether it is a folder (a link to a folder is one) and whether
// it is a regular file (a link to one is; a pipe, a device or a socket,
// or a link to one, is not).
struct FileStat {
    std::uint64_t size = 0;
    std::uint64_t write = 0;
    bool isDirectory = false;
    bool isRegular = false;
};
// The status of the entry `name` of the folder `dir` (`dir` as listDirectory
// takes it). Costs one status call, without the creation time lookup of
// getFileTimes.
std::error_code fileStat(const std::string& dir, const std::string& name, FileStat& out);

// A folder held open while a walk reads it: its entries, their statuses and
// its subfolders are reached relative to it, so that a folder lying deeper
// than the longest path the system takes in one call is read like any other
// (a descriptor on POSIX systems; on Windows the long-path form of its full
// path). Move-only; closed when destroyed.
class OpenFolder {
public:
    OpenFolder() = default;
    ~OpenFolder();
    OpenFolder(OpenFolder&& other) noexcept;
    OpenFolder& operator=(OpenFolder&& other) noexcept;
    OpenFolder(const OpenFolder&) = delete;
    OpenFolder& operator=(const OpenFolder&) = delete;

    // Opens the folder `path` (a link to a folder is followed).
    static std::error_code open(const std::string& path, OpenFolder& out);
    // Opens the subfolder `name` of this folder; a link is not followed.
    std::error_code openChild(const std::string& name, OpenFolder& out) const;
    // As listDirectory, for this folder.
    std::error_code list(std::vector<DirEntry>& out) const;
    // As fileStat, for the entry `name` of this folder (links followed).
    std::error_code stat(const std::string& name, FileStat& out) const;
    bool isOpen() const;
    void close();

private:
    int fd_ = -1;       // POSIX systems
    std::string path_;  // Windows: the folder's full path
};

// Reads the whole content of `path` when it is a regular file of at most
// `maxBytes` bytes, never waiting for a writer or a device: a pipe, a
// device, a socket or a folder (also behind a link) fails with
// std::errc::invalid_argument, a larger file with std::errc::file_too_large.
std::error_code readSmallFile(const std::string& path, std::size_t maxBytes, std::string& out);

// Calendar fields of an instant on the local clock.
struct LocalFields {
    int year = 0;
    int month = 0;  // 1 to 12
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};
// The local time of a file time, daylight saving included; false when the
// system cannot convert it. Safe to call from several threads at once.
bool localTime(std::uint64_t fileTime, LocalFields& out);

// A file time: 100-nanosecond intervals since 1601-01-01 UTC.
using FileTime = std::uint64_t;

// The file time of a local date and time (fields in their ranges), with the
// offset from UTC that the system's time zone gives that date, daylight
// saving included, before 1970 as after. A time skipped or repeated when the
// clocks change is read with one of the two offsets around the change, as
// the system chooses. nullopt when the system cannot convert the date or
// the instant lies before 1601-01-01 UTC. Safe to call from several threads
// at once.
std::optional<FileTime> localToFileTime(const LocalFields& local);

// File attributes as the 32-bit DOS mask: read-only 1, hidden 2, system 4,
// archive 32. On Windows they are the file system's own; on POSIX systems
// they come from the permission bits, the name and the stored DOS record.
std::error_code getAttributes(const std::string& path, std::uint32_t& attributes);
// Writes the four attributes of the mask (other bits are ignored).
std::error_code setAttributes(const std::string& path, std::uint32_t attributes);

struct FileTimes {
    FileTime creation = 0;
    FileTime access = 0;
    FileTime write = 0;
};

std::error_code getFileTimes(const std::string& path, FileTimes& out);
// Sets the creation and last-write times; a zero time leaves that time
// unchanged and the access time is never touched. A read-only file keeps its
// times: the call fails with std::errc::permission_denied.
std::error_code setFileTimes(const std::string& path, FileTime creation, FileTime write);

std::error_code fileSize(const std::string& path, std::uint64_t& size);

// True when `path` is a folder or a link that leads to one.
bool leadsToFolder(const std::string& path);

// Whether the volume of `folder` takes names in other letter cases for the
// same file (FAT, NTFS, most shares), found from `names`, some of the
// folder's entries; false when none of them can tell.
bool namesIgnoreCase(const std::string& folder, const std::vector<std::string>& names);

// Opens the system shell's own properties dialog for a file, without
// waiting for it. False where the system has no such dialog of its own (the
// desktop's file manager may still offer one).
bool showShellProperties(const std::string& path);

// Opens the system shell's own find-files window, without waiting for it.
// False where the system has none (only the Windows shell has one).
bool showShellFind();

// Starts playing a WAVE sound held in memory that stays valid while it
// plays, and returns at once; a machine without audio stays silent. False
// where the system has no player of its own (the window layer plays it).
bool playWave(std::string_view wave);

// Reads the whole content of a regular file. Anything else is refused
// without being opened for reading: a folder with std::errc::is_a_directory,
// a pipe, device or socket with FileRefusal::NotRegularFile, so that the
// call never waits for a writer.
std::error_code readRegularFile(const std::string& path, std::string& bytes);

// Hands the memory the program freed back to the system where the
// allocator would keep it: a thread of its own that read a large file
// keeps its freed buffers, which no other thread reuses.
void releaseFreedMemory();

// Writes `bytes` as the whole content of the file `path`, links followed (a
// link that leads nowhere creates the file it names). Only the content and
// the modification time change: an existing file keeps its identity (mode,
// owner and group, extended attributes and ACLs, hard links). At every
// moment the old content or the new one is on the disk in full: the bytes go
// to a temporary file beside it that is renamed over it when that loses
// nothing (on Linux: one link, owned by this user, folder writable, every
// extended attribute copied); otherwise the old content is first copied
// aside and synced, then the file is written in place, and the copy removed.
// Refused before anything is written: a file with the read-only attribute
// (FileRefusal::ReadOnlyAttribute, whoever runs the program), a folder, a
// pipe, device or socket (FileRefusal::NotRegularFile), a file this user may
// not write. On any failure the file keeps its old content and no temporary
// file or copy is left.
std::error_code saveFile(const std::string& path, std::string_view bytes);

// For tests of crash safety: `hook` is called between the steps of saveFile
// with the name of the step just done ("temporary-written", "renamed",
// "copy-synced", "half-written", "written"); null removes it.
void setSaveStepHook(void (*hook)(const char* step));

// Writes `bytes` as the whole content of the file `path` in place (created
// or truncated) and flushes it to the disk before returning: cheaper than
// saveFile, for files whose reader refuses a partial content.
std::error_code writeFileInPlace(const std::string& path, std::string_view bytes);

// The folder where a user's programs keep their state between runs (it may
// not exist yet): $XDG_STATE_HOME when it is an absolute path, else
// ~/.local/state; on Windows the user's local application data folder.
// Empty when the system names none.
std::string userStateFolder();

// The arguments left in `argv` (a toolkit may have taken its own options
// out), the program's name left out, as paths the other calls take. On
// Windows they are read again from the wide command line: `argv` holds them
// in the ANSI code page, which cannot spell every name.
std::vector<std::string> commandLineArguments(int argc, char** argv);

// The path that a file: URL names, from its host and its still
// percent-encoded path: "/home/d%C3%A9p%E9" gives the bytes "/home/d\xC3\xA9p\xE9"
// on Linux (a name need not be UTF-8); on Windows "/C:/Photos/a%20b.jpg"
// gives "C:\\Photos\\a b.jpg" and the host "srv" with "/share/x" gives
// "\\\\srv\\share\\x". Empty when the URL names no path of this system
// (a Linux URL with a host other than "localhost").
std::string pathFromFileUrl(std::string_view host, std::string_view encodedPath);

}  // namespace ordalis::platform
