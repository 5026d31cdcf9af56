// Batch rename and extension change of the files of one folder: the plans
// compute old and new names from the list, the selection and the texts the
// user typed; applyRenamePlan carries them out through the platform layer,
// which never replaces an existing file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ordalis {

class RenameJournal;

struct RenameOp {
    std::size_t position;  // 0-based position in the file list
    std::string oldName;
    std::string newName;
};

// The start value of the numbering as typed: a whole non-negative decimal
// number, blanks (spaces, tabs) allowed around it ("001", " 5 "). Anything
// else, the empty text, or a value beyond 64 bits gives nothing.
std::optional<std::uint64_t> parseStartValue(std::string_view text);

// One operation per selected position of `names` (the list in its order;
// `selected` has one flag per name). The new name is `base`, then the number
// start + position in decimal, zero-padded to at least numberFormat.size()
// digits (1000 stays 1000 under "000"), then "." and the lower-cased
// extension of the old name, the text after its extensionDot
// (Photo.Vac.JPG -> Vac001.jpg, .config.OLD -> Vac001.old). A name without
// extension gets the base and the number only (README and .bashrc ->
// Vac001). A start value that parseStartValue refuses gives an empty plan.
std::vector<RenameOp> planNumberedRename(const std::vector<std::string>& names,
                                         const std::vector<bool>& selected,
                                         std::string_view base,
                                         std::string_view startValue,
                                         std::string_view numberFormat);

// One operation per selected position: the extension of the name (the text
// after its extensionDot) is replaced by `newExtension`, taken as typed; a
// name without extension gets "." and the new extension.
// ("photo.jpeg", "gif") -> "photo.gif", ("Photo.Vac.JPG", "gif") ->
// "Photo.Vac.gif", ("a.txt", ".doc") -> "a..doc", ("README", "txt") ->
// "README.txt", (".bashrc", "txt") -> ".bashrc.txt".
std::vector<RenameOp> planExtensionChange(const std::vector<std::string>& names,
                                          const std::vector<bool>& selected,
                                          std::string_view newExtension);

// Carries out the operations in order, both names taken inside `folder`. An
// operation whose new name fails isValidWindowsName, or whose rename fails
// (the target exists, the file is in use, ...), is skipped silently and the
// next one goes on; nothing is ever overwritten. `progress`, when given, is
// called after each operation, done or skipped, with the count handled so
// far. Each rename done that changes the name is marked in `journal`, when
// given (a journal made for this folder and plan), as it happens; the
// journal is then sealed. Returns how many operations succeeded.
std::size_t applyRenamePlan(const std::string& folder,
                            const std::vector<RenameOp>& plan,
                            const std::function<void(std::size_t)>& progress = {},
                            RenameJournal* journal = nullptr);

}  // namespace ordalis
