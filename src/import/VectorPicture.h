// Drawings (enhanced and GEM metafiles) as pictures: drawn at the size the caller needs
// rather than at their own size and scaled, so they stay sharp at any size.
#pragma once

#include <string>

#include "import/DecodedPicture.h"

namespace lrw {

enum class DrawingFormat { Emf, Gem };

// Where the drawing is to go: its own size, a thumbnail fitted into a box, or the size
// that covers a box (the drawing's own proportions kept, so the caller only reduces).
struct DrawingTarget {
  enum class Kind { OwnSize, FitInto, Cover } kind = Kind::OwnSize;
  int width = 0;
  int height = 0;
};

// The drawing at `path` rendered for `target`; fullWidth/fullHeight are its own size.
// A covering size beyond the decode limits is reduced to the largest that fits. Fails with
// the reason, to follow "Unable to read the picture NAME: ".
Result<DecodedPicture> RenderDrawing(const std::string& path, DrawingFormat format,
                                     DrawingTarget target);

}  // namespace lrw
