// A picture file's bytes in memory, with the errors a user can act on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace lrw {

// A picture file mapped read-only into memory, so large files are decoded
// without being copied. Raises DecodeError when it cannot be opened, is not a
// plain file (a pipe would block the program), is empty or is larger than
// kMaxPictureFileBytes.
class MappedPictureFile {
 public:
  explicit MappedPictureFile(const std::string& path);
  ~MappedPictureFile();
  MappedPictureFile(const MappedPictureFile&) = delete;
  MappedPictureFile& operator=(const MappedPictureFile&) = delete;

  std::span<const uint8_t> Bytes() const { return {data_, size_}; }

 private:
  const uint8_t* data_ = nullptr;
  size_t size_ = 0;
};

}  // namespace lrw
