// A clock the control tests drive, and pictures to play (the QApplication comes from the
// shared test environment, tests/support).
#pragma once

#include <QDir>
#include <QImage>
#include <QString>

#include "document/Bitmap.h"
#include "effects/TransitionPacing.h"

namespace lrw::test {

// Time moves only when the frame loop waits, or when a test spends it (`presentCost`, taken by
// every frame, stands for a slow computer).
class FakeClock : public PacingClock {
 public:
  double Now() override { return now; }
  void WaitUntil(double seconds) override {
    if (seconds > now) now = seconds;
    ++waits;
  }
  double now = 100.0;
  int waits = 0;
};

// A picture whose every pixel differs from its neighbours and from `Pattern(.., seed + 1)`.
inline Bitmap Pattern(int w, int h, uint32_t seed) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      b.at(x, y) = 0xFF000000u | ((x * 7 + seed * 50) & 0xFF) << 16 |
                   ((y * 13 + seed * 90) & 0xFF) << 8 | ((x + y + seed * 30) & 0xFF);
    }
  }
  return b;
}

inline QImage ToImage(const Bitmap& b) {
  return QImage(reinterpret_cast<const uchar*>(b.pixels.data()), b.width, b.height, b.width * 4,
                QImage::Format_RGB32)
      .copy();
}

// With LRW_SCREENSHOT_DIR set, keeps `image` there for people to look at.
inline void KeepScreenshot(const QImage& image, const QString& name) {
  const QString dir = qEnvironmentVariable("LRW_SCREENSHOT_DIR");
  if (dir.isEmpty()) return;
  QDir().mkpath(dir);
  image.save(dir + "/" + name + ".png");
}

}  // namespace lrw::test
