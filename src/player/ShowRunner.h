// The show runner's logic: which slide is on screen, which comes next, when to go on
// (the three duration rules), and what keys and clicks do. It knows no window: whoever
// shows the slides supplies the screen, the timer, the clock and the sound player
// through the small interfaces below and forwards its events to the handlers.
#pragma once

#include <cstdint>
#include <vector>

#include "document/SlideRecord.h"
#include "player/MediaControl.h"

namespace lrw {

// The keys the runner acts on; every other key is Other.
enum class RunnerKey { Enter, Right, Left, Backspace, Escape, P, Pause, F1, Other };
enum class RunnerButton { Left, Right, Middle };

// A periodic timer whose ticks arrive as calls of ShowRunner::Timer1Timer.
class RunnerTimer {
 public:
  virtual ~RunnerTimer() = default;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;
  virtual void SetInterval(int ms) = 0;
  virtual int Interval() const = 0;
};

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

  ShowRunner(const std::vector<SlideRecord>& slides, RunnerScreen& screen, RunnerTimer& timer,
             RunnerClock& clock, MediaControl& media);

  // Set by the caller before the show starts.
  int StartIndex = 0;
  const std::vector<SlideRecord>& Slides;
  bool LoopShow = false;
  RunnerMusic* Music = nullptr;  // none: the show has no music

  // The runner's own state.
  int NextIndex = 0;      // the slide the next change shows; composed in the slide bitmap
  int CurrentIndex = -1;  // the slide on screen
  bool Ending = false;
  int32_t RemainingMs = 0;
  bool SlideReady = false;
  struct HeldKey {
    bool held = false;
    RunnerKey key = RunnerKey::Other;
    unsigned shift = 0;
  } PendingKey;
  bool PauseRequested = false;

  void StartShow();
  void ShowNextSlide();
  void Timer1Timer();
  void FormKeyDown(RunnerKey key, unsigned shift = 0);
  void SlideCanvasMouseDown(RunnerButton button, unsigned shift = 0);
  // The sound of a play started with notify has ended.
  void MediaPlayer1Notify();
  void StopSound();
  // The window is going away: no timer, no sound.
  void FormDestroy();

  // The show has ended (by its own end path or by FormDestroy); later events are ignored.
  bool Finished() const { return finished_; }

 private:
  const SlideRecord* SlideAt(int index) const;
  void AdvanceNow();
  void ArmTimer(int32_t remainingMs);
  bool StartSlideSound(const SlideRecord& slide);
  void EndTheShow();

  RunnerScreen& screen_;
  RunnerTimer& timer_;
  RunnerClock& clock_;
  MediaControl& media_;
  // A slide is being brought up: timer ticks wait until it is on screen, so that the
  // slide's own timing (or a held key's) applies and nothing re-enters.
  bool busy_ = false;
  // A key held during the last transition is acting at the slide change it waited for.
  bool replayingHeldKey_ = false;
  bool finished_ = false;
  bool wrapped_ = false;  // the show went from its last slide back to its first
};

}  // namespace lrw
