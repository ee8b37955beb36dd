// The transitions of a show at the video's size: each slide's copies, in the engine's order,
// paced as the screen plays them. Random effects draw from the calling thread's generator;
// each slide's starting state is kept, so that the copies recorded again for the frames are
// exactly the ones that were measured.
#pragma once

#include <cstdint>
#include <vector>

#include "document/SlideRecord.h"
#include "effects/RecordingEffectTarget.h"
#include "effects/TransitionPacing.h"

namespace lrw {

struct RecordedTransition {
  std::vector<RecordedCopy> copies;
  TransitionPacing pacing;
};

// The slide's transition on a width x height screen, with the effect number and box width
// corrected as the effect image control stores them.
RecordedTransition RecordTransition(const SlideRecord& slide, int width, int height);

class ShowTransitions {
 public:
  // Plays every slide's transition once to learn how long it lasts.
  ShowTransitions(const std::vector<SlideRecord>& slides, int width, int height);

  double Seconds(size_t slide) const { return seconds_[slide]; }
  // The copies of the slide's transition, the same ones that were measured.
  RecordedTransition Record(size_t slide) const;

 private:
  const std::vector<SlideRecord>& slides_;
  int width_;
  int height_;
  std::vector<uint32_t> randomStates_;  // the generator before each slide's transition
  std::vector<double> seconds_;
};

}  // namespace lrw
