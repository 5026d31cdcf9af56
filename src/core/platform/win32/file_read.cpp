// Reading a whole regular file on Windows; a device (a console, a pipe, a
// port) is refused before anything is read from it.
#include "core/fileerrors.h"
#include "core/platform/platform.h"
#include "core/platform/win32/wide.h"

#include <windows.h>

namespace ordalis::platform {

std::error_code readRegularFile(const std::string& path, std::string& bytes)
{
    const std::wstring wide = win32::widen(path);
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::make_error_code(std::errc::is_a_directory);
    const HANDLE file = ::CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {static_cast<int>(::GetLastError()), std::system_category()};
    std::error_code ec;
    if (::GetFileType(file) != FILE_TYPE_DISK)
        ec = FileRefusal::NotRegularFile;
    bytes.clear();
    char buffer[1 << 16];
    for (DWORD read = 1; !ec && read > 0;) {
        if (!::ReadFile(file, buffer, sizeof buffer, &read, nullptr))
            ec = {static_cast<int>(::GetLastError()), std::system_category()};
        else
            bytes.append(buffer, read);
    }
    ::CloseHandle(file);
    return ec;
}

void releaseFreedMemory()
{
    // The system's heap already gives large freed blocks back.
}

}  // namespace ordalis::platform
