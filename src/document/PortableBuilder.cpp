#include "document/PortableBuilder.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

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

  // Write beside the target and rename at the end, so that a failed copy never
  // leaves a partial file that a later build would take as already copied.
  const std::string temp = target + ".lrw-copy";
  errno = 0;
  FilePtr out(std::fopen(temp.c_str(), "wb"));
  if (!out) return FileError("Cannot create", target, errno);

  auto fail = [&](const char* what, const std::string& path, int err) {
    out.reset();
    std::error_code ec;
    fs::remove(temp, ec);
    return FileError(what, path, err);
  };

  char buffer[64 * 1024];
  for (;;) {
    const size_t n = std::fread(buffer, 1, sizeof buffer, in.get());
    if (n > 0 && std::fwrite(buffer, 1, n, out.get()) != n) {
      return fail("Cannot write", target, errno);
    }
    if (n < sizeof buffer) {
      if (std::ferror(in.get())) return fail("Cannot read", source, errno ? errno : EIO);
      break;
    }
  }
  errno = 0;
  if (std::fflush(out.get()) != 0) return fail("Cannot write", target, errno);
  std::FILE* raw = out.release();
  if (std::fclose(raw) != 0) {
    const int err = errno;
    std::error_code ec;
    fs::remove(temp, ec);
    return FileError("Cannot write", target, err);
  }
  std::error_code ec;
  fs::rename(temp, target, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    return FileError("Cannot create", target, ec.value());
  }
  return {};
}

CopyMediaResult CopyMediaFiles(const std::vector<SlideRecord>& slides,
                               const std::string& targetFolder) {
  CopyMediaResult result;
  // A name such as "../x.jpg" would put a copy outside the chosen folder (and
  // the portable show would then read from there): refuse before copying.
  for (size_t i = 0; i < slides.size(); ++i) {
    const SlideRecord& s = slides[i];
    const int number = static_cast<int>(i) + 1;
    if (!s.PictureName.empty() && !IsPlainFileName(Trim(s.PictureName))) {
      result.error = RefusedName(number, "picture", s.PictureName);
      return result;
    }
    if (!s.SoundName.empty() && !IsPlainFileName(Trim(s.SoundName))) {
      result.error = RefusedName(number, "sound", s.SoundName);
      return result;
    }
  }

  auto copyOne = [&](const std::string& folder, const std::string& name) {
    if (name.empty()) return true;
    const std::string bare = Cp1252ToUtf8(Trim(name));
    const std::string target = targetFolder + bare;
    if (NameTaken(target)) return true;  // files are identified by name alone
    const std::string source = Cp1252ToUtf8(Trim(folder)) + bare;
    result.error = CopyMediaFile(source, target);
    if (!result.ok()) return false;
    result.copied.push_back(target);
    return true;
  };
  for (const SlideRecord& s : slides) {
    if (!copyOne(s.PictureFolder, s.PictureName)) break;
    if (!copyOne(s.SoundFolder, s.SoundName)) break;
  }
  return result;
}

}  // namespace lrw
