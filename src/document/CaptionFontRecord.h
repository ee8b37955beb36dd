// A caption font as a slide stores it: face name (Windows-1252), size in points,
// style bits and a record colour (0x00BBGGRR or a system colour).
#pragma once

#include <cstdint>
#include <string>

#include "document/SlideRecord.h"

namespace lrw {

struct CaptionFontRecord {
  std::string Name;
  int16_t Size = 0;
  FontStyle Style = FontStyle::None;
  uint32_t Color = 0;

  static CaptionFontRecord Of(const SlideRecord& slide) {
    return {slide.CaptionFontName, slide.CaptionFontSize, slide.CaptionFontStyle,
            slide.CaptionFontColor};
  }
  // Writes the font fields of the slide; the name is cut to its 32 characters.
  void StoreInto(SlideRecord& slide) const {
    slide.CaptionFontName = CutToCapacity(Name, kFontNameCapacity);
    slide.CaptionFontSize = Size;
    slide.CaptionFontStyle = Style;
    slide.CaptionFontColor = Color;
  }
  bool operator==(const CaptionFontRecord&) const = default;
};

}  // namespace lrw
