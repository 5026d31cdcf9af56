// Date and time texts typed by the user, and their conversion to and from
// file times (100-nanosecond intervals since 1601-01-01 UTC).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ordalis {

// Message shown when a date or time text cannot be read.
inline constexpr std::string_view kDateInputErrorTitle = "Erreur de saisie date ou heure";
inline constexpr std::string_view kDateInputErrorText =
    "Vous devez entrez la date sous la forme 14/08/01\net l'heure sous la forme 05:12:24";

// A calendar date and a time of day on the local clock.
struct LocalDateTime {
    int year = 0;
    int month = 0;  // 1 to 12
    int day = 0;    // 1 to 31
    int hour = 0;   // 0 to 23
    int minute = 0;
    int second = 0;

    friend bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
};

// Reads a French date, optionally followed by a time, from UTF-8 text:
// - day, month and year in that order, separated by "/", "-", "." or blanks
//   ("14/08/01", "14-08-2001", "14.08.2001", "14 08 2001"); the day may be
//   written "1er";
// - the month as a number or a French name, whole or abbreviated to at least
//   three letters that name one month only, with or without accents and a
//   final dot ("14 août 2001", "14 aout 01", "14 févr. 2001", "3 JUIL 2001");
// - a year of one or two digits falls in 1930 to 2029 (01 is 2001, 45 is
//   1945); a four-digit year is taken as written;
// - the time after one or more blanks, hours:minutes or hours:minutes:seconds
//   on 24 hours ("05:12", "05:12:24"); a date alone means midnight.
// Blanks around the whole text are ignored. Dates that do not exist
// (31/02/2001, 29/02/2001), out-of-range times and any other text give
// nullopt.
std::optional<LocalDateTime> parseFrenchDateTime(std::string_view text);

// Converts a local date and time to a file time with the time-zone offset in
// force at that date as the system knows it, daylight saving included, before
// 1970 as after. A time skipped when clocks go forward, or repeated when they
// go back, is read with one of the two offsets around the change, as the
// system chooses. A date the file time cannot hold (before 1601-01-01 UTC),
// the instant 1601-01-01 00:00:00 UTC itself (file time 0, which the platform
// reads as "leave unchanged") or a date the system cannot convert gives
// nullopt: the result is never 0.
std::optional<std::uint64_t> localToFileTime(const LocalDateTime& local);

// The date and time texts of one row of the window, joined with a blank and
// read as local time: parseFrenchDateTime then localToFileTime. nullopt when
// the text cannot be read or the date cannot be held; the caller then shows
// kDateInputErrorTitle / kDateInputErrorText and leaves that time unchanged.
std::optional<std::uint64_t> DateEnTempsFichier(std::string_view date, std::string_view time);

// One row of date and time fields read for every file of a command. The
// texts are handed in afresh for each file, so a correction made while the
// command runs applies from the next file on; they are converted again only
// when they differ from the previous file's, which spares the time-zone
// lookup (a file-system access on some systems) for every file of a walk.
class DateTextReader {
public:
    // DateEnTempsFichier of the texts.
    std::optional<std::uint64_t> read(std::string_view date, std::string_view time);

private:
    std::string date_;
    std::string time_;
    std::optional<std::uint64_t> result_;
    bool hasResult_ = false;
};

// A file time as local "dd/mm/yyyy hh:mm:ss", or "dd/mm/yyyy" alone when the
// local time is exactly midnight (to the second). An instant the system
// cannot convert gives an empty text.
std::string formatGeneralDate(std::uint64_t fileTime);

}  // namespace ordalis
