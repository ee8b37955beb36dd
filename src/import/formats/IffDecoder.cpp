#include <algorithm>
#include <optional>
#include <vector>

#include "import/formats/ByteReader.h"
#include "import/formats/LegacyFormats.h"

namespace lrw::formats {
namespace {

constexpr uint32_t kCamgExtraHalfBrite = 0x80;
constexpr uint32_t kCamgHam = 0x800;

struct BitmapHeader {
  int width = 0;
  int height = 0;
  int planes = 0;
  int masking = 0;
  int compression = 0;
};

// ByteRun1 (PackBits) unpacker that keeps its state between rows, since some
// writers let a run cross the end of a row.
class RowUnpacker {
 public:
  RowUnpacker(ByteReader& in, bool compressed) : in_(in), compressed_(compressed) {}

  // Stops short, leaving the rest of `out` as it was, once the reader has failed.
  void Read(std::span<uint8_t> out) {
    if (!compressed_) {
      const auto b = in_.Bytes(out.size());
      std::copy(b.begin(), b.end(), out.begin());
      return;
    }
    size_t i = 0;
    while (i < out.size() && !in_.Failed()) {
      if (literal_ > 0) {
        out[i++] = in_.U8();
        --literal_;
      } else if (repeat_ > 0) {
        out[i++] = value_;
        --repeat_;
      } else {
        const int8_t n = static_cast<int8_t>(in_.U8());
        if (n >= 0) {
          literal_ = n + 1;
        } else if (n != -128) {
          repeat_ = 1 - n;
          value_ = in_.U8();
        }
      }
    }
  }

 private:
  ByteReader& in_;
  bool compressed_;
  int literal_ = 0;
  int repeat_ = 0;
  uint8_t value_ = 0;
};

uint32_t Rgb(uint8_t r, uint8_t g, uint8_t b) {
  return 0xFF000000u | (uint32_t{r} << 16) | (uint32_t{g} << 8) | b;
}

std::vector<uint32_t> BuildPalette(const std::vector<uint8_t>& cmap, int planes, uint32_t camg) {
  std::vector<uint32_t> palette;
  const size_t count = cmap.size() / 3;
  // Old writers stored only the upper four bits of each component.
  bool nibblesOnly = count > 0;
  for (uint8_t v : cmap) nibblesOnly = nibblesOnly && (v & 0x0F) == 0;
  for (size_t i = 0; i < count; ++i) {
    uint8_t c[3] = {cmap[i * 3], cmap[i * 3 + 1], cmap[i * 3 + 2]};
    if (nibblesOnly) {
      for (uint8_t& v : c) v = static_cast<uint8_t>(v | (v >> 4));
    }
    palette.push_back(Rgb(c[0], c[1], c[2]));
  }
  if (palette.empty() && planes <= 8) {
    // No palette: a grey ramp over the available values.
    const int n = 1 << planes;
    for (int i = 0; i < n; ++i) {
      const auto v = static_cast<uint8_t>(n > 1 ? i * 255 / (n - 1) : 0);
      palette.push_back(Rgb(v, v, v));
    }
  }
  if ((camg & kCamgExtraHalfBrite) && planes == 6 && !(camg & kCamgHam)) {
    palette.resize(32, 0xFF000000u);
    for (int i = 0; i < 32; ++i) {
      const uint32_t p = palette[static_cast<size_t>(i)];
      palette.push_back(0xFF000000u | ((p >> 1) & 0x7F7F7F));
    }
  }
  palette.resize(256, 0xFF000000u);
  return palette;
}

Result<Bitmap> DecodeBody(ByteReader& body, const BitmapHeader& h, bool chunky,
                          const std::vector<uint32_t>& palette, uint32_t camg) {
  if (Result<void> fits = CheckDecodedSize(h.width, h.height); !fits) return Fail(fits.error());
  if (h.compression > 1) {
    return Fail("the IFF picture uses an unknown compression (" + std::to_string(h.compression) +
                ")");
  }
  const bool ham = (camg & kCamgHam) && (h.planes == 6 || h.planes == 8);
  if (chunky ? h.planes > 8
             : !(h.planes >= 1 && (h.planes <= 8 || h.planes == 24 || h.planes == 32))) {
    return Fail("the IFF picture has an unsupported number of bit planes (" +
                std::to_string(h.planes) + ")");
  }
  const size_t planeBytes = static_cast<size_t>((h.width + 15) / 16) * 2;
  const int storedPlanes = h.planes + (h.masking == 1 ? 1 : 0);
  std::vector<uint8_t> row(chunky ? static_cast<size_t>(h.width + (h.width & 1))
                                  : planeBytes * static_cast<size_t>(storedPlanes));
  // The body must be able to hold the rows before their pixels are allocated: stored
  // as they are, or packed, where two bytes give at most 128.
  const uint64_t rowsBytes = uint64_t{row.size()} * static_cast<uint64_t>(h.height);
  if (body.Remaining() < (h.compression == 1 ? (rowsBytes + 127) / 128 * 2 : rowsBytes)) {
    return Truncated();
  }
  Bitmap bitmap(h.width, h.height);
  RowUnpacker unpack(body, h.compression == 1);
  for (int y = 0; y < h.height; ++y) {
    unpack.Read(row);
    if (body.Failed()) return Truncated();
    uint32_t* out = bitmap.row(y);
    uint32_t held = palette[0];  // HAM modifies the colour of the previous pixel
    for (int x = 0; x < h.width; ++x) {
      uint32_t value = 0;
      if (chunky) {
        value = row[static_cast<size_t>(x)];
      } else {
        const size_t byte = static_cast<size_t>(x) >> 3;
        const int bit = 7 - (x & 7);
        for (int p = 0; p < h.planes; ++p) {
          value |= static_cast<uint32_t>((row[p * planeBytes + byte] >> bit) & 1) << p;
        }
      }
      if (!chunky && h.planes >= 24) {
        out[x] = Rgb(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
      } else if (ham) {
        const int dataBits = h.planes - 2;
        const uint32_t control = value >> dataBits;
        const uint32_t data = value & ((1u << dataBits) - 1);
        const uint32_t level = dataBits == 4 ? (data << 4) | data : (data << 2) | (data >> 4);
        switch (control) {
          case 0:
            held = palette[data];
            break;
          case 1:
            held = (held & 0xFFFFFF00u) | level;
            break;
          case 2:
            held = (held & 0xFF00FFFFu) | (level << 16);
            break;
          default:
            held = (held & 0xFFFF00FFu) | (level << 8);
            break;
        }
        out[x] = held;
      } else {
        out[x] = palette[value & 0xFF];
      }
    }
  }
  return bitmap;
}

Result<Bitmap> ReadIff(ByteReader& in) {
  if (in.Size() < 12 || in.Tag(4) != "FORM") return Fail("it is not an IFF file");
  const uint32_t formSize = in.U32BE();
  const std::string type = in.Tag(4);
  if (type != "ILBM" && type != "PBM ") {
    return Fail("the IFF file holds no picture (form type \"" + type + "\")");
  }
  const size_t end = std::min<size_t>(in.Size(), size_t{formSize} + 8);
  std::optional<BitmapHeader> header;
  std::vector<uint8_t> cmap;
  uint32_t camg = 0;
  while (in.Position() + 8 <= end) {
    const std::string id = in.Tag(4);
    const uint32_t size = in.U32BE();
    const size_t start = in.Position();
    if (size > end - start) return Truncated();
    ByteReader chunk(in.Data().subspan(start, size));
    if (id == "BMHD") {
      BitmapHeader h;
      h.width = chunk.U16BE();
      h.height = chunk.U16BE();
      chunk.Skip(4);  // position
      h.planes = chunk.U8();
      h.masking = chunk.U8();
      h.compression = chunk.U8();
      if (chunk.Failed()) return Truncated();
      header = h;
    } else if (id == "CMAP") {
      const auto b = chunk.Bytes(std::min<size_t>(size, 768));
      cmap.assign(b.begin(), b.end());
    } else if (id == "CAMG" && size >= 4) {
      camg = chunk.U32BE();
    } else if (id == "BODY") {
      if (!header) return Fail("the IFF picture has no bitmap header");
      return DecodeBody(chunk, *header, type == "PBM ", BuildPalette(cmap, header->planes, camg),
                        camg);
    }
    in.Seek(std::min(end, start + size + (size & 1)));
  }
  return Fail(header ? "the IFF picture has no picture data"
                     : "the IFF picture has no bitmap header");
}

}  // namespace

Result<Bitmap> DecodeIff(std::span<const uint8_t> file) {
  ByteReader in(file);
  return Finished(in, ReadIff(in));
}

}  // namespace lrw::formats
