#include "document/PortableBuilder.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <span>
#include <system_error>

#include "document/AtomicFile.h"
#include "document/Cp1252.h"
#include "document/Paths.h"

namespace lrw {
namespace {

namespace fs = std::filesystem;

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

std::string FileError(const char* what, const std::string& path, int err) {
  return std::string(what) + " file \"" + path + "\". " + std::strerror(err);
}

// A file (or a link, even a dangling one) already occupies `path`; folders do not count.
bool NameTaken(const std::string& path) {
  std::error_code ec;
  const fs::file_status st = fs::symlink_status(path, ec);
  return !ec && fs::exists(st) && !fs::is_directory(st);
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  const bool same = fs::equivalent(a, b, ec);
  return !ec && same;
}

std::string RefusedName(int slideNumber, const char* kind, const std::string& name) {
  return "Slide " + std::to_string(slideNumber) + " names the " + kind + " file \"" +
         Cp1252ToUtf8(name) +
         "\", which is not a plain file name. A portable show keeps its files in one "
         "folder, so nothing has been copied.";
}

}  // namespace

Result<void> CopyMediaFile(const std::string& source, const std::string& target) {
  // Copying a file onto itself would truncate it before reading it.
  if (SameFile(source, target)) return {};

  errno = 0;
  FilePtr in(std::fopen(source.c_str(), "rb"));
  if (!in) return Fail(FileError("Cannot open", source, errno));

  // The copy takes its place only when complete, so that a failed or killed copy never
  // leaves a partial file that a later build would take as already copied.
  Result<AtomicFileWriter> out = AtomicFileWriter::Open(target);
  if (!out) return Fail(std::move(out).error());
  char buffer[64 * 1024];
  for (;;) {
    const size_t n = std::fread(buffer, 1, sizeof buffer, in.get());
    if (n > 0) {
      Result<void> written = out->Write(std::span(reinterpret_cast<const uint8_t*>(buffer), n));
      if (!written) return written;
    }
    if (n < sizeof buffer) {
      if (std::ferror(in.get())) return Fail(FileError("Cannot read", source, errno ? errno : EIO));
      break;
    }
  }
  return out->Commit();
}

namespace {

// A build is one act: what this call copied before a failure is removed again.
Unexpected<Error> UndoCopies(const std::vector<std::string>& copied, Error error) {
  const std::string removed = RemoveCopiedMedia(copied);
  if (!removed.empty()) error.message += (error.message.back() == '.' ? " " : ". ") + removed;
  return Fail(std::move(error));
}

// A name such as "../x.jpg" would put a copy outside the chosen folder (and the portable
// show would then read from there).
Result<void> CheckPlainNames(const std::vector<SlideRecord>& slides,
                             const std::vector<std::string>& music) {
  for (size_t i = 0; i < slides.size(); ++i) {
    const SlideRecord& s = slides[i];
    const int number = static_cast<int>(i) + 1;
    if (!s.PictureName.empty() && !IsPlainFileName(s.PictureName)) {
      return Fail(RefusedName(number, "picture", s.PictureName));
    }
    if (!s.SoundName.empty() && !IsPlainFileName(s.SoundName)) {
      return Fail(RefusedName(number, "sound", s.SoundName));
    }
  }
  for (const std::string& track : music) {
    if (!IsPlainFileName(FileNameOf(track))) {
      return Fail("The music file \"" + track +
                  "\" has no plain file name. A portable show keeps its files in one "
                  "folder, so nothing has been copied.");
    }
  }
  return {};
}

}  // namespace

Result<std::vector<std::string>> CopyMediaFiles(const std::vector<SlideRecord>& slides,
                                                const std::string& targetFolder,
                                                const std::vector<std::string>& music) {
  if (Result<void> plain = CheckPlainNames(slides, music); !plain) {
    return Fail(std::move(plain).error());
  }
  std::vector<std::string> copied;
  // Copies `source` to `target` unless the name is taken: files are identified by name alone.
  auto copyOne = [&](const std::string& source, const std::string& target) -> Result<void> {
    if (NameTaken(target)) return {};
    if (Result<void> done = CopyMediaFile(source, target); !done) return done;
    copied.push_back(target);
    return {};
  };
  // Names are used exactly as stored: blanks around a name are part of it on this
  // system, and the trimmed name may be another file, or none.
  auto copyRecordFile = [&](const std::string& folder, const std::string& name) -> Result<void> {
    if (name.empty()) return {};
    const std::string bare = Cp1252ToUtf8(name);
    return copyOne(Cp1252ToUtf8(folder) + bare, targetFolder + bare);
  };
  for (const SlideRecord& s : slides) {
    Result<void> done = copyRecordFile(s.PictureFolder, s.PictureName);
    if (done) done = copyRecordFile(s.SoundFolder, s.SoundName);
    if (!done) return UndoCopies(copied, std::move(done).error());
  }
  // Music paths are UTF-8 already.
  for (const std::string& track : music) {
    if (Result<void> done = copyOne(track, targetFolder + FileNameOf(track)); !done) {
      return UndoCopies(copied, std::move(done).error());
    }
  }
  return copied;
}

std::string RemoveCopiedMedia(const std::vector<std::string>& copied) {
  if (copied.empty()) return {};
  std::vector<std::string> left;
  for (const std::string& path : copied) {
    std::error_code ec;
    fs::remove(path, ec);
    if (ec) left.push_back(path);
  }
  const bool one = copied.size() == 1;
  std::string text =
      (one ? std::string("The 1 file") : "The " + std::to_string(copied.size()) + " files") +
      " this build had copied " + (one ? "was" : "were") + " removed again";
  if (!left.empty()) {
    text += ", except " + std::to_string(left.size()) + " that could not be removed:";
    for (const std::string& path : left) text += " \"" + path + "\"";
  }
  return text + "; files that were there before are untouched.";
}

}  // namespace lrw
