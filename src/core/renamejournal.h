// The journal of the last rename command, so that it can be undone, also
// after a crash or a restart of the program.
//
// The file is text, one record per line, names percent-escaped so that any
// byte survives (bytes 0x21 to 0x7E other than '%' stay as they are, every
// other byte is written %XX with capital hex digits):
//
//   ordalis-rename-journal 1
//   folder <folder>
//   pair <old name> <new name>      one per planned rename, in plan order
//   done <i>                        the pair at 0-based position i was renamed
//   undone <i>                      the undo gave pair i its old name back
//
// The header (first line, folder, every pair) is written over the last
// journal and synced to the disk before the first file is touched. A crash
// while it is written leaves no journal or a short one with no mark, while
// no file was renamed yet: the last command's journal is then gone, which
// a new command replaces anyway. A command that renames no file at all
// leaves the last command's journal as it was: seal() writes it back.
// "done" lines are appended as the renames happen and handed to the system
// at once, so a crash of the program loses at most the mark of the rename in
// progress; they are synced to the disk once the command ends (the journal
// is then written again, beside it, and renamed over it). A power cut during
// the command, or before that last write is done, can therefore lose the
// marks of that command (on most file systems, those of the last few
// seconds): the files renamed keep their new names and an undo does not
// know them; nothing is ever overwritten. "undone" lines let an undo cut
// short be run again without touching the pairs already given back. Blank
// lines and lines cut short among the marks are ignored.
#pragma once

#include "core/renameplan.h"

#include <cstddef>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace ordalis {

// Percent-escaping of the journal's fields, and its inverse; unescape gives
// nothing for a malformed field (a lone '%', a bad hex digit).
std::string escapeJournalField(std::string_view bytes);
std::optional<std::string> unescapeJournalField(std::string_view field);

// The journal of one command being carried out.
class RenameJournal {
public:
    // Replaces the journal at `path` by one describing `plan` in `folder`,
    // none done, synced to disk before it returns. When it cannot be
    // written, the last journal is removed too (it would no longer describe
    // the last command), error() tells why and the marks do nothing.
    RenameJournal(std::string path, const std::string& folder, const std::vector<RenameOp>& plan);
    RenameJournal(const RenameJournal&) = delete;
    RenameJournal& operator=(const RenameJournal&) = delete;

    std::error_code error() const { return error_; }

    // Records that the pair at `index` of the plan was renamed: appended and
    // handed to the system at once, synced by seal().
    void markDone(std::size_t index);

    // Makes every mark durable: the whole journal is written again and
    // synced, on a thread of its own; the next use of any journal (and the
    // end of the program) waits for it. Without any mark, the journal found
    // at `path` when this one was made is written back instead (or the file
    // is removed when there was none). Once the command is over; further
    // marks do nothing.
    void seal();

private:
    std::string path_;
    std::string text_;      // everything written so far
    std::string previous_;  // the journal this one replaced, empty when none
    bool marked_ = false;
    std::ofstream out_;
    std::error_code error_;
};

struct JournalPair {
    std::string oldName;
    std::string newName;
    bool done = false;  // renamed and not given back yet
};

struct JournalContents {
    std::string folder;
    std::vector<JournalPair> pairs;
    std::size_t doneCount() const;
};

// The journal at `path`; nothing when there is none or its header is not
// whole. A last line cut short (a crash while it was written) and marks of
// positions that do not exist are ignored.
std::optional<JournalContents> readRenameJournal(const std::string& path);

// How many files an undo run now would give their old names back: the done
// pairs whose file is still under its new name and whose old name is free,
// or freed by a pair given back before it (the undo goes last renamed
// first). A name that differs from the new one by its letter case only and
// names the same file counts as free.
std::size_t restorableCount(const JournalContents& journal);

struct UndoReport {
    std::size_t restored = 0;
    std::vector<std::string> kept;  // current (new) names of the files not given back, in the order tried
};

// Gives the done pairs of the journal at `path` their old names back, last
// renamed first, through the no-replace platform rename: a file whose old
// name is taken, or that is gone, keeps its current name. Each pair given
// back is marked "undone" at once. Nothing when the journal cannot be read.
std::optional<UndoReport> undoRenameJournal(const std::string& path);

// Removes the journal; true when it is gone (or was never there).
bool removeRenameJournal(const std::string& path);

}  // namespace ordalis
