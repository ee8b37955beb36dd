#include <gtest/gtest.h>

#include "EffectTestSupport.h"

namespace lrw {
namespace {

using testing::EffectOrder;
using testing::OrderExample;

TEST(SpecialEffectsTest, ExampleOrders) {
  const OrderExample examples[] = {
      {36, 4, 3, "1,1 3,1 2,2 4,2 1,3 3,3 2,1 4,1 1,2 3,2 2,3 4,3"},
      {37, 4, 3, "3->1 3->2 3->3 2->1 2->2 1->1"},
      {38, 4, 4, "2,2 2,1 2,4 3,1 3,4 3,2 3,3 2,3 1,3 4,3 1,2 4,2 1,1 1,4 4,1 4,4"},
      {39, 5, 4,
       "1,1 2,1 3,1 4,1 5,1 5,1 5,2 5,3 5,4 5,4 4,4 3,4 2,4 1,4 1,4 1,3 1,2 1,1 2,2 3,2 4,2 4,2 "
       "4,3 4,3 3,3 2,3 2,3 2,2"},
      {40, 3, 3, "1,1 2,1 3,1 1,3 2,3 3,3 3,2 2,2 1,2"},
      {41, 3, 3, "1,1 1,2 1,3 3,1 3,2 3,3 2,3 2,2 2,1"},
      // A single column fails the swirl's entry test.
      {39, 1, 3, ""},
  };
  for (const OrderExample& e : examples) {
    EXPECT_EQ(EffectOrder(e.effect, e.columns, e.rows), e.order)
        << "effect " << e.effect << " on " << e.columns << "x" << e.rows;
  }
}

TEST(SpecialEffectsTest, SwirlLeavesTheCentreOfAnOddSquareToTheFinish) {
  EXPECT_EQ(EffectOrder(39, 3, 3), "1,1 2,1 3,1 3,1 3,2 3,3 3,3 2,3 1,3 1,3 1,2 1,1");
  EXPECT_EQ(testing::CompletedOrder(39, 3, 3), EffectOrder(39, 3, 3) + " 2,2");
}

TEST(SpecialEffectsTest, DripStripsAreFullWidthBandsAndTheLastIsStretched) {
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
