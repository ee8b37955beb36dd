// A picture file's bytes in memory, with the errors a user can act on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "base/Result.h"

namespace lrw {

// A picture file mapped read-only into memory, so large files are decoded without being
// copied.
class MappedPictureFile {
 public:
  // Fails when the file cannot be opened, is not a plain file (a pipe would block the
  // program), is empty or is larger than kMaxPictureFileBytes; the message is the reason,
  // to follow "Unable to read the picture NAME: ".
  static Result<MappedPictureFile> Open(const std::string& path);
  ~MappedPictureFile();
  MappedPictureFile(MappedPictureFile&& other) noexcept;
  MappedPictureFile& operator=(MappedPictureFile&&) = delete;
  MappedPictureFile(const MappedPictureFile&) = delete;
  MappedPictureFile& operator=(const MappedPictureFile&) = delete;

  std::span<const uint8_t> Bytes() const { return {data_, size_}; }

 private:
  MappedPictureFile(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  const uint8_t* data_ = nullptr;
  size_t size_ = 0;
};

}  // namespace lrw
