#include "import/MappedPictureFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "import/DecodedPicture.h"

namespace lrw {

Result<MappedPictureFile> MappedPictureFile::Open(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return Fail(std::string("the file cannot be opened: ") + std::strerror(errno));
  struct stat st {};
  const bool statted = ::fstat(fd, &st) == 0;
  const int statError = errno;
  if (!statted || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return Fail(statted ? std::string("it is not a file")
                        : std::string("the file cannot be read: ") + std::strerror(statError));
  }
  if (st.st_size == 0) {
    ::close(fd);
    return Fail("the file is empty");
  }
  if (st.st_size > kMaxPictureFileBytes) {
    ::close(fd);
    return Fail("the file is too large");
  }
  const auto size = static_cast<size_t>(st.st_size);
  void* mapped = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
  const int mapError = errno;
  ::close(fd);
  if (mapped == MAP_FAILED) {
    return Fail(std::string("the file cannot be read: ") + std::strerror(mapError));
  }
  return MappedPictureFile(static_cast<const uint8_t*>(mapped), size);
}

MappedPictureFile::MappedPictureFile(MappedPictureFile&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}

MappedPictureFile::~MappedPictureFile() {
  if (data_) ::munmap(const_cast<uint8_t*>(data_), size_);
}

}  // namespace lrw
