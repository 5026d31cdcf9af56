// Stored user.DOSATTRIB values, which any other program may have written:
// every value is read without fault, and a record that is read is written
// back to a value that reads as the same record.
#include "check.h"
#include "core/dosattrib.h"

#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto record = ordalis::decodeDosAttrib(std::span<const std::uint8_t>(data, size));
    if (!record)
        return 0;
    const auto stored = ordalis::encodeDosAttrib(*record);
    const auto again = ordalis::decodeDosAttrib(stored);
    FUZZ_CHECK(again.has_value());
    FUZZ_CHECK(*again == *record);
    return 0;
}
