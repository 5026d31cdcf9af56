#include "core/controlpictures.h"

#include "core/cp1252.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace ordalis {
namespace {

TEST(ControlPictures, Shown)
{
    struct Row { std::u16string text; std::u16string shown; };
    const Row rows[] = {
        {u"a\r\nb", u"a\r\nb"},
        {u"a\nb\rc", u"a\u240Ab\u240Dc"},
        {u"\r\r\n\n", u"\u240D\r\n\u240A"},
        {u"\t\x01\x1F\x7F", u"\u2409\u2401\u241F\u2421"},
        {u"\u00E9\u20AC \u00A0", u"\u00E9\u20AC \u00A0"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(toControlPictures(row.text), row.shown);
}

TEST(ControlPictures, ReadBack)
{
    struct Row { std::u16string shown; std::u16string text; };
    const Row rows[] = {
        {u"a\nb", u"a\r\nb"},  // a line break as the widgets give it back
        {u"a\r\nb\rc", u"a\r\nb\r\nc"},
        {u"\u240A\u240D\u2409\u2421", u"\n\r\t\x7F"},
        {u"\u2400\u2420\u2422", u"\u2400\u2420\u2422"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(fromControlPictures(row.shown), row.text);
}

// Any code page 1252 text of codes 1 to 255 comes back exactly, also after a
// text widget has turned its CR LF pairs into LF.
TEST(ControlPictures, RandomTextsRoundTrip)
{
    std::mt19937 random(1252);
    std::uniform_int_distribution<int> code(1, 255);
    for (int i = 0; i < 1000; ++i) {
        std::string bytes(random() % 200, '\0');
        for (char& c : bytes)
            c = static_cast<char>(code(random));
        if (i % 2 == 0)
            bytes += "\r\n\r\r\n\n";
        const std::u16string text = cp1252::decode(bytes);
        std::u16string shown = toControlPictures(text);
        ASSERT_EQ(fromControlPictures(shown), text) << "case " << i;
        for (auto at = shown.find(u"\r\n"); at != std::u16string::npos; at = shown.find(u"\r\n", at))
            shown.erase(at, 1);
        ASSERT_EQ(fromControlPictures(shown), text) << "case " << i;
    }
}

}  // namespace
}  // namespace ordalis
