#include "designer/DesignerTestSupport.h"

#include "document/ShowFile.h"
#include "document/SlideShowDocument.h"

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

bool WriteShow(const std::string& path, std::vector<SlideRecord> slides, bool loop) {
  SlideShowDocument doc;
  doc.Load(std::move(slides), path, loop);
  return WriteShowFile(doc, path, false).has_value();
}

}  // namespace lrw::test
