#include <algorithm>
#include <array>
#include <vector>

#include "import/formats/ByteReader.h"
#include "import/formats/LegacyFormats.h"

namespace lrw::formats {
namespace {

uint32_t Rgb(int r, int g, int b) {
  return 0xFF000000u | (static_cast<uint32_t>(r) << 16) | (static_cast<uint32_t>(g) << 8) |
         static_cast<uint32_t>(b);
}

// The colours GEM gives the pixel values of 1, 2 and 4 plane screens when the
// file carries no palette.
std::vector<uint32_t> DefaultPalette(int planes) {
  static const std::array<uint32_t, 16> k16 = {
      Rgb(255, 255, 255), Rgb(255, 0, 0),   Rgb(0, 255, 0),   Rgb(255, 255, 0),
      Rgb(0, 0, 255),     Rgb(255, 0, 255), Rgb(0, 255, 255), Rgb(192, 192, 192),
      Rgb(128, 128, 128), Rgb(128, 0, 0),   Rgb(0, 128, 0),   Rgb(128, 128, 0),
      Rgb(0, 0, 128),     Rgb(128, 0, 128), Rgb(0, 128, 128), Rgb(0, 0, 0)};
  const int n = 1 << planes;
  std::vector<uint32_t> palette;
  if (planes == 1) {
    palette = {Rgb(255, 255, 255), Rgb(0, 0, 0)};
  } else if (planes == 2) {
    palette = {Rgb(255, 255, 255), Rgb(255, 0, 0), Rgb(0, 255, 0), Rgb(0, 0, 0)};
  } else if (planes == 4) {
    palette.assign(k16.begin(), k16.end());
  } else {
    for (int i = 0; i < n; ++i) {
      const int v = 255 - i * 255 / (n - 1);  // value 0 is white paper
      palette.push_back(Rgb(v, v, v));
    }
  }
  return palette;
}

// Fills one plane's line from the encoded stream. Gives the vertical replication count
// announced before it (1 when none).
Result<int> ReadPlaneLine(ByteReader& in, std::span<uint8_t> line, int patternLength,
                          bool lineStart) {
  int replicate = 1;
  size_t pos = 0;
  auto put = [&](uint8_t v) {
    if (pos < line.size()) line[pos] = v;
    ++pos;
  };
  while (pos < line.size() && !in.Failed()) {
    const uint8_t code = in.U8();
    if (code == 0x00) {
      const uint8_t count = in.U8();
      if (count == 0x00) {
        // 00 00 FF n: the line that follows is used n times.
        if (in.U8() != 0xFF) return Fail("the GEM picture is damaged");
        const uint8_t n = in.U8();
        if (lineStart && pos == 0) replicate = std::max<int>(1, n);
        continue;
      }
      const auto pattern = in.Bytes(static_cast<size_t>(patternLength));
      for (int r = 0; r < count; ++r) {
        for (uint8_t b : pattern) put(b);
      }
    } else if (code == 0x80) {
      const uint8_t count = in.U8();
      for (uint8_t b : in.Bytes(count)) put(b);
    } else {
      const uint8_t value = (code & 0x80) ? 0xFF : 0x00;
      for (int r = 0; r < (code & 0x7F); ++r) put(value);
    }
  }
  if (in.Failed()) return Truncated();
  return replicate;
}

Result<Bitmap> ReadGemImg(ByteReader& in) {
  if (in.Size() < 16) return Fail("it is not a GEM raster picture");
  const int version = in.U16BE();
  const int headerWords = in.U16BE();
  const int planes = in.U16BE();
  const int patternLength = in.U16BE();
  in.Skip(4);  // pixel width and height in micrometres
  const int width = in.U16BE();
  const int height = in.U16BE();
  if (version > 3 || headerWords < 8 || static_cast<size_t>(headerWords) * 2 > in.Size() ||
      patternLength < 1 || patternLength > 8) {
    return Fail("it is not a GEM raster picture");
  }
  if (planes < 1 || planes > 8) {
    return Fail("the GEM picture has an unsupported number of planes (" + std::to_string(planes) +
                ")");
  }
  if (Result<void> fits = CheckDecodedSize(width, height); !fits) return Fail(fits.error());
  std::vector<uint32_t> palette = DefaultPalette(planes);
  // XIMG: an RGB palette in thousandths follows the basic header.
  if (headerWords >= 11 + 3 * (1 << planes) && in.Tag(4) == "XIMG" && in.U16BE() == 0) {
    for (uint32_t& p : palette) {
      int c[3];
      for (int& v : c) v = std::min(1000, static_cast<int>(in.U16BE())) * 255 / 1000;
      p = Rgb(c[0], c[1], c[2]);
    }
  }
  in.Seek(static_cast<size_t>(headerWords) * 2);

  // Before the pixels are allocated, the data must be able to hold them: one byte gives
  // at most 255 bytes of a plane's line, and one line stands for at most 255 lines.
  const size_t lineBytes = static_cast<size_t>((width + 7) / 8);
  const uint64_t groups = (static_cast<uint64_t>(height) + 254) / 255;
  if (in.Failed() ||
      in.Remaining() < groups * static_cast<uint64_t>(planes) * ((lineBytes + 254) / 255)) {
    return Truncated();
  }
  Bitmap bitmap(width, height);
  std::vector<uint8_t> lines(lineBytes * static_cast<size_t>(planes));
  int y = 0;
  while (y < height) {
    int replicate = 1;
    for (int p = 0; p < planes; ++p) {
      const Result<int> r = ReadPlaneLine(in, std::span(lines).subspan(p * lineBytes, lineBytes),
                                          patternLength, p == 0);
      if (!r) return Fail(r.error());
      if (p == 0) replicate = *r;
    }
    for (int x = 0; x < width; ++x) {
      unsigned value = 0;
      for (int p = 0; p < planes; ++p) {
        value |= ((lines[p * lineBytes + (x >> 3)] >> (7 - (x & 7))) & 1u) << p;
      }
      bitmap.at(x, y) = palette[value];
    }
    for (int r = 1; r < replicate && y + r < height; ++r) {
      std::copy(bitmap.row(y), bitmap.row(y) + width, bitmap.row(y + r));
    }
    y += replicate;
  }
  return bitmap;
}

}  // namespace

Result<Bitmap> DecodeGemImg(std::span<const uint8_t> file) {
  ByteReader in(file);
  return Finished(in, ReadGemImg(in));
}

}  // namespace lrw::formats
