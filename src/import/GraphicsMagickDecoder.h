// Decoding every picture format GraphicsMagick reads; JPEG through the JPEG library
// itself. The format is taken from the file's content when it names one; otherwise
// from the extension.
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
  // format table. A JPEG goes to DecodeJpeg with the size hint (see there); other
  // formats are decoded at their own size, TIFF turned upright by its recorded
  // orientation. Fails with the reason, to follow "Unable to read the picture NAME: "
  // (also for a picture whose decode would take more memory than allowed).
  Result<DecodedPicture> Decode(const std::string& path, int format, int hintWidth = 0,
                                int hintHeight = 0) const;

 private:
  // Reads with the named coder; a warning the read ended with is noted in the
  // ReadWarning. GraphicsMagick's own exceptions may pass.
  using Reader =
      std::function<Result<Magick::Image>(const std::string& coder, ReadWarning& warning)>;
  Result<DecodedPicture> DecodeWith(const Reader& read, const std::string& coder) const;
};

}  // namespace lrw
