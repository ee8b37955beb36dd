#include "import/DecodedPicture.h"

namespace lrw {

namespace {

std::string TooLarge(int64_t width, int64_t height) {
  return "the picture is too large (" + std::to_string(width) + " x " + std::to_string(height) +
         " pixels)";
}

}  // namespace

void CheckPictureSize(int64_t width, int64_t height) {
  if (width <= 0 || height <= 0) throw DecodeError("the picture has no pixels");
  if (width > kMaxPictureSide || height > kMaxPictureSide)
    throw DecodeError(TooLarge(width, height));
}

void CheckDecodedSize(int64_t width, int64_t height) {
  CheckPictureSize(width, height);
  if (width * height > kMaxDecodedPixels) throw DecodeError(TooLarge(width, height));
}

}  // namespace lrw
