// The arithmetic of the motion's start and end boxes on the arrangement stage: whatever
// the user does with a box, the framing it stores is one the motion shows whole. Framings
// are in the picture's own pixels, as the show file stores them.
#pragma once

#include <optional>

#include "arrange/PlacementRules.h"
#include "effects/MotionFraming.h"

namespace lrw {

// The picture's own size and the screen's, whose proportions every framing keeps.
struct FramingShape {
  int pictureWidth = 0;
  int pictureHeight = 0;
  int screenWidth = 0;
  int screenHeight = 0;
};

// The edges a drag sizes; none: the framing is moved.
struct FramingEdges {
  bool left = false;
  bool top = false;
  bool right = false;
  bool bottom = false;
  bool Any() const { return left || top || right || bottom; }
};

// How much closer than the largest framing a framing may look: enough for a strong
// zoom, not so far that a box shrinks out of reach.
inline constexpr int kClosestFramingFactor = 8;

// The stored framing nearest to `wanted` that the motion shows whole: in the screen's
// proportions, inside the picture, from the largest framing down to an eighth of it.
// A sized framing keeps the edges not being sized where they were (across the sized
// direction it stays centred); a moved one keeps its size. Clamped, never refused.
MotionRect FitFraming(const Framing& wanted, const FramingEdges& sized, const FramingShape& shape);

// The keys of the placement forms on a framing, in steps of `step` picture pixels:
// Ctrl+arrows move by a step, Ctrl+Shift+arrows by five, Shift+Right and Shift+Down make
// it larger, Shift+Left and Shift+Up smaller (by a step of width or height, the top
// left corner staying). Nothing when the keys do not apply or the framing is at a limit.
std::optional<MotionRect> NudgeFraming(const MotionRect& framing, ArrowKey key, bool ctrl,
                                       bool shift, int step, const FramingShape& shape);

inline Framing FramingOf(const MotionRect& r) {
  return {double(r.x), double(r.y), double(r.width), double(r.height)};
}

}  // namespace lrw
