// Caption line breaking, shared by the player, the designer and the arrangement
// windows. The caption's lines are joined without separator and broken again to a
// width at blanks and hyphens; the pilcrow is the only forced break.
#pragma once

#include <string>
#include <vector>

#include "document/SlideRecord.h"
#include "player/TextMeasurer.h"

namespace lrw {

// Breaks `lines` into display lines in `out` (cleared first). `width` is the break
// width; on return it is at least the width of "WW". Display lines keep their
// trailing spaces: callers trim them at the right before measuring or drawing.
void WrapCaption(const std::vector<std::string>& lines, const TextMeasurer& font,
                 std::vector<std::string>& out, int& width);

// Trailing blanks and control characters removed, as captions are drawn.
std::string TrimCaptionRight(const std::string& line);

// Where a slide's caption is drawn: the display lines (trimmed), the line height and
// the box behind them. Box edges: left/top inclusive, right/bottom exclusive.
struct CaptionLayout {
  std::vector<std::string> lines;
  int textWidth = 0;   // the width the lines were broken to, widened to the widest line
  int lineHeight = 0;  // height of "M"
  int textLeft = 0;
  int textTop = 0;
  int boxLeft = 0;
  int boxTop = 0;
  int boxRight = 0;
  int boxBottom = 0;

  int LineTop(int i) const { return textTop + i * lineHeight; }
};

// The caption of `slide` laid out with `font` (which must be the slide's caption font).
CaptionLayout LayoutCaption(const SlideRecord& slide, const TextMeasurer& font);

}  // namespace lrw
