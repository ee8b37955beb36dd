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
  LoadStatus status = NotHandled;
  std::string text;
  long grewKilobytes = -1;  // peak resident size in the child above what it started with
};

ChildDecode DecodeInChild(const std::string& path, LoaderMode mode) {
  TLoadPictureModule loader;  // made here, so that its start-up is not counted
  int pipeFds[2];
  if (::pipe(pipeFds) != 0) return {};
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipeFds[0]);
    const long start = StatusKilobytes("VmRSS:");
    const LoadPictureResult r = loader.LoadPicture(path, mode);
    const long grew = StatusKilobytes("VmHWM:") - start;
    const std::string report =
        std::to_string(static_cast<int>(r.status)) + " " + std::to_string(grew) + " " + r.errorText;
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

void PutBe16(std::vector<uint8_t>& f, unsigned v) {
  f.push_back(static_cast<uint8_t>(v >> 8));
  f.push_back(static_cast<uint8_t>(v));
}
void PutBe32(std::vector<uint8_t>& f, uint32_t v) {
  PutBe16(f, v >> 16);
  PutBe16(f, v & 0xFFFF);
}
void PutLe16(std::vector<uint8_t>& f, unsigned v) {
  f.push_back(static_cast<uint8_t>(v));
  f.push_back(static_cast<uint8_t>(v >> 8));
}

// An ILBM picture of `planes` planes whose BODY holds `body`.
std::vector<uint8_t> Iff(int w, int h, int planes, bool packed, const std::vector<uint8_t>& body) {
  std::vector<uint8_t> f = {'F', 'O', 'R', 'M', 0, 0, 0, 0, 'I', 'L', 'B', 'M', 'B', 'M', 'H', 'D'};
  PutBe32(f, 20);
  PutBe16(f, w);
  PutBe16(f, h);
  PutBe32(f, 0);
  f.insert(f.end(), {static_cast<uint8_t>(planes), 0, static_cast<uint8_t>(packed), 0});
  PutBe16(f, 0);
  f.insert(f.end(), {10, 11});
  PutBe16(f, w);
  PutBe16(f, h);
  f.insert(f.end(), {'B', 'O', 'D', 'Y'});
  PutBe32(f, static_cast<uint32_t>(body.size()));
  f.insert(f.end(), body.begin(), body.end());
  if (body.size() % 2) f.push_back(0);
  const uint32_t form = static_cast<uint32_t>(f.size() - 8);
  for (int i = 0; i < 4; ++i) f[4 + i] = static_cast<uint8_t>(form >> (24 - 8 * i));
  return f;
}

// The most an ILBM body can be packed: every row runs of 128 zero bytes, two bytes each.
std::vector<uint8_t> PackedRows(int w, int h, int planes) {
  std::vector<uint8_t> body;
  for (int y = 0; y < h; ++y) {
    for (int left = (w + 15) / 16 * 2 * planes; left > 0; left -= 128) {
      body.push_back(static_cast<uint8_t>(1 - std::min(left, 128)));
      body.push_back(0);
    }
  }
  return body;
}

std::vector<uint8_t> GemImg(int w, int h, int planes, const std::vector<uint8_t>& body) {
  std::vector<uint8_t> f;
  for (unsigned v : {1u, 8u, static_cast<unsigned>(planes), 2u, 85u, 85u, static_cast<unsigned>(w),
                     static_cast<unsigned>(h)}) {
    PutBe16(f, v);
  }
  f.insert(f.end(), body.begin(), body.end());
  return f;
}

// The most a GEM picture can be packed: each line repeated 255 times, of solid runs.
std::vector<uint8_t> RepeatedSolidLines(int w, int h, int planes) {
  std::vector<uint8_t> group = {0x00, 0x00, 0xFF, 0xFF};
  for (int p = 0; p < planes; ++p) {
    for (int left = (w + 7) / 8; left > 0; left -= 127) {
      group.push_back(static_cast<uint8_t>(std::min(left, 127)));
    }
  }
  std::vector<uint8_t> body;
  for (int y = 0; y < h; y += 255) body.insert(body.end(), group.begin(), group.end());
  return body;
}

std::vector<uint8_t> Msp2(int w, int h, unsigned rowSize) {
  std::vector<uint8_t> f = {'L', 'i', 'n', 'S'};
  PutLe16(f, w);
  PutLe16(f, h);
  f.resize(32, 0);
  for (int y = 0; y < h; ++y) PutLe16(f, rowSize);
  return f;
}

std::vector<uint8_t> PcPaintPic(int w, int h, const std::vector<uint8_t>& data, int blocks) {
  std::vector<uint8_t> f;
  PutLe16(f, 0x1234);
  PutLe16(f, w);
  PutLe16(f, h);
  f.insert(f.end(), {0, 0, 0, 0, 0x08, 0xFF, 0x13, 0, 0, 0, 0});
  PutLe16(f, blocks);
  f.insert(f.end(), data.begin(), data.end());
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
  const int n = 4096;
  const std::vector<std::pair<std::string, std::vector<uint8_t>>> files = {
      {"packed.iff", Iff(n, n, 8, true, {0x81, 0, 0x81, 0})},
      {"raw.lbm", Iff(n, n, 8, false, std::vector<uint8_t>(4096, 0))},
      {"packed.img", GemImg(n, n, 8, {0, 0, 0xFF, 0xFF, 0x7F})},
      {"rows.msp", Msp2(n, n, 200)},
      {"raw.pic", PcPaintPic(n, n, std::vector<uint8_t>(100, 7), 0)},
      {"packed.pic", PcPaintPic(n, n, {10, 0, 100, 0, 0, 0, 0, 0xFF, 0xFF, 7}, 1)},
  };
  for (const auto& [name, bytes] : files) {
    const std::string path = dir.File(name);
    test::WriteFile(path, bytes);
    const ChildDecode r = DecodeInChild(path, ThumbnailMode);
    EXPECT_EQ(r.status, LoadFailed) << name;
    EXPECT_NE(r.text.find("truncated"), std::string::npos) << name << ":" << r.text;
    // The 4096 x 4096 bitmap alone would be 64 MB.
    EXPECT_LT(r.grewKilobytes, 16 * 1024) << name;
  }
}

TEST(MemoryBound, PicturesPackedAsTightlyAsTheirFormatAllowsAreRead) {
  test::TempDir dir;
  const int w = 2000, h = 1500;
  const std::vector<std::pair<std::string, std::vector<uint8_t>>> files = {
      {"packed.iff", Iff(w, h, 24, true, PackedRows(w, h, 24))},
      {"packed.img", GemImg(w, h, 4, RepeatedSolidLines(w, h, 4))},
      {"white.msp", Msp2(w, h, 0)},
  };
  TLoadPictureModule loader;
  for (const auto& [name, bytes] : files) {
    const std::string path = dir.File(name);
    test::WriteFile(path, bytes);
    const LoadPictureResult r = loader.LoadPicture(path, FullSizeMode);
    EXPECT_EQ(r.status, Loaded) << name << ": " << r.errorText;
    EXPECT_EQ(r.bitmap.width, w) << name;
    EXPECT_EQ(r.bitmap.height, h) << name;
  }
}

// 12000 x 9000 is 108 megapixels, over four times the decoded-pixel limit: the import
// reads it at 1/8, the show at the largest scale within the limit.
TEST(MemoryBound, A108MegapixelPhotoComesInAtAReducedScale) {
  test::TempDir dir;
  const std::string path = dir.File("photo.jpg");
  WriteLargeJpeg(path, 12000, 9000);

  const ChildDecode thumbnail = DecodeInChild(path, ThumbnailMode);
  EXPECT_EQ(thumbnail.status, Loaded) << thumbnail.text;
  EXPECT_LT(thumbnail.grewKilobytes, 64 * 1024);
  const ChildDecode full = DecodeInChild(path, FullSizeMode);
  EXPECT_EQ(full.status, LoadFailed);
  EXPECT_NE(full.text.find("too large"), std::string::npos) << full.text;

  SlideShowDocument doc;
  struct Silent : Prompts {
    std::vector<std::string> texts;
    void Beep(BeepKind) override {}
    PromptAnswer Ask(const std::string& text, const std::string&, PromptIcon, PromptButtons,
                     PromptAnswer) override {
      texts.push_back(text);
      return PromptAnswer::Ok;
    }
  } prompts;
  TLoadPictureModule loader;
  const PictureImportContext context{
      doc, -1, 1920, 1080, prompts, loader, [](const std::string&) { return false; }};
  ASSERT_EQ(AddPictureSlide(context, path), 0) << (prompts.texts.empty() ? "" : prompts.texts[0]);
  EXPECT_EQ(doc.SlideAt(0).ImageWidth, 12000);
  EXPECT_EQ(doc.SlideAt(0).ImageHeight, 9000);

  // Drawn at its own size, it is decoded at the largest scale the limit allows (3/8).
  const LoadPictureResult shown = loader.LoadPictureForSize(path, 12000, 9000);
  ASSERT_EQ(shown.status, Loaded) << shown.errorText;
  EXPECT_EQ(shown.bitmap.width, 4500);
  EXPECT_EQ(shown.bitmap.height, 3375);
  EXPECT_EQ(shown.fullWidth, 12000);
}

}  // namespace
}  // namespace lrw
