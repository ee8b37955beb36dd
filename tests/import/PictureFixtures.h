// Writers of small test pictures in every format of the picture format table:
// GraphicsMagick for the formats it writes, small writers of our own for the rest.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/Result.h"
#include "document/Bitmap.h"

namespace lrw::test {

inline constexpr uint32_t kRed = 0xFFFF0000u;
inline constexpr uint32_t kGreen = 0xFF00FF00u;
inline constexpr uint32_t kBlue = 0xFF0000FFu;
inline constexpr uint32_t kWhite = 0xFFFFFFFFu;
inline constexpr uint32_t kBlack = 0xFF000000u;

// A palette picture: one index a pixel, row by row.
struct IndexedPicture {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> index;
  std::vector<uint32_t> palette;  // 0xFFRRGGBB

  uint8_t At(int x, int y) const { return index[static_cast<size_t>(y) * width + x]; }
  Bitmap ToBitmap() const;
};

// Four quadrants of palette entries 0 (top left), 1 (top right), 2 (bottom left)
// and 3 (bottom right).
IndexedPicture Quadrants(int width, int height, std::vector<uint32_t> palette);

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);

// GraphicsMagick writes `picture` as `magick` ("PNG", "JPEG", ...).
void WriteWithMagick(const Bitmap& picture, const std::string& path, const std::string& magick);

// Our own writers. The IFF writer packs with ByteRun1 when `compress`.
std::vector<uint8_t> IlbmFile(const IndexedPicture& p, int planes, bool compress, uint32_t camg = 0,
                              bool chunky = false);
std::vector<uint8_t> GemImgFile(const IndexedPicture& p, int planes);
std::vector<uint8_t> MspFile(const IndexedPicture& p, int version);  // index 1 = white
std::vector<uint8_t> PcPaintPicFile(const IndexedPicture& p, bool planar, bool compress);
std::vector<uint8_t> MacPaintFile(const IndexedPicture& p);  // 576 x 720, index 1 = black
std::vector<uint8_t> IconFile(const Bitmap& p, bool cursor);
std::vector<uint8_t> Rle8BmpFile(const IndexedPicture& p);
std::vector<uint8_t> HrzFile(const Bitmap& p);  // 256 x 240
std::vector<uint8_t> DrHaloCutFile(const IndexedPicture& p);
std::vector<uint8_t> WpgFile(const IndexedPicture& p);
std::vector<uint8_t> WmfFile(int width, int height, uint32_t fill);

// A short video of `frames` frames through FFmpeg (MPEG-4 in AVI): the first
// frame is the quadrants red, green, blue, white. Without video, only audio.
void WriteAvi(const std::string& path, int width, int height, int frames, bool withVideo = true);

// A temporary folder removed with the object.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// Channel distance of two pixels, for lossy formats.
int ColorDistance(uint32_t a, uint32_t b);

// The failure's text; empty when it did not fail.
template <typename T>
std::string ErrorText(const Result<T>& result) {
  return result ? std::string() : result.error().message;
}

}  // namespace lrw::test
