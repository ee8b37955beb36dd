// A text measurer with fixed character widths, so that line breaking is tested
// without fonts or a display.
#pragma once

#include <map>
#include <string_view>

#include "player/TextMeasurer.h"

namespace lrw::test {

class FixedWidthMeasurer : public TextMeasurer {
 public:
  // Every character is `defaultWidth` wide unless given its own width.
  explicit FixedWidthMeasurer(int defaultWidth = 5, std::map<char, int> widths = {},
                              int height = 12)
      : default_(defaultWidth), widths_(std::move(widths)), height_(height) {}

  int TextWidth(std::string_view text) const override {
    int w = 0;
    for (char c : text) {
      const auto it = widths_.find(c);
      w += it == widths_.end() ? default_ : it->second;
    }
    return w;
  }
  int TextHeight() const override { return height_; }

 private:
  int default_;
  std::map<char, int> widths_;
  int height_;
};

}  // namespace lrw::test
