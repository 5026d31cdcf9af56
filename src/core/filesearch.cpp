#include "core/filesearch.h"

#include "core/paths.h"
#include "core/pattern.h"
#include "core/platform/platform.h"
#include "core/utf8.h"

#include <cstdio>
#include <limits>

namespace ordalis {

namespace {

using Clock = std::chrono::steady_clock;

// The date and time texts of a file time; the texts of the previous call are
// reused for the same second, as files of one tree often share their times.
class DateTexts {
public:
    void get(std::uint64_t fileTime, std::string& date, std::string& time)
    {
        const std::uint64_t second = fileTime / 10'000'000;
        if (second != second_) {
            second_ = second;
            platform::LocalFields local;
            if (platform::localTime(fileTime, local)) {
                std::snprintf(date_, sizeof date_, "%02d/%02d/%04d", local.day, local.month, local.year);
                std::snprintf(time_, sizeof time_, "%02d:%02d", local.hour, local.minute);
            } else {
                date_[0] = time_[0] = '\0';
            }
        }
        date = date_;
        time = time_;
    }

private:
    std::uint64_t second_ = std::numeric_limits<std::uint64_t>::max();
    char date_[24] = {};
    char time_[16] = {};
};

// Gathers rows and hands them over in batches; nothing once stopped.
class Batches {
public:
    Batches(const std::atomic<bool>& stop, const SearchBatchHandler& onBatch)
        : stop_(stop), onBatch_(onBatch)
    {
    }

    bool stopped() const { return stop_.load(std::memory_order_acquire); }

    // False when the search is stopped: the row is dropped.
    bool add(SearchRow&& row)
    {
        if (stopped())
            return false;
        rows_.push_back(std::move(row));
        if (rows_.size() >= kSearchBatchRows)
            deliver();
        else
            deliverIfDue();
        return true;
    }

    void deliverIfDue()
    {
        if (!rows_.empty() && Clock::now() - last_ >= kSearchBatchDelay)
            deliver();
    }

    void deliver()
    {
        if (rows_.empty() || stopped())
            return;
        std::vector<SearchRow> batch;
        batch.swap(rows_);
        onBatch_(std::move(batch));
        last_ = Clock::now();
    }

private:
    const std::atomic<bool>& stop_;
    const SearchBatchHandler& onBatch_;
    std::vector<SearchRow> rows_;
    Clock::time_point last_ = Clock::now();
};

// A folder being searched: its listing is kept for the subfolders pass.
struct Folder {
    std::string name;  // in its parent; empty for the start folder
    std::string path;
    std::string display;
    platform::OpenFolder handle;
    std::vector<platform::DirEntry> entries;
    std::size_t nextEntry = 0;  // subfolders pass
};

// How many of the innermost folders stay open; those above them are opened
// again from their parents when the walk comes back to them.
constexpr std::size_t kOpenFolders = 64;

class Search {
public:
    Search(const SearchOptions& options, const std::atomic<bool>& stop,
           const SearchBatchHandler& onBatch)
        : options_(options), batches_(stop, onBatch)
    {
    }

    void run()
    {
        Folder& top = folders_.emplace_back();
        top.path = searchFolderText(options_.folder, separator_);
        platform::OpenFolder::open(top.path, top.handle);
        searchFolder();
        while (!folders_.empty() && !batches_.stopped()) {
            const platform::DirEntry* sub = options_.subfolders ? nextSubfolder(folders_.back()) : nullptr;
            if (!sub)
                folders_.pop_back();
            else
                enter(sub->name);
        }
        batches_.deliver();
    }

private:
    static const platform::DirEntry* nextSubfolder(Folder& folder)
    {
        while (folder.nextEntry < folder.entries.size()) {
            const platform::DirEntry& entry = folder.entries[folder.nextEntry++];
            if (entry.isDirectory && !entry.isSymlink)
                return &entry;
        }
        return nullptr;
    }

    // Opens the subfolder `name` of the innermost folder and searches it; a
    // folder that cannot be opened gives nothing.
    void enter(std::string name)
    {
        if (!reopen(folders_.size() - 1))
            return;
        Folder child;
        if (folders_.back().handle.openChild(name, child.handle))
            return;
        child.path = joinPath(folders_.back().path, name, separator_);
        child.name = std::move(name);
        folders_.push_back(std::move(child));
        if (folders_.size() > kOpenFolders)
            folders_[folders_.size() - 1 - kOpenFolders].handle.close();
        searchFolder();
    }

    // Makes sure the folder at `depth` is open, opening again from the
    // nearest open one above it (or from the start folder's path) those that
    // were closed.
    bool reopen(std::size_t depth)
    {
        std::size_t open = depth;
        while (open > 0 && !folders_[open].handle.isOpen())
            --open;
        if (!folders_[open].handle.isOpen() && platform::OpenFolder::open(folders_[0].path, folders_[0].handle))
            return false;
        for (std::size_t k = open + 1; k <= depth; ++k)
            if (folders_[k - 1].handle.openChild(folders_[k].name, folders_[k].handle))
                return false;
        return true;
    }

    // Lists the innermost folder and delivers its matching regular files
    // (the files pass).
    void searchFolder()
    {
        const std::string pattern = options_.pattern ? options_.pattern() : std::string();
        Folder& folder = folders_.back();
        folder.display = utf8::display(folder.path);
        if (!folder.handle.isOpen())
            return;
        // A listing that fails leaves what could be read, maybe nothing.
        folder.handle.list(folder.entries);
        for (const platform::DirEntry& entry : folder.entries) {
            if (batches_.stopped())
                return;
            if (entry.isDirectory || entry.isSpecial || !matchesPattern(pattern, entry.name))
                continue;
            platform::FileStat status;
            if (folder.handle.stat(entry.name, status) || !status.isRegular)
                continue;  // gone since the listing, or a link to a folder, a pipe or a device
            if (!batches_.add(makeRow(folder, entry.name, status)))
                return;
        }
        batches_.deliverIfDue();
    }

    SearchRow makeRow(const Folder& folder, const std::string& name, const platform::FileStat& status)
    {
        SearchRow row;
        row.name = name;
        row.displayName = utf8::display(name);
        row.folder = folder.path;
        row.displayFolder = folder.display;
        row.key = joinPath(folder.path, name, separator_);
        row.size = status.size;
        row.writeTime = status.write;
        row.nameLength = utf8::decode(name).size();
        row.sizeText = std::to_string(status.size);
        dates_.get(status.write, row.dateText, row.timeText);
        row.nameLengthText = nameLengthText(row.nameLength);
        return row;
    }

    const SearchOptions& options_;
    const char separator_ = platform::separator();
    Batches batches_;
    DateTexts dates_;
    std::vector<Folder> folders_;  // innermost last
};

}  // namespace

void searchFiles(const SearchOptions& options, const std::atomic<bool>& stop,
                 const SearchBatchHandler& onBatch)
{
    Search(options, stop, onBatch).run();
}

std::string searchFolderText(std::string_view path, char separator)
{
    std::size_t end = path.size();
    while (end > 0 && (path[end - 1] == separator || path[end - 1] == '/'))
        --end;
    if (end == 0 && !path.empty())
        end = 1;
    return std::string(path.substr(0, end));
}

std::string nameLengthText(std::size_t length)
{
    return (length < 10 ? "0" : "") + std::to_string(length);
}

}  // namespace ordalis
