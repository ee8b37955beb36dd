#include "player/CaptionFont.h"

#include <cstdlib>
#include <string>

#include "platform/QtText.h"

namespace lrw {

int PointsToPixels(int points) {
  return (std::abs(points) * 96 + 36) / 72;
}

QFont CaptionFont(const SlideRecord& slide) {
  QFont font(FromCp1252(slide.CaptionFontName));
  font.setPixelSize(std::max(1, PointsToPixels(slide.CaptionFontSize)));
  font.setBold(slide.CaptionFontStyle & kBold);
  font.setItalic(slide.CaptionFontStyle & kItalic);
  font.setUnderline(slide.CaptionFontStyle & kUnderline);
  font.setStrikeOut(slide.CaptionFontStyle & kStrikeOut);
  return font;
}

int QtTextMeasurer::TextWidth(std::string_view cp1252) const {
  return metrics_.horizontalAdvance(FromCp1252(std::string(cp1252)));
}

}  // namespace lrw
