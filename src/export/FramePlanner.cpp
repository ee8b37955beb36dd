#include "export/FramePlanner.h"

#include <algorithm>
#include <cmath>

namespace lrw {

namespace {

// Frame times are k / fps; a time computed as a sum of seconds may miss one by rounding.
constexpr double kFrameEpsilon = 1e-9;

}  // namespace

int64_t VideoFrameCount(double seconds, double fps) {
  return std::max<int64_t>(1, std::llround(seconds * fps));
}

int64_t FirstFrameAtOrAfter(double seconds, double fps) {
  return std::max<int64_t>(0, static_cast<int64_t>(std::ceil(seconds * fps - kFrameEpsilon)));
}

bool PlanFrames(const ShowTimeline& timeline, double fps, FramePlan& plan) {
  const int64_t frames = VideoFrameCount(timeline.duration, fps);
  const size_t count = timeline.slides.size();
  size_t next = 0;                           // the next slide to begin
  const TransitionPacing* pacing = nullptr;  // of the slide on screen (next - 1)
  size_t done = 0;                           // its copies made
  bool changed = true;

  for (int64_t frame = 0; frame < frames;) {
    const double t = static_cast<double>(frame) / fps;
    // Transitions that begin by this frame; one that is overtaken is finished first.
    while (next < count && timeline.slides[next].start <= t + kFrameEpsilon) {
      if (pacing && done < pacing->Size()) {
        plan.Apply(next - 1, done, pacing->Size());
        changed = true;
      }
      pacing = &plan.BeginTransition(next);
      done = 0;
      ++next;
    }
    if (pacing && done < pacing->Size()) {
      const double since = t - timeline.slides[next - 1].start;
      size_t due = pacing->DueCount(since + kFrameEpsilon);
      if (t + kFrameEpsilon >= timeline.slides[next - 1].shown) due = pacing->Size();
      if (due > done) {
        plan.Apply(next - 1, done, due);
        done = due;
        changed = true;
      }
    }
    // A slide drawn frame by frame changes on every frame until it says it is done.
    bool live = false;
    if (pacing && t + kFrameEpsilon >= plan.LiveFrom(next - 1)) {
      live = plan.DrawLive(next - 1, t);
      changed |= live;
    }
    // A finished transition (or the black before the first) holds until the next begins.
    int64_t repeat = 1;
    if (!live && (!pacing || done == pacing->Size())) {
      int64_t until = next < count ? FirstFrameAtOrAfter(timeline.slides[next].start, fps) : frames;
      const double liveFrom = pacing ? plan.LiveFrom(next - 1) : FramePlan::kNeverLive;
      if (liveFrom < FramePlan::kNeverLive && t + kFrameEpsilon < liveFrom) {
        until = std::min(until, FirstFrameAtOrAfter(liveFrom, fps));
      }
      repeat = std::max<int64_t>(1, std::min(until, frames) - frame);
    }
    if (!plan.Emit(frame, repeat, changed)) return false;
    changed = false;
    frame += repeat;
  }
  return true;
}

}  // namespace lrw
