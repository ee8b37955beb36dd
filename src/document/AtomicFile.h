// Replacing a file so that a failure, or the program being killed, never leaves it half
// written and never leaves a temporary file behind.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "base/Result.h"

namespace lrw {

// How the new content is held until it takes its place.
enum class TemporaryKind {
  // A file without a name (O_TMPFILE), linked into place when complete, so that a killed
  // process leaves nothing; a named file where the file system cannot do that.
  Unnamed,
  // Always a named file beside the target (what Unnamed falls back to).
  Named,
};

// Writes a new file that takes the place of `path` (UTF-8) only when Commit() succeeds.
// Only a regular file, a symbolic link to one (its target is replaced and the link kept)
// or a name not yet taken can be replaced; anything else (folder, named pipe, device,
// socket, directly or through links) is refused with a clear text and left alone. A
// replaced file keeps its permission bits. Opening also removes the temporary files that
// killed saves of this program left in the same folder.
class AtomicFileWriter {
 public:
  // Fails with the text for the user when `path` cannot be replaced or the new content
  // cannot be created.
  static Result<AtomicFileWriter> Open(const std::string& path,
                                       TemporaryKind kind = TemporaryKind::Unnamed);
  ~AtomicFileWriter();  // discards what was not committed
  AtomicFileWriter(AtomicFileWriter&& other) noexcept;
  AtomicFileWriter& operator=(AtomicFileWriter&&) = delete;
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  // Appends bytes. After a failure the new content is discarded and the writer is done.
  Result<void> Write(std::span<const uint8_t> bytes);
  // A name under which a library that opens files by name (to write, seek and read back)
  // reaches the new content instead of calling Write; empty after a failure.
  std::string ContentPath() const;
  // Flushes the file to the disk and puts it in place. On failure the old file is
  // untouched and nothing is left behind.
  Result<void> Commit();

 private:
  explicit AtomicFileWriter(const std::string& path) : path_(path) {}
  Result<void> Create(TemporaryKind kind);
  void Discard();
  std::string TemporaryName(int attempt) const;
  Result<void> OpenNamed();
  Result<void> PutInPlace();

  std::string path_;    // as given, for messages
  std::string target_;  // the file replaced: links resolved
  std::string folder_;
  std::string name_;
  std::string tempPath_;  // of a named temporary; empty for an unnamed one
  int fd_ = -1;           // -1 once committed or discarded
  bool replacing_ = false;
};

// The whole content at once, through an AtomicFileWriter.
Result<void> WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes,
                                 TemporaryKind kind = TemporaryKind::Unnamed);

}  // namespace lrw
