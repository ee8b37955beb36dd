// Paths are a folder ending with "/" joined to a file name by plain concatenation.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace lrw {

inline constexpr char kPathSeparator = '/';

// The folder part with its trailing separator ("" when there is none).
inline std::string FolderOf(std::string_view path) {
  const size_t slash = path.rfind(kPathSeparator);
  return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

// The file name without folder.
inline std::string FileNameOf(std::string_view path) {
  const size_t slash = path.rfind(kPathSeparator);
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

// Surrounding blanks removed.
inline std::string Trim(std::string_view s) {
  const size_t b = s.find_first_not_of(' ');
  if (b == std::string_view::npos) return {};
  const size_t e = s.find_last_not_of(' ');
  return std::string(s.substr(b, e - b + 1));
}

// Whether `path` names a regular file (links followed). Never throws: a path that cannot
// be looked at (too long, a loop of links, no permission) counts as no file, as a
// missing one does.
inline bool IsRegularFile(const std::string& path) noexcept {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_regular_file(path, ec) && !ec;
}

inline std::string TrimRight(std::string_view s) {
  const size_t e = s.find_last_not_of(' ');
  return e == std::string_view::npos ? std::string() : std::string(s.substr(0, e + 1));
}

}  // namespace lrw
