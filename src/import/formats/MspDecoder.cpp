#include <vector>

#include "import/formats/ByteReader.h"
#include "import/formats/LegacyFormats.h"

namespace lrw::formats {
namespace {

// Paint's bitmaps are monochrome; a set bit is white.
void PutRow(Bitmap& bitmap, int y, std::span<const uint8_t> bits) {
  uint32_t* out = bitmap.row(y);
  for (int x = 0; x < bitmap.width; ++x) {
    out[x] = ((bits[static_cast<size_t>(x) >> 3] >> (7 - (x & 7))) & 1) ? 0xFFFFFFFFu : 0xFF000000u;
  }
}

Bitmap ReadMsp(std::span<const uint8_t> file) {
  if (file.size() < 32) throw DecodeError("it is not a Microsoft Paint picture");
  ByteReader in(file);
  const std::string key = in.Tag(4);
  const bool version1 = key == "DanM";
  if (!version1 && key != "LinS") throw DecodeError("it is not a Microsoft Paint picture");
  const int width = in.U16LE();
  const int height = in.U16LE();
  Require(CheckDecodedSize(width, height));
  in.Seek(32);
  const size_t rowBytes = static_cast<size_t>((width + 7) / 8);
  // The rows must all be there before their pixels are allocated.
  if (version1) {
    if (in.Remaining() < rowBytes * static_cast<size_t>(height)) ByteReader::Truncated();
    Bitmap bitmap(width, height);
    for (int y = 0; y < height; ++y) PutRow(bitmap, y, in.Bytes(rowBytes));
    return bitmap;
  }
  // Version 2: a table of each row's packed size, then the packed rows.
  std::vector<uint16_t> rowSizes(static_cast<size_t>(height));
  uint64_t packedBytes = 0;
  for (uint16_t& s : rowSizes) {
    s = in.U16LE();
    packedBytes += s;
  }
  if (in.Remaining() < packedBytes) ByteReader::Truncated();
  Bitmap bitmap(width, height);
  std::vector<uint8_t> row(rowBytes);
  for (int y = 0; y < height; ++y) {
    const uint16_t packed = rowSizes[static_cast<size_t>(y)];
    if (packed == 0) {
      // An all-white row is stored as nothing.
      std::fill(row.begin(), row.end(), 0xFF);
      PutRow(bitmap, y, row);
      continue;
    }
    ByteReader rowIn(in.Bytes(packed));
    size_t pos = 0;
    while (pos < rowBytes && !rowIn.AtEnd()) {
      const uint8_t type = rowIn.U8();
      if (type == 0) {
        const uint8_t count = rowIn.U8();
        const uint8_t value = rowIn.U8();
        for (int i = 0; i < count && pos < rowBytes; ++i) row[pos++] = value;
      } else {
        for (uint8_t b : rowIn.Bytes(type)) {
          if (pos < rowBytes) row[pos++] = b;
        }
      }
    }
    if (pos < rowBytes) throw DecodeError("the Microsoft Paint picture is damaged");
    PutRow(bitmap, y, row);
  }
  return bitmap;
}

}  // namespace

Result<Bitmap> DecodeMsp(std::span<const uint8_t> file) {
  return Guarded([file] { return ReadMsp(file); });
}

}  // namespace lrw::formats
