// One sound file decoded and resampled to the mixing rate, 48 kHz stereo float, as it is
// heard, so that a long file never sits in memory whole. A mono sound is heard on both
// sides alike; of more channels the first two. Used by the video export's sound track
// and by the show's audio output, so that both hear a file alike.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "base/Result.h"
#include "player/AudioDecoder.h"
#include "player/MusicMix.h"

namespace lrw {

inline constexpr int kMixRate = 48000;
inline constexpr int kMixChannels = 2;

class ResampledSound : public FrameSource {
 public:
  // The sound of the file, or why it cannot be read (a sentence, for "... cannot be
  // played: ").
  static Result<std::unique_ptr<ResampledSound>> Open(const std::string& utf8Path);
  // Only Open makes one.
  class Key {
    friend class ResampledSound;
    Key() = default;
  };
  explicit ResampledSound(Key);
  ~ResampledSound() override;
  ResampledSound(const ResampledSound&) = delete;
  ResampledSound& operator=(const ResampledSound&) = delete;
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
  bool fileDone_ = false;
  int64_t frames_ = -1;
  std::vector<float> raw_;
  std::vector<float> stereo_;
  std::vector<float> pending_;  // resampled, interleaved stereo
  size_t offset_ = 0;           // frames of `pending_` already given out
};

}  // namespace lrw
