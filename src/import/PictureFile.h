// Reading a whole picture file into memory, with the errors a user can act on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace lrw {

// The file's bytes. Raises DecodeError when it cannot be opened, is empty or is
// larger than kMaxPictureFileBytes.
std::vector<uint8_t> ReadPictureFile(const std::string& path);

// A picture file mapped read-only into memory, so large files are decoded
// without being copied. Raises DecodeError like ReadPictureFile.
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
