// What a rename plan will do to each file, worked out before anything is
// renamed: the same order and the same rules as applyRenamePlan, over the
// names the folder holds.
#pragma once

#include "core/renameplan.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ordalis {

enum class Outcome { Unchanged, Renamed, Refused };

enum class Refusal {
    None,
    NameTaken,      // the new name exists, not freed by an earlier rename of the plan
    SameNewName,    // an earlier rename of the plan took the new name
    InvalidName,    // a name Windows refuses (characters, device names, trailing dot)
    BadStartValue,  // the numbering's start value is not a number
};

struct PlannedRename {
    RenameOp op;
    Outcome outcome = Outcome::Unchanged;
    Refusal refusal = Refusal::None;
};

// What the user is about to run: a numbered rename or an extension change,
// of the selected names of the list (every one for the "all" commands), with
// the texts as typed.
struct RenameRequest {
    bool extensionChange = false;
    std::vector<std::string> names;  // the list, in its order
    std::vector<bool> selected;      // a flag per name
    std::string base, startValue, numberFormat;
    std::string newExtension;
};

// The rows of the request's plan over a folder holding `present`: what the
// preview shows and what the command carries out (renamesOf).
std::vector<PlannedRename> planRequest(const RenameRequest& request, const std::vector<std::string>& present,
                                       bool ignoreCase);

// One row per operation of `plan`, in its order. `present` holds the name of
// every entry of the folder (files, folders, links alike); names are compared
// byte for byte, or, when `ignoreCase`, by their folded letters, where a
// change of the letter case alone of one file is no collision.
std::vector<PlannedRename> previewRenamePlan(const std::vector<RenameOp>& plan,
                                             const std::vector<std::string>& present, bool ignoreCase);

// The rows of a numbered rename whose start value is refused: every selected
// name of `names`, refused, with no new name.
std::vector<PlannedRename> refusedStartValue(const std::vector<std::string>& names,
                                             const std::vector<bool>& selected);

// The operations of the rows that rename, in their order: what a command
// carries out.
std::vector<RenameOp> renamesOf(const std::vector<PlannedRename>& rows);

struct OutcomeCounts {
    std::size_t renamed = 0;
    std::size_t refused = 0;
    std::size_t unchanged = 0;
};
OutcomeCounts countOutcomes(const std::vector<PlannedRename>& rows);

// "12 fichiers seront renommés, 2 refusés, 3 inchangés" (singular for 0 and 1).
std::string outcomeSummary(const OutcomeCounts& counts);

// The state of a row in French: "inchangé", "renommé" or the refusal's reason.
std::string_view outcomeText(const PlannedRename& row);

}  // namespace ordalis
