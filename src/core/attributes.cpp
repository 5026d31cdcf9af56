#include "core/attributes.h"

#include <array>
#include <string_view>

namespace ordalis {

namespace {

struct AttributeName {
    std::uint32_t bit;
    std::string_view text;
};

// In the order of the combined texts.
constexpr std::array<AttributeName, 4> kNames{{
    {kArchive, "Archive"},
    {kReadOnly, "Lecture seule"},
    {kHidden, "Fichier caché"},
    {kSystem, "Fichier système"},
}};

}  // namespace

std::string attributeText(std::uint32_t value)
{
    std::string text;
    for (const AttributeName& name : kNames) {
        if ((value & name.bit) == 0)
            continue;
        if (!text.empty())
            text += " - ";
        text += name.text;
    }
    return text.empty() ? std::string("Normal") : text;
}

}  // namespace ordalis
