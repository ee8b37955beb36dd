// Windows bitmap (BMP) files: the form in which show files carry slide thumbnails.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/Result.h"
#include "document/Bitmap.h"

namespace lrw {

// Largest image the decoder accepts, in pixels (256 MB of 32-bit pixels).
inline constexpr uint64_t kMaxBmpPixels = 64ull * 1024 * 1024;

// A width and height in pixels.
struct BmpSize {
  int64_t width = 0;
  int64_t height = 0;
};

// The width and height a BMP file declares, from its header alone (nothing is
// allocated); nothing when the bytes do not start with a BMP header.
std::optional<BmpSize> DeclaredBmpSize(std::span<const uint8_t> file);

// A complete BMP file: 14-byte file header, 40-byte information header, 24-bit
// bottom-up rows. An empty bitmap gives no bytes at all, the form an empty
// thumbnail takes in a show file.
std::vector<uint8_t> EncodeBmp(const Bitmap& bitmap);

// Decodes a complete BMP file (1, 4, 8, 16, 24 or 32 bits per pixel; BI_RGB,
// BI_BITFIELDS, BI_RLE4, BI_RLE8; bottom-up or top-down; every information header
// from the 12-byte core header to the 124-byte version 5 header). Fails for anything
// malformed or beyond kMaxBmpPixels.
// An image with zero width or height decodes to an empty bitmap. A run-length image
// may not claim more than 256 pixels per byte of its data (plus 4096), so that a
// few hostile bytes cannot demand a huge bitmap. With `maxSize`, an image wider or
// taller than it is refused before anything is allocated.
Result<Bitmap> DecodeBmp(std::span<const uint8_t> file,
                         std::optional<BmpSize> maxSize = std::nullopt);

}  // namespace lrw
