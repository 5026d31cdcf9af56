// Shell services on Windows.
#include "core/platform/platform.h"
#include "core/platform/win32/wide.h"

#include <shellapi.h>
#include <shlobj.h>
#include <windows.h>

#include <mmsystem.h>

namespace ordalis::platform {

bool showShellProperties(const std::string& path)
{
    const std::wstring file = win32::widen(path);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_INVOKEIDLIST;
    info.lpVerb = L"properties";
    info.lpFile = file.c_str();
    info.nShow = SW_SHOW;
    return ::ShellExecuteExW(&info) != FALSE;
}

bool showShellFind()
{
    return ::SHFindFiles(nullptr, nullptr) != FALSE;
}

bool playWave(std::string_view wave)
{
    ::PlaySoundW(reinterpret_cast<LPCWSTR>(wave.data()), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
    return true;
}

}  // namespace ordalis::platform
