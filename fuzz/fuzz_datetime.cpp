// Dates and times typed by the user: any text is refused or gives fields in
// their ranges, and a date that is read converts to a non-zero file time or
// to nothing.
#include "check.h"
#include "core/datetime.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto parsed = ordalis::parseFrenchDateTime(text);
    if (!parsed)
        return 0;
    FUZZ_CHECK(parsed->month >= 1 && parsed->month <= 12);
    FUZZ_CHECK(parsed->day >= 1 && parsed->day <= 31);
    FUZZ_CHECK(parsed->hour >= 0 && parsed->hour <= 23);
    FUZZ_CHECK(parsed->minute >= 0 && parsed->minute <= 59);
    FUZZ_CHECK(parsed->second >= 0 && parsed->second <= 59);
    const auto fileTime = ordalis::localToFileTime(*parsed);
    FUZZ_CHECK(!fileTime || *fileTime != 0);
    return 0;
}
