#include "player/SlideWait.h"

#include "document/Cp1252.h"

namespace lrw {

std::string SlideSoundFile(const SlideRecord& slide) {
  // Names are used exactly as stored: a portable show keeps a blank-padded name as it is.
  return Cp1252ToUtf8(slide.SoundFolder + slide.SoundName);
}

}  // namespace lrw
