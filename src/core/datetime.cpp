#include "core/datetime.h"

#include "core/platform/platform.h"
#include "core/utf8.h"

#include <array>
#include <cstdio>

namespace ordalis {

namespace {

// Accent-free lower-case ASCII form of one character of the text; blanks of
// every kind become ' ', anything that cannot belong to a date becomes '\x01'.
char normaliseChar(char32_t c)
{
    c = utf8::fold(c);
    if (c == U'\t' || c == 0xA0 || c == 0x2009 || c == 0x202F)
        return ' ';
    if (c < 0x80)
        return static_cast<char>(c);
    static constexpr std::u32string_view kAccented = U"àâäçéèêëîïôöùûüÿ";
    static constexpr std::string_view kPlain = "aaaceeeeiioouuuy";
    const auto pos = kAccented.find(c);
    return pos == std::u32string_view::npos ? '\x01' : kPlain[pos];
}

std::string normalise(std::string_view text)
{
    std::string out;
    for (char32_t c : utf8::decode(text))
        out.push_back(normaliseChar(c));
    return out;
}

// A cursor over the normalised text.
class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) {}

    bool atEnd() const { return pos_ == text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }

    // Skips blanks; true when there was at least one.
    bool skipBlanks()
    {
        const auto start = pos_;
        while (peek() == ' ')
            ++pos_;
        return pos_ != start;
    }
    bool accept(char c)
    {
        if (peek() != c)
            return false;
        ++pos_;
        return true;
    }
    // Reads a run of digits; `count` receives its length (0 when none).
    int number(int& count)
    {
        int value = 0;
        count = 0;
        while (peek() >= '0' && peek() <= '9' && count < 9) {
            value = value * 10 + (text_[pos_++] - '0');
            ++count;
        }
        return value;
    }
    std::string_view word()
    {
        const auto start = pos_;
        while (peek() >= 'a' && peek() <= 'z')
            ++pos_;
        return text_.substr(start, pos_ - start);
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// The month named by a French month name or an abbreviation of at least
// three letters that no other month shares; 0 otherwise.
int monthFromName(std::string_view word)
{
    static constexpr std::array<std::string_view, 12> kMonths = {
        "janvier", "fevrier", "mars", "avril", "mai", "juin", "juillet",
        "aout", "septembre", "octobre", "novembre", "decembre"};
    if (word.size() < 3)
        return 0;
    int found = 0;
    for (std::size_t i = 0; i < kMonths.size(); ++i) {
        if (kMonths[i].starts_with(word)) {
            if (found != 0)
                return 0;
            found = static_cast<int>(i) + 1;
        }
    }
    return found;
}

// Between two parts of a date: blanks with at most one of "/-." among them.
bool dateSeparator(Scanner& in)
{
    bool any = in.skipBlanks();
    if (in.accept('/') || in.accept('-') || in.accept('.'))
        any = true;
    return in.skipBlanks() || any;
}

bool readDay(Scanner& in, int& day)
{
    int digits = 0;
    day = in.number(digits);
    if (digits == 0 || digits > 2)
        return false;
    const auto suffix = in.word();
    return suffix.empty() || (suffix == "er" && day == 1);
}

bool readMonth(Scanner& in, int& month)
{
    int digits = 0;
    month = in.number(digits);
    if (digits > 0)
        return digits <= 2;
    month = monthFromName(in.word());
    return month != 0;
}

bool readYear(Scanner& in, int& year)
{
    int digits = 0;
    year = in.number(digits);
    if (digits == 1 || digits == 2) {
        year += year < 30 ? 2000 : 1900;
        return true;
    }
    return digits == 4 && year >= 1;
}

// hours:minutes or hours:minutes:seconds, each of one or two digits.
bool readTime(Scanner& in, LocalDateTime& out)
{
    int* const parts[] = {&out.hour, &out.minute, &out.second};
    for (int i = 0; i < 3; ++i) {
        if (i > 0 && !in.accept(':'))
            return i >= 2;
        int digits = 0;
        *parts[i] = in.number(digits);
        if (digits == 0 || digits > 2)
            return false;
    }
    return true;
}

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

bool isValid(const LocalDateTime& t)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (t.month < 1 || t.month > 12 || t.day < 1)
        return false;
    const int days = kDays[t.month - 1] + (t.month == 2 && isLeapYear(t.year) ? 1 : 0);
    return t.day <= days && t.hour <= 23 && t.minute <= 59 && t.second <= 59;
}

}  // namespace

std::optional<LocalDateTime> parseFrenchDateTime(std::string_view text)
{
    const std::string normalised = normalise(text);
    Scanner in(normalised);
    LocalDateTime result;
    in.skipBlanks();
    if (!readDay(in, result.day) || !dateSeparator(in) || !readMonth(in, result.month))
        return std::nullopt;
    if (!dateSeparator(in) || !readYear(in, result.year))
        return std::nullopt;
    const bool blank = in.skipBlanks();
    if (blank && !in.atEnd() && !readTime(in, result))
        return std::nullopt;
    in.skipBlanks();
    if (!in.atEnd() || !isValid(result))
        return std::nullopt;
    return result;
}

std::optional<std::uint64_t> localToFileTime(const LocalDateTime& local)
{
    const auto time = platform::localToFileTime(
        {local.year, local.month, local.day, local.hour, local.minute, local.second});
    // File time 0 itself means "leave unchanged" to the platform.
    if (!time || *time == 0)
        return std::nullopt;
    return time;
}

std::optional<std::uint64_t> DateEnTempsFichier(std::string_view date, std::string_view time)
{
    std::string joined;
    joined.reserve(date.size() + 1 + time.size());
    joined.append(date).append(1, ' ').append(time);
    const auto local = parseFrenchDateTime(joined);
    if (!local)
        return std::nullopt;
    return localToFileTime(*local);
}

std::optional<std::uint64_t> DateTextReader::read(std::string_view date, std::string_view time)
{
    if (!hasResult_ || date != date_ || time != time_) {
        date_.assign(date);
        time_.assign(time);
        result_ = DateEnTempsFichier(date, time);
        hasResult_ = true;
    }
    return result_;
}

std::string formatGeneralDate(std::uint64_t fileTime)
{
    platform::LocalFields fields;
    if (!platform::localTime(fileTime, fields))
        return {};
    char text[64];
    const int dateLength = std::snprintf(text, sizeof text, "%02d/%02d/%04d", fields.day,
                                         fields.month, fields.year);
    if (fields.hour != 0 || fields.minute != 0 || fields.second != 0)
        std::snprintf(text + dateLength, sizeof text - dateLength, " %02d:%02d:%02d",
                      fields.hour, fields.minute, fields.second);
    return text;
}

}  // namespace ordalis
