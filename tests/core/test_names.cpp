// Names and texts: Windows name rules, paths, name patterns, captions,
// colours, attribute texts.
#include "core/attributes.h"
#include "core/browser.h"
#include "core/colour.h"
#include "core/naming.h"
#include "core/paths.h"
#include "core/pattern.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace ordalis {
namespace {

TEST(Naming, WindowsNameRules)
{
    for (const char* name : {"Vac001.jpg", "a..doc", ".hidden", "été 2001.txt", "CONSOLE.txt", "COM0.txt", "LPT10"})
        EXPECT_TRUE(isValidWindowsName(name)) << name;
    for (const char* name : {"", "a*.txt", "a/b", "a\\b", "c:d", "what?", "say\"hi\"", "<a>", "a|b", "tab\there",
                             "name.", "name ", ".", "..", "CON", "con.txt", "Lpt1.doc", "aux.tar.gz", "prn .txt",
                             "COM9", "com\u00B9.txt"})
        EXPECT_FALSE(isValidWindowsName(name)) << name;
    EXPECT_FALSE(isValidWindowsName(std::string("nul\0x", 5)));
}

TEST(Naming, LengthCountedInUtf16Units)
{
    EXPECT_TRUE(isValidWindowsName(std::string(255, 'a')));
    EXPECT_FALSE(isValidWindowsName(std::string(256, 'a')));
    std::string accented, astral;
    for (int i = 0; i < 255; ++i)
        accented += "é";  // two bytes, one unit
    EXPECT_TRUE(isValidWindowsName(accented));
    for (int i = 0; i < 128; ++i)
        astral += "\U0001F600";  // four bytes, two units
    EXPECT_FALSE(isValidWindowsName(astral));
    astral.resize(astral.size() - 4);
    EXPECT_TRUE(isValidWindowsName(astral + "a"));
}

TEST(Paths, JoinLastPartAndExtensionDot)
{
    EXPECT_EQ(CheminComplet("C:\\", "a.txt", '\\'), "C:\\a.txt");
    EXPECT_EQ(CheminComplet("C:\\Photos", "\\a.txt", '\\'), "C:\\Photos\\a.txt");
    EXPECT_EQ(CheminComplet("/", "a.txt", '/'), "/a.txt");
    EXPECT_EQ(CheminComplet("/home/u", "a", '/'), "/home/u/a");
    EXPECT_EQ(ApresDernier("Photo.Vac.JPG", "."), "JPG");
    EXPECT_EQ(ApresDernier("README", "."), "README");
    EXPECT_EQ(ApresDernier("name.", "."), "");
    constexpr auto none = std::string_view::npos;
    const std::pair<const char*, std::size_t> dots[] = {
        {"a.txt", 1}, {"Photo.Vac.JPG", 9}, {"name.", 4}, {".config.old", 7}, {".bashrc", none}, {"README", none},
        {"", none}};
    for (const auto& [name, dot] : dots)
        EXPECT_EQ(extensionDot(name), dot) << name;
}

TEST(Pattern, Matches)
{
    struct Row { const char* pattern; const char* name; bool matches; };
    const Row rows[] = {
        {"*.***", "a.txt", true},      {"*.***", "README", true},     {"*.***", ".cache", true},
        {"*.*", "README", true},       {"*.*", "archive.tar.gz", true}, {"*.txt", "A.TXT", true},
        {"*.txt", "a.txt.bak", false}, {"*.txt", "txt", false},       {"*.txt", "a.doc", false},
        {"?.txt", "a.txt", true},      {"?.txt", "ab.txt", false},    {"*.jp?g", "photo.JPEG", true},
        {"été*.*", "ÉTÉ 2001.jpg", true}, {"?té.txt", "été.txt", true}, {"*.txt;*.doc", "a.doc", true},
        {"*.", "README", true},        {"*.", "a.txt", false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(matchesPattern(row.pattern, row.name), row.matches) << row.pattern << " ~ " << row.name;
    EXPECT_EQ(patternFromFilter(""), "*.*");
    EXPECT_EQ(patternFromFilter("txt"), "*.txt");
    EXPECT_EQ(patternFromFilter("***"), "*.***");
}

TEST(Browser, SelectionCaptionAndEmptyFolders)
{
    EXPECT_EQ(kAucunFichier, " Aucun fichier sélectionné");
    EXPECT_EQ(selectionCaption(1), " 1 fichier sélectionné");
    EXPECT_EQ(selectionCaption(3), " 3 fichiers sélectionnés");

    const test::TempDir root("ordalis-vide-");
    std::filesystem::create_directories(root.path() / "seul-dossier" / "sous");
    root.put("cache/.fichier");
    std::filesystem::create_directories(root.path() / "rien");
    EXPECT_TRUE(DossierVide(root.file("seul-dossier"), true));  // subfolders count only when asked
    EXPECT_FALSE(DossierVide(root.file("seul-dossier"), false));
    EXPECT_FALSE(DossierVide(root.file("cache"), true));
    EXPECT_TRUE(DossierVide(root.file("rien"), false));
    EXPECT_TRUE(DossierVide(root.file("absent"), false));
}

TEST(ColourText, BothFormsReadAlike)
{
    EXPECT_EQ(parseColourText("&H808000"), 0x808000u);
    EXPECT_EQ(parseColourText("8421376"), 0x808000u);
    EXPECT_EQ(parseColourText("&hdeff6c"), 0xDEFF6Cu);
    EXPECT_EQ(parseColourText("&H80&"), 0x80u);
    for (const char* bad : {"", "vert", "-1", "16777216"})
        EXPECT_FALSE(parseColourText(bad)) << bad;
    EXPECT_EQ(colourToDecimalText(0xD2D200), "13816320");
    EXPECT_EQ(red(0xDEFF6C), 0x6C);
    EXPECT_EQ(blue(0xDEFF6C), 0xDE);
}

TEST(AttributeText, NamesTheFourAttributesOnly)
{
    const std::pair<std::uint32_t, const char*> rows[] = {
        {0, "Normal"}, {1, "Lecture seule"}, {7, "Lecture seule - Fichier caché - Fichier système"},
        {38, "Archive - Fichier caché - Fichier système"},
        {39, "Archive - Lecture seule - Fichier caché - Fichier système"},
        {0x800 | 1, "Lecture seule"}, {0x10 | 0x20, "Archive"}, {0x80, "Normal"}};
    for (const auto& [value, text] : rows)
        EXPECT_EQ(attributeText(value), text) << "value " << value;
}

}  // namespace
}  // namespace ordalis
