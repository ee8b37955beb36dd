#include "arrange/PlacementRules.h"

namespace lrw {

std::optional<WindowBox> NudgeWindow(const WindowBox& box, ArrowKey key, bool ctrl, bool shift,
                                     bool heightKeys, int clientHeight, int screenWidth,
                                     int screenHeight) {
  WindowBox b = box;
  const int right = box.left + box.width;
  const int bottom = box.top + box.height;
  if (ctrl && !shift) {
    switch (key) {
      case ArrowKey::Left:
        if (box.left <= 0) return std::nullopt;
        b.left -= 1;
        return b;
      case ArrowKey::Up:
        if (box.top <= 0) return std::nullopt;
        b.top -= 1;
        return b;
      case ArrowKey::Right:
        if (right >= screenWidth) return std::nullopt;
        b.left += 1;
        return b;
      case ArrowKey::Down:
        if (bottom >= screenHeight) return std::nullopt;
        b.top += 1;
        return b;
    }
  }
  if (ctrl && shift) {
    switch (key) {
      case ArrowKey::Left:
        if (box.left <= 4) return std::nullopt;
        b.left -= 5;
        return b;
      case ArrowKey::Up:
        if (box.top <= 4) return std::nullopt;
        b.top -= 5;
        return b;
      case ArrowKey::Right:
        if (right >= screenWidth - 4) return std::nullopt;
        b.left += 5;
        return b;
      case ArrowKey::Down:
        if (bottom >= screenHeight - 4) return std::nullopt;
        b.top += 5;
        return b;
    }
  }
  if (shift && !ctrl) {
    switch (key) {
      case ArrowKey::Left:
        if (box.width <= 10) return std::nullopt;
        b.width -= 1;
        return b;
      case ArrowKey::Right:
        if (right >= screenWidth) return std::nullopt;
        b.width += 1;
        return b;
      case ArrowKey::Up:
        if (!heightKeys || clientHeight <= 4) return std::nullopt;
        b.height -= 1;
        return b;
      case ArrowKey::Down:
        if (!heightKeys || bottom >= screenHeight) return std::nullopt;
        b.height += 1;
        return b;
    }
  }
  return std::nullopt;
}

WindowBox CenteredBox(const WindowBox& box, int screenWidth, int screenHeight) {
  WindowBox b = box;
  // Multiplying by one half and truncating: a window wider than the screen gets a
  // negative corner rounded toward zero, not down.
  b.top = static_cast<int>((screenHeight - box.height) * 0.5);
  b.left = static_cast<int>((screenWidth - box.width) * 0.5);
  return b;
}

std::optional<int> ProportionalClientWidth(int pictureWidth, int pictureHeight, int clientHeight) {
  if (pictureWidth <= 0 || pictureHeight <= 0) return std::nullopt;
  const double r = static_cast<double>(pictureWidth) / pictureHeight;
  return static_cast<int>(clientHeight * r);
}

std::optional<int> ProportionalClientHeight(int pictureWidth, int pictureHeight, int clientWidth) {
  if (pictureWidth <= 0 || pictureHeight <= 0) return std::nullopt;
  const double r = static_cast<double>(pictureHeight) / pictureWidth;
  return static_cast<int>(clientWidth * r);
}

std::optional<WindowBox> OriginalDimensionsBox(const WindowBox& box, int pictureWidth,
                                               int pictureHeight, int screenWidth,
                                               int screenHeight) {
  if (pictureWidth <= 0 || pictureHeight <= 0) return std::nullopt;
  WindowBox b{box.left, box.top, pictureWidth, pictureHeight};
  if (b.left + pictureWidth > screenWidth) b.left = screenWidth - pictureWidth;
  if (b.top + pictureHeight > screenHeight) b.top = screenHeight - pictureHeight;
  return b;
}

}  // namespace lrw
