// A plain 32-bit bitmap shared by every layer: pixels are 0xFFRRGGBB, row-major,
// the memory layout of QImage::Format_RGB32 so the windows can wrap it without copying.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace lrw {

struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;

  Bitmap() = default;
  Bitmap(int w, int h, uint32_t fill = 0xFF000000u)
      : width(w > 0 ? w : 0),
        height(h > 0 ? h : 0),
        pixels(static_cast<size_t>(width) * static_cast<size_t>(height), fill) {}

  bool empty() const { return width <= 0 || height <= 0; }
  uint32_t& at(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
  uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
  uint32_t* row(int y) { return pixels.data() + static_cast<size_t>(y) * width; }
  const uint32_t* row(int y) const { return pixels.data() + static_cast<size_t>(y) * width; }

  bool operator==(const Bitmap&) const = default;
};

// 0x00BBGGRR (a record colour) to 0xFFRRGGBB (a pixel). System colours must be
// resolved by the caller first.
inline uint32_t PixelFromColorRef(uint32_t colorRef) {
  return 0xFF000000u | ((colorRef & 0xFFu) << 16) | (colorRef & 0xFF00u) |
         ((colorRef >> 16) & 0xFFu);
}

inline uint32_t ColorRefFromPixel(uint32_t pixel) {
  return ((pixel >> 16) & 0xFFu) | (pixel & 0xFF00u) | ((pixel & 0xFFu) << 16);
}

}  // namespace lrw
