#include "arrange/ArrangementWriteBack.h"

#include <algorithm>

#include "player/WrapCaption.h"

namespace lrw {

int ArrangedCaptionWidth(const std::vector<std::string>& captionText, const TextMeasurer& font,
                         int clientWidth) {
  std::vector<std::string> broken;
  int width = clientWidth;
  WrapCaption(captionText, font, broken, width);
  int widest = font.TextWidth("WW");
  for (const std::string& line : broken)
    widest = std::max(widest, font.TextWidth(TrimCaptionRight(line)));
  return widest;
}

bool WriteArrangement(SlideRecord& slide, const ArrangementOutcome& outcome,
                      const TextMeasurer& captionFont) {
  if (!outcome.saveOnClose) return false;
  if (!slide.IsBlank()) {
    slide.ImageTop = static_cast<int16_t>(outcome.imageClientTop);
    slide.ImageLeft = static_cast<int16_t>(outcome.imageClientLeft);
    slide.ImageHeight = static_cast<int16_t>(outcome.imageClientHeight);
    slide.ImageWidth = static_cast<int16_t>(outcome.imageClientWidth);
    slide.CenterImage = outcome.centered ? 1 : 0;
  }
  if (outcome.hasCaption) {
    slide.ShowCaption = 1;
    slide.CaptionWidth = static_cast<int16_t>(
        ArrangedCaptionWidth(outcome.captionText, captionFont, outcome.captionClientWidth));
    slide.CaptionTop = static_cast<int16_t>(outcome.captionWindowTop);
    slide.CaptionLeft = static_cast<int16_t>(outcome.captionWindowLeft);
    slide.Caption = outcome.captionText;
    slide.CaptionFontName = CutToCapacity(outcome.captionFontName, kFontNameCapacity);
    slide.CaptionFontStyle = outcome.captionFontStyle;
    slide.CaptionFontSize = outcome.captionFontSize;
    slide.CaptionFontColor = outcome.captionFontColor;
    slide.CaptionBackColor = outcome.captionBackColor;
  }
  slide.BackgroundColor = outcome.backgroundColor;
  if (outcome.motionFramings && !slide.IsBlank()) {
    slide.Motion.kind = MotionKind::Custom;
    slide.Motion.start = outcome.motionFramings->first;
    slide.Motion.end = outcome.motionFramings->second;
  }
  return true;
}

}  // namespace lrw
