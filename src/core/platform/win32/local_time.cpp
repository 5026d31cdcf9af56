// Local time on Windows through the system's time zone rules for the year
// of the date (dynamic daylight saving where the system keeps the rules of
// past years), so that a date before 1970 converts like any other; the C
// runtime's mktime and localtime refuse those.
#include "core/platform/platform.h"

#include <windows.h>

namespace ordalis::platform {

namespace {

constexpr int kFirstYear = 1601;   // what SYSTEMTIME and FILETIME can hold
constexpr int kLastYear = 30827;

// The rules of the current time zone for `year`: its offsets and daylight
// saving dates as they were that year when the system knows them, else the
// zone's present rules.
bool zoneForYear(int year, TIME_ZONE_INFORMATION& zone)
{
    DYNAMIC_TIME_ZONE_INFORMATION dynamic{};
    if (::GetDynamicTimeZoneInformation(&dynamic) != TIME_ZONE_ID_INVALID
        && ::GetTimeZoneInformationForYear(static_cast<USHORT>(year), &dynamic, &zone))
        return true;
    return ::GetTimeZoneInformation(&zone) != TIME_ZONE_ID_INVALID;
}

}  // namespace

std::optional<FileTime> localToFileTime(const LocalFields& local)
{
    if (local.year < kFirstYear || local.year > kLastYear)
        return std::nullopt;
    SYSTEMTIME fields{};
    fields.wYear = static_cast<WORD>(local.year);
    fields.wMonth = static_cast<WORD>(local.month);
    fields.wDay = static_cast<WORD>(local.day);
    fields.wHour = static_cast<WORD>(local.hour);
    fields.wMinute = static_cast<WORD>(local.minute);
    fields.wSecond = static_cast<WORD>(local.second);
    TIME_ZONE_INFORMATION zone{};
    SYSTEMTIME utc{};
    FILETIME time{};
    // The conversion fails when the instant falls before 1601 UTC.
    if (!zoneForYear(local.year, zone) || !::TzSpecificLocalTimeToSystemTime(&zone, &fields, &utc)
        || !::SystemTimeToFileTime(&utc, &time))
        return std::nullopt;
    return (static_cast<FileTime>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

bool localTime(std::uint64_t fileTime, LocalFields& out)
{
    FILETIME time{};
    time.dwLowDateTime = static_cast<DWORD>(fileTime & 0xFFFFFFFFu);
    time.dwHighDateTime = static_cast<DWORD>(fileTime >> 32);
    SYSTEMTIME utc{};
    SYSTEMTIME local{};
    TIME_ZONE_INFORMATION zone{};
    if (!::FileTimeToSystemTime(&time, &utc) || !zoneForYear(utc.wYear, zone)
        || !::SystemTimeToTzSpecificLocalTime(&zone, &utc, &local))
        return false;
    out = {local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond};
    return true;
}

}  // namespace ordalis::platform
