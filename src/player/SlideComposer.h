// Draws one slide full screen: the background, the picture stretched at its place or
// centred, and the caption broken to its width in its box. Keeps the last picture it
// decoded, so that consecutive slides showing the same picture decode it once.
#pragma once

#include <QImage>
#include <string>

#include "document/SlideRecord.h"
#include "import/LoadPicture.h"

class QPainter;

namespace lrw {

// Where a picture of the given drawn size goes on a screen: its own place, or centred
// (halves truncated toward zero).
QPoint PicturePosition(const SlideRecord& slide, const QSize& screen);

// Draws the slide's caption (font, wrapped lines, box); does nothing without ShowCaption.
void DrawCaption(QPainter& painter, const SlideRecord& slide);

class SlideComposer {
 public:
  SlideComposer() = default;

  // Composes `slide` into `bitmap` (Format_RGB32, the screen's size in device pixels, with
  // the screen's device pixel ratio; 1 when the bitmap has none). Record positions and
  // sizes are logical pixels and are scaled by that ratio; the picture is decoded large
  // enough for its device pixels. A picture that cannot be loaded is left out without a
  // message.
  void ComposeSlide(const SlideRecord& slide, QImage& bitmap);

  // The cache: the file the cached picture came from, and how many decodes were made.
  const std::string& CachedFileName() const { return cachedFileName_; }
  int PictureLoads() const { return pictureLoads_; }

 private:
  // The picture of `path` decoded large enough for drawing at width x height.
  bool LoadCached(const std::string& path, int width, int height);

  LoadPictureModule loader_;
  Bitmap cachedBitmap_;
  QImage cachedPicture_;  // wraps cachedBitmap_
  std::string cachedFileName_;
  int cachedFullWidth_ = 0;
  int cachedFullHeight_ = 0;
  int pictureLoads_ = 0;
};

}  // namespace lrw
