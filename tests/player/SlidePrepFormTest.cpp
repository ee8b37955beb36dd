#include "player/SlidePrepForm.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <functional>

#include "designer/FakeServices.h"
#include "effects/FxImage.h"

namespace lrw {
namespace {

SlideRecord Blank(uint32_t background, uint8_t mode, int16_t seconds) {
  SlideRecord s;
  s.BackgroundColor = background;
  s.DurationMode = mode;
  s.ExtraSeconds = seconds;
  s.BoxWidth = 10;
  return s;
}

// Runs the window's show; `during` is called once the first slide is up. Returns
// exec()'s result, or -1 when the show did not end within the time limit.
int RunShow(TSlidePrepForm& form, std::function<void()> during = {}, int limitMs = 10000) {
  form.SetTransitionPacing(0);
  bool timedOut = false;
  QTimer limit;
  limit.setSingleShot(true);
  QObject::connect(&limit, &QTimer::timeout, &form, [&] {
    timedOut = true;
    form.close();
  });
  limit.start(limitMs);
  if (during) {
    QTimer::singleShot(0, &form, [&form, during] {
      // Wait until the first slide is up (StartShow is posted when the window shows).
      QElapsedTimer t;
      t.start();
      while (form.Runner().CurrentIndex < 0 && t.elapsed() < 5000) {
        QTest::qWait(10);
      }
      during();
    });
  }
  const int result = form.exec();
  return timedOut ? -1 : result;
}

TEST(SlidePrepForm, TimedShowPlaysToTheEndAndRestoresThePointer) {
  std::vector<SlideRecord> slides = {Blank(0x000000FF, TimeElapsed, 0),
                                     Blank(0x0000FF00, TimeElapsed, 0)};
  TSlidePrepForm form(slides);
  EXPECT_EQ(form.SlideCanvas->geometry(), QRect(QPoint(0, 0), form.size()));
  EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(RunShow(form), 1);
  EXPECT_EQ(form.Runner().CurrentIndex, 1);
  EXPECT_FALSE(form.PointerHidden());
  EXPECT_FALSE(form.isVisible());
  EXPECT_FALSE(form.Timer1.isActive());
  // The last slide is what the canvas shows.
  EXPECT_EQ(form.SlideCanvas->ScreenImage().pixel(5, 5), 0xFF00FF00u);
}

TEST(SlidePrepForm, PointerIsHiddenDuringTheShowAndEscEndsIt) {
  std::vector<SlideRecord> slides = {Blank(0, EnterPressed, 0), Blank(0, EnterPressed, 0)};
  TSlidePrepForm form(slides);
  form.Runner().LoopShow = true;
  bool hidden = false;
  Qt::WindowStates state;
  const int result = RunShow(form, [&] {
    hidden = form.PointerHidden() && form.cursor().shape() == Qt::BlankCursor;
    state = form.windowState();
    QTest::keyClick(&form, Qt::Key_Escape);
  });
  EXPECT_EQ(result, 1);
  EXPECT_TRUE(hidden);
  EXPECT_TRUE(state & Qt::WindowFullScreen);
  EXPECT_EQ(form.cursor().shape(), Qt::ArrowCursor);
}

TEST(SlidePrepForm, ClicksAndKeysStepThroughTheShow) {
  std::vector<SlideRecord> slides = {Blank(0x000000FF, EnterPressed, 0),
                                     Blank(0x0000FF00, EnterPressed, 0),
                                     Blank(0x00FF0000, EnterPressed, 0)};
  TSlidePrepForm form(slides);
  std::vector<int> seen;
  auto waitFor = [&](int index) {
    QElapsedTimer t;
    t.start();
    while ((form.Runner().CurrentIndex != index || !form.Runner().SlideReady) &&
           t.elapsed() < 3000) {
      QTest::qWait(5);
    }
    seen.push_back(form.Runner().CurrentIndex);
  };
  const int result = RunShow(form, [&] {
    seen.push_back(form.Runner().CurrentIndex);
    QTest::mouseClick(form.SlideCanvas, Qt::LeftButton);  // forward
    waitFor(1);
    QTest::mouseClick(form.SlideCanvas, Qt::RightButton);  // back
    waitFor(0);
    QTest::mouseClick(form.SlideCanvas, Qt::RightButton);  // from the first to the last
    waitFor(2);
    QTest::keyClick(&form, Qt::Key_Left);
    waitFor(1);
    QTest::keyClick(&form, Qt::Key_Return);
    waitFor(2);
    QTest::keyClick(&form, Qt::Key_Right);  // the last slide: the show ends
  });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(seen, (std::vector<int>{0, 1, 0, 2, 1, 2}));
}

TEST(SlidePrepForm, PauseShowsMessageThenGoesOn) {
  test::FakePrompts prompts;
  std::vector<SlideRecord> slides = {Blank(0, EnterPressed, 0), Blank(0, TimeElapsed, 0)};
  TSlidePrepForm form(slides, &prompts);
  const int result = RunShow(form, [&] { QTest::keyClick(&form, Qt::Key_P); });
  EXPECT_EQ(result, 1);
  ASSERT_EQ(prompts.asked.size(), 1u);
  EXPECT_EQ(prompts.asked[0].text, "Slide Show paused.");
  EXPECT_EQ(form.Runner().CurrentIndex, 1);
}

TEST(SlidePrepForm, ClosedBySystemEndsRunAndRestoresEverything) {
  std::vector<SlideRecord> slides = {Blank(0, TimeElapsed, 60), Blank(0, TimeElapsed, 60)};
  TSlidePrepForm form(slides);
  const int result = RunShow(form, [&] { form.close(); });
  EXPECT_EQ(result, 0);
  EXPECT_FALSE(form.Timer1.isActive());
  EXPECT_FALSE(form.PointerHidden());
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(form.Runner().Finished());
}

TEST(SlidePrepForm, OtherWindowsTakeNoInputDuringTheShow) {
  QWidget other;
  other.show();
  std::vector<SlideRecord> slides = {Blank(0, EnterPressed, 0)};
  TSlidePrepForm form(slides);
  bool enabledDuring = true;
  RunShow(form, [&] {
    enabledDuring = other.isEnabled();
    QTest::keyClick(&form, Qt::Key_Return);
  });
  EXPECT_FALSE(enabledDuring);
  EXPECT_TRUE(other.isEnabled());
}

TEST(SlidePrepForm, KeysMapToRunnerKeys) {
  EXPECT_EQ(RunnerKeyFromQt(Qt::Key_Return), RunnerKey::Enter);
  EXPECT_EQ(RunnerKeyFromQt(Qt::Key_Enter), RunnerKey::Enter);
  EXPECT_EQ(RunnerKeyFromQt(Qt::Key_Backspace), RunnerKey::Backspace);
  EXPECT_EQ(RunnerKeyFromQt(Qt::Key_Pause), RunnerKey::Pause);
  EXPECT_EQ(RunnerKeyFromQt(Qt::Key_F1), RunnerKey::F1);
  EXPECT_EQ(RunnerKeyFromQt(Qt::Key_Space), RunnerKey::Other);
}

}  // namespace
}  // namespace lrw
