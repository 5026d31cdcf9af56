// Local date and time to file time on POSIX systems: the C library's
// mktime, which follows the TZ variable and the time zone database, before
// 1970 as after.
#include "core/filetime_units.h"
#include "core/platform/platform.h"

#include <ctime>

namespace ordalis::platform {

namespace {

// Days from 1970-01-01 to the given date of the proleptic Gregorian calendar.
std::int64_t daysFromCivil(std::int64_t year, int month, int day)
{
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

}  // namespace

std::optional<FileTime> localToFileTime(const LocalFields& local)
{
    std::tm fields{};
    fields.tm_year = local.year - 1900;
    fields.tm_mon = local.month - 1;
    fields.tm_mday = local.day;
    fields.tm_hour = local.hour;
    fields.tm_min = local.minute;
    fields.tm_sec = local.second;
    fields.tm_isdst = -1;
    const std::time_t utc = std::mktime(&fields);
    // -1 is both mktime's failure and a valid instant; on success the
    // normalised local fields lie within a day of the instant it returns.
    const std::int64_t localSeconds =
        daysFromCivil(fields.tm_year + 1900LL, fields.tm_mon + 1, fields.tm_mday) * 86400
        + fields.tm_hour * 3600 + fields.tm_min * 60 + fields.tm_sec;
    const std::int64_t offset = localSeconds - static_cast<std::int64_t>(utc);
    if (utc == static_cast<std::time_t>(-1) && (offset > 86400 || offset < -86400))
        return std::nullopt;
    constexpr std::int64_t kYear1601 = unixFromFileTime(0).seconds;
    if (utc < kYear1601)
        return std::nullopt;
    return fileTimeFromUnix({static_cast<std::int64_t>(utc), 0});
}

}  // namespace ordalis::platform
