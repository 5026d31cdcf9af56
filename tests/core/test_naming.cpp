#include "core/naming.h"

#include <gtest/gtest.h>

#include <string>

namespace ordalis {
namespace {

TEST(Naming, WindowsNameRules)
{
    struct Row { std::string name; bool valid; };
    const Row rows[] = {
        {"Vac001.jpg", true},
        {"a..doc", true},
        {".hidden", true},
        {"été 2001.txt", true},
        {"CONSOLE.txt", true},
        {"COM0.txt", true},
        {"LPT10", true},
        {"", false},
        {"***", false},
        {"a*.txt", false},
        {"a/b", false},
        {"a\\b", false},
        {"c:d", false},
        {"what?", false},
        {"say\"hi\"", false},
        {"<a>", false},
        {"a|b", false},
        {"tab\there", false},
        {std::string("nul\0x", 5), false},
        {"name.", false},
        {"name ", false},
        {".", false},
        {"..", false},
        {"CON", false},
        {"con.txt", false},
        {"Lpt1.doc", false},
        {"aux.tar.gz", false},
        {"Nul", false},
        {"prn .txt", false},
        {"COM9", false},
        {"com\u00B9.txt", false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(isValidWindowsName(row.name), row.valid) << '"' << row.name << '"';
}

TEST(Naming, LengthCountedInUtf16Units)
{
    EXPECT_TRUE(isValidWindowsName(std::string(255, 'a')));
    EXPECT_FALSE(isValidWindowsName(std::string(256, 'a')));
    std::string accented;
    for (int i = 0; i < 255; ++i)
        accented += "é";  // two bytes, one unit
    EXPECT_TRUE(isValidWindowsName(accented));
    std::string astral;
    for (int i = 0; i < 128; ++i)
        astral += "\U0001F600";  // four bytes, two units
    EXPECT_FALSE(isValidWindowsName(astral));
    astral.resize(astral.size() - 4);
    EXPECT_TRUE(isValidWindowsName(astral + "a"));
}

}  // namespace
}  // namespace ordalis
