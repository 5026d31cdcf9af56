#include "core/tips.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ordalis {
namespace {

using Tips = std::vector<std::u16string>;

TEST(Tips, Lines)
{
    struct Row { std::string bytes; Tips tips; };
    const Row rows[] = {
        {"", {}}, {"a\nb", {u"a", u"b"}}, {"a\r\n\r\nb\n", {u"a", u"", u"b"}}, {"\r\n", {u""}},
        {"Caf\xE9\r\n", {u"Caf\u00E9"}}, {"Caf\xC3\xA9\n", {u"Caf\u00E9"}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(parseTips(row.bytes), row.tips) << row.bytes;
}

TEST(Tips, RandomFirstTipThenFileOrder)
{
    struct Row { double random; std::size_t first; std::u16string_view afterNext; };
    for (const Row& row : {Row{0.0, 1, u"deux"}, Row{0.34, 2, u"trois"}, Row{0.999, 3, u"un"}, Row{1.0, 3, u"un"}}) {
        TipList list;
        list.assign({u"un", u"deux", u"trois"}, [&] { return row.random; });
        EXPECT_EQ(list.position(), row.first);
        list.next();
        EXPECT_EQ(list.current(), row.afterNext);
    }
    TipList list;
    list.assign({}, [] { return 0.7; });
    list.next();
    EXPECT_EQ(list.position(), 1u);
    EXPECT_EQ(list.current(), u"");
}

TEST(Tips, LoadingAndMissingFile)
{
    const test::TempDir dir("ordalis-tips-");
    dir.put("Conseils.txt", "Premier\r\nSecond\r\n");
    const auto zero = [] { return 0.0; };
    TipList list;
    EXPECT_TRUE(list.load(dir.file("Conseils.txt"), zero));
    EXPECT_EQ(list.size(), 2u);
    EXPECT_EQ(list.current(), u"Premier");
    for (const std::string& path : {dir.file("absent.txt"), dir.path().string(), std::string()}) {
        list.assign({u"x"}, zero);
        EXPECT_FALSE(list.load(path, zero)) << path;
        EXPECT_TRUE(list.empty());
    }
}

}  // namespace
}  // namespace ordalis
