#include "import/DecodedPicture.h"

namespace lrw {

namespace {

std::string TooLarge(int64_t width, int64_t height) {
  return "the picture is too large (" + std::to_string(width) + " x " + std::to_string(height) +
         " pixels)";
}

}  // namespace

Result<void> CheckPictureSize(int64_t width, int64_t height) {
  if (width <= 0 || height <= 0) return Fail("the picture has no pixels");
  if (width > kMaxPictureSide || height > kMaxPictureSide) return Fail(TooLarge(width, height));
  return {};
}

Result<void> CheckDecodedSize(int64_t width, int64_t height) {
  if (Result<void> size = CheckPictureSize(width, height); !size) return size;
  if (width * height > kMaxDecodedPixels) return Fail(TooLarge(width, height));
  return {};
}

}  // namespace lrw
