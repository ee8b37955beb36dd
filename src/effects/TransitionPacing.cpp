#include "effects/TransitionPacing.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

namespace lrw {

namespace {

long long IntersectionArea(const EffectRect& a, const EffectRect& b) {
  const long long w = std::min(a.right, b.right) - std::max(a.left, b.left);
  const long long h = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
  return (w > 0 && h > 0) ? w * h : 0;
}

}  // namespace

double TransitionPacing::CopyCost(const RecordedCopy& copy, const EffectRect& paintArea,
                                  double area) {
  const double pixels = static_cast<double>(IntersectionArea(copy.to, paintArea));
  const double scale = area > 0 ? PacingCosts::kReferenceArea / area : 0.0;
  return (PacingCosts::kCopySeconds + PacingCosts::kPixelSeconds * pixels) * scale;
}

TransitionPacing::TransitionPacing(std::span<const RecordedCopy> copies,
                                   const EffectRect& paintArea, int width, int height,
                                   double factor, double devicePixelRatio) {
  dueAt_.reserve(copies.size());
  const double area = static_cast<double>(std::max(width, 1)) * std::max(height, 1);
  const bool instant = copies.size() <= 1 || !(factor > 0);
  // A copy of n device pixels writes n / r^2 logical pixels of a surface of area / r^2: its
  // pixel cost is what it is on the device surface, and its fixed cost is that of one copy of
  // the logical surface, r^2 times the device surface's.
  const double ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
  const double extraFixed =
      PacingCosts::kCopySeconds * (ratio * ratio - 1.0) * PacingCosts::kReferenceArea / area;
  double t = 0;
  for (const RecordedCopy& copy : copies) {
    if (!instant) t += (CopyCost(copy, paintArea, area) + extraFixed) * factor;
    dueAt_.push_back(t);
  }
}

size_t TransitionPacing::DueCount(double seconds) const {
  if (!dueAt_.empty() && seconds >= dueAt_.back()) return dueAt_.size();
  return static_cast<size_t>(std::upper_bound(dueAt_.begin(), dueAt_.end(), seconds) -
                             dueAt_.begin());
}

double SteadyPacingClock::Now() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

void SteadyPacingClock::WaitUntil(double seconds) {
  using namespace std::chrono;
  const double wait = seconds - Now();
  if (wait > 0) std::this_thread::sleep_for(duration<double>(wait));
}

int PlayPaced(const TransitionPacing& pacing, PacingClock& clock, double frameSeconds,
              const std::function<void(size_t first, size_t last)>& present) {
  const size_t count = pacing.Size();
  if (count == 0) return 0;
  if (!(frameSeconds > 0)) frameSeconds = 1.0 / PacingCosts::kMaxFramesPerSecond;
  const double start = clock.Now();
  size_t done = 0;
  int frames = 0;
  double tick = 0;  // frame grid index of the last wait
  for (;;) {
    const double elapsed = clock.Now() - start;
    const size_t due = pacing.DueCount(elapsed);
    if (due > done) {
      present(done, due);
      done = due;
      ++frames;
    }
    if (done == count) break;
    // Next tick on the frame grid; a late frame is followed by the next one at once.
    tick = std::max(tick + 1, std::floor(elapsed / frameSeconds) + 1);
    clock.WaitUntil(start + tick * frameSeconds);
  }
  return frames;
}

}  // namespace lrw
