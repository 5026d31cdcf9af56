#include "core/browser.h"
#include "core/colour.h"
#include "core/pattern.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace ordalis {
namespace {

struct PatternRow {
    const char* pattern;
    const char* name;
    bool matches;
};

class PatternTest : public ::testing::TestWithParam<PatternRow> {};

TEST_P(PatternTest, Matches)
{
    const PatternRow& row = GetParam();
    EXPECT_EQ(matchesPattern(row.pattern, row.name), row.matches) << row.pattern << " ~ " << row.name;
}

INSTANTIATE_TEST_SUITE_P(Patterns, PatternTest, ::testing::Values(
    PatternRow{"*.***", "a.txt", true},
    PatternRow{"*.***", "README", true},
    PatternRow{"*.***", ".cache", true},
    PatternRow{"*.*", "README", true},
    PatternRow{"*.*", "archive.tar.gz", true},
    PatternRow{"*.txt", "a.txt", true},
    PatternRow{"*.txt", "A.TXT", true},
    PatternRow{"*.txt", "a.txt.bak", false},
    PatternRow{"*.txt", "txt", false},
    PatternRow{"*.txt", "a.doc", false},
    PatternRow{"?.txt", "a.txt", true},
    PatternRow{"?.txt", "ab.txt", false},
    PatternRow{"*.jp?g", "photo.JPEG", true},
    PatternRow{"été*.*", "ÉTÉ 2001.jpg", true},
    PatternRow{"?té.txt", "été.txt", true},
    PatternRow{"*.txt;*.doc", "a.doc", true},
    PatternRow{"*.", "README", true},
    PatternRow{"*.", "a.txt", false}));

TEST(FilterPattern, EmptyTextListsEverything)
{
    EXPECT_EQ(patternFromFilter(""), "*.*");
    EXPECT_EQ(patternFromFilter("txt"), "*.txt");
    EXPECT_EQ(patternFromFilter("***"), "*.***");
}

TEST(SelectionCaption, SingularBelowTwo)
{
    EXPECT_EQ(kAucunFichier, " Aucun fichier sélectionné");
    EXPECT_EQ(selectionCaption(0), " 0 fichier sélectionné");
    EXPECT_EQ(selectionCaption(1), " 1 fichier sélectionné");
    EXPECT_EQ(selectionCaption(3), " 3 fichiers sélectionnés");
    EXPECT_EQ(selectionCaption(40000), " 40000 fichiers sélectionnés");
}

TEST(DossierVide, HiddenFilesCountSubfoldersOnlyWhenAsked)
{
    namespace fs = std::filesystem;
    const fs::path root = fs::temp_directory_path() / ("ordalis-vide-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    fs::create_directories(root / "seul-dossier" / "sous");
    fs::create_directories(root / "cache");
    std::ofstream(root / "cache" / ".fichier") << "x";
    fs::create_directories(root / "rien");

    EXPECT_TRUE(DossierVide((root / "seul-dossier").string(), true));
    EXPECT_FALSE(DossierVide((root / "seul-dossier").string(), false));
    EXPECT_FALSE(DossierVide((root / "cache").string(), true));
    EXPECT_TRUE(DossierVide((root / "rien").string(), false));
    EXPECT_TRUE(DossierVide((root / "absent").string(), false));
    fs::remove_all(root);
}

TEST(ColourText, BothFormsReadAlike)
{
    EXPECT_EQ(parseColourText("&H808000"), 0x808000u);
    EXPECT_EQ(parseColourText("8421376"), 0x808000u);
    EXPECT_EQ(parseColourText("&hdeff6c"), 0xDEFF6Cu);
    EXPECT_EQ(parseColourText("&H80&"), 0x80u);
    EXPECT_FALSE(parseColourText(""));
    EXPECT_FALSE(parseColourText("vert"));
    EXPECT_FALSE(parseColourText("-1"));
    EXPECT_FALSE(parseColourText("16777216"));
    EXPECT_EQ(colourToDecimalText(0xD2D200), "13816320");
    EXPECT_EQ(red(0xDEFF6C), 0x6C);
    EXPECT_EQ(blue(0xDEFF6C), 0xDE);
}

}  // namespace
}  // namespace ordalis
