// The show window moves a picture at the display's refresh, stands still while the pause
// message is up, and cross-fades to the next slide.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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
                                      .Duration(TimeElapsed, 3)
                                      .Motion(MotionKind::ZoomIn, 100, MotionEase::Linear)
                                      .Build(),
                                  test::SlideBuilder()
                                      .Background(0x00FF0000)
                                      .Duration(TimeElapsed, 0)
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

}  // namespace
}  // namespace lrw
