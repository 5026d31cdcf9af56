// Renaming without replacing, on Windows: MoveFileExW without
// MOVEFILE_REPLACE_EXISTING fails on an existing target. A rename that only
// changes the letter case of a name is a plain rename of the same entry.
#include "core/platform/platform.h"
#include "core/platform/win32/wide.h"

#include <windows.h>

namespace ordalis::platform {

std::error_code renameNoReplace(const std::string& from, const std::string& to)
{
    const std::wstring wideFrom = win32::widen(from);
    if (from == to) {
        if (::GetFileAttributesW(wideFrom.c_str()) == INVALID_FILE_ATTRIBUTES)
            return {static_cast<int>(::GetLastError()), std::system_category()};
        return {};
    }
    const std::wstring wideTo = win32::widen(to);
    if (::MoveFileExW(wideFrom.c_str(), wideTo.c_str(), 0))
        return {};
    const DWORD err = ::GetLastError();
    if (err == ERROR_ALREADY_EXISTS || err == ERROR_FILE_EXISTS)
        return std::make_error_code(std::errc::file_exists);
    return {static_cast<int>(err), std::system_category()};
}

}  // namespace ordalis::platform
