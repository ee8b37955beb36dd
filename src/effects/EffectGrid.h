// The grid of boxes that every effect works on, and the rounding rule for its halves,
// quarters and thirds.
#pragma once

#include <cstdint>

#include "effects/RunEffect.h"

namespace lrw {

// The integer nearest to x; an exact half goes to the even neighbour (4.5 -> 4, 5.5 -> 6).
int Nearest(double x);

// C columns by R rows of boxes of size d over the extent, which is one pixel larger than the
// source's clipping rectangle in each direction. The extent is an unsigned 16-bit value.
struct EffectGrid {
  EffectRect clip;
  int extentWidth = 0;   // W'
  int extentHeight = 0;  // H'
  int boxSize = 2;       // d
  int columns = 0;       // C
  int rows = 0;          // R

  static EffectGrid FromClip(const EffectRect& clip, uint8_t d);

  bool Contains(int c, int r) const { return c >= 1 && c <= columns && r >= 1 && r <= rows; }
  // Box (c, r), 1-based.
  EffectRect Box(int c, int r) const {
    const int left = (c - 1) * boxSize;
    const int top = (r - 1) * boxSize;
    return {left, top, Min(left + boxSize, extentWidth), Min(top + boxSize, extentHeight)};
  }
  EffectRect HorizontalLine(int y) const { return {0, y, extentWidth, y + 1}; }
  EffectRect VerticalLine(int x) const { return {x, 0, x + 1, extentHeight}; }
  // The full-width band of box row n, 1-based.
  EffectRect Strip(int n) const {
    const int top = (n - 1) * boxSize;
    return {0, top, extentWidth, Min(top + boxSize, extentHeight)};
  }

 private:
  static int Min(int a, int b) { return a < b ? a : b; }
};

}  // namespace lrw
