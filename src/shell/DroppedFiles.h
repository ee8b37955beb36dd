// Which of the files dropped on the slide strip become slides: folders and paths that
// cannot be looked at are passed over, shortcut (.lnk) files stand for their targets,
// and only pictures of the picture format table are kept.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/Result.h"

namespace lrw {

class ShortcutLink;

struct DroppedPictures {
  std::vector<std::string> paths;  // UTF-8, in drop order
  // Set when a shortcut could not be read; the files after it were not looked at.
  std::optional<Error> shortcutError;
};

DroppedPictures PicturesFromDrop(const std::vector<std::string>& dropped, ShortcutLink& link);

}  // namespace lrw
