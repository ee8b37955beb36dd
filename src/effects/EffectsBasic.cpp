// Effects 0 to 17: the sweeps, wipes, interlaces, double passes and blinds.
#include "effects/EffectGrid.h"
#include "effects/EffectPlayer.h"

namespace lrw {

namespace {

// A whole column downward (horizontal movements) or a whole row rightward (vertical ones).
void WholeLine(EffectPlayer& p, bool horizontal, int k) {
  if (horizontal) {
    p.ColumnDown(k);
  } else {
    p.RowRight(k);
  }
}

// Effects 1 to 4: one line after the other, from one edge to the opposite one.
void Sweep(EffectPlayer& p, bool horizontal, bool forward) {
  const int count = horizontal ? p.Columns() : p.Rows();
  for (int i = 1; i <= count; ++i) WholeLine(p, horizontal, forward ? i : count + 1 - i);
}

// Effects 5 and 7: a line from each edge at a time, in to the middle.
void WipeIn(EffectPlayer& p, bool horizontal) {
  const int count = horizontal ? p.Columns() : p.Rows();
  const int half = Nearest(count * 0.5);
  for (int k = 0; k <= half; ++k) {
    WholeLine(p, horizontal, k + 1);
    WholeLine(p, horizontal, count - k);
  }
}

// Effects 6 and 8: from the middle line out to both edges.
void WipeOut(EffectPlayer& p, bool horizontal) {
  const int count = horizontal ? p.Columns() : p.Rows();
  const int half = Nearest(count * 0.5);
  for (int k = half; k <= count; ++k) {
    WholeLine(p, horizontal, k);
    if (count - k >= 1) WholeLine(p, horizontal, count - k);
  }
}

// Effects 9 and 10: the odd lines run forward while the even ones run back.
void Interlace(EffectPlayer& p, bool horizontal) {
  const int columns = p.Columns();
  const int rows = p.Rows();
  if (horizontal) {
    for (int k = 1; k <= columns; ++k) {
      for (int r = 1; r <= rows; r += 2) {
        p.Box(k, r);
        if (r < rows) p.Box(columns + 1 - k, r + 1);
      }
    }
  } else {
    for (int k = 1; k <= rows; ++k) {
      for (int c = 1; c <= columns; c += 2) {
        p.Box(c, k);
        if (c < columns) p.Box(c + 1, rows + 1 - k);
      }
    }
  }
}

// Effects 11 and 12: two passes in the same direction, the odd lines first, then the even.
void DoublePass(EffectPlayer& p, bool horizontal) {
  const int columns = p.Columns();
  const int rows = p.Rows();
  for (int pass = 1; pass <= 2; ++pass) {
    if (horizontal) {
      for (int c = 1; c <= columns; ++c) {
        for (int r = pass; r <= rows; r += 2) p.Box(c, r);
      }
    } else {
      for (int r = 1; r <= rows; ++r) {
        for (int c = pass; c <= columns; c += 2) p.Box(c, r);
      }
    }
  }
}

// Effects 13 and 14: the odd lines forward, then the even lines back.
void DoublePassBack(EffectPlayer& p, bool horizontal) {
  const int columns = p.Columns();
  const int rows = p.Rows();
  if (horizontal) {
    for (int c = 1; c <= columns; ++c) {
      for (int r = 1; r <= rows; r += 2) p.Box(c, r);
    }
    for (int c = columns; c >= 1; --c) {
      for (int r = 2; r <= rows; r += 2) p.Box(c, r);
    }
  } else {
    for (int r = 1; r <= rows; ++r) {
      for (int c = 1; c <= columns; c += 2) p.Box(c, r);
    }
    for (int r = rows; r >= 1; --r) {
      for (int c = 2; c <= columns; c += 2) p.Box(c, r);
    }
  }
}

// Effects 15 to 17: d passes of one-pixel lines d apart. The line counts run one past the
// extent, as the passes always have; those lines lie outside the picture.
void Blind(EffectPlayer& p, bool horizontalLines, bool verticalLines) {
  const EffectGrid& g = p.Grid();
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
  switch (effect) {
    case 0:
      p.Whole();
      break;
    case 1:
    case 2:
      Sweep(p, true, effect == 1);
      break;
    case 3:
    case 4:
      Sweep(p, false, effect == 3);
      break;
    case 5:
    case 7:
      WipeIn(p, effect == 5);
      break;
    case 6:
    case 8:
      WipeOut(p, effect == 6);
      break;
    case 9:
    case 10:
      Interlace(p, effect == 9);
      break;
    case 11:
    case 12:
      DoublePass(p, effect == 11);
      break;
    case 13:
    case 14:
      DoublePassBack(p, effect == 13);
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
