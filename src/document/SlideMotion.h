// What show file 5.0 adds to a slide: the picture's motion while the slide is on screen
// (a slow zoom or pan from a start framing to an end framing) and a smooth transition
// in place of the block one. Defaults are "none", which a 4.0 file holds without either.
#pragma once

#include <cstdint>

namespace lrw {

enum class MotionKind : uint8_t {
  None,
  ZoomIn,
  ZoomOut,
  PanLeft,
  PanRight,
  PanUp,
  PanDown,
  Auto,  // follows the picture's shape, another direction on consecutive slides
  Custom
};
inline constexpr int kMotionKindCount = 9;

enum class MotionEase : uint8_t { Linear, Smooth };

// A rectangle of the picture in its own pixels (upright).
struct MotionRect {
  int32_t x = 0;
  int32_t y = 0;
  int32_t width = 0;
  int32_t height = 0;
  bool operator==(const MotionRect&) const = default;
};

inline constexpr int kDefaultMotionStrength = 50;

struct SlideMotion {
  MotionKind kind = MotionKind::None;
  uint8_t strength = kDefaultMotionStrength;  // 0..100: how far it zooms or pans
  MotionEase ease = MotionEase::Smooth;
  MotionRect start;  // Custom only
  MotionRect end;    // Custom only
  bool Present() const { return kind != MotionKind::None; }
  bool operator==(const SlideMotion&) const = default;
};

// The smooth transitions, numbered after the 42 block effects in the transition list.
enum class SmoothEffect : uint8_t {
  None,
  CrossFade,
  FadeBlack,
  FadeWhite,
  PushLeft,
  PushRight,
  PushUp,
  PushDown,
  Cover,
  Uncover,
  WipeLeft,
  WipeRight,
  WipeUp,
  WipeDown,
  ZoomIn,
  ZoomOut,
  Iris
};
inline constexpr int kSmoothEffectCount = 16;  // without None

}  // namespace lrw
