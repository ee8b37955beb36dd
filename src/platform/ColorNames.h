// Words for a colour, for those who cannot see the swatch: the nearest of a small set of
// named colours in the user's language, with its exact value.
#pragma once

#include <QColor>
#include <QString>

namespace lrw {

// "Dark blue (#000080)": the nearest named colour, then the exact value.
QString ColorName(const QColor& color);

}  // namespace lrw
