#include <gtest/gtest.h>

#include "effects/EffectGrid.h"

namespace lrw {
namespace {

TEST(NearestTest, HalvesGoToTheEvenNeighbour) {
  struct Case {
    double x;
    int expected;
  };
  const Case cases[] = {{0.5, 0},  {1.5, 2},  {2.5, 2},         {4.5, 4},        {5.5, 6},
                        {0.25, 0}, {0.75, 1}, {2.0, 2},         {10.0 / 3, 3},   {11.0 / 3, 4},
                        {0.0, 0},  {1.25, 1}, {401 * 0.5, 200}, {301 * 0.25, 75}};
  for (const Case& c : cases) EXPECT_EQ(Nearest(c.x), c.expected) << c.x;
}

TEST(EffectGridTest, ExtentIsOnePixelLargerThanThePicture) {
  struct Case {
    int width, height, d;
    int columns, rows;
  };
  const Case cases[] = {
      {640, 480, 5, 129, 97},    {800, 600, 2, 401, 301}, {800, 600, 10, 81, 61},
      {720, 540, 2, 361, 271},   {720, 540, 10, 73, 55},  {0, 0, 5, 1, 1},
      {1, 3, 5, 1, 1},  // narrower than a box: one column
      {1920, 1080, 2, 961, 541},
  };
  for (const Case& c : cases) {
    const EffectGrid grid = EffectGrid::FromClip({0, 0, c.width, c.height}, c.d);
    EXPECT_EQ(grid.extentWidth, c.width + 1);
    EXPECT_EQ(grid.extentHeight, c.height + 1);
    EXPECT_EQ(grid.columns, c.columns) << c.width << "x" << c.height << " d=" << c.d;
    EXPECT_EQ(grid.rows, c.rows) << c.width << "x" << c.height << " d=" << c.d;
  }
}

TEST(EffectGridTest, LastBoxesAndStripsStopAtTheExtent) {
  const EffectGrid grid = EffectGrid::FromClip({0, 0, 640, 480}, 5);
  EXPECT_EQ(grid.Box(1, 1), (EffectRect{0, 0, 5, 5}));
  EXPECT_EQ(grid.Box(129, 97), (EffectRect{640, 480, 641, 481}));
  EXPECT_EQ(grid.Strip(97), (EffectRect{0, 480, 641, 481}));
  EXPECT_EQ(grid.HorizontalLine(7), (EffectRect{0, 7, 641, 8}));
  EXPECT_EQ(grid.VerticalLine(7), (EffectRect{7, 0, 8, 481}));
}

TEST(EffectGridTest, BoxWidthBelowTwoIsTreatedAsTwo) {
  EXPECT_EQ(EffectGrid::FromClip({0, 0, 9, 9}, 0).boxSize, 2);
  EXPECT_EQ(EffectGrid::FromClip({0, 0, 9, 9}, 1).columns, 5);
}

}  // namespace
}  // namespace lrw
