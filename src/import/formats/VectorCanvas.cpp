#include "import/formats/VectorCanvas.h"

#include <QGuiApplication>
#include <algorithm>
#include <bit>
#include <cmath>
#include <string>

#include "import/DecodedPicture.h"

namespace lrw::formats {
namespace {

// A drawing that takes longer than this on one core is refused rather than drawn forever.
constexpr auto kMaxDrawingTime = std::chrono::seconds(10);

}  // namespace

Result<std::unique_ptr<VectorCanvas>> VectorCanvas::Create(int width, int height) {
  if (Result<void> fits = CheckDecodedSize(width, height); !fits) return Fail(fits.error());
  return std::make_unique<VectorCanvas>(width, height);
}

VectorCanvas::VectorCanvas(int width, int height)
    : bitmap_(width, height, 0xFFFFFFFFu),
      image_(reinterpret_cast<uchar*>(bitmap_.pixels.data()), bitmap_.width, bitmap_.height,
             bitmap_.width * 4, QImage::Format_RGB32),
      painter_(&image_) {
  painter_.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                          QPainter::SmoothPixmapTransform);
}

VectorCanvas::~VectorCanvas() = default;

Bitmap VectorCanvas::Finish() {
  painter_.end();
  // Raster operations may have touched the unused top byte of a pixel.
  for (uint32_t& p : bitmap_.pixels) p |= 0xFF000000u;
  return std::move(bitmap_);
}

DrawingBudget::DrawingBudget() : start_(std::chrono::steady_clock::now()) {}

bool DrawingBudget::Tick() {
  if (stopped_) return false;
  // One record may take long to draw, so the clock is read at every one (about 25 ns).
  if (std::chrono::steady_clock::now() - start_ > kMaxDrawingTime)
    return Stop("the drawing takes too long to draw");
  return true;
}

bool DrawingBudget::AllowPoints(int64_t points) {
  if (stopped_) return false;
  if (points > kMaxFigurePoints)
    return Stop("the drawing has a figure of more than " + std::to_string(kMaxFigurePoints) +
                " points");
  return true;
}

bool DrawingBudget::AllowText() {
  if (stopped_) return false;
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    return Stop("the drawing has text, and this program was started without its fonts");
  return true;
}

Result<void> DrawingBudget::Outcome() const {
  if (stopped_) return Fail(*stopped_);
  return {};
}

bool DrawingBudget::Stop(std::string reason) {
  stopped_ = Error(std::move(reason));
  return false;
}

QPainterPath ClipAreaTo(const QPainterPath& figure, const QRectF& area) {
  QPainterPath lines;
  lines.setFillRule(figure.fillRule());
  for (const QPolygonF& polygon : figure.toSubpathPolygons()) {
    lines.addPolygon(polygon);
    lines.closeSubpath();
  }
  QPainterPath box;
  box.addRect(area);
  return lines.intersected(box);
}

QPainterPath ClipLinesTo(const QPainterPath& figure, const QRectF& area) {
  QPainterPath pieces;
  for (const QPolygonF& polygon : figure.toSubpathPolygons()) {
    bool joined = false;
    for (qsizetype i = 0; i + 1 < polygon.size(); ++i) {
      // Liang-Barsky: the part of the segment a + t (b - a), 0 <= t <= 1, inside.
      const QPointF a = polygon[i], d = polygon[i + 1] - a;
      double t0 = 0, t1 = 1;
      const double p[4] = {-d.x(), d.x(), -d.y(), d.y()};
      const double q[4] = {a.x() - area.left(), area.right() - a.x(), a.y() - area.top(),
                           area.bottom() - a.y()};
      bool inside = true;
      for (int k = 0; k < 4 && inside; ++k) {
        if (p[k] == 0) {
          inside = q[k] >= 0;
        } else if (p[k] < 0) {
          t0 = std::max(t0, q[k] / p[k]);
        } else {
          t1 = std::min(t1, q[k] / p[k]);
        }
      }
      if (!inside || t0 > t1) {
        joined = false;
        continue;
      }
      if (!joined || t0 > 0) pieces.moveTo(a + d * t0);
      pieces.lineTo(a + d * t1);
      joined = t1 >= 1;
    }
  }
  return pieces;
}

float LeFields::F32(size_t offset) const {
  const float f = std::bit_cast<float>(U32(offset));
  return std::isfinite(f) ? f : 0.0f;
}

}  // namespace lrw::formats
