// What closing the arrangement stage writes into the slide. The windows gather the
// outcome; this applies it, so that the rules are checked without a display.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "document/SlideRecord.h"
#include "player/TextMeasurer.h"

namespace lrw {

struct ArrangementOutcome {
  bool saveOnClose = false;
  // The image window's client area in screen pixels (only read for a picture slide).
  int imageClientLeft = 0;
  int imageClientTop = 0;
  int imageClientWidth = 0;
  int imageClientHeight = 0;
  bool centered = false;
  // The caption as arranged (only read when hasCaption).
  bool hasCaption = false;
  std::vector<std::string> captionText;
  std::string captionFontName;  // Windows-1252
  int16_t captionFontSize = 0;
  FontStyle captionFontStyle = FontStyle::None;
  uint32_t captionFontColor = 0;
  uint32_t captionBackColor = 0;
  int captionWindowLeft = 0;  // the caption window's outer corner
  int captionWindowTop = 0;
  int captionClientWidth = 0;
  uint32_t backgroundColor = 0;
  // The motion's framings as placed on the stage (picture pixels), which make the motion
  // a custom one; nothing when they were not placed.
  std::optional<std::pair<MotionRect, MotionRect>> motionFramings;
};

// The width to store for a caption broken at `clientWidth`: its widest line without
// trailing blanks, never less than "WW".
int ArrangedCaptionWidth(const std::vector<std::string>& captionText, const TextMeasurer& font,
                         int clientWidth);

// Writes the outcome into `slide` when it is to be saved; `captionFont` measures in
// the arranged caption font. Returns whether anything was written (the show is then
// modified). Effect, speed, sound and duration, and the motion's strength and ease, are
// never touched.
bool WriteArrangement(SlideRecord& slide, const ArrangementOutcome& outcome,
                      const TextMeasurer& captionFont);

}  // namespace lrw
