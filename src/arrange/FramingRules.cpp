#include "arrange/FramingRules.h"

#include <algorithm>
#include <cmath>

namespace lrw {
namespace {

// Shown framings may touch the picture's edges within this much (the player's own
// tolerance is larger).
constexpr double kEdgeTolerance = 0.005;
constexpr int kStoreRounds = 8;

// Whole pixels for a framing of the screen's shape inside the picture. The player widens
// a stored rectangle about its centre to the screen's shape, which can reach up to half
// a pixel past the exact one: shrink or shift until what it shows lies inside.
MotionRect Stored(const Framing& f, const FramingShape& shape) {
  const int pw = shape.pictureWidth;
  const int ph = shape.pictureHeight;
  MotionRect r;
  r.width = std::clamp(static_cast<int>(std::floor(f.width + kEdgeTolerance)), 1, pw);
  r.height = std::clamp(static_cast<int>(std::floor(f.height + kEdgeTolerance)), 1, ph);
  r.x = static_cast<int>(std::lround(f.x + f.width / 2 - r.width / 2.0));
  r.y = static_cast<int>(std::lround(f.y + f.height / 2 - r.height / 2.0));
  for (int round = 0; round < kStoreRounds; ++round) {
    const Framing shown = ShownFraming(r, shape.screenWidth, shape.screenHeight);
    // How far the shown framing reaches past the stored one on each side.
    const double dx = (shown.width - r.width) / 2;
    const double dy = (shown.height - r.height) / 2;
    const int loX = static_cast<int>(std::ceil(dx - kEdgeTolerance));
    const int hiX = static_cast<int>(std::floor(pw - r.width - dx + kEdgeTolerance));
    const int loY = static_cast<int>(std::ceil(dy - kEdgeTolerance));
    const int hiY = static_cast<int>(std::floor(ph - r.height - dy + kEdgeTolerance));
    if (loX <= hiX && loY <= hiY) {
      r.x = std::clamp(r.x, loX, hiX);
      r.y = std::clamp(r.y, loY, hiY);
      break;
    }
    // No place for it: a pixel less of what the widening follows.
    if (dx > dy && r.height > 1)
      --r.height;
    else if (r.width > 1)
      --r.width;
  }
  return r;
}

}  // namespace

MotionRect FitFraming(const Framing& wanted, const FramingEdges& sized, const FramingShape& shape) {
  const Framing largest = LargestFraming(shape.pictureWidth, shape.pictureHeight, shape.screenWidth,
                                         shape.screenHeight);
  if (largest.width <= 0) return {};
  const double pw = shape.pictureWidth;
  const double ph = shape.pictureHeight;
  const double aspect = double(shape.screenWidth) / shape.screenHeight;
  const double maxWidth = largest.width;
  const double minWidth = std::min(maxWidth, std::max(1.0, maxWidth / kClosestFramingFactor));
  const double right = wanted.x + wanted.width;
  const double bottom = wanted.y + wanted.height;
  const double cx = wanted.x + wanted.width / 2;
  const double cy = wanted.y + wanted.height / 2;
  double w = 0;
  double x = wanted.x;
  double y = wanted.y;
  if (!sized.Any()) {
    w = std::clamp(wanted.width, minWidth, maxWidth);
  } else {
    const bool across = sized.left || sized.right;
    const bool down = sized.top || sized.bottom;
    w = across && down ? std::max(wanted.width, wanted.height * aspect)
        : across       ? wanted.width
                       : wanted.height * aspect;
    // The room the edges that stay leave inside the picture.
    const bool fromRight = sized.left && !sized.right;
    const bool fromLeft = sized.right && !sized.left;
    const bool fromBottom = sized.top && !sized.bottom;
    const bool fromTop = sized.bottom && !sized.top;
    const double roomWidth = fromRight  ? right
                             : fromLeft ? pw - wanted.x
                                        : 2 * std::min(cx, pw - cx);
    const double roomHeight = fromBottom ? bottom
                              : fromTop  ? ph - wanted.y
                                         : 2 * std::min(cy, ph - cy);
    w = std::min({w, roomWidth, roomHeight * aspect, maxWidth});
    w = std::max(w, minWidth);
    const double h = w / aspect;
    x = fromRight ? right - w : fromLeft ? wanted.x : cx - w / 2;
    y = fromBottom ? bottom - h : fromTop ? wanted.y : cy - h / 2;
  }
  const double h = w / aspect;
  x = std::clamp(x, 0.0, pw - w);
  y = std::clamp(y, 0.0, ph - h);
  return Stored({x, y, w, h}, shape);
}

std::optional<MotionRect> NudgeFraming(const MotionRect& framing, ArrowKey key, bool ctrl,
                                       bool shift, int step, const FramingShape& shape) {
  if (shape.screenWidth <= 0 || shape.screenHeight <= 0) return std::nullopt;
  const double aspect = double(shape.screenWidth) / shape.screenHeight;
  Framing wanted = FramingOf(framing);
  FramingEdges sized;
  if (ctrl) {
    const int by = shift ? 5 * step : step;
    switch (key) {
      case ArrowKey::Left:
        wanted.x -= by;
        break;
      case ArrowKey::Right:
        wanted.x += by;
        break;
      case ArrowKey::Up:
        wanted.y -= by;
        break;
      case ArrowKey::Down:
        wanted.y += by;
        break;
    }
  } else if (shift) {
    const bool across = key == ArrowKey::Left || key == ArrowKey::Right;
    const double sign = key == ArrowKey::Right || key == ArrowKey::Down ? 1 : -1;
    const double dw = sign * (across ? step : step * aspect);
    wanted.width += dw;
    wanted.height += dw / aspect;
    sized.right = true;
    sized.bottom = true;
  } else {
    return std::nullopt;
  }
  const MotionRect result = FitFraming(wanted, sized, shape);
  if (result == framing) return std::nullopt;
  return result;
}

}  // namespace lrw
