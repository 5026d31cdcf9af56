#include "core/properties.h"

#include "core/attributes.h"
#include "core/datetime.h"

namespace ordalis {

std::string folderCaption(const std::string& fullPath, char separator)
{
    const auto last = fullPath.rfind(separator);
    if (last == std::string::npos)
        return {};
    if (last == 0)
        return std::string(1, separator);
    return fullPath.substr(0, last);
}

std::string nameLine(std::string_view name)
{
    return std::string(kNameLabel).append(name);
}

std::string sizeLine(std::uint64_t bytes)
{
    const std::uint64_t kilobytes = bytes / 1024 + (bytes % 1024 != 0 ? 1 : 0);
    return std::string(kSizeLabel) + std::to_string(bytes) + " octets ou " + std::to_string(kilobytes) + " Ko";
}

std::string dateLine(std::string_view label, std::uint64_t fileTime)
{
    return std::string(label) + formatGeneralDate(fileTime);
}

std::string propertiesAttributeText(std::uint32_t attributes, bool queryOk)
{
    return std::string(attributeText(queryOk ? attributes & kAttributeMask : 0));
}

std::string attributesLine(std::uint32_t attributes, bool queryOk)
{
    return std::string(kAttributesLabel) + propertiesAttributeText(attributes, queryOk);
}

}  // namespace ordalis
