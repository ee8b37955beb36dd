// For any picture size and box width, every effect ends with the target showing the whole new
// picture, and the effects whose own pattern always reaches every box need no finishing.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "EffectTestSupport.h"
#include "effects/BitmapEffectTarget.h"
#include "effects/EffectGrid.h"
#include "effects/Random.h"

namespace lrw {
namespace {

struct Size {
  int width, height, d;
};

std::vector<Size> RandomSizes() {
  std::vector<Size> sizes = {{0, 0, 2}, {1, 1, 2}, {1, 40, 10}, {40, 1, 3}, {7, 7, 2}};
  std::mt19937 rng(20240601);
  for (int i = 0; i < 25; ++i) {
    sizes.push_back({static_cast<int>(rng() % 90), static_cast<int>(rng() % 70),
                     2 + static_cast<int>(rng() % 9)});
  }
  return sizes;
}

Bitmap Picture(int width, int height, uint32_t seed) {
  Bitmap b(width, height);
  for (size_t i = 0; i < b.pixels.size(); ++i) {
    b.pixels[i] = 0xFF000000u | static_cast<uint32_t>((i * 2654435761u + seed) & 0xFFFFFF);
  }
  return b;
}

// Which boxes of the grid the copies reach; lines and strips count for every box they touch.
std::vector<bool> Coverage(const std::vector<EffectCopy>& copies, const EffectGrid& grid) {
  std::vector<bool> covered(static_cast<size_t>(grid.columns) * grid.rows, false);
  auto cover = [&](int c, int r) {
    covered[static_cast<size_t>(r - 1) * grid.columns + c - 1] = true;
  };
  for (const EffectCopy& copy : copies) {
    if (copy.kind == EffectCopyKind::Box) cover(copy.a, copy.b);
    if (copy.kind == EffectCopyKind::Strip && copy.a == copy.b) {
      for (int c = 1; c <= grid.columns; ++c) cover(c, copy.b);
    }
  }
  return covered;
}

TEST(CompletionTest, EveryEffectEndsWithTheWholePicture) {
  for (const Size& s : RandomSizes()) {
    const Bitmap source = Picture(s.width, s.height, 1);
    for (int effect = 0; effect <= 41; ++effect) {
      Bitmap target = Picture(s.width, s.height, 2);
      BitmapEffectTarget copier(source, target);
      SetRandomState(static_cast<uint32_t>(effect * 31 + s.width));
      RunEffect(static_cast<uint8_t>(effect), copier.SourceClip(), copier,
                static_cast<uint8_t>(s.d));
      EXPECT_TRUE(target == source)
          << "effect " << effect << " on " << s.width << "x" << s.height << " d=" << s.d;
    }
  }
}

TEST(CompletionTest, FinishingAddsExactlyTheMissingBoxesInRowOrder) {
  for (const Size& s : RandomSizes()) {
    const EffectRect clip{0, 0, s.width, s.height};
    const EffectGrid grid = EffectGrid::FromClip(clip, static_cast<uint8_t>(s.d));
    for (int effect = 1; effect <= 41; ++effect) {
      if (effect >= 15 && effect <= 17) continue;
      SetRandomState(7);
      const auto own = ListEffectCopies(static_cast<uint8_t>(effect), clip,
                                        static_cast<uint8_t>(s.d), EffectCompletion::EffectOnly);
      SetRandomState(7);
      const auto all =
          ListEffectCopies(static_cast<uint8_t>(effect), clip, static_cast<uint8_t>(s.d));
      ASSERT_GE(all.size(), own.size());
      EXPECT_EQ(testing::Describe({all.begin(), all.begin() + static_cast<long>(own.size())}),
                testing::Describe(own));
      const std::vector<bool> covered = Coverage(own, grid);
      std::vector<EffectCopy> expectedTail;
      if (effect != 37) {
        for (int r = 1; r <= grid.rows; ++r) {
          for (int c = 1; c <= grid.columns; ++c) {
            if (!covered[static_cast<size_t>(r - 1) * grid.columns + c - 1]) {
              expectedTail.push_back({EffectCopyKind::Box, c, r, {}, {}});
            }
          }
        }
      }
      EXPECT_EQ(testing::Describe({all.begin() + static_cast<long>(own.size()), all.end()}),
                testing::Describe(expectedTail))
          << "effect " << effect << " on " << s.width << "x" << s.height << " d=" << s.d;
    }
  }
}

TEST(CompletionTest, EffectsThatAlwaysCompleteNeedNoFinishing) {
  const int complete[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 18,
                          19, 20, 21, 22, 23, 24, 25, 26, 34, 35, 36, 37, 38, 40, 41};
  for (const Size& s : RandomSizes()) {
    const EffectRect clip{0, 0, s.width, s.height};
    const EffectGrid grid = EffectGrid::FromClip(clip, static_cast<uint8_t>(s.d));
    for (int effect : complete) {
      if (effect == 26 && (grid.columns == 1 || grid.rows == 1)) continue;  // half counts of 0
      const auto own = ListEffectCopies(static_cast<uint8_t>(effect), clip,
                                        static_cast<uint8_t>(s.d), EffectCompletion::EffectOnly);
      const std::vector<bool> covered = Coverage(own, grid);
      EXPECT_EQ(std::count(covered.begin(), covered.end(), false), 0)
          << "effect " << effect << " on " << s.width << "x" << s.height << " d=" << s.d;
    }
  }
}

TEST(CompletionTest, BlindsCoverEveryLineOfTheExtent) {
  for (const Size& s : RandomSizes()) {
    const EffectGrid grid = EffectGrid::FromClip({0, 0, s.width, s.height}, s.d);
    for (int effect = 15; effect <= 17; ++effect) {
      std::vector<bool> rows(grid.extentHeight, false), cols(grid.extentWidth, false);
      for (const EffectCopy& copy :
           ListEffectCopies(static_cast<uint8_t>(effect), {0, 0, s.width, s.height},
                            static_cast<uint8_t>(s.d))) {
        if (copy.kind == EffectCopyKind::HorizontalLine && copy.a < grid.extentHeight) {
          rows[copy.a] = true;
        }
        if (copy.kind == EffectCopyKind::VerticalLine && copy.a < grid.extentWidth) {
          cols[copy.a] = true;
        }
      }
      const bool allRows = std::count(rows.begin(), rows.end(), false) == 0;
      const bool allCols = std::count(cols.begin(), cols.end(), false) == 0;
      EXPECT_TRUE(effect == 16 ? allCols : allRows) << effect;
      if (effect == 17) {
        EXPECT_TRUE(allCols);
      }
    }
  }
}

}  // namespace
}  // namespace lrw
