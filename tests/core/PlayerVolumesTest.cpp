// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/PlayerVolumes.h"

#include "core/platform/VolumeTable.h"
#include "support/StoreBytes.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvelin
{
namespace
{

// Mount tables as the kernel writes them on the machines players use.
const char* const kDesktopWithUsbStick =
    R"(22 1 8:2 / / rw,relatime shared:1 - ext4 /dev/sda2 rw,errors=remount-ro
23 22 0:21 / /sys rw,nosuid,nodev,noexec,relatime shared:7 - sysfs sysfs rw
24 22 0:22 / /proc rw,nosuid,nodev,noexec,relatime shared:12 - proc proc rw
25 22 0:5 / /dev rw,nosuid,relatime shared:2 - devtmpfs udev rw,size=8103560k,nr_inodes=2025890,mode=755
27 22 0:24 / /run rw,nosuid,nodev,noexec,relatime shared:5 - tmpfs tmpfs rw,size=1627000k,mode=755
30 23 0:26 / /sys/fs/cgroup rw,nosuid,nodev,noexec,relatime shared:9 - cgroup2 cgroup2 rw,nsdelegate,memory_recursiveprot
32 23 0:28 / /sys/firmware/efi/efivars rw,nosuid,nodev,noexec,relatime shared:11 - efivarfs efivarfs rw
34 24 0:30 / /proc/sys/fs/binfmt_misc rw,relatime shared:14 - autofs systemd-1 rw,fd=29,pgrp=1,timeout=0,minproto=5,maxproto=5,direct
41 22 8:1 / /boot/efi rw,relatime shared:21 - vfat /dev/sda1 rw,fmask=0077,dmask=0077,codepage=437
42 34 0:33 / /proc/sys/fs/binfmt_misc rw,nosuid,nodev,noexec,relatime shared:22 - binfmt_misc binfmt_misc rw
43 27 0:34 / /run/user/1000 rw,nosuid,nodev,relatime shared:23 - tmpfs tmpfs rw,size=1626996k,mode=700,uid=1000,gid=1000
44 43 0:35 / /run/user/1000/gvfs rw,nosuid,nodev,relatime shared:24 - fuse.gvfsd-fuse gvfsd-fuse rw,user_id=1000,group_id=1000
46 22 8:17 / /media/jo/RACING\040USB rw,nosuid,nodev,relatime shared:26 - vfat /dev/sdb1 rw,uid=1000,gid=1000,fmask=0022
)";

const char* const kOwnHomeVolumeAndFedoraMedia =
    R"(60 1 253:0 / / rw,relatime shared:1 - xfs /dev/mapper/fedora-root rw
61 60 253:2 / /home rw,relatime shared:2 - xfs /dev/mapper/fedora-home rw
62 60 8:1 / /boot rw,relatime shared:3 - ext4 /dev/sda1 rw
63 60 0:24 / /tmp rw,nosuid,nodev shared:4 - tmpfs tmpfs rw,nr_inodes=1048576
64 60 0:25 / /run rw,nosuid,nodev shared:5 - tmpfs tmpfs rw,mode=755
65 64 11:0 / /run/media/jo/DTR_CD ro,nosuid,nodev,relatime shared:6 - iso9660 /dev/sr0 ro,uid=1000
66 64 8:33 / /run/media/sam/THEIRS rw,nosuid,nodev,relatime shared:7 - ext4 /dev/sdc1 rw
67 61 0:40 / /home/jo/remote rw,nosuid,nodev,relatime shared:8 - fuse.sshfs jo@server: rw,user_id=1000,group_id=1000
68 60 8:49 / /mnt rw,relatime shared:9 - ext4 /dev/sdd1 rw
69 60 8:49 / /srv/games rw,relatime shared:9 - ext4 /dev/sdd1 rw
)";

const char* const kSnapSystem =
    R"(25 1 259:2 / / rw,relatime shared:1 - ext4 /dev/nvme0n1p2 rw,errors=remount-ro
26 25 7:0 / /snap/core20/1822 ro,nodev,relatime shared:31 - squashfs /dev/loop0 ro,errors=continue
27 25 7:1 / /snap/wine-platform-runtime/345 ro,nodev,relatime shared:32 - squashfs /dev/loop1 ro,errors=continue
28 25 0:26 / /run rw,nosuid,nodev,noexec,relatime shared:5 - tmpfs tmpfs rw,size=1627000k,mode=755
29 28 0:54 / /run/snapd/ns rw,nosuid,nodev,noexec,relatime - tmpfs tmpfs rw,size=1627000k,mode=755
30 29 0:4 mnt:[4026532279] /run/snapd/ns/snap-store.mnt rw - nsfs nsfs rw
31 25 259:1 / /boot/efi rw,relatime shared:33 - vfat /dev/nvme0n1p1 rw,fmask=0077
32 25 0:55 / /var/snap/lxd/common/lxcfs rw,nosuid,nodev,relatime - fuse.lxcfs lxcfs rw,user_id=0,group_id=0
)";

const char* const kContainer =
    R"(600 500 0:50 / / rw,relatime master:1 - overlay overlay rw,lowerdir=/var/lib/docker/overlay2/l/AB:/var/lib/docker/overlay2/l/CD,upperdir=/var/lib/docker/overlay2/x/diff,workdir=/var/lib/docker/overlay2/x/work
601 600 0:53 / /proc rw,nosuid,nodev,noexec,relatime - proc proc rw
602 600 0:54 / /dev rw,nosuid - tmpfs tmpfs rw,size=65536k,mode=755
603 602 0:55 / /dev/pts rw,nosuid,noexec,relatime - devpts devpts rw,gid=5,mode=620,ptmxmode=666
604 600 0:56 / /sys ro,nosuid,nodev,noexec,relatime - sysfs sysfs ro
605 604 0:30 / /sys/fs/cgroup ro,nosuid,nodev,noexec,relatime - cgroup2 cgroup rw
606 602 0:52 / /dev/mqueue rw,nosuid,nodev,noexec,relatime - mqueue mqueue rw
607 602 0:57 / /dev/shm rw,nosuid,nodev,noexec,relatime - tmpfs shm rw,size=65536k
608 600 8:1 /var/lib/docker/containers/ab12/resolv.conf /etc/resolv.conf rw,relatime - ext4 /dev/sda1 rw
609 600 8:1 /var/lib/docker/containers/ab12/hostname /etc/hostname rw,relatime - ext4 /dev/sda1 rw
610 600 8:1 /home/jo/setups /home/player/setups rw,relatime - ext4 /dev/sda1 rw
)";

const char* const kWslLike =
    R"(65 60 8:48 / / rw,relatime - ext4 /dev/sdd rw,discard,errors=remount-ro,data=ordered
66 65 0:5 / /dev rw,nosuid,relatime - devtmpfs none rw,size=8047204k,nr_inodes=2011801,mode=755
69 65 0:40 / /mnt/wsl rw,relatime shared:1 - tmpfs none rw
70 65 0:41 / /usr/lib/wsl/drivers ro,nosuid,nodev,noatime - 9p none ro,dirsync,aname=drivers;fmask=222;dmask=222,mmap,access=client,msize=65536,trans=fd,rfd=7,wfd=7
76 65 0:43 / /mnt/wslg rw,relatime - tmpfs none rw
77 76 8:48 / /mnt/wslg/distro ro,relatime - ext4 /dev/sdd rw,discard,errors=remount-ro,data=ordered
80 65 0:47 / /mnt/c rw,noatime - 9p C:\134 rw,dirsync,aname=drvfs;path=C:\;uid=1000;gid=1000;symlinkroot=/mnt/,mmap,access=client,msize=65536,trans=fd,rfd=5,wfd=5
81 65 0:48 / /mnt/d rw,noatime - 9p D:\134 rw,dirsync,aname=drvfs;path=D:\;uid=1000;gid=1000,mmap,access=client,msize=65536,trans=fd,rfd=5,wfd=5
82 76 0:49 / /mnt/wslg/doc rw,relatime - overlay none rw,lowerdir=/mnt/wslg/system/rootfs/usr/share/doc,upperdir=/mnt/wslg/doc/upper
)";

QList<MountRow> rowsOf(const char* table)
{
    return parseMountInfo(QByteArray(table));
}

TEST(PlayerVolumes, ShowsTheVolumesAPlayerKeepsFilesOnAndNoSystemMount)
{
    const struct {
        const char* machine;
        const char* table;
        MountViewer viewer;
        QStringList roots;
    } cases[] = {
        {"a desktop with a USB stick",
         kDesktopWithUsbStick,
         {"/home/jo", "jo"},
         {"/", "/media/jo/RACING USB"}},
        {"its own /home, a disc under /run/media, a disk bound twice",
         kOwnHomeVolumeAndFedoraMedia,
         {"/home/jo", "jo"},
         {"/", "/home", "/home/jo/remote", "/mnt", "/run/media/jo/DTR_CD"}},
        {"snaps", kSnapSystem, {"/home/jo", "jo"}, {"/"}},
        {"a container, a folder bound into the home folder",
         kContainer,
         {"/home/player", "player"},
         {"/", "/home/player/setups"}},
        {"a container, its home on the root", kContainer, {"/root", "root"}, {"/"}},
        {"WSL, Windows drives under /mnt", kWslLike, {"/home/jo", "jo"}, {"/", "/mnt/c", "/mnt/d"}},
        {"no table", "", {"/home/jo", "jo"}, {"/"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.machine);
        EXPECT_EQ(playerVolumeRoots(rowsOf(c.table), c.viewer), c.roots);
    }
}

TEST(PlayerVolumes, MountTableFieldsAreReadPastOptionalFieldsAndEscapes)
{
    const QList<MountRow> rows = rowsOf(
        "46 22 8:17 /sub /media/jo/RACING\\040USB rw shared:26 master:3 - vfat /dev/sdb1 rw\n"
        "47 22 8:18 / /mnt/x rw - ext4\n" // cut short: no source
        "48 22 8:19 / /mnt/tab\\011name rw - ext4 /dev/sdc1 rw\n");
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0], (MountRow{"/media/jo/RACING USB", "vfat", "/dev/sdb1", "/sub", "8:17"}));
    EXPECT_EQ(rows[1].mountPoint, QStringLiteral("/mnt/tab\tname"));
}

TEST(MountedVolumeTable, ReadsTheKernelTableAndKnowsWhichVolumesCanBeRead)
{
    QTemporaryDir dir;
    const QString table = dir.filePath(QStringLiteral("mountinfo"));
    fixture::writeFile(table, QByteArray("1 0 8:1 / / rw - ext4 /dev/sda1 rw\n"
                                         "2 1 8:2 / /media/gone rw - vfat /dev/sdb1 rw\n"
                                         "3 1 0:3 / /proc rw - proc proc rw\n"));
    EXPECT_EQ(MountedVolumeTable(table).volumes(),
              (QList<Volume>{{"/", true}, {"/media/gone", false}}));
    EXPECT_EQ(MountedVolumeTable(dir.filePath(QStringLiteral("missing"))).volumes(),
              (QList<Volume>{{"/", true}}));
}

} // namespace
} // namespace tarvelin
