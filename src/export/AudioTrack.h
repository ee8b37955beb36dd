// The sound track of a video: the show's sounds decoded, resampled to 48 kHz stereo and
// placed at their moments on the timeline, silence everywhere else, and under them the
// show's music, mixed by the same rule as the show's own audio output (MusicMix). Sounds
// are read as the track advances, so a long sound never sits in memory whole.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/ShowMusic.h"
#include "export/ShowTimeline.h"
#include "player/MusicMix.h"
#include "player/ResampledSound.h"

namespace lrw {

inline constexpr int kAudioRate = kMixRate;
inline constexpr int kAudioChannels = kMixChannels;

class MusicStream;

// The length of a sound file as the show's player plays it, in seconds; nothing when the
// player could not play it (unreadable, or too long for it).
std::optional<double> SoundFileSeconds(const std::string& utf8Path);

// The sample at or after `seconds` at 48 kHz.
int64_t AudioSampleAt(double seconds);

class AudioTrack {
 public:
  // The music starts with the video and its fade-out ends at `endSeconds`.
  explicit AudioTrack(std::vector<TimelineSound> sounds, const ShowMusic& music = {},
                      double endSeconds = 0);
  ~AudioTrack();
  AudioTrack(const AudioTrack&) = delete;
  AudioTrack& operator=(const AudioTrack&) = delete;

  // The next `count` sample frames, interleaved left and right, into `out`.
  void Read(float* out, int count);
  int64_t Position() const { return position_; }

 private:
  // Adds the music to `count` frames of which the first `slideFrames` hold a slide sound.
  void AddMusic(float* out, int count, int slideFrames);

  std::vector<TimelineSound> sounds_;
  size_t nextSound_ = 0;
  std::unique_ptr<ResampledSound> source_;  // the sound being heard
  int64_t sourceStop_ = 0;
  int64_t position_ = 0;
  std::unique_ptr<MusicStream> music_;
  std::optional<MusicEnvelope> envelope_;
  std::vector<float> scratch_;
};

}  // namespace lrw
