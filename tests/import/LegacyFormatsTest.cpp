// Our own decoders on their variants: ByteRun1 and plain IFF, EHB, HAM, 24-bit,
// GEM IMG planes and replication, both Paint versions, PC Paint planar and packed.
#include "import/formats/LegacyFormats.h"

#include <gtest/gtest.h>

#include "PictureFixtures.h"
#include "import/DecodedPicture.h"

namespace lrw {
namespace {

using test::IndexedPicture;

// A picture whose every pixel uses a different index (mod count), to catch
// plane-order and bit-order mistakes.
IndexedPicture Gradient(int w, int h, int count) {
  IndexedPicture p;
  p.width = w;
  p.height = h;
  for (int i = 0; i < count; ++i) {
    p.palette.push_back(0xFF000000u | static_cast<uint32_t>((i * 37) % 256) << 16 |
                        static_cast<uint32_t>((i * 91) % 256) << 8 |
                        static_cast<uint32_t>((i * 13) % 256));
  }
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p.index.push_back(static_cast<uint8_t>((x + 3 * y) % count));
  return p;
}

TEST(IffDecoder, PlanarAndChunkyInEveryDepth) {
  for (int planes = 1; planes <= 8; ++planes) {
    const IndexedPicture p = Gradient(37, 11, 1 << planes);
    for (bool compress : {false, true}) {
      EXPECT_EQ(formats::DecodeIff(test::IlbmFile(p, planes, compress)).value(), p.ToBitmap())
          << planes << " planes, compressed " << compress;
    }
  }
  const IndexedPicture p = Gradient(33, 7, 256);
  EXPECT_EQ(formats::DecodeIff(test::IlbmFile(p, 8, true, 0, true)).value(), p.ToBitmap());
}

TEST(IffDecoder, ExtraHalfBriteHalvesTheUpperColours) {
  IndexedPicture p = Gradient(64, 2, 64);
  p.palette.resize(32);
  const Bitmap b = formats::DecodeIff(test::IlbmFile(p, 6, true, 0x80)).value();
  EXPECT_EQ(b.at(5, 0), p.palette[5]);
  EXPECT_EQ(b.at(32 + 5, 0), 0xFF000000u | ((p.palette[5] >> 1) & 0x7F7F7F));
}

TEST(IffDecoder, HoldAndModifyChangesOneComponent) {
  IndexedPicture p;
  p.width = 3;
  p.height = 1;
  p.palette.assign(16, 0xFF000000u);
  p.palette[1] = 0xFF122334u;
  // Pixel 0: palette 1; pixel 1: modify red to 0xF; pixel 2: modify blue to 0x8.
  p.index = {0x01, 0x20 | 0x0F, 0x10 | 0x08};
  const Bitmap b = formats::DecodeIff(test::IlbmFile(p, 6, false, 0x800)).value();
  EXPECT_EQ(b.at(0, 0), 0xFF122334u);
  EXPECT_EQ(b.at(1, 0), 0xFFFF2334u);
  EXPECT_EQ(b.at(2, 0), 0xFFFF2388u);
}

TEST(IffDecoder, FourBitPalettesAreWidened) {
  // Early writers stored 0xF0 for full intensity.
  IndexedPicture p = Gradient(4, 1, 2);
  p.palette = {0xFF000000u, 0xFFF0A000u};
  EXPECT_EQ(formats::DecodeIff(test::IlbmFile(p, 1, false)).value().at(1, 0), 0xFFFFAA00u);
}

TEST(IffDecoder, RejectsWhatItCannotRead) {
  const IndexedPicture p = Gradient(8, 8, 4);
  std::vector<uint8_t> other = test::IlbmFile(p, 2, false);
  std::copy_n("8SVX", 4, other.begin() + 8);
  EXPECT_FALSE(formats::DecodeIff(other).has_value());
  std::vector<uint8_t> truncated = test::IlbmFile(p, 2, true);
  truncated.resize(truncated.size() - 6);
  EXPECT_FALSE(formats::DecodeIff(truncated).has_value());
}

TEST(GemImgDecoder, PlanesReplicationAndRuns) {
  // Rows repeat in pairs so vertical replication is used; wide solid areas use
  // solid runs, the rest literal and pattern runs.
  for (int planes : {1, 2, 4}) {
    IndexedPicture p = Gradient(50, 12, 1 << planes);
    for (int y = 1; y < p.height; y += 2)
      for (int x = 0; x < p.width; ++x) p.index[y * p.width + x] = p.At(x, y - 1);
    for (int x = 0; x < 24; ++x) p.index[x] = 0;
    const Bitmap b = formats::DecodeGemImg(test::GemImgFile(p, planes)).value();
    ASSERT_EQ(b.width, 50);
    ASSERT_EQ(b.height, 12);
    // Same index, same colour, whatever the default palette is.
    for (int y = 0; y < p.height; ++y)
      for (int x = 1; x < p.width; ++x)
        EXPECT_EQ(b.at(x, y) == b.at(0, 0), p.At(x, y) == p.At(0, 0)) << x << "," << y;
  }
}

TEST(MspDecoder, BothVersions) {
  const IndexedPicture p = Gradient(29, 9, 2);
  for (int version : {1, 2}) {
    const Bitmap b = formats::DecodeMsp(test::MspFile(p, version)).value();
    ASSERT_EQ(b.width, 29);
    for (int y = 0; y < 9; ++y)
      for (int x = 0; x < 29; ++x)
        EXPECT_EQ(b.at(x, y), p.At(x, y) ? test::kWhite : test::kBlack) << version;
  }
  std::vector<uint8_t> bad = test::MspFile(p, 2);
  bad[0] = 'X';
  EXPECT_FALSE(formats::DecodeMsp(bad).has_value());
}

TEST(PcPaintPicDecoder, PackedAndPlanarCompressedOrNot) {
  const IndexedPicture p256 = Gradient(31, 13, 256);
  const IndexedPicture p16 = Gradient(31, 13, 16);
  for (bool compress : {false, true}) {
    const Bitmap b = formats::DecodePcPaintPic(test::PcPaintPicFile(p256, false, compress)).value();
    const Bitmap c = formats::DecodePcPaintPic(test::PcPaintPicFile(p16, true, compress)).value();
    for (int y = 0; y < 13; ++y)
      for (int x = 0; x < 31; ++x) {
        // Six-bit palette values come back scaled to eight bits.
        EXPECT_LE(test::ColorDistance(b.at(x, y), p256.palette[p256.At(x, y)]), 4);
        EXPECT_LE(test::ColorDistance(c.at(x, y), p16.palette[p16.At(x, y)]), 4);
      }
  }
}

}  // namespace
}  // namespace lrw
