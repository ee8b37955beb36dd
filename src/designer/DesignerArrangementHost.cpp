#include "designer/DesignerArrangementHost.h"

#include <algorithm>

#include "designer/SlideCaptionForm.h"
#include "designer/SlideshowDesignForm.h"

namespace lrw {

const SlideRecord* DesignerArrangementHost::ArrangedSlide() const {
  const ShowEditor& editor = designer_.editor_;
  return editor.Document().Find(editor.StageSlide());
}

size_t DesignerArrangementHost::ArrangedSlideIndex() const {
  const ShowEditor& editor = designer_.editor_;
  return static_cast<size_t>(std::max(0, editor.Document().IndexOf(editor.StageSlide())));
}

QSize DesignerArrangementHost::ScreenSize() const {
  return designer_.media_.ScreenSize();
}

uint32_t DesignerArrangementHost::ChangeBackground(uint32_t color, QWidget* parent) {
  return AskRecordColor(designer_.services_.dialogs, parent, color).value_or(color);
}

bool DesignerArrangementHost::EditCaption(std::vector<std::string>& lines, CaptionFontRecord& font,
                                          uint32_t& backColor, QWidget* parent) {
  return EditCaptionInDialog(designer_.services_.dialogs, designer_.services_.prompts, parent,
                             lines, font, backColor);
}

CaptionFontRecord DesignerArrangementHost::DesignerFont() const {
  SlideRecord defaults;
  SetDesignerCaptionFont(defaults);
  return CaptionFontRecord::Of(defaults);
}

LoadPictureModule& DesignerArrangementHost::PictureLoader() {
  return designer_.media_.Loader();
}

Prompts& DesignerArrangementHost::UserPrompts() {
  return designer_.services_.prompts;
}

void DesignerArrangementHost::ArrangementFinished(std::optional<SlideRecord> arranged) {
  designer_.editor_.FinishArrangement(arranged);
  designer_.StageFinished();
}

}  // namespace lrw
