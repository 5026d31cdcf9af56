// The Windows platform code against the Windows file system itself, with
// UTF-8 paths. Run on Windows or under Wine (see wine.h).
#include "core/attributes.h"
#include "core/platform/platform.h"
#include "core/platform/win32/wide.h"

#include "../temp_dir.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace ordalis {
namespace {

namespace fs = std::filesystem;
using platform::win32::widen;
using Names = std::vector<std::wstring>;

// A fresh folder whose files are named and written through wide paths alone (TempDir's narrow paths would take
// UTF-8 for the ANSI code page).
class TempFolder : public test::TempDir {
public:
    TempFolder() : TempDir("ordalis-win32-") {}
    std::string dir() const { return path().string(); }  // plain ASCII
    std::string file(const std::string& name) const { return dir() + "\\" + name; }
    std::string create(const std::string& name, const std::string& content = "x") const
    {
        test::writeFile(widen(file(name)), content);
        return file(name);
    }
    Names names() const  // sorted
    {
        Names out;
        for (const auto& entry : fs::directory_iterator(path()))
            out.push_back(entry.path().filename().wstring());
        std::sort(out.begin(), out.end());
        return out;
    }
};

TEST(Win32Attributes, WrittenAndReadBack)
{
    struct Row { const char* label; bool folder; std::uint32_t written; DWORD expected; };
    const Row rows[] = {
        {"None", false, 0, FILE_ATTRIBUTE_NORMAL},
        {"ReadOnly", false, kReadOnly, FILE_ATTRIBUTE_READONLY},
        {"AllFour", false, kAttributeMask,
         FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM},
        {"OtherBitsIgnored", false, kHidden | FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_OFFLINE, FILE_ATTRIBUTE_HIDDEN},
        {"HiddenFolder", true, kHidden, FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        TempFolder folder;
        std::string path = folder.file("sujet");
        if (row.folder)
            ASSERT_TRUE(::CreateDirectoryW(widen(path).c_str(), nullptr));
        else
            folder.create("sujet");
        ASSERT_EQ(platform::setAttributes(path, row.written), std::error_code());
        const DWORD raw = ::GetFileAttributesW(widen(path).c_str());
        std::uint32_t read = 0;
        ASSERT_EQ(platform::getAttributes(path, read), std::error_code());
        EXPECT_EQ(read, raw) << "the platform reads the file system's own mask";
        constexpr DWORD kArchiveOrNormal = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NORMAL;
        EXPECT_EQ(raw & ~kArchiveOrNormal, row.expected & ~kArchiveOrNormal);
        if (test::checkWindowsBehaviour(test::underWine() && !row.folder, "Wine reports ARCHIVE on every file")) {
            EXPECT_EQ(raw, row.expected);
        }
    }
}

// 2001-08-14 03:12:24.1234567 UTC.
constexpr platform::FileTime kSummer2001 = 126422323441234567ULL;

// Characters Windows forbids in names, and the names of devices.
TEST(Win32Names, RefusedNamesLeaveTheFolderAsItWas)
{
    TempFolder folder;
    const std::string source = folder.create("a.txt", "a");
    for (const char* name : {"a<b", "a?b", "a*b", "a\"b", "a\x01" "b", "con", "lpt1"}) {
        EXPECT_TRUE(platform::renameNoReplace(source, folder.file(name))) << name;
        EXPECT_TRUE(platform::saveFile(folder.file(name), "texte")) << name;
    }
    EXPECT_EQ(folder.names(), (Names{L"a.txt"}));
    EXPECT_EQ(test::readFile(widen(source)), "a");
}

TEST(Win32Names, FrenchNamesThroughTheWideApi)
{
    TempFolder folder;
    const std::vector<std::string> names = {"été.txt", "Noël à Paris.doc", "garçon œuvre.txt", "Ça déjà.TXT"};
    for (const std::string& name : names)
        ASSERT_EQ(platform::saveFile(folder.file(name), name), std::error_code()) << name;
    EXPECT_EQ(folder.names(), (Names{L"No\u00ebl \u00e0 Paris.doc", L"gar\u00e7on \u0153uvre.txt",
                                     L"\u00c7a d\u00e9j\u00e0.TXT", L"\u00e9t\u00e9.txt"}));
    std::vector<platform::DirEntry> listed;
    ASSERT_EQ(platform::listDirectory(folder.dir(), listed), std::error_code());
    for (const auto& entry : listed)
        EXPECT_NE(std::find(names.begin(), names.end(), entry.name), names.end()) << entry.name;
    EXPECT_EQ(listed.size(), names.size());
    const std::string summer = folder.file("été.txt");
    ASSERT_EQ(platform::setFileTimes(summer, 0, kSummer2001), std::error_code());
    platform::FileStat stat;
    ASSERT_EQ(platform::fileStat(folder.dir(), "été.txt", stat), std::error_code());
    EXPECT_EQ(stat.write, kSummer2001);
    EXPECT_EQ(platform::renameNoReplace(summer, folder.file("hiver à Noël.txt")), std::error_code());
    EXPECT_EQ(test::readFile(widen(folder.file("hiver à Noël.txt"))), "été.txt");
}

}  // namespace
}  // namespace ordalis
