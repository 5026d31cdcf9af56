// File times and size on Windows.
#include "core/platform/platform.h"
#include "core/platform/win32/wide.h"

#include <windows.h>

namespace ordalis::platform {

namespace {

std::error_code lastError()
{
    return {static_cast<int>(::GetLastError()), std::system_category()};
}

FILETIME toFiletime(FileTime time)
{
    FILETIME ft{};
    ft.dwLowDateTime = static_cast<DWORD>(time & 0xFFFFFFFFu);
    ft.dwHighDateTime = static_cast<DWORD>(time >> 32);
    return ft;
}

FileTime fromFiletime(const FILETIME& ft)
{
    return (static_cast<FileTime>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle()
    {
        if (handle_ != INVALID_HANDLE_VALUE)
            ::CloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

}  // namespace

std::error_code getFileTimes(const std::string& path, FileTimes& out)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(win32::widen(path).c_str(), GetFileExInfoStandard, &data))
        return lastError();
    out.creation = fromFiletime(data.ftCreationTime);
    out.access = fromFiletime(data.ftLastAccessTime);
    out.write = fromFiletime(data.ftLastWriteTime);
    return {};
}

// A read-only file cannot be opened for writing, so it keeps its times.
std::error_code setFileTimes(const std::string& path, FileTime creation, FileTime write)
{
    const Handle file(::CreateFileW(win32::widen(path).c_str(), GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                    nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        if (::GetLastError() == ERROR_ACCESS_DENIED)
            return std::make_error_code(std::errc::permission_denied);
        return lastError();
    }
    const FILETIME creationTime = toFiletime(creation);
    const FILETIME writeTime = toFiletime(write);
    if (!::SetFileTime(file.get(), creation ? &creationTime : nullptr, nullptr,
                       write ? &writeTime : nullptr))
        return lastError();
    return {};
}

std::error_code fileSize(const std::string& path, std::uint64_t& size)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(win32::widen(path).c_str(), GetFileExInfoStandard, &data))
        return lastError();
    size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return {};
}

}  // namespace ordalis::platform
