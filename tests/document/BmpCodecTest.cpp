#include <gtest/gtest.h>

#include "document/BmpCodec.h"
#include "document/BmpFixture.h"

namespace lrw {
namespace {

using testing::BmpSpec;
using testing::MakeBmp;

constexpr int kW = 5;  // odd, so that every depth needs row padding
constexpr int kH = 3;

// 0x00RRGGBB; the first eight are the primaries every depth can hold exactly.
constexpr uint32_t kColours[16] = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF,
                                   0x00FFFF, 0xFFFFFF, 0x123456, 0x9A8B7C, 0x010203, 0xFEDCBA,
                                   0x808080, 0x7F0001, 0x00807F, 0xC0FFEE};

struct Variant {
  const char* name;
  uint32_t header;
  uint16_t bpp;
  uint32_t compression;
  bool topDown;
  std::array<uint32_t, 3> masks{};
};

int ColourCount(const Variant& v) {
  if (v.bpp <= 8) return std::min(16, 1 << v.bpp);
  return v.bpp == 16 || v.compression == 3 ? 8 : 16;
}

int IndexAt(int x, int y, int count) {
  return (x + 2 * y + y * y) % count;
}

uint32_t PackDirect(uint32_t colour, const Variant& v) {
  std::array<uint32_t, 3> masks = v.masks;
  if (v.compression == 0) {
    masks = v.bpp == 16 ? std::array<uint32_t, 3>{0x7C00, 0x03E0, 0x001F}
                        : std::array<uint32_t, 3>{0xFF0000, 0x00FF00, 0x0000FF};
  }
  uint32_t out = 0;
  const uint32_t comps[3] = {(colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF};
  for (int c = 0; c < 3; ++c) {
    const uint32_t mask = masks[c];
    const int shift = __builtin_ctz(mask);
    const uint32_t max = mask >> shift;
    out |= ((comps[c] * max / 255) << shift) & mask;
  }
  return out;
}

std::vector<uint8_t> PackRows(const Variant& v) {
  const int stride = (kW * v.bpp + 31) / 32 * 4;
  std::vector<uint8_t> data(static_cast<size_t>(stride) * kH, 0);
  const int count = ColourCount(v);
  for (int fy = 0; fy < kH; ++fy) {
    const int y = v.topDown ? fy : kH - 1 - fy;
    uint8_t* row = data.data() + fy * stride;
    for (int x = 0; x < kW; ++x) {
      const int index = IndexAt(x, y, count);
      const uint32_t colour = kColours[index];
      switch (v.bpp) {
        case 1:
          row[x / 8] |= static_cast<uint8_t>(index << (7 - x % 8));
          break;
        case 4:
          row[x / 2] |= static_cast<uint8_t>(index << ((x & 1) ? 0 : 4));
          break;
        case 8:
          row[x] = static_cast<uint8_t>(index);
          break;
        case 16: {
          const uint32_t p = PackDirect(colour, v);
          row[x * 2] = static_cast<uint8_t>(p);
          row[x * 2 + 1] = static_cast<uint8_t>(p >> 8);
          break;
        }
        case 24:
          row[x * 3] = static_cast<uint8_t>(colour);
          row[x * 3 + 1] = static_cast<uint8_t>(colour >> 8);
          row[x * 3 + 2] = static_cast<uint8_t>(colour >> 16);
          break;
        case 32: {
          const uint32_t p = PackDirect(colour, v);
          for (int i = 0; i < 4; ++i) row[x * 4 + i] = static_cast<uint8_t>(p >> (8 * i));
          break;
        }
      }
    }
  }
  return data;
}

std::vector<uint8_t> MakeVariant(const Variant& v) {
  BmpSpec s;
  s.headerSize = v.header;
  s.width = kW;
  s.height = v.topDown ? -kH : kH;
  s.bitCount = v.bpp;
  s.compression = v.compression;
  s.masks = v.masks;
  if (v.bpp <= 8) s.palette.assign(kColours, kColours + (1 << std::min<int>(v.bpp, 4)));
  return MakeBmp(s, PackRows(v));
}

Bitmap Expected(const Variant& v) {
  Bitmap b(kW, kH);
  const int count = ColourCount(v);
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) b.at(x, y) = 0xFF000000u | kColours[IndexAt(x, y, count)];
  }
  return b;
}

constexpr std::array<uint32_t, 3> k565 = {0xF800, 0x07E0, 0x001F};
constexpr std::array<uint32_t, 3> k444 = {0x0F00, 0x00F0, 0x000F};
constexpr std::array<uint32_t, 3> kRedLow = {0x0000FF, 0x00FF00, 0xFF0000};
constexpr std::array<uint32_t, 3> kWide = {0xFFC00000, 0x003FF800, 0x000007FF};  // 10-11-11

const Variant kVariants[] = {
    {"core 1", 12, 1, 0, false},
    {"core 4", 12, 4, 0, false},
    {"core 8", 12, 8, 0, false},
    {"core 24", 12, 24, 0, false},
    {"os2 short 8", 16, 8, 0, false},
    {"os2 short 24", 16, 24, 0, false},
    {"info 1", 40, 1, 0, false},
    {"info 4", 40, 4, 0, false},
    {"info 8", 40, 8, 0, false},
    {"info 16", 40, 16, 0, false},
    {"info 24", 40, 24, 0, false},
    {"info 32", 40, 32, 0, false},
    {"info 1 top-down", 40, 1, 0, true},
    {"info 8 top-down", 40, 8, 0, true},
    {"info 24 top-down", 40, 24, 0, true},
    {"info 32 top-down", 40, 32, 0, true},
    {"info 16 bitfields 565", 40, 16, 3, false, k565},
    {"info 16 bitfields 444", 40, 16, 3, true, k444},
    {"info 32 bitfields red low", 40, 32, 3, false, kRedLow},
    {"info 32 bitfields 10-11-11", 40, 32, 3, false, kWide},
    {"v2 16 bitfields", 52, 16, 3, false, k565},
    {"v2 24", 52, 24, 0, false},
    {"v3 32 bitfields", 56, 32, 3, true, kRedLow},
    {"os2 full 8", 64, 8, 0, false},
    {"os2 full 24", 64, 24, 0, false},
    {"v4 4", 108, 4, 0, false},
    {"v4 16 bitfields", 108, 16, 3, false, k565},
    {"v4 32", 108, 32, 0, true},
    {"v5 1", 124, 1, 0, false},
    {"v5 8", 124, 8, 0, true},
    {"v5 24", 124, 24, 0, false},
    {"v5 32 bitfields", 124, 32, 3, false, kWide},
};

TEST(DecodeBmp, EveryHeaderDepthAndOrder) {
  for (const Variant& v : kVariants) {
    const auto bmp = DecodeBmp(MakeVariant(v));
    ASSERT_TRUE(bmp.has_value()) << v.name << ": " << bmp.error().message;
    EXPECT_EQ(*bmp, Expected(v)) << v.name;
  }
}

TEST(DecodeBmp, EveryTruncationOfUncompressedFilesFails) {
  for (const Variant& v : kVariants) {
    const std::vector<uint8_t> file = MakeVariant(v);
    // The padding of the last row may be missing; any other cut is refused.
    const size_t padding = (kW * v.bpp + 31) / 32 * 4 - (kW * v.bpp + 7) / 8;
    ASSERT_TRUE(DecodeBmp(std::span(file.data(), file.size() - padding))) << v.name;
    for (size_t n = 0; n < file.size() - padding; ++n) {
      const auto bmp = DecodeBmp(std::span(file.data(), n));
      ASSERT_FALSE(bmp.has_value()) << v.name << " cut at " << n;
      EXPECT_FALSE(bmp.error().message.empty());
    }
  }
}

TEST(DecodeBmp, SixteenBitScalesChannelsToEightBits) {
  BmpSpec s;
  s.width = 2;
  s.height = 1;
  s.bitCount = 16;
  // 5-5-5: 16 of 31 is 132 of 255; 1 of 31 is 8.
  const auto bmp = DecodeBmp(MakeBmp(s, {0x10, 0x42, 0x21, 0x04}));
  ASSERT_TRUE(bmp);
  EXPECT_EQ(bmp->at(0, 0), 0xFF848484u);
  EXPECT_EQ(bmp->at(1, 0), 0xFF080808u);
}

TEST(DecodeBmp, ShortColourTableAndMissingOffset) {
  BmpSpec s;
  s.width = 4;
  s.height = 1;
  s.bitCount = 8;
  s.colorsUsed = 2;
  s.palette = {0x112233, 0x445566};
  std::vector<uint8_t> file = MakeBmp(s, {0, 1, 2, 255});
  auto bmp = DecodeBmp(file);
  ASSERT_TRUE(bmp);
  const std::vector<uint32_t> want = {0xFF112233, 0xFF445566, 0xFF000000, 0xFF000000};
  EXPECT_EQ(bmp->pixels, want) << "indices past the table are black";
  file[10] = file[11] = file[12] = file[13] = 0;  // no pixel offset: data follows the table
  bmp = DecodeBmp(file);
  ASSERT_TRUE(bmp);
  EXPECT_EQ(bmp->pixels, want);
}

// RLE images are described in file order: row 0 is the bottom row.
struct RleCase {
  const char* name;
  uint32_t compression;
  int width;
  int height;
  std::vector<uint8_t> data;
  std::vector<int> indices;  // expected palette indices, top row first
};

TEST(DecodeBmp, RunLengthEncodings) {
  const RleCase cases[] = {
      {"rle8 runs, absolute, delta, end of bitmap",
       1,
       5,
       3,
       {0x02, 0x01, 0x00, 0x03, 0x02, 0x03, 0x02, 0x00,  // bottom: 1 1 | 2 3 2 (padded)
        0x00, 0x00,                                      // end of line
        0x00, 0x02, 0x01, 0x01,                          // delta right 1, up 1
        0x03, 0x04, 0x00, 0x01},                         // 4 4 4, end of bitmap
       {0, 4, 4, 4, 0,                                   //
        0, 0, 0, 0, 0,                                   //
        1, 1, 2, 3, 2}},
      {"rle4 runs, absolute with padding, delta",
       2,
       5,
       3,
       {0x05, 0x12, 0x00, 0x00,              // bottom: 1 2 1 2 1
        0x00, 0x05, 0x34, 0x56, 0x70, 0x00,  // 3 4 5 6 7 (three bytes, padded)
        0x00, 0x00,                          // end of line
        0x00, 0x02, 0x02, 0x00, 0x02, 0x99,  // right 2, then 9 9
        0x00, 0x01},
       {0, 0, 9, 9, 0,  //
        3, 4, 5, 6, 7,  //
        1, 2, 1, 2, 1}},
      {"runs past the width are clipped",
       1,
       3,
       2,
       {0xFF, 0x05, 0x00, 0x00, 0x02, 0x06, 0x00, 0x01},
       {6, 6, 0,  //
        5, 5, 5}},
      {"delta past the top stops decoding",
       1,
       2,
       2,
       {0x02, 0x07, 0x00, 0x02, 0x00, 0x09, 0x02, 0x08},
       {0, 0,  //
        7, 7}},
      {"data ending without end of bitmap keeps what was decoded",
       2,
       4,
       1,
       {0x02, 0x3F, 0x00, 0x06, 0x12},
       {3, 15, 0, 0}},
  };
  std::vector<uint32_t> palette;
  for (uint32_t c : kColours) palette.push_back(c);
  for (const RleCase& c : cases) {
    BmpSpec s;
    s.width = c.width;
    s.height = c.height;
    s.bitCount = c.compression == 1 ? 8 : 4;
    s.compression = c.compression;
    s.palette = palette;
    const auto bmp = DecodeBmp(MakeBmp(s, c.data));
    ASSERT_TRUE(bmp.has_value()) << c.name << ": " << bmp.error().message;
    std::vector<uint32_t> want;
    for (int i : c.indices) want.push_back(0xFF000000u | kColours[i]);
    EXPECT_EQ(bmp->pixels, want) << c.name;
  }
}

struct Hostile {
  const char* name;
  std::vector<uint8_t> file;
};

std::vector<uint8_t> Patched(std::vector<uint8_t> f, size_t at, uint32_t value, int bytes = 4) {
  for (int i = 0; i < bytes; ++i) f[at + i] = static_cast<uint8_t>(value >> (8 * i));
  return f;
}

TEST(DecodeBmp, RefusesMalformedAndHostileFiles) {
  BmpSpec s;
  s.width = 4;
  s.height = 4;
  s.bitCount = 24;
  const std::vector<uint8_t> good = MakeBmp(s, std::vector<uint8_t>(48, 0x55));
  ASSERT_TRUE(DecodeBmp(good));
  BmpSpec r = s;
  r.bitCount = 8;
  r.compression = 1;
  r.palette = {0xFFFFFF};
  const std::vector<uint8_t> rle = MakeBmp(r, {0x00, 0x01});
  ASSERT_TRUE(DecodeBmp(rle));
  const Hostile cases[] = {
      {"empty", {}},
      {"not BM", Patched(good, 0, 'X', 1)},
      {"unknown header size", Patched(good, 14, 20)},
      {"header larger than file", Patched(good, 14, 124)},
      {"negative width", Patched(good, 18, 0xFFFFFFFC)},
      {"huge dimensions", Patched(Patched(good, 18, 100000), 22, 100000)},
      {"huge top-down height", Patched(good, 22, 0x80000000)},
      {"huge rle image", Patched(Patched(rle, 18, 40000), 22, 40000)},
      {"rle image too large for its data", Patched(Patched(rle, 18, 1000), 22, 1000)},
      {"depth 7", Patched(good, 28, 7, 2)},
      {"depth 0", Patched(good, 28, 0, 2)},
      {"jpeg compression", Patched(good, 30, 4)},
      {"png compression", Patched(good, 30, 5)},
      {"rle8 at depth 24", Patched(good, 30, 1)},
      {"bitfields at depth 24", Patched(good, 30, 3)},
      {"depth 32 with too little data", Patched(Patched(good, 28, 32, 2), 30, 3)},
      {"wide pixels too few bytes", Patched(good, 18, 5)},
      {"pixel offset in the header", Patched(good, 10, 20)},
      {"pixel offset past the end", Patched(good, 10, 0xFFFFFF00)},
  };
  for (const Hostile& h : cases) {
    const auto bmp = DecodeBmp(h.file);
    ASSERT_FALSE(bmp.has_value()) << h.name;
    EXPECT_FALSE(bmp.error().message.empty()) << h.name;
  }
}

TEST(DecodeBmp, ShortRunLengthDataMayLeaveASmallImageUnpainted) {
  BmpSpec s;
  s.width = 64;
  s.height = 64;
  s.bitCount = 8;
  s.compression = 1;
  s.palette = {0x336699};
  const auto bmp = DecodeBmp(MakeBmp(s, {0x00, 0x01}));
  ASSERT_TRUE(bmp);
  EXPECT_EQ(bmp->pixels, std::vector<uint32_t>(64 * 64, 0xFF336699u));
}

TEST(DecodeBmp, ZeroSizedImageIsEmpty) {
  BmpSpec s;
  s.width = 0;
  s.height = 3;
  const auto bmp = DecodeBmp(MakeBmp(s, {}));
  ASSERT_TRUE(bmp);
  EXPECT_TRUE(bmp->empty());
}

TEST(EncodeBmp, WritesTwentyFourBitBottomUpFile) {
  Bitmap b(3, 2);
  b.at(0, 0) = 0xFF102030;
  b.at(2, 1) = 0xFFA0B0C0;
  const std::vector<uint8_t> f = EncodeBmp(b);
  const size_t stride = 12;  // 9 bytes of pixels padded to 12
  ASSERT_EQ(f.size(), 54 + stride * 2);
  auto le32 = [&](size_t at) {
    return f[at] | (f[at + 1] << 8) | (f[at + 2] << 16) | (static_cast<uint32_t>(f[at + 3]) << 24);
  };
  EXPECT_EQ(f[0], 'B');
  EXPECT_EQ(f[1], 'M');
  EXPECT_EQ(le32(2), f.size()) << "the file size field equals the block length";
  EXPECT_EQ(le32(6), 0u);
  EXPECT_EQ(le32(10), 54u);
  EXPECT_EQ(le32(14), 40u);
  EXPECT_EQ(le32(18), 3u);
  EXPECT_EQ(le32(22), 2u) << "positive height: bottom-up";
  EXPECT_EQ(f[28], 24);
  EXPECT_EQ(le32(30), 0u);
  // Bottom row first: pixel (2,1) is in the first row, blue first.
  EXPECT_EQ(f[54 + 6], 0xC0);
  EXPECT_EQ(f[54 + 7], 0xB0);
  EXPECT_EQ(f[54 + 8], 0xA0);
  EXPECT_EQ(f[54 + stride], 0x30);
  EXPECT_EQ(f[54 + stride + 2], 0x10);
  EXPECT_EQ(DecodeBmp(f).value_or(Bitmap()), b);
}

TEST(EncodeBmp, RoundTripsEveryWidthAndEmptyGivesNoBytes) {
  EXPECT_TRUE(EncodeBmp(Bitmap()).empty());
  for (int w = 1; w <= 9; ++w) {
    Bitmap b(w, 60 / w);
    for (size_t i = 0; i < b.pixels.size(); ++i) {
      b.pixels[i] = 0xFF000000u | static_cast<uint32_t>(i * 0x010305 + w * 0x0F0F0F) % 0xFFFFFF;
    }
    EXPECT_EQ(DecodeBmp(EncodeBmp(b)).value_or(Bitmap()), b) << "width " << w;
  }
}

}  // namespace
}  // namespace lrw
