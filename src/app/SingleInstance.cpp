#include "app/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>

namespace lrw {

SingleInstance::SingleInstance(const std::string& name, const std::string& folder) {
  std::string dir = folder;
  if (dir.empty()) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    dir = (runtime && *runtime) ? runtime : "/tmp";
  }
  // Outside a per-user folder the user's id keeps different users apart.
  path_ = dir + "/" + name + "." + std::to_string(getuid()) + ".lock";
  fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd_ < 0) {
    // Without a lock file we cannot tell; let the program run rather than refuse.
    acquired_ = true;
    return;
  }
  acquired_ = ::flock(fd_, LOCK_EX | LOCK_NB) == 0;
}

SingleInstance::~SingleInstance() {
  if (fd_ >= 0) {
    if (acquired_) ::flock(fd_, LOCK_UN);
    ::close(fd_);
  }
}

}  // namespace lrw
