#include "core/controlpictures.h"
#include "core/cp1252.h"

#include <gtest/gtest.h>

#include <string>

namespace ordalis {
namespace {

TEST(Cp1252, CodesAndCharacters)
{
    struct Row { unsigned char code; char16_t unicode; };
    const Row rows[] = {
        {0x7F, 0x007F}, {0x80, 0x20AC}, {0x81, 0x0081}, {0x8C, 0x0152}, {0x9C, 0x0153},
        {0x9F, 0x0178}, {0xA0, 0x00A0}, {0xFF, 0x00FF},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(cp1252::toUnicode(row.code), row.unicode) << int(row.code);
        EXPECT_EQ(cp1252::fromUnicode(row.unicode), row.code) << int(row.code);
    }
    std::string all;
    for (int c = 0; c < 256; ++c)
        all.push_back(static_cast<char>(c));
    std::string back;
    ASSERT_TRUE(cp1252::encode(cp1252::decode(all), back));
    EXPECT_EQ(back, all);
}

TEST(Cp1252, EncodingReportsTheFirstMissingCharacter)
{
    struct Row { std::u16string text; std::size_t position; char32_t character; };
    const Row rows[] = {
        {u"Fran\u00E7ais \u0153uvre \u0151 \u0100", 15, 0x0151},
        {u"\u0080", 0, 0x0080},  // the code page puts € there, not U+0080
        {u"\u20AC\u2014x\U0001F600", 3, 0x1F600},
        {u"a\xD800" u"b", 1, 0xD800},
    };
    for (const Row& row : rows) {
        std::string out = "previous";
        cp1252::Unencodable lacking;
        EXPECT_FALSE(cp1252::encode(row.text, out, &lacking));
        EXPECT_EQ(lacking.position, row.position);
        EXPECT_EQ(lacking.character, row.character);
        EXPECT_TRUE(out.empty());
    }
}

TEST(ControlPictures, EachWayOneCharacter)
{
    struct Row { const char* name; char16_t code, picture; };
    const Row rows[] = {
        {"NUL", 0x00, 0x2400}, {"tab", 0x09, 0x2409}, {"LF", 0x0A, 0x240A}, {"CR", 0x0D, 0x240D},
        {"US, the last below space", 0x1F, 0x241F}, {"DEL", 0x7F, 0x2421},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(controlPicture(row.code), row.picture) << row.name;
        EXPECT_EQ(controlCodeOf(row.picture), row.code) << row.name;
    }
    // Characters that are neither stay themselves: space, U+2420 (the picture of space), U+2422, é.
    for (const char16_t c : {u' ', u'␠', u'␢', u'é'}) {
        EXPECT_EQ(controlPicture(c), c);
        EXPECT_EQ(controlCodeOf(c), c);
    }
}

}  // namespace
}  // namespace ordalis
