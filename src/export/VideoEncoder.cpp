#include "export/VideoEncoder.h"

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
}

#include <algorithm>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "document/TextMark.h"
#include "export/AudioTrack.h"

namespace lrw {

namespace {

constexpr int kAacBitRate = 192000;
constexpr unsigned kMaxEncoderThreads = 8;
constexpr int kOpusBitRate = 128000;
constexpr const char* kNoMemory = "There is not enough memory to export the video.";

// The libraries' own log lines would only repeat what the errors returned here say.
void QuietLibraries() {
  static std::once_flag once;
  std::call_once(once, [] {
    av_log_set_level(AV_LOG_QUIET);
    // SVT-AV1 writes its own lines unless told otherwise; errors still reach the caller.
    setenv("SVT_LOG", "0", 0);
  });
}

std::string AvErrorText(int error) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(error, text, sizeof text);
  return text;
}

const char* FormatName(VideoContainer container) {
  switch (container) {
    case VideoContainer::Mp4:
      return "mp4";
    case VideoContainer::Mkv:
      return "matroska";
    case VideoContainer::WebM:
      return "webm";
  }
  return "mp4";
}

const char* EncoderName(VideoCodec codec) {
  switch (codec) {
    case VideoCodec::H264:
      return "libx264";
    case VideoCodec::H265:
      return "libx265";
    case VideoCodec::Av1:
      return "libsvtav1";
    case VideoCodec::Vp9:
      return "libvpx-vp9";
  }
  return "libx264";
}

// x264 keeps about six bytes a pixel for every frame it holds (the picture, its half-pixel
// planes, the look-ahead's small copy): 50 MB at 3840 x 2160. It holds one per thread, per
// B-frame and per look-ahead frame besides its reference, so these follow from the size:
// the full look-ahead up to 1080p, a leaner encoder at 4K, where the budget allows fewer.
constexpr double kX264Budget = 200.0 * 1024 * 1024;

struct X264Plan {
  int threads;
  int bFrames;
  std::string params;
};

X264Plan PlanX264(int width, int height, int cores) {
  const double frameBytes = 6.0 * width * height;
  const int frames = std::clamp(static_cast<int>(kX264Budget / frameBytes), 3, 40);
  X264Plan plan;
  plan.threads = std::clamp(frames / 4, 1, cores);
  const int lookahead = std::clamp(frames - plan.threads - 3, 0, 10);
  plan.bFrames = lookahead >= 3 ? 3 : 0;
  plan.params = "sync-lookahead=0:rc-lookahead=" + std::to_string(lookahead);
  // The macroblock tree needs frames to look ahead at.
  if (lookahead == 0) plan.params += ":mbtree=0";
  return plan;
}

// The encoder's own settings for the codec: speed, quality or bit rate, and the threads and
// frames it may hold. Also sets the thread and B-frame counts on `v`.
AVDictionary* CodecOptions(const VideoEncoderSettings& settings, int threads, AVCodecContext& v) {
  const bool byBitrate = settings.bitrateKbps > 0;
  AVDictionary* options = nullptr;
  const std::string poolThreads = std::to_string(threads);
  switch (settings.codec) {
    case VideoCodec::H264: {
      const X264Plan plan = PlanX264(settings.width, settings.height, threads);
      v.thread_count = plan.threads;
      v.max_b_frames = plan.bFrames;
      av_dict_set(&options, "preset", "veryfast", 0);
      // Quality 0 would make x264 lossless, which only the High 4:4:4 Predictive profile
      // holds and many players refuse; the High profile plays everywhere.
      av_dict_set(&options, "profile", "high", 0);
      if (!byBitrate) av_dict_set_int(&options, "crf", std::max(settings.quality, 1), 0);
      av_dict_set(&options, "x264-params", plan.params.c_str(), 0);
      break;
    }
    case VideoCodec::H265:
      av_dict_set(&options, "preset", "veryfast", 0);
      if (!byBitrate) av_dict_set_int(&options, "crf", settings.quality, 0);
      av_dict_set(
          &options, "x265-params",
          ("log-level=error:pools=" + poolThreads + ":frame-threads=1:rc-lookahead=8").c_str(), 0);
      // The tag Apple's players look for.
      if (settings.container == VideoContainer::Mp4) v.codec_tag = MKTAG('h', 'v', 'c', '1');
      break;
    case VideoCodec::Av1:
      av_dict_set_int(&options, "preset", 10, 0);
      // SVT-AV1 reads 0 as "not given".
      if (!byBitrate) av_dict_set_int(&options, "crf", std::max(settings.quality, 1), 0);
      // SVT-AV1 sizes its buffers by the processors it may use and the frames it looks
      // ahead: with more, a 1080p export alone passes 450 MB.
      av_dict_set(&options, "svtav1-params", "lp=1:lookahead=0", 0);
      break;
    case VideoCodec::Vp9:
      v.thread_count = threads;
      if (!byBitrate) {
        v.bit_rate = 0;  // constant quality
        av_dict_set_int(&options, "crf", settings.quality, 0);
      }
      av_dict_set(&options, "deadline", "realtime", 0);
      av_dict_set(&options, "cpu-used", "8", 0);
      av_dict_set(&options, "row-mt", "1", 0);
      // Frames held back for the alternate reference cost memory and gain little here.
      av_dict_set_int(&options, "lag-in-frames", 0, 0);
      break;
  }
  return options;
}

}  // namespace

bool EncoderAvailable(VideoCodec codec) {
  return avcodec_find_encoder_by_name(EncoderName(codec)) != nullptr;
}

struct VideoEncoder::Stream {
  AvCodecPtr codec;
  AVStream* stream = nullptr;
  AvFramePtr frame;  // audio: the frame being filled
  bool planar = false;
};

VideoEncoder::VideoEncoder() : packet_(av_packet_alloc()) {
  QuietLibraries();
}

VideoEncoder::~VideoEncoder() {
  video_.reset();
  audio_.reset();
  if (format_) {
    if (format_->pb) avio_closep(&format_->pb);
    avformat_free_context(format_);
  }
}

Error VideoEncoder::WriteError(int error) const {
  return Error("Cannot write file \"" + shownPath_ + "\". " + AvErrorText(error));
}

Error VideoEncoder::EncoderError(const char* what, int error) const {
  return Error(std::string("The ") + what + " encoder failed: " + AvErrorText(error));
}

Result<void> VideoEncoder::Open(const std::string& path, const std::string& shownPath,
                                const VideoEncoderSettings& settings) {
  shownPath_ = shownPath;
  if (!packet_) return Fail(kNoMemory);
  if (avformat_alloc_output_context2(&format_, nullptr, FormatName(settings.container),
                                     path.c_str()) < 0 ||
      !format_) {
    return Fail(LRW_TR_NOOP("lrw::Messages", "The video format cannot be written."));
  }
  if (Result<void> video = AddVideoStream(settings); !video) return video;
  if (settings.audio) {
    if (Result<void> sound = AddSoundStream(settings.container == VideoContainer::WebM); !sound) {
      return sound;
    }
  }
  return WriteHeader(path, settings.container);
}

Result<void> VideoEncoder::AddVideoStream(const VideoEncoderSettings& settings) {
  const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  // Every encoder thread holds frames of its own; more than this gains little and would let
  // a 4K export's memory grow with the machine.
  const int threads = static_cast<int>(std::min(cores, kMaxEncoderThreads));
  const char* videoName = EncoderName(settings.codec);
  const AVCodec* videoCodec = avcodec_find_encoder_by_name(videoName);
  if (!videoCodec)
    return Fail(std::string("The video encoder ") + videoName + " is not available.");
  video_ = std::make_unique<Stream>();
  video_->codec.reset(avcodec_alloc_context3(videoCodec));
  video_->stream = avformat_new_stream(format_, nullptr);
  if (!video_->codec || !video_->stream) return Fail(kNoMemory);
  AVCodecContext& v = *video_->codec;
  v.width = settings.width;
  v.height = settings.height;
  v.pix_fmt = AV_PIX_FMT_YUV420P;
  v.time_base = AVRational{settings.fps.den, settings.fps.num};
  v.framerate = AVRational{settings.fps.num, settings.fps.den};
  v.sample_aspect_ratio = AVRational{1, 1};
  v.color_primaries = AVCOL_PRI_BT709;
  v.color_trc = AVCOL_TRC_BT709;
  v.colorspace = AVCOL_SPC_BT709;
  v.color_range = AVCOL_RANGE_MPEG;
  if (format_->oformat->flags & AVFMT_GLOBALHEADER) v.flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  if (settings.bitrateKbps > 0) v.bit_rate = static_cast<int64_t>(settings.bitrateKbps) * 1000;
  AVDictionary* videoOptions = CodecOptions(settings, threads, v);
  int error = avcodec_open2(&v, videoCodec, &videoOptions);
  av_dict_free(&videoOptions);
  if (error < 0) return Fail(EncoderError("video", error));
  if ((error = avcodec_parameters_from_context(video_->stream->codecpar, &v)) < 0) {
    return Fail(EncoderError("video", error));
  }
  video_->stream->time_base = v.time_base;
  video_->stream->avg_frame_rate = v.framerate;
  return {};
}

Result<void> VideoEncoder::AddSoundStream(bool webm) {
  const char* audioName = webm ? "libopus" : "aac";
  const AVCodec* audioCodec = avcodec_find_encoder_by_name(audioName);
  if (!audioCodec)
    return Fail(std::string("The sound encoder ") + audioName + " is not available.");
  audio_ = std::make_unique<Stream>();
  audio_->codec.reset(avcodec_alloc_context3(audioCodec));
  audio_->stream = avformat_new_stream(format_, nullptr);
  if (!audio_->codec || !audio_->stream) return Fail(kNoMemory);
  AVCodecContext& a = *audio_->codec;
  // Interleaved float when the encoder takes it, planar float otherwise.
  a.sample_fmt = AV_SAMPLE_FMT_FLTP;
  for (const AVSampleFormat* f = audioCodec->sample_fmts; f && *f != AV_SAMPLE_FMT_NONE; ++f) {
    if (*f == AV_SAMPLE_FMT_FLT) a.sample_fmt = AV_SAMPLE_FMT_FLT;
  }
  audio_->planar = a.sample_fmt == AV_SAMPLE_FMT_FLTP;
  a.sample_rate = kAudioRate;
  av_channel_layout_default(&a.ch_layout, kAudioChannels);
  a.time_base = AVRational{1, kAudioRate};
  a.bit_rate = webm ? kOpusBitRate : kAacBitRate;
  if (format_->oformat->flags & AVFMT_GLOBALHEADER) a.flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  int error = avcodec_open2(&a, audioCodec, nullptr);
  if (error < 0) return Fail(EncoderError("sound", error));
  if ((error = avcodec_parameters_from_context(audio_->stream->codecpar, &a)) < 0) {
    return Fail(EncoderError("sound", error));
  }
  audio_->stream->time_base = a.time_base;
  audio_->frame.reset(av_frame_alloc());
  if (!audio_->frame) return Fail(kNoMemory);
  audio_->frame->format = a.sample_fmt;
  audio_->frame->sample_rate = a.sample_rate;
  audio_->frame->nb_samples = a.frame_size > 0 ? a.frame_size : 1024;
  av_channel_layout_copy(&audio_->frame->ch_layout, &a.ch_layout);
  if ((error = av_frame_get_buffer(audio_->frame.get(), 0)) < 0) {
    return Fail(EncoderError("sound", error));
  }
  return {};
}

Result<void> VideoEncoder::WriteHeader(const std::string& path, VideoContainer container) {
  if (const int error = avio_open(&format_->pb, path.c_str(), AVIO_FLAG_WRITE); error < 0) {
    return Fail("Cannot create file \"" + shownPath_ + "\". " + AvErrorText(error));
  }
  AVDictionary* muxOptions = nullptr;
  // The index at the front, so that a player can start before the whole file has arrived.
  if (container == VideoContainer::Mp4) av_dict_set(&muxOptions, "movflags", "+faststart", 0);
  const int error = avformat_write_header(format_, &muxOptions);
  av_dict_free(&muxOptions);
  if (error < 0) return Fail(WriteError(error));
  headerWritten_ = true;
  return {};
}

Result<void> VideoEncoder::Encode(Stream& stream, const AVFrame* frame) {
  const bool isVideo = &stream == video_.get();
  int error = avcodec_send_frame(stream.codec.get(), frame);
  if (error < 0) return Fail(EncoderError(isVideo ? "video" : "sound", error));
  for (;;) {
    error = avcodec_receive_packet(stream.codec.get(), packet_.get());
    if (error == AVERROR(EAGAIN) || error == AVERROR_EOF) return {};
    if (error < 0) return Fail(EncoderError(isVideo ? "video" : "sound", error));
    av_packet_rescale_ts(packet_.get(), stream.codec->time_base, stream.stream->time_base);
    packet_->stream_index = stream.stream->index;
    error = av_interleaved_write_frame(format_, packet_.get());
    if (error < 0) return Fail(WriteError(error));
  }
}

Result<void> VideoEncoder::WriteVideo(const AVFrame& frame, int64_t index) {
  AvFramePtr shown(av_frame_clone(&frame));  // shares the picture, carries its own time
  if (!shown) return Fail(kNoMemory);
  shown->pts = index;
  return Encode(*video_, shown.get());
}

Result<void> VideoEncoder::WriteAudioFrame(AudioTrack& track, int samples) {
  AVFrame& frame = *audio_->frame;
  int error = av_frame_make_writable(&frame);
  if (error < 0) return Fail(EncoderError("sound", error));
  frame.nb_samples = samples;
  frame.pts = audioWritten_;
  if (audio_->planar) {
    std::vector<float> interleaved(static_cast<size_t>(samples) * kAudioChannels);
    track.Read(interleaved.data(), samples);
    auto* left = reinterpret_cast<float*>(frame.data[0]);
    auto* right = reinterpret_cast<float*>(frame.data[1]);
    for (int i = 0; i < samples; ++i) {
      left[i] = interleaved[static_cast<size_t>(i) * 2];
      right[i] = interleaved[static_cast<size_t>(i) * 2 + 1];
    }
  } else {
    track.Read(reinterpret_cast<float*>(frame.data[0]), samples);
  }
  audioWritten_ += samples;
  return Encode(*audio_, &frame);
}

Result<void> VideoEncoder::WriteAudioUntil(AudioTrack& track, int64_t end) {
  if (!audio_) return {};
  const int frameSize = audio_->codec->frame_size > 0 ? audio_->codec->frame_size : 1024;
  while (audioWritten_ + frameSize <= end) {
    if (Result<void> written = WriteAudioFrame(track, frameSize); !written) return written;
  }
  return {};
}

Result<void> VideoEncoder::Finish(AudioTrack* track, int64_t end) {
  if (audio_ && track) {
    if (Result<void> written = WriteAudioUntil(*track, end); !written) return written;
    const int frameSize = audio_->codec->frame_size > 0 ? audio_->codec->frame_size : 1024;
    const int rest = static_cast<int>(end - audioWritten_);
    if (rest > 0) {
      // A short last frame where the encoder takes one; otherwise silence pads it out.
      const bool small = audio_->codec->codec->capabilities & AV_CODEC_CAP_SMALL_LAST_FRAME;
      if (Result<void> last = WriteAudioFrame(*track, small ? rest : frameSize); !last) {
        return last;
      }
    }
  }
  if (Result<void> drained = Encode(*video_, nullptr); !drained) return drained;
  if (audio_) {
    if (Result<void> drained = Encode(*audio_, nullptr); !drained) return drained;
  }
  int error = av_write_trailer(format_);
  headerWritten_ = false;
  if (error < 0) return Fail(WriteError(error));
  if (format_->pb && format_->pb->error < 0) return Fail(WriteError(format_->pb->error));
  error = avio_closep(&format_->pb);
  if (error < 0) return Fail(WriteError(error));
  return {};
}

}  // namespace lrw
