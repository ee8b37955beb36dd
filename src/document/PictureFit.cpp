#include "document/PictureFit.h"

#include <algorithm>
#include <cmath>

namespace lrw {
namespace {

// Record sizes are 16-bit; a fill of an extreme panorama must not wrap around.
constexpr int kMaxSide = 32767;

int16_t ToInt16(int value) {
  return static_cast<int16_t>(std::clamp(value, -32768, 32767));
}

}  // namespace

bool LargerThanScreen(int pictureWidth, int pictureHeight, int screenWidth, int screenHeight) {
  return pictureWidth > screenWidth || pictureHeight > screenHeight;
}

PictureBox FitPicture(int pictureWidth, int pictureHeight, int screenWidth, int screenHeight,
                      PictureFit fit) {
  int width = pictureWidth;
  int height = pictureHeight;
  if (fit != PictureFit::Own && pictureWidth > 0 && pictureHeight > 0) {
    const double sx = static_cast<double>(screenWidth) / pictureWidth;
    const double sy = static_cast<double>(screenHeight) / pictureHeight;
    const double scale = fit == PictureFit::Fit ? std::min(sx, sy) : std::max(sx, sy);
    // The side that meets the screen's edge takes the screen's size exactly.
    width = scale == sx ? screenWidth : static_cast<int>(std::lround(pictureWidth * scale));
    height = scale == sy ? screenHeight : static_cast<int>(std::lround(pictureHeight * scale));
    width = std::clamp(width, 1, kMaxSide);
    height = std::clamp(height, 1, kMaxSide);
  }
  return {(screenWidth - width) / 2, (screenHeight - height) / 2, width, height};
}

void SetPictureBox(SlideRecord& slide, const PictureBox& box) {
  slide.ImageWidth = ToInt16(box.width);
  slide.ImageHeight = ToInt16(box.height);
  slide.ImageLeft = ToInt16(box.left);
  slide.ImageTop = ToInt16(box.top);
}

}  // namespace lrw
