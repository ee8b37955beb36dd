#include "player/MediaPlayer.h"

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <vector>

#include "document/Paths.h"
#include "player/AudioDecoder.h"

namespace lrw {

namespace {

// A library's reason as the end of our sentence: the libraries' texts sometimes end with a
// full stop of their own, sometimes not, and sometimes with a line break.
std::string AsSentenceEnd(std::string reason) {
  while (!reason.empty() && std::strchr(" \t\r\n", reason.back())) reason.pop_back();
  if (reason.empty() || !std::strchr(".!?", reason.back())) reason += '.';
  return reason;
}

// A sound decoded whole, as the output plays it.
struct DecodedSound {
  std::vector<int16_t> samples;  // interleaved, `channels` per frame
  int channels = 0;
  int rate = 0;
};

Unexpected<Error> CannotOpen(const Error& why, const std::string& shown) {
  if (why.kind == ErrorKind::Damaged) return Fail("The sound file \"" + shown + "\" is damaged.");
  return Fail("The sound file \"" + shown + "\" cannot be played: " + AsSentenceEnd(why.message));
}

// The file's sound as 16-bit samples, at most two channels. One of more than
// MediaPlayer::kMaxSamples samples fails as ErrorKind::TooLarge.
Result<DecodedSound> DecodeSound(const std::string& path) {
  const std::string shown = FileNameOf(path);
  AudioDecoder file;
  if (const Result<void> opened = file.Open(path); !opened) {
    return CannotOpen(opened.error(), shown);
  }
  const int channels = file.Channels();  // more than two: the first two are played
  const auto tooLong = [&shown] {
    return Fail(ErrorKind::TooLarge, "The sound file \"" + shown + "\" is too long to be played.");
  };
  if (file.Frames() >= 0 && file.Frames() * channels > MediaPlayer::kMaxSamples) return tooLong();

  // A file that does not declare its length is held to the same limit while it decodes.
  DecodedSound sound;
  sound.channels = channels;
  sound.rate = file.Rate();
  std::vector<int16_t>& decoded = sound.samples;
  if (file.Frames() > 0) decoded.reserve(static_cast<size_t>(file.Frames()) * channels);
  std::vector<float> block(size_t{8192} * channels);
  for (;;) {
    const int got = file.Read(block.data(), 8192);
    if (got <= 0) break;
    if (static_cast<int64_t>(decoded.size()) + int64_t{got} * channels > MediaPlayer::kMaxSamples) {
      return tooLong();
    }
    for (size_t i = 0; i < static_cast<size_t>(got) * channels; ++i) {
      // The scale libsndfile reads 16-bit samples with, so that they come back exactly.
      decoded.push_back(static_cast<int16_t>(
          std::clamp(std::lround(block[i] * 32768.0f), long{-32768}, long{32767})));
    }
  }
  if (decoded.empty() && file.Frames() > 0) {
    return Fail("The sound file \"" + shown + "\" cannot be read: it is damaged.");
  }
  return sound;
}

}  // namespace

struct MediaPlayer::Core : std::enable_shared_from_this<Core> {
  MediaPlayer* owner = nullptr;
  PostFunction post;
  std::vector<int16_t> samples;  // interleaved, `channels` per frame
  int channels = 0;
  int rate = 0;
  size_t frames = 0;
  SDL_AudioDeviceID device = 0;
  bool sdlStarted = false;
  uint64_t lastPlayId = 0;

  // Shared with the audio thread.
  std::atomic<size_t> position{0};
  std::atomic<size_t> endFrame{0};
  std::atomic<bool> playing{false};
  std::atomic<uint64_t> notifyPlayId{0};  // the play whose end is reported; 0: none

  static void SDLCALL Fill(void* user, Uint8* stream, int len) {
    auto* core = static_cast<Core*>(user);
    const size_t frameBytes = sizeof(int16_t) * static_cast<size_t>(core->channels);
    const size_t wanted = static_cast<size_t>(len) / frameBytes;
    const size_t pos = core->position.load();
    const size_t end = core->endFrame.load();
    const size_t n = core->playing.load() && pos < end ? std::min(wanted, end - pos) : 0;
    if (n > 0) std::memcpy(stream, core->samples.data() + pos * core->channels, n * frameBytes);
    std::memset(stream + n * frameBytes, 0, static_cast<size_t>(len) - n * frameBytes);
    core->position.store(pos + n);
    // The last samples went out with the previous buffer: the play is over.
    if (n == 0 && core->playing.exchange(false)) {
      const uint64_t id = core->notifyPlayId.load();
      if (id != 0 && core->post) {
        core->post([weak = core->weak_from_this(), id] {
          if (auto alive = weak.lock()) alive->Deliver(id);
        });
      }
    }
  }

  void Deliver(uint64_t id) {
    if (id == 0 || notifyPlayId.load() != id) return;  // stopped, closed or replayed since
    notifyPlayId.store(0);
    if (owner && owner->OnNotify) owner->OnNotify();
  }

  void CloseDevice() {
    if (device != 0) {
      SDL_CloseAudioDevice(device);  // waits for a running callback
      device = 0;
    }
    if (sdlStarted) {
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      sdlStarted = false;
    }
    playing.store(false);
    notifyPlayId.store(0);
    samples.clear();
    samples.shrink_to_fit();
    frames = 0;
    position.store(0);
    endFrame.store(0);
  }

  // Takes the sound and opens the audio output for it.
  Result<void> Start(DecodedSound sound) {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
      return Fail(std::string("No sound output is available: ") + AsSentenceEnd(SDL_GetError()));
    }
    sdlStarted = true;
    channels = sound.channels;
    rate = sound.rate;
    frames = sound.samples.size() / static_cast<size_t>(channels);
    samples = std::move(sound.samples);
    position.store(0);
    endFrame.store(frames);

    SDL_AudioSpec want{};
    want.freq = rate;
    want.format = AUDIO_S16SYS;
    want.channels = static_cast<Uint8>(channels);
    want.samples = 2048;
    want.callback = &Core::Fill;
    want.userdata = this;
    SDL_AudioSpec have{};
    // SDL converts to what the output supports.
    device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (device == 0) {
      const std::string reason = SDL_GetError();
      CloseDevice();
      return Fail("The sound output cannot be opened: " + AsSentenceEnd(reason));
    }
    return {};
  }
};

MediaPlayer::MediaPlayer(PostFunction postToOwner)
    : post_(std::move(postToOwner)), core_(std::make_shared<Core>()) {
  core_->owner = this;
  core_->post = post_;
}

MediaPlayer::~MediaPlayer() {
  core_->CloseDevice();
}

Unexpected<lrw::Error> MediaPlayer::Failed(MediaError code, lrw::Error error) {
  error_ = code;
  errorMessage_ = error.message;
  return Fail(std::move(error));
}

void MediaPlayer::Succeed() {
  error_ = MediaError::Ok;
  errorMessage_.clear();
}

MediaMode MediaPlayer::Mode() const {
  if (core_->device == 0) return MediaMode::NotOpen;
  return core_->playing.load() ? MediaMode::Playing : MediaMode::Stopped;
}

Result<void> MediaPlayer::Open() {
  core_->CloseDevice();
  Result<DecodedSound> sound = DecodeSound(fileName_);
  if (!sound) {
    const MediaError code =
        sound.error().kind == ErrorKind::TooLarge ? MediaError::TooLong : MediaError::FileError;
    return Failed(code, std::move(sound).error());
  }
  if (Result<void> output = core_->Start(std::move(*sound)); !output) {
    return Failed(MediaError::DeviceError, std::move(output).error());
  }
  Succeed();
  return {};
}

void MediaPlayer::Play() {
  if (core_->device == 0) {
    Failed(MediaError::NotOpen, lrw::Error("No sound file is open."));
    return;
  }
  SDL_LockAudioDevice(core_->device);
  if (core_->position.load() >= core_->endFrame.load()) core_->position.store(0);
  core_->notifyPlayId.store(notify_ ? ++core_->lastPlayId : 0);
  core_->playing.store(true);
  SDL_UnlockAudioDevice(core_->device);
  SDL_PauseAudioDevice(core_->device, 0);
  Succeed();
  if (wait_) {
    // An output that stops taking samples must not hang the program: give up a while
    // after the sound should have ended.
    const size_t left =
        core_->endFrame.load() - std::min(core_->position.load(), core_->endFrame.load());
    const Uint64 limit = SDL_GetTicks64() + left * 1000 / static_cast<size_t>(core_->rate) + 2000;
    while (core_->playing.load() && SDL_GetTicks64() < limit) SDL_Delay(5);
    if (core_->playing.load()) {
      Stop();
    } else {
      SDL_PauseAudioDevice(core_->device, 1);
    }
  }
}

void MediaPlayer::Stop() {
  if (core_->device == 0) {
    Failed(MediaError::NotOpen, lrw::Error("No sound file is open."));
    return;
  }
  SDL_PauseAudioDevice(core_->device, 1);
  SDL_LockAudioDevice(core_->device);
  core_->playing.store(false);
  core_->notifyPlayId.store(0);
  SDL_UnlockAudioDevice(core_->device);
  Succeed();
}

void MediaPlayer::Close() {
  core_->CloseDevice();
  Succeed();
}

int64_t MediaPlayer::LengthMs() const {
  if (core_->device == 0 || core_->rate <= 0) return 0;
  return static_cast<int64_t>(core_->frames) * 1000 / core_->rate;
}

void MediaPlayer::SetEndPosition(int64_t ms) {
  if (core_->device == 0) {
    Failed(MediaError::NotOpen, lrw::Error("No sound file is open."));
    return;
  }
  const int64_t frame = std::max<int64_t>(0, ms) * core_->rate / 1000;
  SDL_LockAudioDevice(core_->device);
  core_->endFrame.store(static_cast<size_t>(std::min<int64_t>(frame, core_->frames)));
  SDL_UnlockAudioDevice(core_->device);
  Succeed();
}

}  // namespace lrw
