#include "core/volumes.h"

#include <algorithm>
#include <array>

namespace ordalis {

namespace {

// File-system types that never hold the user's files: kernel interfaces,
// memory-backed scratch space, read-only application images, container
// layers and the desktop session's own FUSE helpers.
constexpr std::array<std::string_view, 30> kPseudoTypes = {
    "autofs", "binfmt_misc", "bpf", "cgroup", "cgroup2", "configfs", "debugfs", "devpts", "devtmpfs",
    "efivarfs", "fuse.gvfsd-fuse", "fuse.lxcfs", "fuse.portal", "fuse.snapfuse", "fusectl", "hugetlbfs",
    "mqueue", "nfsd", "nsfs", "overlay", "proc", "pstore", "ramfs", "rpc_pipefs", "securityfs", "selinuxfs",
    "squashfs", "sysfs", "tmpfs", "tracefs"};

// Trees that only ever hold the system's own mounts.
constexpr std::array<std::string_view, 5> kSystemTrees = {"/proc", "/sys", "/dev", "/run/user", "/snap"};

// `path` is `tree` or lies inside it ("/devoirs" is not inside "/dev").
bool isInside(std::string_view path, std::string_view tree)
{
    return path.starts_with(tree) && (path.size() == tree.size() || path[tree.size()] == '/');
}

}  // namespace

bool isUserVolume(std::string_view mountPoint, std::string_view fsType)
{
    if (mountPoint == "/")
        return true;
    if (std::find(kPseudoTypes.begin(), kPseudoTypes.end(), fsType) != kPseudoTypes.end())
        return false;
    return std::none_of(kSystemTrees.begin(), kSystemTrees.end(),
                        [&](std::string_view tree) { return isInside(mountPoint, tree); });
}

}  // namespace ordalis
