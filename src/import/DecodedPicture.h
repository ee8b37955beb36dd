// What a decoder hands back, the error it raises, and the size limits that keep a
// hostile file from exhausting memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "document/Bitmap.h"

namespace lrw {

// A decoding failure; what() is the reason, written for the user.
class DecodeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A decoded picture, upright. `bitmap` may be smaller than the picture when the
// decoder was asked for a reduced size; `fullWidth`/`fullHeight` are always the
// picture's own size.
struct DecodedPicture {
  Bitmap bitmap;
  int fullWidth = 0;
  int fullHeight = 0;
};

// A slide stores its picture size in signed 16-bit fields.
inline constexpr int64_t kMaxPictureSide = 32767;
// 64 megapixels: the decoder's own copy (8 bytes a pixel) plus our bitmap stay
// well under 1 GB.
inline constexpr int64_t kMaxPicturePixels = 64LL * 1024 * 1024;
// Files larger than this are not read into memory.
inline constexpr int64_t kMaxPictureFileBytes = 512LL * 1024 * 1024;

// Raises DecodeError when a picture of this size has no pixels or is too large.
void CheckPictureSize(int64_t width, int64_t height);

}  // namespace lrw
