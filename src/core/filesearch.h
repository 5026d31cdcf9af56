// The file search: the files of a folder, and optionally of its whole tree,
// whose names match a pattern, found on a worker thread and handed to the
// window in batches of rows that hold every text the results list shows.
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ordalis {

// One found file. The name, folder and key keep the file system's own bytes,
// so that the file can be opened even when its name is not valid UTF-8; the
// display texts are always valid UTF-8 (utf8::display).
struct SearchRow {
    std::string name;
    std::string displayName;
    std::string folder;         // without trailing separator: "/" and "C:" for roots
    std::string displayFolder;
    std::string key;            // the full path: folder, separator (none after "/"), name

    std::uint64_t size = 0;        // bytes
    std::uint64_t writeTime = 0;   // last modification, file time (100 ns since 1601 UTC)
    std::size_t nameLength = 0;    // characters of displayName

    std::string sizeText;          // plain decimal digits, "1234567"
    std::string dateText;          // local date of writeTime, "dd/mm/yyyy"
    std::string timeText;          // local time of writeTime, "hh:mm" on 24 hours
    std::string nameLengthText;    // nameLengthText(nameLength)
};

struct SearchOptions {
    std::string folder;        // where the search starts; a trailing separator is ignored
    bool subfolders = false;   // also every subfolder, depth first
    // The pattern ('*', '?', no case distinction, several separated by ';'),
    // asked again as each folder is entered so that an edit made during the
    // search applies to the folders not yet entered. Called on the search's
    // thread. An empty pattern, or no function, matches nothing.
    std::function<std::string()> pattern;
};

// Rows are delivered once this many are waiting, or once this time has gone
// by since the last delivery, and at the end.
inline constexpr std::size_t kSearchBatchRows = 256;
inline constexpr std::chrono::milliseconds kSearchBatchDelay{20};

using SearchBatchHandler = std::function<void(std::vector<SearchRow>&&)>;

// Runs a whole search, calling `onBatch` (never with an empty batch) on the
// calling thread as rows are found. Order: the matching files of a folder in
// the file system's own order, then, with subfolders, each subfolder in that
// order with its whole tree. Only what is a regular file once links are
// followed is listed (a folder is walked whatever its name): a link to a
// file is listed with its target's size and time; pipes, devices, sockets
// and links to them are left out; a link to a folder is neither listed nor
// walked, so the walk always ends. Hidden files are listed like any other.
// Folders are reached however deep they lie, whatever the length of their
// path. A folder that cannot be read, and a file whose status can no longer
// be read, are left out.
// `stop` may be set from any thread: once it is seen, no further row is
// delivered and the call returns.
void searchFiles(const SearchOptions& options, const std::atomic<bool>& stop,
                 const SearchBatchHandler& onBatch);

// The folder text of the rows for a start folder: the path without its
// trailing separators ('/' or `separator`), except that a root made only of
// separators stays as one ("/"); "C:\\" gives "C:".
std::string searchFolderText(std::string_view path, char separator);

// A name length as the list shows it, with a leading "0" below 10: 5 gives
// "05", 12 gives "12", 123 gives "123".
std::string nameLengthText(std::size_t length);

}  // namespace ordalis
