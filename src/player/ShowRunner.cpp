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
                       IntervalTimer& timer, RunnerClock& clock, MediaControl& media)
    : slides_(slides), screen_(screen), timer_(timer), clock_(clock), media_(media) {
  timer_.SetHandler([this] { OnAdvanceTimer(); });
}

void ShowRunner::SetShuffle(bool shuffle, uint64_t seed) {
  shuffle_ = shuffle;
  seed_ = seed;
}

std::optional<RunnerKey> ShowRunner::HeldKey() const {
  if (!pendingKey_.held) return std::nullopt;
  return pendingKey_.key;
}

const SlideRecord* ShowRunner::SlideAt(int index) const {
  if (index < 0 || index >= static_cast<int>(slides_.size())) return nullptr;
  return &slides_[static_cast<size_t>(index)];
}

void ShowRunner::SetNextStep(int64_t step) {
  nextStep_ = step;
  nextIndex_ = order_.SlideAtStep(step);
}

void ShowRunner::StartShow() {
  if (finished_) return;
  if (music_) music_->Start();
  screen_.ShowBlack();
  if (finished_) return;
  order_ = SlideOrder(static_cast<int>(slides_.size()), shuffle_, seed_, startIndex_);
  if (startIndex_ >= 0 && startIndex_ < order_.Count()) {
    SetNextStep(order_.StartStep());
  } else {
    nextStep_ = 0;
    nextIndex_ = startIndex_;  // outside the show: it ends at once
  }
  const SlideRecord* first = SlideAt(nextIndex_);
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
  if (pendingKey_.held) {
    const PendingKey held = pendingKey_;
    FlagScope replaying(replayingHeldKey_);
    OnKeyPress(held.key, held.shift);
  }

  if (pauseRequested_) {
    if (music_) music_->Pause(true);
    screen_.ShowPauseMessage();
    if (music_) music_->Pause(false);
    pauseRequested_ = false;
    if (finished_) return;
  }

  if (ending_) {
    timer_.SetEnabled(false);
    EndTheShow();
    return;
  }

  currentStep_ = nextStep_;
  currentIndex_ = nextIndex_;
  remainingMs_ = 0;
  slideReady_ = false;
  const SlideRecord* slide = SlideAt(currentIndex_);
  if (!slide) {  // the show has no slide left to show
    EndTheShow();
    return;
  }

  const int count = order_.Count();
  if (wrapped_ && count > 0 && currentStep_ % count == 0 && music_) music_->ShowLooped();
  wrapped_ = false;
  screen_.PresentSlide(slide->Effect, slide->BoxWidth);
  if (finished_) return;
  slide = SlideAt(currentIndex_);
  if (!slide) {
    EndTheShow();
    return;
  }

  bool soundOk = true;
  if (slide->PlaySound) soundOk = StartSlideSound(*slide);

  // The next loop starts where this one ends.
  const int64_t next = currentStep_ + 1;
  if (count == 0 || next % count != 0) {
    SetNextStep(next);
  } else if (loop_) {
    SetNextStep(next);
    wrapped_ = true;
  } else {
    ending_ = true;
  }

  // Composing the next slide counts against this slide's time; the transition does not.
  const int64_t t0 = clock_.NowMs();
  if (!ending_) {
    if (const SlideRecord* nextSlide = SlideAt(nextIndex_)) screen_.ComposeSlide(*nextSlide);
  }

  if (WaitsForEarlierSound(*slide)) soundOk = media_.Mode() == MediaMode::Playing;

  if (ChooseSlideWait(*slide, soundOk) == SlideWait::Timed) {
    const int64_t elapsed = clock_.NowMs() - t0;
    ArmTimer(static_cast<int32_t>(int64_t{slide->ExtraSeconds} * 1000 - elapsed));
    // The last slide's time is the show's end: the music fades out to it.
    if (ending_ && music_) music_->EndIn(std::max(0, remainingMs_));
  }
  // A blank asked for during the transition covers the new slide and holds its time.
  if (blank_ != ScreenBlank::None) HoldCountdown();

  slideReady_ = true;
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
    return media_.Error() == MediaError::Ok;
  } catch (const std::exception&) {
    return false;
  }
}

void ShowRunner::ArmTimer(int32_t remainingMs) {
  remainingMs_ = remainingMs;
  timer_.SetInterval(std::clamp(remainingMs, 1, kMaxTimerChunkMs));
  chunkStartMs_ = clock_.NowMs();
  timer_.SetEnabled(true);
}

void ShowRunner::HoldCountdown() {
  heldMs_ = -1;
  if (!timer_.Enabled()) return;
  const int64_t inChunk = clock_.NowMs() - chunkStartMs_;
  heldMs_ = static_cast<int32_t>(std::max<int64_t>(1, remainingMs_ - inChunk));
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
  const int count = order_.Count();
  return loop_ || (count > 0 && (currentStep_ + 1) % count != 0);
}

bool ShowRunner::CanGoBack() const {
  const int count = order_.Count();
  return loop_ || (count > 0 && currentStep_ % count > 0);
}

int64_t ShowRunner::TimeLeftMs() const {
  if (blank_ != ScreenBlank::None) return heldMs_;
  if (!timer_.Enabled()) return -1;
  return std::max<int64_t>(0, remainingMs_ - (clock_.NowMs() - chunkStartMs_));
}

void ShowRunner::AdvanceNow() {
  if (replayingHeldKey_) {
    timer_.SetEnabled(false);
    remainingMs_ = 0;
    return;
  }
  ArmTimer(1);
}

void ShowRunner::OnAdvanceTimer() {
  // While a slide is being brought up, a tick waits: the timer keeps running and
  // ticks again once the slide is on screen, unless the slide re-arms it.
  if (busy_ || finished_) return;
  timer_.SetEnabled(false);
  remainingMs_ -= timer_.Interval();
  if (remainingMs_ > 0) {
    timer_.SetInterval(std::min(remainingMs_, kMaxTimerChunkMs));
    chunkStartMs_ = clock_.NowMs();
    timer_.SetEnabled(true);
    return;
  }
  if (ending_) {
    EndTheShow();
    return;
  }
  ShowNextSlide();
}

void ShowRunner::OnKeyPress(RunnerKey key, unsigned shift) {
  if (finished_) return;
  if (!slideReady_) {
    pendingKey_ = PendingKey{true, key, shift};
    return;
  }
  pendingKey_.held = false;

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
      OnClick(RunnerButton::Right, shift);
      break;
    case RunnerKey::Enter:
    case RunnerKey::Right:
    case RunnerKey::Escape:
    case RunnerKey::P:
    case RunnerKey::Pause:
      LeaveSlide(key, shift);
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

void ShowRunner::LeaveSlide(RunnerKey key, unsigned /*shift*/) {
  timer_.SetEnabled(false);
  const bool forward = key == RunnerKey::Enter || key == RunnerKey::Right;
  // Going forward cuts a sound only when the slide waits for it; it plays on otherwise.
  const SlideRecord* slide = SlideAt(currentIndex_);
  if (!forward || (slide && slide->DurationMode == DurationMode::SoundEnded)) StopSound();
  if (key == RunnerKey::Escape) {
    if (music_) music_->FadeAway();
    ending_ = true;
  } else if (key == RunnerKey::P || key == RunnerKey::Pause) {
    pauseRequested_ = true;
  }
  AdvanceNow();
}

void ShowRunner::OnClick(RunnerButton button, unsigned shift) {
  if (finished_) return;
  if (!slideReady_) {
    // Held like a key: the right button goes back, any other forward.
    OnKeyPress(button == RunnerButton::Right ? RunnerKey::Left : RunnerKey::Right, shift);
    return;
  }
  if (button == RunnerButton::Right) {
    // Back one slide; from the first slide to the last, looping or not.
    const int count = order_.Count();
    if (count == 0) return;
    SetNextStep(currentStep_ > 0 ? currentStep_ - 1 : count - 1);
    const SlideRecord* previous = SlideAt(nextIndex_);
    if (!previous) return;
    StopSound();
    screen_.ComposeSlide(*previous);
    ending_ = false;
  }
  if (!ending_) OnKeyPress(RunnerKey::Enter, shift);
}

void ShowRunner::OnSoundEnded() {
  // While a slide is being brought up, the end of an earlier slide's sound is
  // accounted for by that slide's own sound check.
  if (busy_ || finished_) return;
  const SlideRecord* slide = SlideAt(currentIndex_);
  if (!slide || slide->DurationMode != DurationMode::SoundEnded) return;
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

void ShowRunner::OnWindowGone() {
  timer_.SetEnabled(false);
  finished_ = true;
  StopSound();
  if (music_) music_->FadeAway();
}

void ShowRunner::EndTheShow() {
  finished_ = true;
  if (music_) music_->FadeAway();
  timer_.SetEnabled(false);
  screen_.EndShow();
}

}  // namespace lrw
