// Shell services on POSIX systems: the properties dialog belongs to the
// desktop's file manager, which the window layer asks over D-Bus, and the
// sound goes through the window layer's player.
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

bool playWave(std::string_view)
{
    return false;  // sound servers differ between desktops: Qt's player knows them
}

}  // namespace ordalis::platform
