#include "player/MusicStream.h"

#include <algorithm>

#include "player/ResampledSound.h"

namespace lrw {

MusicStream::MusicStream(const ShowMusic& music) : tracks_(music.tracks), loop_(music.loopList) {}

MusicStream::~MusicStream() = default;

void MusicStream::Restart() {
  current_.reset();
  next_ = 0;
}

bool MusicStream::OpenNext() {
  current_.reset();
  // One round over the list at most: a list of which nothing plays ends.
  for (size_t tried = 0; tried < tracks_.size(); ++tried) {
    if (next_ >= tracks_.size()) {
      if (!loop_) return false;
      next_ = 0;
    }
    const std::string& path = tracks_[next_++];
    Result<std::unique_ptr<ResampledSound>> sound = ResampledSound::Open(path);
    if (sound) {
      current_ = std::move(*sound);
      return true;
    }
    if (skipped_.size() < tracks_.size()) skipped_.push_back(path + ": " + sound.error().message);
  }
  return false;
}

int MusicStream::Read(float* out, int count) {
  std::fill_n(out, static_cast<size_t>(count) * kMixChannels, 0.0f);
  int made = 0;
  int emptyOpens = 0;
  while (made < count) {
    if (!current_ && !OpenNext()) break;
    const int got = current_->Mix(out + static_cast<size_t>(made) * kMixChannels, count - made);
    made += got;
    if (made < count) {
      current_.reset();
      // Files that open but give no sound must not keep a looping list spinning here.
      if (got == 0 && ++emptyOpens > static_cast<int>(tracks_.size())) break;
    }
  }
  return made;
}

double MusicSeconds(const ShowMusic& music) {
  double seconds = 0;
  for (const std::string& track : music.tracks) {
    const auto sound = ResampledSound::Open(track);
    if (sound && (*sound)->Frames() > 0) {
      seconds += static_cast<double>((*sound)->Frames()) / kMixRate;
    }
  }
  return seconds;
}

}  // namespace lrw
