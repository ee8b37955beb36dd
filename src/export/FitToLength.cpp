#include "export/FitToLength.h"

#include <algorithm>
#include <cmath>

namespace lrw {

std::optional<std::vector<int16_t>> FitTimedSlides(const std::vector<SlideRecord>& slides,
                                                   double seconds, double enterSeconds,
                                                   const TimelineSources& sources) {
  std::vector<size_t> timed;
  std::vector<SlideRecord> zeroed = slides;
  for (size_t i = 0; i < slides.size(); ++i) {
    if (slides[i].DurationMode == DurationMode::TimeElapsed) {
      timed.push_back(i);
      zeroed[i].ExtraSeconds = 0;
    }
  }
  if (timed.empty()) return std::nullopt;
  // Everything but the timed slides' own seconds.
  const double fixed = BuildShowTimeline(zeroed, enterSeconds, sources).duration;
  const double share = std::max(0.0, seconds - fixed);
  // Whole seconds: the remainder goes one second each to the first slides.
  const long total = std::lround(share);
  const long each = total / static_cast<long>(timed.size());
  long extra = total % static_cast<long>(timed.size());
  std::vector<int16_t> result;
  for (const SlideRecord& s : slides) result.push_back(s.ExtraSeconds);
  for (size_t i : timed) {
    const long value = each + (extra > 0 ? 1 : 0);
    if (extra > 0) --extra;
    result[i] = static_cast<int16_t>(std::clamp(value, 0L, 120L));
  }
  return result;
}

}  // namespace lrw
