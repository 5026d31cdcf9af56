// The DOS file attribute set and its French texts.
#pragma once

#include <cstdint>
#include <string>

namespace ordalis {

inline constexpr std::uint32_t kReadOnly = 1;
inline constexpr std::uint32_t kHidden = 2;
inline constexpr std::uint32_t kSystem = 4;
inline constexpr std::uint32_t kArchive = 32;
// The four attributes the program reads and writes.
inline constexpr std::uint32_t kAttributeMask = kReadOnly | kHidden | kSystem | kArchive;

// The French text of the four attributes carried by `value` (other bits are
// ignored): "Normal" for none, else the texts of the set ones joined by
// " - " in the order "Archive", "Lecture seule", "Fichier caché",
// "Fichier système". 7 gives "Lecture seule - Fichier caché - Fichier
// système".
std::string attributeText(std::uint32_t value);

}  // namespace ordalis
