// Shell services on POSIX systems: the properties dialog belongs to the
// desktop's file manager, which the window layer asks over D-Bus.
#include "core/platform/platform.h"

namespace ordalis::platform {

bool showShellProperties(const std::string&)
{
    return false;
}

bool showShellFind()
{
    return false;  // no desktop of these systems has a find window of its own to call
}

}  // namespace ordalis::platform
