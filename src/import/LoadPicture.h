// The picture loader: decodes a picture file of the picture format table into a
// bitmap, at its own size or as a thumbnail fitted to 60 x 60. LoadPictureModule
// owns the decoders.
#pragma once

#include <cstddef>
#include <string>

#include "base/Result.h"
#include "document/Bitmap.h"
#include "import/DecodedPicture.h"
#include "import/GraphicsMagickDecoder.h"

namespace lrw {

// The loader's three outcomes, as the rest of the program names them: a picture, a file
// that is not a picture of the table (ErrorKind::NotHandled, no text), or a failure
// (ErrorKind::Failed, with the text for the user).
enum class LoadStatus { Loaded = 1, NotHandled = 2, LoadFailed = 7 };
enum class LoaderMode { FullSizeMode, ThumbnailMode };

// FullSizeMode: the picture at its own size. ThumbnailMode: fitted to 60 x 60 (a video
// still centred in a 60 x 60 square). LoadPictureForSize: see there. The picture's own
// size (upright) is learned in every mode.
using LoadPictureResult = Result<DecodedPicture>;

LoadStatus StatusOf(const LoadPictureResult& result);

class LoadPictureModule {
 public:
  LoadPictureModule();

  // Decodes `path` (UTF-8). A file whose extension is not in the picture format
  // table, or is "mov", is NotHandled without an error text. In ThumbnailMode
  // a JPEG is decoded only at a reduced scale, so one call yields both the
  // thumbnail and the picture's own size.
  LoadPictureResult LoadPicture(const std::string& path, LoaderMode mode) const;

  // For drawing the picture into a maxWidth x maxHeight rectangle: a JPEG is
  // decoded at the smallest reduced scale (1/2, 1/4, 1/8) that still covers the
  // rectangle, other pictures at their own size; a drawing is rendered at the size
  // that covers the rectangle with its own proportions. The bitmap is not scaled
  // further; the caller stretches it. fullWidth/fullHeight give the own size.
  LoadPictureResult LoadPictureForSize(const std::string& path, int maxWidth, int maxHeight) const;

 private:
  LoadPictureResult Load(const std::string& path, int hintWidth, int hintHeight,
                         bool thumbnail) const;
  Result<DecodedPicture> Decode(const std::string& path, int format, int hintWidth, int hintHeight,
                                bool thumbnail) const;

  GraphicsMagickDecoder magick_;
};

}  // namespace lrw
