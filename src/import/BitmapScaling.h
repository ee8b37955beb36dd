// Reducing (or enlarging) bitmaps to fit a box, for thumbnails and video stills.
#pragma once

#include <cstddef>
#include <utility>

#include "document/Bitmap.h"

namespace lrw {

inline constexpr int kThumbnailSize = 60;
inline constexpr uint32_t kThumbnailBackground = 0xFFFFFFFFu;  // white

// The size of a w x h picture fitted into a box: the side that fills the box
// reaches it, the other is truncated (at least 1). Wider-or-equal pictures fill
// the width; taller ones the height.
std::pair<int, int> FittedSize(int width, int height, int boxWidth, int boxHeight);

// `source` scaled to exactly width x height: area averaging when reducing,
// nearest pixel when enlarging.
Bitmap ScaleBitmap(const Bitmap& source, int width, int height);

// `source` scaled to its fitted size in a box.
Bitmap FitBitmap(const Bitmap& source, int boxWidth, int boxHeight);

// A kThumbnailSize square of the background colour with `source` fitted into it
// and centred (offset (60 - size) / 2 on each axis).
Bitmap CenteredThumbnail(const Bitmap& source);

}  // namespace lrw
