// The smooth transitions: each frame blends the outgoing and the incoming slide's
// pictures, touching every pixel of the frame once. They follow the 42 block effects in
// the transition list, take their length from the same speed control, and fall back to a
// block effect where a 4.0 show file cannot hold them.
#pragma once

#include <optional>
#include <string_view>

#include "document/Bitmap.h"
#include "document/SlideMotion.h"

namespace lrw {

// The list entry of the transition list (index kEffectCount + n - 1 for effect n).
std::string_view SmoothEffectName(SmoothEffect effect);
// The name showtool takes and shows: "crossfade", "fade-black", "push-left", ...
std::string_view SmoothEffectKey(SmoothEffect effect);
std::optional<SmoothEffect> SmoothEffectFromKey(std::string_view key);
// The block effect a 4.0 file keeps instead.
uint8_t FallbackBlockEffect(SmoothEffect effect);

// The slide's entry in the transition list: the block effect, or after the 42 its smooth
// transition.
int TransitionListIndex(uint8_t effect, SmoothEffect smooth);
// Sets a slide's transition from a list entry; a smooth one keeps its fallback as Effect.
void SetTransitionFromList(int index, uint8_t& effect, SmoothEffect& smooth);

// Seconds a smooth transition lasts at a speed setting (2 "Slower" .. 10 "Faster"):
// 3 s down to 0.5 s.
double SmoothSeconds(int boxWidth);

// Draws the frame at `progress` (0: all outgoing, 1: all incoming) of the transition into
// `out`; the three bitmaps have one size.
void DrawSmoothFrame(SmoothEffect effect, const Bitmap& from, const Bitmap& to, double progress,
                     Bitmap& out);

// One pixel of a cross-fade: `weight` of 256 from `b`, the rest from `a`.
inline uint32_t BlendPixel(uint32_t a, uint32_t b, uint32_t weight) {
  const uint32_t inv = 256 - weight;
  const uint32_t rb = (((a & 0xFF00FFu) * inv + (b & 0xFF00FFu) * weight + 0x800080u) >> 8);
  const uint32_t g = (((a & 0x00FF00u) * inv + (b & 0x00FF00u) * weight + 0x008000u) >> 8);
  return 0xFF000000u | (rb & 0xFF00FFu) | (g & 0x00FF00u);
}

}  // namespace lrw
