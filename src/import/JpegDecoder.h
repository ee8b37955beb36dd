// JPEG pictures through the JPEG library itself, straight into our bitmap: 4 bytes a
// decoded pixel instead of GraphicsMagick's 8 more, a reduced scale (M/8) where that is
// enough, and a limit of our own on what a progressive picture keeps in memory.
#pragma once

#include <cstdint>
#include <span>

#include "import/DecodedPicture.h"

namespace lrw {

// What the JPEG library may keep of one picture besides our bitmap: the coefficients of
// a progressive picture, which it holds whole whatever the scale.
inline constexpr int64_t kJpegLibraryMemory = 160LL * 1024 * 1024;

// Decodes a JPEG file image, turned upright by its EXIF orientation. Without a hint at
// its own size; with hintWidth/hintHeight > 0 at the smallest scale M/8 that still
// covers hintWidth x hintHeight, lowered further where needed to stay within
// kMaxDecodedPixels. fullWidth/fullHeight are the upright own size. Fails for a damaged or
// cut-off file and for one that would take more memory than allowed.
Result<DecodedPicture> DecodeJpeg(std::span<const uint8_t> data, int hintWidth, int hintHeight);

}  // namespace lrw
