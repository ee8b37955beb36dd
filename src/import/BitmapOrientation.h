// Turning a decoded bitmap upright by its recorded orientation (the EXIF and TIFF
// values 1 to 8), on our own bitmap: the decoder's copy is already gone by then, so
// turning never holds two copies of the decoder's larger pixels.
#pragma once

#include "document/Bitmap.h"

namespace lrw {

// `source` shown as orientation `exif` asks: 2 mirrored, 3 turned half round, 4 flipped,
// 5 transposed, 6 turned a quarter clockwise, 7 transversed, 8 turned a quarter
// anticlockwise; any other value leaves it as it is.
Bitmap Oriented(Bitmap source, int exif);

}  // namespace lrw
