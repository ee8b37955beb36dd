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

// `b` as a JPEG with an EXIF orientation.
std::vector<uint8_t> JpegWithOrientation(const test::TempDir& dir, const Bitmap& b,
                                         uint16_t orientation) {
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

// A JPEG of a red top half and a blue bottom half with an EXIF orientation.
std::vector<uint8_t> JpegWithOrientation(const test::TempDir& dir, int width, int height,
                                         uint16_t orientation) {
  Bitmap b(width, height, test::kRed);
  for (int y = height / 2; y < height; ++y)
    for (int x = 0; x < width; ++x) b.at(x, y) = test::kBlue;
  return JpegWithOrientation(dir, b, orientation);
}

TEST(Orientation, JpegIsTurnedUprightInEveryMode) {
  test::TempDir dir;
  const std::string path = dir.File("camera.jpg");
  // Orientation 6: the camera was turned clockwise; the stored top is the right.
  test::WriteFile(path, JpegWithOrientation(dir, 80, 40, 6));
  LoadPictureModule loader;
  const LoadPictureResult full = loader.LoadPicture(path, LoaderMode::FullSizeMode);
  ASSERT_EQ(StatusOf(full), LoadStatus::Loaded) << test::ErrorText(full);
  EXPECT_EQ(full->bitmap.width, 40);
  EXPECT_EQ(full->bitmap.height, 80);
  EXPECT_LE(test::ColorDistance(full->bitmap.at(35, 40), test::kRed), 40);
  EXPECT_LE(test::ColorDistance(full->bitmap.at(4, 40), test::kBlue), 40);

  const LoadPictureResult thumb = loader.LoadPicture(path, LoaderMode::ThumbnailMode);
  ASSERT_EQ(StatusOf(thumb), LoadStatus::Loaded);
  EXPECT_EQ(thumb->fullWidth, 40);
  EXPECT_EQ(thumb->fullHeight, 80);
  EXPECT_EQ(thumb->bitmap.width, 30);
  EXPECT_EQ(thumb->bitmap.height, 60);
}

// Every orientation a camera records: the stored quadrants red (top left), green
// (top right), blue (bottom left) and white (bottom right) of an 80 x 40 picture,
// and the quadrant seen at the upright picture's top left, top right and bottom left.
struct OrientationCase {
  uint16_t orientation;
  bool sidesSwap;
  uint32_t topLeft, topRight, bottomLeft;
};

class EveryOrientation : public ::testing::TestWithParam<OrientationCase> {};

TEST_P(EveryOrientation, JpegIsShownAsTheCameraSawIt) {
  const OrientationCase& c = GetParam();
  test::TempDir dir;
  Bitmap stored(80, 40, test::kRed);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 80; ++x)
      stored.at(x, y) =
          y < 20 ? (x < 40 ? test::kRed : test::kGreen) : (x < 40 ? test::kBlue : test::kWhite);
  const std::string path = dir.File("camera.jpg");
  test::WriteFile(path, JpegWithOrientation(dir, stored, c.orientation));
  LoadPictureModule loader;
  const LoadPictureResult r = loader.LoadPicture(path, LoaderMode::FullSizeMode);
  ASSERT_EQ(StatusOf(r), LoadStatus::Loaded) << test::ErrorText(r);
  const int w = c.sidesSwap ? 40 : 80, h = c.sidesSwap ? 80 : 40;
  ASSERT_EQ(r->bitmap.width, w);
  ASSERT_EQ(r->bitmap.height, h);
  EXPECT_EQ(r->fullWidth, w);
  EXPECT_EQ(r->fullHeight, h);
  EXPECT_LE(test::ColorDistance(r->bitmap.at(w / 4, h / 4), c.topLeft), 40);
  EXPECT_LE(test::ColorDistance(r->bitmap.at(w * 3 / 4, h / 4), c.topRight), 40);
  EXPECT_LE(test::ColorDistance(r->bitmap.at(w / 4, h * 3 / 4), c.bottomLeft), 40);

  const LoadPictureResult thumb = loader.LoadPicture(path, LoaderMode::ThumbnailMode);
  ASSERT_EQ(StatusOf(thumb), LoadStatus::Loaded) << test::ErrorText(thumb);
  EXPECT_EQ(thumb->fullWidth, w);
  EXPECT_EQ(thumb->fullHeight, h);
  EXPECT_EQ(thumb->bitmap.width, c.sidesSwap ? 30 : 60);
  EXPECT_EQ(thumb->bitmap.height, c.sidesSwap ? 60 : 30);
  EXPECT_LE(test::ColorDistance(thumb->bitmap.at(thumb->bitmap.width / 4, thumb->bitmap.height / 4),
                                c.topLeft),
            40);
}

constexpr uint32_t R = test::kRed, G = test::kGreen, B = test::kBlue, W = test::kWhite;
INSTANTIATE_TEST_SUITE_P(
    Orientation, EveryOrientation,
    ::testing::Values(OrientationCase{1, false, R, G, B}, OrientationCase{2, false, G, R, W},
                      OrientationCase{3, false, W, B, G}, OrientationCase{4, false, B, W, R},
                      OrientationCase{5, true, R, B, G}, OrientationCase{6, true, B, R, W},
                      OrientationCase{7, true, W, G, B}, OrientationCase{8, true, G, W, R}));

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
  LoadPictureModule loader;
  const LoadPictureResult r = loader.LoadPicture(path, LoaderMode::FullSizeMode);
  ASSERT_EQ(StatusOf(r), LoadStatus::Loaded) << test::ErrorText(r);
  EXPECT_EQ(r->bitmap.width, 60);
  // Turned half way round: the blue right half is now on the left.
  EXPECT_EQ(r->bitmap.at(5, 10), test::kBlue);
  EXPECT_EQ(r->bitmap.at(55, 10), test::kRed);
}

TEST(ReducedReads, LargeJpegIsReadOnceAtAReducedScale) {
  test::TempDir dir;
  const std::string path = dir.File("large.jpg");
  test::WriteWithMagick(Bitmap(4000, 3000, test::kGreen), path, "JPEG");
  LoadPictureModule loader;

  const LoadPictureResult thumb = loader.LoadPicture(path, LoaderMode::ThumbnailMode);
  ASSERT_EQ(StatusOf(thumb), LoadStatus::Loaded);
  EXPECT_EQ(thumb->fullWidth, 4000);
  EXPECT_EQ(thumb->fullHeight, 3000);
  EXPECT_EQ(thumb->bitmap.width, 60);
  EXPECT_EQ(thumb->bitmap.height, 45);

  // For a 1920 x 1080 screen the half scale (2000 x 1500) is the smallest that covers it.
  const LoadPictureResult screen = loader.LoadPictureForSize(path, 1920, 1080);
  ASSERT_EQ(StatusOf(screen), LoadStatus::Loaded);
  EXPECT_EQ(screen->bitmap.width, 2000);
  EXPECT_EQ(screen->bitmap.height, 1500);
  EXPECT_EQ(screen->fullWidth, 4000);

  const LoadPictureResult small = loader.LoadPictureForSize(path, 400, 300);
  ASSERT_EQ(StatusOf(small), LoadStatus::Loaded);
  EXPECT_EQ(small->bitmap.width, 500);  // 1/8 is the smallest libjpeg offers

  const LoadPictureResult full = loader.LoadPicture(path, LoaderMode::FullSizeMode);
  ASSERT_EQ(StatusOf(full), LoadStatus::Loaded);
  EXPECT_EQ(full->bitmap.width, 4000);
  EXPECT_EQ(full->bitmap.height, 3000);
}

}  // namespace
}  // namespace lrw
