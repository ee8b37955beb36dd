#include "effects/BitmapEffectTarget.h"

#include <algorithm>
#include <cstring>

namespace lrw {

BitmapEffectTarget::BitmapEffectTarget(const Bitmap& source, Bitmap& target)
    : source_(source),
      target_(target),
      sourcePixels_(source.pixels.data()),
      targetPixels_(target.pixels.data()),
      sourceStride_(static_cast<size_t>(source.width)),
      targetStride_(static_cast<size_t>(target.width)),
      commonRight_(std::min(source.width, target.width)),
      commonBottom_(std::min(source.height, target.height)) {}

void BitmapEffectTarget::Copy(const EffectRect& from, const EffectRect& to) {
  // Boxes and lines inside both bitmaps: the bulk of every transition, kept short because a
  // fine grid makes half a million of them.
  if (from == to && from.left >= 0 && from.top >= 0 && from.right <= commonRight_ &&
      from.bottom <= commonBottom_) {
    const int width = from.right - from.left;
    if (width <= 0) return;
    const uint32_t* src = sourcePixels_ + from.top * sourceStride_ + from.left;
    uint32_t* dst = targetPixels_ + from.top * targetStride_ + from.left;
    const int height = from.bottom - from.top;
    if (width == 1) {
      for (int y = 0; y < height; ++y, src += sourceStride_, dst += targetStride_) *dst = *src;
    } else if (width == 2) {
      for (int y = 0; y < height; ++y, src += sourceStride_, dst += targetStride_) {
        std::memcpy(dst, src, 2 * sizeof(uint32_t));
      }
    } else {
      const size_t bytes = static_cast<size_t>(width) * sizeof(uint32_t);
      for (int y = 0; y < height; ++y, src += sourceStride_, dst += targetStride_) {
        std::memcpy(dst, src, bytes);
      }
    }
    return;
  }
  if (from.width() <= 0 || from.height() <= 0 || to.width() <= 0 || to.height() <= 0) return;
  if (from.width() == to.width() && from.height() == to.height()) {
    CopyDirect(from, to);
  } else {
    CopyStretched(from, to);
  }
}

void BitmapEffectTarget::CopyDirect(const EffectRect& from, const EffectRect& to) {
  const int dx = to.left - from.left;
  const int dy = to.top - from.top;
  // Clip the source rectangle to the source, then to where it lands inside the target.
  int left = std::max({from.left, 0, -dx});
  int top = std::max({from.top, 0, -dy});
  int right = std::min({from.right, source_.width, target_.width - dx});
  int bottom = std::min({from.bottom, source_.height, target_.height - dy});
  if (left >= right || top >= bottom) return;
  const size_t bytes = static_cast<size_t>(right - left) * sizeof(uint32_t);
  for (int y = top; y < bottom; ++y) {
    std::memcpy(target_.row(y + dy) + left + dx, source_.row(y) + left, bytes);
  }
}

void BitmapEffectTarget::CopyStretched(const EffectRect& from, const EffectRect& to) {
  const int fromW = from.width();
  const int fromH = from.height();
  const int toW = to.width();
  const int toH = to.height();
  const int top = std::max(to.top, 0);
  const int bottom = std::min(to.bottom, target_.height);
  const int left = std::max(to.left, 0);
  const int right = std::min(to.right, target_.width);
  for (int ty = top; ty < bottom; ++ty) {
    // Sample at the centre of each target row.
    const int sy = from.top + static_cast<int>((2LL * (ty - to.top) + 1) * fromH / (2LL * toH));
    if (sy < 0 || sy >= source_.height) continue;
    const uint32_t* src = source_.row(sy);
    uint32_t* dst = target_.row(ty);
    if (fromW == toW) {
      const int dx = to.left - from.left;
      const int l = std::max(left, dx);
      const int r = std::min(right, source_.width + dx);
      if (l < r)
        std::memcpy(dst + l, src + (l - dx), static_cast<size_t>(r - l) * sizeof(uint32_t));
      continue;
    }
    for (int tx = left; tx < right; ++tx) {
      const int sx = from.left + static_cast<int>((2LL * (tx - to.left) + 1) * fromW / (2LL * toW));
      if (sx >= 0 && sx < source_.width) dst[tx] = src[sx];
    }
  }
}

}  // namespace lrw
