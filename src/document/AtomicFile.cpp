#include "document/AtomicFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>
#include <limits>
#include <memory>
#include <string_view>
#include <utility>

#include "document/Paths.h"

namespace lrw {
namespace {

constexpr int kMaxLinkHops = 40;  // as many as the kernel follows
constexpr std::string_view kTempMarker = ".tmp-";

std::string CreateError(const std::string& path, int err) {
  return "Cannot create file \"" + path + "\". " + std::strerror(err);
}

std::string WriteError(const std::string& path, int err) {
  return "Cannot write file \"" + path + "\". " + std::strerror(err);
}

const char* KindOf(mode_t mode) {
  if (S_ISDIR(mode)) return "a folder";
  if (S_ISFIFO(mode)) return "a named pipe";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
  if (S_ISSOCK(mode)) return "a socket";
  return "something other than a file";
}

// Saving over a pipe or a device would replace it with a plain file (through a link to
// /dev/null, the system's own), so only files are replaced.
std::string NotAFileError(const std::string& path, const std::string& target, mode_t mode) {
  std::string text = "Cannot create file \"" + path + "\". ";
  if (target == path) {
    text += "It is " + std::string(KindOf(mode));
  } else {
    text += "It links to \"" + target + "\", " + KindOf(mode);
  }
  return text + ", not a file; it has been left as it is.";
}

// The file a path finally names: symbolic links followed, also a dangling last one (a
// save then creates its target). `exists` is false for a name not yet taken.
struct ResolvedPath {
  std::string path;
  bool exists = false;
  struct stat st {};
  int error = 0;
};

ResolvedPath ResolveLinks(const std::string& path) {
  ResolvedPath r;
  r.path = path;
  for (int hops = 0;; ++hops) {
    if (::lstat(r.path.c_str(), &r.st) != 0) {
      if (errno != ENOENT) r.error = errno;
      return r;
    }
    if (!S_ISLNK(r.st.st_mode)) {
      r.exists = true;
      return r;
    }
    if (hops == kMaxLinkHops) {
      r.error = ELOOP;
      return r;
    }
    std::string target(PATH_MAX, '\0');
    const ssize_t n = ::readlink(r.path.c_str(), target.data(), target.size());
    if (n < 0 || static_cast<size_t>(n) == target.size()) {
      r.error = n < 0 ? errno : ENAMETOOLONG;
      return r;
    }
    target.resize(static_cast<size_t>(n));
    r.path = target.front() == kPathSeparator ? target : FolderOf(r.path) + target;
  }
}

// Whether `name` (without folder) has the form of our named temporaries,
// "." + target name + ".tmp-" + process id + "-" + stamp + "-" + attempt; `pid` is then
// the process that made it.
bool IsOwnTemporaryName(const std::string& name, long& pid) {
  if (name.size() < 2 || name.front() != '.') return false;
  size_t end = name.size();
  long fields[3] = {};
  for (int i = 2; i >= 0; --i) {
    const size_t dash = name.rfind('-', end - 1);
    if (dash == std::string::npos || dash + 1 == end || end - dash - 1 > 18) return false;
    long value = 0;
    for (size_t k = dash + 1; k < end; ++k) {
      if (name[k] < '0' || name[k] > '9') return false;
      value = value * 10 + (name[k] - '0');
    }
    fields[i] = value;
    end = dash;
    if (i > 0 && end == 0) return false;
  }
  // `end` is now at the dash of ".tmp-".
  const size_t markerAt = end + 1 - kTempMarker.size();
  if (end + 1 < kTempMarker.size() + 2 ||
      std::string_view(name).substr(markerAt, kTempMarker.size()) != kTempMarker) {
    return false;
  }
  pid = fields[0];
  return true;
}

bool ProcessIsGone(long pid) {
  if (pid <= 0 || pid > std::numeric_limits<pid_t>::max() || pid == ::getpid()) return false;
  return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

// Named temporaries whose process has gone were left by a save that was killed (or by
// a version of this program that did not create them unnamed).
void RemoveStaleTemporaries(const std::string& folder) {
  const int dirFd =
      ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd < 0) return;
  std::unique_ptr<DIR, int (*)(DIR*)> dir(::fdopendir(dirFd), &::closedir);
  if (!dir) {
    ::close(dirFd);
    return;
  }
  while (const dirent* entry = ::readdir(dir.get())) {
    long pid = 0;
    if (!IsOwnTemporaryName(entry->d_name, pid) || !ProcessIsGone(pid)) continue;
    struct stat st {};
    if (::fstatat(dirFd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode)) {
      ::unlinkat(dirFd, entry->d_name, 0);  // best effort: it only takes room
    }
  }
}

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);  // best effort: the file is already in place
  ::close(fd);
}

// An unnamed file is linked into place through /proc, which needs no privilege.
bool CanLinkUnnamed() {
  return ::access("/proc/self/fd", X_OK) == 0;
}

}  // namespace

Result<AtomicFileWriter> AtomicFileWriter::Open(const std::string& path, TemporaryKind kind) {
  AtomicFileWriter writer(path);
  if (Result<void> created = writer.Create(kind); !created) return Fail(std::move(created).error());
  return writer;
}

AtomicFileWriter::AtomicFileWriter(AtomicFileWriter&& other) noexcept
    : path_(std::move(other.path_)),
      target_(std::move(other.target_)),
      folder_(std::move(other.folder_)),
      name_(std::move(other.name_)),
      tempPath_(std::exchange(other.tempPath_, {})),
      fd_(std::exchange(other.fd_, -1)),
      replacing_(other.replacing_) {}

Result<void> AtomicFileWriter::Create(TemporaryKind kind) {
  const ResolvedPath resolved = ResolveLinks(path_);
  if (resolved.error != 0) return Fail(CreateError(path_, resolved.error));
  target_ = resolved.path;
  folder_ = FolderOf(target_);
  name_ = FileNameOf(target_);
  if (name_.empty()) return Fail(CreateError(path_, EISDIR));
  if (resolved.exists && !S_ISREG(resolved.st.st_mode)) {
    return Fail(NotAFileError(path_, target_, resolved.st.st_mode));
  }
  replacing_ = resolved.exists;
  // Replacing by rename would get past a write-protected file; refuse as overwriting would.
  if (replacing_ && ::access(target_.c_str(), W_OK) != 0) return Fail(CreateError(path_, errno));
  RemoveStaleTemporaries(folder_);

  if (kind == TemporaryKind::Unnamed && CanLinkUnnamed()) {
    fd_ = ::open(folder_.empty() ? "." : folder_.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  }
  // Not every file system makes unnamed files.
  if (fd_ < 0) {
    if (Result<void> named = OpenNamed(); !named) return named;
  }

  if (replacing_) {
    // The owner first: changing it clears the set-id bits, which the mode then restores.
    // Only the superuser may give a file away; otherwise the new file stays the saver's.
    const int owned = ::fchown(fd_, resolved.st.st_uid, resolved.st.st_gid);
    static_cast<void>(owned);
    if (::fchmod(fd_, resolved.st.st_mode & 07777) != 0) {
      const int err = errno;
      Discard();
      return Fail(WriteError(path_, err));
    }
  }
  return {};
}

AtomicFileWriter::~AtomicFileWriter() {
  Discard();
}

std::string AtomicFileWriter::TemporaryName(int attempt) const {
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  // The name is shortened so that a target near the length limit still gets a temporary.
  return folder_ + "." + name_.substr(0, 128) + std::string(kTempMarker) +
         std::to_string(::getpid()) + "-" + std::to_string(stamp) + "-" + std::to_string(attempt);
}

Result<void> AtomicFileWriter::OpenNamed() {
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath_ = TemporaryName(attempt);
    fd_ = ::open(tempPath_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ >= 0) return {};
    if (errno != EEXIST) break;
  }
  const int err = errno;
  tempPath_.clear();
  return Fail(CreateError(path_, err));
}

void AtomicFileWriter::Discard() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!tempPath_.empty()) ::unlink(tempPath_.c_str());
  tempPath_.clear();
}

Result<void> AtomicFileWriter::Write(std::span<const uint8_t> bytes) {
  if (fd_ < 0) return Fail(WriteError(path_, EBADF));
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int err = errno;
      Discard();
      return Fail(WriteError(path_, err));
    }
    done += static_cast<size_t>(n);
  }
  return {};
}

std::string AtomicFileWriter::ContentPath() const {
  if (fd_ < 0) return {};
  // An unnamed file is reached through its descriptor's entry in /proc.
  return tempPath_.empty() ? "/proc/self/fd/" + std::to_string(fd_) : tempPath_;
}

Result<void> AtomicFileWriter::Commit() {
  if (fd_ < 0) return Fail(WriteError(path_, EBADF));
  Result<void> done;
  if (::fsync(fd_) != 0) done = Fail(WriteError(path_, errno));
  // A named temporary is closed first: some file systems report write errors only then.
  if (done && !tempPath_.empty()) {
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0) done = Fail(WriteError(path_, errno));
  }
  if (done) done = PutInPlace();
  if (!done) {
    Discard();
    return done;
  }
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  SyncFolder(folder_);
  return {};
}

Result<void> AtomicFileWriter::PutInPlace() {
  if (tempPath_.empty()) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd_);
    // A new name takes the file directly: there is never a moment with a named temporary.
    if (!replacing_) {
      if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, target_.c_str(), AT_SYMLINK_FOLLOW) == 0) {
        return {};
      }
      if (errno != EEXIST) return Fail(CreateError(path_, errno));
    }
    // An existing file is replaced by a rename, which needs a name to rename from.
    for (int attempt = 0; tempPath_.empty(); ++attempt) {
      const std::string temp = TemporaryName(attempt);
      if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temp.c_str(), AT_SYMLINK_FOLLOW) == 0) {
        tempPath_ = temp;
      } else if (errno != EEXIST || attempt == 100) {
        return Fail(CreateError(path_, errno));
      }
    }
  }
  // Whatever took the name since it was looked at must still be a file.
  struct stat st {};
  if (::lstat(target_.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
    return Fail(NotAFileError(path_, target_, st.st_mode));
  }
  if (::rename(tempPath_.c_str(), target_.c_str()) != 0) return Fail(CreateError(path_, errno));
  tempPath_.clear();
  return {};
}

Result<void> WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes,
                                 TemporaryKind kind) {
  Result<AtomicFileWriter> writer = AtomicFileWriter::Open(path, kind);
  if (!writer) return Fail(std::move(writer).error());
  if (Result<void> written = writer->Write(bytes); !written) return written;
  return writer->Commit();
}

}  // namespace lrw
