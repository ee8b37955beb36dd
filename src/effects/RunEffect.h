// The transition engine: plays one of the 42 effects as a sequence of rectangle copies
// from a source surface onto a target surface.
#pragma once

#include <cstddef>
#include <cstdint>

namespace lrw {

struct EffectRect {
  int left = 0, top = 0, right = 0, bottom = 0;  // right/bottom exclusive

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const EffectRect&) const = default;
};

// Receives the copies of one transition, in order.
class EffectTarget {
 public:
  virtual ~EffectTarget() = default;
  // Copy rectangle `from` of the source onto rectangle `to` of the target. For boxes and lines
  // from == to; for Screen Drip `to` is another strip, and the copy is stretched when the
  // heights differ. Pixels outside the source's clip rectangle are not read (left unchanged).
  virtual void Copy(const EffectRect& from, const EffectRect& to) = 0;
  // Consecutive box copies (each with from == to), in order. The engine hands boxes over in
  // batches so that a target can copy them without a call per box; the default copies them
  // one by one.
  virtual void CopyBoxes(const EffectRect* boxes, size_t count) {
    for (size_t i = 0; i < count; ++i) Copy(boxes[i], boxes[i]);
  }
};

inline constexpr uint8_t kLastEffect = 41;
inline constexpr uint8_t kSmallestBoxWidth = 2;

// Plays effect (0..41; callers clamp) from a source whose clipping rectangle is `sourceClip`.
// Effects whose own pattern can leave boxes out finish with the missing boxes in row order,
// so the target always ends showing the whole new picture.
void RunEffect(uint8_t effect, const EffectRect& sourceClip, EffectTarget& target, uint8_t d);

}  // namespace lrw
