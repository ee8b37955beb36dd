#include "import/DecodedPicture.h"

namespace lrw {

void CheckPictureSize(int64_t width, int64_t height) {
  if (width <= 0 || height <= 0) throw DecodeError("the picture has no pixels");
  if (width > kMaxPictureSide || height > kMaxPictureSide || width * height > kMaxPicturePixels) {
    throw DecodeError("the picture is too large (" + std::to_string(width) + " x " +
                      std::to_string(height) + " pixels)");
  }
}

}  // namespace lrw
