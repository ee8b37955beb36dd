// The show runner's logic: which slide is on screen, which comes next, when to go on
// (the three duration rules), and what keys and clicks do. It knows no window: whoever
// shows the slides supplies the screen, the timer, the clock and the sound player
// through the small interfaces below and forwards its events to the handlers.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "base/IntervalTimer.h"
#include "document/SlideRecord.h"
#include "player/MediaControl.h"
#include "player/SlideOrder.h"

namespace lrw {

// The keys the runner acts on; every other key is Other. Clickers' and media keys map
// onto these (Page Down is Right, Page Up is Backspace, Play/Pause is P and so on).
enum class RunnerKey {
  Enter,
  Right,
  Left,
  Backspace,
  Escape,
  P,
  Pause,
  F1,
  BlackScreen,  // B or ".": black until pressed again
  WhiteScreen,  // W: white until pressed again
  Other
};
// What covers the slide while the presenter has blanked the screen.
enum class ScreenBlank { None, Black, White };
enum class RunnerButton { Left, Right, Middle };

// Milliseconds on a clock that does not jump.
class RunnerClock {
 public:
  virtual ~RunnerClock() = default;
  virtual int64_t NowMs() const = 0;
};

// What the runner asks of its window.
class RunnerScreen {
 public:
  virtual ~RunnerScreen() = default;
  // Fills the slide bitmap black, shows it without a transition, lets the screen
  // turn black and waits a quarter second.
  virtual void ShowBlack() = 0;
  // Draws `slide` into the slide bitmap, off screen.
  virtual void ComposeSlide(const SlideRecord& slide) = 0;
  // Reveals the slide bitmap with the effect and lets pending messages be handled
  // (keys and clicks that arrive meanwhile come back while the slide is not ready).
  virtual void PresentSlide(int effect, int boxWidth) = 0;
  // Shows the pointer, the modal "Slide Show paused." message, then hides the pointer.
  virtual void ShowPauseMessage() = 0;
  // Opens the help window at the runner's topic.
  virtual void ShowHelp() = 0;
  // Ends the modal run and restores the pointer and the desktop.
  virtual void EndShow() = 0;
  // Covers the slide in black or white, or uncovers it (None).
  virtual void BlankScreen(ScreenBlank /*blank*/) {}
  // A slide is fully on screen (CurrentIndex), or the screen was blanked or uncovered.
  virtual void ShowStateChanged() {}
};

// The show's music, when it has any: it plays across the slides from the start.
class RunnerMusic {
 public:
  virtual ~RunnerMusic() = default;
  // From the top, fading in.
  virtual void Start() = 0;
  // The show starts again from its first slide.
  virtual void ShowLooped() = 0;
  virtual void Pause(bool paused) = 0;
  // The show will end in `ms`: the fade-out ends then.
  virtual void EndIn(int64_t ms) = 0;
  // The show ends now: a short fade to silence.
  virtual void FadeAway() = 0;
};

class ShowRunner {
 public:
  static constexpr int kMaxTimerChunkMs = 60000;
  static constexpr int kHelpContext = 2009;

  // `slides` is read, never copied, and must outlive the runner.
  ShowRunner(const std::vector<SlideRecord>& slides, RunnerScreen& screen, IntervalTimer& timer,
             RunnerClock& clock, MediaControl& media);

  // ---- set before the show starts ----
  void SetStartIndex(int index) { startIndex_ = index; }
  // May change while the show runs.
  void SetLoop(bool loop) { loop_ = loop; }
  // A shuffled show plays its slides in a random order of `seed`, a new one each loop.
  void SetShuffle(bool shuffle, uint64_t seed);
  // None: the show has no music.
  void SetMusic(RunnerMusic* music) { music_ = music; }

  // ---- what the windows and the media controls read ----
  const std::vector<SlideRecord>& Slides() const { return slides_; }
  bool Loops() const { return loop_; }
  bool Shuffled() const { return shuffle_; }
  // The slide on screen, -1 before the first.
  int CurrentIndex() const { return currentIndex_; }
  // The slide the next change shows; composed in the slide bitmap.
  int NextIndex() const { return nextIndex_; }
  // The slide on screen is fully shown; keys act at once rather than being held.
  bool SlideReady() const { return slideReady_; }
  // The next change ends the show.
  bool Ending() const { return ending_; }
  bool PauseRequested() const { return pauseRequested_; }
  // What is left of the slide's time at the last arming or tick of the timer.
  int32_t RemainingMs() const { return remainingMs_; }
  // A key that came during a transition, to act at the next change.
  std::optional<RunnerKey> HeldKey() const;
  // The show has ended (by its own end path or by OnWindowGone); later events are ignored.
  bool Finished() const { return finished_; }
  // The presenter has blanked the screen: the slide's countdown is held meanwhile.
  ScreenBlank Blank() const { return blank_; }
  // Whether going forward or back stays within the show (a show that loops always does).
  bool CanGoForward() const;
  bool CanGoBack() const;
  // Milliseconds before the slide on screen changes by itself, -1 when it waits for a
  // key or its sound.
  int64_t TimeLeftMs() const;

  // ---- what happens ----
  void StartShow();
  void ShowNextSlide();
  // The timer's interval has passed.
  void OnAdvanceTimer();
  // Keys, whether from the show's window, the presenter's or the media controls.
  void OnKeyPress(RunnerKey key, unsigned shift = 0);
  void OnClick(RunnerButton button, unsigned shift = 0);
  // The sound of a play started with notify has ended.
  void OnSoundEnded();
  void StopSound();
  // The window is going away: no timer, no sound.
  void OnWindowGone();

 private:
  struct PendingKey {
    bool held = false;
    RunnerKey key = RunnerKey::Other;
    unsigned shift = 0;
  };

  const SlideRecord* SlideAt(int index) const;
  // Sets the step the next change shows and the slide it is.
  void SetNextStep(int64_t step);
  // Forward, back, pause or end: the slide's time and sound stop and the change comes now.
  void LeaveSlide(RunnerKey key, unsigned shift);
  void AdvanceNow();
  void ArmTimer(int32_t remainingMs);
  bool StartSlideSound(const SlideRecord& slide);
  void EndTheShow();
  void SetBlank(ScreenBlank blank);
  void HoldCountdown();

  const std::vector<SlideRecord>& slides_;
  RunnerScreen& screen_;
  IntervalTimer& timer_;
  RunnerClock& clock_;
  MediaControl& media_;
  int startIndex_ = 0;
  bool loop_ = false;
  bool shuffle_ = false;
  uint64_t seed_ = 0;
  RunnerMusic* music_ = nullptr;

  SlideOrder order_{0, false, 0};
  int64_t currentStep_ = -1;
  int64_t nextStep_ = 0;
  int currentIndex_ = -1;
  int nextIndex_ = 0;
  bool ending_ = false;
  int32_t remainingMs_ = 0;
  bool slideReady_ = false;
  PendingKey pendingKey_;
  bool pauseRequested_ = false;
  // A slide is being brought up: timer ticks wait until it is on screen, so that the
  // slide's own timing (or a held key's) applies and nothing re-enters.
  bool busy_ = false;
  // A key held during the last transition is acting at the slide change it waited for.
  bool replayingHeldKey_ = false;
  bool finished_ = false;
  bool wrapped_ = false;  // the show went from the end of a loop to the start of the next
  ScreenBlank blank_ = ScreenBlank::None;
  // While blanked: the countdown left when it was held, or -1 when none was running.
  int32_t heldMs_ = -1;
  // When the running timer chunk started, so that holding it keeps what is left of it.
  int64_t chunkStartMs_ = 0;
};

}  // namespace lrw
