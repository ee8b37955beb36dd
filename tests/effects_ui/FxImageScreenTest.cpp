// Frames reach the screen during a transition: halfway through, the display itself (read back
// from the platform, the X server under xvfb-run) shows the new picture partly revealed.
// LRW_SCREENSHOT_DIR keeps the picture; LRW_REAL_TIME=1 plays at the designed speed.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

#include "FxImageTestSupport.h"
#include "effects/BitmapResource.h"
#include "effects/FxImage.h"
#include "effects/SlideTransitionForm.h"

namespace lrw {
namespace {

// The share of pixels of `shot` that equal `expected`.
double Matching(const QImage& shot, const QImage& expected) {
  const QImage a = shot.convertToFormat(QImage::Format_RGB32);
  const QImage b = expected.convertToFormat(QImage::Format_RGB32);
  if (a.size() != b.size()) return -1;
  long long same = 0;
  for (int y = 0; y < a.height(); ++y) {
    const auto* ra = reinterpret_cast<const QRgb*>(a.constScanLine(y));
    const auto* rb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
    for (int x = 0; x < a.width(); ++x) same += (ra[x] & 0xFFFFFF) == (rb[x] & 0xFFFFFF);
  }
  return double(same) / (double(a.width()) * a.height());
}

TEST(FxImageScreen, HalfwayThroughATransitionTheScreenShowsItPartlyRevealed) {
  const bool realTime = qEnvironmentVariableIntValue("LRW_REAL_TIME") == 1;
  for (const uint8_t effect : {uint8_t{38}, uint8_t{18}}) {  // Spray, Diagonal TL-BR
    test::FakeClock clock;
    const QImage oldPicture = test::ToImage(*LoadBitmapResource("TRANSPREVIEW1")).scaled(720, 540);
    const QImage newPicture = test::ToImage(*LoadBitmapResource("TRANSPREVIEW2")).scaled(720, 540);

    QWidget window;
    window.setFixedSize(720, 540);
    FxImage image(&window);
    image.setGeometry(0, 0, 720, 540);
    if (!realTime) image.SetPacingClock(&clock);
    image.SetEffect(0);
    image.Canvas()->drawImage(0, 0, oldPicture);
    window.show();
    QCoreApplication::processEvents();

    image.SetEffect(effect);
    image.SetBoxWidth(2);
    QImage shot;
    int halfway = 0;
    image.SetFrameObserver([&](int frame, const QRegion&) {
      if (!shot.isNull()) return;
      const QImage shown = image.ScreenImage();
      if (Matching(shown, newPicture) < 0.5) return;
      halfway = frame;
      QScreen* screen = window.screen();
      const QPoint at = window.mapToGlobal(QPoint(0, 0)) - screen->geometry().topLeft();
      shot = screen->grabWindow(0, at.x(), at.y(), 720, 540).toImage();
    });
    image.Canvas()->drawImage(0, 0, newPicture);
    QCoreApplication::processEvents();
    image.SetFrameObserver(nullptr);

    ASSERT_FALSE(shot.isNull()) << "effect " << int(effect);
    test::KeepScreenshot(shot, QString("transition-halfway-%1").arg(effect));
    const double revealed = Matching(shot, newPicture);
    const double hidden = Matching(shot, oldPicture);
    EXPECT_GT(revealed, 0.3) << "effect " << int(effect) << " frame " << halfway;
    EXPECT_LT(revealed, 0.85) << "effect " << int(effect);
    EXPECT_GT(hidden, 0.1) << "effect " << int(effect);
    EXPECT_GT(halfway, 10) << "effect " << int(effect);
    EXPECT_EQ(image.ScreenImage(), newPicture);
  }
}

}  // namespace
}  // namespace lrw
