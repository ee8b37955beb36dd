#include "player/SlideWait.h"

#include "document/Cp1252.h"
#include "document/Paths.h"

namespace lrw {

std::string SlideSoundFile(const SlideRecord& slide) {
  return Cp1252ToUtf8(Trim(slide.SoundFolder) + Trim(slide.SoundName));
}

}  // namespace lrw
