// Renaming without replacing, on POSIX systems.
//
// Linux: renameat2 with RENAME_NOREPLACE, atomic. On a file system that lacks
// it: link + unlink, which fails on an existing target too. Only where hard
// links are not supported either: check, then rename.
#include "core/platform/platform.h"
#include "core/utf8.h"

#include <sys/stat.h>
#include <sys/syscall.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>

#ifndef RENAME_NOREPLACE
#define RENAME_NOREPLACE (1 << 0)
#endif

namespace ordalis::platform {

namespace {

std::error_code lastError()
{
    return {errno, std::generic_category()};
}

std::error_code fileExists()
{
    return std::make_error_code(std::errc::file_exists);
}

// Splits a path into its folder (with the separator) and its last name.
std::pair<std::string_view, std::string_view> splitLast(std::string_view path)
{
    const auto slash = path.rfind('/');
    const std::size_t cut = slash == std::string_view::npos ? 0 : slash + 1;
    return {path.substr(0, cut), path.substr(cut)};
}

bool equalNoCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(utf8::decode(a), utf8::decode(b),
                              [](char32_t x, char32_t y) { return utf8::fold(x) == utf8::fold(y); });
}

// True when `to` is `from` itself seen through a case-insensitive volume:
// same folder, names equal but for the letter case, same file on disk with a
// single link (two hard links whose names differ by case are two entries).
bool isCaseOnlyRename(const std::string& from, const std::string& to)
{
    const auto [fromDir, fromName] = splitLast(from);
    const auto [toDir, toName] = splitLast(to);
    if (fromDir != toDir || fromName == toName || !equalNoCase(fromName, toName))
        return false;
    struct stat a{};
    struct stat b{};
    return ::lstat(from.c_str(), &a) == 0 && ::lstat(to.c_str(), &b) == 0
        && a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_nlink == 1;
}

// Kernel rename with RENAME_NOREPLACE; ENOSYS where the call does not exist.
int renameExclusive(const std::string& from, const std::string& to)
{
#ifdef SYS_renameat2
    return static_cast<int>(::syscall(SYS_renameat2, AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(),
                                      RENAME_NOREPLACE));
#else
    (void)from;
    (void)to;
    errno = ENOSYS;
    return -1;
#endif
}

// A case-only rename goes through a temporary name: a case-insensitive
// volume takes both names for the same entry, and a direct rename would
// leave the name unchanged. The temporary name is never an existing file.
std::error_code renameCaseOnly(const std::string& from, const std::string& to)
{
    const std::string folder(splitLast(from).first);
    std::string temp;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = folder + ".ordalis-rename-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        struct stat st{};
        if (::lstat(temp.c_str(), &st) != 0 && errno == ENOENT)
            break;
        temp.clear();
    }
    if (temp.empty())
        return fileExists();
    if (::rename(from.c_str(), temp.c_str()) != 0)
        return lastError();
    if (::rename(temp.c_str(), to.c_str()) != 0) {
        const std::error_code err = lastError();
        ::rename(temp.c_str(), from.c_str());
        return err;
    }
    return {};
}

std::error_code onTargetExists(const std::string& from, const std::string& to)
{
    return isCaseOnlyRename(from, to) ? renameCaseOnly(from, to) : fileExists();
}

bool linkUnsupported(int err)
{
    return err == EPERM || err == EXDEV || err == ENOTSUP || err == EOPNOTSUPP || err == ENOSYS
        || err == EMLINK;
}

// Only for file systems with neither RENAME_NOREPLACE nor hard links; a file
// created between the check and the rename could still be replaced.
std::error_code checkThenRename(const std::string& from, const std::string& to)
{
    struct stat st{};
    if (::lstat(to.c_str(), &st) == 0)
        return onTargetExists(from, to);
    if (errno != ENOENT)
        return lastError();
    return ::rename(from.c_str(), to.c_str()) == 0 ? std::error_code() : lastError();
}

std::error_code linkThenUnlink(const std::string& from, const std::string& to)
{
    if (::link(from.c_str(), to.c_str()) != 0) {
        const int err = errno;
        if (err == EEXIST)
            return onTargetExists(from, to);
        if (linkUnsupported(err))
            return checkThenRename(from, to);
        return {err, std::generic_category()};
    }
    if (::unlink(from.c_str()) != 0) {
        const std::error_code err = lastError();
        ::unlink(to.c_str());
        return err;
    }
    return {};
}

}  // namespace

std::error_code renameNoReplace(const std::string& from, const std::string& to)
{
    if (from == to) {
        struct stat st{};
        return ::lstat(from.c_str(), &st) == 0 ? std::error_code() : lastError();
    }
    if (renameExclusive(from, to) == 0)
        return {};
    const int err = errno;
    if (err == EEXIST)
        return onTargetExists(from, to);
    if (err == EINVAL || err == ENOSYS)
        return linkThenUnlink(from, to);
    return {err, std::generic_category()};
}

}  // namespace ordalis::platform
