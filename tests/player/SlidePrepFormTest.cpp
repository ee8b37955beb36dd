#include "player/SlidePrepForm.h"

#include <gtest/gtest.h>
#include <unistd.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointingDevice>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>

#include "designer/FakeServices.h"
#include "document/Paths.h"
#include "effects/FxImage.h"
#include "platform/QtPrompts.h"
#include "support/SlideBuilder.h"

namespace lrw {
namespace {

SlideRecord Blank(uint32_t background, DurationMode mode, int16_t seconds) {
  return test::SlideBuilder().Background(background).Duration(mode, seconds).Effect(0, 10).Build();
}

// Runs the window's show; `during` is called once the first slide is up. Returns
// exec()'s result, or -1 when the show did not end within the time limit.
int RunShow(SlidePrepForm& form, std::function<void()> during = {}, int limitMs = 10000,
            double pacing = 0) {
  form.SetTransitionPacing(pacing);
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
      while (form.Runner().CurrentIndex() < 0 && t.elapsed() < 5000) {
        QTest::qWait(10);
      }
      during();
    });
  }
  const int result = form.exec();
  return timedOut ? -1 : result;
}

TEST(SlidePrepForm, TimedShowPlaysToTheEndAndRestoresThePointer) {
  std::vector<SlideRecord> slides = {Blank(0x000000FF, DurationMode::TimeElapsed, 0),
                                     Blank(0x0000FF00, DurationMode::TimeElapsed, 0)};
  SlidePrepForm form(slides);
  EXPECT_EQ(form.Canvas()->geometry(), QRect(QPoint(0, 0), form.size()));
  EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(RunShow(form), 1);
  EXPECT_EQ(form.Runner().CurrentIndex(), 1);
  EXPECT_FALSE(form.PointerHidden());
  EXPECT_FALSE(form.isVisible());
  EXPECT_FALSE(form.AdvanceTimerActive());
  // The last slide is what the canvas shows.
  EXPECT_EQ(form.Canvas()->ScreenImage().pixel(5, 5), 0xFF00FF00u);
}

TEST(SlidePrepForm, PointerIsHiddenDuringTheShowAndEscEndsIt) {
  std::vector<SlideRecord> slides = {Blank(0, DurationMode::EnterPressed, 0),
                                     Blank(0, DurationMode::EnterPressed, 0)};
  SlidePrepForm form(slides);
  form.Runner().SetLoop(true);
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
  std::vector<SlideRecord> slides = {Blank(0x000000FF, DurationMode::EnterPressed, 0),
                                     Blank(0x0000FF00, DurationMode::EnterPressed, 0),
                                     Blank(0x00FF0000, DurationMode::EnterPressed, 0)};
  SlidePrepForm form(slides);
  std::vector<int> seen;
  auto waitFor = [&](int index) {
    QElapsedTimer t;
    t.start();
    while ((form.Runner().CurrentIndex() != index || !form.Runner().SlideReady()) &&
           t.elapsed() < 3000) {
      QTest::qWait(5);
    }
    seen.push_back(form.Runner().CurrentIndex());
  };
  const int result = RunShow(form, [&] {
    seen.push_back(form.Runner().CurrentIndex());
    QTest::mouseClick(form.Canvas(), Qt::LeftButton);  // forward
    waitFor(1);
    QTest::mouseClick(form.Canvas(), Qt::RightButton);  // back
    waitFor(0);
    QTest::mouseClick(form.Canvas(), Qt::RightButton);  // from the first to the last
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
  std::vector<SlideRecord> slides = {Blank(0, DurationMode::EnterPressed, 0),
                                     Blank(0, DurationMode::TimeElapsed, 0)};
  SlidePrepForm form(slides, &prompts);
  const int result = RunShow(form, [&] { QTest::keyClick(&form, Qt::Key_P); });
  EXPECT_EQ(result, 1);
  ASSERT_EQ(prompts.asked.size(), 1u);
  EXPECT_EQ(prompts.asked[0].text, "Slide Show paused.");
  EXPECT_EQ(form.Runner().CurrentIndex(), 1);
}

TEST(SlidePrepForm, PauseMessageOfTheProgramIsTheShowWindowsOwn) {
  // The program's message boxes normally belong to the designer, which is hidden or
  // behind the show; the pause message must come up over the show.
  QWidget designer;
  QtPrompts programPrompts(&designer);
  std::vector<SlideRecord> slides = {Blank(0, DurationMode::EnterPressed, 0),
                                     Blank(0, DurationMode::TimeElapsed, 0)};
  SlidePrepForm form(slides, &programPrompts);
  QWidget* boxParent = nullptr;
  QString boxText;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &form, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      boxParent = box->parentWidget();
      boxText = box->text();
      box->accept();
    }
  });
  poll.start(10);
  const int result = RunShow(form, [&] { QTest::keyClick(&form, Qt::Key_P); });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(boxText, "Slide Show paused.");
  EXPECT_EQ(boxParent, &form);
}

// Waits until slide `index` is fully on screen, then a little longer so that anything armed
// meanwhile has its chance to move on.
void SettleOn(SlidePrepForm& form, int index) {
  QElapsedTimer t;
  t.start();
  while ((form.Runner().CurrentIndex() != index || !form.Runner().SlideReady()) &&
         t.elapsed() < 3000) {
    QTest::qWait(5);
  }
  QTest::qWait(400);
}

TEST(SlidePrepForm, KeyPressedDuringATransitionActsOnceAtTheNextChange) {
  // b is timed and on its way in with a real transition when the key arrives; a and c wait
  // for Enter, d would end the show.
  struct Case {
    Qt::Key key;
    int settlesOn;
    size_t pauses;
  } cases[] = {{Qt::Key_P, 2, 1}, {Qt::Key_Backspace, 0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    test::FakePrompts prompts;
    SlideRecord b = Blank(0x0000FF00, DurationMode::TimeElapsed, 0);
    b.Effect = 1;
    std::vector<SlideRecord> slides = {Blank(0x000000FF, DurationMode::EnterPressed, 0), b,
                                       Blank(0x00FF0000, DurationMode::EnterPressed, 0),
                                       Blank(0x00FFFFFF, DurationMode::TimeElapsed, 0)};
    SlidePrepForm form(slides, &prompts);
    int transitionsOfB = 0;
    bool posted = false;
    int shownAfterwards = -1;
    const int result = RunShow(
        form,
        [&] {
          form.Canvas()->SetFrameObserver([&](int frame, const QRegion&) {
            if (form.Runner().CurrentIndex() != 1 || frame != 1) return;
            ++transitionsOfB;
            if (posted) return;
            posted = true;
            QCoreApplication::postEvent(&form,
                                        new QKeyEvent(QEvent::KeyPress, c.key, Qt::NoModifier));
          });
          QTest::keyClick(&form, Qt::Key_Return);
          SettleOn(form, c.settlesOn);
          shownAfterwards = form.Runner().SlideReady() ? form.Runner().CurrentIndex() : -1;
          form.Canvas()->SetFrameObserver(nullptr);
          QTest::keyClick(&form, Qt::Key_Escape);
        },
        10000, 1);
    EXPECT_EQ(result, 1);
    EXPECT_TRUE(posted);
    EXPECT_EQ(shownAfterwards, c.settlesOn);
    EXPECT_EQ(transitionsOfB, 1) << "b's transition is not played again";
    EXPECT_EQ(prompts.asked.size(), c.pauses);
  }
}

TEST(SlidePrepForm, ASlideLikeThePreviousOneStillPlaysItsTransition) {
  SlideRecord same = Blank(0x00336699, DurationMode::TimeElapsed, 0);
  same.Effect = 1;
  std::vector<SlideRecord> slides = {same, same, Blank(0, DurationMode::EnterPressed, 0)};
  SlidePrepForm form(slides);
  int framesOfSecond = 0;
  form.Canvas()->SetFrameObserver([&](int, const QRegion&) {
    if (form.Runner().CurrentIndex() == 1) ++framesOfSecond;
  });
  const int result = RunShow(
      form,
      [&] {
        SettleOn(form, 2);
        QTest::keyClick(&form, Qt::Key_Escape);
      },
      10000, 1);
  EXPECT_EQ(result, 1);
  // The second slide's time starts after a whole transition, as the first one's did.
  EXPECT_GT(framesOfSecond, 2);
}

// A mono 16-bit wave file of silence lasting `ms`.
void WriteSilentWave(const std::string& path, int ms) {
  const uint32_t rate = 8000;
  const uint32_t bytes = rate * 2 * static_cast<uint32_t>(ms) / 1000;
  std::ofstream f(path, std::ios::binary);
  auto u32 = [&f](uint32_t v) { f.write(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [&f](uint16_t v) { f.write(reinterpret_cast<const char*>(&v), 2); };
  f.write("RIFF", 4);
  u32(36 + bytes);
  f.write("WAVEfmt ", 8);
  u32(16);
  u16(1);  // PCM
  u16(1);  // mono
  u32(rate);
  u32(rate * 2);
  u16(2);
  u16(16);
  f.write("data", 4);
  u32(bytes);
  const std::string silence(bytes, '\0');
  f.write(silence.data(), static_cast<std::streamsize>(silence.size()));
}

// Sets an environment variable for one scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    setenv(name, value, 1);
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

struct SoundTimingCase {
  const char* name;
  const char* audioDriver;  // "dummy" plays; an unknown driver gives no sound output
  DurationMode mode;
  int16_t seconds;
  int soundMs;
  bool endsByItself;  // without any key
  int atLeastMs;      // when it ends by itself
};

class SoundTiming : public ::testing::TestWithParam<SoundTimingCase> {};

TEST_P(SoundTiming, SlideWithRealSoundFollowsItsRule) {
  const SoundTimingCase& c = GetParam();
  ScopedEnv driver("SDL_AUDIODRIVER", c.audioDriver);
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("lrw_prep_sound_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::string wave = (dir / "tone.wav").string();
  WriteSilentWave(wave, c.soundMs);

  SlideRecord slide = Blank(0x000000FF, c.mode, c.seconds);
  slide.PlaySound = 1;
  slide.SoundFolder = FolderOf(wave);
  slide.SoundName = FileNameOf(wave);
  std::vector<SlideRecord> slides = {slide};
  test::FakePrompts prompts;
  SlidePrepForm form(slides, &prompts);

  QElapsedTimer clock;
  std::optional<int64_t> endedAfter;
  QObject::connect(form.findChild<QPushButton*>("Button1"), &QPushButton::clicked, &form, [&] {
    if (!endedAfter) endedAfter = clock.elapsed();
  });
  bool stillUpBeforeKey = false;
  const int result = RunShow(form, [&] {
    clock.start();
    if (!c.endsByItself) {
      QTest::qWait(c.seconds * 1000 + c.soundMs + 500);
      stillUpBeforeKey = form.isVisible() && !form.Runner().Finished();
      QTest::keyClick(&form, Qt::Key_Return);
    }
  });
  std::filesystem::remove_all(dir);

  EXPECT_EQ(result, 1);
  EXPECT_TRUE(prompts.asked.empty()) << "a sound problem gives no message";
  ASSERT_TRUE(endedAfter.has_value());
  if (c.endsByItself) {
    EXPECT_GE(*endedAfter, c.atLeastMs);
  } else {
    EXPECT_TRUE(stillUpBeforeKey);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, SoundTiming,
    ::testing::Values(SoundTimingCase{"EnterWaitsForTheKeyWhileSoundPlays", "dummy",
                                      DurationMode::EnterPressed, 1, 200, false, 0},
                      SoundTimingCase{"SoundEndedGoesOnAfterTheSound", "dummy",
                                      DurationMode::SoundEnded, 0, 600, true, 500},
                      SoundTimingCase{"NoSoundOutputTimesModeZeroBySeconds", "lrw-no-such-output",
                                      DurationMode::EnterPressed, 1, 200, true, 900},
                      SoundTimingCase{"NoSoundOutputTimesModeOneBySeconds", "lrw-no-such-output",
                                      DurationMode::SoundEnded, 1, 3000, true, 900}),
    [](const ::testing::TestParamInfo<SoundTimingCase>& info) { return info.param.name; });

TEST(SlidePrepForm, ClosedBySystemEndsRunAndRestoresEverything) {
  std::vector<SlideRecord> slides = {Blank(0, DurationMode::TimeElapsed, 60),
                                     Blank(0, DurationMode::TimeElapsed, 60)};
  SlidePrepForm form(slides);
  const int result = RunShow(form, [&] { form.close(); });
  EXPECT_EQ(result, 0);
  EXPECT_FALSE(form.AdvanceTimerActive());
  EXPECT_FALSE(form.PointerHidden());
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(form.Runner().Finished());
}

TEST(SlidePrepForm, OtherWindowsTakeNoInputDuringTheShow) {
  QWidget other;
  other.show();
  std::vector<SlideRecord> slides = {Blank(0, DurationMode::EnterPressed, 0)};
  SlidePrepForm form(slides);
  bool enabledDuring = true;
  RunShow(form, [&] {
    enabledDuring = other.isEnabled();
    QTest::keyClick(&form, Qt::Key_Return);
  });
  EXPECT_FALSE(enabledDuring);
  EXPECT_TRUE(other.isEnabled());
}

// A touch screen (and a clicker's blank keys) through the real window: each step is a
// gesture or a key and the slide (or cover) it must lead to.
TEST(SlidePrepForm, TouchAndBlankKeysDriveTheShow) {
  std::vector<SlideRecord> slides = {Blank(0x000000FF, DurationMode::EnterPressed, 0),
                                     Blank(0x0000FF00, DurationMode::EnterPressed, 0),
                                     Blank(0x00FF0000, DurationMode::EnterPressed, 0)};
  SlidePrepForm form(slides);
  std::unique_ptr<QPointingDevice> touch(QTest::createTouchDevice());
  const QPoint middle(form.width() / 2, form.height() / 2);
  const QPoint left(middle.x() - 200, middle.y() + 10);
  const QPoint right(middle.x() + 200, middle.y() - 10);
  auto swipe = [&](QPoint from, QPoint to) {
    QTest::touchEvent(&form, touch.get()).press(0, from, form.Canvas());
    QTest::touchEvent(&form, touch.get()).move(0, (from + to) / 2, form.Canvas());
    QTest::touchEvent(&form, touch.get()).release(0, to, form.Canvas());
  };
  struct Step {
    const char* what;
    std::function<void()> act;
    int slide;
    ScreenBlank blank;
    QRgb middlePixel;
  };
  auto key = [&](Qt::Key k) { return [&form, k] { QTest::keyClick(&form, k); }; };
  // A held key: its press, then the presses the keyboard repeats.
  auto held = [&](Qt::Key k) {
    return [&form, k] {
      for (bool repeat : {false, true, true, true}) {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier, QString(), repeat);
        QApplication::sendEvent(&form, &press);
      }
    };
  };
  const QRgb red = 0xFFFF0000, green = 0xFF00FF00, blue = 0xFF0000FF;
  const QRgb black = 0xFF000000, white = 0xFFFFFFFF;
  const std::vector<Step> steps = {
      {"swipe to the left", [&] { swipe(right, left); }, 1, ScreenBlank::None, green},
      {"swipe to the right", [&] { swipe(left, right); }, 0, ScreenBlank::None, red},
      {"tap", [&] { swipe(middle, middle + QPoint(3, 2)); }, 1, ScreenBlank::None, green},
      {"W held down", held(Qt::Key_W), 1, ScreenBlank::White, white},
      {". over white", key(Qt::Key_Period), 1, ScreenBlank::Black, black},
      {"swipe on the cover", [&] { swipe(right, left); }, 2, ScreenBlank::None, blue},
      {"Previous media key", key(Qt::Key_MediaPrevious), 1, ScreenBlank::None, green},
  };
  std::vector<std::string> wrong;
  const int result = RunShow(form, [&] {
    for (const Step& step : steps) {
      step.act();
      QElapsedTimer t;
      t.start();
      auto reached = [&] {
        return form.Runner().SlideReady() && form.Runner().CurrentIndex() == step.slide &&
               form.Runner().Blank() == step.blank;
      };
      while (!reached() && t.elapsed() < 3000) QTest::qWait(5);
      QTest::qWait(20);
      const QRgb shown = form.grab().toImage().pixel(middle);
      if (!reached() || shown != step.middlePixel) {
        wrong.push_back(std::string(step.what) + ": slide " +
                        std::to_string(form.Runner().CurrentIndex()) + ", pixel " +
                        QString::number(shown, 16).toStdString());
      }
    }
    QTest::keyClick(&form, Qt::Key_MediaStop);
  });
  EXPECT_EQ(result, 1);
  EXPECT_EQ(wrong, std::vector<std::string>{});
}

}  // namespace
}  // namespace lrw
