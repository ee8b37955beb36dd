#include "import/PictureFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "import/DecodedPicture.h"

namespace lrw {

std::vector<uint8_t> ReadPictureFile(const std::string& path) {
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) throw DecodeError(std::string("the file cannot be opened: ") + std::strerror(errno));
  std::vector<uint8_t> data;
  uint8_t buffer[1 << 16];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
    if (static_cast<int64_t>(data.size() + n) > kMaxPictureFileBytes) {
      throw DecodeError("the file is too large");
    }
    data.insert(data.end(), buffer, buffer + n);
  }
  if (std::ferror(file.get())) {
    throw DecodeError(std::string("the file cannot be read: ") + std::strerror(errno));
  }
  if (data.empty()) throw DecodeError("the file is empty");
  return data;
}

}  // namespace lrw
