#include "effects/MotionFraming.h"

#include <algorithm>
#include <cmath>

namespace lrw {
namespace {

// At full strength a zoom ends at two thirds of the picture's width.
constexpr double kMaxZoom = 0.5;
// Pans look at a slightly enlarged part so that even a picture of the screen's shape
// has room to move.
constexpr double kPanZoom = 0.2;
// Shapes within this factor of the screen's zoom; beyond it they pan.
constexpr double kPanShapeFactor = 1.2;

// The largest framing of the screen's shape inside the picture, centred.
Framing Covering(double pw, double ph, double aspect) {
  Framing f;
  if (pw / ph > aspect) {
    f.height = ph;
    f.width = ph * aspect;
  } else {
    f.width = pw;
    f.height = pw / aspect;
  }
  f.x = (pw - f.width) / 2;
  f.y = (ph - f.height) / 2;
  return f;
}

Framing Scaled(const Framing& f, double factor) {
  const double w = f.width * factor;
  const double h = f.height * factor;
  return {f.x + (f.width - w) / 2, f.y + (f.height - h) / 2, w, h};
}

// A stored rectangle widened or heightened about its centre to the screen's shape.
Framing ToScreenShape(const MotionRect& r, double aspect) {
  Framing f{double(r.x), double(r.y), double(r.width), double(r.height)};
  if (f.width / f.height > aspect) {
    const double h = f.width / aspect;
    f.y -= (h - f.height) / 2;
    f.height = h;
  } else {
    const double w = f.height * aspect;
    f.x -= (w - f.width) / 2;
    f.width = w;
  }
  return f;
}

}  // namespace

MotionKind ResolveAutoMotion(int pictureWidth, int pictureHeight, int screenWidth, int screenHeight,
                             size_t slideIndex) {
  const bool even = slideIndex % 2 == 0;
  const double shape = double(pictureWidth) / std::max(1, pictureHeight);
  const double screen = double(screenWidth) / std::max(1, screenHeight);
  if (shape > screen * kPanShapeFactor) return even ? MotionKind::PanRight : MotionKind::PanLeft;
  if (shape * kPanShapeFactor < screen) return even ? MotionKind::PanDown : MotionKind::PanUp;
  return even ? MotionKind::ZoomIn : MotionKind::ZoomOut;
}

std::optional<MotionPath> MotionPathFor(const SlideMotion& motion, int pictureWidth,
                                        int pictureHeight, int screenWidth, int screenHeight,
                                        size_t slideIndex) {
  if (!motion.Present() || pictureWidth <= 0 || pictureHeight <= 0 || screenWidth <= 0 ||
      screenHeight <= 0) {
    return std::nullopt;
  }
  const double pw = pictureWidth;
  const double ph = pictureHeight;
  const double aspect = double(screenWidth) / screenHeight;
  const double s = std::clamp(int{motion.strength}, 0, 100) / 100.0;
  const Framing base = Covering(pw, ph, aspect);
  MotionPath path;
  path.ease = motion.ease;
  MotionKind kind = motion.kind;
  if (kind == MotionKind::Auto) {
    kind = ResolveAutoMotion(pictureWidth, pictureHeight, screenWidth, screenHeight, slideIndex);
  }
  switch (kind) {
    case MotionKind::None:
    case MotionKind::Auto:
      return std::nullopt;
    case MotionKind::ZoomIn:
    case MotionKind::ZoomOut: {
      const Framing close = Scaled(base, 1 / (1 + kMaxZoom * s));
      path.start = kind == MotionKind::ZoomIn ? base : close;
      path.end = kind == MotionKind::ZoomIn ? close : base;
      return path;
    }
    case MotionKind::PanLeft:
    case MotionKind::PanRight:
    case MotionKind::PanUp:
    case MotionKind::PanDown: {
      const Framing f = Scaled(base, 1 / (1 + kPanZoom * s));
      const bool across = kind == MotionKind::PanLeft || kind == MotionKind::PanRight;
      // How far the framing travels: the strength's share of the room it has.
      const double travel = s * (across ? pw - f.width : ph - f.height);
      Framing a = f;
      Framing b = f;
      if (across) {
        a.x = (pw - f.width - travel) / 2;
        b.x = a.x + travel;
      } else {
        a.y = (ph - f.height - travel) / 2;
        b.y = a.y + travel;
      }
      // Panning left looks further left as it goes; up looks further up.
      const bool backwards = kind == MotionKind::PanLeft || kind == MotionKind::PanUp;
      path.start = backwards ? b : a;
      path.end = backwards ? a : b;
      return path;
    }
    case MotionKind::Custom: {
      const auto usable = [](const MotionRect& r) { return r.width > 0 && r.height > 0; };
      path.start = usable(motion.start) ? ToScreenShape(motion.start, aspect) : base;
      path.end = usable(motion.end) ? ToScreenShape(motion.end, aspect) : path.start;
      return path;
    }
  }
  return std::nullopt;
}

Framing LargestFraming(int pictureWidth, int pictureHeight, int screenWidth, int screenHeight) {
  if (pictureWidth <= 0 || pictureHeight <= 0 || screenWidth <= 0 || screenHeight <= 0) return {};
  return Covering(pictureWidth, pictureHeight, double(screenWidth) / screenHeight);
}

Framing ShownFraming(const MotionRect& rect, int screenWidth, int screenHeight) {
  if (rect.width <= 0 || rect.height <= 0 || screenWidth <= 0 || screenHeight <= 0) return {};
  return ToScreenShape(rect, double(screenWidth) / screenHeight);
}

double EaseFraction(MotionEase ease, double fraction) {
  const double t = std::clamp(fraction, 0.0, 1.0);
  if (ease == MotionEase::Linear) return t;
  return t * t * (3 - 2 * t);
}

Framing FramingAt(const MotionPath& path, double fraction) {
  const double e = EaseFraction(path.ease, fraction);
  // Zooming by equal factors per step looks even; widths are interpolated on a log scale
  // and the centre follows the width, so a zoom's scale grows smoothly.
  const double w0 = path.start.width;
  const double w1 = path.end.width;
  double k = e;
  double width = w0 + (w1 - w0) * e;
  if (w0 > 0 && w1 > 0 && std::abs(w0 - w1) > 1e-9) {
    width = w0 * std::pow(w1 / w0, e);
    k = (width - w0) / (w1 - w0);
  }
  const double height = path.start.height + (path.end.height - path.start.height) * k;
  const double cx0 = path.start.x + w0 / 2;
  const double cy0 = path.start.y + path.start.height / 2;
  const double cx1 = path.end.x + w1 / 2;
  const double cy1 = path.end.y + path.end.height / 2;
  const double cx = cx0 + (cx1 - cx0) * (std::abs(w0 - w1) > 1e-9 ? k : e);
  const double cy = cy0 + (cy1 - cy0) * (std::abs(w0 - w1) > 1e-9 ? k : e);
  return {cx - width / 2, cy - height / 2, width, height};
}

double MotionSeconds(const SlideRecord& slide, std::optional<double> soundSeconds) {
  const double extra = std::max<int>(0, slide.ExtraSeconds);
  if (slide.DurationMode == DurationMode::SoundEnded && slide.PlaySound && soundSeconds) {
    return *soundSeconds + extra;
  }
  return extra;
}

double MotionFraction(double elapsed, double motionSeconds) {
  if (motionSeconds <= 0) return 0.0;  // no time to move: the start framing stays
  return std::clamp(elapsed / motionSeconds, 0.0, 1.0);
}

}  // namespace lrw
