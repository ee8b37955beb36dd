#include "document/SlideShowDocument.h"

#include <algorithm>
#include <utility>

namespace lrw {

void SlideShowDocument::ReleaseSlides() {
  Slides.clear();
  Modified = false;
}

void SlideShowDocument::InsertSlide(int index, SlideRecord slide) {
  index = std::clamp(index, 0, Count());
  Slides.insert(Slides.begin() + index, std::move(slide));
}

void SlideShowDocument::DeleteSlide(int index) {
  if (!ValidIndex(index)) return;
  Slides.erase(Slides.begin() + index);
}

void SlideShowDocument::ExchangeSlides(int i, int j) {
  if (!ValidIndex(i) || !ValidIndex(j)) return;
  std::swap(Slides[static_cast<size_t>(i)], Slides[static_cast<size_t>(j)]);
}

SlideRecord SlideShowDocument::TemplateFor(int current) const {
  return ValidIndex(current) ? SlideAt(current) : FirstSlideDefaults();
}

SlideRecord MakeBlankSlide(SlideRecord s) {
  s.PictureFolder.clear();
  s.PictureName.clear();
  s.ImageHeight = s.ImageWidth = s.ImageTop = s.ImageLeft = 0;
  s.ShowCaption = 0;
  s.Caption.clear();
  s.CaptionTop = s.CaptionLeft = s.CaptionWidth = 0;
  s.PlaySound = 0;
  s.SoundFolder.clear();
  s.SoundName.clear();
  s.Thumbnail.reset();
  return s;
}

int SlideShowDocument::NewBlankSlide(int current) {
  const int at = ValidIndex(current) ? current + 1 : 0;
  InsertSlide(at, MakeBlankSlide(TemplateFor(current)));
  MarkModified();
  return at;
}

int SlideShowDocument::DuplicateSlide(int index) {
  if (!ValidIndex(index)) return -1;
  // A value copy gives the duplicate its own caption lines and thumbnail.
  SlideRecord copy = SlideAt(index);
  copy.PlaySound = 0;
  copy.SoundFolder.clear();
  copy.SoundName.clear();
  InsertSlide(index + 1, std::move(copy));
  MarkModified();
  return index + 1;
}

}  // namespace lrw
