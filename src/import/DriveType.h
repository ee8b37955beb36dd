// Whether a file lies on a removable disk or an optical drive, found from the
// mount table and sysfs. Pictures there are refused: the show would lose them.
#pragma once

#include <string>

namespace lrw {

// True when the file system holding `path` (UTF-8) is mounted from a removable
// block device (its sysfs "removable" flag, an SD card), an optical drive (sr*,
// or SCSI type 5), or a mapped device (encrypted, RAID) built on one of those.
bool IsOnRemovableDrive(const std::string& path);

// The same decision from a given mount table (the format of /proc/self/mounts)
// and sysfs folder, for tests.
bool IsOnRemovableDrive(const std::string& path, const std::string& mounts,
                        const std::string& sysfsRoot);

}  // namespace lrw
