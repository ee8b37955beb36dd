// Measures caption text in one font. The windows measure with the real font; tests
// with fixed character widths, so that line breaking is checked without a display.
#pragma once

#include <string_view>

namespace lrw {

class TextMeasurer {
 public:
  virtual ~TextMeasurer() = default;
  // Width in pixels of Windows-1252 text drawn on one line.
  virtual int TextWidth(std::string_view cp1252) const = 0;
  // Height in pixels of "M": the caption's line height.
  virtual int TextHeight() const = 0;
};

}  // namespace lrw
