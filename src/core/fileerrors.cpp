#include "core/fileerrors.h"

namespace ordalis {

namespace {

class RefusalCategory final : public std::error_category {
public:
    const char* name() const noexcept override { return "ordalis-file"; }
    std::string message(int value) const override
    {
        switch (static_cast<FileRefusal>(value)) {
        case FileRefusal::ReadOnlyAttribute: return "the file has the read-only attribute";
        case FileRefusal::NotRegularFile: return "not a regular file";
        }
        return "refused";
    }
};

}  // namespace

const std::error_category& fileRefusalCategory()
{
    static const RefusalCategory category;
    return category;
}

std::error_code make_error_code(FileRefusal refusal)
{
    return {static_cast<int>(refusal), fileRefusalCategory()};
}

}  // namespace ordalis
