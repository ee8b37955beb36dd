#include "export/ExportProgress.h"

#include <cmath>
#include <cstdio>

namespace lrw {

double ExportProgress::SecondsLeft() const {
  if (frame <= 0 || elapsed <= 0 || frames <= 0) return -1;
  return elapsed * static_cast<double>(frames - frame) / static_cast<double>(frame);
}

std::string FormatClock(double seconds) {
  const long total = seconds > 0 ? std::lround(seconds) : 0;
  char text[32];
  if (total >= 3600) {
    std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", total / 3600, total / 60 % 60, total % 60);
  } else {
    std::snprintf(text, sizeof text, "%ld:%02ld", total / 60, total % 60);
  }
  return text;
}

std::string ProgressLine(const ExportProgress& progress) {
  char text[160];
  const double left = progress.SecondsLeft();
  std::snprintf(text, sizeof text, "%3d%% %lld/%lld frames %.2fx real time %s left",
                static_cast<int>(std::floor(progress.Fraction() * 100)),
                static_cast<long long>(progress.frame), static_cast<long long>(progress.frames),
                progress.Speed(), left < 0 ? "-:--" : FormatClock(left).c_str());
  return text;
}

}  // namespace lrw
