// "Fit the show to the music": the seconds of the slides timed in seconds, chosen so that
// the show, played once from its first slide, lasts a given time. Transitions count with
// their paced length; slides that wait for Enter or for their sound keep their rule and
// count with the time the export gives them (their sound, or the Enter seconds).
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "document/SlideRecord.h"
#include "export/ShowTimeline.h"

namespace lrw {

// The seconds for each slide (its own ExtraSeconds where it is not timed), or nothing
// when no slide is timed in seconds. Whole seconds from 0 to 120: the show then ends
// within about a second of `seconds`, unless that needs more or less than those allow.
std::optional<std::vector<int16_t>> FitTimedSlides(const std::vector<SlideRecord>& slides,
                                                   double seconds, double enterSeconds,
                                                   const TimelineSources& sources);

}  // namespace lrw
