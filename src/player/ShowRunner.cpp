#include "player/ShowRunner.h"

#include <algorithm>
#include <exception>

#include "player/SlideWait.h"

namespace lrw {

namespace {

// Clears a flag when a scope ends, on every path.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
};

}  // namespace

ShowRunner::ShowRunner(const std::vector<SlideRecord>& slides, RunnerScreen& screen,
                       RunnerTimer& timer, RunnerClock& clock, MediaControl& media)
    : Slides(slides), screen_(screen), timer_(timer), clock_(clock), media_(media) {}

const SlideRecord* ShowRunner::SlideAt(int index) const {
  if (index < 0 || index >= static_cast<int>(Slides.size())) return nullptr;
  return &Slides[static_cast<size_t>(index)];
}

void ShowRunner::StartShow() {
  if (finished_) return;
  if (Music) Music->Start();
  screen_.ShowBlack();
  if (finished_) return;
  NextIndex = StartIndex;
  const SlideRecord* first = SlideAt(NextIndex);
  if (!first) {
    EndTheShow();
    return;
  }
  screen_.ComposeSlide(*first);
  ShowNextSlide();
}

void ShowRunner::ShowNextSlide() {
  if (finished_) return;
  FlagScope bringingUp(busy_);

  // A key that came during the last transition acts now, as if just pressed. The change
  // under way is the advance it asks for, so it arms no further one: the slide it brings
  // (the next, the previous, the one after the pause) keeps its own duration rule.
  if (PendingKey.held) {
    const HeldKey held = PendingKey;
    FlagScope replaying(replayingHeldKey_);
    FormKeyDown(held.key, held.shift);
  }

  if (PauseRequested) {
    if (Music) Music->Pause(true);
    screen_.ShowPauseMessage();
    if (Music) Music->Pause(false);
    PauseRequested = false;
    if (finished_) return;
  }

  if (Ending) {
    timer_.SetEnabled(false);
    EndTheShow();
    return;
  }

  CurrentIndex = NextIndex;
  RemainingMs = 0;
  SlideReady = false;
  const SlideRecord* slide = SlideAt(CurrentIndex);
  if (!slide) {  // the show has no slide left to show
    EndTheShow();
    return;
  }

  if (wrapped_ && CurrentIndex == 0 && Music) Music->ShowLooped();
  wrapped_ = false;
  screen_.PresentSlide(slide->Effect, slide->BoxWidth);
  if (finished_) return;
  slide = SlideAt(CurrentIndex);
  if (!slide) {
    EndTheShow();
    return;
  }

  bool soundOk = true;
  if (slide->PlaySound) soundOk = StartSlideSound(*slide);

  NextIndex = NextIndex + 1;
  if (NextIndex >= static_cast<int>(Slides.size())) {
    if (LoopShow) {
      NextIndex = 0;
      wrapped_ = true;
    } else {
      Ending = true;
    }
  }

  // Composing the next slide counts against this slide's time; the transition does not.
  const int64_t t0 = clock_.NowMs();
  if (!Ending) {
    if (const SlideRecord* next = SlideAt(NextIndex)) screen_.ComposeSlide(*next);
  }

  if (WaitsForEarlierSound(*slide)) soundOk = media_.Mode() == MediaMode::Playing;

  if (ChooseSlideWait(*slide, soundOk) == SlideWait::Timed) {
    const int64_t elapsed = clock_.NowMs() - t0;
    ArmTimer(static_cast<int32_t>(int64_t{slide->ExtraSeconds} * 1000 - elapsed));
    // The last slide's time is the show's end: the music fades out to it.
    if (Ending && Music) Music->EndIn(std::max(0, RemainingMs));
  }
  // A blank asked for during the transition covers the new slide and holds its time.
  if (blank_ != ScreenBlank::None) HoldCountdown();

  SlideReady = true;
  screen_.ShowStateChanged();
}

bool ShowRunner::StartSlideSound(const SlideRecord& slide) {
  try {
    if (media_.Mode() == MediaMode::Playing) {
      try {
        media_.SetWait(true);
        media_.SetNotify(false);
        media_.Stop();
        media_.Close();
      } catch (const std::exception&) {
        // A player that cannot stop is opened afresh below.
      }
    }
    media_.SetWait(false);
    media_.SetFileName(SlideSoundFile(slide));
    if (media_.Open()) {
      media_.SetNotify(true);
      media_.Play();
    }
    return media_.Error() == 0;
  } catch (const std::exception&) {
    return false;
  }
}

void ShowRunner::ArmTimer(int32_t remainingMs) {
  RemainingMs = remainingMs;
  timer_.SetInterval(std::clamp(remainingMs, 1, kMaxTimerChunkMs));
  chunkStartMs_ = clock_.NowMs();
  timer_.SetEnabled(true);
}

void ShowRunner::HoldCountdown() {
  heldMs_ = -1;
  if (!timer_.Enabled()) return;
  const int64_t inChunk = clock_.NowMs() - chunkStartMs_;
  heldMs_ = static_cast<int32_t>(std::max<int64_t>(1, RemainingMs - inChunk));
  timer_.SetEnabled(false);
}

void ShowRunner::SetBlank(ScreenBlank blank) {
  if (blank == blank_) return;
  if (blank_ == ScreenBlank::None) HoldCountdown();
  blank_ = blank;
  screen_.BlankScreen(blank);
  if (blank == ScreenBlank::None && heldMs_ >= 0) {
    ArmTimer(heldMs_);
    heldMs_ = -1;
  }
  screen_.ShowStateChanged();
}

bool ShowRunner::CanGoForward() const {
  return LoopShow || CurrentIndex + 1 < static_cast<int>(Slides.size());
}

bool ShowRunner::CanGoBack() const {
  return LoopShow || CurrentIndex > 0;
}

int64_t ShowRunner::TimeLeftMs() const {
  if (blank_ != ScreenBlank::None) return heldMs_;
  if (!timer_.Enabled()) return -1;
  return std::max<int64_t>(0, RemainingMs - (clock_.NowMs() - chunkStartMs_));
}

void ShowRunner::AdvanceNow() {
  if (replayingHeldKey_) {
    timer_.SetEnabled(false);
    RemainingMs = 0;
    return;
  }
  ArmTimer(1);
}

void ShowRunner::Timer1Timer() {
  // While a slide is being brought up, a tick waits: the timer keeps running and
  // ticks again once the slide is on screen, unless the slide re-arms it.
  if (busy_ || finished_) return;
  timer_.SetEnabled(false);
  RemainingMs -= timer_.Interval();
  if (RemainingMs > 0) {
    timer_.SetInterval(std::min(RemainingMs, kMaxTimerChunkMs));
    chunkStartMs_ = clock_.NowMs();
    timer_.SetEnabled(true);
    return;
  }
  if (Ending) {
    EndTheShow();
    return;
  }
  ShowNextSlide();
}

void ShowRunner::FormKeyDown(RunnerKey key, unsigned shift) {
  if (finished_) return;
  if (!SlideReady) {
    PendingKey = HeldKey{true, key, shift};
    return;
  }
  PendingKey.held = false;

  // The same blank key uncovers the slide, the other colour swaps; any other key (but
  // help) uncovers it and then acts as usual.
  if (key == RunnerKey::BlackScreen || key == RunnerKey::WhiteScreen) {
    const ScreenBlank wanted =
        key == RunnerKey::BlackScreen ? ScreenBlank::Black : ScreenBlank::White;
    SetBlank(blank_ == wanted ? ScreenBlank::None : wanted);
    return;
  }
  if (blank_ != ScreenBlank::None && key != RunnerKey::F1 && key != RunnerKey::Other) {
    SetBlank(ScreenBlank::None);
  }

  switch (key) {
    case RunnerKey::Backspace:
    case RunnerKey::Left:
      SlideCanvasMouseDown(RunnerButton::Right, shift);
      break;
    case RunnerKey::Enter:
    case RunnerKey::Right:
      timer_.SetEnabled(false);
      if (const SlideRecord* slide = SlideAt(CurrentIndex);
          slide && slide->DurationMode == SoundEnded) {
        StopSound();
      }
      AdvanceNow();
      break;
    case RunnerKey::Escape:
      timer_.SetEnabled(false);
      StopSound();
      if (Music) Music->FadeAway();
      Ending = true;
      AdvanceNow();
      break;
    case RunnerKey::P:
    case RunnerKey::Pause:
      timer_.SetEnabled(false);
      StopSound();
      PauseRequested = true;
      AdvanceNow();
      break;
    case RunnerKey::F1:
      screen_.ShowHelp();
      break;
    case RunnerKey::BlackScreen:
    case RunnerKey::WhiteScreen:
    case RunnerKey::Other:
      break;
  }
}

void ShowRunner::SlideCanvasMouseDown(RunnerButton button, unsigned shift) {
  if (finished_) return;
  if (!SlideReady) {
    // Held like a key: the right button goes back, any other forward.
    FormKeyDown(button == RunnerButton::Right ? RunnerKey::Left : RunnerKey::Right, shift);
    return;
  }
  if (button == RunnerButton::Right) {
    // Back one slide; from the first slide to the last, looping or not.
    const int count = static_cast<int>(Slides.size());
    if (count == 0) return;
    NextIndex = CurrentIndex > 0 ? std::min(CurrentIndex, count) - 1 : count - 1;
    StopSound();
    screen_.ComposeSlide(Slides[static_cast<size_t>(NextIndex)]);
    Ending = false;
  }
  if (!Ending) FormKeyDown(RunnerKey::Enter, shift);
}

void ShowRunner::MediaPlayer1Notify() {
  // While a slide is being brought up, the end of an earlier slide's sound is
  // accounted for by that slide's own sound check.
  if (busy_ || finished_) return;
  const SlideRecord* slide = SlideAt(CurrentIndex);
  if (!slide || slide->DurationMode != SoundEnded) return;
  if (blank_ != ScreenBlank::None) {  // the wait after the sound starts once uncovered
    heldMs_ = std::max(1, int32_t{slide->ExtraSeconds} * 1000);
    return;
  }
  if (slide->ExtraSeconds == 0) {
    AdvanceNow();
  } else {
    ArmTimer(int32_t{slide->ExtraSeconds} * 1000);
  }
}

void ShowRunner::StopSound() {
  // Also closes a player whose sound has just ended, so that its end notification,
  // if still on its way, is dropped.
  if (media_.Mode() == MediaMode::NotOpen) return;
  try {
    media_.SetWait(true);
    media_.SetNotify(false);
    media_.Stop();
    media_.Close();
  } catch (const std::exception&) {
    // Errors while stopping are of no interest to the viewer.
  }
}

void ShowRunner::FormDestroy() {
  timer_.SetEnabled(false);
  finished_ = true;
  StopSound();
  if (Music) Music->FadeAway();
}

void ShowRunner::EndTheShow() {
  finished_ = true;
  if (Music) Music->FadeAway();
  timer_.SetEnabled(false);
  screen_.EndShow();
}

}  // namespace lrw
