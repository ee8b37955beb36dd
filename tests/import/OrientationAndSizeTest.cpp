// Pictures come out upright, and the reduced reads learn the full size.
#include <Magick++.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "PictureFixtures.h"
#include "import/LoadPicture.h"

namespace lrw {
namespace {

std::vector<uint8_t> ReadBack(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// A JPEG of a red top half and a blue bottom half with an EXIF orientation.
std::vector<uint8_t> JpegWithOrientation(const test::TempDir& dir, int width, int height,
                                         uint16_t orientation) {
  Bitmap b(width, height, test::kRed);
  for (int y = height / 2; y < height; ++y)
    for (int x = 0; x < width; ++x) b.at(x, y) = test::kBlue;
  const std::string plain = dir.File("plain.jpg");
  test::WriteWithMagick(b, plain, "JPEG");
  std::vector<uint8_t> jpeg = ReadBack(plain);
  // APP1 "Exif": a little-endian TIFF header and one IFD entry, Orientation.
  std::vector<uint8_t> exif = {'E', 'x',  'i',  'f', 0,
                               0,   'I',  'I',  42,  0,
                               8,   0,    0,    0,   1,
                               0,   0x12, 0x01, 3,   0,
                               1,   0,    0,    0,   static_cast<uint8_t>(orientation),
                               0,   0,    0,    0,   0,
                               0,   0};
  const size_t length = exif.size() + 2;
  std::vector<uint8_t> segment = {0xFF, 0xE1, static_cast<uint8_t>(length >> 8),
                                  static_cast<uint8_t>(length & 0xFF)};
  segment.insert(segment.end(), exif.begin(), exif.end());
  jpeg.insert(jpeg.begin() + 2, segment.begin(), segment.end());
  return jpeg;
}

TEST(Orientation, JpegIsTurnedUprightInEveryMode) {
  test::TempDir dir;
  const std::string path = dir.File("camera.jpg");
  // Orientation 6: the camera was turned clockwise; the stored top is the right.
  test::WriteFile(path, JpegWithOrientation(dir, 80, 40, 6));
  TLoadPictureModule loader;
  const LoadPictureResult full = loader.LoadPicture(path, FullSizeMode);
  ASSERT_EQ(full.status, Loaded) << full.errorText;
  EXPECT_EQ(full.bitmap.width, 40);
  EXPECT_EQ(full.bitmap.height, 80);
  EXPECT_LE(test::ColorDistance(full.bitmap.at(35, 40), test::kRed), 40);
  EXPECT_LE(test::ColorDistance(full.bitmap.at(4, 40), test::kBlue), 40);

  const LoadPictureResult thumb = loader.LoadPicture(path, ThumbnailMode);
  ASSERT_EQ(thumb.status, Loaded);
  EXPECT_EQ(thumb.fullWidth, 40);
  EXPECT_EQ(thumb.fullHeight, 80);
  EXPECT_EQ(thumb.bitmap.width, 30);
  EXPECT_EQ(thumb.bitmap.height, 60);
}

TEST(Orientation, TiffOrientationIsApplied) {
  test::TempDir dir;
  const std::string path = dir.File("turned.tif");
  Bitmap b(60, 20, test::kRed);
  for (int x = 30; x < 60; ++x)
    for (int y = 0; y < 20; ++y) b.at(x, y) = test::kBlue;
  test::WriteWithMagick(b, dir.File("plain.tif"), "TIFF");
  // GraphicsMagick writes the orientation tag when asked to.
  Magick::Image image(dir.File("plain.tif"));
  image.orientation(Magick::BottomRightOrientation);
  image.write("TIFF:" + path);
  TLoadPictureModule loader;
  const LoadPictureResult r = loader.LoadPicture(path, FullSizeMode);
  ASSERT_EQ(r.status, Loaded) << r.errorText;
  EXPECT_EQ(r.bitmap.width, 60);
  // Turned half way round: the blue right half is now on the left.
  EXPECT_EQ(r.bitmap.at(5, 10), test::kBlue);
  EXPECT_EQ(r.bitmap.at(55, 10), test::kRed);
}

TEST(ReducedReads, LargeJpegIsReadOnceAtAReducedScale) {
  test::TempDir dir;
  const std::string path = dir.File("large.jpg");
  test::WriteWithMagick(Bitmap(4000, 3000, test::kGreen), path, "JPEG");
  TLoadPictureModule loader;

  const LoadPictureResult thumb = loader.LoadPicture(path, ThumbnailMode);
  ASSERT_EQ(thumb.status, Loaded);
  EXPECT_EQ(thumb.fullWidth, 4000);
  EXPECT_EQ(thumb.fullHeight, 3000);
  EXPECT_EQ(thumb.bitmap.width, 60);
  EXPECT_EQ(thumb.bitmap.height, 45);

  // For a 1920 x 1080 screen the half scale (2000 x 1500) is the smallest that covers it.
  const LoadPictureResult screen = loader.LoadPictureForSize(path, 1920, 1080);
  ASSERT_EQ(screen.status, Loaded);
  EXPECT_EQ(screen.bitmap.width, 2000);
  EXPECT_EQ(screen.bitmap.height, 1500);
  EXPECT_EQ(screen.fullWidth, 4000);

  const LoadPictureResult small = loader.LoadPictureForSize(path, 400, 300);
  EXPECT_EQ(small.bitmap.width, 500);  // 1/8 is the smallest libjpeg offers

  const LoadPictureResult full = loader.LoadPicture(path, FullSizeMode);
  EXPECT_EQ(full.bitmap.width, 4000);
  EXPECT_EQ(full.bitmap.height, 3000);
}

}  // namespace
}  // namespace lrw
