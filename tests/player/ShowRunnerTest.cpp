#include "player/ShowRunner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "support/SlideBuilder.h"

namespace lrw {
namespace {

class FakeTimer : public IntervalTimer {
 public:
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  bool Enabled() const override { return enabled_; }
  void SetInterval(int ms) override { interval_ = ms; }
  int Interval() const override { return interval_; }

 private:
  bool enabled_ = false;
  int interval_ = 1000;
};

class FakeClock : public RunnerClock {
 public:
  int64_t NowMs() const override { return now; }
  int64_t now = 1'000'000;
};

class FakeMedia : public MediaControl {
 public:
  MediaMode Mode() const override { return mode; }
  void SetWait(bool) override {}
  void SetNotify(bool n) override { notify = n; }
  void SetFileName(const std::string& path) override { fileName = path; }
  Result<void> Open() override {
    log.push_back("open " + fileName);
    error = failOpen ? MediaError::FileError : MediaError::Ok;
    if (failOpen) return Fail(ErrorMessage());
    mode = MediaMode::Stopped;
    return {};
  }
  void Play() override {
    log.push_back(notify ? "play notify" : "play");
    mode = MediaMode::Playing;
  }
  void Stop() override {
    log.push_back("stop");
    mode = MediaMode::Stopped;
  }
  void Close() override {
    log.push_back("close");
    mode = MediaMode::NotOpen;
  }
  MediaError Error() const override { return error; }
  std::string ErrorMessage() const override { return error != MediaError::Ok ? "cannot open" : ""; }

  MediaMode mode = MediaMode::NotOpen;
  bool notify = false;
  bool failOpen = false;
  MediaError error = MediaError::Ok;
  std::string fileName;
  std::vector<std::string> log;
};

// Records what the runner shows; the test can act during a transition and let
// composing take time.
class FakeScreen : public RunnerScreen {
 public:
  explicit FakeScreen(FakeClock& clock) : clock_(clock) {}
  void ShowBlack() override { log.push_back("black"); }
  void ComposeSlide(const SlideRecord& slide) override {
    composed.push_back(slide.PictureName);
    clock_.now += composeMs;
  }
  void PresentSlide(int effect, int boxWidth) override {
    presented.push_back(composed.empty() ? "?" : composed.back());
    if (duringTransition) {
      auto action = std::move(duringTransition);
      duringTransition = nullptr;
      action();
    }
  }
  void ShowPauseMessage() override { log.push_back("paused"); }
  void ShowHelp() override { log.push_back("help"); }
  void EndShow() override { log.push_back("end"); }
  void BlankScreen(ScreenBlank b) override {
    log.push_back(b == ScreenBlank::Black   ? "black cover"
                  : b == ScreenBlank::White ? "white cover"
                                            : "uncover");
  }

  int64_t composeMs = 0;
  std::function<void()> duringTransition;
  std::vector<std::string> composed;
  std::vector<std::string> presented;  // the slide bitmap at each transition
  std::vector<std::string> log;

 private:
  FakeClock& clock_;
};

SlideRecord Slide(const std::string& name, DurationMode mode, int16_t seconds, bool sound = false) {
  return test::SlideBuilder()
      .Picture(name)
      .Duration(mode, seconds)
      .Effect(3, 4)
      .Sound(sound ? "/sounds/" + name + ".wav" : "")
      .Build();
}

class ShowRunnerTest : public ::testing::Test {
 protected:
  ShowRunner& Start(std::vector<SlideRecord> show, int start = 0, bool loop = false) {
    slides = std::move(show);
    runner = std::make_unique<ShowRunner>(slides, screen, timer, clock, media);
    runner->SetStartIndex(start);
    runner->SetLoop(loop);
    runner->StartShow();
    return *runner;
  }
  // One timer tick after its interval has passed.
  void Tick() {
    ASSERT_TRUE(timer.Enabled());
    clock.now += timer.Interval();
    runner->OnAdvanceTimer();
  }
  void TickUntilStopped(int maxTicks = 20) {
    for (int i = 0; i < maxTicks && timer.Enabled(); ++i) Tick();
  }
  bool Ended() const { return !screen.log.empty() && screen.log.back() == "end"; }

  FakeTimer timer;
  FakeClock clock;
  FakeMedia media;
  FakeScreen screen{clock};
  std::vector<SlideRecord> slides;
  std::unique_ptr<ShowRunner> runner;
};

TEST_F(ShowRunnerTest, TimedSlidesFollowEachOtherAndShowEndsAfterLastSlidesTime) {
  ShowRunner& r =
      Start({Slide("a", DurationMode::TimeElapsed, 5), Slide("b", DurationMode::TimeElapsed, 2)});
  EXPECT_EQ(screen.log.front(), "black");
  EXPECT_EQ(screen.presented, (std::vector<std::string>{"a"}));
  EXPECT_EQ(screen.composed, (std::vector<std::string>{"a", "b"}));
  EXPECT_TRUE(r.SlideReady());
  EXPECT_EQ(timer.Interval(), 5000);
  Tick();
  EXPECT_EQ(screen.presented, (std::vector<std::string>{"a", "b"}));
  EXPECT_TRUE(r.Ending());
  EXPECT_EQ(timer.Interval(), 2000);  // the last slide stays its full time
  EXPECT_FALSE(Ended());
  Tick();
  EXPECT_TRUE(Ended());
  EXPECT_TRUE(r.Finished());
  EXPECT_FALSE(timer.Enabled());
}

TEST_F(ShowRunnerTest, ComposingTheNextSlideCountsAgainstTheCurrentOne) {
  screen.composeMs = 700;
  Start({Slide("a", DurationMode::TimeElapsed, 5), Slide("b", DurationMode::TimeElapsed, 5)});
  EXPECT_EQ(timer.Interval(), 4300);
}

TEST_F(ShowRunnerTest, ZeroSecondsGivesOneMillisecond) {
  Start({Slide("a", DurationMode::TimeElapsed, 0), Slide("b", DurationMode::TimeElapsed, 5)});
  EXPECT_EQ(timer.Interval(), 1);
  Tick();
  EXPECT_EQ(screen.presented.back(), "b");
}

TEST_F(ShowRunnerTest, LoopingShowStartsAgainAndEscEndsAtOnce) {
  ShowRunner& r =
      Start({Slide("a", DurationMode::TimeElapsed, 1), Slide("b", DurationMode::TimeElapsed, 1)}, 0,
            true);
  Tick();
  EXPECT_EQ(r.NextIndex(), 0);
  Tick();
  EXPECT_EQ(screen.presented, (std::vector<std::string>{"a", "b", "a"}));
  r.OnKeyPress(RunnerKey::Escape);
  EXPECT_EQ(timer.Interval(), 1);
  Tick();
  EXPECT_TRUE(Ended());
  EXPECT_EQ(screen.presented.size(), 3u);
}

TEST_F(ShowRunnerTest, StartsAtStartIndex) {
  Start({Slide("a", DurationMode::TimeElapsed, 1), Slide("b", DurationMode::TimeElapsed, 1),
         Slide("c", DurationMode::TimeElapsed, 1)},
        2);
  EXPECT_EQ(screen.presented, (std::vector<std::string>{"c"}));
  EXPECT_TRUE(runner->Ending());
}

TEST_F(ShowRunnerTest, KeyHeldDuringTransitionActsOnceAtTheNextChange) {
  // Enter comes while the timed slide b is on its way in; a and c wait for Enter.
  ShowRunner& r =
      Start({Slide("a", DurationMode::EnterPressed, 0), Slide("b", DurationMode::TimeElapsed, 5),
             Slide("c", DurationMode::EnterPressed, 0), Slide("d", DurationMode::TimeElapsed, 5)});
  screen.duringTransition = [&] { runner->OnKeyPress(RunnerKey::Enter); };
  r.OnKeyPress(RunnerKey::Enter);
  Tick();
  EXPECT_TRUE(r.HeldKey().has_value());
  EXPECT_EQ(timer.Interval(), 5000);  // the held key does not shorten slide b
  Tick();
  EXPECT_FALSE(r.HeldKey().has_value());
  EXPECT_EQ(screen.presented, (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(screen.log, std::vector<std::string>{"black"});
  // The slide it brought waits for Enter: it is not left at once for another.
  EXPECT_FALSE(timer.Enabled());
  EXPECT_TRUE(r.SlideReady());
}

TEST_F(ShowRunnerTest, HeldEnterBeforeTimedSlideHasNoFurtherEffect) {
  screen.duringTransition = [&] { runner->OnKeyPress(RunnerKey::Right); };
  Start({Slide("a", DurationMode::TimeElapsed, 1), Slide("b", DurationMode::TimeElapsed, 3),
         Slide("c", DurationMode::TimeElapsed, 3)});
  // The held key arms nothing while b is brought up, and a stray tick then waits; b times
  // itself.
  screen.duringTransition = [&] {
    EXPECT_FALSE(timer.Enabled());
    clock.now += 1;
    runner->OnAdvanceTimer();
  };
  Tick();
  EXPECT_EQ(screen.presented, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(timer.Interval(), 3000);
  EXPECT_EQ(runner->RemainingMs(), 3000);
}

TEST_F(ShowRunnerTest, KeyWhileReadyClearsHeldKeyAndOnlyLastKeyIsHeld) {
  screen.duringTransition = [&] {
    runner->OnKeyPress(RunnerKey::Escape);
    runner->OnKeyPress(RunnerKey::P);
  };
  ShowRunner& r =
      Start({Slide("a", DurationMode::TimeElapsed, 5), Slide("b", DurationMode::TimeElapsed, 5)}, 0,
            true);
  EXPECT_EQ(r.HeldKey().value_or(RunnerKey::Other), RunnerKey::P);
  r.OnKeyPress(RunnerKey::Other);  // ready: acted on (ignored) and the held P is gone
  EXPECT_FALSE(r.HeldKey().has_value());
  Tick();
  EXPECT_EQ(screen.log, (std::vector<std::string>{"black"}));
}

TEST_F(ShowRunnerTest, EscDuringTransitionEndsShowAtNextChange) {
  screen.duringTransition = [&] { runner->OnKeyPress(RunnerKey::Escape); };
  Start({Slide("a", DurationMode::TimeElapsed, 5), Slide("b", DurationMode::TimeElapsed, 5)}, 0,
        true);
  EXPECT_FALSE(Ended());
  EXPECT_EQ(timer.Interval(), 5000);  // slide a keeps its time
  Tick();
  EXPECT_TRUE(Ended());
  EXPECT_EQ(screen.presented, (std::vector<std::string>{"a"}));
}

TEST_F(ShowRunnerTest, ClickDuringTransitionIsHeldAsArrowKey) {
  screen.duringTransition = [&] { runner->OnClick(RunnerButton::Right); };
  ShowRunner& r =
      Start({Slide("a", DurationMode::EnterPressed, 0), Slide("b", DurationMode::EnterPressed, 0)});
  EXPECT_EQ(r.HeldKey().value_or(RunnerKey::Other), RunnerKey::Left);
  screen.duringTransition = [&] { runner->OnClick(RunnerButton::Middle); };
  r.OnKeyPress(RunnerKey::Enter);
  Tick();
  EXPECT_EQ(r.HeldKey().value_or(RunnerKey::Other), RunnerKey::Right);
}

TEST_F(ShowRunnerTest, RightClickOnFirstSlideShowsLastSlideWithoutLooping) {
  ShowRunner& r =
      Start({Slide("a", DurationMode::EnterPressed, 0), Slide("b", DurationMode::EnterPressed, 0),
             Slide("c", DurationMode::EnterPressed, 0)});
  r.OnClick(RunnerButton::Right);
  EXPECT_EQ(r.NextIndex(), 2);
  EXPECT_EQ(screen.composed.back(), "c");
  Tick();
  EXPECT_EQ(screen.presented.back(), "c");
  EXPECT_TRUE(r.Ending());  // c is the last slide of a show that does not loop
}

TEST_F(ShowRunnerTest, LastSlideOfShowThatDoesNotLoop) {
  ShowRunner& r = Start(
      {Slide("a", DurationMode::EnterPressed, 0), Slide("b", DurationMode::EnterPressed, 0)}, 1);
  ASSERT_TRUE(r.Ending());
  r.OnClick(RunnerButton::Left);  // does nothing
  EXPECT_FALSE(timer.Enabled());
  r.OnClick(RunnerButton::Right);  // back one slide
  Tick();
  EXPECT_EQ(screen.presented, (std::vector<std::string>{"b", "a"}));
  EXPECT_FALSE(r.Ending());
  r.OnKeyPress(RunnerKey::Backspace);  // from the first slide back to the last
  Tick();
  EXPECT_EQ(screen.presented.back(), "b");
  r.OnKeyPress(RunnerKey::Enter);  // Enter on the last slide ends the show
  Tick();
  EXPECT_TRUE(Ended());
  EXPECT_EQ(screen.presented.size(), 3u);
}

TEST_F(ShowRunnerTest, OneSlideShowInModeZeroEndsAfterEnter) {
  ShowRunner& r = Start({Slide("a", DurationMode::EnterPressed, 0)});
  EXPECT_TRUE(r.Ending());
  EXPECT_FALSE(timer.Enabled());
  r.OnKeyPress(RunnerKey::Enter);
  Tick();
  EXPECT_TRUE(Ended());
}

TEST_F(ShowRunnerTest, SoundEndedWithOwnSoundWaitsForNotification) {
  SlideRecord padded = Slide("a", DurationMode::SoundEnded, 2, true);
  padded.SoundName = " a.wav ";
  ShowRunner& r = Start({padded, Slide("b", DurationMode::EnterPressed, 0)});
  // The name exactly as stored, blanks included, as the portable builder copies it.
  EXPECT_EQ(media.fileName, "/sounds/ a.wav ");
  EXPECT_EQ(media.log, (std::vector<std::string>{"open /sounds/ a.wav ", "play notify"}));
  EXPECT_FALSE(timer.Enabled());
  media.mode = MediaMode::Stopped;
  r.OnSoundEnded();
  EXPECT_TRUE(timer.Enabled());
  EXPECT_EQ(timer.Interval(), 2000);
  Tick();
  EXPECT_EQ(screen.presented.back(), "b");
}

TEST_F(ShowRunnerTest, SoundEndedWithZeroSecondsAdvancesAfterOneMillisecond) {
  ShowRunner& r = Start(
      {Slide("a", DurationMode::SoundEnded, 0, true), Slide("b", DurationMode::EnterPressed, 0)});
  r.OnSoundEnded();
  EXPECT_EQ(timer.Interval(), 1);
  Tick();
  EXPECT_EQ(screen.presented.back(), "b");
}

TEST_F(ShowRunnerTest, NinetySecondsAfterSoundAreTimedInTwoChunks) {
  ShowRunner& r = Start(
      {Slide("a", DurationMode::SoundEnded, 90, true), Slide("b", DurationMode::EnterPressed, 0)});
  r.OnSoundEnded();
  EXPECT_EQ(r.RemainingMs(), 90000);
  EXPECT_EQ(timer.Interval(), 60000);
  Tick();
  EXPECT_EQ(screen.presented.size(), 1u);
  EXPECT_EQ(timer.Interval(), 30000);
  Tick();
  EXPECT_EQ(screen.presented.back(), "b");
}

TEST_F(ShowRunnerTest, SoundEndedWithoutOwnSoundFollowsEarlierSound) {
  ShowRunner& r =
      Start({Slide("a", DurationMode::EnterPressed, 0, true),
             Slide("b", DurationMode::SoundEnded, 1), Slide("c", DurationMode::EnterPressed, 0)});
  ASSERT_EQ(media.mode, MediaMode::Playing);
  r.OnKeyPress(RunnerKey::Enter);  // mode 0: the sound goes on under the next slide
  Tick();
  EXPECT_EQ(screen.presented.back(), "b");
  EXPECT_EQ(media.mode, MediaMode::Playing);
  EXPECT_FALSE(timer.Enabled());  // waits for a's sound
  media.mode = MediaMode::Stopped;
  r.OnSoundEnded();
  EXPECT_EQ(timer.Interval(), 1000);
}

TEST_F(ShowRunnerTest, SoundEndedWithNothingPlayingIsTimed) {
  screen.composeMs = 200;
  Start({Slide("a", DurationMode::SoundEnded, 1), Slide("b", DurationMode::EnterPressed, 0)});
  EXPECT_TRUE(timer.Enabled());
  EXPECT_EQ(timer.Interval(), 800);
}

TEST_F(ShowRunnerTest, BrokenSoundTimesSlideEvenInModesZeroAndOne) {
  media.failOpen = true;
  ShowRunner& r = Start({Slide("a", DurationMode::EnterPressed, 3, true),
                         Slide("b", DurationMode::SoundEnded, 2, true),
                         Slide("c", DurationMode::EnterPressed, 0)});
  EXPECT_EQ(timer.Interval(), 3000);
  Tick();
  EXPECT_EQ(r.CurrentIndex(), 1);
  EXPECT_EQ(timer.Interval(), 2000);
  EXPECT_TRUE(screen.log.size() == 1);  // no message, only the black start
}

TEST_F(ShowRunnerTest, NotificationIgnoredOutsideModeOne) {
  ShowRunner& r = Start(
      {Slide("a", DurationMode::EnterPressed, 5, true), Slide("b", DurationMode::EnterPressed, 0)});
  r.OnSoundEnded();
  EXPECT_FALSE(timer.Enabled());
}

TEST_F(ShowRunnerTest, EnterInModeTwoLeavesSoundPlayingAndEnterInModeOneStopsIt) {
  ShowRunner& r = Start({Slide("a", DurationMode::TimeElapsed, 5, true),
                         Slide("b", DurationMode::SoundEnded, 5, true),
                         Slide("c", DurationMode::EnterPressed, 0)});
  r.OnKeyPress(RunnerKey::Enter);
  EXPECT_EQ(media.mode, MediaMode::Playing);
  Tick();
  // b's own sound replaces a's: stopped (without notify) before b's is opened.
  EXPECT_EQ(media.log, (std::vector<std::string>{"open /sounds/a.wav", "play notify", "stop",
                                                 "close", "open /sounds/b.wav", "play notify"}));
  r.OnKeyPress(RunnerKey::Enter);
  EXPECT_EQ(media.mode, MediaMode::NotOpen);
  Tick();
  EXPECT_EQ(screen.presented.back(), "c");
}

TEST_F(ShowRunnerTest, PauseShowsMessageAtNextChangeThenGoesOn) {
  ShowRunner& r = Start(
      {Slide("a", DurationMode::TimeElapsed, 5, true), Slide("b", DurationMode::TimeElapsed, 5)});
  r.OnKeyPress(RunnerKey::Pause);
  EXPECT_EQ(media.mode, MediaMode::NotOpen);  // the sound is stopped
  EXPECT_TRUE(r.PauseRequested());
  Tick();
  EXPECT_EQ(screen.log, (std::vector<std::string>{"black", "paused"}));
  EXPECT_FALSE(r.PauseRequested());
  EXPECT_EQ(screen.presented.back(), "b");
}

TEST_F(ShowRunnerTest, F1OpensHelpAndKeepsTheSlide) {
  ShowRunner& r =
      Start({Slide("a", DurationMode::TimeElapsed, 5), Slide("b", DurationMode::TimeElapsed, 5)});
  r.OnKeyPress(RunnerKey::F1);
  EXPECT_EQ(screen.log.back(), "help");
  EXPECT_EQ(timer.Interval(), 5000);
}

TEST_F(ShowRunnerTest, DestroyStopsSoundAndIgnoresLaterEvents) {
  ShowRunner& r = Start(
      {Slide("a", DurationMode::TimeElapsed, 5, true), Slide("b", DurationMode::TimeElapsed, 5)});
  r.OnWindowGone();
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(media.mode, MediaMode::NotOpen);
  r.OnKeyPress(RunnerKey::Enter);
  r.OnAdvanceTimer();
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(screen.presented.size(), 1u);
}

TEST_F(ShowRunnerTest, EmptyShowEndsAtOnce) {
  Start({});
  EXPECT_TRUE(Ended());
  EXPECT_TRUE(screen.presented.empty());
}

TEST_F(ShowRunnerTest, BlankScreenHoldsTheSlidesTimeUntilUncovered) {
  ShowRunner& r = Start(
      {Slide("a", DurationMode::TimeElapsed, 10), Slide("b", DurationMode::TimeElapsed, 5),
       Slide("c", DurationMode::SoundEnded, 2, true), Slide("d", DurationMode::EnterPressed, 0)});
  clock.now += 4000;  // 6 s of slide a left
  r.OnKeyPress(RunnerKey::BlackScreen);
  EXPECT_EQ(r.Blank(), ScreenBlank::Black);
  EXPECT_FALSE(timer.Enabled());
  clock.now += 60000;                    // a minute in black changes nothing
  r.OnKeyPress(RunnerKey::WhiteScreen);  // the other colour swaps, still covered
  EXPECT_EQ(r.Blank(), ScreenBlank::White);
  EXPECT_FALSE(timer.Enabled());
  r.OnKeyPress(RunnerKey::WhiteScreen);
  EXPECT_EQ(r.Blank(), ScreenBlank::None);
  EXPECT_EQ(timer.Interval(), 6000);
  EXPECT_EQ(screen.presented, (std::vector<std::string>{"a"}));
  Tick();
  EXPECT_EQ(screen.presented.back(), "b");

  // A forward key while covered uncovers and goes on at once.
  r.OnKeyPress(RunnerKey::BlackScreen);
  r.OnKeyPress(RunnerKey::Right);
  EXPECT_EQ(r.Blank(), ScreenBlank::None);
  Tick();
  EXPECT_EQ(screen.presented.back(), "c");

  // The sound ends while covered: its two seconds start once uncovered.
  r.OnKeyPress(RunnerKey::BlackScreen);
  r.OnSoundEnded();
  EXPECT_FALSE(timer.Enabled());
  r.OnKeyPress(RunnerKey::BlackScreen);
  EXPECT_EQ(timer.Interval(), 2000);
  EXPECT_EQ(screen.log,
            (std::vector<std::string>{"black", "black cover", "white cover", "uncover",
                                      "black cover", "uncover", "black cover", "uncover"}));
}

TEST_F(ShowRunnerTest, BlankKeyDuringTransitionCoversTheNextSlideAndHoldsItsTime) {
  ShowRunner& r =
      Start({Slide("a", DurationMode::TimeElapsed, 1), Slide("b", DurationMode::TimeElapsed, 3),
             Slide("c", DurationMode::TimeElapsed, 3)});
  screen.duringTransition = [&] { runner->OnKeyPress(RunnerKey::WhiteScreen); };
  Tick();  // b comes in; W is held
  EXPECT_EQ(r.Blank(), ScreenBlank::None);
  EXPECT_EQ(timer.Interval(), 3000);
  Tick();  // at the change to c, W acts once: c comes in covered, its time held
  EXPECT_EQ(screen.presented.back(), "c");
  EXPECT_EQ(r.Blank(), ScreenBlank::White);
  EXPECT_FALSE(timer.Enabled());
  EXPECT_FALSE(r.HeldKey().has_value());
  r.OnKeyPress(RunnerKey::WhiteScreen);
  EXPECT_EQ(timer.Interval(), 3000);
  EXPECT_TRUE(r.Ending());
  EXPECT_FALSE(r.CanGoForward());
  EXPECT_TRUE(r.CanGoBack());
}

}  // namespace
}  // namespace lrw

namespace lrw {
namespace {

// What the runner tells the music, in the screen's log so that the order shows.
class LoggedMusic : public RunnerMusic {
 public:
  explicit LoggedMusic(std::vector<std::string>& log) : log_(log) {}
  void Start() override { log_.push_back("music start"); }
  void ShowLooped() override { log_.push_back("music looped"); }
  void Pause(bool paused) override { log_.push_back(paused ? "music pause" : "music go on"); }
  void EndIn(int64_t ms) override { log_.push_back("music ends in " + std::to_string(ms)); }
  void FadeAway() override { log_.push_back("music fade away"); }

 private:
  std::vector<std::string>& log_;
};

TEST_F(ShowRunnerTest, TheMusicStartsPausesLoopsAndEndsWithTheShow) {
  LoggedMusic music(screen.log);
  slides = {Slide("a", DurationMode::TimeElapsed, 1), Slide("b", DurationMode::TimeElapsed, 3)};
  runner = std::make_unique<ShowRunner>(slides, screen, timer, clock, media);
  runner->SetMusic(&music);
  runner->SetLoop(true);
  runner->StartShow();
  Tick();                            // b
  Tick();                            // a again: the show looped
  runner->OnKeyPress(RunnerKey::P);  // P pauses the show and the music
  Tick();                            // b after the pause
  runner->SetLoop(false);            // b is now the last slide: its end is known
  Tick();                            // a
  Tick();                            // b, the last
  EXPECT_EQ(screen.log, (std::vector<std::string>{"music start", "black", "music looped",
                                                  "music pause", "paused", "music go on",
                                                  "music looped", "music ends in 3000"}));
  runner->OnKeyPress(RunnerKey::Escape);  // Esc: a gentle fade
  Tick();
  EXPECT_EQ(screen.log.at(8), "music fade away");
  EXPECT_TRUE(Ended());
}

// A shuffled show that loops: each loop plays every slide once, in an order other than the
// show's and other than the loop before; the music hears of each new loop; going back
// retraces the order; the same seed plays the same order again.
TEST_F(ShowRunnerTest, AShuffledShowPlaysEverySlideOncePerLoopInANewOrder) {
  std::vector<SlideRecord> show;
  for (const char* name : {"a", "b", "c", "d", "e"})
    show.push_back(Slide(name, DurationMode::TimeElapsed, 1));
  const auto play = [&](uint64_t seed, int loops) {
    LoggedMusic music(screen.log);
    screen.presented.clear();
    screen.log.clear();
    slides = show;
    runner = std::make_unique<ShowRunner>(slides, screen, timer, clock, media);
    runner->SetLoop(true);
    runner->SetShuffle(true, seed);
    runner->SetMusic(&music);
    runner->StartShow();
    for (int i = 1; i < 5 * loops; ++i) Tick();
    runner->OnWindowGone();
    return std::count(screen.log.begin(), screen.log.end(), "music looped");
  };
  EXPECT_EQ(play(42, 4), 3);
  const std::vector<std::string> played = screen.presented;
  ASSERT_EQ(played.size(), 20u);
  std::vector<std::vector<std::string>> loops;
  for (size_t i = 0; i < played.size(); i += 5) {
    loops.emplace_back(played.begin() + static_cast<long>(i),
                       played.begin() + static_cast<long>(i + 5));
    std::vector<std::string> sorted = loops.back();
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (std::vector<std::string>{"a", "b", "c", "d", "e"})) << "loop " << i / 5;
  }
  EXPECT_NE(loops[0], (std::vector<std::string>{"a", "b", "c", "d", "e"}));
  for (size_t i = 1; i < loops.size(); ++i) EXPECT_NE(loops[i], loops[i - 1]) << "loop " << i;
  play(42, 4);
  EXPECT_EQ(screen.presented, played) << "the same seed, the same order";
  play(43, 4);
  EXPECT_NE(screen.presented, played);

  // Back from the third slide of the first loop shows the second again, then on as before.
  play(42, 1);
  const std::vector<std::string> first = screen.presented;
  slides = show;
  runner = std::make_unique<ShowRunner>(slides, screen, timer, clock, media);
  runner->SetShuffle(true, 42);
  screen.presented.clear();
  runner->StartShow();
  Tick();
  Tick();
  runner->OnKeyPress(RunnerKey::Backspace);
  Tick();
  Tick();
  Tick();
  EXPECT_EQ(screen.presented,
            (std::vector<std::string>{first[0], first[1], first[2], first[1], first[2], first[3]}));
  EXPECT_EQ(runner->Shuffled(), true);
}

}  // namespace
}  // namespace lrw
