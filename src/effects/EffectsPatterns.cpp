// Effects 34 to 41: the random effects, the checkerboard, the drip, the spray, the swirl and
// the two snakes.
#include <array>
#include <utility>

#include "effects/EffectGrid.h"
#include "effects/EffectPlayer.h"
#include "effects/Random.h"
#include "effects/RemainingIndexSet.h"

namespace lrw {

namespace {

// Columns 1..C, then rows 1..R, drawn at random; each is copied whole.
void RandomLines(EffectPlayer& p) {
  const int columns = p.Columns();
  RemainingIndexSet entries(static_cast<uint32_t>(columns + p.Rows()));
  while (entries.Size() > 0) {
    const int entry = static_cast<int>(entries.TakeAt(RandomDraw(entries.Size())));
    if (entry < columns) {
      p.ColumnDown(entry + 1);
    } else {
      p.RowRight(entry - columns + 1);
    }
  }
}

// Every box once at random; the entries are made in column order.
void Dissolve(EffectPlayer& p) {
  const auto rows = static_cast<uint32_t>(p.Rows());
  RemainingIndexSet entries(static_cast<uint32_t>(p.Columns()) * rows);
  while (entries.Size() > 0) {
    const uint32_t entry = entries.TakeAt(RandomDraw(entries.Size()));
    p.Box(static_cast<int>(entry / rows) + 1, static_cast<int>(entry % rows) + 1);
  }
}

void CheckerBoard(EffectPlayer& p) {
  const int columns = p.Columns();
  const int rows = p.Rows();
  for (int pass = 0; pass < 2; ++pass) {
    for (int r = 1; r <= rows; ++r) {
      // First pass: c + r even; second pass: c + r odd.
      const int first = ((r + pass) % 2 == 0) ? 2 : 1;
      for (int c = first; c <= columns; c += 2) p.Box(c, r);
    }
  }
}

void ScreenDrip(EffectPlayer& p) {
  for (int n = p.Rows(); n >= 1; --n) {
    for (int k = 1; k <= n; ++k) p.Strip(n, k);
  }
}

void Spray(EffectPlayer& p) {
  // The centre of each 3 x 3 group first, then its neighbours clockwise from the top.
  static constexpr std::array<std::pair<int, int>, 9> kOffsets = {
      {{2, 2}, {2, 1}, {3, 1}, {3, 2}, {3, 3}, {2, 3}, {1, 3}, {1, 2}, {1, 1}}};
  for (const auto& [a, b] : kOffsets) {
    for (int c = a; c <= p.Columns(); c += 3) {
      for (int r = b; r <= p.Rows(); r += 3) p.Box(c, r);
    }
  }
}

void SwirlIn(EffectPlayer& p) {
  int left = 1;
  int top = 1;
  int right = p.Columns();
  int bottom = p.Rows();
  if (!(1 < right)) return;
  do {
    for (int c = left; c <= right; ++c) p.Box(c, top);
    if (top <= bottom) {
      for (int r = top; r <= bottom; ++r) p.Box(right, r);
    }
    for (int c = right; c >= left; --c) p.Box(c, bottom);
    if (top <= bottom) {
      for (int r = bottom; r >= top; --r) p.Box(left, r);
    }
    ++left;
    ++top;
    --right;
    --bottom;
  } while (left < right);
}

// Effects 40 and 41: the odd lines forward, then the even lines back.
void Snake(EffectPlayer& p, bool horizontal) {
  if (horizontal) {
    for (int r = 1; r <= p.Rows(); r += 2) p.RowRight(r);
    for (int r = 2; r <= p.Rows(); r += 2) p.RowLeft(r);
  } else {
    for (int c = 1; c <= p.Columns(); c += 2) p.ColumnDown(c);
    for (int c = 2; c <= p.Columns(); c += 2) p.ColumnUp(c);
  }
}

}  // namespace

void PlaySpecialEffect(int effect, EffectPlayer& p) {
  switch (effect) {
    case 34:
      RandomLines(p);
      break;
    case 35:
      Dissolve(p);
      break;
    case 36:
      CheckerBoard(p);
      break;
    case 37:
      ScreenDrip(p);
      break;
    case 38:
      Spray(p);
      break;
    case 39:
      SwirlIn(p);
      break;
    case 40:
    case 41:
      Snake(p, effect == 40);
      break;
    default:
      break;
  }
}

}  // namespace lrw
