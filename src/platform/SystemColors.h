// Record colours (0x00BBGGRR, or 0x80000000 + n for system colour n) to and from Qt colours.
#pragma once

#include <QColor>
#include <cstdint>

namespace lrw {

inline constexpr uint32_t kSystemColorFlag = 0x80000000u;
inline constexpr uint32_t kSystemColorCount = 31;

// Direct colours convert exactly. A system colour takes its value from one fixed table
// of the classic default system colours, never from the desktop's palette, so that a
// show looks the same on every theme (window text is black, a window white). An index
// past the table gives the window-text colour.
QColor ColorFromRecord(uint32_t colorRef);

// Always a direct colour; the alpha channel is dropped.
uint32_t RecordFromColor(const QColor& color);

}  // namespace lrw
