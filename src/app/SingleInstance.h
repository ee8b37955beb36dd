// The system-wide single-instance lock: a lock file held with flock for the life of
// the first copy, in the user's runtime folder. The kernel drops the lock when the
// process ends, however it ends.
#pragma once

#include <string>

namespace lrw {

class SingleInstance {
 public:
  // `name` names the lock ("Lanternreelworks!"); `folder` empty means the user's
  // runtime folder ($XDG_RUNTIME_DIR, else /tmp).
  explicit SingleInstance(const std::string& name, const std::string& folder = {});
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // False when another process already holds the lock.
  bool Acquired() const { return acquired_; }
  const std::string& LockPath() const { return path_; }

 private:
  std::string path_;
  int fd_ = -1;
  bool acquired_ = false;
};

}  // namespace lrw
