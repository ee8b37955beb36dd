// Turning a picture file into a slide: the one way a picture enters a show.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "document/SlideShowDocument.h"
#include "import/LoadPicture.h"
#include "import/PictureImport.h"
#include "platform/Prompts.h"

namespace lrw {

// Whether a file lies on a removable or optical drive (IsOnRemovableDrive in
// production; tests pass their own).
using RemovableDriveTest = std::function<bool(const std::string& path)>;

struct PictureImportContext {
  SlideShowDocument& document;
  int current;  // the strip's current slide, -1 when the strip is empty
  int screenWidth;
  int screenHeight;
  Prompts& prompts;
  LoadPictureModule& loader;
  RemovableDriveTest isRemovable;  // empty: IsOnRemovableDrive
};

// Builds the slide for the picture `path` (UTF-8) from `from` (a copy of the current
// slide or the first-slide defaults), centred on a screen of the given size. With
// `fitLarger`, a picture larger than the screen is fitted whole inside it instead.
PictureImport ImportPicture(const std::string& path, const SlideRecord& from, int screenWidth,
                            int screenHeight, const LoadPictureModule& loader,
                            const RemovableDriveTest& isRemovable = {}, bool fitLarger = false);

// Adds the picture `path` (UTF-8) as a new slide directly after the current one.
// Refusals and decoding failures are told through the prompts. Returns the new
// slide's index, or -1 when no slide was added.
int AddPictureSlide(const PictureImportContext& context, const std::string& path);

// The slide for a picture of the given size, built from `from` (a copy of the
// current slide or the first-slide defaults) and centred on the screen.
// Folder and name are Windows-1252 text.
SlideRecord MakePictureSlide(SlideRecord from, const std::string& folder, const std::string& name,
                             int pictureWidth, int pictureHeight, int screenWidth, int screenHeight,
                             Bitmap thumbnail);

// The refusal texts.
std::string AnimationMessage(const std::string& path);
std::string RemovableDiskMessage(const std::string& path);

}  // namespace lrw
