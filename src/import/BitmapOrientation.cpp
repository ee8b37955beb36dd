#include "import/BitmapOrientation.h"

#include <utility>

namespace lrw {

Bitmap Oriented(Bitmap source, int exif) {
  if (exif < 2 || exif > 8) return source;
  const int w = source.width;
  const int h = source.height;
  const bool swaps = exif >= 5;
  Bitmap out(swaps ? h : w, swaps ? w : h);
  for (int y = 0; y < h; ++y) {
    const uint32_t* row = source.row(y);
    for (int x = 0; x < w; ++x) {
      int tx = x, ty = y;
      switch (exif) {
        case 2:
          tx = w - 1 - x;
          break;
        case 3:
          tx = w - 1 - x;
          ty = h - 1 - y;
          break;
        case 4:
          ty = h - 1 - y;
          break;
        case 5:
          tx = y;
          ty = x;
          break;
        case 6:
          tx = h - 1 - y;
          ty = x;
          break;
        case 7:
          tx = h - 1 - y;
          ty = w - 1 - x;
          break;
        default:  // 8
          tx = y;
          ty = w - 1 - x;
          break;
      }
      out.at(tx, ty) = row[x];
    }
  }
  return out;
}

}  // namespace lrw
