// Directory listing on Windows.
#include "core/platform/platform.h"
#include "core/platform/win32/wide.h"

#include <windows.h>

namespace ordalis::platform {

char separator()
{
    return '\\';
}

namespace {

// `dir` followed by one separator and `name`.
std::string join(const std::string& dir, const std::string& name)
{
    std::string path = dir;
    if (path.empty() || (path.back() != '\\' && path.back() != '/'))
        path.push_back('\\');
    return path + name;
}

std::error_code lastError()
{
    return {static_cast<int>(::GetLastError()), std::system_category()};
}

}  // namespace

std::error_code listDirectory(const std::string& dir, std::vector<DirEntry>& out)
{
    out.clear();
    WIN32_FIND_DATAW data{};
    HANDLE handle = ::FindFirstFileW(win32::longPath(join(dir, "*")).c_str(), &data);
    if (handle == INVALID_HANDLE_VALUE)
        return lastError();
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

OpenFolder::~OpenFolder() = default;
OpenFolder::OpenFolder(OpenFolder&& other) noexcept = default;
OpenFolder& OpenFolder::operator=(OpenFolder&& other) noexcept = default;

std::error_code OpenFolder::open(const std::string& path, OpenFolder& out)
{
    out.close();
    const DWORD attributes = ::GetFileAttributesW(win32::longPath(join(path, "")).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return lastError();
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
        return std::make_error_code(std::errc::not_a_directory);
    out.path_ = path;
    return {};
}

std::error_code OpenFolder::openChild(const std::string& name, OpenFolder& out) const
{
    out.close();
    const std::string path = join(path_, name);
    const DWORD attributes = ::GetFileAttributesW(win32::longPath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return lastError();
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
        return std::make_error_code(std::errc::not_a_directory);
    out.path_ = path;
    return {};
}

std::error_code OpenFolder::list(std::vector<DirEntry>& out) const
{
    return listDirectory(path_, out);
}

std::error_code OpenFolder::stat(const std::string& name, FileStat& out) const
{
    return fileStat(path_, name, out);
}

bool OpenFolder::isOpen() const
{
    return !path_.empty();
}

void OpenFolder::close()
{
    path_.clear();
}

bool leadsToFolder(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesW(win32::longPath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool namesIgnoreCase(const std::string&, const std::vector<std::string>&)
{
    return true;
}

}  // namespace ordalis::platform
