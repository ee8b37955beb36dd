// Pacing of a transition: every copy has a fixed virtual cost, so a transition lasts as long as
// its copy sequence says, whatever the speed of the computer or the size of the screen. The
// copies are played in real time, one frame per display refresh.
#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <vector>

#include "effects/RecordingEffectTarget.h"
#include "effects/RunEffect.h"

namespace lrw {

// The cost model. Costs are stated for a 1024 x 768 surface and scaled by the ratio of that area
// to the real one, so that a whole-surface transition takes the same time on every screen: a
// box effect lasts about 2.5 s with boxes of 2 pixels and about 0.15 s with boxes of 10.
struct PacingCosts {
  static constexpr double kReferenceArea = 1024.0 * 768.0;
  static constexpr double kCopySeconds = 12.396e-6;  // every copy
  static constexpr double kPixelSeconds = 65.72e-9;  // every pixel a copy writes
  static constexpr double kMaxFramesPerSecond = 60.0;
};

class TransitionPacing {
 public:
  // `copies` in the order they are made; only the part of each copy's target inside `paintArea`
  // counts as pixels written (the picture's bounds, or the part being repainted). `width` and
  // `height` give the size of the whole surface. `factor` stretches time: 1 is the designed
  // speed, 0 plays everything at once. A sequence of one copy is always presented at once.
  // Copies given in device pixels of a HiDPI screen (`devicePixelRatio` of them to a logical
  // pixel, boxes grown to match) cost what the same copies of the logical surface cost.
  TransitionPacing(std::span<const RecordedCopy> copies, const EffectRect& paintArea, int width,
                   int height, double factor = 1.0, double devicePixelRatio = 1.0);

  size_t Size() const { return dueAt_.size(); }
  // Seconds from the start until the last copy is due.
  double Duration() const { return dueAt_.empty() ? 0.0 : dueAt_.back(); }
  // The number of leading copies that are due `seconds` after the start.
  size_t DueCount(double seconds) const;
  // The virtual cost of one copy at the designed speed, in seconds of a whole-surface
  // transition on a surface of `area` pixels.
  static double CopyCost(const RecordedCopy& copy, const EffectRect& paintArea, double area);

 private:
  std::vector<double> dueAt_;  // cumulative: when each copy is due
};

// Time for the frame loop; tests use a fake one.
class PacingClock {
 public:
  virtual ~PacingClock() = default;
  virtual double Now() = 0;                    // seconds, monotonic
  virtual void WaitUntil(double seconds) = 0;  // returns at once when the time has passed
};

class SteadyPacingClock : public PacingClock {
 public:
  double Now() override;
  void WaitUntil(double seconds) override;
};

// Plays the sequence: at the start and then once every `frameSeconds` it hands the copies that
// have become due since the previous frame to `present(first, last)` (a half-open range). Ticks
// without new copies present nothing. The last frame holds the last copy. A frame that runs
// late is followed at once by the next, so the whole takes Duration() plus at most one frame.
// Returns the number of frames presented.
int PlayPaced(const TransitionPacing& pacing, PacingClock& clock, double frameSeconds,
              const std::function<void(size_t first, size_t last)>& present);

}  // namespace lrw
