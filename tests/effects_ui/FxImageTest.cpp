// The effect image control: its properties, its canvas and what it shows after a transition.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPicture>
#include <memory>

#include "FxImageTestSupport.h"
#include "effects/FxImage.h"
#include "effects/RunEffect.h"

namespace lrw {
namespace {

class FxImageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host = std::make_unique<QWidget>();
    host->resize(400, 300);
    image = new FxImage(host.get());
  }

  // Draws `bitmap` at (0, 0) on the canvas and lets the transition play.
  void Show(const Bitmap& bitmap) {
    image->Canvas()->drawImage(0, 0, test::ToImage(bitmap));
    QCoreApplication::processEvents();
  }

  static QPicture Drawing() {
    QPicture drawing;
    QPainter p(&drawing);
    p.drawRect(0, 0, 30, 20);
    return drawing;
  }

  std::unique_ptr<QWidget> host;
  FxImage* image = nullptr;
};

TEST_F(FxImageTest, EffectAndBoxWidthAreCorrectedAsStored) {
  const struct {
    int written, effect, boxWidth;
  } cases[] = {{0, 0, 2},    {1, 1, 2},    {2, 2, 2},      {10, 10, 10},
               {41, 41, 41}, {42, 41, 42}, {200, 41, 200}, {255, 41, 255}};
  for (const auto& c : cases) {
    image->SetEffect(static_cast<uint8_t>(c.written));
    image->SetBoxWidth(static_cast<uint8_t>(c.written));
    EXPECT_EQ(image->Effect(), c.effect) << c.written;
    EXPECT_EQ(image->BoxWidth(), c.boxWidth) << c.written;
  }
}

TEST_F(FxImageTest, CanvasOfAnEmptyPictureMakesABitmapOfTheControlsSize) {
  { FxCanvas canvas = image->Canvas(); }
  ASSERT_TRUE(image->Picture().HoldsBitmap());
  EXPECT_EQ(image->Picture().Width(), 105);
  EXPECT_EQ(image->Picture().Height(), 105);
  EXPECT_EQ(image->Picture().AsBitmap().at(50, 50), 0xFFFFFFFFu);

  FxImage other(host.get());
  other.resize(300, 200);
  other.Canvas()->fillRect(10, 10, 5, 5, Qt::red);
  ASSERT_EQ(other.Picture().Width(), 300);
  EXPECT_EQ(other.Picture().Height(), 200);
  EXPECT_EQ(other.Picture().AsBitmap().at(12, 12), 0xFFFF0000u);
  // A second read draws on the same bitmap.
  other.Canvas()->fillRect(0, 0, 1, 1, Qt::blue);
  EXPECT_EQ(other.Picture().AsBitmap().at(12, 12), 0xFFFF0000u);
  EXPECT_EQ(other.Picture().AsBitmap().at(0, 0), 0xFF0000FFu);
}

TEST_F(FxImageTest, PictureWriteAcceptsOnlyBitmapsAndEmptyPictures) {
  image->SetPicture(FxPicture::FromBitmap(test::Pattern(20, 10, 1)));
  ASSERT_TRUE(image->Picture().HoldsBitmap());
  image->SetPicture(FxPicture::FromDrawing(Drawing()));  // ignored
  ASSERT_TRUE(image->Picture().HoldsBitmap());
  EXPECT_EQ(image->Picture().AsBitmap(), test::Pattern(20, 10, 1));
  image->SetPicture(FxPicture());
  EXPECT_TRUE(image->Picture().IsEmpty());
}

TEST_F(FxImageTest, AutoSizeTakesThePicturesSizeAndBecomesOpaque) {
  image->move(7, 9);
  image->SetAutoSize(true);
  image->SetPicture(FxPicture::FromBitmap(Bitmap(640, 480)));
  EXPECT_EQ(image->geometry(), QRect(7, 9, 640, 480));
  EXPECT_TRUE(image->IsOpaque());

  image->SetAutoSize(false);
  image->SetPicture(FxPicture::FromBitmap(Bitmap(20, 30)));
  EXPECT_EQ(image->size(), QSize(640, 480));
  EXPECT_FALSE(image->IsOpaque());
  // Switching auto-sizing on runs the change notification at once.
  image->SetAutoSize(true);
  EXPECT_EQ(image->size(), QSize(20, 30));
  EXPECT_TRUE(image->IsOpaque());
}

TEST_F(FxImageTest, EveryEffectEndsShowingTheNewPicture) {
  image->resize(61, 47);
  image->SetPacingFactor(0);
  host->show();
  const Bitmap oldPicture = test::Pattern(61, 47, 1);
  const Bitmap newPicture = test::Pattern(61, 47, 2);
  for (int effect = 0; effect <= kLastEffect; ++effect) {
    for (uint8_t d : {2, 7}) {
      image->SetEffect(0);
      Show(oldPicture);
      ASSERT_EQ(image->ScreenImage(), test::ToImage(oldPicture));
      image->SetEffect(static_cast<uint8_t>(effect));
      image->SetBoxWidth(d);
      Show(newPicture);
      EXPECT_EQ(image->ScreenImage(), test::ToImage(newPicture))
          << "effect " << effect << " d " << int(d);
    }
  }
}

TEST_F(FxImageTest, APaintWithoutABitmapLeavesTheScreenAsItWas) {
  image->resize(40, 30);
  host->show();
  QCoreApplication::processEvents();
  const QImage before = image->ScreenImage();
  image->update();
  QCoreApplication::processEvents();
  EXPECT_EQ(image->ScreenImage(), before);
  EXPECT_EQ(image->LastFrameCount(), 0);
}

TEST_F(FxImageTest, PacedTransitionFollowsTheModel) {
  test::FakeClock clock;
  image->resize(320, 240);
  image->SetPacingClock(&clock);
  host->show();
  image->SetEffect(0);
  Show(test::Pattern(320, 240, 1));
  EXPECT_EQ(image->LastFrameCount(), 1);

  image->SetEffect(18);  // Diagonal TL-BR
  image->SetBoxWidth(2);
  const double start = clock.now;
  int frames = 0;
  bool partlyRevealed = false;
  const QImage newImage = test::ToImage(test::Pattern(320, 240, 2));
  image->SetFrameObserver([&](int frame, const QRegion& changed) {
    ++frames;
    EXPECT_EQ(frame, frames);
    EXPECT_FALSE(changed.isEmpty());
    if (frame == 75) partlyRevealed = image->ScreenImage() != newImage;
  });
  Show(test::Pattern(320, 240, 2));
  const double elapsed = clock.now - start;
  EXPECT_NEAR(elapsed, 2.5, 0.07);
  EXPECT_EQ(image->LastFrameCount(), frames);
  EXPECT_NEAR(frames, elapsed * 60, 2);
  EXPECT_TRUE(partlyRevealed);
  EXPECT_EQ(image->ScreenImage(), newImage);
  image->SetFrameObserver(nullptr);

  image->SetBoxWidth(10);
  const double fastStart = clock.now;
  Show(test::Pattern(320, 240, 3));
  EXPECT_NEAR(clock.now - fastStart, 0.15, 0.02);
}

TEST_F(FxImageTest, InputDuringATransitionIsHandledAfterIt) {
  test::FakeClock clock;
  QLineEdit edit(host.get());
  edit.move(330, 0);
  image->resize(200, 150);
  image->SetPacingClock(&clock);
  host->show();
  edit.setFocus();
  image->SetEffect(0);
  Show(test::Pattern(200, 150, 1));

  image->SetEffect(1);
  image->SetBoxWidth(2);
  QString seenDuringTransition = "unset";
  image->SetFrameObserver([&](int frame, const QRegion&) {
    if (frame == 2) {
      QCoreApplication::postEvent(&edit,
                                  new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
    }
    if (frame == 10) seenDuringTransition = edit.text();
  });
  Show(test::Pattern(200, 150, 2));
  image->SetFrameObserver(nullptr);
  EXPECT_EQ(seenDuringTransition, "");
  QCoreApplication::processEvents();
  EXPECT_EQ(edit.text(), "a");
}

TEST_F(FxImageTest, ARepaintOfPartOfAControlThatIsNotOpaqueRevealsThatPartAgain) {
  test::FakeClock clock;
  image->resize(200, 100);
  image->SetPacingClock(&clock);
  host->show();
  image->SetEffect(3);
  image->SetBoxWidth(4);
  image->SetPicture(FxPicture::FromBitmap(test::Pattern(150, 100, 1)));  // narrower: not opaque
  QCoreApplication::processEvents();
  ASSERT_FALSE(image->IsOpaque());
  const QImage shown = image->ScreenImage();
  EXPECT_EQ(shown.copy(0, 0, 150, 100), test::ToImage(test::Pattern(150, 100, 1)));

  QRegion replayed;
  image->SetFrameObserver([&](int, const QRegion& changed) { replayed += changed; });
  image->repaint(QRect(40, 20, 30, 30));  // as when a window over it goes away
  QCoreApplication::processEvents();
  image->SetFrameObserver(nullptr);
  EXPECT_GT(image->LastFrameCount(), 1);
  EXPECT_EQ(replayed, QRegion(40, 20, 30, 30));
  EXPECT_EQ(image->ScreenImage(), shown);
}

TEST_F(FxImageTest, AnOpaqueControlThatAlreadyShowsItsPictureDoesNotReplay) {
  image->resize(100, 80);
  image->SetPacingFactor(0);
  host->show();
  image->SetEffect(5);
  image->SetPicture(FxPicture::FromBitmap(test::Pattern(100, 80, 1)));
  QCoreApplication::processEvents();
  ASSERT_TRUE(image->IsOpaque());
  int frames = 0;
  image->SetFrameObserver([&](int, const QRegion&) { ++frames; });
  image->repaint(QRect(10, 10, 20, 20));
  QCoreApplication::processEvents();
  image->SetFrameObserver(nullptr);
  EXPECT_EQ(frames, 0);
  EXPECT_EQ(image->ScreenImage(), test::ToImage(test::Pattern(100, 80, 1)));
}

}  // namespace
}  // namespace lrw
