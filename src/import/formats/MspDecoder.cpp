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

// One packed row of a version 2 file into `row`.
Result<void> UnpackRow(std::span<const uint8_t> packed, std::vector<uint8_t>& row) {
  ByteReader in(packed);
  size_t pos = 0;
  while (pos < row.size() && !in.AtEnd()) {
    const uint8_t type = in.U8();
    if (type == 0) {
      const uint8_t count = in.U8();
      const uint8_t value = in.U8();
      for (int i = 0; i < count && pos < row.size(); ++i) row[pos++] = value;
    } else {
      for (uint8_t b : in.Bytes(type)) {
        if (pos < row.size()) row[pos++] = b;
      }
    }
  }
  if (in.Failed()) return Truncated();
  if (pos < row.size()) return Fail("the Microsoft Paint picture is damaged");
  return {};
}

Result<Bitmap> ReadMsp(ByteReader& in) {
  if (in.Size() < 32) return Fail("it is not a Microsoft Paint picture");
  const std::string key = in.Tag(4);
  const bool version1 = key == "DanM";
  if (!version1 && key != "LinS") return Fail("it is not a Microsoft Paint picture");
  const int width = in.U16LE();
  const int height = in.U16LE();
  if (Result<void> fits = CheckDecodedSize(width, height); !fits) return Fail(fits.error());
  in.Seek(32);
  const size_t rowBytes = static_cast<size_t>((width + 7) / 8);
  // The rows must all be there before their pixels are allocated.
  if (version1) {
    if (in.Remaining() < rowBytes * static_cast<size_t>(height)) return Truncated();
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
  if (in.Failed() || in.Remaining() < packedBytes) return Truncated();
  Bitmap bitmap(width, height);
  std::vector<uint8_t> row(rowBytes);
  for (int y = 0; y < height; ++y) {
    const uint16_t packed = rowSizes[static_cast<size_t>(y)];
    if (packed == 0) {
      // An all-white row is stored as nothing.
      std::fill(row.begin(), row.end(), 0xFF);
    } else if (Result<void> unpacked = UnpackRow(in.Bytes(packed), row); !unpacked) {
      return Fail(unpacked.error());
    }
    PutRow(bitmap, y, row);
  }
  return bitmap;
}

}  // namespace

Result<Bitmap> DecodeMsp(std::span<const uint8_t> file) {
  ByteReader in(file);
  return Finished(in, ReadMsp(in));
}

}  // namespace lrw::formats
