// What the two vector readers share: the white bitmap they draw into, the budget that
// stops a hostile file from drawing forever, and little-endian reads that never leave
// their bytes.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "base/Result.h"
#include "document/Bitmap.h"

namespace lrw::formats {

// A white width x height bitmap with a painter on it (antialiased, smooth pictures).
class VectorCanvas {
 public:
  // The canvas, once its size has passed the decode limits.
  static Result<std::unique_ptr<VectorCanvas>> Create(int width, int height);
  // `width` x `height` must be within the decode limits (Create checks them).
  VectorCanvas(int width, int height);
  ~VectorCanvas();
  VectorCanvas(const VectorCanvas&) = delete;
  VectorCanvas& operator=(const VectorCanvas&) = delete;

  QPainter& Painter() { return painter_; }
  QSize Size() const { return image_.size(); }
  // Ends the drawing and hands the pixels over.
  Bitmap Finish();

 private:
  Bitmap bitmap_;
  QImage image_;
  QPainter painter_;
};

// The limits of one drawing: the time it may take (checked at every record), the points
// one figure or path may hold, and text only where there are fonts. The first limit met
// stops the drawing: every later check answers false, so the player skips what the check
// guards and plays no further record, and Outcome() gives the reason.
class DrawingBudget {
 public:
  static constexpr int64_t kMaxFigurePoints = 1 << 20;
  static constexpr int kMaxTextCharacters = 16384;
  static constexpr int kMaxSavedStates = 4096;

  DrawingBudget();
  // Called before each record: whether it may be played.
  bool Tick();
  // Whether a figure or path of this many points may be drawn.
  bool AllowPoints(int64_t points);
  // Whether text may be drawn: it needs the fonts a QGuiApplication brings; without one,
  // a drawing with text is refused with a reason rather than drawn without it.
  bool AllowText();
  // Nothing, or why the drawing stopped.
  Result<void> Outcome() const;

 private:
  bool Stop(std::string reason);

  std::chrono::steady_clock::time_point start_;
  std::optional<Error> stopped_;
};

// Figures that reach far beyond the bitmap cost the painter in proportion to their
// size, so they are cut to a neighbourhood of it first: their curves flattened to lines
// (a bounded number a curve), closed figures cut as areas, lines cut to their pieces
// inside (for stroking, whose pen keeps its ends out of sight beyond the bitmap).
QPainterPath ClipAreaTo(const QPainterPath& figure, const QRectF& area);
QPainterPath ClipLinesTo(const QPainterPath& figure, const QRectF& area);

// Little-endian fields of a span; a read outside it gives 0 and marks the view bad,
// so a short record is noticed once after its fields were read.
class LeFields {
 public:
  explicit LeFields(std::span<const uint8_t> bytes) : bytes_(bytes) {}
  size_t Size() const { return bytes_.size(); }
  bool Has(size_t offset, size_t count) const {
    return offset <= bytes_.size() && count <= bytes_.size() - offset;
  }
  uint8_t U8(size_t offset) const { return Has(offset, 1) ? bytes_[offset] : Bad(); }
  uint16_t U16(size_t offset) const {
    return Has(offset, 2) ? static_cast<uint16_t>(bytes_[offset] | bytes_[offset + 1] << 8) : Bad();
  }
  int16_t I16(size_t offset) const { return static_cast<int16_t>(U16(offset)); }
  uint32_t U32(size_t offset) const {
    return Has(offset, 4) ? static_cast<uint32_t>(bytes_[offset]) |
                                static_cast<uint32_t>(bytes_[offset + 1]) << 8 |
                                static_cast<uint32_t>(bytes_[offset + 2]) << 16 |
                                static_cast<uint32_t>(bytes_[offset + 3]) << 24
                          : Bad();
  }
  int32_t I32(size_t offset) const { return static_cast<int32_t>(U32(offset)); }
  float F32(size_t offset) const;
  std::span<const uint8_t> Bytes(size_t offset, size_t count) const {
    return Has(offset, count) ? bytes_.subspan(offset, count) : (Bad(), std::span<const uint8_t>());
  }
  bool Ok() const { return ok_; }

 private:
  uint8_t Bad() const {
    ok_ = false;
    return 0;
  }
  std::span<const uint8_t> bytes_;
  mutable bool ok_ = true;
};

}  // namespace lrw::formats
