#include "core/paths.h"

#include <gtest/gtest.h>

namespace ordalis {
namespace {

TEST(CheminComplet, JoinsWithOneSeparator)
{
    EXPECT_EQ(CheminComplet("C:\\", "a.txt", "\\"), "C:\\a.txt");
    EXPECT_EQ(CheminComplet("C:\\Photos", "a.txt", "\\"), "C:\\Photos\\a.txt");
    EXPECT_EQ(CheminComplet("C:\\Photos", "\\a.txt", "\\"), "C:\\Photos\\a.txt");
    EXPECT_EQ(CheminComplet("/", "a.txt", "/"), "/a.txt");
}

TEST(ApresDernier, TextAfterLastSeparator)
{
    EXPECT_EQ(ApresDernier("Photo.Vac.JPG", "."), "JPG");
    EXPECT_EQ(ApresDernier("README", "."), "README");
    EXPECT_EQ(ApresDernier("name.", "."), "");
}

TEST(JoinPath, NoSecondSeparatorAfterRoot)
{
    EXPECT_EQ(joinPath("/", "a", '/'), "/a");
    EXPECT_EQ(joinPath("C:\\", "a", '\\'), "C:\\a");
    EXPECT_EQ(joinPath("/home/u", "a", '/'), "/home/u/a");
}

}  // namespace
}  // namespace ordalis
