#include "effects/EffectNames.h"

#include "document/TextMark.h"

namespace lrw {

const std::array<std::string_view, kEffectCount>& EffectNames() {
  static constexpr std::array<std::string_view, kEffectCount> kNames = {
      LRW_TR_NOOP("lrw::EffectNames", "No Effect"),
      LRW_TR_NOOP("lrw::EffectNames", "Left To Right"),
      LRW_TR_NOOP("lrw::EffectNames", "Right To Left"),
      LRW_TR_NOOP("lrw::EffectNames", "Top To Bottom"),
      LRW_TR_NOOP("lrw::EffectNames", "Bottom To Top"),
      LRW_TR_NOOP("lrw::EffectNames", "Horizontal Wipe In"),
      LRW_TR_NOOP("lrw::EffectNames", "Horizontal Wipe Out"),
      LRW_TR_NOOP("lrw::EffectNames", "Vertical Wipe In"),
      LRW_TR_NOOP("lrw::EffectNames", "Vertical Wipe Out"),
      LRW_TR_NOOP("lrw::EffectNames", "Horizontal Interlace"),
      LRW_TR_NOOP("lrw::EffectNames", "Vertical Interlace"),
      LRW_TR_NOOP("lrw::EffectNames", "Horizontal Double Pass"),
      LRW_TR_NOOP("lrw::EffectNames", "Vertical Double Pass"),
      LRW_TR_NOOP("lrw::EffectNames", "Horizontal Double Pass 2"),
      LRW_TR_NOOP("lrw::EffectNames", "Vertical Double Pass 2"),
      LRW_TR_NOOP("lrw::EffectNames", "Vertical Blind"),
      LRW_TR_NOOP("lrw::EffectNames", "Horizontal Blind"),
      LRW_TR_NOOP("lrw::EffectNames", "Double Blind"),
      LRW_TR_NOOP("lrw::EffectNames", "Diagonal TL-BR"),
      LRW_TR_NOOP("lrw::EffectNames", "Diagonal BL-TR"),
      LRW_TR_NOOP("lrw::EffectNames", "Diagonal TR-BL"),
      LRW_TR_NOOP("lrw::EffectNames", "Diagonal BR-TL"),
      LRW_TR_NOOP("lrw::EffectNames", "Double Diagonal TL-BR"),
      LRW_TR_NOOP("lrw::EffectNames", "Double Diagonal TR-BL"),
      LRW_TR_NOOP("lrw::EffectNames", "Diagonal Out TL-BR"),
      LRW_TR_NOOP("lrw::EffectNames", "Diagonal Out TR-BL"),
      LRW_TR_NOOP("lrw::EffectNames", "Diagonal Quad"),
      LRW_TR_NOOP("lrw::EffectNames", "Vertical Stripes"),
      LRW_TR_NOOP("lrw::EffectNames", "Horizontal Stripes"),
      LRW_TR_NOOP("lrw::EffectNames", "Vertical Big Stripes"),
      LRW_TR_NOOP("lrw::EffectNames", "Horizontal Big Stripes"),
      LRW_TR_NOOP("lrw::EffectNames", "Kaleidoscope"),
      LRW_TR_NOOP("lrw::EffectNames", "Double Wipe Out"),
      LRW_TR_NOOP("lrw::EffectNames", "Double Wipe In"),
      LRW_TR_NOOP("lrw::EffectNames", "Random Lines"),
      LRW_TR_NOOP("lrw::EffectNames", "Dissolve"),
      LRW_TR_NOOP("lrw::EffectNames", "CheckerBoard"),
      LRW_TR_NOOP("lrw::EffectNames", "Screen Drip"),
      LRW_TR_NOOP("lrw::EffectNames", "Spray"),
      LRW_TR_NOOP("lrw::EffectNames", "Swirl In"),
      LRW_TR_NOOP("lrw::EffectNames", "Horizontal Snake"),
      LRW_TR_NOOP("lrw::EffectNames", "Vertical Snake"),
  };
  return kNames;
}

}  // namespace lrw
