#include "import/DriveType.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <climits>
#include <cstdlib>
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

// The whole-disk name of a partition or disk name ("sdb1" -> "sdb", "nvme0n1p2" -> "nvme0n1").
bool DeviceIsRemovable(const std::string& device, const std::string& sysfsRoot) {
  const std::string name = device.substr(device.rfind('/') + 1);
  if (name.rfind("sr", 0) == 0) return true;  // optical drives
  const std::string block = sysfsRoot + "/class/block/" + name;
  // A partition's parent folder is its disk.
  std::string disk = name;
  if (!ReadAll(block + "/partition").empty()) {
    const std::string link = RealPath(block);
    const size_t slash = link.rfind('/');
    const size_t parentSlash = link.rfind('/', slash - 1);
    if (slash != std::string::npos && parentSlash != std::string::npos)
      disk = link.substr(parentSlash + 1, slash - parentSlash - 1);
  }
  const std::string diskDir = sysfsRoot + "/class/block/" + disk;
  if (ReadAll(diskDir + "/removable").rfind('1', 0) == 0) return true;
  // SCSI type 5 is a CD-ROM drive.
  return ReadAll(diskDir + "/device/type").rfind('5', 0) == 0;
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
  return DeviceIsRemovable(RealPath(bestDevice), sysfsRoot);
}

bool IsOnRemovableDrive(const std::string& path) {
  return IsOnRemovableDrive(path, ReadAll("/proc/self/mounts"), "/sys");
}

}  // namespace lrw
