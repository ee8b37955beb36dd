// Turns a show's timeline into the frames of a constant-rate video: a frame at time t shows
// every transition copy that is due by t, as the screen shows each copy once it is due. Runs
// of frames that show the same picture (black before the first slide, a slide held on
// screen) are handed over as one step, before the next transition is prepared.
#pragma once

#include <cstddef>
#include <cstdint>

#include "effects/TransitionPacing.h"
#include "export/ShowTimeline.h"

namespace lrw {

class FramePlan {
 public:
  virtual ~FramePlan() = default;
  // Timeline slide `slide` begins its transition: compose it and record its copies.
  virtual const TransitionPacing& BeginTransition(size_t slide) = 0;
  // Make copies [first, last) of that slide's transition on the screen.
  virtual void Apply(size_t slide, size_t first, size_t last) = 0;
  // The screen as it is now is frames [frame, frame + repeat); `changed` is false when it is the
  // picture of the previous step. Returns false to stop.
  virtual bool Emit(int64_t frame, int64_t repeat, bool changed) = 0;
  // Slides that change on every frame (a smooth transition, a moving picture): from this
  // time on the plan draws timeline slide `slide` itself; never for the others.
  virtual double LiveFrom(size_t /*slide*/) const { return kNeverLive; }
  // Draws the slide as it is at `seconds`; false once nothing changes any more.
  virtual bool DrawLive(size_t /*slide*/, double /*seconds*/) { return false; }

  static constexpr double kNeverLive = 1e300;
};

// Frames of a video `seconds` long (at least one).
int64_t VideoFrameCount(double seconds, double fps);

// The first frame whose time is at or after `seconds`.
int64_t FirstFrameAtOrAfter(double seconds, double fps);

// Walks the frames in order; returns false when the plan stopped it.
bool PlanFrames(const ShowTimeline& timeline, double fps, FramePlan& plan);

}  // namespace lrw
