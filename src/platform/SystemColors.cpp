#include "platform/SystemColors.h"

#include <QGuiApplication>
#include <QPalette>

namespace lrw {
namespace {

// The system colour indices that shows store, with the palette role closest to each.
struct SystemColorRole {
  QPalette::ColorGroup group;
  QPalette::ColorRole role;
};

SystemColorRole RoleFor(uint32_t index) {
  using G = QPalette::ColorGroup;
  using R = QPalette::ColorRole;
  switch (index) {
    case 0:
      return {G::Active, R::Mid};  // scroll bar
    case 1:
      return {G::Active, R::Dark};  // desktop
    case 2:
      return {G::Active, R::Highlight};  // active caption
    case 3:
      return {G::Inactive, R::Mid};  // inactive caption
    case 4:
      return {G::Active, R::Window};  // menu
    case 5:
      return {G::Active, R::Base};  // window
    case 6:
      return {G::Active, R::Shadow};  // window frame
    case 7:
      return {G::Active, R::WindowText};  // menu text
    case 8:
      return {G::Active, R::Text};  // window text
    case 9:
      return {G::Active, R::HighlightedText};  // caption text
    case 10:
      return {G::Active, R::Button};  // active border
    case 11:
      return {G::Inactive, R::Button};  // inactive border
    case 12:
      return {G::Active, R::Dark};  // application workspace
    case 13:
      return {G::Active, R::Highlight};  // highlight
    case 14:
      return {G::Active, R::HighlightedText};  // highlight text
    case 15:
      return {G::Active, R::Button};  // button face
    case 16:
      return {G::Active, R::Dark};  // button shadow
    case 17:
      return {G::Disabled, R::Text};  // gray text
    case 18:
      return {G::Active, R::ButtonText};  // button text
    case 19:
      return {G::Inactive, R::WindowText};  // inactive caption text
    case 20:
      return {G::Active, R::Light};  // button highlight
    case 21:
      return {G::Active, R::Shadow};  // 3D dark shadow
    case 22:
      return {G::Active, R::Midlight};  // 3D light
    case 23:
      return {G::Active, R::ToolTipText};  // info text
    case 24:
      return {G::Active, R::ToolTipBase};  // info background
    case 26:
      return {G::Active, R::Link};  // hot-tracked item
    case 27:
      return {G::Active, R::Highlight};  // gradient active caption
    case 28:
      return {G::Inactive, R::Mid};  // gradient inactive caption
    case 29:
      return {G::Active, R::Highlight};  // menu highlight
    case 30:
      return {G::Active, R::Window};  // menu bar
    default:
      break;
  }
  return {G::Active, R::Text};
}

}  // namespace

QColor ColorFromRecord(uint32_t colorRef) {
  if ((colorRef & 0xFF000000u) == kSystemColorFlag) {
    const SystemColorRole r = RoleFor(colorRef & 0xFFu);
    return QGuiApplication::palette().color(r.group, r.role);
  }
  return QColor(static_cast<int>(colorRef & 0xFFu), static_cast<int>((colorRef >> 8) & 0xFFu),
                static_cast<int>((colorRef >> 16) & 0xFFu));
}

uint32_t RecordFromColor(const QColor& color) {
  const QColor c = color.toRgb();
  return static_cast<uint32_t>(c.red()) | (static_cast<uint32_t>(c.green()) << 8) |
         (static_cast<uint32_t>(c.blue()) << 16);
}

}  // namespace lrw
