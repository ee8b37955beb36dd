#include "import/BitmapScaling.h"

#include <gtest/gtest.h>

namespace lrw {
namespace {

TEST(FittedSize, LongerSideFillsTheBox) {
  struct Case {
    int w, h, fw, fh;
  };
  for (const Case& c : {Case{320, 240, 60, 45}, Case{240, 320, 45, 60}, Case{100, 100, 60, 60},
                        Case{6000, 4000, 60, 40}, Case{10, 5, 60, 30}, Case{1000, 1, 60, 1},
                        Case{1, 1000, 1, 60}, Case{59, 61, 58, 60}}) {
    EXPECT_EQ(FittedSize(c.w, c.h, 60, 60), std::make_pair(c.fw, c.fh)) << c.w << "x" << c.h;
  }
  EXPECT_EQ(FittedSize(0, 10, 60, 60), std::make_pair(0, 0));
}

TEST(ScaleBitmap, AveragesWhenReducing) {
  Bitmap b(4, 2, 0xFF000000u);
  b.at(0, 0) = b.at(1, 0) = b.at(0, 1) = b.at(1, 1) = 0xFFFFFFFFu;  // left half white
  const Bitmap r = ScaleBitmap(b, 2, 1);
  EXPECT_EQ(r.at(0, 0), 0xFFFFFFFFu);
  EXPECT_EQ(r.at(1, 0), 0xFF000000u);
  const Bitmap grey = ScaleBitmap(b, 1, 1);
  EXPECT_EQ(grey.at(0, 0), 0xFF808080u);
}

TEST(ScaleBitmap, RepeatsPixelsWhenEnlarging) {
  Bitmap b(2, 1);
  b.at(0, 0) = 0xFFFF0000u;
  b.at(1, 0) = 0xFF0000FFu;
  const Bitmap r = ScaleBitmap(b, 4, 2);
  EXPECT_EQ(r.at(1, 1), 0xFFFF0000u);
  EXPECT_EQ(r.at(2, 0), 0xFF0000FFu);
}

TEST(CenteredThumbnail, CentresTheFittedPicture) {
  const Bitmap t = CenteredThumbnail(Bitmap(320, 240, 0xFF112233u));
  ASSERT_EQ(t.width, 60);
  ASSERT_EQ(t.height, 60);
  EXPECT_EQ(t.at(0, 6), kThumbnailBackground);
  EXPECT_EQ(t.at(0, 7), 0xFF112233u);
  EXPECT_EQ(t.at(59, 51), 0xFF112233u);
  EXPECT_EQ(t.at(59, 52), kThumbnailBackground);
}

}  // namespace
}  // namespace lrw
