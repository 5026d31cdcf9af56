#include "core/platform/platform.h"
#include "core/renameplan.h"
#include "core/renamepreview.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <string>
#include <vector>

namespace ordalis {
namespace {

using Listing = std::map<std::string, std::string>;  // name -> content

// Each file holds its own first name, so a listing shows where every file went.
void create(const test::TempDir& folder, const std::vector<std::string>& names)
{
    for (const std::string& name : names)
        folder.put(name, name);
}

Listing listing(const test::TempDir& folder)
{
    Listing out;
    for (const std::string& name : folder.names())
        out[name] = folder.read(name);
    return out;
}

struct Case {
    std::string label;
    std::vector<std::string> existing;  // files in the folder, not all listed
    std::vector<std::string> names;     // the list
    std::vector<bool> selected;
    std::string base, start, format;    // numbering; start "-" = extension change
    std::string extension;
    Listing expected;
    std::string preview;  // a letter an operation: = unchanged, R renamed; refused: T name taken,
                          // S same new name as an earlier one, I invalid name
};

const Case kCases[] = {
    {"LastTwo", {}, {"a.JPG", "b.txt", "c.Gif"}, {false, true, true}, "Vac", "001", "000", "",
     {{"a.JPG", "a.JPG"}, {"Vac002.txt", "b.txt"}, {"Vac003.gif", "c.Gif"}}, "RR"},
    {"StartFiveWidthTwo", {}, {"a.JPG"}, {true}, "x", " 5 ", "00", "", {{"x05.jpg", "a.JPG"}}, "R"},
    {"PastTheWidth", {}, {"a.txt", "b.txt"}, {true, true}, "Vac", "999", "000", "",
     {{"Vac999.txt", "a.txt"}, {"Vac1000.txt", "b.txt"}}, "RR"},
    {"LastDot", {}, {"Photo.Vac.JPG"}, {true}, "Vac", "001", "000", "", {{"Vac001.jpg", "Photo.Vac.JPG"}}, "R"},
    {"DotFileHasNoExtension", {}, {".bashrc"}, {true}, "Vac", "001", "000", "", {{"Vac001", ".bashrc"}}, "R"},
    {"TargetLaterInList", {}, {"a.JPG", "b.txt", "Vac002.txt"}, {true, true, true}, "Vac", "001", "000", "",
     {{"Vac001.jpg", "a.JPG"}, {"b.txt", "b.txt"}, {"Vac003.txt", "Vac002.txt"}}, "RTR"},
    {"CyrillicExtensionFolded", {}, {"a.ПНГ"}, {true}, "x", "1", "0", "", {{"x1.пнг", "a.ПНГ"}}, "R"},
    {"DeviceName", {}, {"a.doc", "b.doc"}, {true, true}, "LPT", "9", "0", "",
     {{"a.doc", "a.doc"}, {"LPT10.doc", "b.doc"}}, "IR"},
    {"TypedDot", {}, {"a.txt"}, {true}, "", "-", "", ".doc", {{"a..doc", "a.txt"}}, "R"},
    {"ExistingTarget", {"a.doc"}, {"a.txt", "b.txt"}, {true, true}, "", "-", "", "doc",
     {{"a.doc", "a.doc"}, {"a.txt", "a.txt"}, {"b.doc", "b.txt"}}, "TR"},
    {"DotFileGetsExtension", {}, {".bashrc"}, {true}, "", "-", "", "txt", {{".bashrc.txt", ".bashrc"}}, "R"},
    {"LastDotExtensionChange", {}, {"Photo.Vac.JPG"}, {true}, "", "-", "", "gif", {{"Photo.Vac.gif", "Photo.Vac.JPG"}}, "R"},
    {"ExtensionMakesDevice", {}, {"con.x", "b.x"}, {true, false}, "", "-", "", "txt",
     {{"con.x", "con.x"}, {"b.x", "b.x"}}, "I"},
    {"TwoFilesOneName", {}, {"a.txt", "a.doc"}, {true, true}, "", "-", "", "md",
     {{"a.md", "a.txt"}, {"a.doc", "a.doc"}}, "RS"},
    {"SameName", {}, {"a.txt"}, {true}, "", "-", "", "txt", {{"a.txt", "a.txt"}}, "="},
};

TEST(Rename, FolderAfterwards)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.label);
        const test::TempDir folder("ordalis-rename-");
        create(folder, c.existing);
        create(folder, c.names);
        const auto held = folder.names();
        const auto holds = [&held](const std::string& name) {
            return std::find(held.begin(), held.end(), name) != held.end();
        };
        if (held.size() != c.existing.size() + c.names.size() || !std::all_of(c.names.begin(), c.names.end(), holds))
            continue;  // this system cannot hold one of the starting names as given (con.x, or a name beyond the
                       // code page of the test's own narrow paths, on Windows)
        const auto plan = c.start == "-" ? planExtensionChange(c.names, c.selected, c.extension)
                                         : planNumberedRename(c.names, c.selected, c.base, c.start, c.format);
        std::string preview;
        for (const PlannedRename& row : previewRenamePlan(plan, folder.names(), platform::separator() == '\\'))
            preview.push_back(row.outcome == Outcome::Renamed     ? 'R'
                              : row.outcome == Outcome::Unchanged ? '='
                                                                  : " TSI"[int(row.refusal)]);
        EXPECT_EQ(preview, c.preview);
        std::vector<std::size_t> progress;
        applyRenamePlan(folder.path().string(), plan, [&](std::size_t n) { progress.push_back(n); });
        EXPECT_EQ(listing(folder), c.expected);
        std::vector<std::size_t> expected(plan.size());
        std::iota(expected.begin(), expected.end(), 1);
        EXPECT_EQ(progress, expected);
    }
}

// The preview's texts: a summary over the rows, each row's state.
TEST(Rename, PreviewTexts)
{
    const auto rows = refusedStartValue({"a.txt", "b.txt", "c.txt"}, {true, false, true});
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].op.oldName, "c.txt");
    EXPECT_EQ(rows[1].op.position, 2u);
    EXPECT_EQ(outcomeText(rows[1]), "refusé : la valeur de départ n'est pas un nombre");
    const std::pair<OutcomeCounts, const char*> summaries[] = {
        {{12, 2, 3}, "12 fichiers seront renommés, 2 refusés, 3 inchangés"},
        {{1, 1, 1}, "1 fichier sera renommé, 1 refusé, 1 inchangé"},
        {{0, 0, 0}, "0 fichier sera renommé, 0 refusé, 0 inchangé"}};
    for (const auto& [counts, text] : summaries)
        EXPECT_EQ(outcomeSummary(counts), text);
    const auto plan = planExtensionChange({"a.txt", "b.txt", "c.md", "d.txt"}, {true, true, true, true}, "md");
    const auto counts = countOutcomes(previewRenamePlan(plan, {"a.txt", "b.txt", "b.md", "c.md", "d.txt"}, false));
    EXPECT_EQ(outcomeSummary(counts), "2 fichiers seront renommés, 1 refusé, 1 inchangé");
}

// A folder on a volume that ignores the letter case: a case-only change is no collision; another file's name in
// other letters is. Each row's text.
TEST(Rename, PreviewIgnoringCase)
{
    const std::vector<RenameOp> plan = {{0, "a.TXT", "a.txt"}, {1, "b.txt", "A.txt"}, {2, "c.txt", "C.TXT"},
                                        {3, "d.txt", "\xC3\x89t\xC3\xA9.txt"}, {4, "e", "e"}, {5, "f", "f*"}};
    const std::vector<std::string> present = {"a.TXT", "b.txt", "c.txt", "d.txt", "\xC3\xA9T\xC3\x89.TXT", "e", "f"};
    const auto texts = [&](bool ignoreCase) {
        std::string out;
        for (const PlannedRename& row : previewRenamePlan(plan, present, ignoreCase))
            out += std::string(outcomeText(row)) + "|";
        return out;
    };
    EXPECT_EQ(texts(true), "renommé|refusé : un autre fichier reçoit ce nom|renommé|refusé : le nom existe déjà|"
                           "inchangé|refusé : nom non valide sur ce volume|");
    EXPECT_EQ(texts(false), "renommé|renommé|renommé|renommé|inchangé|refusé : nom non valide sur ce volume|");
}

TEST(Rename, StartValueParsing)
{
    EXPECT_EQ(parseStartValue("\t 42 "), 42u);
    EXPECT_EQ(parseStartValue("18446744073709551615"), 18446744073709551615u);
    for (const char* bad : {"", "abc", "-1", "+1", "1 2", "0x10", "18446744073709551616"})
        EXPECT_FALSE(parseStartValue(bad).has_value()) << bad;
}

TEST(Rename, NoReplaceKeepsBothFiles)
{
    const test::TempDir folder("ordalis-rename-");
    create(folder, {"a.txt", "b.txt"});
    EXPECT_EQ(platform::namesIgnoreCase(folder.path().string(), {"gone", "a.txt"}), platform::separator() == '\\');
    EXPECT_EQ(platform::renameNoReplace(folder.file("a.txt"), folder.file("b.txt")), std::errc::file_exists);
    std::filesystem::create_directory(folder.path() / "d");
    EXPECT_EQ(platform::renameNoReplace(folder.file("a.txt"), folder.file("d")), std::errc::file_exists);
    std::filesystem::remove(folder.path() / "d");
    EXPECT_EQ(platform::renameNoReplace(folder.file("a.txt"), folder.file("a.txt")), std::error_code());
    EXPECT_EQ(platform::renameNoReplace(folder.file("a.txt"), folder.file("A.TXT")), std::error_code());
    EXPECT_TRUE(platform::renameNoReplace(folder.file("gone"), folder.file("c")));
    if (!test::checkWindowsBehaviour(test::underWine(),
                                     "Wine leaves a rename that only changes the letter case as it was"))
        return;
    EXPECT_EQ(listing(folder), (Listing{{"A.TXT", "a.txt"}, {"b.txt", "b.txt"}}));
}

}  // namespace
}  // namespace ordalis
