// Encodes frames and sound into a video file with FFmpeg's libraries: H.264 (libx264, High
// profile at most), H.265 (libx265) or AV1 (SVT-AV1) with AAC in MP4 or Matroska, VP9 (libvpx)
// or AV1 with Opus in WebM. Encoders use every core, with their look-ahead kept short so that
// a 4K export stays within a bounded memory. Every failure comes back as an Error whose text
// is for the user.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "base/Result.h"
#include "export/AvPointers.h"
#include "export/ExportOptions.h"

struct AVFormatContext;

namespace lrw {

class AudioTrack;

struct VideoEncoderSettings {
  VideoContainer container = VideoContainer::Mp4;
  VideoCodec codec = VideoCodec::H264;
  int width = 1920;
  int height = 1080;
  FrameRate fps;
  int quality = 20;     // constant rate factor, when there is no bit rate
  int bitrateKbps = 0;  // a target bit rate instead
  bool audio = false;   // whether the file gets a sound track
};

// Whether this system's FFmpeg has the encoder for `codec`.
bool EncoderAvailable(VideoCodec codec);

class VideoEncoder {
 public:
  VideoEncoder();
  ~VideoEncoder();
  VideoEncoder(const VideoEncoder&) = delete;
  VideoEncoder& operator=(const VideoEncoder&) = delete;

  // Creates `path` and prepares the encoders; messages name `shownPath`.
  Result<void> Open(const std::string& path, const std::string& shownPath,
                    const VideoEncoderSettings& settings);
  // Encodes `frame` (4:2:0, the video's size; left unchanged) as frame number `index`.
  Result<void> WriteVideo(const AVFrame& frame, int64_t index);
  // Encodes the sound track up to sample `end` (48 kHz), as far as whole encoder frames go.
  Result<void> WriteAudioUntil(AudioTrack& track, int64_t end);
  // Encodes the rest of the sound up to `end`, drains the encoders and completes the file.
  Result<void> Finish(AudioTrack* track, int64_t end);

 private:
  struct Stream;
  // The parts of Open: the video stream with its encoder, the sound stream (AAC, or Opus
  // in WebM) with its encoder, and the file with its header.
  Result<void> AddVideoStream(const VideoEncoderSettings& settings);
  Result<void> AddSoundStream(bool webm);
  Result<void> WriteHeader(const std::string& path, VideoContainer container);
  Result<void> Encode(Stream& stream, const AVFrame* frame);
  Result<void> WriteAudioFrame(AudioTrack& track, int samples);
  Error WriteError(int error) const;
  Error EncoderError(const char* what, int error) const;

  std::string shownPath_;
  AVFormatContext* format_ = nullptr;
  bool headerWritten_ = false;
  std::unique_ptr<Stream> video_;
  std::unique_ptr<Stream> audio_;
  int64_t audioWritten_ = 0;
  AvPacketPtr packet_;
};

}  // namespace lrw
