// The audio output of a show with music: one stream at 48 kHz stereo in which the
// slide's own sound and the music are mixed by the rule of MusicMix (the video export
// applies the same rule). It is the runner's sound player (MediaControl) for the slides'
// sounds and its RunnerMusic. SDL2 plays; the audio callback only mixes and posts.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "document/ShowMusic.h"
#include "player/MediaControl.h"
#include "player/ShowRunner.h"

namespace lrw {

class ShowAudio : public MediaControl, public RunnerMusic {
 public:
  using PostFunction = std::function<void(std::function<void()>)>;

  ShowAudio(const ShowMusic& music, PostFunction postToOwner);
  // A fade away still under way is heard to its end first (at most about a second).
  ~ShowAudio() override;
  ShowAudio(const ShowAudio&) = delete;
  ShowAudio& operator=(const ShowAudio&) = delete;

  // Called on the owner's thread when a slide sound played with notify has ended.
  std::function<void()> OnNotify;

  // ---- the slide's sound (MediaControl) ----
  MediaMode Mode() const override;
  void SetWait(bool wait) override { wait_ = wait; }
  void SetNotify(bool notify) override { notify_ = notify; }
  void SetFileName(const std::string& utf8Path) override { fileName_ = utf8Path; }
  Result<void> Open() override;
  void Play() override;
  void Stop() override;
  void Close() override;
  MediaError Error() const override { return error_; }
  std::string ErrorMessage() const override { return errorMessage_; }

  // ---- the music (RunnerMusic) ----
  void Start() override;
  void ShowLooped() override;
  void Pause(bool paused) override;
  void EndIn(int64_t ms) override;
  void FadeAway() override;

 private:
  struct Core;
  Result<void> EnsureDevice();
  // Sets the error code and text the callers read, and gives the failure back.
  Unexpected<lrw::Error> Failed(MediaError code, lrw::Error error);

  std::shared_ptr<Core> core_;
  std::string fileName_;
  bool wait_ = false;
  bool notify_ = false;
  MediaError error_ = MediaError::Ok;
  std::string errorMessage_;
};

}  // namespace lrw
