// Small writers of enhanced and GEM metafiles for the tests, the fuzz corpus and the
// end-to-end show: records are written as the published layouts give them.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace lrw::test {

// An enhanced metafile on a 96 pixels-per-inch reference device in MM_TEXT, so one
// logical unit is one pixel of the drawing's own size.
class EmfWriter {
 public:
  EmfWriter(int width, int height);
  // A record of 32-bit fields, then `tail` bytes (padded to 4).
  EmfWriter& Record(uint32_t type, std::initializer_list<int32_t> fields,
                    const std::vector<uint8_t>& tail = {});
  // Convenience records.
  EmfWriter& SolidBrush(uint32_t index, uint32_t colorRef);
  EmfWriter& Pen(uint32_t index, uint32_t style, int width, uint32_t colorRef);
  EmfWriter& Select(uint32_t index) { return Record(37, {static_cast<int32_t>(index)}); }
  EmfWriter& Rectangle(int left, int top, int right, int bottom) {
    return Record(43, {left, top, right, bottom});
  }
  // EXTCREATEFONTINDIRECTW with a face, height (negative: character height) and escapement.
  EmfWriter& Font(uint32_t index, int height, int escapement, const std::u16string& face);
  // EXTTEXTOUTW at (x, y), with a spacing array when `spacing` > 0.
  EmfWriter& TextOut(int x, int y, const std::u16string& text, int spacing = 0);
  // STRETCHDIBITS of a 32-bit top-down bitmap (0xFFRRGGBB pixels) with a raster operation.
  EmfWriter& StretchDib(int x, int y, int width, int height, int pixelsWide, int pixelsHigh,
                        const std::vector<uint32_t>& pixels, uint32_t rop = 0x00CC0020);
  // A 16-bit point record (POLYGON16, POLYLINE16, POLYBEZIER16, ...) and POLYPOLYGON16.
  EmfWriter& Poly16(uint32_t type, const std::vector<std::pair<int, int>>& points);
  EmfWriter& PolyPolygon16(const std::vector<std::vector<std::pair<int, int>>>& polygons);
  // EXTSELECTCLIPRGN with one rectangle in device pixels.
  EmfWriter& ClipRegion(int left, int top, int right, int bottom, int mode);
  std::vector<uint8_t> Finish();
  size_t Size() const { return bytes_.size(); }
  // Sets the header's declared frame (0.01 mm) and bounds, for hostile files.
  void DeclareFrame(int32_t right, int32_t bottom) { frame_ = {right, bottom}; }

 private:
  std::vector<uint8_t> bytes_;
  int records_ = 1;
  std::pair<int32_t, int32_t> frame_;
};

// A GEM metafile in raster coordinates whose extent is width x height units and whose
// page is as many pixels at 96 per inch (width and height multiples of 48).
class GemWriter {
 public:
  GemWriter(int width, int height);
  GemWriter& Call(int opcode, int sub, const std::vector<std::pair<int, int>>& points,
                  const std::vector<int>& ints = {});
  GemWriter& Text(int x, int y, const std::string& text) {
    return Call(8, 0, {{x, y}}, std::vector<int>(text.begin(), text.end()));
  }
  std::vector<uint8_t> Finish();
  size_t Size() const { return bytes_.size(); }

 private:
  void Word(int v);
  std::vector<uint8_t> bytes_;
};

}  // namespace lrw::test
