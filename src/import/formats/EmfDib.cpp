#include "import/formats/EmfDib.h"

#include <QByteArray>
#include <algorithm>
#include <vector>

#include "import/DecodedPicture.h"

namespace lrw::formats {
namespace {

constexpr uint32_t kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitfields = 3, kBiJpeg = 4, kBiPng = 5,
                   kBiAlphaBitfields = 6;
// Regions are united rectangle by rectangle, which costs the square of their number.
constexpr int kMaxRegionRects = 4096;

struct DibHeader {
  int64_t width = 0;
  int64_t height = 0;  // negative: top row first
  int bitCount = 0;
  uint32_t compression = kBiRgb;
  uint32_t colorsUsed = 0;
  uint32_t headerSize = 0;
  uint32_t masks[4] = {0, 0, 0, 0};
  bool core = false;  // BITMAPCOREHEADER: 3-byte colour table entries
};

bool ReadHeader(const LeFields& r, uint32_t offBmi, DibHeader& h) {
  h.headerSize = r.U32(offBmi);
  if (h.headerSize == 12) {
    h.core = true;
    h.width = r.U16(offBmi + 4);
    h.height = r.U16(offBmi + 6);
    h.bitCount = r.U16(offBmi + 10);
  } else if (h.headerSize >= 40) {
    h.width = r.I32(offBmi + 4);
    h.height = r.I32(offBmi + 8);
    h.bitCount = r.U16(offBmi + 14);
    h.compression = r.U32(offBmi + 16);
    h.colorsUsed = r.U32(offBmi + 32);
    if (h.headerSize >= 52 || h.compression == kBiBitfields || h.compression == kBiAlphaBitfields) {
      // V4/V5 headers hold the masks; a 40-byte header is followed by them.
      const uint32_t at = offBmi + 40;
      for (int i = 0; i < 4; ++i) h.masks[i] = r.U32(at + 4 * i);
      if (h.headerSize == 40 && h.compression == kBiBitfields) h.masks[3] = 0;
    }
  } else {
    return false;
  }
  return r.Ok();
}

struct MaskField {
  int shift = 0;
  uint32_t max = 0;
};

MaskField FieldOf(uint32_t mask) {
  MaskField f;
  if (mask == 0) return f;
  while (!(mask & 1u)) {
    mask >>= 1;
    ++f.shift;
  }
  f.max = mask;
  return f;
}

int Scale(uint32_t v, const MaskField& f) {
  if (f.max == 0) return 0;
  return static_cast<int>((((v >> f.shift) & f.max) * 255 + f.max / 2) / f.max);
}

// RLE8/RLE4 into one palette index a pixel, bottom row first.
bool ExpandRle(std::span<const uint8_t> in, int width, int height, bool four,
               std::vector<uint8_t>& out) {
  out.assign(static_cast<size_t>(width) * height, 0);
  size_t i = 0;
  int x = 0, y = 0;
  auto put = [&](uint8_t v) {
    if (x < width && y < height) out[static_cast<size_t>(y) * width + x] = v;
    ++x;
  };
  while (i + 1 < in.size() && y < height) {
    const uint8_t count = in[i], value = in[i + 1];
    i += 2;
    if (count > 0) {
      for (int k = 0; k < count; ++k) put(four ? ((k & 1) ? (value & 0x0F) : (value >> 4)) : value);
    } else if (value == 0) {
      x = 0;
      ++y;
    } else if (value == 1) {
      break;
    } else if (value == 2) {
      if (i + 1 >= in.size()) return false;
      x += in[i];
      y += in[i + 1];
      i += 2;
    } else {
      const size_t bytes = four ? (value + 1) / 2 : value;
      if (bytes > in.size() - i) return false;
      for (int k = 0; k < value; ++k) {
        const uint8_t b = in[i + (four ? k / 2 : k)];
        put(four ? ((k & 1) ? (b & 0x0F) : (b >> 4)) : b);
      }
      i += (bytes + 1) & ~size_t{1};
    }
  }
  return true;
}

}  // namespace

bool DibIsBottomUp(const LeFields& record, uint32_t offBmi) {
  DibHeader h;
  return ReadHeader(record, offBmi, h) && h.height > 0;
}

QImage ReadDib(const LeFields& r, uint32_t offBmi, uint32_t cbBmi, uint32_t offBits,
               uint32_t cbBits, bool paletteIndexes, DibAlpha alpha) {
  if (cbBmi < 12 || !r.Has(offBmi, cbBmi) || !r.Has(offBits, cbBits)) return {};
  DibHeader h;
  if (!ReadHeader(r, offBmi, h)) return {};
  const std::span<const uint8_t> bits = r.Bytes(offBits, cbBits);

  if (h.compression == kBiJpeg || h.compression == kBiPng) {
    QImage image;
    if (!image.loadFromData(QByteArray::fromRawData(reinterpret_cast<const char*>(bits.data()),
                                                    static_cast<qsizetype>(bits.size()))))
      return {};
    if (static_cast<int64_t>(image.width()) * image.height() > kMaxDecodedPixels) return {};
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  }

  const int64_t width = h.width;
  const int64_t height = h.height < 0 ? -h.height : h.height;
  if (width <= 0 || height <= 0 || width > kMaxPictureSide || height > kMaxPictureSide ||
      width * height > kMaxDecodedPixels)
    return {};
  const int bpp = h.bitCount;
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) return {};

  // The colour table.
  std::vector<QRgb> palette;
  if (bpp <= 8) {
    const uint32_t entries =
        h.colorsUsed != 0 ? std::min<uint32_t>(h.colorsUsed, 256) : (1u << bpp);
    const uint32_t entrySize = h.core ? 3 : 4;
    uint32_t at = offBmi + h.headerSize;
    if (!h.core && h.headerSize == 40 && h.compression == kBiBitfields) at += 12;
    for (uint32_t i = 0; i < entries; ++i) {
      if (paletteIndexes) {
        const int v = r.U16(offBmi + h.headerSize + 2 * i) & 0xFF;
        palette.push_back(qRgb(v, v, v));
      } else {
        const uint32_t e = at + i * entrySize;
        palette.push_back(qRgb(r.U8(e + 2), r.U8(e + 1), r.U8(e)));
      }
    }
    if (!r.Ok()) return {};
    palette.resize(size_t{1} << bpp, qRgb(0, 0, 0));
  }

  QImage image(static_cast<int>(width), static_cast<int>(height),
               alpha == DibAlpha::Premultiplied ? QImage::Format_ARGB32_Premultiplied
                                                : QImage::Format_RGB32);
  if (image.isNull()) return {};
  const bool bottomUp = h.height > 0;
  auto rowOf = [&](int64_t y) {
    return reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(bottomUp ? height - 1 - y : y)));
  };

  if (h.compression == kBiRle8 || h.compression == kBiRle4) {
    if (bpp != (h.compression == kBiRle8 ? 8 : 4)) return {};
    std::vector<uint8_t> index;
    if (!ExpandRle(bits, static_cast<int>(width), static_cast<int>(height),
                   h.compression == kBiRle4, index))
      return {};
    for (int64_t y = 0; y < height; ++y) {
      QRgb* row = rowOf(y);
      for (int64_t x = 0; x < width; ++x) row[x] = palette[index[y * width + x]];
    }
    return image;
  }
  if (h.compression != kBiRgb && h.compression != kBiBitfields &&
      h.compression != kBiAlphaBitfields)
    return {};

  const int64_t stride = (width * bpp + 31) / 32 * 4;
  if (static_cast<int64_t>(bits.size()) < stride * height) return {};
  MaskField red, green, blue, alphaField;
  if (bpp == 16 || bpp == 32) {
    uint32_t m[4] = {h.masks[0], h.masks[1], h.masks[2], h.masks[3]};
    if (h.compression == kBiRgb) {
      if (bpp == 16) {
        m[0] = 0x7C00, m[1] = 0x03E0, m[2] = 0x001F, m[3] = 0;
      } else {
        m[0] = 0xFF0000, m[1] = 0xFF00, m[2] = 0xFF, m[3] = 0xFF000000u;
      }
    }
    red = FieldOf(m[0]), green = FieldOf(m[1]), blue = FieldOf(m[2]), alphaField = FieldOf(m[3]);
  }
  const bool useAlpha = alpha == DibAlpha::Premultiplied;
  for (int64_t y = 0; y < height; ++y) {
    const uint8_t* src = bits.data() + y * stride;
    QRgb* row = rowOf(y);
    for (int64_t x = 0; x < width; ++x) {
      switch (bpp) {
        case 1:
          row[x] = palette[(src[x / 8] >> (7 - x % 8)) & 1];
          break;
        case 4:
          row[x] = palette[(x & 1) ? (src[x / 2] & 0x0F) : (src[x / 2] >> 4)];
          break;
        case 8:
          row[x] = palette[src[x]];
          break;
        case 24:
          row[x] = qRgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
          break;
        default: {
          const uint32_t v = bpp == 16 ? static_cast<uint32_t>(src[2 * x] | src[2 * x + 1] << 8)
                                       : static_cast<uint32_t>(src[4 * x]) |
                                             static_cast<uint32_t>(src[4 * x + 1]) << 8 |
                                             static_cast<uint32_t>(src[4 * x + 2]) << 16 |
                                             static_cast<uint32_t>(src[4 * x + 3]) << 24;
          const int a = useAlpha && alphaField.max ? Scale(v, alphaField) : 255;
          // Premultiplied data must not exceed its alpha.
          row[x] = qRgba(std::min(Scale(v, red), a), std::min(Scale(v, green), a),
                         std::min(Scale(v, blue), a), a);
          if (!useAlpha) row[x] |= 0xFF000000u;
        }
      }
    }
  }
  return image;
}

QRegion ReadRegion(const LeFields& r, size_t offset, size_t size) {
  // RGNDATAHEADER: size, type, count, region size, bounds; then the rectangles.
  if (size < 32 || !r.Has(offset, size)) return {};
  const uint32_t count = r.U32(offset + 8);
  if (count > kMaxRegionRects || (size - 32) / 16 < count) return {};
  QRegion region;
  for (uint32_t i = 0; i < count; ++i) {
    const size_t at = offset + 32 + 16 * size_t{i};
    const int left = r.I32(at), top = r.I32(at + 4), right = r.I32(at + 8), bottom = r.I32(at + 12);
    if (right > left && bottom > top) region += QRect(left, top, right - left, bottom - top);
  }
  return region;
}

}  // namespace lrw::formats
