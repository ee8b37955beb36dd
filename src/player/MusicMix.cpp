#include "player/MusicMix.h"

#include <algorithm>

namespace lrw {

MusicEnvelope::MusicEnvelope(const ShowMusic& music, int rate)
    : volume_(std::clamp(music.volumePercent, 0, 100) / 100.0),
      fadeInFrames_(int64_t{std::max(music.fadeInMs, 0)} * rate / 1000),
      fadeOutFrames_(int64_t{std::max(music.fadeOutMs, 0)} * rate / 1000),
      duckStep_((1.0 - kDuckLevel) / std::max<int64_t>(1, int64_t{kDuckRampMs} * rate / 1000)),
      rate_(rate) {}

void MusicEnvelope::EndAt(int64_t frame) {
  end_ = frame;
}

void MusicEnvelope::FadeAwayFrom(int64_t frame, int ms) {
  if (awayFrom_ >= 0 && awayFrom_ <= frame) return;  // already fading
  awayFrom_ = frame;
  awayFrames_ = std::max<int64_t>(1, int64_t{ms} * rate_ / 1000);
}

void MusicEnvelope::Restart() {
  position_ = 0;
  duck_ = 1.0;
  end_ = -1;
  awayFrom_ = -1;
}

bool MusicEnvelope::Silent() const {
  return (end_ >= 0 && position_ >= end_) ||
         (awayFrom_ >= 0 && position_ >= awayFrom_ + awayFrames_);
}

void MusicEnvelope::Apply(float* stereo, int count, bool ducked) {
  for (int i = 0; i < count; ++i, ++position_) {
    duck_ = ducked ? std::max(kDuckLevel, duck_ - duckStep_) : std::min(1.0, duck_ + duckStep_);
    double gain = volume_ * duck_;
    if (position_ < fadeInFrames_) gain *= static_cast<double>(position_) / fadeInFrames_;
    if (end_ >= 0) {
      const int64_t left = end_ - position_;
      if (left <= 0) {
        gain = 0;
      } else if (left < fadeOutFrames_) {
        gain *= static_cast<double>(left) / fadeOutFrames_;
      }
    }
    if (awayFrom_ >= 0 && position_ >= awayFrom_) {
      gain *= std::max(0.0, 1.0 - static_cast<double>(position_ - awayFrom_) / awayFrames_);
    }
    stereo[2 * i] *= static_cast<float>(gain);
    stereo[2 * i + 1] *= static_cast<float>(gain);
  }
}

void MixMusicInto(float* out, int count, int slideFrames, FrameSource& music,
                  MusicEnvelope& envelope, std::vector<float>& scratch) {
  if (count <= 0) return;
  scratch.assign(static_cast<size_t>(count) * 2, 0.0f);
  // Past its end the music is silence; the envelope still keeps time.
  if (!envelope.Silent()) music.Read(scratch.data(), count);
  const int ducked = std::clamp(slideFrames, 0, count);
  envelope.Apply(scratch.data(), ducked, true);
  envelope.Apply(scratch.data() + 2 * ducked, count - ducked, false);
  for (size_t i = 0; i < scratch.size(); ++i) out[i] += scratch[i];
}

}  // namespace lrw
