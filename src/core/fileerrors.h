// Why a file call refused a file before reading or writing any of it, as
// error codes beside the system's own.
#pragma once

#include <string>
#include <system_error>

namespace ordalis {

enum class FileRefusal {
    // The read-only attribute is set: the content is never changed, for the
    // administrator as for anyone (as Windows does).
    ReadOnlyAttribute = 1,
    // A pipe, device or socket: never opened, since reading or writing it
    // may wait for ever.
    NotRegularFile,
};

const std::error_category& fileRefusalCategory();
std::error_code make_error_code(FileRefusal refusal);

}  // namespace ordalis

template <>
struct std::is_error_code_enum<ordalis::FileRefusal> : std::true_type {};
