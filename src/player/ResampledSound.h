// One sound file decoded and resampled to the mixing rate, 48 kHz stereo float, as it is
// heard, so that a long file never sits in memory whole. A mono sound is heard on both
// sides alike; of more channels the first two. Used by the video export's sound track
// and by the show's audio output, so that both hear a file alike.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "player/AudioDecoder.h"
#include "player/MusicMix.h"

namespace lrw {

inline constexpr int kMixRate = 48000;
inline constexpr int kMixChannels = 2;

class ResampledSound : public FrameSource {
 public:
  // A file that cannot be read gives no frames; `Ok()` says so and `Reason()` why.
  explicit ResampledSound(const std::string& utf8Path);
  ~ResampledSound() override;
  ResampledSound(const ResampledSound&) = delete;
  ResampledSound& operator=(const ResampledSound&) = delete;

  bool Ok() const { return ok_; }
  const std::string& Reason() const { return reason_; }
  // The declared length at the mixing rate; -1 when unknown.
  int64_t Frames() const { return frames_; }

  // Writes up to `count` frames; fewer at the end of the sound.
  int Read(float* out, int count) override;
  // Adds up to `count` frames to what `out` holds; returns how many it had.
  int Mix(float* out, int count);

 private:
  bool Refill();

  AudioDecoder decoder_;
  struct Resampler;
  std::unique_ptr<Resampler> swr_;
  bool ok_ = false;
  bool fileDone_ = false;
  std::string reason_;
  int64_t frames_ = -1;
  std::vector<float> raw_;
  std::vector<float> stereo_;
  std::vector<float> pending_;  // resampled, interleaved stereo
  size_t offset_ = 0;           // frames of `pending_` already given out
};

}  // namespace lrw
