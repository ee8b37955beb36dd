#include "shell/DroppedFiles.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "document/PictureFormatTable.h"
#include "shell/ShortcutLink.h"

namespace lrw {

namespace {

bool IsShortcut(const std::string& path) {
  if (path.size() < 4) return false;
  std::string ext = path.substr(path.size() - 4);
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext == ".lnk";
}

}  // namespace

DroppedPictures PicturesFromDrop(const std::vector<std::string>& dropped, ShortcutLink& link) {
  DroppedPictures result;
  for (const std::string& name : dropped) {
    std::error_code error;
    const auto status = std::filesystem::status(name, error);
    if (error || !std::filesystem::exists(status) || std::filesystem::is_directory(status))
      continue;
    std::string path = name;
    if (IsShortcut(path)) {
      // A shortcut whose target cannot be found leaves Target as it was: start empty so
      // that an earlier shortcut's target is never taken for this one.
      link.SetTarget({});
      link.SetShortcutFile(path);
      if (Result<void> read = link.ReadLink(); !read) {
        result.shortcutError = std::move(read).error();
        break;
      }
      if (link.Target().empty()) continue;
      path = link.Target();
    }
    if (PictureFormatOf(path)) result.paths.push_back(path);
  }
  return result;
}

}  // namespace lrw
