// When each slide of a show comes, stays and goes, and when each sound plays, for a show
// played once from its first slide without anyone pressing a key. Slides that wait for Enter
// stay a chosen time; everything else follows the show's own duration and sound rules.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "document/SlideRecord.h"

namespace lrw {

// The show begins on a black screen for a quarter second.
inline constexpr double kLeadInSeconds = 0.25;

struct TimelineSlide {
  size_t slide = 0;  // index in the show
  double start = 0;  // its transition begins, seconds from the start of the video
  double shown = 0;  // the transition is over: its sound starts and its wait begins
  double leave = 0;  // the next slide's transition begins, or the show ends
};

// One sound heard from `start` to `stop`, from its beginning. At most one plays at a time.
struct TimelineSound {
  std::string file;  // UTF-8
  double start = 0;
  double stop = 0;
  bool operator==(const TimelineSound&) const = default;
};

struct ShowTimeline {
  std::vector<TimelineSlide> slides;
  std::vector<TimelineSound> sounds;
  double duration = 0;
};

struct TimelineSources {
  // Seconds the slide's transition lasts at the video's size.
  std::function<double(size_t slide)> transitionSeconds;
  // The sound file's length in seconds, or nothing when it cannot be played.
  std::function<std::optional<double>(const std::string& file)> soundSeconds;
};

ShowTimeline BuildShowTimeline(const std::vector<SlideRecord>& slides, double enterSeconds,
                               const TimelineSources& sources);

}  // namespace lrw
