// The arithmetic of the placement windows on the arrangement stage: keyboard
// nudging, centring and the picture's proportions. Boxes are outer window
// bounds in screen pixels, frame included.
#pragma once

#include <optional>

namespace lrw {

struct WindowBox {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const WindowBox&) const = default;
};

enum class ArrowKey { Left, Up, Right, Down };

// Ctrl+arrow moves by 1, Ctrl+Shift+arrow by 5 (only when the whole step fits on the
// screen), Shift+arrow sizes by 1 (height only when `heightKeys`). Returns the new
// box, or nothing when the keys do not apply or the window is already at the limit.
std::optional<WindowBox> NudgeWindow(const WindowBox& box, ArrowKey key, bool ctrl, bool shift,
                                     bool heightKeys, int clientHeight, int screenWidth,
                                     int screenHeight);

// The box moved to the middle of the screen, halves truncated toward zero.
WindowBox CenteredBox(const WindowBox& box, int screenWidth, int screenHeight);

// The client width that gives the picture's proportions at `clientHeight`, truncated
// toward zero; nothing when the picture has no area.
std::optional<int> ProportionalClientWidth(int pictureWidth, int pictureHeight, int clientHeight);
// The same for the client height at `clientWidth`.
std::optional<int> ProportionalClientHeight(int pictureWidth, int pictureHeight, int clientWidth);

// The outer box made the picture's own size, pulled back from the right and bottom
// screen edges where it would cross them; nothing when the picture has no area.
std::optional<WindowBox> OriginalDimensionsBox(const WindowBox& box, int pictureWidth,
                                               int pictureHeight, int screenWidth,
                                               int screenHeight);

}  // namespace lrw
