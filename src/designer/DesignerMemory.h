// What the designer remembers between commands beside the show itself: where its dialogs
// last were, how the program was started, and how far a damaged show file was read.
#pragma once

#include <optional>
#include <string>

namespace lrw {

// The show's file was read only up to damage: what lay beyond is still in the file, so
// the first save over it asks first.
struct DamagedFile {
  std::string path;
  int slidesRead = 0;
};

struct DesignerMemory {
  // The folder the picture dialog opens in (UTF-8, ending with "/").
  std::string lastPictureFolder;
  // Started only to run a show once: running from the beginning ignores the loop flag.
  bool runOnce = false;
  // The name the save dialog last held.
  std::string saveDialogName;
  // Cleared once the show belongs to another file or has been written over this one.
  std::optional<DamagedFile> damagedFile;
};

}  // namespace lrw
