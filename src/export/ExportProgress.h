// How far a video export has come, and the figures shown to the user: percent, speed as a
// multiple of real time and the time left.
#pragma once

#include <cstdint>
#include <string>

namespace lrw {

struct ExportProgress {
  int64_t frame = 0;   // frames written
  int64_t frames = 0;  // frames in the video
  double fps = 30;
  double elapsed = 0;  // wall-clock seconds since the export began
  int slide = -1;      // the show's slide in the frames being written; -1 before the first

  double Fraction() const { return frames > 0 ? static_cast<double>(frame) / frames : 0.0; }
  double VideoSeconds() const { return fps > 0 ? static_cast<double>(frame) / fps : 0.0; }
  // Seconds of video made per second of work; 0 until there is something to measure.
  double Speed() const { return elapsed > 0 ? VideoSeconds() / elapsed : 0.0; }
  // Estimated seconds until the end; negative while unknown.
  double SecondsLeft() const;
};

// "1:05" or "1:02:05".
std::string FormatClock(double seconds);

// "42% 491/1170 frames 1.9x real time 0:21 left"
std::string ProgressLine(const ExportProgress& progress);

}  // namespace lrw
