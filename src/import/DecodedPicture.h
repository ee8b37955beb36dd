// What a decoder hands back and the size limits that keep a hostile file from exhausting
// memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/Result.h"
#include "document/Bitmap.h"

namespace lrw {

// A decoded picture, upright. `bitmap` may be smaller than the picture when the
// decoder was asked for a reduced size; `fullWidth`/`fullHeight` are always the
// picture's own size.
struct DecodedPicture {
  Bitmap bitmap;
  int fullWidth = 0;
  int fullHeight = 0;
  // A drawing (emf, gem): rendered at the size asked, so its own size bounds nothing.
  bool drawing = false;
};

// A slide stores its picture size in signed 16-bit fields: no side can be longer.
inline constexpr int64_t kMaxPictureSide = 32767;
// The limits that keep one decode, whatever the file holds, within about 400 MB on top
// of the program (README.md gives the figures measured):
// - the most pixels one decode produces (4 bytes each in our bitmap). A JPEG is
//   decoded at a reduced scale where that is enough, so larger photos still come in;
inline constexpr int64_t kMaxDecodedPixels = 24LL * 1024 * 1024;
// - GraphicsMagick's own memory: its copy of those pixels (up to 10 bytes each) and its
//   readers' buffers (the JPEG library's limit is in JpegDecoder.h);
inline constexpr int64_t kLibraryMemoryLimit = 320LL * 1024 * 1024;
// - the file, which is read into memory whole.
inline constexpr int64_t kMaxPictureFileBytes = 64LL * 1024 * 1024;

// Fails when a picture of this size has no pixels or a side a slide cannot hold; the
// message is the reason, to follow "Unable to read the picture NAME: ".
Result<void> CheckPictureSize(int64_t width, int64_t height);
// Fails when a picture decoded at this size would take more memory than one decode may.
Result<void> CheckDecodedSize(int64_t width, int64_t height);

}  // namespace lrw
