// Our own decoders for the legacy picture formats GraphicsMagick does not read.
// Each takes the whole file image and returns the picture at its own size, or fails with
// the reason, to follow "Unable to read the picture NAME: ".
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "base/Result.h"
#include "document/Bitmap.h"

namespace lrw::formats {

// IFF ILBM (planar, 1 to 8 planes, EHB, HAM6/HAM8, 24-bit) and PBM (chunky)
// pictures, uncompressed or ByteRun1 (.iff, .lbm).
Result<Bitmap> DecodeIff(std::span<const uint8_t> file);

// GEM raster IMG, 1 to 8 planes, with the XIMG palette extension (.img).
Result<Bitmap> DecodeGemImg(std::span<const uint8_t> file);

// Microsoft Paint, version 1 (uncompressed) and version 2 (run-length) (.msp).
Result<Bitmap> DecodeMsp(std::span<const uint8_t> file);

// PC Paint / Pictor PIC: 2, 4 and 16 colours (packed or planar) and 256 colours,
// uncompressed or run-length blocks, with CGA, EGA and RGB palettes (.pic).
Result<Bitmap> DecodePcPaintPic(std::span<const uint8_t> file);

}  // namespace lrw::formats
