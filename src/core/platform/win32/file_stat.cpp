// Size, last-write time and icon bytes for the file search, on Windows (the local time
// is in local_time.cpp).
#include "core/platform/platform.h"
#include "core/platform/win32/wide.h"

#include <windows.h>

namespace ordalis::platform {

std::error_code fileStat(const std::string& dir, const std::string& name, FileStat& out)
{
    std::string path = dir;
    if (path.empty() || (path.back() != '\\' && path.back() != '/'))
        path.push_back('\\');
    path.append(name);
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(win32::longPath(path).c_str(), GetFileExInfoStandard, &data))
        return {static_cast<int>(::GetLastError()), std::system_category()};
    out.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    out.write = (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32)
              | data.ftLastWriteTime.dwLowDateTime;
    out.isDirectory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    out.isRegular = !out.isDirectory && (data.dwFileAttributes & FILE_ATTRIBUTE_DEVICE) == 0;
    return {};
}

// Only a file on a disk is read: a pipe or a device could make the read wait.
std::error_code readSmallFile(const std::string& path, std::size_t maxBytes, std::string& out)
{
    out.clear();
    HANDLE file = ::CreateFileW(win32::longPath(path).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {static_cast<int>(::GetLastError()), std::system_category()};
    std::error_code err;
    LARGE_INTEGER size{};
    if (::GetFileType(file) != FILE_TYPE_DISK)
        err = std::make_error_code(std::errc::invalid_argument);
    else if (!::GetFileSizeEx(file, &size))
        err = {static_cast<int>(::GetLastError()), std::system_category()};
    else if (static_cast<std::uint64_t>(size.QuadPart) > maxBytes)
        err = std::make_error_code(std::errc::file_too_large);
    else {
        out.resize(static_cast<std::size_t>(size.QuadPart));
        std::size_t done = 0;
        for (DWORD n = 0; done < out.size(); done += n) {
            if (!::ReadFile(file, out.data() + done, static_cast<DWORD>(out.size() - done), &n, nullptr)) {
                err = {static_cast<int>(::GetLastError()), std::system_category()};
                break;
            }
            if (n == 0)
                break;
        }
        out.resize(done);
    }
    ::CloseHandle(file);
    return err;
}

}  // namespace ordalis::platform
