// Effects 27 to 33: the grid split into bands that fill at the same time in opposite
// directions. Where the bands do not add up to the grid, the finishing boxes of RunEffect
// cover the leftover edge.
#include "effects/EffectGrid.h"
#include "effects/EffectPlayer.h"

namespace lrw {

namespace {

// Effects 27 and 29: `bands` columns of boxes side by side, the first filling downward, the
// next upward, and so on, all at once.
void VerticalStripes(EffectPlayer& p, int bands) {
  const int rows = p.Rows();
  const int width = Nearest(p.Columns() / static_cast<double>(bands));
  for (int r = 1; r <= rows; ++r) {
    for (int j = 1; j <= width; ++j) {
      for (int band = 0; band < bands; ++band) {
        p.Box(band * width + j, band % 2 == 0 ? r : rows + 1 - r);
      }
    }
  }
}

// Effects 28 and 30: `bands` rows of boxes, the first filling rightward, the next leftward,
// and so on, all at once.
void HorizontalStripes(EffectPlayer& p, int bands) {
  const int columns = p.Columns();
  const int height = Nearest(p.Rows() / static_cast<double>(bands));
  for (int c = 1; c <= columns; ++c) {
    for (int j = 1; j <= height; ++j) {
      for (int band = 0; band < bands; ++band) {
        p.Box(band % 2 == 0 ? c : columns + 1 - c, band * height + j);
      }
    }
  }
}

// Effect 31: the two left quarters fill downward and the two right quarters upward.
void Kaleidoscope(EffectPlayer& p) {
  const int rows = p.Rows();
  const int hc = Nearest(p.Columns() * 0.5);
  const int hr = Nearest(rows * 0.5);
  for (int k = 1; k <= hr + 1; ++k) {
    for (int j = 1; j <= hc; ++j) {
      p.Box(j, k);
      p.Box(j, hr + k);
      p.Box(hc + j, rows + 1 - k - hr);
      p.Box(hc + j, rows + 1 - k);
    }
  }
}

// Effect 32: the middle band opens from the centre columns to both sides, then the top band
// fills upward and the bottom band downward from it.
void DoubleWipeOut(EffectPlayer& p) {
  const int columns = p.Columns();
  const int t = Nearest(p.Rows() / 3.0);
  const int hc = Nearest(columns * 0.5);
  for (int k = 1; k <= hc; ++k) {
    for (int r = t; r <= 2 * t; ++r) {
      p.Box(hc + 1 - k, r);
      p.Box(hc + k, r);
    }
  }
  for (int k = 1; k <= t; ++k) {
    for (int c = 1; c <= columns; ++c) {
      p.Box(c, t + 1 - k);
      p.Box(c, 2 * t + k);
    }
  }
}

// Effect 33: the top and bottom bands close in from the edges, then the middle band from both
// sides.
void DoubleWipeIn(EffectPlayer& p) {
  const int columns = p.Columns();
  const int rows = p.Rows();
  const int t = Nearest(rows / 3.0);
  const int hc = Nearest(columns * 0.5);
  for (int k = 1; k <= t; ++k) {
    for (int c = 1; c <= columns; ++c) {
      p.Box(c, k);
      p.Box(c, rows + 1 - k);
    }
  }
  for (int k = 1; k <= hc + 1; ++k) {
    for (int r = t; r <= 2 * t + 1; ++r) {
      p.Box(k, r);
      p.Box(columns + 1 - k, r);
    }
  }
}

}  // namespace

void PlayStripeEffect(int effect, EffectPlayer& p) {
  switch (effect) {
    case 27:
      VerticalStripes(p, 4);
      break;
    case 28:
      HorizontalStripes(p, 4);
      break;
    case 29:
      VerticalStripes(p, 2);
      break;
    case 30:
      HorizontalStripes(p, 2);
      break;
    case 31:
      Kaleidoscope(p);
      break;
    case 32:
      DoubleWipeOut(p);
      break;
    case 33:
      DoubleWipeIn(p);
      break;
    default:
      break;
  }
}

}  // namespace lrw
