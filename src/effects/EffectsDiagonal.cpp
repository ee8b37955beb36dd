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
  const int columns = p.Columns();
  const int rows = p.Rows();
  const int hc = Nearest(columns * 0.5);
  const int hr = Nearest(rows * 0.5);
  const int steps = std::max({hc + hr - 1, (rows - hr + 1) + (columns - hc),
                              (columns - hc + 1) + (hr - 1), (rows - hr + 1) + (hc - 1)});
  for (int i = 1; i <= steps; ++i) {
    p.AntiDiagonal(std::min(1 + i, hc + hr), 1, hc, 1, hr);
    p.AntiDiagonal(std::max(columns + rows + 1 - i, hc + hr), hc, columns, hr, rows);
    const int t3 = std::max(columns - i, hc - hr);
    if (t3 >= hc - 1) {
      p.DiagonalFrom(t3 + 1, 1);
    } else {
      p.DiagonalFrom(hc, hc - t3);
    }
    if (i <= rows - hr + 1) {
      p.DiagonalFrom(1, rows + 1 - i);
    } else {
      p.DiagonalFrom(std::min(i - (rows - hr), columns), hr);
    }
  }
}

// Effect 24: two fronts leave the anti-diagonal through box (m, 1), one toward the top-left
// corner and one toward the bottom-right; a front at its corner copies the corner again.
void AntiDiagonalsOut(EffectPlayer& p) {
  const int sum = p.Columns() + p.Rows();
  const int m = std::min(p.Columns(), p.Rows());
  const int steps = sum - m;
  for (int i = 1; i <= steps; ++i) {
    p.AntiDiagonal(std::max(m + 2 - i, 2));
    p.AntiDiagonal(std::min(m + i, sum));
  }
}

// Effect 25: two fronts leave diagonal C - m - 1, one toward the bottom-left corner and one
// toward the top-right; a front at its corner copies the corner again.
void DiagonalsOut(EffectPlayer& p) {
  const int columns = p.Columns();
  const int rows = p.Rows();
  const int t0 = columns - std::min(columns, rows) - 1;
  const int steps = std::max(t0 + rows, columns - t0);
  for (int i = 1; i <= steps; ++i) {
    p.Diagonal(std::max(t0 + 1 - i, 1 - rows));
    p.Diagonal(std::min(t0 - 1 + i, columns - 1));
  }
}

}  // namespace

void PlayDiagonalEffect(int effect, EffectPlayer& p) {
  const int columns = p.Columns();
  const int rows = p.Rows();
  switch (effect) {
    case 18:
      for (int s = 2; s <= columns + rows; ++s) p.AntiDiagonal(s);
      break;
    case 19:
      for (int t = 1 - rows; t <= columns - 1; ++t) p.Diagonal(t);
      break;
    case 20:
      for (int t = columns - 1; t >= 1 - rows; --t) p.Diagonal(t);
      break;
    case 21:
      for (int s = columns + rows; s >= 2; --s) p.AntiDiagonal(s);
      break;
    case 22:
      for (int i = 1; i <= columns + rows - 1; ++i) {
        p.AntiDiagonal(1 + i);
        p.AntiDiagonal(columns + rows + 1 - i);
      }
      break;
    case 23:
      for (int i = 1; i <= columns + rows - 1; ++i) {
        p.Diagonal(columns - i);
        p.Diagonal(i - rows);
      }
      break;
    case 24:
      AntiDiagonalsOut(p);
      break;
    case 25:
      DiagonalsOut(p);
      break;
    case 26:
      DiagonalQuad(p);
      break;
    default:
      break;
  }
}

}  // namespace lrw
