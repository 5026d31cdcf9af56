// Where Wine is known to differ from Windows, a test still states the Windows
// behaviour and leaves out that one check under Wine alone, with a note.
#pragma once

#include <windows.h>

#include <iostream>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace ordalis::test {

// Wine's ntdll exports wine_get_version; Windows' has no such function.
inline bool underWine()
{
    static const bool wine =
        ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
}

// Wine run by root opens read-only files for writing.
inline bool wineRunByRoot()
{
    wchar_t name[64] = {};
    DWORD size = 64;
    return underWine() && ::GetUserNameW(name, &size) && std::wstring_view(name) == L"root";
}

// False, after a note in the output and the XML record, when `wineDiffers`.
inline bool checkWindowsBehaviour(bool wineDiffers, std::string_view difference)
{
    if (!wineDiffers)
        return true;
    std::cout << "[   WINE   ] check left out under Wine: " << difference << '\n';
    ::testing::Test::RecordProperty("wine_differs", std::string(difference));
    return false;
}

}  // namespace ordalis::test
