#include "import/PictureFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

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

MappedPictureFile::MappedPictureFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw DecodeError(std::string("the file cannot be opened: ") + std::strerror(errno));
  struct stat st {};
  const bool statted = ::fstat(fd, &st) == 0;
  const int statError = errno;
  if (!statted || !S_ISREG(st.st_mode)) {
    ::close(fd);
    throw DecodeError(statted
                          ? std::string("it is not a file")
                          : std::string("the file cannot be read: ") + std::strerror(statError));
  }
  if (st.st_size == 0) {
    ::close(fd);
    throw DecodeError("the file is empty");
  }
  if (st.st_size > kMaxPictureFileBytes) {
    ::close(fd);
    throw DecodeError("the file is too large");
  }
  size_ = static_cast<size_t>(st.st_size);
  void* mapped = ::mmap(nullptr, size_, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
  const int mapError = errno;
  ::close(fd);
  if (mapped == MAP_FAILED) {
    throw DecodeError(std::string("the file cannot be read: ") + std::strerror(mapError));
  }
  data_ = static_cast<const uint8_t*>(mapped);
}

MappedPictureFile::~MappedPictureFile() {
  if (data_) ::munmap(const_cast<uint8_t*>(data_), size_);
}

}  // namespace lrw
