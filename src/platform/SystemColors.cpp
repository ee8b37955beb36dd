#include "platform/SystemColors.h"

#include <array>

namespace lrw {
namespace {

constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) {
  return r | (g << 8) | (b << 16);
}

constexpr uint32_t kWindowTextIndex = 8;

// The classic default scheme, as 0x00BBGGRR, by system colour index.
constexpr std::array<uint32_t, kSystemColorCount> kClassicSystemColors = {
    Rgb(212, 208, 200),  // 0 scroll bar
    Rgb(58, 110, 165),   // 1 desktop
    Rgb(10, 36, 106),    // 2 active caption
    Rgb(128, 128, 128),  // 3 inactive caption
    Rgb(212, 208, 200),  // 4 menu
    Rgb(255, 255, 255),  // 5 window
    Rgb(0, 0, 0),        // 6 window frame
    Rgb(0, 0, 0),        // 7 menu text
    Rgb(0, 0, 0),        // 8 window text
    Rgb(255, 255, 255),  // 9 caption text
    Rgb(212, 208, 200),  // 10 active border
    Rgb(212, 208, 200),  // 11 inactive border
    Rgb(128, 128, 128),  // 12 application workspace
    Rgb(10, 36, 106),    // 13 highlight
    Rgb(255, 255, 255),  // 14 highlight text
    Rgb(212, 208, 200),  // 15 button face
    Rgb(128, 128, 128),  // 16 button shadow
    Rgb(128, 128, 128),  // 17 grey text
    Rgb(0, 0, 0),        // 18 button text
    Rgb(212, 208, 200),  // 19 inactive caption text
    Rgb(255, 255, 255),  // 20 button highlight
    Rgb(64, 64, 64),     // 21 3D dark shadow
    Rgb(212, 208, 200),  // 22 3D light
    Rgb(0, 0, 0),        // 23 tooltip text
    Rgb(255, 255, 225),  // 24 tooltip background
    Rgb(181, 181, 181),  // 25 alternate button face
    Rgb(0, 0, 128),      // 26 hot-tracked item
    Rgb(166, 202, 240),  // 27 gradient of the active caption
    Rgb(192, 192, 192),  // 28 gradient of the inactive caption
    Rgb(10, 36, 106),    // 29 menu highlight (as highlight: the classic menus are not flat)
    Rgb(212, 208, 200),  // 30 menu bar (as menu)
};

// The direct colour (0x00BBGGRR) a record colour is drawn in.
uint32_t ResolveRecordColor(uint32_t colorRef) {
  if ((colorRef & 0xFF000000u) != kSystemColorFlag) return colorRef & 0x00FFFFFFu;
  const uint32_t index = colorRef & 0x00FFFFFFu;
  return kClassicSystemColors[index < kSystemColorCount ? index : kWindowTextIndex];
}

}  // namespace

QColor ColorFromRecord(uint32_t colorRef) {
  const uint32_t c = ResolveRecordColor(colorRef);
  return QColor(static_cast<int>(c & 0xFFu), static_cast<int>((c >> 8) & 0xFFu),
                static_cast<int>((c >> 16) & 0xFFu));
}

uint32_t RecordFromColor(const QColor& color) {
  const QColor c = color.toRgb();
  return static_cast<uint32_t>(c.red()) | (static_cast<uint32_t>(c.green()) << 8) |
         (static_cast<uint32_t>(c.blue()) << 16);
}

}  // namespace lrw
