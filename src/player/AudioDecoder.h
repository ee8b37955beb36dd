// Reads a sound file of any format the show accepts (WAV, FLAC, Ogg Vorbis, Opus, MP3
// through libsndfile; AAC/M4A and whatever else libsndfile cannot read through FFmpeg)
// as interleaved float samples of its own rate, at most two channels.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "base/Result.h"

namespace lrw {

class AudioDecoder {
 public:
  AudioDecoder();
  ~AudioDecoder();
  AudioDecoder(const AudioDecoder&) = delete;
  AudioDecoder& operator=(const AudioDecoder&) = delete;

  // Opens the file. When neither library can read it as a sound, fails with the reason (a
  // sentence, for "... cannot be played: "); as ErrorKind::Damaged when it is a sound file
  // whose header makes no sense.
  Result<void> Open(const std::string& utf8Path);
  bool IsOpen() const;
  int Channels() const { return channels_; }  // 1 or 2; further channels are left out
  int Rate() const { return rate_; }
  // The length in frames as the file declares it (for FFmpeg, from its duration);
  // -1 when the file does not say.
  int64_t Frames() const { return frames_; }
  // Up to `count` frames into `out`; returns how many, 0 at the end or on damage.
  int Read(float* out, int count);

 private:
  struct SndFile;
  struct Ffmpeg;
  std::unique_ptr<SndFile> snd_;
  std::unique_ptr<Ffmpeg> av_;
  int channels_ = 0;
  int rate_ = 0;
  int64_t frames_ = -1;
};

}  // namespace lrw
