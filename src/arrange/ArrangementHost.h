// What the arrangement stage needs from the program that opened it, and nothing more:
// the slide being arranged (looked up by its identity every time, so a stage never
// holds a pointer into the show), the screen, the colour dialog and the caption editor,
// the picture loader, and where the arranged slide goes when the stage closes.
#pragma once

#include <QSize>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document/CaptionFontRecord.h"
#include "document/SlideRecord.h"

class QWidget;

namespace lrw {

class Prompts;
class LoadPictureModule;

class ArrangementHost {
 public:
  virtual ~ArrangementHost() = default;

  // The slide as it is in the show now; null when it is gone.
  virtual const SlideRecord* ArrangedSlide() const = 0;
  // Where the slide stands in the show ("automatic" motion alternates by it).
  virtual size_t ArrangedSlideIndex() const = 0;
  // The screen the slide is arranged on, in the logical pixels positions are stored in.
  virtual QSize ScreenSize() const = 0;
  // The designer's colour dialog over `parent`: the chosen record colour, or `color`
  // when cancelled.
  virtual uint32_t ChangeBackground(uint32_t color, QWidget* parent) = 0;
  // The caption editor over `parent` on working copies; true (and the three updated)
  // on OK.
  virtual bool EditCaption(std::vector<std::string>& lines, CaptionFontRecord& font,
                           uint32_t& backColor, QWidget* parent) = 0;
  // The designer window's own font, which a caption added on the stage starts with.
  virtual CaptionFontRecord DesignerFont() const = 0;
  virtual LoadPictureModule& PictureLoader() = 0;
  virtual Prompts& UserPrompts() = 0;
  // The stage has closed: `arranged` is the slide to store (the slide as it is now,
  // with the arrangement written into it), or nothing when nothing is to be written
  // (Esc, "Exit &Without Saving", a blank slide closed without any change, a slide that
  // is gone). Called exactly once, whichever way the stage closes.
  virtual void ArrangementFinished(std::optional<SlideRecord> arranged) = 0;
};

}  // namespace lrw
