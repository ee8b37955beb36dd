// Whether a file lies on a removable disk or an optical drive, found from the
// mount table and sysfs. Pictures there are refused: the show would lose them.
#pragma once

#include <string>

namespace lrw {

// True when the file system holding `path` (UTF-8) is mounted from a removable
// block device (its sysfs "removable" flag) or an optical drive (sr*, or sysfs type 5).
bool IsOnRemovableDrive(const std::string& path);

// The same decision from given texts, for tests: `mounts` in the format of
// /proc/self/mounts, and a reader of sysfs files.
bool IsOnRemovableDrive(const std::string& path, const std::string& mounts,
                        const std::string& sysfsRoot);

}  // namespace lrw
