#include "effects/EffectNames.h"

namespace lrw {

const std::array<std::string_view, kEffectCount>& EffectNames() {
  static constexpr std::array<std::string_view, kEffectCount> kNames = {
      "No Effect",
      "Left To Right",
      "Right To Left",
      "Top To Bottom",
      "Bottom To Top",
      "Horizontal Wipe In",
      "Horizontal Wipe Out",
      "Vertical Wipe In",
      "Vertical Wipe Out",
      "Horizontal Interlace",
      "Vertical Interlace",
      "Horizontal Double Pass",
      "Vertical Double Pass",
      "Horizontal Double Pass 2",
      "Vertical Double Pass 2",
      "Vertical Blind",
      "Horizontal Blind",
      "Double Blind",
      "Diagonal TL-BR",
      "Diagonal BL-TR",
      "Diagonal TR-BL",
      "Diagonal BR-TL",
      "Double Diagonal TL-BR",
      "Double Diagonal TR-BL",
      "Diagonal Out TL-BR",
      "Diagonal Out TR-BL",
      "Diagonal Quad",
      "Vertical Stripes",
      "Horizontal Stripes",
      "Vertical Big Stripes",
      "Horizontal Big Stripes",
      "Kaleidoscope",
      "Double Wipe Out",
      "Double Wipe In",
      "Random Lines",
      "Dissolve",
      "CheckerBoard",
      "Screen Drip",
      "Spray",
      "Swirl In",
      "Horizontal Snake",
      "Vertical Snake",
  };
  return kNames;
}

}  // namespace lrw
