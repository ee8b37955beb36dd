// The designer's side of the arrangement stage: the stage sees the slide it arranges
// through the editor, by the slide's identity, and hands the arranged slide back to it.
#pragma once

#include "arrange/ArrangementHost.h"

namespace lrw {

class SlideshowDesignForm;

class DesignerArrangementHost : public ArrangementHost {
 public:
  explicit DesignerArrangementHost(SlideshowDesignForm& designer) : designer_(designer) {}

  const SlideRecord* ArrangedSlide() const override;
  size_t ArrangedSlideIndex() const override;
  QSize ScreenSize() const override;
  uint32_t ChangeBackground(uint32_t color, QWidget* parent) override;
  bool EditCaption(std::vector<std::string>& lines, CaptionFontRecord& font, uint32_t& backColor,
                   QWidget* parent) override;
  CaptionFontRecord DesignerFont() const override;
  LoadPictureModule& PictureLoader() override;
  Prompts& UserPrompts() override;
  void ArrangementFinished(std::optional<SlideRecord> arranged) override;

 private:
  SlideshowDesignForm& designer_;
};

}  // namespace lrw
