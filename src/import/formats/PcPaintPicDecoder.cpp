#include <algorithm>
#include <array>
#include <vector>

#include "import/formats/ByteReader.h"
#include "import/formats/LegacyFormats.h"

namespace lrw::formats {
namespace {

constexpr uint16_t kMagic = 0x1234;

enum class PaletteKind : uint16_t { None = 0, Cga = 1, Ega = 3 };

uint32_t Rgb(int r, int g, int b) {
  return 0xFF000000u | (static_cast<uint32_t>(r) << 16) | (static_cast<uint32_t>(g) << 8) |
         static_cast<uint32_t>(b);
}

// The 16 colours of the PC's text and EGA default palette.
uint32_t Pc16(int i) {
  static const std::array<uint32_t, 16> k = {
      Rgb(0, 0, 0),     Rgb(0, 0, 170),    Rgb(0, 170, 0),    Rgb(0, 170, 170),
      Rgb(170, 0, 0),   Rgb(170, 0, 170),  Rgb(170, 85, 0),   Rgb(170, 170, 170),
      Rgb(85, 85, 85),  Rgb(85, 85, 255),  Rgb(85, 255, 85),  Rgb(85, 255, 255),
      Rgb(255, 85, 85), Rgb(255, 85, 255), Rgb(255, 255, 85), Rgb(255, 255, 255)};
  return k[static_cast<size_t>(i & 15)];
}

// One of the EGA's 64 colours: bits 0-2 give two thirds of blue, green and red,
// bits 3-5 one third.
uint32_t Ega64(int i) {
  auto level = [i](int high, int low) { return ((i >> high) & 1) * 170 + ((i >> low) & 1) * 85; };
  return Rgb(level(2, 5), level(1, 4), level(0, 3));
}

// The CGA's four-colour sets: background, then green/red/brown or
// cyan/magenta/grey, each also in high intensity.
std::vector<uint32_t> CgaPalette(int id, int background) {
  static const int kSets[4][3] = {{2, 4, 6}, {3, 5, 7}, {10, 12, 14}, {11, 13, 15}};
  const int* set = kSets[id & 3];
  return {Pc16(background), Pc16(set[0]), Pc16(set[1]), Pc16(set[2])};
}

std::vector<uint32_t> RgbPalette(std::span<const uint8_t> data, size_t count) {
  // Six-bit VGA values unless some value shows eight bits are used.
  const size_t n = std::min(count, data.size() / 3);
  bool eightBit = false;
  for (size_t i = 0; i < n * 3; ++i) eightBit = eightBit || data[i] > 63;
  std::vector<uint32_t> palette(count, Rgb(0, 0, 0));
  for (size_t i = 0; i < n; ++i) {
    int c[3];
    for (int k = 0; k < 3; ++k) {
      const int v = data[i * 3 + static_cast<size_t>(k)];
      c[k] = eightBit ? v : v * 255 / 63;
    }
    palette[i] = Rgb(c[0], c[1], c[2]);
  }
  return palette;
}

// The unpacked bytes grow with the data actually there, so a file that declares more
// than it holds never has the declared size allocated.
Result<std::vector<uint8_t>> Unpack(ByteReader& in, int blocks, size_t expected) {
  std::vector<uint8_t> out;
  for (int b = 0; b < blocks && out.size() < expected; ++b) {
    const size_t packed = in.U16LE();
    in.Skip(2);  // unpacked size
    const uint8_t marker = in.U8();
    if (in.Failed()) return Truncated();
    if (packed < 5) return Fail("the PC Paint picture is damaged");
    ByteReader block(in.Bytes(packed - 5));
    if (in.Failed()) return Truncated();
    while (!block.AtEnd() && out.size() < expected) {
      const uint8_t v = block.U8();
      if (v != marker) {
        out.push_back(v);
        continue;
      }
      size_t run = block.U8();
      if (run == 0) run = block.U16LE();
      const uint8_t value = block.U8();
      if (block.Failed()) return Truncated();
      out.insert(out.end(), std::min(run, expected - out.size()), value);
    }
  }
  return out;
}

// How a pixel is stored: `bits` in each of `planes` planes.
struct PixelLayout {
  int bits = 0;
  int planes = 1;
  int Colours() const { return 1 << (bits * planes); }
};

Result<PixelLayout> LayoutOf(uint8_t planeInfo) {
  switch (planeInfo) {
    case 0x01:
      return PixelLayout{1, 1};
    case 0x02:
      return PixelLayout{2, 1};
    case 0x04:
      return PixelLayout{4, 1};
    case 0x08:
      return PixelLayout{8, 1};
    case 0x31:
      return PixelLayout{1, 4};
    default:
      return Fail("this kind of PC Paint picture is not supported (plane info " +
                  std::to_string(planeInfo) + ")");
  }
}

// The palette the header describes, with exactly `colours` entries.
std::vector<uint32_t> PaletteOf(PaletteKind kind, std::span<const uint8_t> data, int colours) {
  std::vector<uint32_t> palette;
  if (kind == PaletteKind::None) {
    if (colours == 2)
      palette = {Rgb(0, 0, 0), Rgb(255, 255, 255)};
    else if (colours == 4)
      palette = CgaPalette(3, 0);
    else if (colours == 16)
      for (int i = 0; i < 16; ++i) palette.push_back(Pc16(i));
    else
      for (int i = 0; i < 256; ++i) palette.push_back(Rgb(i, i, i));
  } else if (kind == PaletteKind::Cga) {
    palette = CgaPalette(data.size() > 0 ? data[0] : 3, data.size() > 1 ? data[1] : 0);
  } else if (kind == PaletteKind::Ega) {
    for (int i = 0; i < colours; ++i) {
      palette.push_back(static_cast<size_t>(i) < data.size() ? Ega64(data[i]) : Pc16(i));
    }
  } else {
    palette = RgbPalette(data, static_cast<size_t>(colours));
  }
  palette.resize(static_cast<size_t>(colours), Rgb(0, 0, 0));
  return palette;
}

// The `expected` bytes of pixel data, stored as they are (no blocks) or in packed blocks.
Result<std::vector<uint8_t>> ReadPixelData(ByteReader& in, int blocks, size_t expected) {
  if (blocks == 0) {
    const auto raw = in.Bytes(expected);
    if (in.Failed()) return Truncated();
    return std::vector<uint8_t>(raw.begin(), raw.end());
  }
  Result<std::vector<uint8_t>> pixels = Unpack(in, blocks, expected);
  if (pixels && pixels->size() < expected) return Truncated();
  return pixels;
}

// Rows are stored from the bottom up; 16-colour planar pictures store each plane whole,
// one after the other.
Bitmap Paint(const std::vector<uint8_t>& pixels, int width, int height, PixelLayout layout,
             const std::vector<uint32_t>& palette) {
  const int bits = layout.bits;
  const size_t rowBytes = (static_cast<size_t>(width) * bits + 7) / 8;
  const size_t planeBytes = rowBytes * static_cast<size_t>(height);
  Bitmap bitmap(width, height);
  for (int row = 0; row < height; ++row) {
    uint32_t* out = bitmap.row(height - 1 - row);
    for (int x = 0; x < width; ++x) {
      unsigned value = 0;
      for (int p = 0; p < layout.planes; ++p) {
        const size_t bitPos = static_cast<size_t>(x) * bits;
        const uint8_t byte = pixels[p * planeBytes + row * rowBytes + bitPos / 8];
        const int shift = 8 - bits - static_cast<int>(bitPos % 8);
        value |= ((byte >> shift) & ((1u << bits) - 1)) << (p * bits);
      }
      out[x] = palette[value];
    }
  }
  return bitmap;
}

Result<Bitmap> ReadPcPaintPic(ByteReader& in) {
  if (in.Size() < 19 || in.U16LE() != kMagic) return Fail("it is not a PC Paint picture");
  const int width = in.U16LE();
  const int height = in.U16LE();
  in.Skip(4);  // screen position
  const uint8_t planeInfo = in.U8();
  const uint8_t paletteFlag = in.U8();
  in.Skip(1);  // video mode
  if (paletteFlag != 0xFF) return Fail("this early version of PC Paint picture is not supported");
  const auto paletteKind = static_cast<PaletteKind>(in.U16LE());
  const uint16_t paletteSize = in.U16LE();
  const auto paletteData = in.Bytes(paletteSize);
  const int blocks = in.U16LE();
  if (in.Failed()) return Truncated();
  if (Result<void> fits = CheckDecodedSize(width, height); !fits) return Fail(fits.error());

  const Result<PixelLayout> layout = LayoutOf(planeInfo);
  if (!layout) return Fail(layout.error());
  const std::vector<uint32_t> palette = PaletteOf(paletteKind, paletteData, layout->Colours());
  const size_t rowBytes = (static_cast<size_t>(width) * layout->bits + 7) / 8;
  const size_t expected = rowBytes * static_cast<size_t>(height) * layout->planes;
  const Result<std::vector<uint8_t>> pixels = ReadPixelData(in, blocks, expected);
  if (!pixels) return Fail(pixels.error());
  return Paint(*pixels, width, height, *layout, palette);
}

}  // namespace

Result<Bitmap> DecodePcPaintPic(std::span<const uint8_t> file) {
  ByteReader in(file);
  return Finished(in, ReadPcPaintPic(in));
}

}  // namespace lrw::formats
