#include "document/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>

#include "document/Paths.h"

namespace lrw {
namespace {

std::string CreateError(const std::string& path, int err) {
  return "Cannot create file \"" + path + "\". " + std::strerror(err);
}

std::string WriteError(const std::string& path, int err) {
  return "Cannot write file \"" + path + "\". " + std::strerror(err);
}

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

// A new, exclusively created file in `folder`; -1 with errno set on failure.
int CreateTemporary(const std::string& folder, const std::string& name, std::string& tempPath) {
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  for (int attempt = 0; attempt < 100; ++attempt) {
    // The name is shortened so that a target near the length limit still gets a temporary.
    tempPath = folder + "." + name.substr(0, 128) + ".tmp-" + std::to_string(::getpid()) + "-" +
               std::to_string(stamp) + "-" + std::to_string(attempt);
    const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);  // best effort: the rename itself has already succeeded
  ::close(fd);
}

}  // namespace

std::optional<std::string> WriteFileAtomically(const std::string& path,
                                               std::span<const uint8_t> bytes) {
  std::string target = path;
  std::error_code ec;
  if (std::filesystem::is_symlink(path, ec)) {
    const auto resolved = std::filesystem::weakly_canonical(path, ec);
    if (!ec) target = resolved.string();
  }
  const std::string folder = FolderOf(target);
  const std::string name = FileNameOf(target);
  if (name.empty()) return CreateError(path, EISDIR);

  struct stat old {};
  const bool replacing = ::stat(target.c_str(), &old) == 0;
  if (replacing && S_ISDIR(old.st_mode)) return CreateError(path, EISDIR);
  // Replacing by rename would get past a write-protected file; refuse as overwriting would.
  if (replacing && ::access(target.c_str(), W_OK) != 0) return CreateError(path, errno);

  std::string tempPath;
  const int fd = CreateTemporary(folder, name, tempPath);
  if (fd < 0) return CreateError(path, errno);

  int err = 0;
  if (replacing && ::fchmod(fd, old.st_mode & 07777) != 0) err = errno;
  if (err == 0 && !WriteAll(fd, bytes)) err = errno;
  if (err == 0 && ::fsync(fd) != 0) err = errno;
  if (::close(fd) != 0 && err == 0) err = errno;
  if (err != 0) {
    ::unlink(tempPath.c_str());
    return WriteError(path, err);
  }
  if (::rename(tempPath.c_str(), target.c_str()) != 0) {
    err = errno;
    ::unlink(tempPath.c_str());
    return CreateError(path, err);
  }
  SyncFolder(folder);
  return std::nullopt;
}

}  // namespace lrw
