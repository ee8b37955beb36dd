#include "import/DriveType.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace lrw {
namespace {

std::string ReadAll(const std::string& file) {
  std::ifstream in(file);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

std::string RealPath(const std::string& path) {
  char buf[PATH_MAX];
  if (realpath(path.c_str(), buf)) return buf;
  return path;
}

// "\040" and friends in the mount table.
std::string Unescape(const std::string& s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\\' && i + 3 < s.size()) {
      const std::string oct = s.substr(i + 1, 3);
      if (oct.size() == 3 && oct.find_first_not_of("01234567") == std::string::npos) {
        out += static_cast<char>(std::strtol(oct.c_str(), nullptr, 8));
        i += 3;
        continue;
      }
    }
    out += s[i];
  }
  return out;
}

bool IsUnder(const std::string& path, const std::string& mountPoint) {
  if (mountPoint == "/") return true;
  return path.compare(0, mountPoint.size(), mountPoint) == 0 &&
         (path.size() == mountPoint.size() || path[mountPoint.size()] == '/');
}

// Whether the block device `name` (a disk, a partition, or a mapped device such
// as an encrypted volume) lies on removable media. `depth` bounds the walk
// through the devices a mapped device is built on.
bool DeviceIsRemovable(const std::string& name, const std::string& sysfsRoot, int depth = 0) {
  if (name.rfind("sr", 0) == 0) return true;  // optical drives
  const std::string block = sysfsRoot + "/class/block/" + name;
  // A mapped device (dm-*, md*) is removable when what it is built on is.
  std::error_code ec;
  if (depth < 4) {
    // Stepping with an error code: the range loop's step would throw on a read error.
    for (std::filesystem::directory_iterator slave(block + "/slaves", ec), end; !ec && slave != end;
         slave.increment(ec)) {
      if (DeviceIsRemovable(slave->path().filename().string(), sysfsRoot, depth + 1)) return true;
    }
  }
  // A partition's parent folder is its disk.
  std::string disk = name;
  if (!ReadAll(block + "/partition").empty()) {
    const std::string link = RealPath(block);
    const size_t slash = link.rfind('/');
    const size_t parentSlash =
        slash == std::string::npos || slash == 0 ? std::string::npos : link.rfind('/', slash - 1);
    if (parentSlash != std::string::npos)
      disk = link.substr(parentSlash + 1, slash - parentSlash - 1);
  }
  const std::string diskDir = sysfsRoot + "/class/block/" + disk;
  if (ReadAll(diskDir + "/removable").rfind('1', 0) == 0) return true;
  const std::string type = ReadAll(diskDir + "/device/type");
  // SCSI type 5 is a CD-ROM drive; an SD card reports "SD" (built-in eMMC "MMC").
  return type.rfind('5', 0) == 0 || type.rfind("SD", 0) == 0;
}

}  // namespace

bool IsOnRemovableDrive(const std::string& path, const std::string& mounts,
                        const std::string& sysfsRoot) {
  const std::string real = RealPath(path);
  std::istringstream in(mounts);
  std::string line, best, bestDevice;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string device, mountPoint;
    if (!(fields >> device >> mountPoint)) continue;
    mountPoint = Unescape(mountPoint);
    if (IsUnder(real, mountPoint) && mountPoint.size() >= best.size()) {
      best = mountPoint;
      bestDevice = device;
    }
  }
  if (bestDevice.rfind("/dev/", 0) != 0) return false;
  const std::string device = RealPath(bestDevice);
  return DeviceIsRemovable(device.substr(device.rfind('/') + 1), sysfsRoot);
}

bool IsOnRemovableDrive(const std::string& path) {
  return IsOnRemovableDrive(path, ReadAll("/proc/self/mounts"), "/sys");
}

}  // namespace lrw
