// Decoding through GraphicsMagick for every picture format it reads. The format
// is taken from the file's content when it names one; otherwise from the extension.
#pragma once

#include <functional>
#include <string>

#include "import/DecodedPicture.h"

namespace Magick {
class Image;
}

namespace lrw {

// Starts GraphicsMagick and sets its resource limits; once per process, before any
// other use of the library (the decoder's constructor calls it).
void StartGraphicsMagick();

// A warning GraphicsMagick gave while reading; `corrupt` for damaged data.
struct ReadWarning {
  bool corrupt = false;
  std::string text;
};

class GraphicsMagickDecoder {
 public:
  // Starts GraphicsMagick (once per process) and sets its resource limits.
  GraphicsMagickDecoder();

  // Decodes `path` (UTF-8), whose extension has index `format` in the picture
  // format table. With hintWidth/hintHeight > 0 a JPEG is decoded at the smallest
  // reduced scale (1/2, 1/4, 1/8) that still covers that size; other formats at
  // their own size. JPEG and TIFF pictures are turned upright by their recorded
  // orientation. Raises DecodeError.
  DecodedPicture Decode(const std::string& path, int format, int hintWidth = 0,
                        int hintHeight = 0) const;

 private:
  // Reads with the named coder and the JPEG size hint (0 x 0: none); a warning
  // the read ended with is noted in the ReadWarning.
  using Reader = std::function<Magick::Image(const std::string& coder, int width, int height,
                                             ReadWarning& warning)>;
  DecodedPicture DecodeWith(const Reader& read, const std::string& coder, int hintWidth,
                            int hintHeight) const;
};

}  // namespace lrw
