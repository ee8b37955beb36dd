// Damaged, empty, oversized and mislabelled files give a clear error text, never a
// crash, a hang or a huge allocation.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <zlib.h>

#include <Magick++.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "MetafileWriters.h"
#include "PictureFixtures.h"
#include "import/LoadPicture.h"
#include "import/VideoStill.h"
#include "import/formats/VectorFormats.h"

namespace lrw {
namespace {

using test::IndexedPicture;

std::vector<uint8_t> ReadBack(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

IndexedPicture Picture() {
  return test::Quadrants(64, 48, {test::kRed, test::kGreen, test::kBlue, test::kWhite});
}

// A complete, valid file of each format whose truncation is tested.
std::vector<std::pair<std::string, std::vector<uint8_t>>> ValidFiles(const test::TempDir& dir) {
  std::vector<std::pair<std::string, std::vector<uint8_t>>> files;
  for (const auto& [ext, magick] :
       std::vector<std::pair<std::string, std::string>>{{"bmp", "BMP"},
                                                        {"jpg", "JPEG"},
                                                        {"gif", "GIF"},
                                                        {"png", "PNG"},
                                                        {"tif", "TIFF"},
                                                        {"tga", "TGA"},
                                                        {"pcx", "PCX"},
                                                        {"ras", "SUN"},
                                                        {"ppm", "PPM"},
                                                        {"pgm", "PGM"},
                                                        {"pbm", "PBM"}}) {
    const std::string path = dir.File("valid." + ext);
    test::WriteWithMagick(Picture().ToBitmap(), path, magick);
    files.emplace_back(ext, ReadBack(path));
  }
  files.emplace_back("ico", test::IconFile(Picture().ToBitmap(), false));
  files.emplace_back("rle", test::Rle8BmpFile(Picture()));
  files.emplace_back("wpg", test::WpgFile(Picture()));
  files.emplace_back("iff", test::IlbmFile(Picture(), 2, true));
  files.emplace_back("lbm", test::IlbmFile(Picture(), 8, false, 0, true));
  files.emplace_back("img", test::GemImgFile(Picture(), 2));
  files.emplace_back("msp", test::MspFile(Picture(), 2));
  files.emplace_back("pic", test::PcPaintPicFile(Picture(), true, true));
  return files;
}

void ExpectFailsClearly(LoadPictureModule& loader, const std::string& path) {
  for (LoaderMode mode : {LoaderMode::FullSizeMode, LoaderMode::ThumbnailMode}) {
    const LoadPictureResult r = loader.LoadPicture(path, mode);
    EXPECT_EQ(StatusOf(r), LoadStatus::LoadFailed)
        << path << " decoded as " << (r ? r->bitmap.width : 0) << "x" << (r ? r->bitmap.height : 0);
    EXPECT_FALSE(test::ErrorText(r).empty()) << path;
  }
}

TEST(BadInput, TruncatedFilesOfEachFormat) {
  test::TempDir dir;
  LoadPictureModule loader;
  for (const auto& [ext, bytes] : ValidFiles(dir)) {
    test::WriteFile(dir.File("valid." + ext), bytes);
    const LoadPictureResult valid =
        loader.LoadPicture(dir.File("valid." + ext), LoaderMode::FullSizeMode);
    ASSERT_EQ(StatusOf(valid), LoadStatus::Loaded) << ext << ": " << test::ErrorText(valid);
    // (Half of a PCX file ends inside its trailing palette, which a 24-bit picture
    // does not need.)
    for (size_t keep : {size_t{0}, size_t{7}, bytes.size() / 5, bytes.size() / 2}) {
      if (ext == "pcx" && keep == bytes.size() / 2) continue;
      const std::string path = dir.File("cut" + std::to_string(keep) + "." + ext);
      test::WriteFile(path, std::vector<uint8_t>(bytes.begin(), bytes.begin() + keep));
      ExpectFailsClearly(loader, path);
      // Our own decoders read past the end of a file cut in its pixels only to find it cut.
      const bool own = ext == "iff" || ext == "lbm" || ext == "msp" || ext == "pic";
      if (own && keep == bytes.size() / 2) {
        const LoadPictureResult cut = loader.LoadPicture(path, LoaderMode::FullSizeMode);
        EXPECT_EQ(test::ErrorText(cut),
                  "Unable to read the picture " + path + ": the file is truncated.");
      }
    }
  }
}

// This test program has no QGuiApplication, so no fonts: a drawing with text is refused
// with the reason, after it has started drawing, and one without text is drawn.
TEST(BadInput, DrawingsWithTextWithoutFonts) {
  const std::string reason = "the drawing has text, and this program was started without its fonts";
  test::EmfWriter emf(96, 96);
  emf.SolidBrush(1, 0x0000FF).Select(1).Rectangle(0, 0, 50, 50);
  test::GemWriter gem(96, 96);
  gem.Call(23, 0, {}, {1}).Call(11, 1, {{0, 0}, {50, 50}});
  EXPECT_TRUE(formats::RenderEmf(test::EmfWriter(emf).Finish(), 96, 96));
  EXPECT_TRUE(formats::RenderGem(test::GemWriter(gem).Finish(), 96, 96));
  emf.Font(2, -12, 0, u"Liberation Sans").Select(2).TextOut(5, 60, u"Hi").Rectangle(0, 0, 9, 9);
  gem.Text(5, 60, "Hi").Call(11, 1, {{0, 0}, {9, 9}});
  for (const Result<Bitmap>& drawn :
       {formats::RenderEmf(emf.Finish(), 96, 96), formats::RenderGem(gem.Finish(), 96, 96)}) {
    ASSERT_FALSE(drawn);
    EXPECT_EQ(drawn.error().message, reason);
  }
}

TEST(BadInput, EmptyFileSaysSo) {
  test::TempDir dir;
  LoadPictureModule loader;
  const std::string path = dir.File("empty.png");
  test::WriteFile(path, {});
  const LoadPictureResult r = loader.LoadPicture(path, LoaderMode::FullSizeMode);
  EXPECT_EQ(StatusOf(r), LoadStatus::LoadFailed);
  EXPECT_EQ(test::ErrorText(r), "Unable to read the picture " + path + ": the file is empty.");
}

// A PNG whose header declares the given size, with one tiny compressed row.
std::vector<uint8_t> PngDeclaring(uint32_t w, uint32_t h) {
  std::vector<uint8_t> f = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  auto chunk = [&f](const char* type, std::vector<uint8_t> body) {
    const uint32_t n = static_cast<uint32_t>(body.size());
    for (int i = 3; i >= 0; --i) f.push_back(static_cast<uint8_t>(n >> (8 * i)));
    std::vector<uint8_t> crcData(type, type + 4);
    crcData.insert(crcData.end(), body.begin(), body.end());
    f.insert(f.end(), crcData.begin(), crcData.end());
    const uLong crc = crc32(0, crcData.data(), static_cast<uInt>(crcData.size()));
    for (int i = 3; i >= 0; --i) f.push_back(static_cast<uint8_t>(crc >> (8 * i)));
  };
  std::vector<uint8_t> ihdr;
  for (uint32_t v : {w, h})
    for (int i = 3; i >= 0; --i) ihdr.push_back(static_cast<uint8_t>(v >> (8 * i)));
  ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0});
  chunk("IHDR", ihdr);
  chunk("IDAT", {0x78, 0x9C, 0x63, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01});
  chunk("IEND", {});
  return f;
}

TEST(BadInput, OversizedAndZeroSizedPictures) {
  test::TempDir dir;
  LoadPictureModule loader;
  IndexedPicture none;
  none.palette = {test::kBlack, test::kWhite};
  const std::vector<std::pair<std::string, std::vector<uint8_t>>> files = {
      {"huge.png", PngDeclaring(100000, 100000)},
      {"wide.png", PngDeclaring(30000, 30000)},
      {"zero.iff", test::IlbmFile(none, 1, false)},
      {"zero.lbm", test::IlbmFile(none, 8, true, 0, true)},
      {"zero.img", test::GemImgFile(none, 1)},
      {"zero.msp", test::MspFile(none, 1)},
      {"zero.pic", test::PcPaintPicFile(none, false, false)},
      {"zero.rle", test::Rle8BmpFile(none)},
  };
  for (const auto& [name, bytes] : files) {
    const std::string path = dir.File(name);
    test::WriteFile(path, bytes);
    ExpectFailsClearly(loader, path);
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  EXPECT_LT(usage.ru_maxrss, 1024L * 1024);  // kilobytes
}

// A small progressive JPEG whose frame header is changed to declare w x h: libjpeg
// would keep the whole picture's coefficients in memory while reading it.
std::vector<uint8_t> ProgressiveJpegDeclaring(const test::TempDir& dir, uint16_t w, uint16_t h) {
  const std::string small = dir.File("small.jpg");
  const std::vector<uint8_t> red(64 * 64 * 3, 0x80);
  Magick::Image image(64, 64, "RGB", Magick::CharPixel, red.data());
  image.interlaceType(Magick::LineInterlace);
  image.write("JPEG:" + small);
  std::vector<uint8_t> jpeg = ReadBack(small);
  for (size_t i = 2; i + 9 < jpeg.size();) {
    const uint8_t marker = jpeg[i + 1];
    if (marker == 0xC2 || marker == 0xC0) {
      jpeg[i + 5] = static_cast<uint8_t>(h >> 8);
      jpeg[i + 6] = static_cast<uint8_t>(h);
      jpeg[i + 7] = static_cast<uint8_t>(w >> 8);
      jpeg[i + 8] = static_cast<uint8_t>(w);
      break;
    }
    i += 2 + ((jpeg[i + 2] << 8) | jpeg[i + 3]);
  }
  return jpeg;
}

TEST(BadInput, HugeDeclaredSizesAreRefusedAsTooLarge) {
  test::TempDir dir;
  LoadPictureModule loader;
  const std::vector<std::pair<std::string, std::vector<uint8_t>>> files = {
      {"huge.png", PngDeclaring(100000, 100000)},
      {"wide.png", PngDeclaring(30000, 30000)},
      {"huge.jpg", ProgressiveJpegDeclaring(dir, 30000, 30000)},
      {"long.jpg", ProgressiveJpegDeclaring(dir, 65000, 200)},
  };
  // (The reduced read of long.jpg fits the limits and then finds the data cut off.)
  for (const auto& [name, bytes] : files) {
    const std::string path = dir.File(name);
    test::WriteFile(path, bytes);
    ExpectFailsClearly(loader, path);
    for (LoaderMode mode : {LoaderMode::FullSizeMode, LoaderMode::ThumbnailMode}) {
      if (name == "long.jpg" && mode == LoaderMode::ThumbnailMode) continue;
      const std::string text = test::ErrorText(loader.LoadPicture(path, mode));
      EXPECT_NE(text.find("too large"), std::string::npos) << name << ": " << text;
    }
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  EXPECT_LT(usage.ru_maxrss, 1024L * 1024);  // kilobytes
}

TEST(BadInput, ContentThatIsNotWhatTheExtensionSays) {
  test::TempDir dir;
  LoadPictureModule loader;
  const std::vector<uint8_t> text = {'H', 'e', 'l', 'l', 'o', ',', ' ', 'w', 'o', 'r', 'l', 'd'};
  std::vector<uint8_t> postscript = {'%', '!', 'P', 'S', '\n'};
  const std::string png = dir.File("real.png");
  test::WriteWithMagick(Picture().ToBitmap(), png, "PNG");
  for (const auto& [name, bytes] :
       std::vector<std::pair<std::string, std::vector<uint8_t>>>{{"text.png", text},
                                                                 {"text.jpg", text},
                                                                 {"text.tga", text},
                                                                 {"text.iff", text},
                                                                 {"text.msp", text},
                                                                 {"text.pic", text},
                                                                 {"text.img", text},
                                                                 {"text.avi", text},
                                                                 {"script.jpg", postscript},
                                                                 {"png.iff", ReadBack(png)},
                                                                 {"png.pic", ReadBack(png)}}) {
    const std::string path = dir.File(name);
    test::WriteFile(path, bytes);
    ExpectFailsClearly(loader, path);
  }
  EXPECT_EQ(test::ErrorText(loader.LoadPicture(dir.File("text.avi"), LoaderMode::FullSizeMode)),
            kVideoOpenError);
  // PostScript is never handed to an interpreter (whose failure would be reported
  // as the "Postscript delegate").
  const std::string script =
      test::ErrorText(loader.LoadPicture(dir.File("script.jpg"), LoaderMode::FullSizeMode));
  EXPECT_EQ(script.find("delegate"), std::string::npos) << script;
  EXPECT_EQ(script.find("Postscript"), std::string::npos) << script;
}

TEST(BadInput, PipesAndFoldersAreNotRead) {
  test::TempDir dir;
  LoadPictureModule loader;
  for (const std::string name : {"pipe.jpg", "pipe.iff", "pipe.avi"}) {
    const std::string path = dir.File(name);
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    ExpectFailsClearly(loader, path);  // returns instead of waiting for a writer
  }
  const std::string folder = dir.File("folder.png");
  ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
  ExpectFailsClearly(loader, folder);
}

TEST(BadInput, VideoWithoutAVideoStream) {
  test::TempDir dir;
  const std::string path = dir.File("sound.avi");
  test::WriteAvi(path, 0, 0, 0, false);
  LoadPictureModule loader;
  const LoadPictureResult r = loader.LoadPicture(path, LoaderMode::ThumbnailMode);
  EXPECT_EQ(StatusOf(r), LoadStatus::LoadFailed);
  EXPECT_EQ(test::ErrorText(r), kVideoNoStreamError);
}

TEST(BadInput, TruncatedVideo) {
  test::TempDir dir;
  const std::string path = dir.File("clip.avi");
  test::WriteAvi(path, 320, 240, 3);
  const std::vector<uint8_t> bytes = ReadBack(path);
  LoadPictureModule loader;
  // Also inside the first frame's chunk ("00dc", a 32-bit size, the data): the decoder
  // would fill in the missing part of the still.
  const std::string movi = "movi", tag = "00dc";
  const auto list = std::search(bytes.begin(), bytes.end(), movi.begin(), movi.end());
  const auto chunk = std::search(list, bytes.end(), tag.begin(), tag.end());
  ASSERT_NE(chunk, bytes.end());
  const size_t at = static_cast<size_t>(chunk - bytes.begin());
  const size_t frameBytes = bytes[at + 4] | (bytes[at + 5] << 8) | (bytes[at + 6] << 16);
  for (size_t keep : {size_t{12}, size_t{300}, at + 8 + frameBytes / 3, at + 8 + frameBytes / 2,
                      at + 8 + frameBytes - 1}) {
    const std::string cut = dir.File("cut" + std::to_string(keep) + ".avi");
    test::WriteFile(cut, std::vector<uint8_t>(bytes.begin(), bytes.begin() + keep));
    const LoadPictureResult r = loader.LoadPicture(cut, LoaderMode::FullSizeMode);
    EXPECT_EQ(StatusOf(r), LoadStatus::LoadFailed) << keep;
    EXPECT_FALSE(test::ErrorText(r).empty());
  }
}

}  // namespace
}  // namespace lrw
