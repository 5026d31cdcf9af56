#include "core/platform/platform.h"
#include "core/renameplan.h"
#include "temp_dir.h"
#ifdef _WIN32
#include "win32/wine.h"
#endif

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <numeric>
#include <string>
#include <vector>

namespace ordalis {
namespace {

namespace fs = std::filesystem;
using Listing = std::map<std::string, std::string>;  // name -> content

fs::path fromUtf8(const std::string& text)
{
    return fs::path(std::u8string(text.begin(), text.end()));
}

std::string utf8(const fs::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// A fresh folder; each file holds its own first name, so a listing shows
// where every file went.
class TempFolder {
public:
    TempFolder() : path_(test::makeTempDir("ordalis-rename-").string()) {}
    ~TempFolder() { fs::remove_all(path_); }
    const std::string& path() const { return path_; }
    // Paths as the program passes them: UTF-8 text.
    std::string file(const std::string& name) const { return utf8(fs::path(path_) / fromUtf8(name)); }

    void create(const std::vector<std::string>& names) const
    {
        for (const std::string& name : names)
            std::ofstream(fs::path(path_) / fromUtf8(name)) << name;
    }
    Listing listing() const
    {
        Listing out;
        for (const auto& entry : fs::directory_iterator(path_))
            out[utf8(entry.path().filename())] = test::readFile(entry.path());
        return out;
    }

private:
    std::string path_;
};

struct Case {
    std::string label;
    std::vector<std::string> existing;  // files in the folder, not all listed
    std::vector<std::string> names;     // the list
    std::vector<bool> selected;
    std::string base, start, format;    // numbering; start "-" = extension change
    std::string extension;
    Listing expected;
};

const Case kCases[] = {
    {"AllSelected", {}, {"a.JPG", "b.txt", "c.Gif"}, {true, true, true}, "Vac", "001", "000", "",
     {{"Vac001.jpg", "a.JPG"}, {"Vac002.txt", "b.txt"}, {"Vac003.gif", "c.Gif"}}},
    {"LastTwo", {}, {"a.JPG", "b.txt", "c.Gif"}, {false, true, true}, "Vac", "001", "000", "",
     {{"a.JPG", "a.JPG"}, {"Vac002.txt", "b.txt"}, {"Vac003.gif", "c.Gif"}}},
    {"StartFiveWidthTwo", {}, {"a.JPG"}, {true}, "x", " 5 ", "00", "", {{"x05.jpg", "a.JPG"}}},
    {"LastDot", {}, {"Photo.Vac.JPG"}, {true}, "Vac", "001", "000", "", {{"Vac001.jpg", "Photo.Vac.JPG"}}},
    {"NoDot", {}, {"README"}, {true}, "Vac", "001", "000", "", {{"Vac001", "README"}}},
    {"DotFileHasNoExtension", {}, {".bashrc"}, {true}, "Vac", "001", "000", "", {{"Vac001", ".bashrc"}}},
    {"DotFileWithExtension", {}, {".config.OLD"}, {true}, "Vac", "001", "000", "", {{"Vac001.old", ".config.OLD"}}},
    {"TargetLaterInList", {}, {"a.JPG", "b.txt", "Vac002.txt"}, {true, true, true}, "Vac", "001", "000", "",
     {{"Vac001.jpg", "a.JPG"}, {"b.txt", "b.txt"}, {"Vac003.txt", "Vac002.txt"}}},
    {"DeviceName", {}, {"a.doc", "b.doc"}, {true, true}, "LPT", "9", "0", "",
     {{"a.doc", "a.doc"}, {"LPT10.doc", "b.doc"}}},
    {"TxtToDoc", {}, {"a.txt", "b.txt"}, {true, true}, "", "-", "", "doc",
     {{"a.doc", "a.txt"}, {"b.doc", "b.txt"}}},
    {"TypedDot", {}, {"a.txt"}, {true}, "", "-", "", ".doc", {{"a..doc", "a.txt"}}},
    {"ExistingTarget", {"a.doc"}, {"a.txt", "b.txt"}, {true, true}, "", "-", "", "doc",
     {{"a.doc", "a.doc"}, {"a.txt", "a.txt"}, {"b.doc", "b.txt"}}},
    {"DotFileGetsExtension", {}, {".bashrc"}, {true}, "", "-", "", "txt", {{".bashrc.txt", ".bashrc"}}},
    {"DotFileChangesExtension", {}, {".config.old"}, {true}, "", "-", "", "txt", {{".config.txt", ".config.old"}}},
    {"LastDotExtensionChange", {}, {"Photo.Vac.JPG"}, {true}, "", "-", "", "gif", {{"Photo.Vac.gif", "Photo.Vac.JPG"}}},
    {"ExtensionMakesDevice", {}, {"con.x", "b.x"}, {true, false}, "", "-", "", "txt",
     {{"con.x", "con.x"}, {"b.x", "b.x"}}},
};

TEST(Rename, FolderAfterwards)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.label);
        TempFolder folder;
        folder.create(c.existing);
        folder.create(c.names);
        if (folder.listing().size() != c.existing.size() + c.names.size())
            continue;  // this system cannot hold one of the starting names (con.x on Windows)
        const auto plan = c.start == "-" ? planExtensionChange(c.names, c.selected, c.extension)
                                         : planNumberedRename(c.names, c.selected, c.base, c.start, c.format);
        std::vector<std::size_t> progress;
        applyRenamePlan(folder.path(), plan, [&](std::size_t n) { progress.push_back(n); });
        EXPECT_EQ(folder.listing(), c.expected);
        std::vector<std::size_t> expected(plan.size());
        std::iota(expected.begin(), expected.end(), 1);
        EXPECT_EQ(progress, expected);
    }
}

TEST(Rename, ThousandFilesEndWithFourDigits)
{
    TempFolder folder;
    std::vector<std::string> names;
    for (int i = 0; i < 1000; ++i)
        names.push_back("f" + std::to_string(i) + ".txt");
    folder.create(names);
    const auto plan = planNumberedRename(names, std::vector<bool>(1000, true), "Vac", "001", "000");
    EXPECT_EQ(applyRenamePlan(folder.path(), plan), 1000u);
    const Listing after = folder.listing();
    EXPECT_EQ(after.at("Vac001.txt"), "f0.txt");
    EXPECT_EQ(after.at("Vac999.txt"), "f998.txt");
    EXPECT_EQ(after.at("Vac1000.txt"), "f999.txt");
}

TEST(Rename, StartValueParsing)
{
    EXPECT_EQ(parseStartValue("001"), 1u);
    EXPECT_EQ(parseStartValue("\t 42 "), 42u);
    EXPECT_EQ(parseStartValue("18446744073709551615"), 18446744073709551615u);
    for (const char* bad : {"", " ", "abc", "-1", "+1", "1.5", "1 2", "0x10", "18446744073709551616"})
        EXPECT_FALSE(parseStartValue(bad).has_value()) << bad;
}

TEST(Rename, NoReplaceKeepsBothFiles)
{
    TempFolder folder;
    folder.create({"a.txt", "b.txt"});
    EXPECT_EQ(platform::renameNoReplace(folder.file("a.txt"), folder.file("b.txt")),
              std::make_error_code(std::errc::file_exists));
    EXPECT_EQ(platform::renameNoReplace(folder.file("a.txt"), folder.file("a.txt")), std::error_code());
    EXPECT_EQ(platform::renameNoReplace(folder.file("a.txt"), folder.file("A.TXT")), std::error_code());
    EXPECT_TRUE(platform::renameNoReplace(folder.file("gone"), folder.file("c")));
#ifdef _WIN32
    if (!test::checkWindowsBehaviour(test::underWine(),
                                     "Wine leaves a rename that only changes the letter case as it was"))
        return;
#endif
    EXPECT_EQ(folder.listing(), (Listing{{"A.TXT", "a.txt"}, {"b.txt", "b.txt"}}));
}

}  // namespace
}  // namespace ordalis
