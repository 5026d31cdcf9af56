// Name patterns: the pattern and the name both come from the input, split
// at its first NUL (no NUL: the whole input is the pattern, matched against
// a fixed name); a name ends at the next NUL, as file names do. "*"
// matches every name.
#include "check.h"
#include "core/pattern.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto nul = input.find('\0');
    const std::string_view pattern = input.substr(0, nul);
    std::string_view name = nul == std::string_view::npos ? "Photo.Vac.JPG" : input.substr(nul + 1);
    name = name.substr(0, name.find('\0'));
    ordalis::matchesPattern(pattern, name);
    ordalis::matchesPattern(name, pattern);
    FUZZ_CHECK(ordalis::matchesPattern("*", name));
    ordalis::patternFromFilter(name);
    return 0;
}
