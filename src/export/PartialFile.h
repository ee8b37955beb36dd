// A file that is written under a temporary name beside its target and takes the target's
// name only once it is complete, so that no half-made file ever carries that name. Until then
// the temporary file is removed on every path.
#pragma once

#include <string>

namespace lrw {

class PartialFile {
 public:
  // Creates the temporary file. With `replaceExisting` false an existing target is refused.
  PartialFile(const std::string& target, bool replaceExisting);
  ~PartialFile();
  PartialFile(const PartialFile&) = delete;
  PartialFile& operator=(const PartialFile&) = delete;

  // Why the temporary file could not be made; empty when it was.
  const std::string& Error() const { return error_; }
  const std::string& TemporaryPath() const { return temporary_; }
  const std::string& Target() const { return target_; }

  // Flushes the temporary file to the disk and renames it to the target. Returns the error
  // text, empty on success; on failure the temporary file is gone.
  std::string Commit();
  // Removes the temporary file.
  void Discard();

 private:
  std::string target_;
  std::string shown_;  // the name as the caller gave it, for messages
  std::string temporary_;
  std::string error_;
  bool replaceExisting_;
};

}  // namespace lrw
