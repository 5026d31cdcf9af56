#include "core/natural.h"

#include "core/baseletters.h"
#include "core/utf8.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace ordalis {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

char foldAscii(unsigned char c)
{
    return static_cast<char>((c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c);
}

int sign(int value)
{
    return (value > 0) - (value < 0);
}

// What a comparison looks at in a name, in the order the levels are tried:
// the letters without case and without accents, then the accents, then the
// case.
enum class Level { Letters, Accents, Case };

// Reads the character at `pos` (never a digit) and moves past it, as
// `level` sees it.
char32_t readChar(std::string_view text, std::size_t& pos, Level level)
{
    char32_t code = 0;
    pos += utf8::decodeAt(text, pos, code);
    if (level == Level::Case)
        return code;
    return utf8::fold(level == Level::Accents ? code : baseletters::base(code));
}

// Moves past the combining marks at `pos`.
std::size_t skipMarks(std::string_view text, std::size_t pos)
{
    char32_t code = 0;
    while (pos < text.size() && static_cast<unsigned char>(text[pos]) >= 0x80) {
        const std::size_t length = utf8::decodeAt(text, pos, code);
        if (!baseletters::isMark(code))
            break;
        pos += length;
    }
    return pos;
}

std::size_t skipZeros(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && text[pos] == '0')
        ++pos;
    return pos;
}

// Compares the runs of digits at `i` in `a` and `j` in `b` by value, in one
// pass, and moves past both. When the values are equal, `zerosOrder` is set
// from the leading zeros if it is still 0 (fewer zeros first).
int compareNumbers(std::string_view a, std::size_t& i, std::string_view b, std::size_t& j, int& zerosOrder)
{
    const std::size_t startA = i;
    const std::size_t startB = j;
    i = skipZeros(a, i);
    j = skipZeros(b, j);
    const std::size_t zerosA = i - startA;
    const std::size_t zerosB = j - startB;
    int firstDifference = 0;
    for (; i < a.size() && j < b.size() && isDigit(a[i]) && isDigit(b[j]); ++i, ++j) {
        if (firstDifference == 0)
            firstDifference = (a[i] > b[j]) - (a[i] < b[j]);
    }
    const bool moreA = i < a.size() && isDigit(a[i]);
    const bool moreB = j < b.size() && isDigit(b[j]);
    if (moreA != moreB)
        return moreA ? 1 : -1;  // more significant digits: larger
    if (firstDifference == 0 && zerosOrder == 0 && zerosA != zerosB)
        zerosOrder = zerosA < zerosB ? -1 : 1;
    return firstDifference;
}

// Length of the bytes both names share at their start.
std::size_t sharedLength(std::string_view a, std::string_view b)
{
    const std::size_t limit = std::min(a.size(), b.size());
    std::size_t pos = 0;
    for (std::uint64_t x = 0, y = 0; pos + 8 <= limit; pos += 8) {  // eight bytes at a time
        std::memcpy(&x, a.data() + pos, 8);
        std::memcpy(&y, b.data() + pos, 8);
        if (x != y) {
            if constexpr (std::endian::native == std::endian::little)
                pos += static_cast<std::size_t>(std::countr_zero(x ^ y)) / 8;
            break;
        }
    }
    while (pos < limit && a[pos] == b[pos])
        ++pos;
    return pos;
}

// Where the comparison may begin: before `mismatch`, just after an ASCII
// non-digit, which closes a character in both names alike (a number or a
// multi-byte character may straddle the mismatch).
std::size_t tokenStart(std::string_view a, std::size_t mismatch)
{
    std::size_t pos = mismatch;
    while (pos > 0 && (isDigit(a[pos - 1]) || static_cast<unsigned char>(a[pos - 1]) >= 0x80))
        --pos;
    return pos;
}

std::size_t digitsFrom(std::string_view text, std::size_t pos)
{
    const std::size_t start = pos;
    while (pos < text.size() && isDigit(text[pos]))
        ++pos;
    return pos - start;
}

// The usual case of two names that differ inside a number whose shared
// first digits are not all zeros ("img_1234" and "img_1299"): the numbers
// have the same leading zeros, so the digits after the mismatch decide.
// 0 when that is not the case or the numbers are equal.
int differenceInsideNumber(std::string_view a, std::string_view b, std::size_t mismatch)
{
    std::size_t pos = mismatch;
    bool significant = false;
    for (; pos > 0 && isDigit(a[pos - 1]); --pos)
        significant = significant || a[pos - 1] != '0';
    if (!significant)
        return 0;
    const std::size_t tailA = digitsFrom(a, mismatch);
    const std::size_t tailB = digitsFrom(b, mismatch);
    if (tailA != tailB)
        return tailA < tailB ? -1 : 1;
    return tailA == 0 ? 0 : (a[mismatch] < b[mismatch] ? -1 : 1);
}

// Compares the names from `start` (where both have the same bytes before)
// at one level.
int compareAtLevel(std::string_view a, std::string_view b, std::size_t start, Level level, int& zerosOrder)
{
    std::size_t i = start;
    std::size_t j = start;
    for (;;) {
        if (level == Level::Letters) {
            i = skipMarks(a, i);
            j = skipMarks(b, j);
        }
        if (i >= a.size() || j >= b.size())
            break;
        const auto byteA = static_cast<unsigned char>(a[i]);
        const auto byteB = static_cast<unsigned char>(b[j]);
        const bool digitA = isDigit(a[i]);
        const bool digitB = isDigit(b[j]);
        if ((byteA | byteB) < 0x80 && !digitA && !digitB) {  // ASCII letters and signs
            ++i;
            ++j;
            const char x = level == Level::Case ? char(byteA) : foldAscii(byteA);
            const char y = level == Level::Case ? char(byteB) : foldAscii(byteB);
            if (x != y)
                return x < y ? -1 : 1;
            continue;
        }
        if (digitA && digitB) {
            if (const int byValue = compareNumbers(a, i, b, j, zerosOrder))
                return byValue;
            continue;
        }
        // A number sorts where '0' would; no other character reads as '0'.
        const char32_t x = digitA ? U'0' : readChar(a, i, level);
        const char32_t y = digitB ? U'0' : readChar(b, j, level);
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (i < a.size() || j < b.size())
        return i < a.size() ? 1 : -1;
    return 0;
}

}  // namespace

int naturalCompare(std::string_view a, std::string_view b)
{
    const std::size_t shared = sharedLength(a, b);
    if (const int inNumber = differenceInsideNumber(a, b, shared))
        return inNumber;
    const std::size_t start = tokenStart(a, shared);
    int zerosOrder = 0;  // set by the first equal numbers with different leading zeros
    for (const Level level : {Level::Letters, Level::Accents, Level::Case})
        if (const int byLevel = compareAtLevel(a, b, start, level, zerosOrder))
            return byLevel;
    if (zerosOrder != 0)
        return zerosOrder;
    return sign(a.compare(b));
}

bool naturalLess(std::string_view a, std::string_view b)
{
    return naturalCompare(a, b) < 0;
}

}  // namespace ordalis
