// The lines of the file properties panel.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ordalis {

inline constexpr std::string_view kNameLabel = "Nom du fichier : ";
inline constexpr std::string_view kSizeLabel = "Taille : ";
inline constexpr std::string_view kCreatedLabel = "Créé le     : ";
inline constexpr std::string_view kAccessedLabel = "Accédé le : ";
inline constexpr std::string_view kModifiedLabel = "Modifié le : ";
inline constexpr std::string_view kAttributesLabel = "Attributs : ";

// The panel's caption: the folder of `fullPath` without its trailing
// separator; a file at a root gives the root ("/a.txt" -> "/",
// "C:\\a.txt" -> "C:").
std::string folderCaption(const std::string& fullPath, char separator);

// "Nom du fichier : " and the name.
std::string nameLine(std::string_view name);

// "Taille : <bytes> octets ou <K> Ko", K being the size in kilobytes rounded
// up: 0 -> 0 Ko, 1 -> 1 Ko, 1024 -> 1 Ko, 1025 -> 2 Ko.
std::string sizeLine(std::uint64_t bytes);

// A label followed by the file time in the general date format
// (formatGeneralDate): kCreatedLabel, kAccessedLabel or kModifiedLabel.
std::string dateLine(std::string_view label, std::uint64_t fileTime);

// The attribute text of the panel: the four attributes the mask carries,
// whatever its other bits, named in the order Archive, Lecture seule, Fichier
// caché, Fichier système and joined by " - "; "Normal" for none of them and
// when the query failed (`queryOk` false).
std::string propertiesAttributeText(std::uint32_t attributes, bool queryOk);

// "Attributs : " and propertiesAttributeText.
std::string attributesLine(std::uint32_t attributes, bool queryOk);

}  // namespace ordalis
