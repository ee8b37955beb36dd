// The copies of one transition described by kind (box, line, strip), for tools and tests
// that need to know what each copy is, not only its rectangles.
#pragma once

#include <cstdint>
#include <vector>

#include "effects/RunEffect.h"

namespace lrw {

enum class EffectCopyKind : uint8_t { Whole, Box, HorizontalLine, VerticalLine, Strip };

struct EffectCopy {
  EffectCopyKind kind = EffectCopyKind::Box;
  // Box: column and row (1-based). Lines: the pixel index in `a`. Strip: source strip in `a`,
  // target strip in `b` (1-based).
  int a = 0;
  int b = 0;
  EffectRect from;
  EffectRect to;
};

enum class EffectCompletion {
  FinishMissingBoxes,  // what RunEffect does
  EffectOnly,          // the effect's own pattern, without the finishing boxes
};

// The copies RunEffect makes, in order, with the random generator advanced exactly as
// RunEffect would advance it.
std::vector<EffectCopy> ListEffectCopies(
    uint8_t effect, const EffectRect& sourceClip, uint8_t d,
    EffectCompletion completion = EffectCompletion::FinishMissingBoxes);

}  // namespace lrw
