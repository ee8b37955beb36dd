// A slide whose picture moves: the picture decoded once, at the size its closest framing
// needs on this screen (never more than its own size), and each frame drawn from it at
// device pixels with bilinear filtering, the caption still on top. The runner and the
// video export draw motion through this one class, so both show the same frames.
#pragma once

#include <QImage>
#include <optional>

#include "document/SlideRecord.h"
#include "effects/MotionFraming.h"
#include "import/LoadPicture.h"

namespace lrw {

class MotionPicture {
 public:
  // Prepares `slide` (at `slideIndex` in its show, which "automatic" alternates by) for a
  // screen of `deviceSize` device pixels at `ratio` device pixels per logical one. False
  // when the slide has no motion or its picture cannot be loaded (it is then composed as
  // a still slide).
  bool Prepare(const SlideRecord& slide, size_t slideIndex, QSize deviceSize, double ratio,
               LoadPictureModule& loader);
  // The same for a picture already in memory (the demonstration's sample pictures).
  bool PrepareImage(const SlideRecord& slide, const QImage& picture, size_t slideIndex,
                    QSize deviceSize, double ratio);
  bool Ready() const { return path_.has_value(); }
  const MotionPath& Path() const { return *path_; }
  // The decoded source (for checks of its size).
  const QImage& Source() const { return source_; }
  // Draws the frame at `fraction` of the motion into `out` (the screen's device size; its
  // device pixel ratio is set here).
  void Draw(double fraction, QImage& out) const;
  void Clear();

 private:
  SlideRecord slide_;
  std::optional<MotionPath> path_;
  QImage source_;
  double scale_ = 1;  // source pixels per picture pixel
  double ratio_ = 1;
  QSize device_;
};

}  // namespace lrw
