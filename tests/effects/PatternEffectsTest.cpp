// The pattern effects, checked on grids of many shapes by the rule that defines each.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>
#include <vector>

#include "EffectTestSupport.h"

namespace lrw {
namespace {

using testing::Box;
using testing::OrderKey;

// Spray: the place of a box in its group of 3 x 3: the centre first, then the neighbours
// clockwise from the one above it.
int SprayRank(int c, int r) {
  const int dx = (c - 1) % 3 - 1;
  const int dy = (r - 1) % 3 - 1;  // down is positive
  if (dx == 0 && dy == 0) return 0;
  double angle = std::atan2(dx, -dy);  // 0 straight up, growing clockwise
  if (angle < 0) angle += 2 * std::numbers::pi;
  return 1 + static_cast<int>(std::lround(angle / (std::numbers::pi / 4)));
}

TEST(SpecialEffectsTest, PatternsCopyEachBoxOnceInTheirOrder) {
  // CheckerBoard: the boxes with c + r even, then the odd ones, each pass in reading order.
  testing::ExpectEachBoxOnceInOrderOf(36, [](int c, int r, int, int) {
    return OrderKey{(c + r) % 2, r, c};
  });
  // Spray: one pass per place in the groups, each pass column by column.
  testing::ExpectEachBoxOnceInOrderOf(38, [](int c, int r, int, int) {
    return OrderKey{SprayRank(c, r), c, r};
  });
  // Snakes: the odd rows (columns) forward, then the even ones back.
  testing::ExpectEachBoxOnceInOrderOf(40, [](int c, int r, int, int) {
    return OrderKey{1 - r % 2, r, r % 2 ? c : -c};
  });
  testing::ExpectEachBoxOnceInOrderOf(41, [](int c, int r, int, int) {
    return OrderKey{1 - c % 2, c, c % 2 ? r : -r};
  });
}

// Swirl In: ring by ring from the edge inward, each ring clockwise from its top-left corner.
// The ring of a box is how far it lies inside the edge.
OrderKey RingPlace(int c, int r, int columns, int rows) {
  const int ring = std::min({c - 1, r - 1, columns - c, rows - r});
  const int left = 1 + ring, top = 1 + ring, right = columns - ring, bottom = rows - ring;
  const int width = right - left, height = bottom - top;
  int along = 2 * width + height + (bottom - r);  // left side, upward
  if (r == top) {
    along = c - left;
  } else if (c == right) {
    along = width + (r - top);
  } else if (r == bottom) {
    along = width + height + (right - c);
  }
  return {ring, along, 0};
}

TEST(SpecialEffectsTest, SwirlReachesTheBoxesRingByRingClockwise) {
  for (const auto& [columns, rows] : testing::kGridShapes) {
    SCOPED_TRACE(::testing::Message() << columns << "x" << rows);
    std::set<Box> reached;
    std::vector<OrderKey> firstVisits;
    for (const Box& box : testing::BoxOrder(39, columns, rows)) {
      if (reached.insert(box).second) {
        firstVisits.push_back(RingPlace(box.first, box.second, columns, rows));
      }
    }
    EXPECT_TRUE(std::adjacent_find(firstVisits.begin(), firstVisits.end(),
                                   std::greater_equal<>()) == firstVisits.end());
    // It stops when its sides meet: on a grid of odd width and no more columns than rows, before
    // the innermost boxes of the middle column, which the finish copies.
    for (int c = 1; c <= columns; ++c) {
      for (int r = 1; r <= rows; ++r) {
        const bool leftOut = columns % 2 == 1 && columns <= rows && 2 * c == columns + 1 &&
                             RingPlace(c, r, columns, rows)[0] == c - 1;
        EXPECT_EQ(reached.count({c, r}) == 0, leftOut) << c << "," << r;
      }
    }
  }
}

TEST(SpecialEffectsTest, DripRunsEachBandDownFromTheTopAndStretchesTheLast) {
  EXPECT_EQ(testing::EffectOrder(37, 4, 3), "3->1 3->2 3->3 2->1 2->2 1->1");
  // Picture 6 x 4, d = 2: extent 7 x 5, strips 2 high except the last (1 high).
  const auto copies = ListEffectCopies(37, {0, 0, 6, 4}, 2);
  ASSERT_EQ(copies.size(), 6u);
  EXPECT_EQ(copies[0].from, (EffectRect{0, 4, 7, 5}));
  EXPECT_EQ(copies[0].to, (EffectRect{0, 0, 7, 2}));
  EXPECT_EQ(copies[5].from, (EffectRect{0, 0, 7, 2}));
  EXPECT_EQ(copies[5].to, copies[5].from);
}

}  // namespace
}  // namespace lrw
