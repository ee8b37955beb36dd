#include "effects/EffectGrid.h"

#include <cmath>

namespace lrw {

int Nearest(double x) {
  const double below = std::floor(x);
  const double fraction = x - below;
  int n = static_cast<int>(below);
  if (fraction > 0.5 || (fraction == 0.5 && n % 2 != 0)) ++n;
  return n;
}

EffectGrid EffectGrid::FromClip(const EffectRect& clip, uint8_t d) {
  EffectGrid grid;
  grid.clip = clip;
  grid.boxSize = d < kSmallestBoxWidth ? kSmallestBoxWidth : d;
  // The extent and the counts are 16-bit quantities; very large pictures wrap.
  grid.extentWidth = static_cast<uint16_t>(clip.right - clip.left + 1);
  grid.extentHeight = static_cast<uint16_t>(clip.bottom - clip.top + 1);
  grid.columns = static_cast<uint16_t>((grid.extentWidth + grid.boxSize - 1) / grid.boxSize);
  grid.rows = static_cast<uint16_t>((grid.extentHeight + grid.boxSize - 1) / grid.boxSize);
  return grid;
}

}  // namespace lrw
