// Record colours (0x00BBGGRR, or 0x80000000 + n for system colour n) to and from Qt colours.
#pragma once

#include <QColor>
#include <cstdint>

namespace lrw {

inline constexpr uint32_t kSystemColorFlag = 0x80000000u;

// Direct colours convert exactly; a system colour takes the matching role of the
// application palette (unknown indices give the window-text colour).
QColor ColorFromRecord(uint32_t colorRef);

// Always a direct colour; the alpha channel is dropped.
uint32_t RecordFromColor(const QColor& color);

}  // namespace lrw
