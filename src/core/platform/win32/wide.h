// UTF-8 <-> UTF-16 conversions for the Windows platform code.
#pragma once

#include <string>
#include <windows.h>

namespace ordalis::platform::win32 {

inline std::wstring widen(const std::string& text)
{
    if (text.empty())
        return {};
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring out(n, L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), out.data(), n);
    return out;
}

inline std::string narrow(const std::wstring& text)
{
    if (text.empty())
        return {};
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(n, '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

// The form of a path that the wide file calls take beyond MAX_PATH
// characters: "\\?\C:\a\b" or "\\?\UNC\server\share\a". A relative path is
// made absolute first and forward slashes become backslashes, as the long
// form takes the path as it is. A path already in a "\\?\" or "\\.\" form
// is kept.
inline std::wstring longPath(const std::string& utf8)
{
    std::wstring path = widen(utf8);
    for (wchar_t& c : path)
        c = c == L'/' ? L'\\' : c;
    if (path.rfind(L"\\\\?\\", 0) == 0 || path.rfind(L"\\\\.\\", 0) == 0)
        return path;
    DWORD n = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (n == 0)
        return path;
    std::wstring full(n, L'\0');
    n = ::GetFullPathNameW(path.c_str(), n, full.data(), nullptr);
    full.resize(n);
    if (full.rfind(L"\\\\", 0) == 0)
        return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

}  // namespace ordalis::platform::win32
