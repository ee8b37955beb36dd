// Effects 27 to 33: the grid split into bands that fill at the same time in opposite
// directions. Where the bands do not add up to the grid, the finishing boxes of RunEffect
// cover the leftover edge.
#include "effects/EffectGrid.h"
#include "effects/EffectPlayer.h"

namespace lrw {

void PlayStripeEffect(int effect, EffectPlayer& p) {
  const int C = p.columns();
  const int R = p.rows();
  switch (effect) {
    case 27: {
      const int q = Nearest(C * 0.25);
      for (int r = 1; r <= R; ++r) {
        for (int j = 1; j <= q; ++j) {
          p.Box(j, r);
          p.Box(q + j, R + 1 - r);
          p.Box(2 * q + j, r);
          p.Box(3 * q + j, R + 1 - r);
        }
      }
      break;
    }
    case 28: {
      const int q = Nearest(R * 0.25);
      for (int c = 1; c <= C; ++c) {
        for (int j = 1; j <= q; ++j) {
          p.Box(c, j);
          p.Box(C + 1 - c, q + j);
          p.Box(c, 2 * q + j);
          p.Box(C + 1 - c, 3 * q + j);
        }
      }
      break;
    }
    case 29: {
      const int q = Nearest(C * 0.5);
      for (int r = 1; r <= R; ++r) {
        for (int j = 1; j <= q; ++j) {
          p.Box(j, r);
          p.Box(q + j, R + 1 - r);
        }
      }
      break;
    }
    case 30: {
      const int q = Nearest(R * 0.5);
      for (int c = 1; c <= C; ++c) {
        for (int j = 1; j <= q; ++j) {
          p.Box(c, j);
          p.Box(C + 1 - c, q + j);
        }
      }
      break;
    }
    case 31: {
      const int hc = Nearest(C * 0.5);
      const int hr = Nearest(R * 0.5);
      for (int k = 1; k <= hr + 1; ++k) {
        for (int j = 1; j <= hc; ++j) {
          p.Box(j, k);
          p.Box(j, hr + k);
          p.Box(hc + j, R + 1 - k - hr);
          p.Box(hc + j, R + 1 - k);
        }
      }
      break;
    }
    case 32: {
      const int t = Nearest(R / 3.0);
      const int hc = Nearest(C * 0.5);
      for (int k = 1; k <= hc; ++k) {
        for (int r = t; r <= 2 * t; ++r) {
          p.Box(hc + 1 - k, r);
          p.Box(hc + k, r);
        }
      }
      for (int k = 1; k <= t; ++k) {
        for (int c = 1; c <= C; ++c) {
          p.Box(c, t + 1 - k);
          p.Box(c, 2 * t + k);
        }
      }
      break;
    }
    case 33: {
      const int t = Nearest(R / 3.0);
      const int hc = Nearest(C * 0.5);
      for (int k = 1; k <= t; ++k) {
        for (int c = 1; c <= C; ++c) {
          p.Box(c, k);
          p.Box(c, R + 1 - k);
        }
      }
      for (int k = 1; k <= hc + 1; ++k) {
        for (int r = t; r <= 2 * t + 1; ++r) {
          p.Box(k, r);
          p.Box(C + 1 - k, r);
        }
      }
      break;
    }
    default:
      break;
  }
}

}  // namespace lrw
