// DOS attributes on Windows: the file system's own.
#include "core/attributes.h"
#include "core/platform/platform.h"
#include "core/platform/win32/wide.h"

#include <windows.h>

namespace ordalis::platform {

namespace {

std::error_code lastError()
{
    return {static_cast<int>(::GetLastError()), std::system_category()};
}

}  // namespace

// The whole mask the file system reports, other bits (folder, compressed...)
// included.
std::error_code getAttributes(const std::string& path, std::uint32_t& attributes)
{
    const DWORD value = ::GetFileAttributesW(win32::widen(path).c_str());
    if (value == INVALID_FILE_ATTRIBUTES)
        return lastError();
    attributes = value;
    return {};
}

std::error_code setAttributes(const std::string& path, std::uint32_t attributes)
{
    DWORD value = attributes & kAttributeMask;
    if (value == 0)
        value = FILE_ATTRIBUTE_NORMAL;
    if (!::SetFileAttributesW(win32::widen(path).c_str(), value))
        return lastError();
    return {};
}

}  // namespace ordalis::platform
