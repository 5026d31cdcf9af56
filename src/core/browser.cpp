#include "core/browser.h"

#include "core/platform/platform.h"

#include <vector>

namespace ordalis {

std::string stopReport(std::uint64_t done, std::uint64_t counted, bool started)
{
    if (!started)
        return "Commande arrêtée : aucun fichier traité.";
    return "Commande arrêtée : " + std::to_string(done) + (done > 1 ? " fichiers traités sur " : " fichier traité sur ")
         + std::to_string(counted) + ".";
}

std::string selectionCaption(std::size_t selectedCount)
{
    const std::string n = std::to_string(selectedCount);
    if (selectedCount < 2)
        return " " + n + " fichier sélectionné";
    return " " + n + " fichiers sélectionnés";
}

bool isEmptyFolder(const std::string& folder, bool filesOnly)
{
    std::vector<platform::DirEntry> entries;
    if (platform::listDirectory(folder, entries))
        return true;
    for (const auto& entry : entries) {
        if (entry.isSpecial)
            continue;
        const bool isFolder = entry.isDirectory
            || (entry.isSymlink && platform::leadsToFolder(folder + platform::separator() + entry.name));
        if (!isFolder || !filesOnly)
            return false;
    }
    return true;
}

}  // namespace ordalis
