#include "core/paths.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string_view>

namespace ordalis {
namespace {

TEST(CheminComplet, JoinsWithOneSeparator)
{
    EXPECT_EQ(CheminComplet("C:\\", "a.txt", '\\'), "C:\\a.txt");
    EXPECT_EQ(CheminComplet("C:\\Photos", "a.txt", '\\'), "C:\\Photos\\a.txt");
    EXPECT_EQ(CheminComplet("C:\\Photos", "\\a.txt", '\\'), "C:\\Photos\\a.txt");
    EXPECT_EQ(CheminComplet("/", "a.txt", '/'), "/a.txt");
    EXPECT_EQ(CheminComplet("/home/u", "a", '/'), "/home/u/a");
}

TEST(ApresDernier, TextAfterLastSeparator)
{
    EXPECT_EQ(ApresDernier("Photo.Vac.JPG", "."), "JPG");
    EXPECT_EQ(ApresDernier("README", "."), "README");
    EXPECT_EQ(ApresDernier("name.", "."), "");
}

struct ExtensionRow {
    const char* name;
    std::size_t dot;
};

void PrintTo(const ExtensionRow& row, std::ostream* out)
{
    *out << '"' << row.name << '"';
}

class ExtensionDot : public testing::TestWithParam<ExtensionRow> {};

TEST_P(ExtensionDot, PositionOfTheDotBeforeTheExtension)
{
    EXPECT_EQ(extensionDot(GetParam().name), GetParam().dot) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Names, ExtensionDot, testing::Values(
    ExtensionRow{"a.txt", 1},
    ExtensionRow{"Photo.Vac.JPG", 9},
    ExtensionRow{"name.", 4},
    ExtensionRow{".config.old", 7},
    ExtensionRow{".bashrc", std::string_view::npos},
    ExtensionRow{"README", std::string_view::npos},
    ExtensionRow{"", std::string_view::npos}));

}  // namespace
}  // namespace ordalis
