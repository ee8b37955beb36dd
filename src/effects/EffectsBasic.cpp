// Effects 0 to 17: the sweeps, wipes, interlaces, double passes and blinds.
#include "effects/EffectGrid.h"
#include "effects/EffectPlayer.h"

namespace lrw {

namespace {

void Interlace(EffectPlayer& p, bool horizontal) {
  const int C = p.columns();
  const int R = p.rows();
  if (horizontal) {
    for (int k = 1; k <= C; ++k) {
      for (int r = 1; r <= R; r += 2) {
        p.Box(k, r);
        if (r < R) p.Box(C + 1 - k, r + 1);
      }
    }
  } else {
    for (int k = 1; k <= R; ++k) {
      for (int c = 1; c <= C; c += 2) {
        p.Box(c, k);
        if (c < C) p.Box(c + 1, R + 1 - k);
      }
    }
  }
}

// Effects 15 to 17: d passes of one-pixel lines d apart. The line counts run one past the
// extent, as the passes always have; those lines lie outside the picture.
void Blind(EffectPlayer& p, bool horizontalLines, bool verticalLines) {
  const EffectGrid& g = p.grid();
  const int d = g.boxSize;
  for (int k = 1; k <= d; ++k) {
    if (horizontalLines && verticalLines) {
      for (int v = k - 1; v <= g.extentHeight || v <= g.extentWidth; v += d) {
        p.VerticalLine(v);
        p.HorizontalLine(v);
      }
    } else if (horizontalLines) {
      for (int y = k - 1; y <= g.extentHeight; y += d) p.HorizontalLine(y);
    } else {
      for (int x = k - 1; x <= g.extentWidth; x += d) p.VerticalLine(x);
    }
  }
}

}  // namespace

void PlayBasicEffect(int effect, EffectPlayer& p) {
  const int C = p.columns();
  const int R = p.rows();
  switch (effect) {
    case 0:
      p.Whole();
      break;
    case 1:
      for (int c = 1; c <= C; ++c) p.ColumnDown(c);
      break;
    case 2:
      for (int c = C; c >= 1; --c) p.ColumnDown(c);
      break;
    case 3:
      for (int r = 1; r <= R; ++r) p.RowRight(r);
      break;
    case 4:
      for (int r = R; r >= 1; --r) p.RowRight(r);
      break;
    case 5: {
      const int h = Nearest(C * 0.5);
      for (int k = 0; k <= h; ++k) {
        p.ColumnDown(k + 1);
        p.ColumnDown(C - k);
      }
      break;
    }
    case 6: {
      const int h = Nearest(C * 0.5);
      for (int k = h; k <= C; ++k) {
        p.ColumnDown(k);
        if (C - k >= 1) p.ColumnDown(C - k);
      }
      break;
    }
    case 7: {
      const int h = Nearest(R * 0.5);
      for (int k = 0; k <= h; ++k) {
        p.RowRight(k + 1);
        p.RowRight(R - k);
      }
      break;
    }
    case 8: {
      const int h = Nearest(R * 0.5);
      for (int k = h; k <= R; ++k) {
        p.RowRight(k);
        if (R - k >= 1) p.RowRight(R - k);
      }
      break;
    }
    case 9:
      Interlace(p, true);
      break;
    case 10:
      Interlace(p, false);
      break;
    case 11:
      for (int pass = 1; pass <= 2; ++pass) {
        for (int c = 1; c <= C; ++c) {
          for (int r = pass; r <= R; r += 2) p.Box(c, r);
        }
      }
      break;
    case 12:
      for (int pass = 1; pass <= 2; ++pass) {
        for (int r = 1; r <= R; ++r) {
          for (int c = pass; c <= C; c += 2) p.Box(c, r);
        }
      }
      break;
    case 13:
      for (int c = 1; c <= C; ++c) {
        for (int r = 1; r <= R; r += 2) p.Box(c, r);
      }
      for (int c = C; c >= 1; --c) {
        for (int r = 2; r <= R; r += 2) p.Box(c, r);
      }
      break;
    case 14:
      for (int r = 1; r <= R; ++r) {
        for (int c = 1; c <= C; c += 2) p.Box(c, r);
      }
      for (int r = R; r >= 1; --r) {
        for (int c = 2; c <= C; c += 2) p.Box(c, r);
      }
      break;
    case 15:
      Blind(p, true, false);
      break;
    case 16:
      Blind(p, false, true);
      break;
    case 17:
      Blind(p, true, true);
      break;
    default:
      break;
  }
}

}  // namespace lrw
