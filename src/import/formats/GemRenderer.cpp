// GEM metafiles: a header (page size, coordinate space, extent) and then VDI calls as
// records (opcode, point count, integer count, sub-opcode, points, integers) up to the
// end marker. Each call is drawn in bitmap pixels: the coordinate space is mapped onto
// the bitmap, and radii, widths and heights scale with it so circles stay round.
#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QString>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "import/DecodedPicture.h"
#include "import/formats/VectorCanvas.h"
#include "import/formats/VectorFormats.h"

namespace lrw::formats {
namespace {

enum : int {
  kEscape = 5,
  kPolyline = 6,
  kPolymarker = 7,
  kText = 8,
  kFillArea = 9,
  kGdp = 11,
  kTextHeight = 12,
  kTextRotation = 13,
  kSetColor = 14,
  kLineType = 15,
  kLineWidth = 16,
  kLineColor = 17,
  kMarkerType = 18,
  kMarkerHeight = 19,
  kMarkerColor = 20,
  kTextFont = 21,
  kTextColor = 22,
  kFillInterior = 23,
  kFillStyle = 24,
  kFillColor = 25,
  kWritingMode = 32,
  kTextAlignment = 39,
  kFillPerimeter = 104,
  kTextEffects = 106,
  kTextPoint = 107,
  kLineEnds = 108,
  kUserFill = 112,
  kUserLine = 113,
  kClip = 129,
};
enum : int {
  kBar = 1,
  kArc = 2,
  kPieSlice = 3,
  kCircle = 4,
  kEllipse = 5,
  kEllipticArc = 6,
  kEllipticPie = 7,
  kRoundedBox = 8,
  kFilledRoundedBox = 9,
  kJustifiedText = 10,
};
enum : int { kMetaExtents = 98, kPageSize = 101, kCoordinates = 102 };
constexpr int kEndMarker = -1;
// A drawing that gives neither page size nor a usable extent in pixels is drawn this large.
constexpr int kMaxExtentSide = 2048;

// The standard VDI colours 0 to 15.
constexpr std::array<QRgb, 16> kStandardColors = {
    0xFFFFFFFF, 0xFF000000, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF00FFFF, 0xFFFFFF00, 0xFFFF00FF,
    0xFFC0C0C0, 0xFF808080, 0xFF800000, 0xFF008000, 0xFF000080, 0xFF008080, 0xFF808000, 0xFF800080};

// 16-bit words, little-endian as Intel GEM writes them, or big-endian from the Atari.
class Words {
 public:
  explicit Words(std::span<const uint8_t> file) : file_(file) {
    const int little = file.size() >= 4 ? file[2] | file[3] << 8 : 0;
    const int big = file.size() >= 4 ? file[2] << 8 | file[3] : 0;
    bigEndian_ = little > 0x0100 && big > 0 && big <= 0x0100;
  }
  size_t Count() const { return file_.size() / 2; }
  int operator[](size_t i) const {
    if (i >= Count()) return 0;
    const uint8_t a = file_[2 * i], b = file_[2 * i + 1];
    return static_cast<int16_t>(bigEndian_ ? (a << 8 | b) : (b << 8 | a));
  }

 private:
  std::span<const uint8_t> file_;
  bool bigEndian_ = false;
};

struct Record {
  int opcode = 0;
  int sub = 0;
  size_t points = 0;  // index of ptsin[0] in words
  size_t pointCount = 0;
  size_t ints = 0;  // index of intin[0]
  size_t intCount = 0;
};

// Walks the records; stops at the end marker or where a record runs past the file.
class RecordWalker {
 public:
  RecordWalker(const Words& words, size_t start) : words_(words), pos_(start) {}
  bool Next(Record& r) {
    if (pos_ + 4 > words_.Count()) return false;
    r.opcode = words_[pos_];
    if (r.opcode == kEndMarker) return false;
    r.pointCount = static_cast<uint16_t>(words_[pos_ + 1]);
    r.intCount = static_cast<uint16_t>(words_[pos_ + 2]);
    r.sub = words_[pos_ + 3];
    r.points = pos_ + 4;
    r.ints = r.points + 2 * r.pointCount;
    const size_t end = r.ints + r.intCount;
    if (end > words_.Count()) return false;
    pos_ = end;
    return true;
  }

 private:
  const Words& words_;
  size_t pos_;
};

struct Page {
  int flag = 2;                  // 0: normalised (y up), 2: raster (y down)
  int extent[4] = {0, 0, 0, 0};  // xmin, ymin, xmax, ymax
  int pageTenthsMm[2] = {0, 0};
  int coords[4] = {0, 0, 0, 0};  // lower-left x, y, upper-right x, y
  size_t firstRecord = 0;

  bool HasCoords() const { return coords[0] != coords[2] && coords[1] != coords[3]; }
  bool HasExtent() const { return extent[2] > extent[0] && extent[3] > extent[1]; }
  bool HasPageSize() const { return pageTenthsMm[0] > 0 && pageTenthsMm[1] > 0; }
};

Result<Page> ReadPage(const Words& w) {
  if (w.Count() < 4 || w[0] != -1) return Fail("it is not a GEM metafile");
  const int headerWords = w[1];
  if (headerWords < 4 || static_cast<size_t>(headerWords) > w.Count())
    return Fail("the GEM metafile's header is damaged");
  Page page;
  page.flag = w[3];
  page.firstRecord = static_cast<size_t>(headerWords);
  if (headerWords >= 8)
    for (int i = 0; i < 4; ++i) page.extent[i] = w[4 + i];
  if (headerWords >= 10)
    for (int i = 0; i < 2; ++i) page.pageTenthsMm[i] = w[8 + i];
  if (headerWords >= 14)
    for (int i = 0; i < 4; ++i) page.coords[i] = w[10 + i];
  // The escapes that set the page fill in what the header left empty.
  RecordWalker walker(w, page.firstRecord);
  Record r;
  while (walker.Next(r)) {
    if (r.opcode != kEscape) continue;
    if (r.sub == kMetaExtents && r.pointCount >= 2 && !page.HasExtent()) {
      for (int i = 0; i < 4; ++i) page.extent[i] = w[r.points + i];
    } else if (r.sub == kPageSize && r.intCount >= 2 && !page.HasPageSize()) {
      page.pageTenthsMm[0] = w[r.ints];
      page.pageTenthsMm[1] = w[r.ints + 1];
    } else if (r.sub == kCoordinates && r.intCount >= 4 && !page.HasCoords()) {
      for (int i = 0; i < 4; ++i) page.coords[i] = w[r.ints + i];
    }
  }
  return page;
}

// The rectangle of the coordinate space that fills the picture: top-left and
// bottom-right corners in GEM units.
QRectF CoordinateWindow(const Page& page, const Words& w) {
  if (page.HasCoords())
    return QRectF(QPointF(page.coords[0], page.coords[3]), QPointF(page.coords[2], page.coords[1]));
  if (page.flag == 0) return QRectF(QPointF(0, 32767), QPointF(32767, 0));
  if (page.HasExtent())
    return QRectF(QPointF(page.extent[0], page.extent[1]), QPointF(page.extent[2], page.extent[3]));
  // No extent written: the bounds of every point drawn.
  RecordWalker walker(w, page.firstRecord);
  Record r;
  double left = 0, top = 0, right = 1, bottom = 1;
  bool any = false;
  while (walker.Next(r)) {
    if (r.opcode == kEscape || r.pointCount == 0 ||
        (r.opcode != kPolyline && r.opcode != kPolymarker && r.opcode != kText &&
         r.opcode != kFillArea && r.opcode != kGdp))
      continue;
    for (size_t i = 0; i < r.pointCount; ++i) {
      const double x = w[r.points + 2 * i], y = w[r.points + 2 * i + 1];
      if (r.opcode == kGdp && i > 0 && r.sub != kBar && r.sub != kRoundedBox &&
          r.sub != kFilledRoundedBox)
        break;  // radii, not points
      left = any ? std::min(left, x) : x;
      top = any ? std::min(top, y) : y;
      right = any ? std::max(right, x) : x;
      bottom = any ? std::max(bottom, y) : y;
      any = true;
    }
  }
  if (!any || right <= left || bottom <= top) return QRectF(0, 0, 640, 480);
  return QRectF(QPointF(left, top), QPointF(right, bottom));
}

struct Attributes {
  int lineType = 1, lineColor = 1, lineBegin = 0, lineEnd = 0;
  double lineWidth = 1;
  uint16_t userLine = 0xFFFF;
  int markerType = 3, markerColor = 1;
  double markerHeight = 0;  // GEM units; 0: a few pixels
  int fillInterior = 0, fillStyle = 1, fillColor = 1;
  bool perimeter = true;
  std::array<uint16_t, 16> userFill{};
  double textHeight = 0;  // pixels
  int textRotation = 0, textColor = 1, textFont = 1, textEffects = 0;
  int alignH = 0, alignV = 0;
  int writingMode = 1;
};

class GemPlayer {
 public:
  GemPlayer(const Words& words, const Page& page, VectorCanvas& canvas)
      : w_(words), page_(page), painter_(canvas.Painter()), size_(canvas.Size()) {
    const QRectF window = CoordinateWindow(page, words);
    sx_ = size_.width() / window.width();
    sy_ = size_.height() / window.height();
    origin_ = window.topLeft();
    palette_.assign(kStandardColors.begin(), kStandardColors.end());
    palette_.resize(256, 0xFF000000);
    attr_.textHeight = 13 * size_.height() / std::max(1, OwnSize(page).height);
    patternScale_ = std::max(1.0, size_.width() / static_cast<double>(OwnSize(page).width));
  }

  // Plays the records up to the end marker, or until the drawing's budget stops it.
  Result<void> Play() {
    RecordWalker walker(w_, page_.firstRecord);
    Record r;
    while (walker.Next(r) && budget_.Tick() &&
           budget_.AllowPoints(static_cast<int64_t>(r.pointCount)))
      Play(r);
    return budget_.Outcome();
  }

  static DrawingSize OwnSize(const Page& page) {
    if (page.HasPageSize())
      return {std::max(1, static_cast<int>(std::lround(page.pageTenthsMm[0] * 96 / 254.0))),
              std::max(1, static_cast<int>(std::lround(page.pageTenthsMm[1] * 96 / 254.0)))};
    double width = page.extent[2] - page.extent[0], height = page.extent[3] - page.extent[1];
    if (!page.HasExtent()) width = 640, height = 480;
    const double shrink = std::min(1.0, kMaxExtentSide / std::max(width, height));
    return {std::max(1, static_cast<int>(std::lround(width * shrink))),
            std::max(1, static_cast<int>(std::lround(height * shrink)))};
  }

 private:
  // A coordinate names a pixel of the metafile's device: its centre.
  QPointF At(size_t pointIndex, const Record& r) const {
    const double x = w_[r.points + 2 * pointIndex], y = w_[r.points + 2 * pointIndex + 1];
    return QPointF((x - origin_.x() + 0.5) * sx_, (y - origin_.y() + 0.5) * sy_);
  }
  int Int(const Record& r, size_t i) const { return i < r.intCount ? w_[r.ints + i] : 0; }
  int PointX(const Record& r, size_t i) const {
    return i < r.pointCount ? w_[r.points + 2 * i] : 0;
  }
  int PointY(const Record& r, size_t i) const {
    return i < r.pointCount ? w_[r.points + 2 * i + 1] : 0;
  }
  QColor Color(int index) const {
    return QColor::fromRgb(palette_[static_cast<size_t>(std::clamp(index, 0, 255))]);
  }
  double Horizontal(double units) const { return std::abs(units * sx_); }
  double Vertical(double units) const { return std::abs(units * sy_); }

  void BeginDrawing() {
    painter_.setTransform(QTransform());
    painter_.setCompositionMode(attr_.writingMode == 3 ? QPainter::RasterOp_SourceXorDestination
                                                       : QPainter::CompositionMode_SourceOver);
  }

  QPen LinePen(bool forPerimeter = false) const {
    QPen pen(Color(forPerimeter ? attr_.fillColor : attr_.lineColor));
    const double width = forPerimeter ? 1.0 : std::max(1.0, Horizontal(attr_.lineWidth));
    pen.setWidthF(width);
    pen.setCosmetic(width <= 1.0);  // one pixel: the painter's fast thin lines
    const bool round = !forPerimeter && attr_.lineBegin == 2 && attr_.lineEnd == 2;
    pen.setCapStyle(round ? Qt::RoundCap : Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    if (forPerimeter) return pen;
    switch (attr_.lineType) {
      case 2:
        pen.setDashPattern({12, 4});
        break;
      case 3:
        pen.setDashPattern({2, 4});
        break;
      case 4:
        pen.setDashPattern({8, 3, 2, 3});
        break;
      case 5:
        pen.setDashPattern({6, 6});
        break;
      case 6:
        pen.setDashPattern({6, 2, 2, 2, 2, 2});
        break;
      case 7: {
        // The user's 16-bit pattern, most significant bit first, as dash lengths.
        QList<qreal> dashes;
        bool on = true;
        int run = 0;
        for (int bit = 15; bit >= 0; --bit) {
          const bool set = attr_.userLine >> bit & 1;
          if (set != on) {
            dashes.push_back(std::max(run, 0) + 0.0);
            on = set;
            run = 0;
          }
          ++run;
        }
        dashes.push_back(run);
        if (dashes.size() % 2) dashes.push_back(0);
        if (attr_.userLine != 0xFFFF && attr_.userLine != 0) pen.setDashPattern(dashes);
        break;
      }
      default:
        break;
    }
    return pen;
  }

  QBrush FillBrush() const {
    const QColor color = Color(attr_.fillColor);
    QBrush brush;
    switch (attr_.fillInterior) {
      case 0:
        return Qt::NoBrush;
      case 1:
        return QBrush(color);
      case 2: {
        static constexpr Qt::BrushStyle kDensities[] = {
            Qt::Dense7Pattern, Qt::Dense6Pattern, Qt::Dense5Pattern, Qt::Dense4Pattern,
            Qt::Dense3Pattern, Qt::Dense2Pattern, Qt::Dense1Pattern, Qt::SolidPattern};
        const int style = attr_.fillStyle;
        brush = QBrush(color, style >= 1 && style <= 8 ? kDensities[style - 1] : Qt::Dense4Pattern);
        break;
      }
      case 3: {
        static constexpr Qt::BrushStyle kHatches[] = {Qt::BDiagPattern,     Qt::FDiagPattern,
                                                      Qt::DiagCrossPattern, Qt::VerPattern,
                                                      Qt::HorPattern,       Qt::CrossPattern};
        brush = QBrush(color, kHatches[(std::max(attr_.fillStyle, 1) - 1) % 6]);
        break;
      }
      default: {
        QImage pattern(16, 16, QImage::Format_ARGB32);
        for (int y = 0; y < 16; ++y)
          for (int x = 0; x < 16; ++x)
            pattern.setPixel(x, y, (attr_.userFill[y] >> (15 - x) & 1) ? color.rgba() : 0u);
        brush = QBrush(pattern);
        break;
      }
    }
    brush.setTransform(QTransform::fromScale(patternScale_, patternScale_));
    return brush;
  }

  // Fills an area with the fill attributes and draws its perimeter when that is on.
  // The painter's rasteriser takes time in proportion to the coordinates it is given:
  // figures reaching far beyond the bitmap are cut to its neighbourhood first.
  QRectF Neighbourhood() const {
    const double margin = 4.0 * (size_.width() + size_.height());
    return QRectF(QPointF(0, 0), QSizeF(size_)).adjusted(-margin, -margin, margin, margin);
  }
  bool FarReaching(const QPainterPath& path) const {
    const QRectF b = path.controlPointRect(), near = Neighbourhood();
    return b.left() < near.left() || b.right() > near.right() || b.top() < near.top() ||
           b.bottom() > near.bottom();
  }

  void FillArea(QPainterPath area, bool outline) {
    BeginDrawing();
    area.setFillRule(Qt::OddEvenFill);
    if (FarReaching(area)) {
      const QPen pen = outline && (attr_.perimeter || attr_.fillInterior == 0)
                           ? LinePen(attr_.fillInterior != 0)
                           : QPen(Qt::NoPen);
      painter_.fillPath(ClipAreaTo(area, Neighbourhood()), FillBrush());
      if (pen.style() != Qt::NoPen) StrokeLine(area, pen);
      return;
    }
    // In replace mode a pattern's gaps are the background colour.
    const bool opaque = attr_.writingMode == 1 && attr_.fillInterior >= 2;
    painter_.setBackgroundMode(opaque ? Qt::OpaqueMode : Qt::TransparentMode);
    painter_.setBackground(Color(0));
    painter_.setBrush(FillBrush());
    painter_.setPen(outline && (attr_.perimeter || attr_.fillInterior == 0)
                        ? LinePen(attr_.fillInterior != 0)
                        : QPen(Qt::NoPen));
    painter_.drawPath(area);
    painter_.setBackgroundMode(Qt::TransparentMode);
  }

  void StrokeLine(const QPainterPath& line) { StrokeLine(line, LinePen()); }
  void StrokeLine(const QPainterPath& line, QPen pen) {
    BeginDrawing();
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(FarReaching(line) ? ClipLinesTo(line, Neighbourhood()) : line);
  }

  void Arrow(QPointF tip, QPointF from) {
    const QPointF d = tip - from;
    const double length = std::hypot(d.x(), d.y());
    if (length <= 0) return;
    const double size = std::max(6.0, 3 * Horizontal(attr_.lineWidth));
    const QPointF u = d / length, n(-u.y(), u.x());
    QPainterPath head;
    head.addPolygon(QPolygonF({tip, tip - u * size + n * size / 2, tip - u * size - n * size / 2}));
    painter_.fillPath(head, Color(attr_.lineColor));
  }

  void Polyline(const Record& r) {
    if (r.pointCount < 2) return;
    QPolygonF points;
    for (size_t i = 0; i < r.pointCount; ++i) points << At(i, r);
    QPainterPath line;
    line.addPolygon(points);
    StrokeLine(line);
    if (attr_.lineBegin == 1) Arrow(points.front(), points[1]);
    if (attr_.lineEnd == 1) Arrow(points.back(), points[points.size() - 2]);
  }

  void Markers(const Record& r) {
    BeginDrawing();
    const double h = attr_.markerHeight > 0 ? Vertical(attr_.markerHeight) / 2 : 3;
    QPen pen(Color(attr_.markerColor), 1);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    for (size_t i = 0; i < r.pointCount; ++i) {
      const QPointF p = At(i, r);
      switch (attr_.markerType) {
        case 1:
          painter_.fillRect(QRectF(p.x() - 0.5, p.y() - 0.5, 1, 1), pen.color());
          break;
        case 2:
          painter_.drawLine(p - QPointF(h, 0), p + QPointF(h, 0));
          painter_.drawLine(p - QPointF(0, h), p + QPointF(0, h));
          break;
        case 4:
          painter_.drawRect(QRectF(p.x() - h, p.y() - h, 2 * h, 2 * h));
          break;
        case 5:
          painter_.drawLine(p - QPointF(h, h), p + QPointF(h, h));
          painter_.drawLine(p - QPointF(h, -h), p + QPointF(h, -h));
          break;
        case 6:
          painter_.drawPolygon(QPolygonF(
              {p - QPointF(0, h), p + QPointF(h, 0), p + QPointF(0, h), p - QPointF(h, 0)}));
          break;
        default:  // asterisk
          painter_.drawLine(p - QPointF(0, h), p + QPointF(0, h));
          painter_.drawLine(p - QPointF(h * 0.87, h / 2), p + QPointF(h * 0.87, h / 2));
          painter_.drawLine(p - QPointF(h * 0.87, -h / 2), p + QPointF(h * 0.87, -h / 2));
          break;
      }
    }
  }

  QFont TextFont() const {
    QFont font(attr_.textFont == 14  ? QStringLiteral("Liberation Serif")
               : attr_.textFont == 1 ? QStringLiteral("Liberation Mono")
                                     : QStringLiteral("Liberation Sans"));
    font.setBold(attr_.textEffects & 1);
    font.setWeight(attr_.textEffects & 1   ? QFont::Bold
                   : attr_.textEffects & 2 ? QFont::Light
                                           : QFont::Normal);
    font.setItalic(attr_.textEffects & 4);
    font.setUnderline(attr_.textEffects & 8);
    // The height runs from the baseline to the top of the character cell.
    QFont probe = font;
    probe.setPixelSize(100);
    const double ascent = std::max(QFontMetricsF(probe).ascent(), 1.0);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(attr_.textHeight * 100 / ascent))));
    return font;
  }

  void Text(QPointF at, const Record& r, size_t firstChar, double justifiedWidth) {
    QString text;
    for (size_t i = firstChar; i < r.intCount && text.size() < DrawingBudget::kMaxTextCharacters;
         ++i)
      text += QChar(static_cast<char16_t>(w_[r.ints + i] & 0xFF));
    if (text.isEmpty() || attr_.textHeight < 0.5 || attr_.textHeight > 1e5) return;
    if (!budget_.AllowText()) return;
    const QFont font = TextFont();
    const QFontMetricsF m(font);
    double width = m.horizontalAdvance(text);
    double stretch = 1;
    if (justifiedWidth > 0 && width > 0) {
      stretch = justifiedWidth / width;
      width = justifiedWidth;
    }
    double x = 0, y = 0;
    if (attr_.alignH == 1) x = -width / 2;
    if (attr_.alignH == 2) x = -width;
    switch (attr_.alignV) {
      case 1:
        y = m.ascent() / 2;
        break;  // half line
      case 2:
        y = m.ascent();
        break;  // ascent line
      case 3:
        y = -m.descent();
        break;  // bottom
      case 4:
        y = -m.descent();
        break;  // descent line
      case 5:
        y = m.ascent();
        break;  // top
      default:
        break;  // baseline
    }
    BeginDrawing();
    QTransform t;
    t.translate(at.x(), at.y());
    t.rotate(-attr_.textRotation / 10.0);
    t.scale(stretch, 1);
    painter_.setTransform(t);
    if (attr_.writingMode == 1)
      painter_.fillRect(QRectF(x / stretch, y - m.ascent(), width / stretch, m.height()), Color(0));
    painter_.setFont(font);
    painter_.setPen(Color(attr_.textColor));
    painter_.drawText(QPointF(x / stretch, y), text);
    painter_.setTransform(QTransform());
  }

  // GEM angles are tenths of a degree counter-clockwise from three o'clock.
  QPainterPath ArcPath(QPointF centre, double rx, double ry, int from, int to, bool pie) {
    const QRectF box(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry);
    double sweep = (to - from) / 10.0;
    while (sweep <= 0) sweep += 360;
    QPainterPath path;
    if (pie) {
      path.moveTo(centre);
      path.arcTo(box, from / 10.0, sweep);
      path.closeSubpath();
    } else {
      path.arcMoveTo(box, from / 10.0);
      path.arcTo(box, from / 10.0, sweep);
    }
    return path;
  }

  void Gdp(const Record& r) {
    if (r.pointCount == 0) return;
    const QPointF centre = At(0, r);
    switch (r.sub) {
      case kBar:
      case kRoundedBox:
      case kFilledRoundedBox: {
        if (r.pointCount < 2) return;
        const QRectF box = QRectF(At(0, r), At(1, r)).normalized();
        QPainterPath path;
        if (r.sub == kBar) {
          path.addRect(box);
        } else {
          const double radius = std::min({box.width() / 4, box.height() / 4, 16.0 * patternScale_});
          path.addRoundedRect(box, radius, radius);
        }
        if (r.sub == kRoundedBox) {
          StrokeLine(path);
        } else {
          FillArea(path, true);
        }
        break;
      }
      case kArc:
      case kPieSlice: {
        const double radius = Horizontal(PointX(r, 3));
        const QPainterPath path =
            ArcPath(centre, radius, radius, Int(r, 0), Int(r, 1), r.sub == kPieSlice);
        if (r.sub == kArc) {
          StrokeLine(path);
        } else {
          FillArea(path, true);
        }
        break;
      }
      case kCircle: {
        const double radius = Horizontal(PointX(r, 2));
        QPainterPath path;
        path.addEllipse(centre, radius, radius);
        FillArea(path, true);
        break;
      }
      case kEllipse:
      case kEllipticArc:
      case kEllipticPie: {
        const double rx = Horizontal(PointX(r, 1)), ry = Vertical(PointY(r, 1));
        if (r.sub == kEllipse) {
          QPainterPath path;
          path.addEllipse(centre, rx, ry);
          FillArea(path, true);
        } else if (r.sub == kEllipticArc) {
          StrokeLine(ArcPath(centre, rx, ry, Int(r, 0), Int(r, 1), false));
        } else {
          FillArea(ArcPath(centre, rx, ry, Int(r, 0), Int(r, 1), true), true);
        }
        break;
      }
      case kJustifiedText:
        Text(centre, r, 2, Horizontal(PointX(r, 1)));
        break;
      default:
        break;
    }
  }

  void Play(const Record& r) {
    switch (r.opcode) {
      case kPolyline:
        Polyline(r);
        break;
      case kPolymarker:
        Markers(r);
        break;
      case kText:
        if (r.pointCount >= 1) Text(At(0, r), r, 0, 0);
        break;
      case kFillArea: {
        if (r.pointCount < 2) return;
        QPolygonF points;
        for (size_t i = 0; i < r.pointCount; ++i) points << At(i, r);
        QPainterPath area;
        area.addPolygon(points);
        area.closeSubpath();
        FillArea(area, true);
        break;
      }
      case kGdp:
        Gdp(r);
        break;
      case kTextHeight:
        attr_.textHeight = Vertical(PointY(r, 0));
        break;
      case kTextPoint: {
        // Points (1/72 inch) on the page, in bitmap pixels.
        const double ownHeight = OwnSize(page_).height;
        attr_.textHeight = Int(r, 0) * 96 / 72.0 * size_.height() / std::max(ownHeight, 1.0);
        break;
      }
      case kTextRotation:
        attr_.textRotation = Int(r, 0);
        break;
      case kSetColor: {
        const int index = Int(r, 0);
        auto level = [&](size_t i) { return std::clamp(Int(r, i) * 255 / 1000, 0, 255); };
        if (index >= 0 && index < 256 && r.intCount >= 4)
          palette_[static_cast<size_t>(index)] = qRgb(level(1), level(2), level(3));
        break;
      }
      case kLineType:
        attr_.lineType = Int(r, 0);
        break;
      case kLineWidth:
        attr_.lineWidth = PointX(r, 0);
        break;
      case kLineColor:
        attr_.lineColor = Int(r, 0);
        break;
      case kMarkerType:
        attr_.markerType = Int(r, 0);
        break;
      case kMarkerHeight:
        attr_.markerHeight = PointY(r, 0);
        break;
      case kMarkerColor:
        attr_.markerColor = Int(r, 0);
        break;
      case kTextFont:
        attr_.textFont = Int(r, 0);
        break;
      case kTextColor:
        attr_.textColor = Int(r, 0);
        break;
      case kFillInterior:
        attr_.fillInterior = Int(r, 0);
        break;
      case kFillStyle:
        attr_.fillStyle = Int(r, 0);
        break;
      case kFillColor:
        attr_.fillColor = Int(r, 0);
        break;
      case kWritingMode:
        attr_.writingMode = Int(r, 0);
        break;
      case kTextAlignment:
        attr_.alignH = Int(r, 0);
        attr_.alignV = Int(r, 1);
        break;
      case kFillPerimeter:
        attr_.perimeter = Int(r, 0) != 0;
        break;
      case kTextEffects:
        attr_.textEffects = Int(r, 0);
        break;
      case kLineEnds:
        attr_.lineBegin = Int(r, 0);
        attr_.lineEnd = Int(r, 1);
        break;
      case kUserFill:
        for (size_t i = 0; i < 16; ++i) attr_.userFill[i] = static_cast<uint16_t>(Int(r, i));
        break;
      case kUserLine:
        attr_.userLine = static_cast<uint16_t>(Int(r, 0));
        break;
      case kClip:
        if (Int(r, 0) != 0 && r.pointCount >= 2) {
          painter_.setTransform(QTransform());
          painter_.setClipRect(QRectF(At(0, r), At(1, r)).normalized());
        } else {
          painter_.setClipping(false);
        }
        break;
      default:
        break;  // escapes and calls that do not draw
    }
  }

  const Words& w_;
  const Page& page_;
  QPainter& painter_;
  QSize size_;
  DrawingBudget budget_;
  double sx_ = 1, sy_ = 1;
  QPointF origin_;
  double patternScale_ = 1;
  std::vector<QRgb> palette_;
  Attributes attr_;
};

}  // namespace

Result<DrawingSize> GemSize(std::span<const uint8_t> file) {
  const Words words(file);
  const Result<Page> page = ReadPage(words);
  if (!page) return Fail(page.error());
  const DrawingSize size = GemPlayer::OwnSize(*page);
  if (Result<void> fits = CheckPictureSize(size.width, size.height); !fits)
    return Fail(fits.error());
  return size;
}

Result<Bitmap> RenderGem(std::span<const uint8_t> file, int width, int height) {
  const Words words(file);
  const Result<Page> page = ReadPage(words);
  if (!page) return Fail(page.error());
  Result<std::unique_ptr<VectorCanvas>> canvas = VectorCanvas::Create(width, height);
  if (!canvas) return Fail(canvas.error());
  GemPlayer player(words, *page, **canvas);
  if (Result<void> played = player.Play(); !played) return Fail(played.error());
  return (*canvas)->Finish();
}

}  // namespace lrw::formats
