// One reading of UTF-8 and one case folding for the patterns, the natural order, the display and the counts.
#include "core/natural.h"
#include "core/pattern.h"
#include "core/renameplan.h"
#include "core/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace ordalis {
namespace {

// Each name with a pattern that finds it, the text it shows as, its count of characters, and a name that the
// natural order's first level holds equal to it (so that what follows decides); every invalid byte is one U+FFFD.
TEST(Utf8, OneReadingForPatternOrderAndDisplay)
{
    const std::string r = "\xEF\xBF\xBD";  // U+FFFD
    struct Row { const char* label; std::string name, pattern, shown; std::size_t units; std::string sameLetters; };
    const Row rows[] = {
        {"CyrillicFoldsCase", "привет.txt", "ПРИВЕТ*", "привет.txt", 10, "ПРИВЕТ.TXT"},
        {"GreekFoldsCase", "Σοφία.md", "σΟΦΊΑ.*", "Σοφία.md", 8, "ΣΟΦΊΑ.md"},
        {"OutsideBasicPlane", "\xF0\x9F\x98\x80.png", "?.PNG", "\xF0\x9F\x98\x80.png", 5, "\xF0\x9F\x98\x80.PNG"},
        {"OverlongSlash", "\xC0\xAF", r + r, r + r, 2, r + r},
        {"Surrogate", "\xED\xA0\x80", "*" + r, r + r + r, 3, r + r + r},
        {"AboveLastCharacter", "\xF4\x90\x80\x80", r + "???", r + r + r + r, 4, r + r + r + r},
        {"CutSequence", "caf\xC3.txt", "CAF?.TXT", "caf" + r + ".txt", 8, "caf" + r + ".TXT"},
    };
    for (const Row& row : rows) {
        EXPECT_TRUE(matchesPattern(row.pattern, row.name)) << row.label;
        EXPECT_TRUE(matchesPattern(std::string(row.units, '?'), row.name)) << row.label;
        EXPECT_FALSE(matchesPattern(std::string(row.units - 1, '?'), row.name)) << row.label;
        EXPECT_EQ(utf8::decode(row.name).size(), row.units) << row.label;
        EXPECT_EQ(utf8::encode(utf8::decode(row.name)), row.name) << row.label;
        EXPECT_EQ(utf8::display(row.name), row.shown) << row.label;
        EXPECT_LT(naturalCompare(row.name + "a", row.sameLetters + "b"), 0) << row.label;
        EXPECT_LT(naturalCompare(row.sameLetters + "a", row.name + "b"), 0) << row.label;
    }
    EXPECT_FALSE(matchesPattern("/", "\xC0\xAF"));
    // A new name's extension is folded but keeps its invalid bytes.
    EXPECT_EQ(planNumberedRename({"a.\xC0\xAF\xC3\x89"}, {true}, "v", "1", "0").front().newName, "v1.\xC0\xAF\xC3\xA9");
}

}  // namespace
}  // namespace ordalis
