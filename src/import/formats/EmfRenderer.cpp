// Enhanced metafiles: the records are played onto a QPainter the way a device context
// plays them. Coordinates pass from logical units through the world transform and the
// map mode (window and viewport) to the reference device, whose part inside the
// header's frame is stretched over the bitmap. Unknown records are skipped by their
// size; a record too short for its own fields is skipped; the drawing stops at EOF.
#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QString>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "document/Cp1252.h"
#include "import/DecodedPicture.h"
#include "import/formats/EmfDib.h"
#include "import/formats/VectorCanvas.h"
#include "import/formats/VectorFormats.h"

namespace lrw::formats {
namespace {

// Record types.
enum : uint32_t {
  kHeader = 1,
  kPolyBezier = 2,
  kPolygon = 3,
  kPolyline = 4,
  kPolyBezierTo = 5,
  kPolylineTo = 6,
  kPolyPolyline = 7,
  kPolyPolygon = 8,
  kSetWindowExt = 9,
  kSetWindowOrg = 10,
  kSetViewportExt = 11,
  kSetViewportOrg = 12,
  kEof = 14,
  kSetPixel = 15,
  kSetMapMode = 17,
  kSetStretchBltMode = 21,
  kSetBkMode = 18,
  kSetPolyFillMode = 19,
  kSetRop2 = 20,
  kSetTextAlign = 22,
  kSetTextColor = 24,
  kSetBkColor = 25,
  kOffsetClipRgn = 26,
  kMoveTo = 27,
  kExcludeClipRect = 29,
  kIntersectClipRect = 30,
  kScaleViewportExt = 31,
  kScaleWindowExt = 32,
  kSaveDc = 33,
  kRestoreDc = 34,
  kSetWorldTransform = 35,
  kModifyWorldTransform = 36,
  kSelectObject = 37,
  kCreatePen = 38,
  kCreateBrush = 39,
  kDeleteObject = 40,
  kAngleArc = 41,
  kEllipse = 42,
  kRectangle = 43,
  kRoundRect = 44,
  kArc = 45,
  kChord = 46,
  kPie = 47,
  kLineTo = 54,
  kArcTo = 55,
  kPolyDraw = 56,
  kSetArcDirection = 57,
  kSetMiterLimit = 58,
  kBeginPath = 59,
  kEndPath = 60,
  kCloseFigure = 61,
  kFillPath = 62,
  kStrokeAndFillPath = 63,
  kStrokePath = 64,
  kSelectClipPath = 67,
  kAbortPath = 68,
  kFillRgn = 71,
  kFrameRgn = 72,
  kInvertRgn = 73,
  kPaintRgn = 74,
  kExtSelectClipRgn = 75,
  kBitBlt = 76,
  kStretchBlt = 77,
  kSetDiBitsToDevice = 80,
  kStretchDiBits = 81,
  kExtCreateFont = 82,
  kExtTextOutA = 83,
  kExtTextOutW = 84,
  kPolyBezier16 = 85,
  kPolygon16 = 86,
  kPolyline16 = 87,
  kPolyBezierTo16 = 88,
  kPolylineTo16 = 89,
  kPolyPolyline16 = 90,
  kPolyPolygon16 = 91,
  kPolyDraw16 = 92,
  kCreateMonoBrush = 93,
  kCreateDibPatternBrush = 94,
  kExtCreatePen = 95,
  kAlphaBlend = 114,
  kTransparentBlt = 116,
  kGradientFill = 118,
};

constexpr uint32_t kSignature = 0x464D4520;  // " EMF"
constexpr int kMaxObjectIndex = 0xFFFF;
constexpr int64_t kMaxPatternPixels = 256 * 256;
// The painter keeps some glyphs as images of their full size (the box it draws for a
// character no font has, the pictures of colour fonts), so no font is asked for taller.
constexpr double kLargestGlyph = 1024;
// Raster operations of the bitmap records.
constexpr uint32_t kSrcCopy = 0x00CC0020, kSrcAnd = 0x008800C6, kSrcPaint = 0x00EE0086,
                   kSrcInvert = 0x00660046, kNotSrcCopy = 0x00330008, kBlackness = 0x00000042,
                   kWhiteness = 0x00FF0062, kDstInvert = 0x00550009;

struct Header {
  QRect bounds;  // device units, inclusive
  QRect frame;   // 0.01 mm, inclusive
  QSizeF devicePerMm{1, 1};
  bool frameUsable = false;
};

QRect ReadRect(const LeFields& r, size_t at) {
  return QRect(QPoint(r.I32(at), r.I32(at + 4)), QPoint(r.I32(at + 8), r.I32(at + 12)));
}

Result<Header> ReadHeader(std::span<const uint8_t> file) {
  const LeFields r(file);
  if (file.size() < 88 || r.U32(0) != kHeader || r.U32(40) != kSignature || r.U32(4) < 88 ||
      r.U32(4) > file.size())
    return Fail("it is not an enhanced metafile");
  Header h;
  h.bounds = ReadRect(r, 8);
  h.frame = ReadRect(r, 24);
  const double devX = r.I32(72), devY = r.I32(76);
  double mmX = r.I32(80), mmY = r.I32(84);
  // The extensions are there only where the description and pixel format leave room.
  size_t headerEnd = r.U32(4);
  if (r.U32(60) != 0 && r.U32(64) >= 88) headerEnd = std::min<size_t>(headerEnd, r.U32(64));
  if (headerEnd >= 100 && r.U32(88) != 0 && r.U32(92) >= 88)
    headerEnd = std::min<size_t>(headerEnd, r.U32(92));
  if (headerEnd >= 108 && r.I32(100) > 0 && r.I32(104) > 0) {
    mmX = r.I32(100) / 1000.0;
    mmY = r.I32(104) / 1000.0;
  }
  if (devX > 0 && devY > 0 && mmX > 0 && mmY > 0) h.devicePerMm = {devX / mmX, devY / mmY};
  h.frameUsable = h.frame.right() > h.frame.left() && h.frame.bottom() > h.frame.top();
  if (!h.frameUsable &&
      !(h.bounds.right() >= h.bounds.left() && h.bounds.bottom() >= h.bounds.top()))
    return Fail("the metafile has an empty frame");
  return h;
}

// The part of the reference device the picture covers.
QRectF DeviceFrame(const Header& h) {
  if (!h.frameUsable)
    return QRectF(h.bounds.left(), h.bounds.top(), h.bounds.width(), h.bounds.height());
  const double sx = h.devicePerMm.width() / 100.0, sy = h.devicePerMm.height() / 100.0;
  return QRectF(h.frame.left() * sx, h.frame.top() * sy, (h.frame.right() - h.frame.left()) * sx,
                (h.frame.bottom() - h.frame.top()) * sy);
}

QColor ColorOf(uint32_t colorRef) {
  return QColor(colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
}

struct Pen {
  uint32_t style = 0;  // PS_ flags
  double width = 0;    // logical units; 0 or cosmetic: one pixel
  bool cosmetic = true;
  QColor color = Qt::black;
  std::vector<double> dashes;  // PS_USERSTYLE, logical units
};

struct Brush {
  enum class Kind { Solid, Null, Hatched, Pattern } kind = Kind::Solid;
  QColor color = Qt::white;
  uint32_t hatch = 0;
  QImage pattern;
};

struct Font {
  double height = 0;      // logical; negative: character height, positive: cell height
  double escapement = 0;  // tenths of a degree
  int weight = 400;
  bool italic = false, underline = false, strikeOut = false;
  uint8_t pitchAndFamily = 0;
  QString face;
};

using Object = std::variant<Pen, Brush, Font>;

enum class Rop2 { Copy, Nop, Xor, And, Or, Black, White, Not };

struct DcState {
  Pen pen;
  Brush brush;
  Font font;
  int mapMode = 1;
  QPointF windowOrg, viewportOrg;
  QSizeF windowExt{1, 1}, viewportExt{1, 1};
  QTransform world;
  bool opaqueBackground = true;
  QColor bkColor = Qt::white;
  QColor textColor = Qt::black;
  uint32_t textAlign = 0;
  Qt::FillRule fillRule = Qt::OddEvenFill;
  Rop2 rop2 = Rop2::Copy;
  bool clockwiseArcs = false;
  bool halftone = false;  // stretched bitmaps smoothed rather than repeated pixel by pixel
  double miterLimit = 10;
  std::optional<QPainterPath> clip;  // in bitmap pixels
  QPointF current;                   // logical
};

Qt::BrushStyle HatchStyle(uint32_t hatch) {
  switch (hatch) {
    case 0:
      return Qt::HorPattern;
    case 1:
      return Qt::VerPattern;
    case 2:
      return Qt::FDiagPattern;  // top left to bottom right
    case 3:
      return Qt::BDiagPattern;
    case 4:
      return Qt::CrossPattern;
    default:
      return Qt::DiagCrossPattern;
  }
}

QString FaceName(const LeFields& r, size_t at) {
  QString face;
  for (int i = 0; i < 32; ++i) {
    const char16_t c = r.U16(at + 2 * i);
    if (c == 0) break;
    face += QChar(c);
  }
  return face;
}

class EmfPlayer {
 public:
  EmfPlayer(std::span<const uint8_t> file, const Header& header, VectorCanvas& canvas)
      : file_(file), canvas_(canvas), painter_(canvas.Painter()) {
    const QRectF frame = DeviceFrame(header);
    const QSize size = canvas.Size();
    deviceToBitmap_ = QTransform::fromTranslate(-frame.left(), -frame.top()) *
                      QTransform::fromScale(size.width() / std::max(frame.width(), 1e-9),
                                            size.height() / std::max(frame.height(), 1e-9));
    devicePerMm_ = header.devicePerMm;
    whole_.addRect(QRectF(QPointF(0, 0), QSizeF(size)));
  }

  // Plays the records up to the end, or until the drawing's budget stops it.
  Result<void> Play() {
    size_t pos = 0;
    while (pos + 8 <= file_.size() && budget_.Tick()) {
      const LeFields head(file_.subspan(pos, 8));
      const uint32_t type = head.U32(0);
      const uint32_t size = head.U32(4);
      // A record must hold its own type and size and lie within the file.
      if (size < 8 || size > file_.size() - pos) break;
      if (type == kEof) break;
      const LeFields record(file_.subspan(pos, size));
      Play(type, record);
      pos += size;
    }
    return budget_.Outcome();
  }

 private:
  // ---- coordinates ----

  QTransform PageToDevice() const {
    double sx = 1, sy = 1;
    const double perMmX = devicePerMm_.width(), perMmY = devicePerMm_.height();
    switch (dc_.mapMode) {
      case 2:
        sx = perMmX * 0.1, sy = -perMmY * 0.1;
        break;  // 0.1 mm
      case 3:
        sx = perMmX * 0.01, sy = -perMmY * 0.01;
        break;  // 0.01 mm
      case 4:
        sx = perMmX * 0.254, sy = -perMmY * 0.254;
        break;  // 0.01 inch
      case 5:
        sx = perMmX * 0.0254, sy = -perMmY * 0.0254;
        break;  // 0.001 inch
      case 6:
        sx = perMmX * 25.4 / 1440, sy = -perMmY * 25.4 / 1440;
        break;  // twips
      case 7:
      case 8: {
        const QSizeF w = dc_.windowExt, v = dc_.viewportExt;
        sx = w.width() != 0 ? v.width() / w.width() : 1;
        sy = w.height() != 0 ? v.height() / w.height() : 1;
        if (dc_.mapMode == 7) {
          const double m = std::min(std::abs(sx), std::abs(sy));
          sx = std::copysign(m, sx);
          sy = std::copysign(m, sy);
        }
        break;
      }
      default:
        break;
    }
    return QTransform(sx, 0, 0, sy, dc_.viewportOrg.x() - dc_.windowOrg.x() * sx,
                      dc_.viewportOrg.y() - dc_.windowOrg.y() * sy);
  }

  QTransform LogicalToBitmap() const { return dc_.world * PageToDevice() * deviceToBitmap_; }

  static QPointF Point(const LeFields& r, size_t at, bool small) {
    return small ? QPointF(r.I16(at), r.I16(at + 2)) : QPointF(r.I32(at), r.I32(at + 4));
  }
  static QRectF Box(const LeFields& r, size_t at) {
    const double l = r.I32(at), t = r.I32(at + 4), rt = r.I32(at + 8), b = r.I32(at + 12);
    return QRectF(QPointF(std::min(l, rt), std::min(t, b)),
                  QPointF(std::max(l, rt), std::max(t, b)));
  }

  // ---- drawing ----

  QPen MakePen(const QTransform& toBitmap) const {
    const Pen& p = dc_.pen;
    const uint32_t kind = p.style & 0x0F;
    if (kind == 5 || dc_.rop2 == Rop2::Nop) return Qt::NoPen;
    QPen pen(p.color);
    if (p.cosmetic || p.width <= 0) {
      pen.setWidthF(1);
      pen.setCosmetic(true);
    } else {
      // A pen far wider than the picture covers it as one of that width does; the
      // painter's stroker would spend its time on the rest.
      const double scale = std::sqrt(std::abs(toBitmap.determinant()));
      const double widest = 4.0 * (canvas_.Size().width() + canvas_.Size().height());
      pen.setWidthF(scale > 0 && std::isfinite(scale) ? std::min(p.width, widest / scale) : 1.0);
    }
    switch (p.style & 0x0F00) {
      case 0x100:
        pen.setCapStyle(Qt::SquareCap);
        break;
      case 0x200:
        pen.setCapStyle(Qt::FlatCap);
        break;
      default:
        pen.setCapStyle(Qt::RoundCap);
        break;
    }
    switch (p.style & 0xF000) {
      case 0x1000:
        pen.setJoinStyle(Qt::BevelJoin);
        break;
      case 0x2000:
        pen.setJoinStyle(Qt::MiterJoin);
        pen.setMiterLimit(dc_.miterLimit);
        break;
      default:
        pen.setJoinStyle(Qt::RoundJoin);
        break;
    }
    // Dashes in units of the pen's width; a cosmetic pen's are the device's own.
    const bool thin = pen.isCosmetic();
    switch (kind) {
      case 1:
        pen.setDashPattern(thin ? QList<qreal>{18, 6} : QList<qreal>{3, 1});
        break;
      case 2:
        pen.setDashPattern(thin ? QList<qreal>{3, 3} : QList<qreal>{1, 1});
        break;
      case 3:
        pen.setDashPattern(thin ? QList<qreal>{9, 6, 3, 6} : QList<qreal>{3, 1, 1, 1});
        break;
      case 4:
        pen.setDashPattern(thin ? QList<qreal>{9, 3, 3, 3, 3, 3} : QList<qreal>{3, 1, 1, 1, 1, 1});
        break;
      case 7:
        if (!p.dashes.empty()) {
          QList<qreal> pattern;
          const double unit = thin ? 1 : p.width;
          for (double d : p.dashes) pattern.push_back(std::max(d / unit, 0.01));
          if (pattern.size() % 2) pattern.push_back(pattern.back());
          pen.setDashPattern(pattern);
        }
        break;
      default:
        break;
    }
    return pen;
  }

  // A pattern's pixels are the reference device's pixels, whatever the logical units.
  QTransform PatternTransform(const QTransform& toBitmap) const {
    const QTransform scale(deviceToBitmap_.m11(), 0, 0, deviceToBitmap_.m22(), 0, 0);
    bool invertible = false;
    const QTransform inverse = toBitmap.inverted(&invertible);
    return invertible ? scale * inverse : QTransform();
  }

  QBrush MakeBrush(const QTransform& toBitmap) const {
    const Brush& b = dc_.brush;
    if (dc_.rop2 == Rop2::Nop) return Qt::NoBrush;
    switch (b.kind) {
      case Brush::Kind::Null:
        return Qt::NoBrush;
      case Brush::Kind::Solid:
        return QBrush(b.color);
      case Brush::Kind::Hatched: {
        QBrush brush(b.color, HatchStyle(b.hatch));
        brush.setTransform(PatternTransform(toBitmap));
        return brush;
      }
      case Brush::Kind::Pattern: {
        if (b.pattern.isNull()) return QBrush(b.color);
        QBrush brush(b.pattern);
        brush.setTransform(PatternTransform(toBitmap));
        return brush;
      }
    }
    return Qt::NoBrush;
  }

  void ApplyClip() {
    painter_.setTransform(QTransform());
    if (!dc_.clip) {
      painter_.setClipping(false);
      return;
    }
    const QPainterPath& clip = *dc_.clip;
    const QRectF box = clip.boundingRect();
    QPainterPath asRect;
    asRect.addRect(box);
    if (clip.elementCount() == 5 && clip == asRect) {
      painter_.setClipRect(box);
    } else {
      painter_.setClipPath(clip);
    }
  }

  void ApplyRop() {
    switch (dc_.rop2) {
      case Rop2::Xor:
        painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        break;
      case Rop2::And:
        painter_.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        break;
      case Rop2::Or:
        painter_.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        break;
      case Rop2::Not:
        painter_.setCompositionMode(QPainter::RasterOp_NotDestination);
        break;
      default:
        painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
        break;
    }
  }

  // Fills and strokes a figure in logical units, or adds it to the open path.
  void Draw(QPainterPath figure, bool fill, bool stroke) {
    const QTransform toBitmap = LogicalToBitmap();
    if (inPath_) {
      if (!budget_.AllowPoints(path_.elementCount() + figure.elementCount())) return;
      path_.addPath(toBitmap.map(figure));
      return;
    }
    Paint(figure, toBitmap, fill, stroke);
  }

  void Paint(QPainterPath figure, const QTransform& toBitmap, bool fill, bool stroke) {
    ApplyClip();
    ApplyRop();
    figure.setFillRule(dc_.fillRule);
    if (!WithinReach(toBitmap.mapRect(figure.controlPointRect()))) {
      PaintFarReaching(figure, toBitmap, fill, stroke);
      return;
    }
    painter_.setTransform(toBitmap);
    if (fill) {
      if (dc_.brush.kind == Brush::Kind::Hatched && dc_.opaqueBackground)
        painter_.fillPath(figure, dc_.bkColor);
      QBrush brush = dc_.rop2 == Rop2::Black   ? QBrush(Qt::black)
                     : dc_.rop2 == Rop2::White ? QBrush(Qt::white)
                                               : MakeBrush(toBitmap);
      painter_.fillPath(figure, brush);
    }
    if (stroke) {
      const QPen pen = MakePen(toBitmap);
      // A line one device pixel wide at a whole coordinate lights that row of the
      // device's pixels, as where the drawing was made, rather than half of two rows.
      const double toDevice = std::sqrt(std::abs((dc_.world * PageToDevice()).determinant()));
      if (pen.style() != Qt::NoPen && (pen.isCosmetic() || pen.widthF() * toDevice <= 1.5))
        painter_.setTransform(toBitmap * QTransform::fromTranslate(0.5 * deviceToBitmap_.m11(),
                                                                   0.5 * deviceToBitmap_.m22()));
      painter_.strokePath(figure, pen);
    }
  }

  // Whether a figure's bounds (bitmap pixels) stay near the bitmap. The painter's
  // rasteriser takes time in proportion to the coordinates it is given, so figures
  // reaching far beyond are cut to the neighbourhood of the bitmap first.
  bool WithinReach(const QRectF& bounds) const {
    const QRectF near = Neighbourhood();  // (a line's bounds have no height: not contains())
    return bounds.left() >= near.left() && bounds.right() <= near.right() &&
           bounds.top() >= near.top() && bounds.bottom() <= near.bottom();
  }
  QRectF Neighbourhood() const {
    const QSize size = canvas_.Size();
    const double margin = 4.0 * (size.width() + size.height());  // wider than any pen
    return QRectF(QPointF(0, 0), QSizeF(size)).adjusted(-margin, -margin, margin, margin);
  }

  void PaintFarReaching(const QPainterPath& figure, const QTransform& toBitmap, bool fill,
                        bool stroke) {
    const QRectF near = Neighbourhood();
    const QPainterPath onBitmap = toBitmap.map(figure);
    painter_.setTransform(QTransform());
    if (fill) {
      const QPainterPath area = ClipAreaTo(onBitmap, near);
      if (dc_.brush.kind == Brush::Kind::Hatched && dc_.opaqueBackground)
        painter_.fillPath(area, dc_.bkColor);
      painter_.fillPath(area, dc_.rop2 == Rop2::Black   ? QBrush(Qt::black)
                              : dc_.rop2 == Rop2::White ? QBrush(Qt::white)
                                                        : MakeBrush(QTransform()));
    }
    const QPen pen = MakePen(toBitmap);
    if (!stroke || pen.style() == Qt::NoPen) return;
    QPen onBitmapPen = pen;
    onBitmapPen.setCosmetic(false);
    const double onBitmapWidth =
        pen.isCosmetic() ? 1.0 : pen.widthF() * std::sqrt(std::abs(toBitmap.determinant()));
    onBitmapPen.setWidthF(std::isfinite(onBitmapWidth) ? onBitmapWidth : 1.0);
    if (pen.isCosmetic()) onBitmapPen.setCosmetic(true);
    painter_.strokePath(ClipLinesTo(onBitmap, near), onBitmapPen);
  }

  // Paints the closed path (bitmap pixels) with the current transform's pen widths.
  void PaintPath(bool fill, bool stroke) {
    const QTransform toBitmap = LogicalToBitmap();
    bool invertible = false;
    const QTransform back = toBitmap.inverted(&invertible);
    if (invertible) {
      Paint(back.map(path_), toBitmap, fill, stroke);
    } else {
      Paint(path_, QTransform(), fill, stroke);
    }
    path_ = QPainterPath();
  }

  // Lines from the current position: into the open path's figure, or stroked.
  void LinesFrom(const std::vector<QPointF>& points, bool bezier) {
    const QTransform toBitmap = LogicalToBitmap();
    if (inPath_) {
      if (!budget_.AllowPoints(path_.elementCount() + static_cast<int64_t>(points.size()))) return;
      if (path_.elementCount() == 0 || figureClosed_) path_.moveTo(toBitmap.map(dc_.current));
      figureClosed_ = false;
      AppendSegments(path_, points, bezier, toBitmap);
    } else {
      QPainterPath line;
      line.moveTo(dc_.current);
      AppendSegments(line, points, bezier, QTransform());
      Paint(line, toBitmap, false, true);
    }
    if (!points.empty()) dc_.current = points.back();
  }

  static void AppendSegments(QPainterPath& path, const std::vector<QPointF>& points, bool bezier,
                             const QTransform& t) {
    if (bezier) {
      for (size_t i = 0; i + 2 < points.size(); i += 3)
        path.cubicTo(t.map(points[i]), t.map(points[i + 1]), t.map(points[i + 2]));
    } else {
      for (const QPointF& p : points) path.lineTo(t.map(p));
    }
  }

  // ---- records ----

  std::vector<QPointF> Points(const LeFields& r, size_t countAt, size_t pointsAt, bool small) {
    const uint32_t count = r.U32(countAt);
    const size_t each = small ? 4 : 8;
    if (!r.Has(pointsAt, size_t{count} * each)) return {};
    if (!budget_.AllowPoints(count)) return {};
    std::vector<QPointF> points;
    points.reserve(count);
    for (uint32_t i = 0; i < count; ++i) points.push_back(Point(r, pointsAt + i * each, small));
    return points;
  }

  void Poly(uint32_t type, const LeFields& r) {
    const bool small = type >= kPolyBezier16;
    const uint32_t base = small ? type - kPolyBezier16 + kPolyBezier : type;
    const std::vector<QPointF> points = Points(r, 24, 28, small);
    if (points.empty()) return;
    switch (base) {
      case kPolyBezierTo:
      case kPolylineTo:
        LinesFrom(points, base == kPolyBezierTo);
        return;
      case kPolyBezier: {
        QPainterPath path;
        path.moveTo(points[0]);
        AppendSegments(path, {points.begin() + 1, points.end()}, true, QTransform());
        DrawOpen(path);
        return;
      }
      case kPolyline: {
        QPainterPath path;
        path.addPolygon(QPolygonF(QList<QPointF>(points.begin(), points.end())));
        DrawOpen(path);
        return;
      }
      default: {  // polygon
        QPainterPath path;
        path.addPolygon(QPolygonF(QList<QPointF>(points.begin(), points.end())));
        path.closeSubpath();
        Draw(path, true, true);
      }
    }
  }

  // An open figure: stroked, or added to the path without closing it.
  void DrawOpen(const QPainterPath& path) {
    if (inPath_) {
      Draw(path, false, false);
      figureClosed_ = false;
    } else {
      Draw(path, false, true);
    }
  }

  void PolyPoly(uint32_t type, const LeFields& r) {
    const bool small = type == kPolyPolyline16 || type == kPolyPolygon16;
    const bool closed = type == kPolyPolygon || type == kPolyPolygon16;
    const uint32_t polys = r.U32(24);
    const uint32_t total = r.U32(28);
    const size_t countsAt = 32;
    if (!r.Has(countsAt, size_t{polys} * 4)) return;
    const size_t pointsAt = countsAt + size_t{polys} * 4;
    const size_t each = small ? 4 : 8;
    if (!r.Has(pointsAt, size_t{total} * each)) return;
    if (!budget_.AllowPoints(int64_t{total} + polys)) return;
    QPainterPath path;
    size_t next = 0;
    for (uint32_t i = 0; i < polys; ++i) {
      const uint32_t n = r.U32(countsAt + 4 * i);
      if (n > total - next) return;
      QPolygonF polygon;
      for (uint32_t k = 0; k < n; ++k) polygon << Point(r, pointsAt + (next + k) * each, small);
      next += n;
      path.addPolygon(polygon);
      if (closed) path.closeSubpath();
    }
    if (closed) {
      Draw(path, true, true);
    } else {
      DrawOpen(path);
    }
  }

  void PolyDraw(const LeFields& r, bool small) {
    const std::vector<QPointF> points = Points(r, 24, 28, small);
    const size_t typesAt = 28 + points.size() * (small ? 4 : 8);
    if (!r.Has(typesAt, points.size())) return;
    const QTransform t = inPath_ ? LogicalToBitmap() : QTransform();
    QPainterPath local;
    QPainterPath& path = inPath_ ? path_ : local;
    if (!inPath_ || path.elementCount() == 0 || figureClosed_) path.moveTo(t.map(dc_.current));
    figureClosed_ = false;
    for (size_t i = 0; i < points.size(); ++i) {
      const uint8_t kind = r.U8(typesAt + i);
      if ((kind & 0x06) == 0x06) {
        path.moveTo(t.map(points[i]));
      } else if ((kind & 0x06) == 0x04 && i + 2 < points.size()) {
        path.cubicTo(t.map(points[i]), t.map(points[i + 1]), t.map(points[i + 2]));
        i += 2;
      } else {
        path.lineTo(t.map(points[i]));
      }
      if (kind & 0x01) path.closeSubpath();
    }
    if (!points.empty()) dc_.current = points.back();
    if (!inPath_) Paint(local, LogicalToBitmap(), false, true);
  }

  // The angle Qt's arcs use for the point where the radial through p meets the ellipse.
  static double ArcAngle(const QRectF& box, const QPointF& p) {
    const QPointF c = box.center();
    const double rx = std::max(box.width() / 2, 1e-9), ry = std::max(box.height() / 2, 1e-9);
    return std::atan2(-(p.y() - c.y()) / ry, (p.x() - c.x()) / rx) * 180 / M_PI;
  }

  // GDI draws arcs counter-clockwise as seen on the device unless told otherwise.
  double ArcSweep(double from, double to) const {
    const bool flipped = LogicalToBitmap().determinant() < 0;
    const bool clockwise = dc_.clockwiseArcs != flipped;
    double sweep = to - from;
    if (clockwise) {
      while (sweep >= 0) sweep -= 360;
    } else {
      while (sweep <= 0) sweep += 360;
    }
    return sweep;
  }

  void ArcRecord(uint32_t type, const LeFields& r) {
    const QRectF box = Box(r, 8);
    const QPointF start = Point(r, 24, false), end = Point(r, 32, false);
    const double from = ArcAngle(box, start);
    const double sweep = ArcSweep(from, ArcAngle(box, end));
    QPainterPath path;
    if (type == kPie) {
      path.moveTo(box.center());
      path.arcTo(box, from, sweep);
      path.closeSubpath();
      Draw(path, true, true);
    } else if (type == kChord) {
      path.arcMoveTo(box, from);
      path.arcTo(box, from, sweep);
      path.closeSubpath();
      Draw(path, true, true);
    } else if (type == kArcTo) {
      path.moveTo(dc_.current);
      path.arcTo(box, from, sweep);
      DrawOpen(path);
      dc_.current = path.currentPosition();
    } else {
      path.arcMoveTo(box, from);
      path.arcTo(box, from, sweep);
      DrawOpen(path);
    }
  }

  void AngleArc(const LeFields& r) {
    const QPointF c = Point(r, 8, false);
    const double radius = r.U32(16);
    const double from = r.F32(20), sweep = r.F32(24);
    const QRectF box(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius);
    const bool flipped = LogicalToBitmap().determinant() < 0;
    QPainterPath path;
    path.moveTo(dc_.current);
    path.arcTo(box, flipped ? -from : from, flipped ? -sweep : sweep);
    DrawOpen(path);
    dc_.current = path.currentPosition();
  }

  // ---- clipping ----

  void Combine(const QPainterPath& area, uint32_t mode) {
    const QPainterPath current = dc_.clip.value_or(whole_);
    switch (mode) {
      case 1:
        dc_.clip = current.intersected(area);
        break;
      case 2:
        dc_.clip = current.united(area);
        break;
      case 3:
        dc_.clip = current.united(area).subtracted(current.intersected(area));
        break;
      case 4:
        dc_.clip = current.subtracted(area);
        break;
      default:
        dc_.clip = area;
        break;
    }
  }

  void ClipRect(const LeFields& r, bool exclude) {
    QPainterPath rect;
    rect.addRect(Box(r, 8));
    Combine(LogicalToBitmap().map(rect), exclude ? 4 : 1);
  }

  void SelectClipRegion(const LeFields& r) {
    const uint32_t size = r.U32(8), mode = r.U32(12);
    if (size == 0) {
      if (mode == 5) dc_.clip.reset();
      return;
    }
    QPainterPath area;
    area.addRegion(ReadRegion(r, 16, size));
    Combine(deviceToBitmap_.map(area), mode);
  }

  // ---- objects ----

  void Store(uint32_t index, Object object) {
    if (index == 0 || index > kMaxObjectIndex) return;
    objects_[index] = std::move(object);
  }

  void SelectStock(uint32_t stock) {
    switch (stock) {
      case 0:
      case 1:
      case 2:
      case 3:
      case 4: {
        static const uint32_t kGreys[] = {0xFFFFFF, 0xC0C0C0, 0x808080, 0x404040, 0};
        dc_.brush = Brush{Brush::Kind::Solid, ColorOf(kGreys[stock]), 0, {}};
        break;
      }
      case 5:
        dc_.brush = Brush{Brush::Kind::Null, Qt::white, 0, {}};
        break;
      case 6:
        dc_.pen = Pen{0, 0, true, Qt::white, {}};
        break;
      case 7:
        dc_.pen = Pen{};
        break;
      case 8:
        dc_.pen = Pen{5, 0, true, Qt::black, {}};
        break;
      case 10:
      case 11:
      case 16:
        dc_.font = Font{}, dc_.font.face = "Liberation Mono";
        break;
      case 12:
      case 13:
      case 14:
      case 17:
        dc_.font = Font{};
        break;
      case 18:
        dc_.brush = Brush{};
        break;
      case 19:
        dc_.pen = Pen{};
        break;
      default:
        break;
    }
  }

  void Select(uint32_t index) {
    if (index & 0x80000000u) {
      SelectStock(index & 0x7FFFFFFFu);
      return;
    }
    const auto it = objects_.find(index);
    if (it == objects_.end()) return;
    if (const auto* pen = std::get_if<Pen>(&it->second)) dc_.pen = *pen;
    if (const auto* brush = std::get_if<Brush>(&it->second)) dc_.brush = *brush;
    if (const auto* font = std::get_if<Font>(&it->second)) dc_.font = *font;
  }

  void CreatePen(const LeFields& r) {
    Pen pen;
    pen.style = r.U32(12);
    pen.width = r.I32(16);
    pen.cosmetic = pen.width <= 0;
    pen.color = ColorOf(r.U32(24));
    Store(r.U32(8), pen);
  }

  void ExtCreatePen(const LeFields& r) {
    Pen pen;
    pen.style = r.U32(28);
    pen.width = r.U32(32);
    pen.cosmetic = (pen.style & 0xF0000) == 0 || pen.width <= 0;
    pen.color = ColorOf(r.U32(40));
    if (r.U32(36) == 1) pen.style = (pen.style & ~0x0Fu) | 5;  // a null brush draws nothing
    const uint32_t entries = std::min<uint32_t>(r.U32(48), 16);
    for (uint32_t i = 0; i < entries && r.Has(52 + 4 * i, 4); ++i)
      pen.dashes.push_back(r.U32(52 + 4 * i));
    Store(r.U32(8), pen);
  }

  void CreateBrush(const LeFields& r) {
    Brush brush;
    const uint32_t style = r.U32(12);
    brush.color = ColorOf(r.U32(16));
    brush.hatch = r.U32(20);
    brush.kind = style == 1   ? Brush::Kind::Null
                 : style == 2 ? Brush::Kind::Hatched
                              : Brush::Kind::Solid;
    Store(r.U32(8), brush);
  }

  void CreatePatternBrush(const LeFields& r, bool mono) {
    Brush brush;
    brush.kind = Brush::Kind::Pattern;
    brush.pattern =
        ReadDib(r, r.U32(16), r.U32(20), r.U32(24), r.U32(28), r.U32(12) == 1, DibAlpha::Opaque);
    // Patterns are small tiles; a kept object must not hold a picture's worth of memory.
    if (static_cast<int64_t>(brush.pattern.width()) * brush.pattern.height() > kMaxPatternPixels)
      brush.pattern = QImage();
    if (mono && !brush.pattern.isNull()) {
      // A monochrome pattern takes the text colour for 0 and the background colour for 1.
      QImage tinted = brush.pattern.convertToFormat(QImage::Format_RGB32);
      for (int y = 0; y < tinted.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(tinted.scanLine(y));
        for (int x = 0; x < tinted.width(); ++x)
          row[x] = qGray(row[x]) < 128 ? dc_.textColor.rgb() : dc_.bkColor.rgb();
      }
      brush.pattern = tinted;
    }
    Store(r.U32(8), brush);
  }

  void CreateFont(const LeFields& r) {
    Font font;
    font.height = r.I32(12);
    font.escapement = r.I32(20);
    font.weight = r.I32(28);
    font.italic = r.U8(32) != 0;
    font.underline = r.U8(33) != 0;
    font.strikeOut = r.U8(34) != 0;
    font.pitchAndFamily = r.U8(39);
    font.face = FaceName(r, 40);
    Store(r.U32(8), font);
  }

  // ---- text ----

  QFont MakeFont(double pixelHeight) const {
    const Font& f = dc_.font;
    QFont font(f.face.isEmpty() ? QStringLiteral("Liberation Sans") : f.face);
    switch (f.pitchAndFamily & 0xF0) {
      case 0x10:
        font.setStyleHint(QFont::Serif);
        break;
      case 0x30:
        font.setStyleHint(QFont::TypeWriter);
        break;
      default:
        font.setStyleHint(QFont::SansSerif);
        break;
    }
    font.setWeight(static_cast<QFont::Weight>(std::clamp(f.weight <= 0 ? 400 : f.weight, 1, 1000)));
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strikeOut);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelHeight))));
    return font;
  }

  void Text(const LeFields& r, bool wide) {
    if (!budget_.AllowText()) return;
    QPointF reference = Point(r, 36, false);
    const uint32_t count = r.U32(44), offString = r.U32(48), options = r.U32(52);
    const bool noRect = options & 0x100;
    const QRectF rect = noRect ? QRectF() : Box(r, 56);
    const uint32_t offDx = r.U32(noRect ? 56 : 72);
    const uint32_t n = std::min<uint32_t>(count, DrawingBudget::kMaxTextCharacters);
    if (!r.Ok() || !r.Has(offString, size_t{n} * (wide ? 2 : 1))) return;

    QString text;
    if (wide) {
      for (uint32_t i = 0; i < n; ++i)
        text += QChar(static_cast<char16_t>(r.U16(offString + 2 * i)));
    } else {
      const auto bytes = r.Bytes(offString, n);
      text = QString::fromStdString(Cp1252ToUtf8(
          std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())));
    }
    const bool pairs = options & 0x2000;
    std::vector<double> advances;
    if (offDx != 0 && r.Has(offDx, size_t{n} * (pairs ? 8 : 4))) {
      for (uint32_t i = 0; i < n; ++i) advances.push_back(r.I32(offDx + i * (pairs ? 8 : 4)));
    }
    if (dc_.textAlign & 1) reference = dc_.current;

    const QTransform toBitmap = LogicalToBitmap();
    const QTransform linear(toBitmap.m11(), toBitmap.m12(), toBitmap.m21(), toBitmap.m22(), 0, 0);
    const double sign = toBitmap.determinant() < 0 ? -1 : 1;
    const double angle = dc_.font.escapement / 10.0 * M_PI / 180;
    const QPointF along(std::cos(angle), -sign * std::sin(angle));
    const QPointF baseline = linear.map(along);
    const double perUnit = std::hypot(baseline.x(), baseline.y());
    if (perUnit <= 0) return;
    const QPointF unit = baseline / perUnit;
    const QPointF across = linear.map(QPointF(-along.y(), along.x()));
    const double heightScale = std::hypot(across.x(), across.y());

    double pixelHeight = std::abs(dc_.font.height) * heightScale;
    if (dc_.font.height == 0) pixelHeight = 12 * heightScale;
    if (dc_.font.height > 0) {
      const QFontMetricsF m(MakeFont(100));
      pixelHeight *= 100 / std::max(m.ascent() + m.descent(), 1.0);
    }
    if (pixelHeight < 0.5 || pixelHeight > 1e5) return;
    // Text taller than the largest glyph is drawn at that size and scaled up, in units
    // of `scale` bitmap pixels.
    const double scale = std::max(1.0, pixelHeight / kLargestGlyph);
    const QFont font = MakeFont(pixelHeight / scale);
    const QFontMetricsF metrics(font);

    std::vector<double> offsets;  // along the baseline, per UTF-16 unit
    double width = 0;
    if (!advances.empty()) {
      for (double a : advances) {
        offsets.push_back(width);
        width += a * perUnit / scale;
      }
    } else {
      width = metrics.horizontalAdvance(text);
    }
    double x = 0, y = 0;
    switch (dc_.textAlign & 6) {
      case 6:
        x = -width / 2;
        break;
      case 2:
        x = -width;
        break;
      default:
        break;
    }
    switch (dc_.textAlign & 24) {
      case 24:
        break;
      case 8:
        y = -metrics.descent();
        break;
      default:
        y = metrics.ascent();
        break;
    }
    if (dc_.textAlign & 1) dc_.current = reference + along * (width * scale / perUnit);

    ApplyClip();
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (options & 0x02 && !noRect && !rect.isEmpty()) {
      painter_.setTransform(toBitmap);
      painter_.fillRect(rect, dc_.bkColor);
    }
    if (options & 0x04 && !noRect) {
      QPainterPath box;
      box.addRect(rect);
      painter_.setTransform(toBitmap);
      painter_.setClipPath(box, dc_.clip ? Qt::IntersectClip : Qt::ReplaceClip);
    }
    // Glyph indexes name glyphs of a font we do not have; only the background is drawn.
    if (options & 0x10) return;
    const QPointF origin = toBitmap.map(reference);
    painter_.setTransform(QTransform(unit.x() * scale, unit.y() * scale, -unit.y() * scale,
                                     unit.x() * scale, origin.x(), origin.y()));
    if (dc_.opaqueBackground)
      painter_.fillRect(
          QRectF(x, y - metrics.ascent(), width, metrics.ascent() + metrics.descent()),
          dc_.bkColor);
    painter_.setFont(font);
    painter_.setPen(dc_.textColor);
    // Scaled text is filled as outlines: the painter would keep its glyphs as images of
    // their scaled size.
    QPainterPath outlines;
    outlines.setFillRule(Qt::WindingFill);
    const auto draw = [&](QPointF at, const QString& piece) {
      if (scale > 1) {
        outlines.addText(at, font, piece);
      } else {
        painter_.drawText(at, piece);
      }
    };
    if (offsets.empty()) {
      draw(QPointF(x, y), text);
    } else {
      for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        if (static_cast<size_t>(i) < offsets.size())
          draw(QPointF(x + offsets[static_cast<size_t>(i)], y), text.mid(i, length));
        i += length - 1;
      }
    }
    if (!outlines.isEmpty()) painter_.fillPath(outlines, dc_.textColor);
  }

  // ---- bitmaps ----

  void Blit(QRectF target, QImage image, QRectF source, uint32_t rop, double opacity = 1) {
    if (target.width() < 0) {
      target = QRectF(target.right(), target.top(), -target.width(), target.height());
      image = image.mirrored(true, false);
      source.moveLeft(image.width() - source.right());
    }
    if (target.height() < 0) {
      target = QRectF(target.left(), target.bottom(), target.width(), -target.height());
      image = image.mirrored(false, true);
      source.moveTop(image.height() - source.bottom());
    }
    ApplyClip();
    const QTransform toBitmap = LogicalToBitmap();
    painter_.setTransform(toBitmap);
    painter_.setOpacity(opacity);
    // Enlarged pixels stay square unless the drawing asked for halftone stretching.
    const QRectF onBitmap = toBitmap.mapRect(target);
    const bool enlarged = onBitmap.width() > source.width() || onBitmap.height() > source.height();
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, dc_.halftone || !enlarged);
    switch (rop) {
      case kSrcAnd:
        painter_.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        break;
      case kSrcPaint:
        painter_.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        break;
      case kSrcInvert:
        painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        break;
      case kNotSrcCopy:
        painter_.setCompositionMode(QPainter::RasterOp_NotSource);
        break;
      default:
        painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
        break;
    }
    painter_.drawImage(target, image, source);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter_.setOpacity(1);
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  }

  // A raster operation without a source bitmap: a fill of the destination.
  void PatternBlit(const QRectF& target, uint32_t rop) {
    ApplyClip();
    const QTransform toBitmap = LogicalToBitmap();
    painter_.setTransform(toBitmap);
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (rop == kBlackness) {
      painter_.fillRect(target, Qt::black);
    } else if (rop == kWhiteness) {
      painter_.fillRect(target, Qt::white);
    } else if (rop == kDstInvert) {
      painter_.setCompositionMode(QPainter::RasterOp_NotDestination);
      painter_.fillRect(target, Qt::black);
      painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    } else {
      painter_.fillRect(target, MakeBrush(toBitmap));
    }
  }

  void BlitRecord(uint32_t type, const LeFields& r) {
    const QRectF target(r.I32(24), r.I32(28), r.I32(32), r.I32(36));
    const uint32_t rop = r.U32(40);
    const uint32_t offBmi = r.U32(84), cbBmi = r.U32(88), offBits = r.U32(92), cbBits = r.U32(96);
    if (!r.Ok()) return;
    if (cbBmi == 0) {
      PatternBlit(target, rop);
      return;
    }
    const bool withSize = type != kBitBlt;
    const QRectF source(r.I32(44), r.I32(48), withSize ? r.I32(100) : target.width(),
                        withSize ? r.I32(104) : target.height());
    if (!r.Ok()) return;
    const bool alpha = type == kAlphaBlend && ((rop >> 24) & 0xFF) == 1;
    QImage image = ReadDib(r, offBmi, cbBmi, offBits, cbBits, r.U32(80) == 1,
                           alpha ? DibAlpha::Premultiplied : DibAlpha::Opaque);
    if (image.isNull()) return;
    if (type == kAlphaBlend) {
      Blit(target, image, source, kSrcCopy, ((rop >> 16) & 0xFF) / 255.0);
    } else if (type == kTransparentBlt) {
      // The colour given in the operation's place is not drawn.
      image = image.convertToFormat(QImage::Format_ARGB32);
      const QRgb key = ColorOf(rop).rgb() & 0xFFFFFF;
      for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
          if ((row[x] & 0xFFFFFF) == key) row[x] = 0;
      }
      Blit(target, image, source, kSrcCopy);
    } else {
      Blit(target, image, source, rop);
    }
  }

  void DibRecord(uint32_t type, const LeFields& r) {
    const double xDest = r.I32(24), yDest = r.I32(28), xSrc = r.I32(32), ySrc = r.I32(36),
                 cxSrc = r.I32(40), cySrc = r.I32(44);
    const uint32_t offBmi = r.U32(48), cbBmi = r.U32(52), offBits = r.U32(56), cbBits = r.U32(60);
    const bool paletteIndexes = r.U32(64) == 1;
    uint32_t rop = kSrcCopy;
    QRectF target(xDest, yDest, cxSrc, cySrc);
    if (type == kStretchDiBits) {
      rop = r.U32(68);
      target.setSize(QSizeF(r.I32(72), r.I32(76)));
    }
    if (!r.Ok()) return;
    if (cbBmi == 0) {
      PatternBlit(target, rop);
      return;
    }
    const QImage image =
        ReadDib(r, offBmi, cbBmi, offBits, cbBits, paletteIndexes, DibAlpha::Opaque);
    if (image.isNull()) return;
    // A bottom-up bitmap counts its source rows from the bottom.
    QRectF source(xSrc, ySrc, cxSrc, cySrc);
    if (DibIsBottomUp(r, offBmi)) source.moveTop(image.height() - ySrc - cySrc);
    if (type == kSetDiBitsToDevice) source = source.intersected(QRectF(image.rect()));
    Blit(target, image, source, rop);
  }

  void RegionRecord(uint32_t type, const LeFields& r) {
    const size_t dataAt = type == kFillRgn ? 32 : type == kFrameRgn ? 40 : 28;
    QPainterPath area;
    area.addRegion(ReadRegion(r, dataAt, r.U32(24)));
    const DcState saved = dc_;
    if (type == kFillRgn || type == kFrameRgn) Select(r.U32(28));
    if (type == kInvertRgn) {
      ApplyClip();
      painter_.setTransform(LogicalToBitmap());
      painter_.setCompositionMode(QPainter::RasterOp_NotDestination);
      painter_.fillPath(area, Qt::black);
      painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    } else if (type == kFrameRgn) {
      dc_.pen = Pen{0, std::max<double>(r.I32(32), 1), false, dc_.brush.color, {}};
      Paint(area, LogicalToBitmap(), false, true);
    } else {
      Paint(area, LogicalToBitmap(), true, false);
    }
    dc_ = saved;
  }

  void GradientFill(const LeFields& r) {
    const uint32_t vertices = r.U32(24), shapes = r.U32(28), mode = r.U32(32);
    if (!r.Has(36, size_t{vertices} * 16)) return;
    if (!budget_.AllowPoints(int64_t{vertices} + shapes)) return;
    auto vertex = [&](uint32_t i) { return QPointF(r.I32(36 + 16 * i), r.I32(40 + 16 * i)); };
    auto color = [&](uint32_t i) {
      const size_t at = 44 + 16 * size_t{i};
      return QColor(r.U16(at) >> 8, r.U16(at + 2) >> 8, r.U16(at + 4) >> 8);
    };
    const size_t shapesAt = 36 + size_t{vertices} * 16;
    ApplyClip();
    painter_.setTransform(LogicalToBitmap());
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    for (uint32_t s = 0; s < shapes; ++s) {
      if (mode == 2) {
        const size_t at = shapesAt + 12 * size_t{s};
        const uint32_t a = r.U32(at), b = r.U32(at + 4), c = r.U32(at + 8);
        if (!r.Ok() || a >= vertices || b >= vertices || c >= vertices) return;
        // A triangle takes the mean of its corners' colours.
        const QColor ca = color(a), cb = color(b), cc = color(c);
        const QColor mean((ca.red() + cb.red() + cc.red()) / 3,
                          (ca.green() + cb.green() + cc.green()) / 3,
                          (ca.blue() + cb.blue() + cc.blue()) / 3);
        QPainterPath triangle;
        triangle.addPolygon(QPolygonF({vertex(a), vertex(b), vertex(c)}));
        painter_.fillPath(triangle, mean);
      } else {
        const size_t at = shapesAt + 8 * size_t{s};
        const uint32_t a = r.U32(at), b = r.U32(at + 4);
        if (!r.Ok() || a >= vertices || b >= vertices) return;
        const QRectF box = QRectF(vertex(a), vertex(b)).normalized();
        QLinearGradient gradient(box.topLeft(), mode == 1 ? box.bottomLeft() : box.topRight());
        gradient.setColorAt(0, color(a));
        gradient.setColorAt(1, color(b));
        painter_.fillRect(box, gradient);
      }
    }
  }

  void Play(uint32_t type, const LeFields& r) {
    switch (type) {
      case kPolyBezier:
      case kPolygon:
      case kPolyline:
      case kPolyBezierTo:
      case kPolylineTo:
      case kPolyBezier16:
      case kPolygon16:
      case kPolyline16:
      case kPolyBezierTo16:
      case kPolylineTo16:
        Poly(type, r);
        break;
      case kPolyPolyline:
      case kPolyPolygon:
      case kPolyPolyline16:
      case kPolyPolygon16:
        PolyPoly(type, r);
        break;
      case kPolyDraw:
        PolyDraw(r, false);
        break;
      case kPolyDraw16:
        PolyDraw(r, true);
        break;
      case kSetWindowExt:
        dc_.windowExt = QSizeF(r.I32(8), r.I32(12));
        break;
      case kSetWindowOrg:
        dc_.windowOrg = QPointF(r.I32(8), r.I32(12));
        break;
      case kSetViewportExt:
        dc_.viewportExt = QSizeF(r.I32(8), r.I32(12));
        break;
      case kSetViewportOrg:
        dc_.viewportOrg = QPointF(r.I32(8), r.I32(12));
        break;
      case kScaleViewportExt:
      case kScaleWindowExt: {
        const double xn = r.I32(8), xd = r.I32(12), yn = r.I32(16), yd = r.I32(20);
        if (xd == 0 || yd == 0) break;
        QSizeF& ext = type == kScaleWindowExt ? dc_.windowExt : dc_.viewportExt;
        ext = QSizeF(ext.width() * xn / xd, ext.height() * yn / yd);
        break;
      }
      case kSetPixel: {
        ApplyClip();
        painter_.setTransform(QTransform());
        const QPointF p = LogicalToBitmap().map(Point(r, 8, false));
        painter_.fillRect(QRectF(p, QSizeF(std::max(1.0, deviceToBitmap_.m11()),
                                           std::max(1.0, deviceToBitmap_.m22()))),
                          ColorOf(r.U32(16)));
        break;
      }
      case kSetMapMode:
        dc_.mapMode = static_cast<int>(r.U32(8));
        break;
      case kSetBkMode:
        dc_.opaqueBackground = r.U32(8) == 2;
        break;
      case kSetPolyFillMode:
        dc_.fillRule = r.U32(8) == 2 ? Qt::WindingFill : Qt::OddEvenFill;
        break;
      case kSetRop2: {
        switch (r.U32(8)) {
          case 1:
            dc_.rop2 = Rop2::Black;
            break;
          case 6:
            dc_.rop2 = Rop2::Not;
            break;
          case 7:
            dc_.rop2 = Rop2::Xor;
            break;
          case 9:
            dc_.rop2 = Rop2::And;
            break;
          case 11:
            dc_.rop2 = Rop2::Nop;
            break;
          case 15:
            dc_.rop2 = Rop2::Or;
            break;
          case 16:
            dc_.rop2 = Rop2::White;
            break;
          default:
            dc_.rop2 = Rop2::Copy;
            break;
        }
        break;
      }
      case kSetStretchBltMode:
        dc_.halftone = r.U32(8) == 4;
        break;
      case kSetTextAlign:
        dc_.textAlign = r.U32(8);
        break;
      case kSetTextColor:
        dc_.textColor = ColorOf(r.U32(8));
        break;
      case kSetBkColor:
        dc_.bkColor = ColorOf(r.U32(8));
        break;
      case kOffsetClipRgn:
        if (dc_.clip) {
          const QTransform t = LogicalToBitmap();
          const QPointF shift = t.map(Point(r, 8, false)) - t.map(QPointF(0, 0));
          dc_.clip = QTransform::fromTranslate(shift.x(), shift.y()).map(*dc_.clip);
        }
        break;
      case kMoveTo:
        dc_.current = Point(r, 8, false);
        if (inPath_) {
          path_.moveTo(LogicalToBitmap().map(dc_.current));
          figureClosed_ = false;
        }
        break;
      case kExcludeClipRect:
        ClipRect(r, true);
        break;
      case kIntersectClipRect:
        ClipRect(r, false);
        break;
      case kSaveDc:
        if (saved_.size() < DrawingBudget::kMaxSavedStates) saved_.push_back(dc_);
        break;
      case kRestoreDc: {
        const int32_t which = r.I32(8);
        const int64_t keep = which < 0 ? static_cast<int64_t>(saved_.size()) + which : which - 1;
        if (keep < 0 || keep >= static_cast<int64_t>(saved_.size())) break;
        dc_ = saved_[static_cast<size_t>(keep)];
        saved_.resize(static_cast<size_t>(keep));
        break;
      }
      case kSetWorldTransform:
        dc_.world = QTransform(r.F32(8), r.F32(12), r.F32(16), r.F32(20), r.F32(24), r.F32(28));
        break;
      case kModifyWorldTransform: {
        const QTransform x(r.F32(8), r.F32(12), r.F32(16), r.F32(20), r.F32(24), r.F32(28));
        switch (r.U32(32)) {
          case 1:
            dc_.world = QTransform();
            break;
          case 2:
            dc_.world = x * dc_.world;
            break;
          case 3:
            dc_.world = dc_.world * x;
            break;
          case 4:
            dc_.world = x;
            break;
          default:
            break;
        }
        break;
      }
      case kSelectObject:
        Select(r.U32(8));
        break;
      case kCreatePen:
        CreatePen(r);
        break;
      case kExtCreatePen:
        ExtCreatePen(r);
        break;
      case kCreateBrush:
        CreateBrush(r);
        break;
      case kCreateMonoBrush:
        CreatePatternBrush(r, true);
        break;
      case kCreateDibPatternBrush:
        CreatePatternBrush(r, false);
        break;
      case kExtCreateFont:
        CreateFont(r);
        break;
      case kDeleteObject:
        objects_.erase(r.U32(8));
        break;
      case kAngleArc:
        AngleArc(r);
        break;
      case kEllipse: {
        QPainterPath path;
        path.addEllipse(Box(r, 8));
        Draw(path, true, true);
        break;
      }
      case kRectangle: {
        QPainterPath path;
        path.addRect(Box(r, 8));
        Draw(path, true, true);
        break;
      }
      case kRoundRect: {
        QPainterPath path;
        path.addRoundedRect(Box(r, 8), std::abs(r.I32(24)) / 2.0, std::abs(r.I32(28)) / 2.0);
        Draw(path, true, true);
        break;
      }
      case kArc:
      case kChord:
      case kPie:
      case kArcTo:
        ArcRecord(type, r);
        break;
      case kLineTo:
        LinesFrom({Point(r, 8, false)}, false);
        break;
      case kSetArcDirection:
        dc_.clockwiseArcs = r.U32(8) == 2;
        break;
      case kSetMiterLimit: {
        const uint32_t raw = r.U32(8);
        // Written as a float by most programs, as an integer by some.
        const double limit = raw > 0 && raw < 1000 ? raw : r.F32(8);
        if (limit >= 1 && limit < 1000) dc_.miterLimit = limit;
        break;
      }
      case kBeginPath:
        inPath_ = true;
        path_ = QPainterPath();
        figureClosed_ = false;
        break;
      case kEndPath:
        inPath_ = false;
        break;
      case kAbortPath:
        inPath_ = false;
        path_ = QPainterPath();
        break;
      case kCloseFigure:
        if (inPath_) {
          path_.closeSubpath();
          figureClosed_ = true;
        }
        break;
      case kFillPath:
        if (!inPath_) PaintPath(true, false);
        break;
      case kStrokeAndFillPath:
        if (!inPath_) PaintPath(true, true);
        break;
      case kStrokePath:
        if (!inPath_) PaintPath(false, true);
        break;
      case kSelectClipPath:
        if (!inPath_) {
          QPainterPath area = path_;
          area.setFillRule(dc_.fillRule);
          Combine(area, r.U32(8));
          path_ = QPainterPath();
        }
        break;
      case kFillRgn:
      case kFrameRgn:
      case kInvertRgn:
      case kPaintRgn:
        RegionRecord(type, r);
        break;
      case kExtSelectClipRgn:
        SelectClipRegion(r);
        break;
      case kBitBlt:
      case kStretchBlt:
      case kAlphaBlend:
      case kTransparentBlt:
        BlitRecord(type, r);
        break;
      case kSetDiBitsToDevice:
      case kStretchDiBits:
        DibRecord(type, r);
        break;
      case kExtTextOutA:
        Text(r, false);
        break;
      case kExtTextOutW:
        Text(r, true);
        break;
      case kGradientFill:
        GradientFill(r);
        break;
      default:
        break;  // comments (EMF+ among them), palettes and the rest
    }
  }

  std::span<const uint8_t> file_;
  VectorCanvas& canvas_;
  QPainter& painter_;
  DrawingBudget budget_;
  QTransform deviceToBitmap_;
  QSizeF devicePerMm_;
  QPainterPath whole_;
  DcState dc_;
  std::vector<DcState> saved_;
  std::map<uint32_t, Object> objects_;
  bool inPath_ = false;
  bool figureClosed_ = false;
  QPainterPath path_;  // bitmap pixels
};

}  // namespace

Result<DrawingSize> EmfSize(std::span<const uint8_t> file) {
  const Result<Header> h = ReadHeader(file);
  if (!h) return Fail(h.error());
  double mmWidth = 0, mmHeight = 0;
  if (h->frameUsable) {
    mmWidth = (static_cast<double>(h->frame.right()) - h->frame.left()) / 100;
    mmHeight = (static_cast<double>(h->frame.bottom()) - h->frame.top()) / 100;
  } else {
    mmWidth =
        (static_cast<double>(h->bounds.right()) - h->bounds.left() + 1) / h->devicePerMm.width();
    mmHeight =
        (static_cast<double>(h->bounds.bottom()) - h->bounds.top() + 1) / h->devicePerMm.height();
  }
  // At least one pixel; a frame beyond any slide is refused by its size.
  const double width = std::clamp(std::round(mmWidth * 96 / 25.4), 1.0, 1e12);
  const double height = std::clamp(std::round(mmHeight * 96 / 25.4), 1.0, 1e12);
  if (Result<void> fits =
          CheckPictureSize(static_cast<int64_t>(width), static_cast<int64_t>(height));
      !fits)
    return Fail(fits.error());
  return DrawingSize{static_cast<int>(width), static_cast<int>(height)};
}

Result<Bitmap> RenderEmf(std::span<const uint8_t> file, int width, int height) {
  const Result<Header> header = ReadHeader(file);
  if (!header) return Fail(header.error());
  Result<std::unique_ptr<VectorCanvas>> canvas = VectorCanvas::Create(width, height);
  if (!canvas) return Fail(canvas.error());
  EmfPlayer player(file, *header, **canvas);
  if (Result<void> played = player.Play(); !played) return Fail(played.error());
  return (*canvas)->Finish();
}

}  // namespace lrw::formats
