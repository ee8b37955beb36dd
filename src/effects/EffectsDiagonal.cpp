// Effects 18 to 26: slanted lines of boxes sweeping across the grid.
#include <algorithm>

#include "effects/EffectGrid.h"
#include "effects/EffectPlayer.h"

namespace lrw {

namespace {

// Four fronts from the corners toward the centre box (hc, hr). On a single row or column the
// half counts can be 0; the fronts then name positions outside the grid, which are skipped,
// and the finishing boxes cover whatever they miss.
void DiagonalQuad(EffectPlayer& p) {
  const int C = p.columns();
  const int R = p.rows();
  const int hc = Nearest(C * 0.5);
  const int hr = Nearest(R * 0.5);
  const int steps = std::max(
      {hc + hr - 1, (R - hr + 1) + (C - hc), (C - hc + 1) + (hr - 1), (R - hr + 1) + (hc - 1)});
  for (int i = 1; i <= steps; ++i) {
    p.AntiDiagonal(std::min(1 + i, hc + hr), 1, hc, 1, hr);
    p.AntiDiagonal(std::max(C + R + 1 - i, hc + hr), hc, C, hr, R);
    const int t3 = std::max(C - i, hc - hr);
    if (t3 >= hc - 1) {
      p.DiagonalFrom(t3 + 1, 1);
    } else {
      p.DiagonalFrom(hc, hc - t3);
    }
    if (i <= R - hr + 1) {
      p.DiagonalFrom(1, R + 1 - i);
    } else {
      p.DiagonalFrom(std::min(i - (R - hr), C), hr);
    }
  }
}

}  // namespace

void PlayDiagonalEffect(int effect, EffectPlayer& p) {
  const int C = p.columns();
  const int R = p.rows();
  switch (effect) {
    case 18:
      for (int s = 2; s <= C + R; ++s) p.AntiDiagonal(s);
      break;
    case 19:
      for (int t = 1 - R; t <= C - 1; ++t) p.Diagonal(t);
      break;
    case 20:
      for (int t = C - 1; t >= 1 - R; --t) p.Diagonal(t);
      break;
    case 21:
      for (int s = C + R; s >= 2; --s) p.AntiDiagonal(s);
      break;
    case 22:
      for (int i = 1; i <= C + R - 1; ++i) {
        p.AntiDiagonal(1 + i);
        p.AntiDiagonal(C + R + 1 - i);
      }
      break;
    case 23:
      for (int i = 1; i <= C + R - 1; ++i) {
        p.Diagonal(C - i);
        p.Diagonal(i - R);
      }
      break;
    case 24: {
      const int m = std::min(C, R);
      const int steps = C + R - m;
      for (int i = 1; i <= steps; ++i) {
        p.AntiDiagonal(std::max(m + 2 - i, 2));
        p.AntiDiagonal(std::min(m + i, C + R));
      }
      break;
    }
    case 25: {
      const int m = std::min(C, R);
      const int t0 = C - m - 1;
      const int steps = std::max(t0 + R, C - t0);
      for (int i = 1; i <= steps; ++i) {
        p.Diagonal(std::max(t0 + 1 - i, 1 - R));
        p.Diagonal(std::min(t0 - 1 + i, C - 1));
      }
      break;
    }
    case 26:
      DiagonalQuad(p);
      break;
    default:
      break;
  }
}

}  // namespace lrw
