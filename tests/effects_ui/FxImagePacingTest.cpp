// The pacing model without a display: durations, frame counts and frame contents.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "FxImageTestSupport.h"
#include "effects/RecordingEffectTarget.h"
#include "effects/RunEffect.h"
#include "effects/TransitionPacing.h"

namespace lrw {
namespace {

constexpr double kFrame = 1.0 / 60.0;

std::vector<RecordedCopy> Record(uint8_t effect, int w, int h, uint8_t d) {
  RecordingEffectTarget recorder;
  RunEffect(effect, {0, 0, w, h}, recorder, d);
  return recorder.Copies();
}

TransitionPacing Pace(const std::vector<RecordedCopy>& copies, int w, int h, double factor = 1) {
  return TransitionPacing(copies, {0, 0, w, h}, w, h, factor);
}

struct DurationCase {
  uint8_t effect;
  uint8_t d;
  int width, height;
  double seconds;    // designed duration
  double tolerance;  // seconds
};

class PacingDuration : public ::testing::TestWithParam<DurationCase> {};

TEST_P(PacingDuration, FollowsTheCopySequenceOnEveryScreen) {
  const DurationCase c = GetParam();
  const auto copies = Record(c.effect, c.width, c.height, c.d);
  EXPECT_NEAR(Pace(copies, c.width, c.height).Duration(), c.seconds, c.tolerance)
      << "effect " << int(c.effect) << " d " << int(c.d) << " on " << c.width << "x" << c.height;
}

INSTANTIATE_TEST_SUITE_P(
    BoxEffects, PacingDuration,
    ::testing::Values(
        // The designed speeds on a 1024 x 768 screen.
        DurationCase{1, 2, 1024, 768, 2.5, 0.02}, DurationCase{1, 10, 1024, 768, 0.15, 0.01},
        DurationCase{3, 2, 1024, 768, 2.5, 0.02}, DurationCase{18, 2, 1024, 768, 2.5, 0.05},
        DurationCase{18, 10, 1024, 768, 0.15, 0.01},
        // The same on smaller and larger screens and in the 720 x 540 demonstration.
        DurationCase{1, 2, 1920, 1080, 2.5, 0.05}, DurationCase{1, 2, 640, 480, 2.5, 0.05},
        DurationCase{18, 2, 720, 540, 2.5, 0.06}, DurationCase{1, 10, 720, 540, 0.15, 0.015},
        DurationCase{1, 10, 1920, 1080, 0.15, 0.01},
        // Speed 5, between the two.
        DurationCase{1, 5, 1024, 768, 0.443, 0.01}));

TEST(TransitionPacing, SlowerSpeedsTakeLonger) {
  double previous = 1e9;
  for (uint8_t d = 2; d <= 10; ++d) {
    const double duration = Pace(Record(9, 800, 600, d), 800, 600).Duration();
    EXPECT_LT(duration, previous) << "d " << int(d);
    previous = duration;
  }
}

TEST(TransitionPacing, DevicePixelsOfAHiDpiScreenLastAsLongAsLogicalOnes) {
  // At twice the density the surface has four times the pixels and the boxes twice the width.
  for (const uint8_t effect : {uint8_t{1}, uint8_t{18}, uint8_t{35}}) {
    const double logical = Pace(Record(effect, 1024, 768, 4), 1024, 768).Duration();
    const double device =
        TransitionPacing(Record(effect, 2048, 1536, 8), {0, 0, 2048, 1536}, 2048, 1536, 1.0, 2.0)
            .Duration();
    EXPECT_NEAR(device, logical, logical * 0.02) << "effect " << int(effect);
  }
}

TEST(TransitionPacing, OneCopyAndFactorZeroAreImmediate) {
  const auto whole = Record(0, 1024, 768, 2);
  ASSERT_EQ(whole.size(), 1u);
  EXPECT_EQ(Pace(whole, 1024, 768).Duration(), 0.0);
  EXPECT_EQ(Pace(whole, 1024, 768).DueCount(0.0), 1u);
  const auto boxes = Record(1, 1024, 768, 2);
  const TransitionPacing instant = Pace(boxes, 1024, 768, 0.0);
  EXPECT_EQ(instant.Duration(), 0.0);
  EXPECT_EQ(instant.DueCount(0.0), boxes.size());
  EXPECT_NEAR(Pace(boxes, 1024, 768, 2.0).Duration(), 5.0, 0.05);
}

TEST(TransitionPacing, DueCountGrowsWithTime) {
  const auto copies = Record(1, 1024, 768, 2);
  const TransitionPacing pacing = Pace(copies, 1024, 768);
  EXPECT_EQ(pacing.DueCount(0.0), 0u);
  EXPECT_EQ(pacing.DueCount(-1.0), 0u);
  // Column after column at an even pace: half the time, about half the copies.
  EXPECT_NEAR(double(pacing.DueCount(pacing.Duration() / 2)) / copies.size(), 0.5, 0.01);
  EXPECT_EQ(pacing.DueCount(pacing.Duration()), copies.size());
  EXPECT_EQ(pacing.DueCount(1e9), copies.size());
}

TEST(TransitionPacing, PixelsOutsideThePaintAreaCostOnlyTheCopy) {
  const RecordedCopy box{{0, 0, 10, 10}, {0, 0, 10, 10}};
  const double area = PacingCosts::kReferenceArea;
  EXPECT_DOUBLE_EQ(TransitionPacing::CopyCost(box, {0, 0, 100, 100}, area),
                   PacingCosts::kCopySeconds + 100 * PacingCosts::kPixelSeconds);
  EXPECT_DOUBLE_EQ(TransitionPacing::CopyCost(box, {5, 5, 100, 100}, area),
                   PacingCosts::kCopySeconds + 25 * PacingCosts::kPixelSeconds);
  EXPECT_DOUBLE_EQ(TransitionPacing::CopyCost(box, {20, 20, 30, 30}, area),
                   PacingCosts::kCopySeconds);
  // A surface four times the reference area makes every copy four times cheaper.
  EXPECT_DOUBLE_EQ(TransitionPacing::CopyCost(box, {20, 20, 30, 30}, area * 4),
                   PacingCosts::kCopySeconds / 4);
}

struct Played {
  int frames = 0;
  double elapsed = 0;
  std::vector<std::pair<size_t, size_t>> ranges;
  std::vector<double> times;
};

Played Play(const TransitionPacing& pacing, double presentCost = 0) {
  test::FakeClock clock;
  Played played;
  const double start = clock.now;
  played.frames = PlayPaced(pacing, clock, kFrame, [&](size_t first, size_t last) {
    played.ranges.emplace_back(first, last);
    played.times.push_back(clock.now - start);
    EXPECT_LE(last, pacing.DueCount(clock.now - start));
    clock.now += presentCost;
  });
  played.elapsed = clock.now - start;
  return played;
}

TEST(PlayPaced, OneFramePerRefreshHoldingWhatIsDue) {
  const auto copies = Record(18, 1024, 768, 2);
  const TransitionPacing pacing = Pace(copies, 1024, 768);
  const Played played = Play(pacing);
  const int expectedFrames = static_cast<int>(std::ceil(pacing.Duration() / kFrame - 1e-9));
  EXPECT_NEAR(played.frames, expectedFrames, 1);
  EXPECT_NEAR(played.elapsed, pacing.Duration(), kFrame);
  ASSERT_EQ(played.ranges.size(), static_cast<size_t>(played.frames));
  // The frames hold every copy once, in order; at most one frame per refresh.
  size_t next = 0;
  for (size_t i = 0; i < played.ranges.size(); ++i) {
    EXPECT_EQ(played.ranges[i].first, next);
    EXPECT_GT(played.ranges[i].second, played.ranges[i].first);
    next = played.ranges[i].second;
    if (i > 0) {
      EXPECT_GE(played.times[i] - played.times[i - 1], kFrame - 1e-9);
    }
  }
  EXPECT_EQ(next, copies.size());
}

TEST(PlayPaced, ASlowComputerDropsFramesButKeepsTheDuration) {
  const auto copies = Record(1, 1024, 768, 2);
  const TransitionPacing pacing = Pace(copies, 1024, 768);
  const Played fast = Play(pacing);
  const Played slow = Play(pacing, 0.040);  // every frame takes 40 ms to present
  EXPECT_LT(slow.frames, fast.frames / 2);
  // It ends when the last copy is due, plus the last frame's own cost.
  EXPECT_NEAR(slow.elapsed, pacing.Duration() + 0.040, 0.045);
  EXPECT_EQ(slow.ranges.back().second, copies.size());
}

TEST(PlayPaced, ImmediateSequencesTakeOneFrame) {
  for (const auto& [copies, factor] :
       {std::pair{Record(0, 1024, 768, 5), 1.0}, std::pair{Record(35, 300, 200, 4), 0.0}}) {
    const Played played = Play(Pace(copies, 1024, 768, factor));
    EXPECT_EQ(played.frames, 1);
    EXPECT_EQ(played.elapsed, 0.0);
    EXPECT_EQ(played.ranges.front(), (std::pair<size_t, size_t>{0, copies.size()}));
  }
  EXPECT_EQ(Play(TransitionPacing({}, {0, 0, 1, 1}, 1, 1)).frames, 0);
}

}  // namespace
}  // namespace lrw
