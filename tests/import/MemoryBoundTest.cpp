// What decoding one picture may take: files that declare more than they hold are
// refused before their pixels are allocated, and a photo larger than the decoded-pixel
// limit still comes in at a reduced scale. Each decode runs in a child process of its
// own, whose growth in memory is measured.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

#include "PictureFixtures.h"
#include "import/AddPictureSlide.h"
#include "import/LoadPicture.h"
#include "support/FakePrompts.h"

namespace lrw {
namespace {

// A field of /proc/self/status, in kilobytes.
long StatusKilobytes(const char* field) {
  std::ifstream in("/proc/self/status");
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind(field, 0) == 0) return std::stol(line.substr(std::strlen(field)));
  }
  return -1;
}

struct ChildDecode {
  LoadStatus status = LoadStatus::NotHandled;
  std::string text;
  long grewKilobytes = -1;  // peak resident size in the child above what it started with
};

ChildDecode DecodeInChild(const std::string& path, LoaderMode mode) {
  LoadPictureModule loader;  // made here, so that its start-up is not counted
  int pipeFds[2];
  if (::pipe(pipeFds) != 0) return {};
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipeFds[0]);
    const long start = StatusKilobytes("VmRSS:");
    const LoadPictureResult r = loader.LoadPicture(path, mode);
    const long grew = StatusKilobytes("VmHWM:") - start;
    const std::string report = std::to_string(static_cast<int>(StatusOf(r))) + " " +
                               std::to_string(grew) + " " + test::ErrorText(r);
    if (::write(pipeFds[1], report.data(), report.size()) < 0) ::_exit(1);
    ::_exit(0);
  }
  ::close(pipeFds[1]);
  std::string report;
  char buffer[512];
  for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;) report.append(buffer, n);
  ::close(pipeFds[0]);
  ::waitpid(child, nullptr, 0);
  ChildDecode result;
  std::istringstream in(report);
  int status = 0;
  in >> status >> result.grewKilobytes;
  std::getline(in, result.text);
  result.status = static_cast<LoadStatus>(status);
  return result;
}

// A small picture of our own writers with a declared size of `side` x `side`, the width
// and the height as two 16-bit numbers at `at`.
std::vector<uint8_t> Declaring(std::vector<uint8_t> f, size_t at, bool bigEndian, unsigned side) {
  for (size_t i : {at, at + 2}) {
    f[i + (bigEndian ? 0 : 1)] = static_cast<uint8_t>(side >> 8);
    f[i + (bigEndian ? 1 : 0)] = static_cast<uint8_t>(side);
  }
  return f;
}

// Microsoft Paint 2: a table saying each row holds `rowSize` packed bytes, and no rows.
std::vector<uint8_t> Msp2(int w, int h, unsigned rowSize) {
  std::vector<uint8_t> f = {'L',
                            'i',
                            'n',
                            'S',
                            static_cast<uint8_t>(w),
                            static_cast<uint8_t>(w >> 8),
                            static_cast<uint8_t>(h),
                            static_cast<uint8_t>(h >> 8)};
  f.resize(32, 0);
  for (int y = 0; y < h; ++y) f.insert(f.end(), {static_cast<uint8_t>(rowSize), 0});
  return f;
}

// A solid-colour JPEG written a row at a time, so that writing it takes no more
// memory than one row.
void WriteLargeJpeg(const std::string& path, int w, int h) {
  std::FILE* out = std::fopen(path.c_str(), "wb");
  ASSERT_NE(out, nullptr);
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr errors{};
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, out);
  cinfo.image_width = static_cast<JDIMENSION>(w);
  cinfo.image_height = static_cast<JDIMENSION>(h);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<JSAMPLE> row(static_cast<size_t>(w) * 3);
  for (size_t i = 0; i < row.size(); i += 3) row[i] = 200;  // red
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::fclose(out);
}

TEST(MemoryBound, FilesThatCannotHoldWhatTheyDeclareAreRefusedBeforeAllocating) {
  test::TempDir dir;
  // 4096 x 4096 is within the pixel limit: only the data can give these away.
  const unsigned n = 4096;
  const test::IndexedPicture small =
      test::Quadrants(16, 16, {test::kRed, test::kGreen, test::kBlue, test::kWhite});
  const std::vector<std::pair<std::string, std::vector<uint8_t>>> files = {
      {"packed.iff", Declaring(test::IlbmFile(small, 8, true), 20, true, n)},
      {"raw.lbm", Declaring(test::IlbmFile(small, 8, false), 20, true, n)},
      {"packed.img", Declaring(test::GemImgFile(small, 4), 12, true, n)},
      {"rows.msp", Msp2(n, n, 200)},
      {"raw.pic", Declaring(test::PcPaintPicFile(small, false, false), 2, false, n)},
      {"packed.pic", Declaring(test::PcPaintPicFile(small, false, true), 2, false, n)},
  };
  for (const auto& [name, bytes] : files) {
    const std::string path = dir.File(name);
    test::WriteFile(path, bytes);
    const ChildDecode r = DecodeInChild(path, LoaderMode::ThumbnailMode);
    EXPECT_EQ(r.status, LoadStatus::LoadFailed) << name;
    EXPECT_NE(r.text.find("truncated"), std::string::npos) << name << ":" << r.text;
    // The 4096 x 4096 bitmap alone would be 64 MB.
    EXPECT_LT(r.grewKilobytes, 16 * 1024) << name;
  }
}

TEST(MemoryBound, PicturesPackedAsTightlyAsTheirFormatAllowsAreRead) {
  test::TempDir dir;
  const int w = 2000, h = 1500;
  // One colour: runs as long as the format allows, and GEM repeats each line 255 times.
  const test::IndexedPicture plain{w, h, std::vector<uint8_t>(size_t{w} * h, 0), {test::kBlack}};
  const std::vector<std::pair<std::string, std::vector<uint8_t>>> files = {
      {"packed.iff", test::IlbmFile(plain, 24, true)},
      {"packed.img", test::GemImgFile(plain, 4)},
  };
  LoadPictureModule loader;
  for (const auto& [name, bytes] : files) {
    const std::string path = dir.File(name);
    test::WriteFile(path, bytes);
    const LoadPictureResult r = loader.LoadPicture(path, LoaderMode::FullSizeMode);
    EXPECT_EQ(StatusOf(r), LoadStatus::Loaded) << name << ": " << test::ErrorText(r);
    EXPECT_EQ(r->bitmap.width, w) << name;
    EXPECT_EQ(r->bitmap.height, h) << name;
  }
}

// 12000 x 9000 is 108 megapixels, over four times the decoded-pixel limit: the import
// reads it at 1/8, the show at the largest scale within the limit.
TEST(MemoryBound, A108MegapixelPhotoComesInAtAReducedScale) {
  test::TempDir dir;
  const std::string path = dir.File("photo.jpg");
  WriteLargeJpeg(path, 12000, 9000);

  const ChildDecode thumbnail = DecodeInChild(path, LoaderMode::ThumbnailMode);
  EXPECT_EQ(thumbnail.status, LoadStatus::Loaded) << thumbnail.text;
  EXPECT_LT(thumbnail.grewKilobytes, 64 * 1024);
  const ChildDecode full = DecodeInChild(path, LoaderMode::FullSizeMode);
  EXPECT_EQ(full.status, LoadStatus::LoadFailed);
  EXPECT_NE(full.text.find("too large"), std::string::npos) << full.text;

  SlideShowDocument doc;
  test::FakePrompts prompts;
  LoadPictureModule loader;
  const PictureImportContext context{
      doc, -1, 1920, 1080, prompts, loader, [](const std::string&) { return false; }};
  ASSERT_EQ(AddPictureSlide(context, path), 0)
      << (prompts.asked.empty() ? "" : prompts.asked[0].text);
  EXPECT_EQ(doc.SlideAt(0).ImageWidth, 12000);
  EXPECT_EQ(doc.SlideAt(0).ImageHeight, 9000);

  // Drawn at its own size, it is decoded at the largest scale the limit allows (3/8).
  const LoadPictureResult shown = loader.LoadPictureForSize(path, 12000, 9000);
  ASSERT_EQ(StatusOf(shown), LoadStatus::Loaded) << test::ErrorText(shown);
  EXPECT_EQ(shown->bitmap.width, 4500);
  EXPECT_EQ(shown->bitmap.height, 3375);
  EXPECT_EQ(shown->fullWidth, 12000);
}

}  // namespace
}  // namespace lrw
