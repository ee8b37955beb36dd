#include "player/ShowAudio.h"

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <optional>
#include <vector>

#include "document/Paths.h"
#include "player/MediaPlayer.h"
#include "player/MusicMix.h"
#include "player/MusicStream.h"
#include "player/ResampledSound.h"

namespace lrw {

namespace {

std::string AsSentenceEnd(std::string reason) {
  while (!reason.empty() && std::strchr(" \t\r\n", reason.back())) reason.pop_back();
  if (reason.empty() || !std::strchr(".!?", reason.back())) reason += '.';
  return reason;
}

}  // namespace

// What the audio callback works on. Changed by the owner only with the device locked.
struct ShowAudio::Core : std::enable_shared_from_this<Core> {
  ShowAudio* owner = nullptr;
  PostFunction post;
  SDL_AudioDeviceID device = 0;
  bool sdlStarted = false;

  MusicStream music;
  MusicEnvelope envelope;
  bool musicOn = false;
  bool loopList = false;
  std::unique_ptr<ResampledSound> voice;
  bool voicePlaying = false;
  uint64_t notifyId = 0;
  uint64_t lastPlayId = 0;
  std::vector<float> mix;
  std::vector<float> scratch;
  std::atomic<int64_t> framesOut{0};

  Core(const ShowMusic& m) : music(m), envelope(m, kMixRate), loopList(m.loopList) {}

  static void SDLCALL Fill(void* user, Uint8* stream, int len) {
    auto* core = static_cast<Core*>(user);
    const int count = len / static_cast<int>(sizeof(float) * kMixChannels);
    float* out = reinterpret_cast<float*>(stream);
    std::fill_n(out, static_cast<size_t>(count) * kMixChannels, 0.0f);
    int heard = 0;
    if (core->voice && core->voicePlaying) {
      heard = core->voice->Mix(out, count);
      if (heard < count) {
        core->voicePlaying = false;
        const uint64_t id = core->notifyId;
        if (id != 0 && core->post) {
          core->post([weak = core->weak_from_this(), id] {
            if (auto alive = weak.lock()) alive->Deliver(id);
          });
        }
      }
    }
    if (core->musicOn) {
      MixMusicInto(out, count, heard, core->music, core->envelope, core->scratch);
    }
    core->framesOut.fetch_add(count);
  }

  void Deliver(uint64_t id) {
    if (!device) return;
    SDL_LockAudioDevice(device);
    const bool current = id != 0 && notifyId == id;
    if (current) notifyId = 0;
    SDL_UnlockAudioDevice(device);
    if (current && owner && owner->OnNotify) owner->OnNotify();
  }

  void Close() {
    if (device != 0) {
      SDL_CloseAudioDevice(device);  // waits for a running callback
      device = 0;
    }
    if (sdlStarted) {
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      sdlStarted = false;
    }
  }

  // Runs `change` with the callback held off.
  template <typename Change>
  void Locked(Change&& change) {
    if (device) SDL_LockAudioDevice(device);
    change();
    if (device) SDL_UnlockAudioDevice(device);
  }
};

ShowAudio::ShowAudio(const ShowMusic& music, PostFunction postToOwner)
    : core_(std::make_shared<Core>(music)) {
  core_->owner = this;
  core_->post = std::move(postToOwner);
}

ShowAudio::~ShowAudio() {
  if (core_->device) {
    // Let a fade that has begun be heard, but never hang on an output that stalls.
    const Uint64 limit = SDL_GetTicks64() + kEndFadeMs + 400;
    for (;;) {
      bool done = false;
      core_->Locked([&] { done = !core_->musicOn || core_->envelope.Silent(); });
      if (done || SDL_GetTicks64() >= limit) break;
      SDL_Delay(10);
    }
  }
  core_->Close();
  core_->owner = nullptr;
}

Result<void> ShowAudio::EnsureDevice() {
  if (core_->device) return {};
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    return Fail("No sound output is available: " + AsSentenceEnd(SDL_GetError()));
  }
  core_->sdlStarted = true;
  SDL_AudioSpec want{};
  want.freq = kMixRate;
  want.format = AUDIO_F32SYS;
  want.channels = kMixChannels;
  want.samples = 1024;
  want.callback = &Core::Fill;
  want.userdata = core_.get();
  SDL_AudioSpec have{};
  // SDL converts to what the output supports.
  core_->device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
  if (core_->device == 0) {
    const std::string reason = SDL_GetError();
    core_->Close();
    return Fail("The sound output cannot be opened: " + AsSentenceEnd(reason));
  }
  SDL_PauseAudioDevice(core_->device, 0);
  return {};
}

Unexpected<lrw::Error> ShowAudio::Failed(MediaError code, lrw::Error error) {
  error_ = code;
  errorMessage_ = error.message;
  return Fail(std::move(error));
}

MediaMode ShowAudio::Mode() const {
  MediaMode mode = MediaMode::NotOpen;
  core_->Locked([&] {
    if (core_->voice) mode = core_->voicePlaying ? MediaMode::Playing : MediaMode::Stopped;
  });
  return mode;
}

Result<void> ShowAudio::Open() {
  Close();
  const std::string shown = FileNameOf(fileName_);
  Result<std::unique_ptr<ResampledSound>> opened = ResampledSound::Open(fileName_);
  if (!opened) {
    return Failed(MediaError::FileError,
                  lrw::Error("The sound file \"" + shown +
                             "\" cannot be played: " + AsSentenceEnd(opened.error().message)));
  }
  std::unique_ptr<ResampledSound> sound = std::move(*opened);
  // The same limit as the player of shows without music.
  if (sound->Frames() > MediaPlayer::kMaxSamples / kMixChannels) {
    return Failed(MediaError::TooLong,
                  lrw::Error("The sound file \"" + shown + "\" is too long to be played."));
  }
  if (Result<void> output = EnsureDevice(); !output) {
    return Failed(MediaError::DeviceError, std::move(output).error());
  }
  core_->Locked([&] {
    core_->voice = std::move(sound);
    core_->voicePlaying = false;
    core_->notifyId = 0;
  });
  error_ = MediaError::Ok;
  errorMessage_.clear();
  return {};
}

void ShowAudio::Play() {
  if (!core_->voice) {
    Failed(MediaError::NotOpen, lrw::Error("No sound file is open."));
    return;
  }
  core_->Locked([&] {
    core_->voicePlaying = true;
    core_->notifyId = notify_ ? ++core_->lastPlayId : 0;
  });
  error_ = MediaError::Ok;
  errorMessage_.clear();
  if (wait_) {
    const Uint64 limit = SDL_GetTicks64() + 10 * 60 * 1000;
    while (Mode() == MediaMode::Playing && SDL_GetTicks64() < limit) SDL_Delay(5);
  }
}

void ShowAudio::Stop() {
  if (!core_->voice) {
    Failed(MediaError::NotOpen, lrw::Error("No sound file is open."));
    return;
  }
  core_->Locked([&] {
    core_->voicePlaying = false;
    core_->notifyId = 0;
  });
  error_ = MediaError::Ok;
}

void ShowAudio::Close() {
  std::unique_ptr<ResampledSound> old;
  core_->Locked([&] {
    old = std::move(core_->voice);
    core_->voicePlaying = false;
    core_->notifyId = 0;
  });
  error_ = MediaError::Ok;
}

void ShowAudio::Start() {
  if (!EnsureDevice()) return;  // the show plays on without its music
  core_->Locked([&] {
    core_->music.Restart();
    core_->envelope.Restart();
    core_->musicOn = true;
  });
}

void ShowAudio::ShowLooped() {
  // A list that loops on its own goes on; otherwise the music starts again with the show.
  if (!core_->loopList) Start();
}

void ShowAudio::Pause(bool paused) {
  if (core_->device) SDL_PauseAudioDevice(core_->device, paused ? 1 : 0);
}

void ShowAudio::EndIn(int64_t ms) {
  core_->Locked([&] { core_->envelope.EndAt(core_->envelope.Position() + ms * kMixRate / 1000); });
}

void ShowAudio::FadeAway() {
  core_->Locked([&] { core_->envelope.FadeAwayFrom(core_->envelope.Position(), kEndFadeMs); });
}

}  // namespace lrw
