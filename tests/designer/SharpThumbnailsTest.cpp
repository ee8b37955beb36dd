// The strip's thumbnails at device pixels: made from the picture file in the background.
#include "designer/SharpThumbnails.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSignalSpy>
#include <filesystem>
#include <fstream>

#include "document/BmpCodec.h"

namespace lrw {
namespace {

TEST(SharpThumbnails, DecodesThePictureAtTheScreensPixelsOnceAndRemembersFailures) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("lrw-sharp-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  // Blue on the left, red on the right; the stored thumbnail is a grey stand-in.
  Bitmap picture(400, 300, 0xFFFF0000u);
  for (int y = 0; y < 300; ++y)
    for (int x = 0; x < 200; ++x) picture.at(x, y) = 0xFF0000FFu;
  const std::vector<uint8_t> bytes = EncodeBmp(picture);
  std::ofstream((dir / "halves.bmp").string(), std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));

  SlideRecord slide = FirstSlideDefaults();
  slide.PictureFolder = dir.string() + "/";
  slide.PictureName = "halves.bmp";
  slide.Thumbnail = Bitmap(60, 45, 0xFF808080u);
  SlideRecord missing = slide;
  missing.PictureName = "gone.bmp";

  SharpThumbnails sharp;
  QSignalSpy ready(&sharp, &SharpThumbnails::Ready);
  EXPECT_TRUE(sharp.Find(slide, 1.0).isNull()) << "nothing to do at one pixel per pixel";
  EXPECT_TRUE(sharp.Find(slide, 2.0).isNull()) << "asked for, not made yet";
  EXPECT_TRUE(sharp.Find(missing, 2.0).isNull());
  sharp.WaitForAll();
  QCoreApplication::processEvents();
  EXPECT_EQ(ready.count(), 1) << "only the picture that could be read";
  const QImage made = sharp.Find(slide, 2.0);
  ASSERT_FALSE(made.isNull());
  EXPECT_EQ(made.size(), QSize(120, 90));
  EXPECT_EQ(made.devicePixelRatio(), 2.0);
  EXPECT_EQ(made.pixel(5, 45), 0xFF0000FFu);
  EXPECT_EQ(made.pixel(114, 45), 0xFFFF0000u);
  EXPECT_TRUE(sharp.Find(missing, 2.0).isNull());
  sharp.WaitForAll();
  QCoreApplication::processEvents();
  EXPECT_EQ(ready.count(), 1) << "a picture that cannot be read is not tried again";

  // A picture slide kept without its thumbnail gets one, fitted into 60 x 60, at any ratio.
  slide.Thumbnail.reset();
  for (const qreal ratio : {1.0, 2.0}) {
    sharp.Find(slide, ratio);
    sharp.WaitForAll();
    QCoreApplication::processEvents();
    EXPECT_EQ(sharp.Find(slide, ratio).deviceIndependentSize(), QSizeF(60, 45)) << ratio;
  }
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace lrw
