#include <gtest/gtest.h>

#include "EffectTestSupport.h"

namespace lrw {
namespace {

using testing::CompletedOrder;
using testing::EffectOrder;
using testing::OrderExample;

TEST(StripeEffectsTest, ExampleOrders) {
  const OrderExample examples[] = {
      {27, 8, 3,
       "1,1 3,3 5,1 7,3 2,1 4,3 6,1 8,3 1,2 3,2 5,2 7,2 2,2 4,2 6,2 8,2 1,3 3,1 5,3 7,1 2,3 4,1 "
       "6,3 8,1"},
      {28, 3, 4, "1,1 3,2 1,3 3,4 2,1 2,2 2,3 2,4 3,1 1,2 3,3 1,4"},
      {29, 4, 3, "1,1 3,3 2,1 4,3 1,2 3,2 2,2 4,2 1,3 3,1 2,3 4,1"},
      {30, 2, 4, "1,1 2,3 1,2 2,4 2,1 1,3 2,2 1,4"},
      {31, 4, 4, "1,1 1,3 3,2 3,4 2,1 2,3 4,2 4,4 1,2 1,4 3,1 3,3 2,2 2,4 4,1 4,3 1,3 3,2 2,3 4,2"},
      {32, 4, 6,
       "2,2 3,2 2,3 3,3 2,4 3,4 1,2 4,2 1,3 4,3 1,4 4,4 1,2 1,5 2,2 2,5 3,2 3,5 4,2 4,5 1,1 1,6 "
       "2,1 2,6 3,1 3,6 4,1 4,6"},
      {33, 2, 3, "1,1 1,3 2,1 2,3 1,1 2,1 1,2 2,2 1,3 2,3 2,1 1,1 2,2 1,2 2,3 1,3"},
  };
  for (const OrderExample& e : examples) {
    EXPECT_EQ(EffectOrder(e.effect, e.columns, e.rows), e.order)
        << "effect " << e.effect << " on " << e.columns << "x" << e.rows;
  }
}

// Where the bands do not add up to the grid, the leftover boxes follow in row order.
TEST(StripeEffectsTest, LeftoverBoxesAreFinishedInRowOrder) {
  struct Case {
    int effect, columns, rows;
    const char* appended;
  };
  const Case cases[] = {
      // q = Nearest(5 / 4) = 1: column 5 is left over.
      {27, 5, 2, "5,1 5,2"},
      // q = Nearest(3 / 2) = 2 covers all; q = Nearest(5 / 2) = 2 leaves column 5.
      {29, 3, 2, ""},
      {29, 5, 2, "5,1 5,2"},
      // q = Nearest(5 / 4) = 1: row 5 is left over.
      {28, 2, 5, "1,5 2,5"},
      // t = Nearest(4 / 3) = 1: the bands reach rows 1..3 only.
      {32, 3, 4, "1,4 2,4 3,4"},
      // hc = Nearest(5 / 2) = 2: the middle band stops at column 4.
      {32, 5, 3, "5,2"},
  };
  for (const Case& c : cases) {
    const std::string own = EffectOrder(c.effect, c.columns, c.rows);
    const std::string all = CompletedOrder(c.effect, c.columns, c.rows);
    const std::string expected = std::string(c.appended).empty() ? own : own + " " + c.appended;
    EXPECT_EQ(all, expected) << "effect " << c.effect;
  }
}

}  // namespace
}  // namespace lrw
