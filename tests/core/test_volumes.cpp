#include "core/volumes.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace ordalis {
namespace {

// Lines of desktops' /proc/self/mounts: the drive list offers disks, USB
// keys, optical discs and network shares, not the system's own mounts.
TEST(UserVolume, FromMountTableLines)
{
    const std::pair<const char*, bool> rows[] = {
        {"/dev/nvme0n1p2 / ext4 rw,relatime,errors=remount-ro 0 0", true},
        {"overlay / overlay rw,relatime,lowerdir=/var/lib/containers/l/ABC,upperdir=/u,workdir=/w 0 0", true},
        {"/dev/sda1 /run/media/alice/CLE_USB vfat rw,nosuid,nodev,relatime,uid=1000,uhelper=udisks2 0 0", true},
        {"/dev/sdc1 /media/bob/DONNEES fuseblk rw,nosuid,nodev,relatime,user_id=0,allow_other 0 0", true},
        {"/dev/sr0 /media/bob/CDROM iso9660 ro,nosuid,nodev,relatime,uid=1000,uhelper=udisks2 0 0", true},
        {"//nas/partage /mnt/nas cifs rw,relatime,vers=3.1.1,cache=strict,username=alice 0 0", true},
        {"alice@serveur:/ /home/alice/serveur fuse.sshfs rw,nosuid,nodev,relatime,user_id=1000 0 0", true},
        {"sysfs /sys sysfs rw,nosuid,nodev,noexec,relatime 0 0", false},
        {"proc /proc proc rw,nosuid,nodev,noexec,relatime 0 0", false},
        {"udev /dev devtmpfs rw,nosuid,relatime,size=8123456k,nr_inodes=2030864,mode=755 0 0", false},
        {"tmpfs /run tmpfs rw,nosuid,nodev,noexec,relatime,size=1634568k,mode=755 0 0", false},
        {"tmpfs /tmp tmpfs rw,nosuid,nodev,seclabel,size=8117244k,nr_inodes=1048576 0 0", false},
        {"systemd-1 /proc/sys/fs/binfmt_misc autofs rw,relatime,fd=29,pgrp=1,timeout=0,direct 0 0", false},
        {"/dev/loop3 /snap/core20/2105 squashfs ro,nodev,relatime,errors=continue,threads=single 0 0", false},
        {"nsfs /run/snapd/ns/snapd-desktop-integration.mnt nsfs rw 0 0", false},
        {"overlay /var/lib/docker/overlay2/3f1c9a/merged overlay rw,relatime,lowerdir=/l,upperdir=/u,workdir=/w 0 0", false},
        {"gvfsd-fuse /run/user/1000/gvfs fuse.gvfsd-fuse rw,nosuid,nodev,relatime,user_id=1000,group_id=1000 0 0", false},
        {"lxcfs /var/lib/lxcfs fuse.lxcfs rw,nosuid,nodev,relatime,user_id=0,group_id=0,allow_other 0 0", false},
    };
    for (const auto& [line, offered] : rows) {
        std::istringstream fields(line);
        std::string device, mountPoint, type;
        fields >> device >> mountPoint >> type;
        EXPECT_EQ(isUserVolume(mountPoint, type), offered) << line;
    }
}

}  // namespace
}  // namespace ordalis
