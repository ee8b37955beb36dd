// A Bitmap seen as a QImage: the same memory layout as QImage::Format_RGB32, so Qt draws
// it without a copy. The view lives only as long as the bitmap's pixels.
#pragma once

#include <QImage>

#include "document/Bitmap.h"

namespace lrw {

// A view Qt may draw into.
inline QImage WrapBitmap(Bitmap& bitmap) {
  if (bitmap.empty()) return {};
  return QImage(reinterpret_cast<uchar*>(bitmap.pixels.data()), bitmap.width, bitmap.height,
                bitmap.width * 4, QImage::Format_RGB32);
}

// A view Qt only reads.
inline QImage WrapBitmap(const Bitmap& bitmap) {
  if (bitmap.empty()) return {};
  return QImage(reinterpret_cast<const uchar*>(bitmap.pixels.data()), bitmap.width, bitmap.height,
                bitmap.width * 4, QImage::Format_RGB32);
}

// An image of its own, for keeping after the bitmap has gone.
inline QImage ImageFromBitmap(const Bitmap& bitmap) {
  return WrapBitmap(bitmap).copy();
}

}  // namespace lrw
