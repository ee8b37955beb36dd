// The built-in sample pictures, their loader and the transition demonstration window.
#include <gtest/gtest.h>

#include <QTimer>

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QScreen>
#include <QThread>
#include <set>

#include "FxImageTestSupport.h"
#include "effects/BitmapResource.h"
#include "effects/SlideTransitionForm.h"
#include "player/MotionLayer.h"
#include "support/SlideBuilder.h"

namespace lrw {
namespace {

// Runs the event loop for `ms` milliseconds, releasing windows that asked to be released.
void Wait(int ms) {
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < ms) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QThread::msleep(5);
  }
}

uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | uint32_t(b[at + 3]) << 24;
}

// An information header of `size` bytes with the given bit count, compression and colours used,
// followed by `extra` bytes.
std::vector<uint8_t> Dib(uint32_t size, uint16_t bits, uint32_t compression, uint32_t used,
                         size_t extra) {
  std::vector<uint8_t> dib(size + extra, 0);
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) dib[at + i] = uint8_t(v >> (8 * i));
  };
  put32(0, size);
  if (size == 12) {
    dib[10] = uint8_t(bits);
  } else {
    dib[14] = uint8_t(bits);
    put32(16, compression);
    put32(32, used);
  }
  return dib;
}

TEST(BitmapFileFromResource, PutsTheFileHeaderBeforeTheResource) {
  const struct {
    const char* what;
    std::vector<uint8_t> dib;
    uint32_t offset;
  } cases[] = {
      {"4 bits, 16 colours used", Dib(40, 4, 0, 16, 64 + 120), 14 + 40 + 64},
      {"4 bits, colours used 0", Dib(40, 4, 0, 0, 64 + 120), 14 + 40 + 64},
      {"8 bits, 20 colours used", Dib(40, 8, 0, 20, 80 + 8), 14 + 40 + 80},
      {"8 bits, full table", Dib(40, 8, 0, 0, 1024 + 8), 14 + 40 + 1024},
      {"24 bits", Dib(40, 24, 0, 0, 12), 14 + 40},
      {"16 bits with bit fields", Dib(40, 16, 3, 0, 12 + 8), 14 + 40 + 12},
      {"core header, 4 bits", Dib(12, 4, 0, 0, 48 + 8), 14 + 12 + 48},
      {"version 5 header, 32 bits", Dib(124, 32, 3, 0, 16), 14 + 124},
  };
  for (const auto& c : cases) {
    const std::vector<uint8_t> file = BitmapFileFromResource(c.dib);
    ASSERT_EQ(file.size(), c.dib.size() + 14) << c.what;
    EXPECT_EQ(file[0], 'B') << c.what;
    EXPECT_EQ(file[1], 'M') << c.what;
    EXPECT_EQ(Le32(file, 2), file.size()) << c.what;
    EXPECT_EQ(Le32(file, 6), 0u) << c.what;
    EXPECT_EQ(Le32(file, 10), c.offset) << c.what;
    EXPECT_TRUE(std::equal(c.dib.begin(), c.dib.end(), file.begin() + 14)) << c.what;
  }
}

TEST(BitmapFileFromResource, RefusesResourcesTooShortForTheirHeaders) {
  EXPECT_TRUE(BitmapFileFromResource(std::vector<uint8_t>{40, 0}).empty());
  EXPECT_TRUE(BitmapFileFromResource(Dib(40, 4, 0, 16, 0)).empty());  // table missing
  std::vector<uint8_t> huge = Dib(40, 4, 0, 16, 64);
  huge[0] = 0xFF;  // header larger than the resource
  EXPECT_TRUE(BitmapFileFromResource(huge).empty());
  EXPECT_TRUE(BitmapFileFromResource(Dib(40, 8, 0, 0xFFFFFFFFu, 8)).empty());
}

TEST(LoadBitmapResource, TheSamplePicturesAre240By180In16Colours) {
  for (const char* name : {"TRANSPREVIEW1", "TRANSPREVIEW2"}) {
    const std::optional<Bitmap> bitmap = LoadBitmapResource(name);
    ASSERT_TRUE(bitmap) << name;
    EXPECT_EQ(bitmap->width, 240) << name;
    EXPECT_EQ(bitmap->height, 180) << name;
    const std::set<uint32_t> colours(bitmap->pixels.begin(), bitmap->pixels.end());
    EXPECT_LE(colours.size(), 16u) << name;
    EXPECT_GE(colours.size(), 8u) << name;
  }
  // The globe is on black space; the sunset's silhouettes stand on a dark foreground under a
  // brighter sky.
  const Bitmap globe = *LoadBitmapResource("TRANSPREVIEW2");
  EXPECT_EQ(globe.at(1, 1) & 0xFFFFFF, 0u);
  EXPECT_NE(globe.at(120, 90) & 0xFFFFFF, 0u);
  const Bitmap sunset = *LoadBitmapResource("TRANSPREVIEW1");
  auto brightness = [](uint32_t p) { return ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF); };
  EXPECT_GT(brightness(sunset.at(120, 110)), brightness(sunset.at(120, 175)) + 200);
  EXPECT_FALSE(LoadBitmapResource("NOSUCHBITMAP"));
}

TEST(SlideTransitionDemo, PlaysTheSlidesEffectAndReleasesItself) {
  const SlideRecord slide = test::SlideBuilder().Effect(38, 3).Build();
  QPointer<SlideTransitionForm> form = ShowTransitionDemo(slide, nullptr, 0.0);
  ASSERT_TRUE(form);
  EXPECT_EQ(form->size(), QSize(720, 540));
  EXPECT_EQ(form->Image()->geometry(), QRect(0, 0, 720, 540));
  EXPECT_EQ(form->Image()->Effect(), 38);
  EXPECT_EQ(form->Image()->BoxWidth(), 3);
  EXPECT_TRUE(form->isVisible());
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(form->pos(), QPoint(screen.left() + (screen.width() - 720) / 2,
                                screen.top() + (screen.height() - 540) / 2));

  // The screen shows the second picture, three times as large.
  const Bitmap second = *LoadBitmapResource("TRANSPREVIEW2");
  const QImage expected = test::ToImage(second).scaled(720, 540);
  EXPECT_EQ(form->Image()->ScreenImage(), expected);
  test::KeepScreenshot(form->grab().toImage(), "transition-demo-end");

  // It goes away by itself some 700 ms later.
  ASSERT_TRUE(form->ReleaseTimer()->isActive());
  Wait(400);
  EXPECT_TRUE(form);
  for (int i = 0; i < 150 && form; ++i) Wait(20);
  EXPECT_FALSE(form);
}

TEST(SlideTransitionDemo, ASmoothTransitionBlendsTheSamplesAtItsSpeedAndEndsOnTheSecond) {
  SlideRecord slide;
  slide.Smooth = SmoothEffect::CrossFade;
  slide.Effect = 35;
  slide.BoxWidth = 10;  // half a second
  slide.Motion.kind = MotionKind::ZoomIn;
  const QImage first = test::ToImage(*LoadBitmapResource("TRANSPREVIEW1")).scaled(720, 540);
  const QImage second = test::ToImage(*LoadBitmapResource("TRANSPREVIEW2")).scaled(720, 540);
  // Halfway, the layer over the control shows neither sample but their mix.
  int mixed = 0;
  QTimer halfway;
  halfway.setSingleShot(true);
  QObject::connect(&halfway, &QTimer::timeout, [&] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* layer = w->findChild<MotionLayer*>();
      if (!layer || !layer->isVisible()) continue;
      const QImage frame = layer->Frame();
      for (int y = 0; y < 540; y += 27) {
        for (int x = 0; x < 720; x += 36) {
          mixed +=
              frame.pixel(x, y) != first.pixel(x, y) && frame.pixel(x, y) != second.pixel(x, y);
        }
      }
    }
  });
  halfway.start(250);
  QElapsedTimer took;
  took.start();
  QPointer<SlideTransitionForm> form = ShowTransitionDemo(slide, nullptr, 1.0);
  ASSERT_TRUE(form);
  EXPECT_GE(took.elapsed(), 450);
  EXPECT_GT(mixed, 100);
  EXPECT_EQ(form->Image()->ScreenImage(), second);
  // Then the slide's motion moves the second picture, and the window waits for it.
  auto* layer = form->findChild<MotionLayer*>();
  ASSERT_NE(layer, nullptr);
  const QImage moving = layer->Frame().copy();
  Wait(300);
  EXPECT_NE(layer->Frame(), moving);
  EXPECT_GT(form->ReleaseTimer()->interval(), 2000);
  form->close();
}

TEST(SlideTransitionDemo, SeveralWindowsAtOnceEachFreeingItself) {
  SlideRecord slide;
  slide.Effect = 200;  // a damaged record: the last effect
  slide.BoxWidth = 1;  // stored as 2
  QPointer<SlideTransitionForm> first = ShowTransitionDemo(slide, nullptr, 0.0);
  slide.BoxWidth = 300;
  QPointer<SlideTransitionForm> second = ShowTransitionDemo(slide, nullptr, 0.0);
  ASSERT_TRUE(first && second);
  EXPECT_NE(first.data(), second.data());
  EXPECT_EQ(first->pos(), second->pos());
  EXPECT_EQ(first->Image()->Effect(), 41);
  EXPECT_EQ(first->Image()->BoxWidth(), 2);
  EXPECT_EQ(second->Image()->BoxWidth(), 255);
  for (int i = 0; i < 150 && (first || second); ++i) Wait(20);
  EXPECT_FALSE(first);
  EXPECT_FALSE(second);
}

}  // namespace
}  // namespace lrw
