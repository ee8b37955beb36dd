#include "document/BmpCodec.h"

#include <algorithm>
#include <array>
#include <bit>

#include "document/LittleEndian.h"

namespace lrw {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;
constexpr uint64_t kMaxRlePixelsPerByte = 256;
constexpr uint64_t kRleAllowancePixels = 4096;

// The header's compression field, a number from the file that may be any value.
constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiRle8 = 1;
constexpr uint32_t kBiRle4 = 2;
constexpr uint32_t kBiBitfields = 3;
constexpr uint32_t kBiAlphaBitfields = 6;

uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) {
  return 0xFF000000u | (r << 16) | (g << 8) | b;
}

// One colour channel of a 16- or 32-bit pixel, scaled to 8 bits.
class Channel {
 public:
  explicit Channel(uint32_t mask) : mask_(mask) {
    if (mask == 0) return;
    shift_ = std::countr_zero(mask);
    max_ = (uint64_t{1} << std::bit_width(mask >> shift_)) - 1;
  }
  uint32_t Extract(uint32_t pixel) const {
    if (mask_ == 0) return 0;
    const uint64_t v = (pixel & mask_) >> shift_;
    return static_cast<uint32_t>((v * 255 + max_ / 2) / max_);
  }

 private:
  uint32_t mask_;
  int shift_ = 0;
  uint64_t max_ = 1;
};

struct Header {
  uint32_t size = 0;
  int64_t width = 0;
  int64_t height = 0;  // positive; topDown tells the row order
  bool topDown = false;
  uint16_t bitCount = 0;
  uint32_t compression = kBiRgb;
  uint32_t colorsUsed = 0;
  std::array<uint32_t, 3> masks{};
  bool hasMasks = false;
  size_t paletteEntrySize = 4;
};

bool KnownHeaderSize(uint32_t size) {
  switch (size) {
    case 12:
    case 16:
    case 40:
    case 52:
    case 56:
    case 64:
    case 108:
    case 124:
      return true;
    default:
      return false;
  }
}

bool ValidDepth(const Header& h) {
  switch (h.compression) {
    case kBiRgb:
      return h.bitCount == 1 || h.bitCount == 4 || h.bitCount == 8 || h.bitCount == 16 ||
             h.bitCount == 24 || h.bitCount == 32;
    case kBiRle8:
      return h.bitCount == 8;
    case kBiRle4:
      return h.bitCount == 4;
    case kBiBitfields:
    case kBiAlphaBitfields:
      return h.bitCount == 16 || h.bitCount == 32;
    default:
      return false;
  }
}

// Writes pixel (x, y) where y counts rows in file order; clipped to the image.
class RowWriter {
 public:
  RowWriter(Bitmap& bmp, bool topDown) : bmp_(bmp), topDown_(topDown) {}
  void Put(int64_t x, int64_t y, uint32_t pixel) {
    if (x < 0 || y < 0 || x >= bmp_.width || y >= bmp_.height) return;
    const int row = topDown_ ? static_cast<int>(y) : bmp_.height - 1 - static_cast<int>(y);
    bmp_.at(static_cast<int>(x), row) = pixel;
  }

 private:
  Bitmap& bmp_;
  bool topDown_;
};

void DecodeRle(std::span<const uint8_t> data, bool rle4, const std::array<uint32_t, 256>& palette,
               Bitmap& bmp, bool topDown) {
  RowWriter out(bmp, topDown);
  const int64_t w = bmp.width;
  const int64_t h = bmp.height;
  int64_t x = 0;
  int64_t y = 0;
  size_t p = 0;
  const size_t end = data.size();
  while (p + 2 <= end && y < h) {
    const uint8_t count = data[p];
    const uint8_t value = data[p + 1];
    p += 2;
    if (count > 0) {
      // Encoded run; RLE4 alternates the two nibbles of the value byte.
      const int64_t n = std::min<int64_t>(count, w - std::min(x, w));
      for (int64_t i = 0; i < n; ++i) {
        const uint8_t index = rle4 ? ((i & 1) ? (value & 0x0F) : (value >> 4)) : value;
        out.Put(x + i, y, palette[index]);
      }
      x = std::min(x + count, w);
      continue;
    }
    switch (value) {
      case 0:  // end of line
        x = 0;
        ++y;
        break;
      case 1:  // end of bitmap
        return;
      case 2:  // delta: move right and up (in file order)
        if (p + 2 > end) return;
        x = std::min(x + data[p], w);
        y += data[p + 1];
        p += 2;
        break;
      default: {  // absolute run of `value` pixels, padded to a 16-bit boundary
        const size_t bytes = rle4 ? (value + 1u) / 2 : value;
        const size_t padded = bytes + (bytes & 1u);
        if (p + bytes > end) return;
        for (int i = 0; i < value; ++i) {
          const uint8_t b = data[p + (rle4 ? i / 2 : i)];
          const uint8_t index = rle4 ? ((i & 1) ? (b & 0x0F) : (b >> 4)) : b;
          out.Put(x + i, y, palette[index]);
        }
        x = std::min(x + value, w);
        p = std::min(p + padded, end);
        break;
      }
    }
  }
}

bool DecodeUncompressed(std::span<const uint8_t> data, const Header& hd,
                        const std::array<uint32_t, 256>& palette, Bitmap& bmp) {
  const uint64_t w = static_cast<uint64_t>(hd.width);
  const uint64_t h = static_cast<uint64_t>(hd.height);
  const uint64_t stride = (w * hd.bitCount + 31) / 32 * 4;
  const uint64_t lastRow = (w * hd.bitCount + 7) / 8;
  if (stride * (h - 1) + lastRow > data.size()) return false;

  uint32_t defaultMasks[3] = {0x7C00, 0x03E0, 0x001F};
  if (hd.bitCount == 32) {
    defaultMasks[0] = 0xFF0000;
    defaultMasks[1] = 0x00FF00;
    defaultMasks[2] = 0x0000FF;
  }
  const bool useMasks = hd.compression == kBiBitfields || hd.compression == kBiAlphaBitfields;
  const Channel red(useMasks ? hd.masks[0] : defaultMasks[0]);
  const Channel green(useMasks ? hd.masks[1] : defaultMasks[1]);
  const Channel blue(useMasks ? hd.masks[2] : defaultMasks[2]);

  RowWriter out(bmp, hd.topDown);
  for (uint64_t y = 0; y < h; ++y) {
    const uint8_t* row = data.data() + y * stride;
    for (uint64_t x = 0; x < w; ++x) {
      uint32_t pixel = 0;
      switch (hd.bitCount) {
        case 1:
          pixel = palette[(row[x / 8] >> (7 - x % 8)) & 1];
          break;
        case 4:
          pixel = palette[(x & 1) ? (row[x / 2] & 0x0F) : (row[x / 2] >> 4)];
          break;
        case 8:
          pixel = palette[row[x]];
          break;
        case 16: {
          const uint32_t v = ReadLe16(row + x * 2);
          pixel = Rgb(red.Extract(v), green.Extract(v), blue.Extract(v));
          break;
        }
        case 24:
          pixel = Rgb(row[x * 3 + 2], row[x * 3 + 1], row[x * 3]);
          break;
        case 32: {
          const uint32_t v = ReadLe32(row + x * 4);
          pixel = Rgb(red.Extract(v), green.Extract(v), blue.Extract(v));
          break;
        }
      }
      out.Put(static_cast<int64_t>(x), static_cast<int64_t>(y), pixel);
    }
  }
  return true;
}

}  // namespace

std::vector<uint8_t> EncodeBmp(const Bitmap& bitmap) {
  std::vector<uint8_t> out;
  if (bitmap.empty()) return out;
  const uint32_t stride = (static_cast<uint32_t>(bitmap.width) * 3 + 3) / 4 * 4;
  const uint32_t imageSize = stride * static_cast<uint32_t>(bitmap.height);
  const uint32_t offset = kFileHeaderSize + kInfoHeaderSize;
  out.reserve(offset + imageSize);
  out.push_back('B');
  out.push_back('M');
  AppendLe32(out, offset + imageSize);
  AppendLe16(out, 0);
  AppendLe16(out, 0);
  AppendLe32(out, offset);
  AppendLe32(out, kInfoHeaderSize);
  AppendLe32(out, static_cast<uint32_t>(bitmap.width));
  AppendLe32(out, static_cast<uint32_t>(bitmap.height));  // positive: bottom-up rows
  AppendLe16(out, 1);
  AppendLe16(out, 24);
  AppendLe32(out, kBiRgb);
  AppendLe32(out, imageSize);
  AppendLe32(out, 3780);  // 96 pixels per inch
  AppendLe32(out, 3780);
  AppendLe32(out, 0);
  AppendLe32(out, 0);
  for (int y = bitmap.height - 1; y >= 0; --y) {
    const uint32_t* row = bitmap.row(y);
    for (int x = 0; x < bitmap.width; ++x) {
      out.push_back(static_cast<uint8_t>(row[x]));
      out.push_back(static_cast<uint8_t>(row[x] >> 8));
      out.push_back(static_cast<uint8_t>(row[x] >> 16));
    }
    for (uint32_t pad = static_cast<uint32_t>(bitmap.width) * 3; pad < stride; ++pad) {
      out.push_back(0);
    }
  }
  return out;
}

namespace {

// The file and information headers.
Result<Header> ReadHeader(std::span<const uint8_t> file) {
  if (file.size() < kFileHeaderSize + 4) return Fail("The bitmap file is too short.");
  if (file[0] != 'B' || file[1] != 'M') return Fail("The file is not a bitmap.");
  Header hd;
  hd.size = ReadLe32(file.data() + kFileHeaderSize);
  if (!KnownHeaderSize(hd.size)) return Fail("Unknown bitmap header size.");
  if (file.size() < kFileHeaderSize + hd.size) {
    return Fail("The bitmap header runs past the end of the file.");
  }
  const uint8_t* ih = file.data() + kFileHeaderSize;
  int64_t height = 0;
  if (hd.size == 12) {
    hd.width = ReadLe16(ih + 4);
    height = ReadLe16(ih + 6);
    hd.bitCount = ReadLe16(ih + 10);
    hd.paletteEntrySize = 3;
  } else {
    hd.width = static_cast<int32_t>(ReadLe32(ih + 4));
    height = static_cast<int32_t>(ReadLe32(ih + 8));
    hd.bitCount = ReadLe16(ih + 14);
    if (hd.size >= 40) {
      hd.compression = ReadLe32(ih + 16);
      hd.colorsUsed = ReadLe32(ih + 32);
    }
    // The 64-byte header of the other family has no masks; its compressions 3
    // and 4 are Huffman and RLE24, which no thumbnail uses.
    if (hd.size == 64 && hd.compression != kBiRgb && hd.compression != kBiRle8 &&
        hd.compression != kBiRle4) {
      return Fail("Unsupported bitmap compression.");
    }
    if (hd.size >= 52 && hd.size != 64) {
      hd.masks = {ReadLe32(ih + 40), ReadLe32(ih + 44), ReadLe32(ih + 48)};
      hd.hasMasks = true;
    }
  }
  hd.topDown = height < 0;
  hd.height = height < 0 ? -height : height;
  if (hd.width < 0) return Fail("The bitmap has a negative width.");
  return hd;
}

bool IsRunLength(const Header& hd) {
  return hd.compression == kBiRle8 || hd.compression == kBiRle4;
}

// Refuses an image that would be too large before anything is allocated.
Result<void> CheckSize(const Header& hd, std::optional<BmpSize> maxSize) {
  if (static_cast<uint64_t>(hd.width) * static_cast<uint64_t>(hd.height) > kMaxBmpPixels ||
      (maxSize && (hd.width > maxSize->width || hd.height > maxSize->height))) {
    return Fail("The bitmap is too large.");
  }
  return {};
}

// The channel masks of a 40-byte header follow it; `pos` moves past them.
Result<void> ReadTrailingMasks(std::span<const uint8_t> file, Header& hd, size_t& pos) {
  if ((hd.compression != kBiBitfields && hd.compression != kBiAlphaBitfields) || hd.hasMasks) {
    return {};
  }
  const size_t maskBytes = hd.compression == kBiAlphaBitfields ? 16 : 12;
  if (file.size() < pos + maskBytes) return Fail("The bitmap masks are missing.");
  hd.masks = {ReadLe32(file.data() + pos), ReadLe32(file.data() + pos + 4),
              ReadLe32(file.data() + pos + 8)};
  pos += maskBytes;
  return {};
}

struct Palette {
  std::array<uint32_t, 256> colors;
  size_t end = 0;  // where the declared table ends in the file
};

// The colour table at `pos`, as far as the file holds it (missing entries are black).
Palette ReadPalette(std::span<const uint8_t> file, const Header& hd, size_t pos,
                    uint32_t pixelOffset) {
  Palette palette;
  palette.colors.fill(0xFF000000u);
  palette.end = pos;
  if (hd.bitCount > 8) return palette;
  const uint32_t maxEntries = 1u << hd.bitCount;
  const uint32_t declared =
      hd.colorsUsed == 0 ? maxEntries : std::min<uint32_t>(hd.colorsUsed, maxEntries);
  size_t limit = file.size();
  if (pixelOffset > pos && pixelOffset < limit) limit = pixelOffset;
  const size_t available = limit > pos ? (limit - pos) / hd.paletteEntrySize : 0;
  const size_t entries = std::min<size_t>(declared, available);
  for (size_t i = 0; i < entries; ++i) {
    const uint8_t* e = file.data() + pos + i * hd.paletteEntrySize;
    palette.colors[i] = Rgb(e[2], e[1], e[0]);
  }
  palette.end = pos + static_cast<size_t>(declared) * hd.paletteEntrySize;
  return palette;
}

// The pixel data: from the header's offset, or right after the colour table when the
// writer left the offset out.
Result<std::span<const uint8_t>> PixelData(std::span<const uint8_t> file, const Header& hd,
                                           uint32_t pixelOffset, size_t paletteEnd) {
  size_t dataStart = pixelOffset;
  if (pixelOffset == 0) {
    dataStart = paletteEnd;
  } else if (pixelOffset < kFileHeaderSize + hd.size) {
    return Fail("The bitmap's pixel offset points into its header.");
  }
  if (dataStart > file.size()) return Fail("The bitmap's pixel data is missing.");
  const std::span<const uint8_t> data = file.subspan(dataStart);
  // Run-length data can claim any size in a few bytes (an end-of-bitmap escape leaves
  // the rest unpainted). Real encoders stay well below 256 pixels per byte, so more
  // than that, beyond a small allowance, is refused rather than allocated.
  if (IsRunLength(hd) && static_cast<uint64_t>(hd.width) * static_cast<uint64_t>(hd.height) >
                             kMaxRlePixelsPerByte * data.size() + kRleAllowancePixels) {
    return Fail("The bitmap's run-length data is too short for its size.");
  }
  return data;
}

}  // namespace

std::optional<BmpSize> DeclaredBmpSize(std::span<const uint8_t> file) {
  const Result<Header> hd = ReadHeader(file);
  if (!hd) return std::nullopt;
  return BmpSize{hd->width, hd->height};
}

Result<Bitmap> DecodeBmp(std::span<const uint8_t> file, std::optional<BmpSize> maxSize) {
  Result<Header> hd = ReadHeader(file);
  if (!hd) return Fail(std::move(hd).error());
  if (!ValidDepth(*hd)) return Fail("Unsupported bitmap colour depth or compression.");
  if (hd->width == 0 || hd->height == 0) return Bitmap();
  if (Result<void> ok = CheckSize(*hd, maxSize); !ok) return Fail(std::move(ok).error());

  const uint32_t pixelOffset = ReadLe32(file.data() + 10);
  size_t pos = kFileHeaderSize + hd->size;
  if (Result<void> masks = ReadTrailingMasks(file, *hd, pos); !masks) {
    return Fail(std::move(masks).error());
  }
  const Palette palette = ReadPalette(file, *hd, pos, pixelOffset);
  const Result<std::span<const uint8_t>> data = PixelData(file, *hd, pixelOffset, palette.end);
  if (!data) return Fail(data.error());

  Bitmap bmp(static_cast<int>(hd->width), static_cast<int>(hd->height));
  if (IsRunLength(*hd)) {
    bmp.pixels.assign(bmp.pixels.size(), palette.colors[0]);
    DecodeRle(*data, hd->compression == kBiRle4, palette.colors, bmp, hd->topDown);
  } else if (!DecodeUncompressed(*data, *hd, palette.colors, bmp)) {
    return Fail("The bitmap's pixel data is truncated.");
  }
  return bmp;
}

}  // namespace lrw
