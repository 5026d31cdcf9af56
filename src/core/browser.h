// Logic of the folder browser that needs no window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace ordalis {

// Caption of the selection-count panel: " Aucun fichier sélectionné" before
// any click, " 0 fichier sélectionné", " 1 fichier sélectionné",
// " 3 fichiers sélectionnés".
inline constexpr std::string_view kAucunFichier = " Aucun fichier sélectionné";
std::string selectionCaption(std::size_t selectedCount);

// The message of a whole-folder command stopped by the user: "Commande
// arrêtée : aucun fichier traité." while it was counting, else "Commande
// arrêtée : 1 fichier traité sur 120." (plural from 2).
std::string stopReport(std::uint64_t done, std::uint64_t counted, bool started);

// True when the folder holds no entry of the kinds asked for: files (hidden
// and system ones included, as the file list shows them) and, unless
// `filesOnly`, subfolders (links to folders among them) too. Devices, pipes
// and sockets never count. A folder that cannot be listed counts as empty.
bool isEmptyFolder(const std::string& folder, bool filesOnly);

}  // namespace ordalis
