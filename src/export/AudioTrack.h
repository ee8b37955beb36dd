// The sound track of a video: the show's sounds decoded with libsndfile, resampled to 48 kHz
// stereo and placed at their moments on the timeline, silence everywhere else. Sounds are read
// as the track advances, so a long sound never sits in memory whole.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "export/ShowTimeline.h"

namespace lrw {

inline constexpr int kAudioRate = 48000;
inline constexpr int kAudioChannels = 2;

// The length of a sound file as the show's player plays it, in seconds; nothing when the
// player could not play it (unreadable, or too long for it).
std::optional<double> SoundFileSeconds(const std::string& utf8Path);

// The sample at or after `seconds` at 48 kHz.
int64_t AudioSampleAt(double seconds);

class AudioTrack {
 public:
  explicit AudioTrack(std::vector<TimelineSound> sounds);
  ~AudioTrack();
  AudioTrack(const AudioTrack&) = delete;
  AudioTrack& operator=(const AudioTrack&) = delete;

  // The next `count` sample frames, interleaved left and right, into `out`.
  void Read(float* out, int count);
  int64_t Position() const { return position_; }

 private:
  class Source;
  std::vector<TimelineSound> sounds_;
  size_t nextSound_ = 0;
  std::unique_ptr<Source> source_;  // the sound being heard
  int64_t sourceStop_ = 0;
  int64_t position_ = 0;
};

}  // namespace lrw
