// Drives: the mounted file systems a person would pick, and the drive of a path.
#include <gtest/gtest.h>

#include "platform/posix_file_services.h"

namespace quillon {
namespace {

std::vector<std::string> MountPoints(const std::vector<Drive>& drives) {
  std::vector<std::string> out;
  for (const auto& d : drives) out.push_back(d.mountPoint);
  return out;
}

TEST(Drives, MountInfoKeepsDataMountsOnly) {
  const std::string mountinfo =
      "21 26 0:20 / /proc rw,relatime - proc proc rw\n"
      "22 26 0:21 / /sys rw,relatime - sysfs sysfs rw\n"
      "23 26 0:6 / /dev rw,relatime - devtmpfs devtmpfs rw,size=123k\n"
      "24 23 0:22 / /dev/shm rw,relatime - tmpfs tmpfs rw\n"
      "26 1 254:0 / / rw,relatime shared:1 - ext4 /dev/vda rw\n"
      "30 22 0:27 / /sys/fs/cgroup rw,relatime - tmpfs tmpfs rw,mode=755\n"
      "31 30 0:28 / /sys/fs/cgroup/cpu rw - cgroup cgroup rw,cpu\n"
      "40 26 0:40 / /run rw,nosuid shared:5 - tmpfs tmpfs rw\n"
      "41 40 0:41 / /run/user/1000 rw master:3 - tmpfs tmpfs rw\n"
      "42 26 8:17 / /media/ann/My\\040Disk rw shared:7 master:2 - vfat /dev/sdb1 rw\n"
      "43 26 8:18 / /run/media/ann/usb rw - exfat /dev/sdc1 rw\n"
      "44 26 0:44 / /tmp rw - tmpfs tmpfs rw\n"
      "45 26 0:45 / /mnt/ram rw - tmpfs tmpfs rw\n"
      "46 26 8:2 / /home rw - ext4 /dev/sda2 rw\n"
      "47 26 8:3 / /home rw - btrfs /dev/sda3 rw\n"  // mounted over the first /home
      "48 26 7:0 / /snap/core/1 ro - squashfs /dev/loop0 ro\n"
      "49 26 254:0 /etc/hosts /etc/hosts rw - ext4 /dev/vda rw\n"
      "50 26 0:50 / /proc/sys/fs/binfmt_misc rw - binfmt_misc binfmt_misc rw\n"
      "51 26 0:51 / /srv/back\\134slash rw - nfs4 server:/x rw\n"
      "garbage line\n"
      "\n";
  const std::vector<Drive> drives = ParseMountInfo(mountinfo);
  EXPECT_EQ(MountPoints(drives),
            (std::vector<std::string>{"/", "/home", "/media/ann/My Disk", "/mnt/ram",
                                      "/run/media/ann/usb", "/srv/back\\slash", "/tmp"}));
  struct Row {
    const char* name;
    std::size_t index;
    std::string device, type;
  } rows[] = {
      {"root", 0, "/dev/vda", "ext4"},
      {"last_mount_wins", 1, "/dev/sda3", "btrfs"},
      {"escaped_space", 2, "/dev/sdb1", "vfat"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ASSERT_LT(row.index, drives.size());
    EXPECT_EQ(drives[row.index].device, row.device);
    EXPECT_EQ(drives[row.index].type, row.type);
  }
}

TEST(Drives, DriveOfAPathIsItsLongestMountPointAtAComponentBoundary) {
  const std::vector<Drive> drives = {
      {"/", "", ""}, {"/media/usb", "", ""}, {"/media/usb2", "", ""}};
  struct Row {
    const char* name;
    std::string path, drive;
  } rows[] = {
      {"root", "/", "/"},
      {"on_root", "/home/ann", "/"},
      {"mount_point_itself", "/media/usb", "/media/usb"},
      {"inside", "/media/usb/photos/", "/media/usb"},
      {"longer_sibling", "/media/usb2/x", "/media/usb2"},
      {"not_a_component_boundary", "/media/usbx", "/"},
      {"relative", "media/usb", ""},
      {"empty", "", ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(DriveOfPath(drives, row.path), row.drive);
  }
}

TEST(Drives, ThisMachineOffersTheRootAndNoPseudoFileSystems) {
  PosixFileServices fs;
  const std::vector<std::string> points = MountPoints(fs.Drives());
  EXPECT_NE(std::find(points.begin(), points.end(), "/"), points.end());
  for (const auto& point : points) {
    SCOPED_TRACE(point);
    EXPECT_NE(point.rfind("/proc", 0), 0u);
    EXPECT_NE(point.rfind("/sys", 0), 0u);
    EXPECT_NE(point.rfind("/dev", 0), 0u);
  }
  EXPECT_EQ(fs.DriveOf("/"), "/");
  EXPECT_TRUE(fs.DriveReady("/"));
  EXPECT_FALSE(fs.DriveReady("/no/such/mount/point"));
}

}  // namespace
}  // namespace quillon
