#include "MetafileWriters.h"

#include <cstring>

namespace lrw::test {
namespace {

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void Set32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

}  // namespace

EmfWriter::EmfWriter(int width, int height) {
  frame_ = {width * 2540 / 96, height * 2540 / 96};
  // The header: bounds, frame, signature, version, sizes, handles, device of 1000 x 1000
  // pixels at 96 per inch, and its size in micrometres.
  std::vector<int32_t> h = {1,          108,     0, 0, width - 1, height - 1, 0,     0, 0,    0,
                            0x464D4520, 0x10000, 0, 0, 256,       0,          0,     0, 1000, 1000,
                            265,        265,     0, 0, 0,         264583,     264583};
  for (int32_t v : h) Put32(bytes_, static_cast<uint32_t>(v));
}

EmfWriter& EmfWriter::Record(uint32_t type, std::initializer_list<int32_t> fields,
                             const std::vector<uint8_t>& tail) {
  const size_t size = 8 + 4 * fields.size() + (tail.size() + 3) / 4 * 4;
  Put32(bytes_, type);
  Put32(bytes_, static_cast<uint32_t>(size));
  for (int32_t v : fields) Put32(bytes_, static_cast<uint32_t>(v));
  bytes_.insert(bytes_.end(), tail.begin(), tail.end());
  while (bytes_.size() % 4) bytes_.push_back(0);
  ++records_;
  return *this;
}

EmfWriter& EmfWriter::SolidBrush(uint32_t index, uint32_t colorRef) {
  return Record(39, {static_cast<int32_t>(index), 0, static_cast<int32_t>(colorRef), 0});
}

EmfWriter& EmfWriter::Pen(uint32_t index, uint32_t style, int width, uint32_t colorRef) {
  return Record(38, {static_cast<int32_t>(index), static_cast<int32_t>(style), width, 0,
                     static_cast<int32_t>(colorRef)});
}

EmfWriter& EmfWriter::Font(uint32_t index, int height, int escapement, const std::u16string& face) {
  std::vector<uint8_t> tail(92 - 20, 0);  // the LOGFONTW after its five 32-bit fields
  // weight 400 at offset 16 of LOGFONTW, before the tail; face at 28 of LOGFONTW.
  for (size_t i = 0; i < face.size() && i < 31; ++i) {
    tail[8 + 2 * i] = static_cast<uint8_t>(face[i]);
    tail[8 + 2 * i + 1] = static_cast<uint8_t>(face[i] >> 8);
  }
  return Record(82, {static_cast<int32_t>(index), height, 0, escapement, escapement, 400}, tail);
}

EmfWriter& EmfWriter::TextOut(int x, int y, const std::u16string& text, int spacing) {
  const int32_t n = static_cast<int32_t>(text.size());
  const int32_t offString = 76;
  const int32_t textBytes = (2 * n + 3) / 4 * 4;
  const int32_t offDx = spacing > 0 ? offString + textBytes : 0;
  std::vector<uint8_t> tail;
  for (char16_t c : text) {
    tail.push_back(static_cast<uint8_t>(c));
    tail.push_back(static_cast<uint8_t>(c >> 8));
  }
  while (tail.size() % 4) tail.push_back(0);
  for (int i = 0; spacing > 0 && i < n; ++i) Put32(tail, static_cast<uint32_t>(spacing));
  // bounds, graphics mode, scales, reference, count, string offset, options, rectangle, dx.
  return Record(84, {0, 0, -1, -1, 1, 0, 0, x, y, n, offString, 0, 0, 0, -1, -1, offDx}, tail);
}

EmfWriter& EmfWriter::StretchDib(int x, int y, int width, int height, int pixelsWide,
                                 int pixelsHigh, const std::vector<uint32_t>& pixels,
                                 uint32_t rop) {
  std::vector<uint8_t> tail;
  // BITMAPINFOHEADER: top-down (negative height), 32 bits, BI_RGB.
  for (int32_t v : {40, pixelsWide, -pixelsHigh}) Put32(tail, static_cast<uint32_t>(v));
  tail.push_back(1), tail.push_back(0), tail.push_back(32), tail.push_back(0);
  for (int i = 0; i < 6; ++i) Put32(tail, 0);
  for (uint32_t p : pixels) Put32(tail, p & 0xFFFFFF);
  const int32_t offBmi = 80, cbBmi = 40, offBits = offBmi + cbBmi;
  const int32_t cbBits = static_cast<int32_t>(pixels.size() * 4);
  return Record(81,
                {0, 0, -1, -1, x, y, 0, 0, pixelsWide, pixelsHigh, offBmi, cbBmi, offBits, cbBits,
                 0, static_cast<int32_t>(rop), width, height},
                tail);
}

EmfWriter& EmfWriter::Poly16(uint32_t type, const std::vector<std::pair<int, int>>& points) {
  std::vector<uint8_t> tail;
  for (const auto& [x, y] : points) {
    tail.push_back(static_cast<uint8_t>(x)), tail.push_back(static_cast<uint8_t>(x >> 8));
    tail.push_back(static_cast<uint8_t>(y)), tail.push_back(static_cast<uint8_t>(y >> 8));
  }
  return Record(type, {0, 0, -1, -1, static_cast<int32_t>(points.size())}, tail);
}

EmfWriter& EmfWriter::PolyPolygon16(const std::vector<std::vector<std::pair<int, int>>>& polygons) {
  std::vector<uint8_t> tail;
  int32_t total = 0;
  for (const auto& polygon : polygons) {
    Put32(tail, static_cast<uint32_t>(polygon.size()));
    total += static_cast<int32_t>(polygon.size());
  }
  for (const auto& polygon : polygons) {
    for (const auto& [x, y] : polygon) {
      tail.push_back(static_cast<uint8_t>(x)), tail.push_back(static_cast<uint8_t>(x >> 8));
      tail.push_back(static_cast<uint8_t>(y)), tail.push_back(static_cast<uint8_t>(y >> 8));
    }
  }
  return Record(91, {0, 0, -1, -1, static_cast<int32_t>(polygons.size()), total}, tail);
}

EmfWriter& EmfWriter::ClipRegion(int left, int top, int right, int bottom, int mode) {
  std::vector<uint8_t> region;
  for (int32_t v : {32, 1, 1, 16, left, top, right, bottom, left, top, right, bottom})
    Put32(region, static_cast<uint32_t>(v));
  return Record(75, {static_cast<int32_t>(region.size()), mode}, region);
}

std::vector<uint8_t> EmfWriter::Finish() {
  Record(14, {0, 16, 20});
  std::vector<uint8_t> out = bytes_;
  Set32(out, 32, static_cast<uint32_t>(frame_.first));
  Set32(out, 36, static_cast<uint32_t>(frame_.second));
  Set32(out, 48, static_cast<uint32_t>(out.size()));
  Set32(out, 52, static_cast<uint32_t>(records_));
  return out;
}

GemWriter::GemWriter(int width, int height) {
  // Magic, header length, version, raster coordinates, extent, page (0.1 mm), no
  // coordinate system, no pictures, reserved.
  const int header[24] = {-1, 24, 101, 2, 0, 0, width, height, width * 254 / 96, height * 254 / 96};
  for (int v : header) Word(v);
}

void GemWriter::Word(int v) {
  bytes_.push_back(static_cast<uint8_t>(v & 0xFF));
  bytes_.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}

GemWriter& GemWriter::Call(int opcode, int sub, const std::vector<std::pair<int, int>>& points,
                           const std::vector<int>& ints) {
  Word(opcode);
  Word(static_cast<int>(points.size()));
  Word(static_cast<int>(ints.size()));
  Word(sub);
  for (const auto& [x, y] : points) Word(x), Word(y);
  for (int v : ints) Word(v);
  return *this;
}

std::vector<uint8_t> GemWriter::Finish() {
  std::vector<uint8_t> out = bytes_;
  out.push_back(0xFF);
  out.push_back(0xFF);
  return out;
}

}  // namespace lrw::test
