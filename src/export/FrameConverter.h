// Turns the screen bitmap into video frames: 4:2:0 YUV with BT.709 colours in the video range,
// read straight from the bitmap's pixels into the frame's planes. A frame that differs from
// the one before only where a transition's copies went is made from that frame, converting
// only the changed part.
#pragma once

#include "document/Bitmap.h"
#include "effects/RunEffect.h"
#include "export/AvPointers.h"

namespace lrw {

class FrameConverter {
 public:
  // Both sides even.
  FrameConverter(int width, int height) : width_(width), height_(height) {}

  // A new frame with the whole bitmap (the converter's size); nothing when memory runs out.
  AvFramePtr Convert(const Bitmap& screen) const;
  // A new frame: `previous` with `changed` (screen pixels) converted again from the bitmap.
  AvFramePtr Update(const AVFrame& previous, const Bitmap& screen, const EffectRect& changed) const;

 private:
  AvFramePtr NewFrame() const;
  void ConvertRect(const Bitmap& screen, AVFrame& frame, const EffectRect& rect) const;

  int width_;
  int height_;
};

}  // namespace lrw
