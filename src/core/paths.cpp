#include "core/paths.h"

namespace ordalis {

std::string CheminComplet(std::string_view folder, std::string_view name, char separator)
{
    std::string result(folder);
    if (!result.empty() && result.back() == separator)
        result.pop_back();
    if (!name.starts_with(separator))
        result.push_back(separator);
    result.append(name);
    return result;
}

std::string ApresDernier(std::string_view text, std::string_view separator)
{
    if (separator.empty())
        return std::string(text);
    const auto pos = text.rfind(separator);
    if (pos == std::string_view::npos)
        return std::string(text);
    return std::string(text.substr(pos + 1));
}

std::size_t extensionDot(std::string_view name)
{
    const std::size_t dot = name.rfind('.');
    return dot == 0 ? std::string_view::npos : dot;
}

}  // namespace ordalis
