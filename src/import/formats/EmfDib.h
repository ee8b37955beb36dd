// The pictures inside enhanced metafile records: device-independent bitmaps (1, 4, 8,
// 16, 24 and 32 bits, palettes, bit fields, RLE, embedded JPEG and PNG) and clipping
// regions.
#pragma once

#include <QImage>
#include <QRegion>
#include <cstdint>

#include "import/formats/VectorCanvas.h"

namespace lrw::formats {

enum class DibAlpha { Opaque, Premultiplied };

// The bitmap whose header (BITMAPINFO) and bits lie at the given offsets of `record`,
// top row first. A null image when it cannot be read or is beyond the decode limits.
// `paletteIndexes` (DIB_PAL_COLORS) reads the colour table as indexes into a grey ramp,
// since the metafile's palette is not kept.
QImage ReadDib(const LeFields& record, uint32_t offBmi, uint32_t cbBmi, uint32_t offBits,
               uint32_t cbBits, bool paletteIndexes, DibAlpha alpha);

// Whether the bitmap at offBmi is stored bottom row first (a positive height).
bool DibIsBottomUp(const LeFields& record, uint32_t offBmi);

// The rectangles of region data (RGNDATA) at `offset`, `size` bytes long.
QRegion ReadRegion(const LeFields& record, size_t offset, size_t size);

}  // namespace lrw::formats
