#include <gtest/gtest.h>

#include "EffectTestSupport.h"

namespace lrw {
namespace {

using testing::EffectOrder;
using testing::OrderExample;

TEST(BasicEffectsTest, ExampleOrders) {
  const OrderExample examples[] = {
      {1, 2, 2, "1,1 1,2 2,1 2,2"},
      {2, 2, 2, "2,1 2,2 1,1 1,2"},
      {3, 2, 2, "1,1 2,1 1,2 2,2"},
      {4, 2, 2, "1,2 2,2 1,1 2,1"},
      {5, 4, 3, "1,1 1,2 1,3 4,1 4,2 4,3 2,1 2,2 2,3 3,1 3,2 3,3 3,1 3,2 3,3 2,1 2,2 2,3"},
      {6, 4, 3, "2,1 2,2 2,3 2,1 2,2 2,3 3,1 3,2 3,3 1,1 1,2 1,3 4,1 4,2 4,3"},
      {8, 3, 4, "1,2 2,2 3,2 1,2 2,2 3,2 1,3 2,3 3,3 1,1 2,1 3,1 1,4 2,4 3,4"},
      {9, 4, 3, "1,1 4,2 1,3 2,1 3,2 2,3 3,1 2,2 3,3 4,1 1,2 4,3"},
      {10, 4, 3, "1,1 2,3 3,1 4,3 1,2 2,2 3,2 4,2 1,3 2,1 3,3 4,1"},
      {11, 2, 3, "1,1 1,3 2,1 2,3 1,2 2,2"},
      {12, 3, 2, "1,1 3,1 1,2 3,2 2,1 2,2"},
      {13, 4, 3, "1,1 1,3 2,1 2,3 3,1 3,3 4,1 4,3 4,2 3,2 2,2 1,2"},
      {14, 4, 3, "1,1 3,1 1,2 3,2 1,3 3,3 2,3 4,3 2,2 4,2 2,1 4,1"},
      // One column: the first step names column 0, which is skipped.
      {6, 1, 2, "1,1 1,2 1,1 1,2"},
      {0, 4, 3, "whole"},
  };
  for (const OrderExample& e : examples) {
    EXPECT_EQ(EffectOrder(e.effect, e.columns, e.rows), e.order)
        << "effect " << e.effect << " on " << e.columns << "x" << e.rows;
  }
}

TEST(BasicEffectsTest, NoEffectCopiesThePictureBoundsOnce) {
  const auto copies = ListEffectCopies(0, {0, 0, 640, 480}, 5);
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(copies[0].from, (EffectRect{0, 0, 640, 480}));
  EXPECT_EQ(copies[0].to, copies[0].from);
}

TEST(BasicEffectsTest, BlindsCopyLinesPassByPass) {
  struct Case {
    int effect, width, height, d;
    const char* order;
  };
  const Case cases[] = {
      // Picture 3 x 4: extent 4 x 5; the counts run up to the extent itself.
      {15, 3, 4, 2, "h0 h2 h4 h1 h3 h5"},
      {16, 3, 4, 2, "v0 v2 v4 v1 v3"},
      {15, 3, 4, 3, "h0 h3 h1 h4 h2 h5"},
      // Goes on while either index is within its bound.
      {17, 5, 1, 2, "v0 h0 v2 h2 v4 h4 v6 h6 v1 h1 v3 h3 v5 h5"},
  };
  for (const Case& c : cases) {
    const auto copies = ListEffectCopies(static_cast<uint8_t>(c.effect), {0, 0, c.width, c.height},
                                         static_cast<uint8_t>(c.d));
    EXPECT_EQ(testing::Describe(copies), c.order) << "effect " << c.effect;
  }
}

TEST(BasicEffectsTest, BlindLinesSpanTheExtent) {
  const auto copies = ListEffectCopies(17, {0, 0, 5, 3}, 2);
  ASSERT_GE(copies.size(), 2u);
  EXPECT_EQ(copies[0].from, (EffectRect{0, 0, 1, 4}));
  EXPECT_EQ(copies[1].from, (EffectRect{0, 0, 6, 1}));
}

}  // namespace
}  // namespace lrw
