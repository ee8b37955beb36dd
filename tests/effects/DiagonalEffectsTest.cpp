// The diagonal effects, checked on grids of many shapes by what defines them: slanted lines of
// boxes (anti-diagonals of equal c + r, diagonals of equal c - r), each copied from its upper
// end, reached line by line by fronts that start in the corners.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "EffectTestSupport.h"
#include "effects/EffectGrid.h"

namespace lrw {
namespace {

using testing::Box;
using testing::BoxOrder;
using testing::kGridShapes;
using testing::OrderKey;

enum class Slant { Anti, Down };  // c + r constant (down to the left), c - r constant

// Line `key` of the slant inside the given columns and rows, from its upper end.
std::vector<Box> Line(Slant slant, int key, int minColumn, int maxColumn, int minRow, int maxRow) {
  std::vector<Box> line;
  for (int r = minRow; r <= maxRow; ++r) {
    const int c = slant == Slant::Anti ? key - r : key + r;
    if (c >= minColumn && c <= maxColumn) line.emplace_back(c, r);
  }
  return line;
}

// A front starts on line `from` and moves one line a step in `direction` (+1 or -1) until it
// reaches line `end`, where it stays.
struct Front {
  int from, end, direction;
  int LineAt(int step) const {
    const int line = from + direction * (step - 1);
    return direction > 0 ? std::min(line, end) : std::max(line, end);
  }
  int Arrival() const { return direction * (end - from) + 1; }
};

// Each step copies one whole line of every front, in turn, until the last front has arrived.
std::vector<Box> FrontsOrder(Slant slant, int columns, int rows, std::vector<Front> fronts) {
  int steps = 1;
  for (const Front& front : fronts) steps = std::max(steps, front.Arrival());
  std::vector<Box> order;
  for (int i = 1; i <= steps; ++i) {
    for (const Front& front : fronts) {
      const std::vector<Box> line = Line(slant, front.LineAt(i), 1, columns, 1, rows);
      order.insert(order.end(), line.begin(), line.end());
    }
  }
  return order;
}

// Effect 26: fronts from the four corners toward the centre box (hc, hr). The top-left and
// bottom-right fronts are anti-diagonals of their quarters; the other two are diagonals that
// run from a start point to the edge of the grid, the top-right one's start moving along the
// top row and down column hc to the centre, the bottom-left one's up the left column and along
// row hr. The effect ends when every front has reached the centre.
std::vector<Box> QuadOrder(int columns, int rows) {
  const int hc = Nearest(columns * 0.5);
  const int hr = Nearest(rows * 0.5);
  std::vector<Box> topRight, bottomLeft;
  for (int c = columns; c >= hc; --c) topRight.emplace_back(c, 1);
  for (int r = 2; r <= hr; ++r) topRight.emplace_back(hc, r);
  for (int r = rows; r >= hr; --r) bottomLeft.emplace_back(1, r);
  for (int c = 2; c <= columns; ++c) bottomLeft.emplace_back(c, hr);
  const int bottomLeftArrival = (rows - hr + 1) + (hc - 1);
  const int steps = std::max({hc + hr - 1, columns + rows - (hc + hr) + 1,
                              static_cast<int>(topRight.size()), bottomLeftArrival});
  std::vector<Box> order;
  const auto add = [&](const std::vector<Box>& line) {
    order.insert(order.end(), line.begin(), line.end());
  };
  const auto toEdge = [&](const std::vector<Box>& starts, int i) {
    const auto [c, r] = starts[std::min<size_t>(i, starts.size()) - 1];
    return Line(Slant::Down, c - r, c, columns, r, rows);
  };
  for (int i = 1; i <= steps; ++i) {
    add(Line(Slant::Anti, std::min(1 + i, hc + hr), 1, hc, 1, hr));
    add(Line(Slant::Anti, std::max(columns + rows + 1 - i, hc + hr), hc, columns, hr, rows));
    add(toEdge(topRight, i));
    add(toEdge(bottomLeft, i));
  }
  return order;
}

TEST(DiagonalEffectsTest, SweepsReachEachBoxOnceLineByLineFromTheirCorner) {
  // Row increasing within a line: every line is copied from its upper end.
  testing::ExpectEachBoxOnceInOrderOf(18, [](int c, int r, int, int) {
    return OrderKey{c + r, r};  // from the top-left corner
  });
  testing::ExpectEachBoxOnceInOrderOf(19, [](int c, int r, int, int) {
    return OrderKey{c - r, r};  // from the bottom-left corner
  });
  testing::ExpectEachBoxOnceInOrderOf(20, [](int c, int r, int, int) {
    return OrderKey{r - c, r};  // from the top-right corner
  });
  testing::ExpectEachBoxOnceInOrderOf(21, [](int c, int r, int, int) {
    return OrderKey{-(c + r), r};  // from the bottom-right corner
  });
}

TEST(DiagonalEffectsTest, TwoFrontsCopyALineEachAStepUntilBothReachTheirCorners) {
  for (const auto& [c, r] : kGridShapes) {
    SCOPED_TRACE(::testing::Message() << c << "x" << r);
    const int m = std::min(c, r);
    // From opposite corners, each front running on to the far corner.
    EXPECT_EQ(BoxOrder(22, c, r), FrontsOrder(Slant::Anti, c, r, {{2, c + r, 1}, {c + r, 2, -1}}));
    EXPECT_EQ(BoxOrder(23, c, r),
              FrontsOrder(Slant::Down, c, r, {{c - 1, 1 - r, -1}, {1 - r, c - 1, 1}}));
    // Out from the anti-diagonal through box (m, 1) to the top-left and bottom-right corners.
    EXPECT_EQ(BoxOrder(24, c, r),
              FrontsOrder(Slant::Anti, c, r, {{m + 1, 2, -1}, {m + 1, c + r, 1}}));
    // Out from diagonal c - m - 1 to the bottom-left and top-right corners.
    EXPECT_EQ(BoxOrder(25, c, r),
              FrontsOrder(Slant::Down, c, r, {{c - m - 1, 1 - r, -1}, {c - m - 1, c - 1, 1}}));
    // A single row or column has no quarters; the finishing boxes cover it.
    if (c > 1 && r > 1) {
      EXPECT_EQ(BoxOrder(26, c, r), QuadOrder(c, r));
    }
  }
}

}  // namespace
}  // namespace lrw
