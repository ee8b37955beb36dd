// The caption font of a slide as a Qt font, and measuring with it. Sizes are points at
// 96 pixels per inch, the convention stored positions were made with, so that arranging
// and playing agree on every machine.
#pragma once

#include <QFont>
#include <QFontMetrics>

#include "document/SlideRecord.h"
#include "player/TextMeasurer.h"

namespace lrw {

// Pixel height of the em for a size in points at 96 pixels per inch, rounded.
int PointsToPixels(int points);

// A caption font from its record fields: face (Windows-1252), size in points and style
// bits (bold, italic, underline, strike-out).
QFont MakeCaptionFont(const std::string& faceCp1252, int points, FontStyle style);

// The slide's caption font.
QFont CaptionFont(const SlideRecord& slide);

class QtTextMeasurer : public TextMeasurer {
 public:
  explicit QtTextMeasurer(const QFont& font) : metrics_(font) {}
  int TextWidth(std::string_view cp1252) const override;
  int TextHeight() const override { return metrics_.height(); }
  const QFontMetrics& Metrics() const { return metrics_; }

 private:
  QFontMetrics metrics_;
};

}  // namespace lrw
