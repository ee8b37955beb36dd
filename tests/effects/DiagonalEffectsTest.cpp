#include <gtest/gtest.h>

#include "EffectTestSupport.h"

namespace lrw {
namespace {

using testing::EffectOrder;
using testing::OrderExample;

TEST(DiagonalEffectsTest, ExampleOrders) {
  const OrderExample examples[] = {
      {18, 4, 3, "1,1 2,1 1,2 3,1 2,2 1,3 4,1 3,2 2,3 4,2 3,3 4,3"},
      {19, 4, 3, "1,3 1,2 2,3 1,1 2,2 3,3 2,1 3,2 4,3 3,1 4,2 4,1"},
      {20, 4, 3, "4,1 3,1 4,2 2,1 3,2 4,3 1,1 2,2 3,3 1,2 2,3 1,3"},
      {21, 4, 3, "4,3 4,2 3,3 4,1 3,2 2,3 3,1 2,2 1,3 2,1 1,2 1,1"},
      {22, 4, 3,
       "1,1 4,3 2,1 1,2 4,2 3,3 3,1 2,2 1,3 4,1 3,2 2,3 4,1 3,2 2,3 3,1 2,2 1,3 4,2 3,3 2,1 1,2 "
       "4,3 1,1"},
      {24, 4, 3, "3,1 2,2 1,3 3,1 2,2 1,3 2,1 1,2 4,1 3,2 2,3 1,1 4,2 3,3 1,1 4,3"},
      {25, 4, 3, "1,1 2,2 3,3 1,1 2,2 3,3 1,2 2,3 2,1 3,2 4,3 1,3 3,1 4,2 1,3 4,1"},
      {25, 3, 4, "1,2 2,3 3,4 1,2 2,3 3,4 1,3 2,4 1,1 2,2 3,3 1,4 2,1 3,2 1,4 3,1"},
      {26, 6, 4,
       "1,1 6,4 6,1 1,4 2,1 1,2 6,3 5,4 5,1 6,2 1,3 2,4 3,1 2,2 6,2 5,3 4,4 4,1 5,2 6,3 1,2 2,3 "
       "3,4 3,2 5,2 4,3 3,4 3,1 4,2 5,3 6,4 2,2 3,3 4,4 3,2 4,2 3,3 3,2 4,3 5,4 3,2 4,3 5,4 3,2 "
       "3,2 3,2 4,3 5,4 4,2 5,3 6,4"},
      // One column.
      {19, 1, 3, "1,3 1,2 1,1"},
      {23, 1, 3, "1,1 1,3 1,2 1,2 1,3 1,1"},
      // Square: the start line runs through the top-right and bottom-left corners.
      {24, 3, 3, "3,1 2,2 1,3 3,1 2,2 1,3 2,1 1,2 3,2 2,3 1,1 3,3"},
  };
  for (const OrderExample& e : examples) {
    EXPECT_EQ(EffectOrder(e.effect, e.columns, e.rows), e.order)
        << "effect " << e.effect << " on " << e.columns << "x" << e.rows;
  }
}

TEST(DiagonalEffectsTest, SingleBoxGridCopiesTheBox) {
  for (int effect = 18; effect <= 26; ++effect) {
    const std::string order = EffectOrder(effect, 1, 1);
    ASSERT_FALSE(order.empty()) << effect;
    EXPECT_EQ(order.find_first_not_of("1, "), std::string::npos) << effect << ": " << order;
  }
}

}  // namespace
}  // namespace lrw
