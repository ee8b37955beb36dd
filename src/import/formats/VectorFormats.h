// Our own readers of the two vector picture formats: Windows enhanced metafiles (.emf)
// and GEM metafiles (.gem). A drawing has no pixels of its own, so each reader gives its
// own size (at 96 pixels per inch) and draws itself at whatever size the caller asks,
// which keeps it sharp at any size. Drawing needs a QGuiApplication (fonts).
// Every function fails with the reason, to follow "Unable to read the picture NAME: ".
#pragma once

#include <cstdint>
#include <span>

#include "base/Result.h"
#include "document/Bitmap.h"

namespace lrw::formats {

struct DrawingSize {
  int width = 0;
  int height = 0;
};

// The header's frame (0.01 mm) at 96 pixels per inch, or its bounds when the frame is empty.
Result<DrawingSize> EmfSize(std::span<const uint8_t> file);
// The whole frame drawn on white into a width x height bitmap.
Result<Bitmap> RenderEmf(std::span<const uint8_t> file, int width, int height);

// The page size (0.1 mm) at 96 pixels per inch, or the drawing's extent when none is given.
Result<DrawingSize> GemSize(std::span<const uint8_t> file);
// The whole page (or extent) drawn on white into a width x height bitmap.
Result<Bitmap> RenderGem(std::span<const uint8_t> file, int width, int height);

}  // namespace lrw::formats
