// Directory listing on Windows.
#include "core/platform/platform.h"
#include "core/platform/win32/wide.h"

#include <windows.h>

namespace ordalis::platform {

char separator()
{
    return '\\';
}

std::error_code listDirectory(const std::string& dir, std::vector<DirEntry>& out)
{
    out.clear();
    std::wstring pattern = win32::widen(dir);
    if (!pattern.empty() && pattern.back() != L'\\')
        pattern.push_back(L'\\');
    pattern += L"*";
    WIN32_FIND_DATAW data{};
    HANDLE handle = ::FindFirstFileW(pattern.c_str(), &data);
    if (handle == INVALID_HANDLE_VALUE)
        return {static_cast<int>(::GetLastError()), std::system_category()};
    do {
        const std::wstring name = data.cFileName;
        if (name == L"." || name == L"..")
            continue;
        DirEntry item;
        item.name = win32::narrow(name);
        item.isDirectory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        item.isSymlink = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        out.push_back(std::move(item));
    } while (::FindNextFileW(handle, &data));
    const DWORD err = ::GetLastError();
    ::FindClose(handle);
    if (err != ERROR_NO_MORE_FILES)
        return {static_cast<int>(err), std::system_category()};
    return {};
}

bool leadsToFolder(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesW(win32::widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace ordalis::platform
