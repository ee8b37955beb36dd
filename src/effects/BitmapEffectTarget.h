// Plays a transition between two bitmaps in memory: the source is the new picture, the
// target shows the old one until the copies replace it.
#pragma once

#include <cstddef>  // Bitmap.h uses size_t

#include "document/Bitmap.h"
#include "effects/RunEffect.h"

namespace lrw {

class BitmapEffectTarget : public EffectTarget {
 public:
  // Both bitmaps must keep their size while the target is in use.
  BitmapEffectTarget(const Bitmap& source, Bitmap& target);

  // The source's clipping rectangle: its bounds.
  EffectRect SourceClip() const { return {0, 0, source_.width, source_.height}; }

  // Same-size copies are direct; others are stretched with nearest-neighbour sampling. Source
  // pixels outside the source bitmap are not read and their target pixels stay unchanged;
  // target pixels outside the target bitmap are not written.
  void Copy(const EffectRect& from, const EffectRect& to) override;
  // Boxes that continue the previous one (the next box of a row or column) are copied
  // together as one rectangle: the same pixels as box by box, with one pass over the rows.
  void CopyBoxes(const EffectRect* boxes, size_t count) override;

 private:
  // A copy with from == to, clipped to both bitmaps.
  void CopyInPlace(const EffectRect& rect);
  void CopyDirect(const EffectRect& from, const EffectRect& to);
  void CopyStretched(const EffectRect& from, const EffectRect& to);

  const Bitmap& source_;
  Bitmap& target_;
  const uint32_t* sourcePixels_;
  uint32_t* targetPixels_;
  size_t sourceStride_;
  size_t targetStride_;
  int commonRight_;  // copies within both bitmaps take the short path
  int commonBottom_;
};

}  // namespace lrw
