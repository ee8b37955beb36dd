// Where a picture goes on the screen when it is added or refitted: at its own size,
// fitted whole inside the screen, or filling the screen (cropped). Centred in every case,
// halves truncated toward zero as every centring of a position is.
#pragma once

#include <cstdint>

#include "document/SlideRecord.h"

namespace lrw {

enum class PictureFit { Own, Fit, Fill };

struct PictureBox {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const PictureBox&) const = default;
};

// Whether a picture is larger than the screen in either direction.
bool LargerThanScreen(int pictureWidth, int pictureHeight, int screenWidth, int screenHeight);

// The box for a picture of the given own size on a screen of the given size.
PictureBox FitPicture(int pictureWidth, int pictureHeight, int screenWidth, int screenHeight,
                      PictureFit fit);

// Stores `box` as the slide's picture box.
void SetPictureBox(SlideRecord& slide, const PictureBox& box);

}  // namespace lrw
