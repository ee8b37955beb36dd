// A small BMP writer for test fixtures: every header size, depth and compression the
// decoder accepts, with the pixel data supplied by the test.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace lrw::testing {

struct BmpSpec {
  uint32_t headerSize = 40;
  int32_t width = 0;
  int32_t height = 0;  // negative: top-down
  uint16_t bitCount = 24;
  uint32_t compression = 0;
  std::vector<uint32_t> palette;  // 0x00RRGGBB entries
  uint32_t colorsUsed = 0;
  std::array<uint32_t, 3> masks{};  // BI_BITFIELDS: in the header (52+) or after it (40)
};

inline void Put16(std::vector<uint8_t>& o, uint32_t v) {
  o.push_back(static_cast<uint8_t>(v));
  o.push_back(static_cast<uint8_t>(v >> 8));
}

inline void Put32(std::vector<uint8_t>& o, uint32_t v) {
  for (int i = 0; i < 4; ++i) o.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

inline std::vector<uint8_t> MakeBmp(const BmpSpec& s, const std::vector<uint8_t>& pixelData) {
  std::vector<uint8_t> h;  // information header
  Put32(h, s.headerSize);
  if (s.headerSize == 12) {
    Put16(h, static_cast<uint16_t>(s.width));
    Put16(h, static_cast<uint16_t>(s.height));
    Put16(h, 1);
    Put16(h, s.bitCount);
  } else {
    Put32(h, static_cast<uint32_t>(s.width));
    Put32(h, static_cast<uint32_t>(s.height));
    Put16(h, 1);
    Put16(h, s.bitCount);
    if (s.headerSize >= 40) {
      Put32(h, s.compression);
      Put32(h, static_cast<uint32_t>(pixelData.size()));
      Put32(h, 2835);
      Put32(h, 2835);
      Put32(h, s.colorsUsed);
      Put32(h, 0);
    }
    if (s.headerSize >= 52 && s.headerSize != 64) {
      for (uint32_t m : s.masks) Put32(h, m);
      if (s.headerSize >= 56) Put32(h, 0);  // alpha mask
    }
    while (h.size() < s.headerSize) h.push_back(0);
  }
  std::vector<uint8_t> extra;  // masks after a 40-byte header, then the colour table
  if (s.headerSize == 40 && s.compression == 3) {
    for (uint32_t m : s.masks) Put32(extra, m);
  }
  for (uint32_t c : s.palette) {
    extra.push_back(static_cast<uint8_t>(c));
    extra.push_back(static_cast<uint8_t>(c >> 8));
    extra.push_back(static_cast<uint8_t>(c >> 16));
    if (s.headerSize != 12) extra.push_back(0);
  }
  const uint32_t offset = static_cast<uint32_t>(14 + h.size() + extra.size());
  std::vector<uint8_t> f = {'B', 'M'};
  Put32(f, offset + static_cast<uint32_t>(pixelData.size()));
  Put32(f, 0);
  Put32(f, offset);
  f.insert(f.end(), h.begin(), h.end());
  f.insert(f.end(), extra.begin(), extra.end());
  f.insert(f.end(), pixelData.begin(), pixelData.end());
  return f;
}

}  // namespace lrw::testing
