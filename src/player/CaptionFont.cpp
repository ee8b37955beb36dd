#include "player/CaptionFont.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "platform/QtText.h"

namespace lrw {

int PointsToPixels(int points) {
  return (std::abs(points) * 96 + 36) / 72;
}

QFont MakeCaptionFont(const std::string& faceCp1252, int points, FontStyle style) {
  QFont font(FromCp1252(faceCp1252));
  font.setPixelSize(std::max(1, PointsToPixels(points)));
  font.setBold(HasAny(style, FontStyle::Bold));
  font.setItalic(HasAny(style, FontStyle::Italic));
  font.setUnderline(HasAny(style, FontStyle::Underline));
  font.setStrikeOut(HasAny(style, FontStyle::StrikeOut));
  return font;
}

QFont CaptionFont(const SlideRecord& slide) {
  return MakeCaptionFont(slide.CaptionFontName, slide.CaptionFontSize, slide.CaptionFontStyle);
}

int QtTextMeasurer::TextWidth(std::string_view cp1252) const {
  return metrics_.horizontalAdvance(FromCp1252(std::string(cp1252)));
}

}  // namespace lrw
