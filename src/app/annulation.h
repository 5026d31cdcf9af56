// Undo of the last rename or extension command (Ctrl+Z in the main window),
// through the journal that command left in the user's state folder.
#pragma once

#include <string>

class General;
class QWidget;

// The journal of the last rename command: "Ordalis.../dernier-renommage.journal"
// in $XDG_STATE_HOME (an absolute path), by default ~/.local/state; on
// Windows in the local application data folder. Its folder is created when
// missing.
std::string cheminJournalRenommage();

// Asks whether to undo the last command, counting the files that can get
// their old name back (No by default); Yes gives the files their old names
// back, last renamed first, never over an existing file, tells how many
// were given back and names the first few that were not, and removes the
// journal. Without a journal, or one with nothing left to undo, says there
// is nothing to undo; when no file of it can get its old name back, says so
// and keeps the journal. True when the user chose to undo.
bool annulerDernierRenommage(General& general, QWidget* parent, const std::string& journal);
