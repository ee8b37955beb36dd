#include "export/PartialFile.h"

#include <fcntl.h>
#include <stdio.h>
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

}  // namespace

PartialFile::PartialFile(const std::string& target, bool replaceExisting)
    : target_(target), shown_(target), replaceExisting_(replaceExisting) {
  std::error_code ec;
  // A link is followed: the file it names is the one replaced.
  if (std::filesystem::is_symlink(target, ec)) {
    const auto resolved = std::filesystem::weakly_canonical(target, ec);
    if (!ec) target_ = resolved.string();
  }
  const std::string folder = FolderOf(target_);
  const std::string name = FileNameOf(target_);
  struct stat old {};
  const bool exists = ::stat(target_.c_str(), &old) == 0;
  if (name.empty() || (exists && S_ISDIR(old.st_mode))) {
    error_ = CreateError(shown_, EISDIR);
    return;
  }
  if (exists && !replaceExisting) {
    error_ = "The file \"" + shown_ + "\" already exists.";
    return;
  }
  // Renaming would get past a write-protected file; refuse as overwriting would.
  if (exists && ::access(target_.c_str(), W_OK) != 0) {
    error_ = CreateError(shown_, errno);
    return;
  }
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  for (int attempt = 0; attempt < 100; ++attempt) {
    // Hidden, and shortened so that a target near the length limit still gets one.
    std::string path = folder + "." + name.substr(0, 128) + ".part-" + std::to_string(::getpid()) +
                       "-" + std::to_string(stamp) + "-" + std::to_string(attempt);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      ::close(fd);
      temporary_ = std::move(path);
      return;
    }
    if (errno != EEXIST) break;
  }
  error_ = CreateError(shown_, errno);
}

PartialFile::~PartialFile() {
  Discard();
}

void PartialFile::Discard() {
  if (temporary_.empty()) return;
  ::unlink(temporary_.c_str());
  temporary_.clear();
}

std::string PartialFile::Commit() {
  if (temporary_.empty()) return error_.empty() ? CreateError(shown_, ENOENT) : error_;
  int err = 0;
  const int fd = ::open(temporary_.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0 || ::fsync(fd) != 0) err = errno;
  if (fd >= 0) ::close(fd);
  if (err != 0) {
    Discard();
    return "Cannot write file \"" + shown_ + "\". " + std::strerror(err);
  }
  // Without leave to replace, a file that appeared meanwhile is kept.
  const unsigned flags = replaceExisting_ ? 0 : RENAME_NOREPLACE;
  int renamed = ::renameat2(AT_FDCWD, temporary_.c_str(), AT_FDCWD, target_.c_str(), flags);
  if (renamed != 0 && errno == EINVAL && flags != 0) {
    // A file system without that kind of rename: check, then rename.
    struct stat existing {};
    errno = EEXIST;
    renamed = ::stat(target_.c_str(), &existing) == 0
                  ? -1
                  : ::rename(temporary_.c_str(), target_.c_str());
  }
  if (renamed != 0) {
    err = errno;
    Discard();
    return err == EEXIST ? "The file \"" + shown_ + "\" already exists." : CreateError(shown_, err);
  }
  temporary_.clear();
  const std::string folder = FolderOf(target_);
  const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);  // best effort: the rename has happened
    ::close(dir);
  }
  return {};
}

}  // namespace lrw
