// The picture loader: decodes a picture file of the picture format table into a
// bitmap, at its own size or as a thumbnail fitted to 60 x 60. TLoadPictureModule
// owns the decoders and keeps the state of the last call.
#pragma once

#include <cstddef>
#include <string>

#include "document/Bitmap.h"
#include "import/GraphicsMagickDecoder.h"

namespace lrw {

enum LoadStatus { Loaded = 1, NotHandled = 2, LoadFailed = 7 };
enum LoaderMode { FullSizeMode, ThumbnailMode };

struct LoadPictureResult {
  LoadStatus status = NotHandled;
  // FullSizeMode: the picture at its own size. ThumbnailMode: fitted to 60 x 60
  // (a video still centred in a 60 x 60 square). LoadPictureForSize: see there.
  Bitmap bitmap;
  std::string errorText;  // UTF-8, for the user; set with LoadFailed only
  // The picture's own size (upright), learned in every mode.
  int fullWidth = 0;
  int fullHeight = 0;
  // A drawing (emf, gem): rendered at the size asked, so its own size bounds nothing.
  bool drawing = false;
};

class TLoadPictureModule {
 public:
  TLoadPictureModule();

  // Decodes `path` (UTF-8). A file whose extension is not in the picture format
  // table, or is "mov", gives NotHandled without an error text. In ThumbnailMode
  // a JPEG is decoded only at a reduced scale, so one call yields both the
  // thumbnail and the picture's own size.
  LoadPictureResult LoadPicture(const std::string& path, LoaderMode mode);
  // The same, filling `result` and returning the status.
  LoadStatus LoadPicture(const std::string& path, LoaderMode mode, Bitmap& result);

  // For drawing the picture into a maxWidth x maxHeight rectangle: a JPEG is
  // decoded at the smallest reduced scale (1/2, 1/4, 1/8) that still covers the
  // rectangle, other pictures at their own size; a drawing is rendered at the size
  // that covers the rectangle with its own proportions. The bitmap is not scaled
  // further; the caller stretches it. fullWidth/fullHeight give the own size.
  LoadPictureResult LoadPictureForSize(const std::string& path, int maxWidth, int maxHeight);

  // The state of the last call.
  const std::string& LastFileName() const { return lastFileName_; }
  LoadStatus LastStatus() const { return lastStatus_; }
  const std::string& LastError() const { return lastError_; }

 private:
  LoadPictureResult Load(const std::string& path, int hintWidth, int hintHeight, bool thumbnail);
  LoadPictureResult Decode(const std::string& path, int format, int hintWidth, int hintHeight,
                           bool thumbnail) const;

  GraphicsMagickDecoder magick_;
  std::string lastFileName_;
  LoadStatus lastStatus_ = NotHandled;
  std::string lastError_;
};

}  // namespace lrw
