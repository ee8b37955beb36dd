#include "platform/ColorNames.h"

#include <QCoreApplication>
#include <limits>

namespace lrw {
namespace {

struct NamedColor {
  QRgb rgb;
  const char* name;
};

// The sixteen classic colours and a few everyday ones between them.
constexpr NamedColor kNamedColors[] = {
    {0x000000, QT_TRANSLATE_NOOP("lrw::ColorNames", "Black")},
    {0x800000, QT_TRANSLATE_NOOP("lrw::ColorNames", "Dark red")},
    {0x008000, QT_TRANSLATE_NOOP("lrw::ColorNames", "Dark green")},
    {0x808000, QT_TRANSLATE_NOOP("lrw::ColorNames", "Olive")},
    {0x000080, QT_TRANSLATE_NOOP("lrw::ColorNames", "Dark blue")},
    {0x800080, QT_TRANSLATE_NOOP("lrw::ColorNames", "Purple")},
    {0x008080, QT_TRANSLATE_NOOP("lrw::ColorNames", "Teal")},
    {0x808080, QT_TRANSLATE_NOOP("lrw::ColorNames", "Grey")},
    {0xC0C0C0, QT_TRANSLATE_NOOP("lrw::ColorNames", "Silver")},
    {0xFF0000, QT_TRANSLATE_NOOP("lrw::ColorNames", "Red")},
    {0x00FF00, QT_TRANSLATE_NOOP("lrw::ColorNames", "Green")},
    {0xFFFF00, QT_TRANSLATE_NOOP("lrw::ColorNames", "Yellow")},
    {0x0000FF, QT_TRANSLATE_NOOP("lrw::ColorNames", "Blue")},
    {0xFF00FF, QT_TRANSLATE_NOOP("lrw::ColorNames", "Magenta")},
    {0x00FFFF, QT_TRANSLATE_NOOP("lrw::ColorNames", "Cyan")},
    {0xFFFFFF, QT_TRANSLATE_NOOP("lrw::ColorNames", "White")},
    {0xFF8000, QT_TRANSLATE_NOOP("lrw::ColorNames", "Orange")},
    {0xFFC0CB, QT_TRANSLATE_NOOP("lrw::ColorNames", "Pink")},
    {0x804000, QT_TRANSLATE_NOOP("lrw::ColorNames", "Brown")},
    {0x404040, QT_TRANSLATE_NOOP("lrw::ColorNames", "Dark grey")},
    {0x80C0FF, QT_TRANSLATE_NOOP("lrw::ColorNames", "Light blue")},
    {0x80FF80, QT_TRANSLATE_NOOP("lrw::ColorNames", "Light green")},
    {0xFFFF80, QT_TRANSLATE_NOOP("lrw::ColorNames", "Light yellow")},
};

// Distance weighted as the eye weighs the channels.
int Distance(QRgb a, QRgb b) {
  const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
  return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

}  // namespace

QString ColorName(const QColor& color) {
  const QRgb rgb = color.rgb() & 0xFFFFFF;
  const NamedColor* best = &kNamedColors[0];
  int bestDistance = std::numeric_limits<int>::max();
  for (const NamedColor& named : kNamedColors) {
    const int d = Distance(rgb, named.rgb);
    if (d < bestDistance) {
      bestDistance = d;
      best = &named;
    }
  }
  const QString name = QCoreApplication::translate("lrw::ColorNames", best->name);
  if (bestDistance == 0) return name;
  return QCoreApplication::translate("lrw::ColorNames", "%1 (%2)",
                                     "nearest colour name, exact value")
      .arg(name, color.name());
}

}  // namespace lrw
