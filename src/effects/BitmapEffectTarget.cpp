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

namespace {

// Copies `height` rows of `width` pixels. Boxes are a few pixels wide, so narrow rows are
// moved in 8-byte pieces without a library call.
inline void CopyRows(const uint32_t* src, size_t srcStride, uint32_t* dst, size_t dstStride,
                     int width, int height) {
  if (width == 2) {
    for (int y = 0; y < height; ++y, src += srcStride, dst += dstStride) {
      uint64_t pair;
      std::memcpy(&pair, src, sizeof pair);
      std::memcpy(dst, &pair, sizeof pair);
    }
  } else if (width <= 16) {
    const int pairs = width / 2;
    for (int y = 0; y < height; ++y, src += srcStride, dst += dstStride) {
      for (int i = 0; i < pairs; ++i) {
        uint64_t pair;
        std::memcpy(&pair, src + 2 * i, sizeof pair);
        std::memcpy(dst + 2 * i, &pair, sizeof pair);
      }
      if (width & 1) dst[width - 1] = src[width - 1];
    }
  } else {
    const size_t bytes = static_cast<size_t>(width) * sizeof(uint32_t);
    for (int y = 0; y < height; ++y, src += srcStride, dst += dstStride) {
      std::memcpy(dst, src, bytes);
    }
  }
}

// Whether `box` continues `run` by one box along a row or a column, either way, so that the
// two together are still a rectangle.
inline bool Extend(EffectRect& run, const EffectRect& box) {
  if (box.left == run.left && box.right == run.right) {
    if (box.top == run.bottom) {
      run.bottom = box.bottom;
      return true;
    }
    if (box.bottom == run.top) {
      run.top = box.top;
      return true;
    }
  } else if (box.top == run.top && box.bottom == run.bottom) {
    if (box.left == run.right) {
      run.right = box.right;
      return true;
    }
    if (box.right == run.left) {
      run.left = box.left;
      return true;
    }
  }
  return false;
}

}  // namespace

void BitmapEffectTarget::Copy(const EffectRect& from, const EffectRect& to) {
  if (from == to) {
    CopyInPlace(from);
    return;
  }
  if (from.Width() <= 0 || from.Height() <= 0 || to.Width() <= 0 || to.Height() <= 0) return;
  if (from.Width() == to.Width() && from.Height() == to.Height()) {
    CopyDirect(from, to);
  } else {
    CopyStretched(from, to);
  }
}

void BitmapEffectTarget::CopyInPlace(const EffectRect& rect) {
  const int left = std::max(rect.left, 0);
  const int top = std::max(rect.top, 0);
  const int right = std::min(rect.right, commonRight_);
  const int bottom = std::min(rect.bottom, commonBottom_);
  if (left >= right || top >= bottom) return;
  CopyRows(sourcePixels_ + top * sourceStride_ + left, sourceStride_,
           targetPixels_ + top * targetStride_ + left, targetStride_, right - left, bottom - top);
}

void BitmapEffectTarget::CopyBoxes(const EffectRect* boxes, size_t count) {
  if (count == 0) return;
  // Random orders jump across the picture: ask for the rows of a box a few boxes ahead, so
  // that the memory fetches overlap instead of waiting one after another.
  constexpr size_t kAhead = 8;
  const auto prefetch = [this](const EffectRect& box) {
    if (box.left < 0 || box.top < 0 || box.left >= commonRight_) return;
    const int bottom = std::min(box.bottom, commonBottom_);
    for (int y = box.top; y < bottom; ++y) {
      __builtin_prefetch(sourcePixels_ + y * sourceStride_ + box.left, 0);
      __builtin_prefetch(targetPixels_ + y * targetStride_ + box.left, 1);
    }
  };
  EffectRect run = boxes[0];
  for (size_t i = 1; i < count; ++i) {
    if (Extend(run, boxes[i])) continue;
    if (i + kAhead < count) prefetch(boxes[i + kAhead]);
    CopyInPlace(run);
    run = boxes[i];
  }
  CopyInPlace(run);
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
  const int fromW = from.Width();
  const int fromH = from.Height();
  const int toW = to.Width();
  const int toH = to.Height();
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
