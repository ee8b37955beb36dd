#include "export/AudioTrack.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "player/AudioDecoder.h"
#include "player/MediaPlayer.h"
#include "player/MusicStream.h"

namespace lrw {

std::optional<double> SoundFileSeconds(const std::string& utf8Path) {
  AudioDecoder file;
  if (!file.Open(utf8Path) || file.Frames() < 0) return std::nullopt;
  if (file.Frames() * file.Channels() > MediaPlayer::kMaxSamples) return std::nullopt;
  return static_cast<double>(file.Frames()) / file.Rate();
}

int64_t AudioSampleAt(double seconds) {
  return std::max<int64_t>(0, std::llround(seconds * kAudioRate));
}

AudioTrack::AudioTrack(std::vector<TimelineSound> sounds, const ShowMusic& music, double endSeconds)
    : sounds_(std::move(sounds)) {
  if (music.Present()) {
    music_ = std::make_unique<MusicStream>(music);
    envelope_.emplace(music, kAudioRate);
    envelope_->EndAt(AudioSampleAt(endSeconds));
  }
}

void AudioTrack::AddMusic(float* out, int count, int slideFrames) {
  if (music_) MixMusicInto(out, count, slideFrames, *music_, *envelope_, scratch_);
}

AudioTrack::~AudioTrack() = default;

void AudioTrack::Read(float* out, int count) {
  std::fill_n(out, static_cast<size_t>(count) * kAudioChannels, 0.0f);
  int done = 0;
  while (done < count) {
    const int64_t now = position_ + done;
    if (source_ && now >= sourceStop_) source_.reset();
    if (nextSound_ < sounds_.size() && AudioSampleAt(sounds_[nextSound_].start) <= now) {
      // A new sound replaces the one playing, as in the show.
      const TimelineSound& sound = sounds_[nextSound_++];
      source_.reset();
      sourceStop_ = AudioSampleAt(sound.stop);
      if (sourceStop_ > now) {
        // A sound that cannot be read is silence, as in the show.
        if (auto opened = ResampledSound::Open(sound.file)) source_ = std::move(*opened);
      }
      continue;
    }
    // Up to the next moment a sound starts or stops, or the end of the request.
    int64_t until = position_ + count;
    if (source_) until = std::min(until, sourceStop_);
    if (nextSound_ < sounds_.size()) {
      until = std::min(until, AudioSampleAt(sounds_[nextSound_].start));
    }
    const int n = static_cast<int>(until - now);
    float* at = out + static_cast<size_t>(done) * kAudioChannels;
    const int heard = source_ ? source_->Mix(at, n) : 0;
    if (source_ && heard < n) source_.reset();  // the sound has ended; silence follows
    AddMusic(at, n, heard);
    done += n;
  }
  position_ += count;
}

}  // namespace lrw
