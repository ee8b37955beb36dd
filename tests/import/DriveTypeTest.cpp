// The removable-drive test on a made-up mount table and sysfs tree.
#include "import/DriveType.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "PictureFixtures.h"

namespace lrw {
namespace {

namespace fs = std::filesystem;

class DriveTypeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // sda: fixed disk with partition sda1; sdb: USB stick with sdb1; sr0: optical;
    // sdc: a drive whose SCSI type says CD-ROM.
    Disk("sda", "0", "0");
    Partition("sda", "sda1");
    Disk("sdb", "1", "0");
    Partition("sdb", "sdb1");
    Disk("sr0", "1", "5");
    Disk("sdc", "0", "5");
    Disk("nvme0n1", "0", "");
    Partition("nvme0n1", "nvme0n1p2");
    Disk("mmcblk0", "0", "SD");
    Partition("mmcblk0", "mmcblk0p1");
    Disk("mmcblk1", "0", "MMC");
    // dm-0: an encrypted volume on the USB stick; dm-1 on the fixed disk.
    Disk("dm-0", "0", "");
    fs::create_directories(dir.File("sys/devices/dm-0/slaves/sdb1"));
    Disk("dm-1", "0", "");
    fs::create_directories(dir.File("sys/devices/dm-1/slaves/sda1"));
  }
  void Write(const std::string& file, const std::string& text) {
    fs::create_directories(fs::path(file).parent_path());
    std::ofstream(file) << text << "\n";
  }
  void Disk(const std::string& name, const std::string& removable, const std::string& type) {
    const std::string dev = dir.File("sys/devices/" + name);
    Write(dev + "/removable", removable);
    if (!type.empty()) Write(dev + "/device/type", type);
    fs::create_directories(dir.File("sys/class/block"));
    fs::create_directory_symlink(dev, dir.File("sys/class/block/" + name));
  }
  void Partition(const std::string& disk, const std::string& name) {
    const std::string dev = dir.File("sys/devices/" + disk + "/" + name);
    Write(dev + "/partition", "1");
    fs::create_directory_symlink(dev, dir.File("sys/class/block/" + name));
  }
  bool Removable(const std::string& path) {
    const std::string mounts =
        "/dev/sda1 / ext4 rw 0 0\n"
        "proc /proc proc rw 0 0\n"
        "/dev/sdb1 /media/usb\\040stick vfat rw 0 0\n"
        "/dev/sr0 /media/cdrom iso9660 ro 0 0\n"
        "/dev/sdc /mnt/disc udf ro 0 0\n"
        "/dev/nvme0n1p2 /home ext4 rw 0 0\n"
        "tmpfs /media/usb\\040stick/tmp tmpfs rw 0 0\n"
        "/dev/mmcblk0p1 /media/sd vfat rw 0 0\n"
        "/dev/mmcblk1 /data ext4 rw 0 0\n"
        "/dev/dm-0 /media/secret ext4 rw 0 0\n"
        "/dev/dm-1 /srv ext4 rw 0 0\n";
    return IsOnRemovableDrive(path, mounts, dir.File("sys"));
  }
  test::TempDir dir;
};

TEST_F(DriveTypeTest, DecidesByTheLongestMountPoint) {
  struct Case {
    const char* path;
    bool removable;
  };
  for (const Case& c : {Case{"/home/user/a.jpg", false}, Case{"/etc/a.jpg", false},
                        Case{"/media/usb stick/a.jpg", true}, Case{"/media/cdrom/x/a.bmp", true},
                        Case{"/mnt/disc/a.bmp", true}, Case{"/media/usb stick/tmp/a.jpg", false},
                        Case{"/media/usb stickers/a.jpg", false}, Case{"/media/cdromx", false},
                        Case{"/media/sd/a.jpg", true}, Case{"/data/a.jpg", false},
                        Case{"/media/secret/a.jpg", true}, Case{"/srv/a.jpg", false}}) {
    EXPECT_EQ(Removable(c.path), c.removable) << c.path;
  }
}

TEST(DriveType, ThisMachinesTemporaryFolderIsFixed) {
  EXPECT_FALSE(IsOnRemovableDrive("/tmp/a.jpg"));
}

}  // namespace
}  // namespace lrw
