#include "designer/DesignerTestSupport.h"

#include "designer/SlideStrip.h"
#include "designer/SlideshowDesignForm.h"

namespace lrw::test {

SlideRecord PictureSlide(const std::string& name, int w, int h, uint32_t pixel,
                         const std::string& folder) {
  SlideRecord s = FirstSlideDefaults();
  s.PictureFolder = folder;
  s.PictureName = name;
  s.ImageWidth = static_cast<int16_t>(w * 10);
  s.ImageHeight = static_cast<int16_t>(h * 10);
  s.Thumbnail = Bitmap(w, h, pixel);
  return s;
}

SlideRecord BlankSlide(uint32_t background) {
  SlideRecord s = FirstSlideDefaults();
  s.BackgroundColor = background;
  return s;
}

void LoadShow(TSlideshowDesignForm& form, std::vector<SlideRecord> slides) {
  form.Document().Load(std::move(slides), {}, form.Document().Loop());
  form.StripReset();
  form.Document().SetModified(false);
  form.UpdateCommandStates();
}

void SelectSlides(TSlideshowDesignForm& form, std::initializer_list<int> indices) {
  for (int i : form.Strip()->SelectedRows()) form.SetSelected(i, false);
  for (int i : indices) form.SetSelected(i, true);
  if (indices.size() > 0) form.SetCurrentIndex(*indices.begin());
  form.ImageListBoxClick();
}

std::vector<std::string> SlideNames(const TSlideshowDesignForm& form) {
  std::vector<std::string> names;
  for (const SlideRecord& s : form.Document().Slides()) names.push_back(s.PictureName);
  return names;
}

std::vector<std::string> StripTexts(const TSlideshowDesignForm& form) {
  std::vector<std::string> texts;
  for (int i = 0; i < form.Strip()->Count(); ++i)
    texts.push_back(form.Strip()->ItemText(i).toStdString());
  return texts;
}

std::vector<int> SelectedIndices(const TSlideshowDesignForm& form) {
  return form.Strip()->SelectedRows();
}

}  // namespace lrw::test
