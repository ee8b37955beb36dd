#include "export/ShowTransitions.h"

#include <algorithm>

#include "effects/Random.h"
#include "effects/RunEffect.h"
#include "effects/SmoothTransitions.h"

namespace lrw {

namespace {

struct Played {
  uint8_t effect;
  uint8_t boxWidth;
};

Played AsPlayed(const SlideRecord& slide) {
  return {static_cast<uint8_t>(std::min<int>(slide.Effect, kLastEffect)),
          static_cast<uint8_t>(
              std::max<int>(std::clamp<int>(slide.BoxWidth, 0, 255), kSmallestBoxWidth))};
}

class CopyCollector : public EffectTarget {
 public:
  void Copy(const EffectRect& from, const EffectRect& to) override { copies.push_back({from, to}); }
  std::vector<RecordedCopy> copies;
};

// Adds up the pacing costs without keeping the copies.
class DurationMeter : public EffectTarget {
 public:
  DurationMeter(const EffectRect& screen)
      : screen_(screen), area_(double(screen.Width()) * screen.Height()) {}
  void Copy(const EffectRect&, const EffectRect& to) override {
    seconds_ += TransitionPacing::CopyCost({to, to}, screen_, area_);
    ++count_;
  }
  double Seconds() const { return count_ <= 1 ? 0.0 : seconds_; }

 private:
  EffectRect screen_;
  double area_;
  double seconds_ = 0;
  size_t count_ = 0;
};

}  // namespace

RecordedTransition RecordTransition(const SlideRecord& slide, int width, int height) {
  const Played played = AsPlayed(slide);
  const EffectRect screen{0, 0, width, height};
  // A smooth transition is drawn frame by frame; it has no copies.
  if (slide.Smooth != SmoothEffect::None) return {{}, TransitionPacing({}, screen, width, height)};
  CopyCollector collector;
  RunEffect(played.effect, screen, collector, played.boxWidth);
  TransitionPacing pacing(collector.copies, screen, width, height);
  return {std::move(collector.copies), std::move(pacing)};
}

ShowTransitions::ShowTransitions(const std::vector<SlideRecord>& slides, int width, int height)
    : slides_(slides), width_(width), height_(height) {
  randomStates_.reserve(slides.size());
  seconds_.reserve(slides.size());
  const EffectRect screen{0, 0, width, height};
  for (const SlideRecord& slide : slides) {
    randomStates_.push_back(RandomState());
    if (slide.Smooth != SmoothEffect::None) {
      seconds_.push_back(SmoothSeconds(slide.BoxWidth));
      continue;
    }
    const Played played = AsPlayed(slide);
    DurationMeter meter(screen);
    RunEffect(played.effect, screen, meter, played.boxWidth);
    seconds_.push_back(meter.Seconds());
  }
}

RecordedTransition ShowTransitions::Record(size_t slide) const {
  SetRandomState(randomStates_[slide]);
  return RecordTransition(slides_[slide], width_, height_);
}

}  // namespace lrw
