#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "effects/BitmapEffectTarget.h"
#include "effects/Random.h"
#include "effects/RecordingEffectTarget.h"
#include "effects/RunEffect.h"

namespace lrw {
namespace {

constexpr uint32_t kOld = 0xFF111111u;

Bitmap Numbered(int width, int height) {
  Bitmap b(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) b.at(x, y) = 0xFF000000u | static_cast<uint32_t>(y * 256 + x);
  }
  return b;
}

TEST(BitmapEffectTargetTest, PixelsBeyondTheSourceAreLeftUnchanged) {
  // A target larger than the source: the extra column and row of the extent, and everything
  // else outside the source, keep the old picture.
  const Bitmap source = Numbered(5, 3);
  for (int effect : {1, 15, 17, 35, 37}) {
    Bitmap target(8, 6, kOld);
    BitmapEffectTarget copier(source, target);
    RunEffect(static_cast<uint8_t>(effect), copier.SourceClip(), copier, 2);
    for (int y = 0; y < 6; ++y) {
      for (int x = 0; x < 8; ++x) {
        const uint32_t expected = (x < 5 && y < 3) ? source.at(x, y) : kOld;
        ASSERT_EQ(target.at(x, y), expected) << "effect " << effect << " at " << x << "," << y;
      }
    }
  }
}

TEST(BitmapEffectTargetTest, CopiesAreClippedToBothBitmaps) {
  const Bitmap source = Numbered(4, 4);
  Bitmap target(3, 3, kOld);
  BitmapEffectTarget copier(source, target);
  copier.Copy({2, 2, 6, 6}, {2, 2, 6, 6});
  EXPECT_EQ(target.at(2, 2), source.at(2, 2));
  EXPECT_EQ(target.at(1, 1), kOld);
  copier.Copy({-2, -2, 1, 1}, {-2, -2, 1, 1});
  EXPECT_EQ(target.at(0, 0), source.at(0, 0));
}

TEST(BitmapEffectTargetTest, StripsOfDifferentHeightsAreStretched) {
  const Bitmap source = Numbered(4, 6);
  struct Case {
    EffectRect from, to;
    int expectedSourceRows[4];  // for target rows to.top.., -1: unchanged
  };
  const Case cases[] = {
      // One source row onto four target rows.
      {{0, 5, 4, 6}, {0, 0, 4, 4}, {5, 5, 5, 5}},
      // Two rows onto four: each repeated.
      {{0, 2, 4, 4}, {0, 0, 4, 4}, {2, 2, 3, 3}},
      // The extra row below the picture is not read.
      {{0, 6, 4, 7}, {0, 0, 4, 3}, {-1, -1, -1, -1}},
      {{0, 5, 4, 7}, {0, 0, 4, 4}, {5, 5, -1, -1}},
  };
  for (const Case& c : cases) {
    Bitmap target(4, 6, kOld);
    BitmapEffectTarget copier(source, target);
    copier.Copy(c.from, c.to);
    for (int i = 0; i < c.to.Height() && i < 4; ++i) {
      for (int x = 0; x < 4; ++x) {
        const int sy = c.expectedSourceRows[i];
        EXPECT_EQ(target.at(x, c.to.top + i), sy < 0 ? kOld : source.at(x, sy))
            << "row " << i << " x " << x;
      }
    }
  }
}

// Boxes handed over in a batch are merged where they continue each other; any stretch of an
// effect's copies must give the same picture as copying them one at a time, also when the
// target is smaller than the source and the edge boxes are cut.
TEST(BitmapEffectTargetTest, BatchedBoxesEqualSingleCopies) {
  const Bitmap source = Numbered(23, 17);
  for (int targetWidth : {23, 20}) {
    for (uint8_t d : {2, 3}) {
      for (int effect = 1; effect <= kLastEffect; ++effect) {
        if (effect == 37) continue;  // strips move between rows: not boxes
        RecordingEffectTarget recorder;
        SetRandomState(77);
        RunEffect(static_cast<uint8_t>(effect), {0, 0, 23, 17}, recorder, d);
        std::vector<EffectRect> boxes;
        for (const RecordedCopy& copy : recorder.Copies()) boxes.push_back(copy.from);
        // The first third and a middle stretch, so that the picture is still partly old.
        for (auto [first, count] : {std::pair{size_t{0}, boxes.size() / 3},
                                    std::pair{boxes.size() / 3, boxes.size() / 4}}) {
          Bitmap batched(targetWidth, 15, kOld);
          BitmapEffectTarget batchedCopier(source, batched);
          batchedCopier.CopyBoxes(boxes.data() + first, count);
          Bitmap single(targetWidth, 15, kOld);
          BitmapEffectTarget singleCopier(source, single);
          for (size_t i = first; i < first + count; ++i) singleCopier.Copy(boxes[i], boxes[i]);
          EXPECT_TRUE(batched == single) << "effect " << effect << " d " << int{d};
        }
      }
    }
  }
}

TEST(RecordingEffectTargetTest, ReplayInPiecesEqualsDirectPlay) {
  const Bitmap source = Numbered(9, 7);
  Bitmap direct(9, 7, kOld);
  BitmapEffectTarget directCopier(source, direct);
  RunEffect(39, directCopier.SourceClip(), directCopier, 3);

  RecordingEffectTarget recorder;
  RunEffect(39, directCopier.SourceClip(), recorder, 3);
  ASSERT_FALSE(recorder.Copies().empty());
  EXPECT_EQ(recorder.Copies().front().from, (EffectRect{0, 0, 3, 3}));

  Bitmap replayed(9, 7, kOld);
  BitmapEffectTarget replayCopier(source, replayed);
  const size_t half = recorder.Copies().size() / 2;
  recorder.Replay(replayCopier, 0, half);
  EXPECT_FALSE(replayed == source);
  recorder.Replay(replayCopier, half, recorder.Copies().size() + 10);
  EXPECT_TRUE(replayed == direct);
  EXPECT_TRUE(replayed == source);
}

}  // namespace
}  // namespace lrw
