// The show window moves a picture at the display's refresh, stands still while the pause
// message is up, and cross-fades to the next slide; the next moving picture is decoded
// while the one on screen keeps moving.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/QtPrompts.h"
#include "player/MotionLayer.h"
#include "player/SlidePrepForm.h"
#include "support/SlideBuilder.h"

namespace lrw {
namespace {

// The share of white in the layer's frame.
double WhiteShare(const QImage& frame) {
  double white = 0;
  for (int y = 0; y < frame.height(); y += 2) {
    const QRgb* row = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
    for (int x = 0; x < frame.width(); x += 2) white += qGreen(row[x]) / 255.0;
  }
  return white / ((frame.height() / 2.0) * (frame.width() / 2.0));
}

TEST(ShowMotion, ThePictureZoomsPausesWithPAndCrossFadesOn) {
  QTemporaryDir dir;
  QImage square(800, 600, QImage::Format_RGB32);
  square.fill(Qt::black);
  QPainter(&square).fillRect(300, 200, 200, 200, Qt::white);
  const QString path = dir.filePath("square.png");
  ASSERT_TRUE(square.save(path));
  std::vector<SlideRecord> slides{test::SlideBuilder()
                                      .Picture(path.toStdString(), 800, 600)
                                      .Centered()
                                      .Duration(DurationMode::TimeElapsed, 3)
                                      .Motion(MotionKind::ZoomIn, 100, MotionEase::Linear)
                                      .Build(),
                                  test::SlideBuilder()
                                      .Background(0x00FF0000)
                                      .Duration(DurationMode::TimeElapsed, 0)
                                      .Smooth(SmoothEffect::CrossFade)
                                      .Effect(0, 10)
                                      .Build()};

  QtPrompts prompts(nullptr);
  SlidePrepForm form(slides, &prompts);
  form.SetTransitionPacing(1);
  double early = 0, later = 0;
  QImage pausedAt, pausedAfter;
  bool blendSeen = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &form, [&] {
    // Frames of the cross-fade come while the blue slide is being brought up.
    if (form.Runner().CurrentIndex() == 1 && !form.Runner().SlideReady()) {
      const QImage frame = form.Layer()->Frame();
      const QRgb top = frame.pixel(frame.width() / 2, 2);
      blendSeen |= qBlue(top) > 40 && qBlue(top) < 215;
    }
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !pausedAt.isNull()) return;
    pausedAt = form.Layer()->Frame().copy();
    QTest::qWait(400);
    pausedAfter = form.Layer()->Frame().copy();
    box->accept();
  });
  poll.start(10);
  QTimer::singleShot(0, &form, [&] {
    QElapsedTimer t;
    t.start();
    while (form.Runner().CurrentIndex() < 0 && t.elapsed() < 5000) QTest::qWait(10);
    QTest::qWait(300);
    early = WhiteShare(form.Layer()->Frame());
    QTest::qWait(600);
    later = WhiteShare(form.Layer()->Frame());
    QTest::keyClick(&form, Qt::Key_P);
  });
  QTimer limit;
  QObject::connect(&limit, &QTimer::timeout, &form, [&] { form.close(); });
  limit.start(15000);
  EXPECT_EQ(form.exec(), 1);

  EXPECT_GT(later, early * 1.05) << "the square grows as the picture zooms in";
  ASSERT_FALSE(pausedAt.isNull());
  EXPECT_EQ(pausedAt, pausedAfter) << "the motion stands still while paused";
  EXPECT_TRUE(blendSeen);
  EXPECT_GT(form.Layer()->FrameTimes().size(), 30u);
}

// A noisy picture (slow to decode, as camera photos are) tinted towards `tint`.
SlideRecord NoisySlide(const QTemporaryDir& dir, const char* name, QSize size, QColor tint) {
  QImage image(size, QImage::Format_RGB32);
  uint32_t x = 2463534242u;
  for (int y = 0; y < size.height(); ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int i = 0; i < size.width(); ++i) {
      x ^= x << 13;
      x ^= x >> 17;
      x ^= x << 5;
      const int n = static_cast<int>(x & 63);
      row[i] = qRgb(tint.red() * 3 / 4 + n, tint.green() * 3 / 4 + n, tint.blue() * 3 / 4 + n);
    }
  }
  const std::string path = dir.filePath(name).toStdString();
  EXPECT_TRUE(image.save(QString::fromStdString(path), "JPG", 90));
  SlideRecord slide;
  slide.PictureFolder = FolderOf(path);
  slide.PictureName = FileNameOf(path);
  slide.DurationMode = DurationMode::TimeElapsed;
  slide.ExtraSeconds = 60;
  slide.Motion = {MotionKind::ZoomIn, 100, MotionEase::Linear, {}, {}};
  return slide;
}

QColor Middle(const QImage& frame) {
  return frame.pixelColor(frame.width() / 2, frame.height() / 2);
}

// Runs the show; `firstUp` is called once the first slide is on screen.
void RunShow(SlidePrepForm& form, const std::function<void()>& firstUp) {
  form.SetTransitionPacing(0);
  bool called = false;
  QObject::connect(&form, &SlidePrepForm::StateChanged, &form, [&] {
    if (called || form.Runner().CurrentIndex() != 0 || !form.Runner().SlideReady()) return;
    called = true;
    firstUp();
  });
  QTimer limit;
  QObject::connect(&limit, &QTimer::timeout, &form, [&] { form.close(); });
  limit.start(30000);
  EXPECT_EQ(form.exec(), 1);
}

TEST(ShowMotion, TheNextPictureDecodesWhileThisOneMovesAndAStaleOneIsDropped) {
  QTemporaryDir dir;
  std::vector<SlideRecord> slides{NoisySlide(dir, "green.jpg", {800, 600}, Qt::green),
                                  NoisySlide(dir, "red.jpg", {5000, 3500}, Qt::red),
                                  NoisySlide(dir, "blue.jpg", {5000, 3500}, Qt::blue)};
  QtPrompts prompts(nullptr);

  {  // The green picture keeps moving while the large red one decodes, then the red one
     // shows, and Esc ends the show while the blue one decodes.
    SlidePrepForm form(slides, &prompts);
    size_t framesAtStart = 0, framesAtArrival = 0;
    qint64 decodeMs = 0;
    bool decoding = false, arrived = false, escaped = false, decodingAtEsc = false;
    QElapsedTimer decode;
    QObject::connect(&form, &SlidePrepForm::StateChanged, &form, [&] {
      if (decoding && !arrived && !form.NextSlideComposing()) {
        arrived = true;
        framesAtArrival = form.Layer()->FrameTimes().size();
        decodeMs = decode.elapsed();
        QTimer::singleShot(0, &form, [&] { QTest::keyClick(&form, Qt::Key_Right); });
      } else if (form.Runner().CurrentIndex() == 1 && form.Runner().SlideReady() && !escaped) {
        escaped = true;
        EXPECT_GT(Middle(form.Layer()->Frame()).red(), 150);
        decodingAtEsc = form.NextSlideComposing();
        QTimer::singleShot(0, &form, [&] { QTest::keyClick(&form, Qt::Key_Escape); });
      }
    });
    RunShow(form, [&] {
      decoding = form.NextSlideComposing();
      framesAtStart = form.Layer()->FrameTimes().size();
      decode.start();
    });
    ASSERT_TRUE(decoding) << "the next picture was not left to the worker";
    ASSERT_TRUE(arrived);
    EXPECT_EQ(form.Runner().CurrentIndex(), 1);
    EXPECT_TRUE(decodingAtEsc);  // the window goes with its worker at the end of this scope
    // Frames came at the frame clock while it decoded (a gross check: a frozen clock
    // paints none, and a shared machine may miss many).
    const size_t painted = framesAtArrival - framesAtStart;
    EXPECT_GE(painted, 3u);
    EXPECT_GE(painted, static_cast<size_t>(decodeMs / form.Layer()->FrameIntervalMs() / 4))
        << decodeMs << " ms of decoding";
  }
  {  // Back while the red picture decodes: the last slide, blue, shows, never the red one.
    SlidePrepForm form(slides, &prompts);
    bool decodingAtBack = false;
    QObject::connect(&form, &SlidePrepForm::StateChanged, &form, [&] {
      if (form.Runner().CurrentIndex() != 2 || !form.Runner().SlideReady()) return;
      EXPECT_GT(Middle(form.Layer()->Frame()).blue(), 150);
      // The red picture's decoding ends meanwhile and is dropped.
      QTimer::singleShot(800, &form, [&] {
        EXPECT_GT(Middle(form.Layer()->Frame()).blue(), 150);
        QTest::keyClick(&form, Qt::Key_Escape);
      });
    });
    RunShow(form, [&] {
      decodingAtBack = form.NextSlideComposing();
      QTimer::singleShot(0, &form, [&] { QTest::keyClick(&form, Qt::Key_Left); });
    });
    EXPECT_TRUE(decodingAtBack);
    EXPECT_EQ(form.Runner().CurrentIndex(), 2);
    EXPECT_FALSE(form.NextSlideComposing());
  }
}

}  // namespace
}  // namespace lrw
