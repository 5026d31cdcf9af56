// Names and texts: Windows name rules, paths, patterns, captions, attribute and colour texts, volumes offered.
#include "core/attributes.h"
#include "core/browser.h"
#include "core/colour.h"
#include "core/naming.h"
#include "core/paths.h"
#include "core/pattern.h"
#include "core/volumes.h"

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
}

TEST(Paths, JoinAndExtensionDot)
{
    EXPECT_EQ(joinPath("C:\\", "a.txt", '\\'), "C:\\a.txt");
    EXPECT_EQ(joinPath("C:\\Photos", "\\a.txt", '\\'), "C:\\Photos\\a.txt");
    EXPECT_EQ(joinPath("/home/u", "a", '/'), "/home/u/a");
    constexpr auto none = std::string_view::npos;
    const std::pair<const char*, std::size_t> dots[] = {
        {"Photo.Vac.JPG", 9}, {"name.", 4}, {".config.old", 7}, {".bashrc", none}, {"README", none}};
    for (const auto& [name, dot] : dots)
        EXPECT_EQ(extensionDot(name), dot) << name;
}

TEST(Pattern, Matches)
{
    struct Row { const char* pattern; const char* name; bool matches; };
    const Row rows[] = {
        {"*.***", "README", true},     {"*.***", ".cache", true},       {"*.*", "archive.tar.gz", true},
        {"*.txt", "A.TXT", true},      {"*.txt", "a.txt.bak", false},   {"?.txt", "ab.txt", false},
        {"*.jp?g", "photo.JPEG", true}, {"été*.*", "ÉTÉ 2001.jpg", true}, {"?té.txt", "été.txt", true},
        {"*.txt;*.doc", "a.doc", true}, {"*.", "README", true},          {"*.", "a.txt", false},
        {" *.txt ", "a.txt", true},    {"a.txt; b.txt", "b.txt", true}, {"semi;colon.txt", "semi;colon.txt", true},
        {"semi;colon.txt", "semi", true}, {"a.txt;", "a.txt", true},     {" ; ", " ", false},
        // Found by fuzzing: a '*' of the pattern facing a '*' of the name (legal on POSIX) is still a wildcard.
        {"*", "*.x", true}, {"*.txt", "*a.txt", true}, {"*.*", "*", true}, {"a*", "a*b", true},
        {"*b", "**b", true}, {"*.txt", "*a.doc", false}, {"?*", "*", true}, {"*x", "*", false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(matchesPattern(row.pattern, row.name), row.matches) << row.pattern << " ~ " << row.name;
    // A matcher that backtracks without bound would take years over a long name.
    const std::string longName(100000, 'a');
    EXPECT_FALSE(matchesPattern(std::string(50, '*') + "a*a*a*a*a*a*a*a*a*a*b", longName));
    EXPECT_TRUE(matchesPattern("*a*a*a*a*a*a*a*a*a*a", longName));
    EXPECT_EQ(patternFromFilter(""), "*.*");
    EXPECT_EQ(patternFromFilter("txt"), "*.txt");
}

TEST(Browser, SelectionCaptionAndEmptyFolders)
{
    EXPECT_EQ(selectionCaption(1), " 1 fichier sélectionné");
    EXPECT_EQ(selectionCaption(3), " 3 fichiers sélectionnés");
    const std::pair<std::string, std::string> reports[] = {
        {stopReport(0, 120, false), "Commande arrêtée : aucun fichier traité."},
        {stopReport(0, 120, true), "Commande arrêtée : 0 fichier traité sur 120."},
        {stopReport(1, 120, true), "Commande arrêtée : 1 fichier traité sur 120."},
        {stopReport(2, 120, true), "Commande arrêtée : 2 fichiers traités sur 120."}};
    for (const auto& [report, expected] : reports)
        EXPECT_EQ(report, expected);
    const test::TempDir root("ordalis-vide-");
    std::filesystem::create_directories(root.path() / "seul-dossier" / "sous");
    root.put("cache/.fichier");
    EXPECT_TRUE(isEmptyFolder(root.file("seul-dossier"), true));  // subfolders count only when asked
    EXPECT_FALSE(isEmptyFolder(root.file("seul-dossier"), false));
    EXPECT_FALSE(isEmptyFolder(root.file("cache"), true));
    EXPECT_TRUE(isEmptyFolder(root.file("absent"), false));
}

TEST(AttributeText, NamesTheFourAttributesOnly)
{
    const std::pair<std::uint32_t, const char*> rows[] = {
        {0, "Normal"}, {39, "Archive - Lecture seule - Fichier caché - Fichier système"},
        {0x800 | 1, "Lecture seule"}, {0x80, "Normal"}};
    for (const auto& [value, text] : rows)
        EXPECT_EQ(attributeText(value), text) << "value " << value;
}

// The colour texts of the settings store: hexadecimal or decimal, 24 bits at most.
TEST(ColourText, ReadsBothFormsWithinTwentyFourBits)
{
    const std::pair<const char*, std::optional<Colour>> rows[] = {
        {"&H808000", 0x808000}, {"&hffffff&", 0xFFFFFF}, {"16777215", 0xFFFFFF}, {"0", 0},
        {"16777216", std::nullopt}, {"&H1000000", std::nullopt}, {"&H", std::nullopt}, {"", std::nullopt},
        {"12x", std::nullopt}, {"-1", std::nullopt}, {" 12", std::nullopt}};
    for (const auto& [text, colour] : rows)
        EXPECT_EQ(parseColourText(text), colour) << '"' << text << '"';
    EXPECT_EQ(colourToDecimalText(rgb(0x11, 0x22, 0x33)), "3351057");
}

// From real /proc/self/mounts lines: disks, USB keys, discs and shares are offered, system mounts not.
TEST(UserVolume, FromMountTableLines)
{
    struct Row { const char* mountPoint; const char* type; bool offered; };
    const Row rows[] = {
        {"/", "ext4", true}, {"/", "overlay", true}, {"/run/media/alice/CLE_USB", "vfat", true},
        {"/media/bob/CDROM", "iso9660", true}, {"/mnt/nas", "cifs", true}, {"/home/alice/serveur", "fuse.sshfs", true},
        {"/proc", "proc", false}, {"/run", "tmpfs", false}, {"/proc/sys/fs/binfmt_misc", "autofs", false},
        {"/snap/core20/2105", "squashfs", false}, {"/var/lib/docker/overlay2/3f1c9a/merged", "overlay", false},
        {"/run/user/1000/gvfs", "fuse.gvfsd-fuse", false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(isUserVolume(row.mountPoint, row.type), row.offered) << row.mountPoint;
}

}  // namespace
}  // namespace ordalis
