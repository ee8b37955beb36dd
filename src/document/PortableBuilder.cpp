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

std::string CopyMediaFile(const std::string& source, const std::string& target) {
  // Copying a file onto itself would truncate it before reading it.
  if (SameFile(source, target)) return {};

  errno = 0;
  FilePtr in(std::fopen(source.c_str(), "rb"));
  if (!in) return FileError("Cannot open", source, errno);

  // The copy takes its place only when complete, so that a failed or killed copy never
  // leaves a partial file that a later build would take as already copied.
  AtomicFileWriter out(target);
  char buffer[64 * 1024];
  for (;;) {
    const size_t n = std::fread(buffer, 1, sizeof buffer, in.get());
    if (n > 0 && !out.Write(std::span(reinterpret_cast<const uint8_t*>(buffer), n))) {
      return out.Error();
    }
    if (n < sizeof buffer) {
      if (std::ferror(in.get())) return FileError("Cannot read", source, errno ? errno : EIO);
      break;
    }
  }
  return out.Commit().value_or(std::string());
}

CopyMediaResult CopyMediaFiles(const std::vector<SlideRecord>& slides,
                               const std::string& targetFolder,
                               const std::vector<std::string>& music) {
  CopyMediaResult result;
  // A name such as "../x.jpg" would put a copy outside the chosen folder (and
  // the portable show would then read from there): refuse before copying.
  for (size_t i = 0; i < slides.size(); ++i) {
    const SlideRecord& s = slides[i];
    const int number = static_cast<int>(i) + 1;
    if (!s.PictureName.empty() && !IsPlainFileName(s.PictureName)) {
      result.error = RefusedName(number, "picture", s.PictureName);
      return result;
    }
    if (!s.SoundName.empty() && !IsPlainFileName(s.SoundName)) {
      result.error = RefusedName(number, "sound", s.SoundName);
      return result;
    }
  }
  for (const std::string& track : music) {
    if (!IsPlainFileName(FileNameOf(track))) {
      result.error = "The music file \"" + track +
                     "\" has no plain file name. A portable show keeps its files in one "
                     "folder, so nothing has been copied.";
      return result;
    }
  }

  // Names are used exactly as stored: blanks around a name are part of it on this
  // system, and the trimmed name may be another file, or none.
  auto copyOne = [&](const std::string& folder, const std::string& name) {
    if (name.empty()) return true;
    const std::string bare = Cp1252ToUtf8(name);
    const std::string target = targetFolder + bare;
    if (NameTaken(target)) return true;  // files are identified by name alone
    const std::string source = Cp1252ToUtf8(folder) + bare;
    result.error = CopyMediaFile(source, target);
    if (!result.ok()) return false;
    result.copied.push_back(target);
    return true;
  };
  for (const SlideRecord& s : slides) {
    if (!copyOne(s.PictureFolder, s.PictureName)) return result;
    if (!copyOne(s.SoundFolder, s.SoundName)) return result;
  }
  // Music paths are UTF-8 already.
  for (const std::string& track : music) {
    const std::string target = targetFolder + FileNameOf(track);
    if (NameTaken(target)) continue;
    result.error = CopyMediaFile(track, target);
    if (!result.ok()) return result;
    result.copied.push_back(target);
  }
  return result;
}

}  // namespace lrw
