// The operations the show runner and the property panel need from a sound player:
// open by file name with an error code, play waiting or with an end notification,
// stop, close and the mode query. MediaPlayer is the real one; tests use fakes.
#pragma once

#include <string>

#include "base/Result.h"

namespace lrw {

enum class MediaMode { NotOpen, Stopped, Playing };

// The error code of a player's last command; 0 after success.
enum class MediaError : int {
  Ok = 0,
  NotOpen = 1,      // a command that needs an open file, without one
  FileError = 2,    // the file cannot be read or is not a sound libsndfile knows
  DeviceError = 3,  // no audio output
  TooLong = 4,      // the decoded sound would not fit in memory sensibly
};

class MediaControl {
 public:
  virtual ~MediaControl() = default;
  virtual MediaMode Mode() const = 0;
  // When set, the next command completes before it returns.
  virtual void SetWait(bool wait) = 0;
  // When set, a play reports its natural end through the notification handler.
  virtual void SetNotify(bool notify) = 0;
  virtual void SetFileName(const std::string& utf8Path) = 0;
  // Each command sets Error(): Ok (0) after success. Open also gives back its failure, whose
  // text is ErrorMessage()'s.
  virtual Result<void> Open() = 0;
  virtual void Play() = 0;
  virtual void Stop() = 0;
  virtual void Close() = 0;
  virtual MediaError Error() const = 0;
  virtual std::string ErrorMessage() const = 0;
};

}  // namespace lrw
