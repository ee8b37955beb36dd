#include "export/AudioTrack.h"

extern "C" {
#include <libavutil/channel_layout.h>
#include <libswresample/swresample.h>
}
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "player/MediaPlayer.h"

namespace lrw {

namespace {

constexpr int kReadFrames = 4096;

struct SndFileCloser {
  void operator()(SNDFILE* f) const { sf_close(f); }
};
using SndFilePtr = std::unique_ptr<SNDFILE, SndFileCloser>;

struct SwrFreer {
  void operator()(SwrContext* s) const { swr_free(&s); }
};

}  // namespace

std::optional<double> SoundFileSeconds(const std::string& utf8Path) {
  SF_INFO info{};
  SndFilePtr file(sf_open(utf8Path.c_str(), SFM_READ, &info));
  if (!file || info.channels <= 0 || info.samplerate <= 0 || info.frames < 0) return std::nullopt;
  if (info.frames * info.channels > MediaPlayer::kMaxSamples) return std::nullopt;
  return static_cast<double>(info.frames) / info.samplerate;
}

int64_t AudioSampleAt(double seconds) {
  return std::max<int64_t>(0, std::llround(seconds * kAudioRate));
}

// One sound file, decoded and resampled as it is heard. The show's player plays the first two
// channels and a mono sound on both sides alike.
class AudioTrack::Source {
 public:
  explicit Source(const std::string& path) {
    SF_INFO info{};
    file_.reset(sf_open(path.c_str(), SFM_READ, &info));
    if (!file_ || info.channels <= 0 || info.samplerate <= 0) {
      file_.reset();
      return;
    }
    channels_ = info.channels;
    if (info.samplerate != kAudioRate) {
      SwrContext* swr = nullptr;
      AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
      if (swr_alloc_set_opts2(&swr, &stereo, AV_SAMPLE_FMT_FLT, kAudioRate, &stereo,
                              AV_SAMPLE_FMT_FLT, info.samplerate, 0, nullptr) < 0 ||
          swr_init(swr) < 0) {
        swr_free(&swr);
        file_.reset();
        return;
      }
      swr_.reset(swr);
    }
  }

  // Adds up to `count` frames of the sound to `out`; returns how many it had.
  int Mix(float* out, int count) {
    int made = 0;
    while (made < count) {
      if (offset_ == pending_.size() / kAudioChannels) {
        if (!Refill()) break;
        continue;
      }
      const size_t available = pending_.size() / kAudioChannels - offset_;
      const size_t n = std::min(available, static_cast<size_t>(count - made));
      const float* from = pending_.data() + offset_ * kAudioChannels;
      float* to = out + static_cast<size_t>(made) * kAudioChannels;
      for (size_t i = 0; i < n * kAudioChannels; ++i) to[i] += from[i];
      offset_ += n;
      made += static_cast<int>(n);
    }
    return made;
  }

 private:
  // Decodes the next block into `pending_`; false at the end of the sound.
  bool Refill() {
    pending_.clear();
    offset_ = 0;
    if (!file_ && !swr_) return false;
    std::vector<float> stereo;
    sf_count_t got = 0;
    if (file_) {
      raw_.resize(static_cast<size_t>(kReadFrames) * channels_);
      got = sf_readf_float(file_.get(), raw_.data(), kReadFrames);
      if (got <= 0) {
        file_.reset();
        got = 0;
      }
      stereo.resize(static_cast<size_t>(got) * kAudioChannels);
      for (sf_count_t i = 0; i < got; ++i) {
        const float* frame = raw_.data() + i * channels_;
        stereo[i * 2] = frame[0];
        stereo[i * 2 + 1] = channels_ > 1 ? frame[1] : frame[0];
      }
    }
    if (!swr_) {
      pending_ = std::move(stereo);
      return !pending_.empty();
    }
    // At the end of the file the resampler gives out what it still holds.
    const int inCount = static_cast<int>(got);
    const int room = swr_get_out_samples(swr_.get(), inCount);
    if (room <= 0) {
      swr_.reset();
      return false;
    }
    pending_.resize(static_cast<size_t>(room) * kAudioChannels);
    uint8_t* outPlanes[] = {reinterpret_cast<uint8_t*>(pending_.data())};
    const uint8_t* inPlanes[] = {reinterpret_cast<const uint8_t*>(stereo.data())};
    const int made =
        swr_convert(swr_.get(), outPlanes, room, file_ ? inPlanes : nullptr, file_ ? inCount : 0);
    pending_.resize(static_cast<size_t>(std::max(made, 0)) * kAudioChannels);
    if (!file_) swr_.reset();
    return true;
  }

  SndFilePtr file_;
  std::unique_ptr<SwrContext, SwrFreer> swr_;
  int channels_ = 0;
  std::vector<float> raw_;
  std::vector<float> pending_;  // resampled, interleaved stereo
  size_t offset_ = 0;           // frames of `pending_` already given out
};

AudioTrack::AudioTrack(std::vector<TimelineSound> sounds) : sounds_(std::move(sounds)) {}

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
      if (sourceStop_ > now) source_ = std::make_unique<Source>(sound.file);
      continue;
    }
    // Up to the next moment a sound starts or stops, or the end of the request.
    int64_t until = position_ + count;
    if (source_) until = std::min(until, sourceStop_);
    if (nextSound_ < sounds_.size()) {
      until = std::min(until, AudioSampleAt(sounds_[nextSound_].start));
    }
    const int n = static_cast<int>(until - now);
    if (source_ && source_->Mix(out + static_cast<size_t>(done) * kAudioChannels, n) < n) {
      source_.reset();  // the sound has ended; silence follows
    }
    done += n;
  }
  position_ += count;
}

}  // namespace lrw
