#include "core/volumes.h"

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>

namespace ordalis {
namespace {

// One line of a desktop's /proc/self/mounts and whether the drive list
// offers it.
struct MountRow {
    const char* line;
    bool offered;
};

void PrintTo(const MountRow& row, std::ostream* out)
{
    *out << row.line;
}

class UserVolume : public testing::TestWithParam<MountRow> {};

TEST_P(UserVolume, FromMountTableLine)
{
    std::istringstream fields(GetParam().line);
    std::string device, mountPoint, type;
    fields >> device >> mountPoint >> type;
    EXPECT_EQ(isUserVolume(mountPoint, type), GetParam().offered) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(Offered, UserVolume, testing::Values(
    MountRow{"/dev/nvme0n1p2 / ext4 rw,relatime,errors=remount-ro 0 0", true},
    MountRow{"overlay / overlay rw,relatime,lowerdir=/var/lib/containers/l/ABC,upperdir=/u,workdir=/w 0 0", true},
    MountRow{"/dev/mapper/fedora-home /home btrfs rw,relatime,seclabel,compress=zstd:1,ssd,subvol=/home 0 0", true},
    MountRow{"/dev/nvme0n1p1 /boot/efi vfat rw,relatime,fmask=0077,dmask=0077,codepage=437,errors=remount-ro 0 0", true},
    MountRow{"/dev/sda1 /run/media/alice/CLE_USB vfat rw,nosuid,nodev,relatime,uid=1000,uhelper=udisks2 0 0", true},
    MountRow{"/dev/sdd1 /run/media/alice/SAUVEGARDE ext4 rw,nosuid,nodev,relatime,uhelper=udisks2 0 0", true},
    MountRow{"/dev/sdb1 /media/bob/DISQUE exfat rw,nosuid,nodev,relatime,uid=1000,uhelper=udisks2 0 0", true},
    MountRow{"/dev/sdc2 /media/bob/WINDOWS ntfs3 rw,nosuid,nodev,relatime,uid=1000,uhelper=udisks2 0 0", true},
    MountRow{"/dev/sdc1 /media/bob/DONNEES fuseblk rw,nosuid,nodev,relatime,user_id=0,allow_other 0 0", true},
    MountRow{"/dev/sr0 /media/bob/CDROM iso9660 ro,nosuid,nodev,relatime,uid=1000,uhelper=udisks2 0 0", true},
    MountRow{"//nas/partage /mnt/nas cifs rw,relatime,vers=3.1.1,cache=strict,username=alice 0 0", true},
    MountRow{"nas:/export/photos /mnt/photos nfs4 rw,relatime,vers=4.2,rsize=1048576,hard,proto=tcp 0 0", true},
    MountRow{"alice@serveur:/ /home/alice/serveur fuse.sshfs rw,nosuid,nodev,relatime,user_id=1000 0 0", true},
    MountRow{"/dev/sde1 /devoirs ext4 rw,relatime 0 0", true}));

INSTANTIATE_TEST_SUITE_P(LeftOut, UserVolume, testing::Values(
    MountRow{"sysfs /sys sysfs rw,nosuid,nodev,noexec,relatime 0 0", false},
    MountRow{"proc /proc proc rw,nosuid,nodev,noexec,relatime 0 0", false},
    MountRow{"udev /dev devtmpfs rw,nosuid,relatime,size=8123456k,nr_inodes=2030864,mode=755 0 0", false},
    MountRow{"devpts /dev/pts devpts rw,nosuid,noexec,relatime,gid=5,mode=620,ptmxmode=000 0 0", false},
    MountRow{"tmpfs /run tmpfs rw,nosuid,nodev,noexec,relatime,size=1634568k,mode=755 0 0", false},
    MountRow{"tmpfs /run/lock tmpfs rw,nosuid,nodev,noexec,relatime,size=5120k 0 0", false},
    MountRow{"tmpfs /dev/shm tmpfs rw,nosuid,nodev,inode64 0 0", false},
    MountRow{"tmpfs /tmp tmpfs rw,nosuid,nodev,seclabel,size=8117244k,nr_inodes=1048576 0 0", false},
    MountRow{"tmpfs /run/user/1000 tmpfs rw,nosuid,nodev,relatime,mode=700,uid=1000,gid=1000 0 0", false},
    MountRow{"securityfs /sys/kernel/security securityfs rw,nosuid,nodev,noexec,relatime 0 0", false},
    MountRow{"cgroup2 /sys/fs/cgroup cgroup2 rw,nosuid,nodev,noexec,relatime,nsdelegate 0 0", false},
    MountRow{"pstore /sys/fs/pstore pstore rw,nosuid,nodev,noexec,relatime 0 0", false},
    MountRow{"efivarfs /sys/firmware/efi/efivars efivarfs rw,nosuid,nodev,noexec,relatime 0 0", false},
    MountRow{"bpf /sys/fs/bpf bpf rw,nosuid,nodev,noexec,relatime,mode=700 0 0", false},
    MountRow{"systemd-1 /proc/sys/fs/binfmt_misc autofs rw,relatime,fd=29,pgrp=1,timeout=0,direct 0 0", false},
    MountRow{"binfmt_misc /proc/sys/fs/binfmt_misc binfmt_misc rw,nosuid,nodev,noexec,relatime 0 0", false},
    MountRow{"hugetlbfs /dev/hugepages hugetlbfs rw,relatime,pagesize=2M 0 0", false},
    MountRow{"mqueue /dev/mqueue mqueue rw,nosuid,nodev,noexec,relatime 0 0", false},
    MountRow{"debugfs /sys/kernel/debug debugfs rw,nosuid,nodev,noexec,relatime 0 0", false},
    MountRow{"tracefs /sys/kernel/tracing tracefs rw,nosuid,nodev,noexec,relatime 0 0", false},
    MountRow{"fusectl /sys/fs/fuse/connections fusectl rw,nosuid,nodev,noexec,relatime 0 0", false},
    MountRow{"configfs /sys/kernel/config configfs rw,nosuid,nodev,noexec,relatime 0 0", false},
    MountRow{"selinuxfs /sys/fs/selinux selinuxfs rw,nosuid,noexec,relatime 0 0", false},
    MountRow{"sunrpc /run/rpc_pipefs rpc_pipefs rw,relatime 0 0", false},
    MountRow{"ramfs /run/credentials/systemd-sysctl.service ramfs ro,nosuid,nodev,noexec,relatime,mode=700 0 0", false},
    MountRow{"/dev/loop3 /snap/core20/2105 squashfs ro,nodev,relatime,errors=continue,threads=single 0 0", false},
    MountRow{"/dev/loop7 /var/lib/snapd/snap/firefox/3836 squashfs ro,nodev,relatime,errors=continue 0 0", false},
    MountRow{"nsfs /run/snapd/ns/snapd-desktop-integration.mnt nsfs rw 0 0", false},
    MountRow{"overlay /var/lib/docker/overlay2/3f1c9a/merged overlay rw,relatime,lowerdir=/l,upperdir=/u,workdir=/w 0 0", false},
    MountRow{"gvfsd-fuse /run/user/1000/gvfs fuse.gvfsd-fuse rw,nosuid,nodev,relatime,user_id=1000,group_id=1000 0 0", false},
    MountRow{"portal /run/user/1000/doc fuse.portal rw,nosuid,nodev,relatime,user_id=1000,group_id=1000 0 0", false},
    MountRow{"lxcfs /var/lib/lxcfs fuse.lxcfs rw,nosuid,nodev,relatime,user_id=0,group_id=0,allow_other 0 0", false}));

}  // namespace
}  // namespace ordalis
