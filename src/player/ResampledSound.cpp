#include "player/ResampledSound.h"

extern "C" {
#include <libavutil/channel_layout.h>
#include <libswresample/swresample.h>
}

#include <algorithm>
#include <cstring>

namespace lrw {

namespace {
constexpr int kReadFrames = 4096;
}

struct ResampledSound::Resampler {
  SwrContext* swr = nullptr;
  ~Resampler() { swr_free(&swr); }
};

ResampledSound::ResampledSound(Key) {}

Result<std::unique_ptr<ResampledSound>> ResampledSound::Open(const std::string& utf8Path) {
  auto sound = std::make_unique<ResampledSound>(Key());
  AudioDecoder& decoder = sound->decoder_;
  if (Result<void> opened = decoder.Open(utf8Path); !opened) return Fail(opened.error());
  if (decoder.Rate() != kMixRate) {
    sound->swr_ = std::make_unique<Resampler>();
    AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
    if (swr_alloc_set_opts2(&sound->swr_->swr, &stereo, AV_SAMPLE_FMT_FLT, kMixRate, &stereo,
                            AV_SAMPLE_FMT_FLT, decoder.Rate(), 0, nullptr) < 0 ||
        swr_init(sound->swr_->swr) < 0) {
      return Fail("its sound cannot be converted.");
    }
  }
  if (decoder.Frames() >= 0) sound->frames_ = decoder.Frames() * kMixRate / decoder.Rate();
  return sound;
}

ResampledSound::~ResampledSound() = default;

int ResampledSound::Read(float* out, int count) {
  std::fill_n(out, static_cast<size_t>(count) * kMixChannels, 0.0f);
  return Mix(out, count);
}

int ResampledSound::Mix(float* out, int count) {
  int made = 0;
  while (made < count) {
    if (offset_ == pending_.size() / kMixChannels) {
      if (!Refill()) break;
      continue;
    }
    const size_t available = pending_.size() / kMixChannels - offset_;
    const size_t n = std::min(available, static_cast<size_t>(count - made));
    const float* from = pending_.data() + offset_ * kMixChannels;
    float* to = out + static_cast<size_t>(made) * kMixChannels;
    for (size_t i = 0; i < n * kMixChannels; ++i) to[i] += from[i];
    offset_ += n;
    made += static_cast<int>(n);
  }
  return made;
}

bool ResampledSound::Refill() {
  pending_.clear();
  offset_ = 0;
  if (fileDone_ && !swr_) return false;
  int got = 0;
  stereo_.clear();
  if (!fileDone_) {
    const int channels = decoder_.Channels();
    raw_.resize(static_cast<size_t>(kReadFrames) * channels);
    got = decoder_.Read(raw_.data(), kReadFrames);
    if (got <= 0) {
      fileDone_ = true;
      got = 0;
    }
    stereo_.resize(static_cast<size_t>(got) * kMixChannels);
    for (int i = 0; i < got; ++i) {
      const float* frame = raw_.data() + static_cast<size_t>(i) * channels;
      stereo_[2 * i] = frame[0];
      stereo_[2 * i + 1] = channels > 1 ? frame[1] : frame[0];
    }
  }
  if (!swr_) {
    pending_.swap(stereo_);
    return !pending_.empty();
  }
  // At the end of the file the resampler gives out what it still holds.
  const int room = swr_get_out_samples(swr_->swr, got);
  if (room <= 0) {
    swr_.reset();
    return false;
  }
  pending_.resize(static_cast<size_t>(room) * kMixChannels);
  uint8_t* outPlanes[] = {reinterpret_cast<uint8_t*>(pending_.data())};
  const uint8_t* inPlanes[] = {reinterpret_cast<const uint8_t*>(stereo_.data())};
  const int made =
      swr_convert(swr_->swr, outPlanes, room, fileDone_ ? nullptr : inPlanes, fileDone_ ? 0 : got);
  pending_.resize(static_cast<size_t>(std::max(made, 0)) * kMixChannels);
  if (fileDone_) swr_.reset();
  return true;
}

}  // namespace lrw
