// Whatever a drag or a key asks of a motion box, the framing stored is one the motion
// shows whole: in the screen's proportions, inside the picture, within its size limits.
#include <gtest/gtest.h>

#include <random>

#include "arrange/FramingRules.h"

namespace lrw {
namespace {

void ExpectShownWhole(const MotionRect& r, const FramingShape& shape) {
  const Framing shown = ShownFraming(r, shape.screenWidth, shape.screenHeight);
  const Framing largest = LargestFraming(shape.pictureWidth, shape.pictureHeight, shape.screenWidth,
                                         shape.screenHeight);
  EXPECT_GE(shown.x, -0.01);
  EXPECT_GE(shown.y, -0.01);
  EXPECT_LE(shown.x + shown.width, shape.pictureWidth + 0.01);
  EXPECT_LE(shown.y + shown.height, shape.pictureHeight + 0.01);
  // The stored rectangle itself is the screen's shape within a pixel.
  EXPECT_NEAR(r.height * double(shape.screenWidth) / shape.screenHeight, r.width, 2.0);
  EXPECT_LE(shown.width, largest.width + 0.01);
  EXPECT_GE(shown.width, largest.width / kClosestFramingFactor - 2);
}

TEST(FramingRules, EveryDragAndKeyEndsInAFramingTheMotionShowsWhole) {
  const FramingShape shapes[] = {{640, 480, 1024, 768},    {1280, 480, 1920, 1080},
                                 {480, 1280, 1920, 1080},  {6000, 4000, 1920, 1080},
                                 {1921, 1080, 1920, 1080}, {100, 57, 1366, 768}};
  std::mt19937 random(7);
  for (const FramingShape& shape : shapes) {
    SCOPED_TRACE(testing::Message() << shape.pictureWidth << " x " << shape.pictureHeight);
    std::uniform_real_distribution<double> along(-0.5 * shape.pictureWidth,
                                                 1.5 * shape.pictureWidth);
    std::uniform_real_distribution<double> size(-10, 1.5 * shape.pictureWidth);
    std::uniform_int_distribution<int> bits(0, 15);
    for (int i = 0; i < 400; ++i) {
      const int e = bits(random);
      const FramingEdges edges{(e & 1) != 0, (e & 2) != 0, (e & 4) != 0, (e & 8) != 0};
      const MotionRect r =
          FitFraming({along(random), along(random), size(random), size(random)}, edges, shape);
      ExpectShownWhole(r, shape);
      for (const ArrowKey key : {ArrowKey::Left, ArrowKey::Up, ArrowKey::Right, ArrowKey::Down}) {
        for (const auto& [ctrl, shift] : {std::pair{true, false}, {true, true}, {false, true}}) {
          if (const auto nudged = NudgeFraming(r, key, ctrl, shift, 3, shape))
            ExpectShownWhole(*nudged, shape);
        }
      }
    }
  }
}

TEST(FramingRules, MovesKeepTheSizeAndSizingKeepsTheEdgesThatStay) {
  const FramingShape shape{1600, 1200, 1024, 768};
  const MotionRect r{400, 300, 800, 600};
  // Moved past the left edge: stops there, same size.
  EXPECT_EQ(FitFraming({-50, 310, 800, 600}, {}, shape), (MotionRect{0, 310, 800, 600}));
  // Ctrl+Left from the edge does nothing; Ctrl+Shift+Right moves five steps.
  EXPECT_FALSE(NudgeFraming({0, 0, 800, 600}, ArrowKey::Left, true, false, 2, shape));
  EXPECT_EQ(NudgeFraming(r, ArrowKey::Right, true, true, 2, shape),
            (MotionRect{410, 300, 800, 600}));
  // The right edge dragged out: the left edge stays, the height follows about the centre,
  // and the picture's right edge stops it.
  EXPECT_EQ(FitFraming({400, 300, 1400, 600}, {false, false, true, false}, shape),
            (MotionRect{400, 150, 1200, 900}));
  // The top left corner dragged in: the bottom right stays; never below an eighth.
  EXPECT_EQ(FitFraming({1150, 850, 50, 50}, {true, true, false, false}, shape),
            (MotionRect{1000, 750, 200, 150}));
  // Shift+Right grows from the top left corner, and stops at the largest framing.
  EXPECT_EQ(NudgeFraming(r, ArrowKey::Right, false, true, 4, shape),
            (MotionRect{400, 300, 804, 603}));
  EXPECT_FALSE(NudgeFraming({0, 0, 1600, 1200}, ArrowKey::Down, false, true, 4, shape));
}

}  // namespace
}  // namespace lrw
