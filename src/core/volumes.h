// Which mounted file systems the drive list offers.
#pragma once

#include <string_view>

namespace ordalis {

// True for a mount the user may browse: any volume holding files (disks,
// partitions, memory sticks, network shares, "/" itself), false for the
// kernel's and the desktop's pseudo file systems (proc, sysfs, tmpfs, cgroup,
// snap images, container overlays, per-session FUSE helpers, ...).
// `mountPoint` is the decoded path (no "\040" escapes), `fsType` the type as
// the mount table gives it, FUSE subtypes included ("fuse.gvfsd-fuse").
// Sticks mounted under /run/media/<user>/ or /media/<user>/ are kept.
bool isUserVolume(std::string_view mountPoint, std::string_view fsType);

}  // namespace ordalis
