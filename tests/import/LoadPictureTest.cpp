// Every extension of the picture format table decodes at its own size and as a
// thumbnail fitted to 60 x 60, or fails clearly.
#include <gtest/gtest.h>

#include <Magick++.h>

#include <algorithm>
#include <functional>

#include "PictureFixtures.h"
#include "import/BitmapScaling.h"
#include "import/GraphicsMagickDecoder.h"
#include "import/LoadPicture.h"

namespace lrw {
namespace {

using test::IndexedPicture;
using test::kBlack;
using test::kBlue;
using test::kGreen;
using test::kRed;
using test::kWhite;

constexpr int kW = 40;
constexpr int kH = 30;

IndexedPicture ColourQuadrants() {
  return test::Quadrants(kW, kH, {kRed, kGreen, kBlue, kWhite});
}
IndexedPicture MonoQuadrants() {
  return test::Quadrants(kW, kH, {kBlack, kWhite, kBlack, kWhite});
}

struct FormatCase {
  std::string name;  // file name written in the temporary folder
  std::function<void(const std::string& path)> write;
  int width;
  int height;
  // Colours of the quadrant centres (top left, top right, bottom left, bottom
  // right); empty: the left and right halves just differ.
  std::vector<uint32_t> quadrants;
  int tolerance = 0;
};

auto Magick(const std::string& magick) {
  return [magick](const std::string& path) {
    test::WriteWithMagick(ColourQuadrants().ToBitmap(), path, magick);
  };
}
// A JPEG stored in CMYK (with Adobe's inverted inks) or in grey.
auto JpegIn(Magick::ColorspaceType space) {
  return [space](const std::string& path) {
    StartGraphicsMagick();
    const Bitmap b = ColourQuadrants().ToBitmap();
    Magick::Image image(static_cast<unsigned>(b.width), static_cast<unsigned>(b.height), "BGRA",
                        Magick::CharPixel, b.pixels.data());
    image.matte(false);
    image.quality(95);
    if (space == Magick::GRAYColorspace) {
      image.type(Magick::GrayscaleType);
    } else {
      image.colorSpace(space);
    }
    image.write("JPEG:" + path);
  };
}
auto Bytes(std::function<std::vector<uint8_t>()> make) {
  return [make](const std::string& path) { test::WriteFile(path, make()); };
}

const std::vector<uint32_t> kColour = {kRed, kGreen, kBlue, kWhite};
// Grey levels of red, green, blue and white by their luminance.
const std::vector<uint32_t> kGreyLevels = {0xFF4C4C4C, 0xFF969696, 0xFF1D1D1D, kWhite};

std::vector<FormatCase> Cases() {
  return {
      {"a.bmp", Magick("BMP"), kW, kH, kColour},
      {"a.jpg", Magick("JPEG"), kW, kH, kColour, 40},
      {"a.JIF", Magick("JPEG"), kW, kH, kColour, 40},
      {"cmyk.jpg", JpegIn(Magick::CMYKColorspace), kW, kH, kColour, 40},
      {"grey.jpg", JpegIn(Magick::GRAYColorspace), kW, kH, kGreyLevels, 12},
      {"a.gif", Magick("GIF"), kW, kH, kColour},
      {"a.dib", Magick("BMP"), kW, kH, kColour},
      {"a.png", Magick("PNG"), kW, kH, kColour},
      {"a.tif", Magick("TIFF"), kW, kH, kColour},
      {"a.tga", Magick("TGA"), kW, kH, kColour},
      {"a.pcx", Magick("PCX"), kW, kH, kColour},
      {"a.ras", Magick("SUN"), kW, kH, kColour},
      {"a.pnm", Magick("PNM"), kW, kH, kColour},
      {"a.ppm", Magick("PPM"), kW, kH, kColour},
      {"a.pgm", Magick("PGM"), kW, kH, kGreyLevels, 3},
      {"a.pbm", Magick("PBM"), kW, kH, {kBlack, kWhite, kBlack, kWhite}},
      {"a.art", Magick("ART"), kW, kH, {kBlack, kWhite, kBlack, kWhite}},
      {"a.ico", Bytes([] { return test::IconFile(ColourQuadrants().ToBitmap(), false); }), kW, kH,
       kColour},
      {"a.cur", Bytes([] { return test::IconFile(ColourQuadrants().ToBitmap(), true); }), kW, kH,
       kColour},
      {"a.rle", Bytes([] { return test::Rle8BmpFile(ColourQuadrants()); }), kW, kH, kColour},
      {"a.mac", Bytes([] { return test::MacPaintFile(MonoQuadrants()); }), 576, 720, {}},
      {"a.hrz", Bytes([] { return test::HrzFile(ColourQuadrants().ToBitmap()); }), 256, 240,
       kColour, 4},
      {"a.cut", Bytes([] { return test::DrHaloCutFile(ColourQuadrants()); }), kW, kH, {}},
      {"a.wpg", Bytes([] { return test::WpgFile(ColourQuadrants()); }), kW, kH, kColour},
      {"a.iff", Bytes([] { return test::IlbmFile(ColourQuadrants(), 2, true); }), kW, kH, kColour},
      {"a.lbm", Bytes([] { return test::IlbmFile(ColourQuadrants(), 8, true, 0, true); }), kW, kH,
       kColour},
      {"a.img",
       Bytes([] { return test::GemImgFile(test::Quadrants(kW, kH, {}), 2); }),
       kW,
       kH,
       {kWhite, 0xFFFF0000, 0xFF00FF00, kBlack}},
      {"a.msp",
       Bytes([] { return test::MspFile(MonoQuadrants(), 2); }),
       kW,
       kH,
       {kBlack, kWhite, kBlack, kWhite}},
      {"a.pic", Bytes([] { return test::PcPaintPicFile(ColourQuadrants(), false, true); }), kW, kH,
       kColour, 4},
      {"a.avi", [](const std::string& p) { test::WriteAvi(p, 320, 240, 3); }, 320, 240, kColour,
       40},
  };
}

class LoadPictureFormatTest : public ::testing::TestWithParam<FormatCase> {};

void ExpectQuadrants(const Bitmap& b, const FormatCase& c, int extraTolerance) {
  const int xs[2] = {b.width / 4, b.width * 3 / 4};
  const int ys[2] = {b.height / 4, b.height * 3 / 4};
  if (c.quadrants.empty()) {
    EXPECT_NE(b.at(xs[0], ys[0]), b.at(xs[1], ys[0]));
    return;
  }
  for (int q = 0; q < 4; ++q) {
    const uint32_t got = b.at(xs[q % 2], ys[q / 2]);
    EXPECT_LE(test::ColorDistance(got, c.quadrants[static_cast<size_t>(q)]),
              c.tolerance + extraTolerance)
        << "quadrant " << q << std::hex << " got " << got << " of " << b.width << "x" << b.height;
  }
}

TEST_P(LoadPictureFormatTest, DecodesFullSizeAndThumbnail) {
  const FormatCase& c = GetParam();
  test::TempDir dir;
  const std::string path = dir.File(c.name);
  c.write(path);
  LoadPictureModule loader;

  const LoadPictureResult full = loader.LoadPicture(path, LoaderMode::FullSizeMode);
  ASSERT_EQ(StatusOf(full), LoadStatus::Loaded) << test::ErrorText(full);
  EXPECT_EQ(full->bitmap.width, c.width);
  EXPECT_EQ(full->bitmap.height, c.height);
  EXPECT_EQ(full->fullWidth, c.width);
  EXPECT_EQ(full->fullHeight, c.height);
  ExpectQuadrants(full->bitmap, c, 0);

  const LoadPictureResult thumb = loader.LoadPicture(path, LoaderMode::ThumbnailMode);
  ASSERT_EQ(StatusOf(thumb), LoadStatus::Loaded) << test::ErrorText(thumb);
  EXPECT_EQ(thumb->fullWidth, c.width);
  EXPECT_EQ(thumb->fullHeight, c.height);
  if (c.name.ends_with(".avi")) {
    EXPECT_EQ(thumb->bitmap.width, 60);
    EXPECT_EQ(thumb->bitmap.height, 60);
  } else {
    const auto [w, h] = FittedSize(c.width, c.height, 60, 60);
    EXPECT_EQ(thumb->bitmap.width, w);
    EXPECT_EQ(thumb->bitmap.height, h);
    ExpectQuadrants(thumb->bitmap, c, 8);
  }
}

INSTANTIATE_TEST_SUITE_P(AllFormats, LoadPictureFormatTest, ::testing::ValuesIn(Cases()),
                         [](const auto& info) {
                           std::string n = info.param.name;
                           if (n.rfind("a.", 0) == 0) n = n.substr(2);
                           std::replace(n.begin(), n.end(), '.', '_');
                           return n;
                         });

TEST(LoadPicture, WmfIsDrawn) {
  test::TempDir dir;
  const std::string path = dir.File("a.wmf");
  test::WriteFile(path, test::WmfFile(100, 50, kBlue));
  LoadPictureModule loader;
  const LoadPictureResult r = loader.LoadPicture(path, LoaderMode::FullSizeMode);
  ASSERT_EQ(StatusOf(r), LoadStatus::Loaded) << test::ErrorText(r);
  ASSERT_GT(r->bitmap.width, 0);
  EXPECT_EQ(r->bitmap.width * 50, r->bitmap.height * 100);
  EXPECT_LE(test::ColorDistance(r->bitmap.at(r->bitmap.width / 2, r->bitmap.height / 2), kBlue), 8);
}

TEST(LoadPicture, VideoThumbnailIsCentredInTheSquare) {
  test::TempDir dir;
  const std::string path = dir.File("clip.avi");
  test::WriteAvi(path, 320, 240, 2);
  LoadPictureModule loader;
  const LoadPictureResult read = loader.LoadPicture(path, LoaderMode::ThumbnailMode);
  ASSERT_EQ(StatusOf(read), LoadStatus::Loaded) << test::ErrorText(read);
  const Bitmap& thumb = read->bitmap;
  ASSERT_EQ(thumb.width, 60);
  ASSERT_EQ(thumb.height, 60);
  // A 60 x 45 still at top offset 7: rows 0-6 and 52-59 are background.
  EXPECT_EQ(thumb.at(30, 6), kThumbnailBackground);
  EXPECT_EQ(thumb.at(30, 52), kThumbnailBackground);
  EXPECT_LE(test::ColorDistance(thumb.at(10, 12), kRed), 60);
  EXPECT_LE(test::ColorDistance(thumb.at(50, 46), kWhite), 60);
}

TEST(LoadPicture, DrawingsThatAreNotMetafilesFailWithTheirText) {
  test::TempDir dir;
  LoadPictureModule loader;
  for (const std::string name : {"a.emf", "a.gem"}) {
    const std::string path = dir.File(name);
    test::WriteFile(path, {1, 2, 3, 4});
    const LoadPictureResult r = loader.LoadPicture(path, LoaderMode::FullSizeMode);
    EXPECT_EQ(StatusOf(r), LoadStatus::LoadFailed);
    EXPECT_NE(test::ErrorText(r).find("metafile"), std::string::npos) << test::ErrorText(r);
    EXPECT_NE(test::ErrorText(r).find(path), std::string::npos);
  }
}

TEST(LoadPicture, ExtensionsOutsideTheTableAndMovAreNotHandled) {
  test::TempDir dir;
  LoadPictureModule loader;
  for (const std::string name : {"a.jpeg", "a.mov", "a.txt", "noextension"}) {
    const std::string path = dir.File(name);
    test::WriteWithMagick(ColourQuadrants().ToBitmap(), path, "JPEG");
    const LoadPictureResult r = loader.LoadPicture(path, LoaderMode::FullSizeMode);
    EXPECT_EQ(StatusOf(r), LoadStatus::NotHandled) << name;
    EXPECT_TRUE(test::ErrorText(r).empty());
  }
}

TEST(LoadPicture, UpperCaseExtensionIsTheSameFormat) {
  test::TempDir dir;
  const std::string path = dir.File("PHOTO.JPG");
  test::WriteWithMagick(ColourQuadrants().ToBitmap(), path, "JPEG");
  LoadPictureModule loader;
  EXPECT_EQ(StatusOf(loader.LoadPicture(path, LoaderMode::FullSizeMode)), LoadStatus::Loaded);
}

TEST(LoadPicture, ContentDecidesTheFormat) {
  // A PNG that carries a .jpg name is still read.
  test::TempDir dir;
  const std::string path = dir.File("really-a-png.jpg");
  test::WriteWithMagick(ColourQuadrants().ToBitmap(), path, "PNG");
  LoadPictureModule loader;
  const LoadPictureResult r = loader.LoadPicture(path, LoaderMode::FullSizeMode);
  ASSERT_EQ(StatusOf(r), LoadStatus::Loaded) << test::ErrorText(r);
  EXPECT_EQ(r->bitmap.at(5, 5), kRed);
}

}  // namespace
}  // namespace lrw
