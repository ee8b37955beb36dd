// The wave-audio player: libsndfile decodes the file when it is opened, SDL2 plays it.
// The end of a play started with the notify flag reaches OnNotify on the thread that
// owns the player, through the posting function the window layer hands in (the audio
// callback runs on SDL's own thread and only posts).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "base/Result.h"
#include "player/MediaControl.h"

namespace lrw {

class MediaPlayer : public MediaControl {
 public:
  // The most samples (frames times channels) a sound may have: 256 MB of 16-bit samples,
  // about 25 minutes of CD-quality stereo. A longer one is not played.
  static constexpr int64_t kMaxSamples = 128LL * 1024 * 1024;

  // Runs a function later on the owner's thread; must be callable from any thread.
  using PostFunction = std::function<void(std::function<void()>)>;

  explicit MediaPlayer(PostFunction postToOwner = {});
  ~MediaPlayer() override;
  MediaPlayer(const MediaPlayer&) = delete;
  MediaPlayer& operator=(const MediaPlayer&) = delete;

  // Called on the owner's thread when a play started with notify has reached its end.
  std::function<void()> OnNotify;

  MediaMode Mode() const override;
  void SetWait(bool wait) override { wait_ = wait; }
  void SetNotify(bool notify) override { notify_ = notify; }
  void SetFileName(const std::string& utf8Path) override { fileName_ = utf8Path; }
  const std::string& FileName() const { return fileName_; }

  // Decodes the file and opens the audio output (closing whatever was open).
  Result<void> Open() override;
  // Plays from the current position to the end position. With wait, returns when done.
  void Play() override;
  // Stops at the current position; the end notification of the play is dropped.
  void Stop() override;
  void Close() override;
  MediaError Error() const override { return error_; }
  std::string ErrorMessage() const override { return errorMessage_; }

  // Length of the open sound in milliseconds (0 when nothing is open).
  int64_t LengthMs() const;
  // Where play stops, in milliseconds from the start; limited to the length.
  void SetEndPosition(int64_t ms);

 private:
  struct Core;
  // Sets the error code and text the callers read, and gives the failure back.
  Unexpected<lrw::Error> Failed(MediaError code, lrw::Error error);
  void Succeed();

  PostFunction post_;
  std::shared_ptr<Core> core_;
  std::string fileName_;
  bool wait_ = false;
  bool notify_ = false;
  MediaError error_ = MediaError::Ok;
  std::string errorMessage_;
};

}  // namespace lrw
